#include "support/PictureCorpus.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageWriter>
#include <QRandomGenerator>

#include <algorithm>

namespace {

QByteArray Number(quint32 value, int size, bool bigEndian = false)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * (bigEndian ? size - 1 - i : i)));
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

// The header chunk's checksum is made anew, so only the claim is wrong.
QByteArray PngClaiming(int width, int height)
{
    QByteArray png = Encoded(Noise(16, 16), "png");
    png.replace(16, 8, Number(width, 4, true) + Number(height, 4, true));
    return png.replace(29, 4, Number(Crc32(png.mid(12, 17)), 4, true));
}

// The size is in the screen and in the frame behind the screen's table of 128 colours.
QByteArray GifClaiming(int width, int height)
{
    const QByteArray size = Number(width, 2) + Number(height, 2);
    return HandMadeGif(16, 16, 1).replace(6, 4, size).replace(13 + 128 * 3 + 5, 4, size);
}

// An 8 x 8 JPEG of four components as print work flows write it: Adobe-style inverted C, M, Y
// and K of full magenta and no black. Every quantiser is 1 and each component's one block flat,
// so a block is its DC value (a 4-bit category code, then the value's bits) and an end of
// block (the one AC code, 0).
QByteArray CmykJpeg()
{
    QString bits;
    for (const int level : { 255, 0, 255, 255 }) {
        const int dc = 8 * (level - 128); // 1016 in category 10, or -1024 in 11 (its bits 1023)
        const int category = dc > 0 ? 10 : 11;
        bits += QString::number(category, 2).rightJustified(4, u'0')
            + QString::number(dc > 0 ? dc : dc + (1 << category) - 1, 2).rightJustified(category, u'0') + u'0';
    }
    QByteArray scan;
    for (qsizetype i = 0; i < bits.size(); i += 8) {
        scan += char(bits.mid(i, 8).leftJustified(8, u'1').toUInt(nullptr, 2)); // padded with ones
        if (uchar(scan.back()) == 0xFF)
            scan += '\0';
    }
    const auto segment = [](uchar marker, const QByteArray& body) {
        return QByteArray(1, char(0xFF)) + char(marker) + Number(body.size() + 2, 2, true) + body;
    };
    const QByteArray dcTable = QByteArray("\0\0\0\0\x0C", 5) + QByteArray(12, '\0')
        + QByteArray("\0\1\2\3\4\5\6\7\x08\x09\x0A\x0B", 12); // codes of 4 bits for categories 0 to 11
    return QByteArray("\xFF\xD8", 2) + segment(0xEE, QByteArray("Adobe\0\x64\0\0\0\0\0", 12))
        + segment(0xDB, QByteArray(1, '\0') + QByteArray(64, 1))
        + segment(0xC0, QByteArray("\x08\0\x08\0\x08\x04\x01\x11\0\x02\x11\0\x03\x11\0\x04\x11\0", 18))
        + segment(0xC4, dcTable + QByteArray("\x10\x01", 2) + QByteArray(16, '\0'))
        + segment(0xDA, QByteArray("\x04\x01\0\x02\0\x03\0\x04\0\0\x3F\0", 12)) + scan + QByteArray("\xFF\xD9", 2);
}

CorpusPicture Opens(
    const QString& name, const QString& fileName, const QByteArray& bytes, QSize size, bool partial = false)
{
    return { name, fileName, bytes, CorpusPicture::Kind::File, size, {}, partial };
}

CorpusPicture Refused(const QString& name, const QString& fileName, const QByteArray& bytes, const QString& reason,
    CorpusPicture::Kind kind = CorpusPicture::Kind::File)
{
    return { name, fileName, bytes, kind, {}, reason, false };
}

} // namespace

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
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
    const QByteArray size = Number(width, 2) + Number(height, 2);
    QByteArray gif = "GIF89a" + size + QByteArray("\xF6\0\0", 3); // a global table of 128 colours
    for (int i = 0; i < 128; ++i)
        gif += Number(2 * i | (255 - 2 * i) << 8 | i << 16, 3);
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
        bmp += Number(field, 4);
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

