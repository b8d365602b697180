#include "support/PictureCorpus.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageWriter>
#include <QRandomGenerator>

#include <algorithm>

namespace {

QByteArray LittleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i));
    return bytes;
}

QByteArray BigEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = size - 1; i >= 0; --i)
        bytes += char(value >> (8 * i));
    return bytes;
}

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

// Writes JPEG entropy-coded bits, stuffing a zero after every 0xFF byte.
struct BitWriter {
    QByteArray bytes;
    quint32 pending = 0;
    int count = 0;

    void Put(quint32 bits, int length)
    {
        for (int i = length - 1; i >= 0; --i) {
            pending = pending << 1 | ((bits >> i) & 1);
            if (++count == 8)
                Flush();
        }
    }
    void Flush()
    {
        bytes += char(pending);
        if (uchar(pending) == 0xFF)
            bytes += '\0';
        pending = 0;
        count = 0;
    }
    QByteArray Finish()
    {
        while (count != 0)
            Put(1, 1); // padded with ones
        return bytes;
    }
};

// One flat 8 x 8 block: its DC difference in a category of the 4-bit DC codes, then end of block.
void PutFlatBlock(BitWriter& bits, int difference)
{
    int category = 0;
    while ((std::abs(difference) >> category) != 0)
        ++category;
    bits.Put(quint32(category), 4);
    if (category > 0)
        bits.Put(quint32(difference > 0 ? difference : difference + (1 << category) - 1), category);
    bits.Put(0, 1); // the one AC code: end of block
}

QByteArray Segment(uchar marker, const QByteArray& body)
{
    return QByteArray(1, char(0xFF)) + char(marker) + BigEndian(quint32(body.size() + 2), 2) + body;
}

CorpusPicture Opens(
    const QString& name, const QString& fileName, const QByteArray& bytes, QSize size, bool partial = false)
{
    return CorpusPicture { name, fileName, bytes, CorpusPicture::Kind::File, size, QString(), partial };
}

CorpusPicture Refused(const QString& name, const QString& fileName, const QByteArray& bytes, const QString& reason,
    CorpusPicture::Kind kind = CorpusPicture::Kind::File)
{
    CorpusPicture picture = Opens(name, fileName, bytes, QSize());
    picture.reason = reason;
    picture.kind = kind;
    return picture;
}

QString SizeReason(int width, int height)
{
    const qint64 tenths = (qint64(width) * height + 99999) / 100000;
    const QString megapixels
        = tenths % 10 ? QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10) : QString::number(tenths / 10);
    return QStringLiteral(" is %1 × %2 pixels (%3 megapixels); Korvel opens pictures up to 200 megapixels.")
        .arg(width)
        .arg(height)
        .arg(megapixels);
}

void AddHugeHeaders(QList<CorpusPicture>& corpus)
{
    // GIF and JPEG keep their sides in 16 bits, so 65535 is the most they can claim.
    for (const int side : { 65000, 100000 }) {
        const int short16 = std::min(side, 65535);
        const QByteArray tag = QByteArray::number(side);
        corpus << Refused("JPEG claiming " + tag, "huge" + tag + ".jpg", JpegClaiming(short16, short16),
            SizeReason(short16, short16));
        corpus << Refused(
            "GIF claiming " + tag, "huge" + tag + ".gif", GifClaiming(short16, short16), SizeReason(short16, short16));
        corpus << Refused(
            "PNG claiming " + tag, "huge" + tag + ".png", PngClaiming(side, side), SizeReason(side, side));
        corpus << Refused(
            "BMP claiming " + tag, "huge" + tag + ".bmp", BitmapHeader(side, side), SizeReason(side, side));
    }
}

void AddOrientations(QList<CorpusPicture>& corpus)
{
    const QByteArray stored = Encoded(Noise(60, 40), "jpg");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QByteArray tag = QByteArray::number(orientation);
        // 5 to 8 turn the picture a quarter, so a browser shows it 40 wide and 60 high.
        corpus << Opens("EXIF orientation " + tag, "turned" + tag + ".jpg", WithExifOrientation(stored, orientation),
            orientation >= 5 ? QSize(40, 60) : QSize(60, 40));
    }
}

QByteArray WithColourProfile(const char* format)
{
    QImage image = Noise(48, 32);
    image.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    return Encoded(image, format);
}

} // namespace

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QImage Flat(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Noise(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator(42).fillRange(reinterpret_cast<quint32*>(image.bits()), image.sizeInBytes() / 4);
    return image.convertToFormat(format);
}

QByteArray Encoded(const QImage& image, const char* format, bool progressive)
{
    QBuffer buffer;
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image))
        qFatal("cannot make a %s test picture: %s", format, qPrintable(writer.errorString()));
    return buffer.data();
}

QByteArray LargePicture(int width, int height, const char* format)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 255);
    }
    return Encoded(photo, format);
}

// With 128 colours every LZW code is one byte, as long as a clear code comes often enough to
// keep the code table from growing to nine bits.
QByteArray HandMadeGif(int width, int height, int frames)
{
    const QByteArray size = LittleEndian(width, 2) + LittleEndian(height, 2);
    QByteArray gif = "GIF89a" + size + QByteArray("\xF6\0\0", 3); // a global table of 128 colours
    for (int i = 0; i < 128; ++i)
        gif += LittleEndian(2 * i | (255 - 2 * i) << 8 | i << 16, 3);
    for (int frame = 0; frame < frames; ++frame) {
        QByteArray codes;
        for (int i = 0; i < width * height; ++i)
            codes += QByteArray(i % 100 ? 0 : 1, char(128)) + char((i % width / 4 + frame * 10) % 128);
        codes += char(129);
        gif += QByteArray("\x2C\0\0\0\0", 5) + size + QByteArray("\0\x07", 2);
        for (int i = 0; i < codes.size(); i += 255)
            gif += char(std::min<qsizetype>(255, codes.size() - i)) + codes.mid(i, 255);
        gif += '\0';
    }
    return gif + ';';
}

QByteArray BitmapHeader(int width, int height)
{
    QByteArray bmp("BM");
    for (quint32 field : { 54u, 0u, 54u, 40u, quint32(width), quint32(height), 1u | 24u << 16, 0u, 0u, 0u, 0u, 0u, 0u })
        bmp += LittleEndian(field, 4);
    return bmp;
}

// Qt's JPEG writer turns the pixels instead of recording an orientation, so the EXIF block
// (one big-endian IFD entry, tag 0x0112) goes in by hand, right after the start marker.
QByteArray WithExifOrientation(QByteArray jpeg, int orientation)
{
    const QByteArray exif("\xFF\xE1\0\x22"
                          "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0",
        29);
    return jpeg.insert(2, exif + char(orientation) + QByteArray(6, '\0'));
}

// The frame header gives the height, then the width, big-endian, five bytes after its marker.
QByteArray JpegClaiming(int width, int height)
{
    QByteArray jpeg = Encoded(Noise(16, 16), "jpg");
    return jpeg.replace(jpeg.indexOf("\xFF\xC0") + 5, 4, BigEndian(height, 2) + BigEndian(width, 2));
}

// The header chunk's checksum is made anew, so only the claim is wrong.
QByteArray PngClaiming(int width, int height)
{
    QByteArray png = Encoded(Noise(16, 16), "png");
    png.replace(16, 8, BigEndian(width, 4) + BigEndian(height, 4));
    return png.replace(29, 4, BigEndian(Crc32(png.mid(12, 17)), 4));
}

QByteArray GifClaiming(int width, int height)
{
    QByteArray gif = HandMadeGif(16, 16, 1);
    const QByteArray size = LittleEndian(width, 2) + LittleEndian(height, 2);
    gif.replace(6, 4, size); // the screen
    constexpr int kFrameHeader = 13 + 128 * 3; // behind the screen and its colour table
    return gif.replace(kFrameHeader + 5, 4, size); // and the frame
}