// The frame header gives the height, then the width, five bytes after its marker.
QByteArray JpegClaiming(int width, int height)
{
    QByteArray jpeg = Encoded(Noise(16, 16), "jpg");
    return jpeg.replace(jpeg.indexOf("\xFF\xC0") + 5, 4, Number(height, 2, true) + Number(width, 2, true));
}

QList<CorpusPicture> HostileCorpus()
{
    using Kind = CorpusPicture::Kind;
    const QString notAPicture(": it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP).");
    const QImage photo = Noise(320, 240);
    const QByteArray png = Encoded(photo, "png");
    const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    QImage deep(64, 48, QImage::Format_RGBA64);
    deep.fill(QColor(10, 200, 30, 128));
    QImage p3 = Noise(48, 32);
    p3.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    // GIF and JPEG keep their sides in 16 bits, so 65535 is the most they can claim.
    const QString tooLarge(" is %1 × %1 pixels (%2 megapixels); Korvel opens pictures up to 200 megapixels.");
    const QString at65000 = tooLarge.arg(65000).arg(4225), at65535 = tooLarge.arg(65535).arg("4294.9"),
                  at100000 = tooLarge.arg(100000).arg(10000);
    const QSize whole(320, 240);
    QList<CorpusPicture> corpus {
        Refused("zero bytes", "empty.jpg", {}, ": the file is empty."),
        Opens("JPEG cut", "cut.jpg", half(Encoded(photo, "jpg")), whole, true),
        Opens("GIF cut", "cut.gif", half(HandMadeGif(320, 240, 1)), whole, true),
        Opens("BMP cut", "cut.bmp", half(Encoded(photo, "bmp")), whole, true),
        Opens("PNG cut", "cut.png", half(png), whole, true),
        Refused("text named .jpg", "notes.jpg", "Shopping: bread, milk.\n", notAPicture),
        Opens("PNG named .gif", "renamed.gif", png, whole),
        Refused("folder", "album.jpg", {}, ": it is a folder, not a picture.", Kind::Folder),
        Refused("unreadable", "secret.png", png, ": you do not have permission to read it.", Kind::Unreadable),
        Refused("removed after choice", "gone.png", png, ": there is no such file", Kind::RemovedAfterChoice),
        Opens("1 x 1", "dot.png", Encoded(Noise(1, 1), "png"), QSize(1, 1)),
        Opens("animated GIF", "anim.gif", HandMadeGif(64, 48, 3), QSize(64, 48)),
        Opens("CMYK JPEG", "print.jpg", CmykJpeg(), QSize(8, 8)),
        Opens("16-bit PNG", "deep.png", Encoded(deep, "png"), QSize(64, 48)),
        Opens("PNG with an ICC profile", "p3.png", Encoded(p3, "png"), QSize(48, 32)),
        Opens("JPEG with an ICC profile", "p3.jpg", Encoded(p3, "jpg"), QSize(48, 32)),
        Refused("JPEG claiming 65000", "huge65000.jpg", JpegClaiming(65000, 65000), at65000),
        Refused("GIF claiming 65000", "huge65000.gif", GifClaiming(65000, 65000), at65000),
        Refused("PNG claiming 65000", "huge65000.png", PngClaiming(65000, 65000), at65000),
        Refused("BMP claiming 65000", "huge65000.bmp", BitmapHeader(65000, 65000), at65000),
        Refused("JPEG claiming 100000", "huge100000.jpg", JpegClaiming(65535, 65535), at65535),
        Refused("GIF claiming 100000", "huge100000.gif", GifClaiming(65535, 65535), at65535),
        Refused("PNG claiming 100000", "huge100000.png", PngClaiming(100000, 100000), at100000),
        Refused("BMP claiming 100000", "huge100000.bmp", BitmapHeader(100000, 100000), at100000),
    };
    const QByteArray stored = Encoded(Noise(60, 40), "jpg");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        // 5 to 8 turn the picture a quarter, so a browser shows it 40 wide and 60 high.
        corpus << Opens(QStringLiteral("EXIF orientation %1").arg(orientation),
            QStringLiteral("turned%1.jpg").arg(orientation), WithExifOrientation(stored, orientation),
            orientation >= 5 ? QSize(40, 60) : QSize(60, 40));
    }
    return corpus;
}