// Baseline, no subsampling, every quantiser 1 and every block flat, so each block is its DC
// difference (in 4-bit category codes 0 to 11) and an end of block (the 1-bit code 0).
QByteArray CmykJpeg(int width, int height)
{
    const uchar stored[4] = { 255, 0, 255, 255 }; // inverted C, M, Y, K: full magenta, no black
    QByteArray frame = QByteArray(1, 8) + BigEndian(height, 2) + BigEndian(width, 2) + char(4);
    QByteArray scan(1, 4);
    for (char c = 1; c <= 4; ++c) {
        frame += QByteArray(1, c) + char(0x11) + char(0);
        scan += QByteArray(1, c) + char(0);
    }
    scan += QByteArray("\0\x3F\0", 3);
    QByteArray dc = QByteArray(1, 0) + QByteArray(3, 0) + char(12) + QByteArray(12, 0);
    for (char symbol = 0; symbol < 12; ++symbol)
        dc += symbol;
    const QByteArray ac = QByteArray(1, 0x10) + char(1) + QByteArray(15, 0) + char(0);
    BitWriter bits;
    const int blocks = ((width + 7) / 8) * ((height + 7) / 8);
    for (int block = 0; block < blocks; ++block) {
        for (const uchar level : stored)
            PutFlatBlock(bits, block == 0 ? 8 * (level - 128) : 0);
    }
    return QByteArray("\xFF\xD8", 2) + Segment(0xEE, QByteArray("Adobe\0\x64\0\0\0\0\0", 12))
        + Segment(0xDB, QByteArray(1, 0) + QByteArray(64, 1)) + Segment(0xC0, frame) + Segment(0xC4, dc + ac)
        + Segment(0xDA, scan) + bits.Finish() + QByteArray("\xFF\xD9", 2);
}

QList<CorpusPicture> HostileCorpus()
{
    using Kind = CorpusPicture::Kind;
    const QString notAPicture
        = QStringLiteral(": it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP).");
    const QImage photo = Noise(320, 240);
    const QByteArray png = Encoded(photo, "png");
    const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    QImage deep(64, 48, QImage::Format_RGBA64);
    deep.fill(QColor(10, 200, 30, 128));

    QList<CorpusPicture> corpus {
        Refused("zero bytes", "empty.jpg", {}, QStringLiteral(": the file is empty.")),
        Opens("JPEG cut", "cut.jpg", half(Encoded(photo, "jpg")), { 320, 240 }, true),
        Opens("GIF cut", "cut.gif", half(HandMadeGif(320, 240, 1)), { 320, 240 }, true),
        Opens("BMP cut", "cut.bmp", half(Encoded(photo, "bmp")), { 320, 240 }, true),
        Opens("PNG cut", "cut.png", half(png), { 320, 240 }, true),
        Refused("text named .jpg", "notes.jpg", "Shopping: bread, milk.\n", notAPicture),
        Opens("PNG named .gif", "renamed.gif", png, { 320, 240 }),
        Refused("folder", "album.jpg", {}, QStringLiteral(": it is a folder, not a picture."), Kind::Folder),
        Refused("unreadable", "secret.png", png, QStringLiteral(": you do not have permission to read it."),
            Kind::Unreadable),
        Refused("removed after choice", "gone.png", png, QStringLiteral(": there is no such file in the folder"),
            Kind::RemovedAfterChoice),
        Opens("1 x 1", "dot.png", Encoded(Noise(1, 1), "png"), { 1, 1 }),
        Opens("animated GIF", "anim.gif", HandMadeGif(64, 48, 3), { 64, 48 }),
        Opens("CMYK JPEG", "print.jpg", CmykJpeg(40, 24), { 40, 24 }),
        Opens("16-bit PNG", "deep.png", Encoded(deep, "png"), { 64, 48 }),
        Opens("PNG with an ICC profile", "p3.png", WithColourProfile("png"), { 48, 32 }),
        Opens("JPEG with an ICC profile", "p3.jpg", WithColourProfile("jpg"), { 48, 32 }),
    };
    AddHugeHeaders(corpus);
    AddOrientations(corpus);
    return corpus;
}
