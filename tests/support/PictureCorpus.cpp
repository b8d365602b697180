#include "support/PictureCorpus.h"

#include "pictures/PictureLoader.h"

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

// The size is in the screen and in the frame behind the screen's table of 128 colours.
QByteArray GifClaiming(int width, int height)
{
    const QByteArray size = Number(width, 2) + Number(height, 2);
    return HandMadeGif(16, 16, 1).replace(6, 4, size).replace(13 + 128 * 3 + 5, 4, size);
}

// An 8 x 8 JPEG of four components as print work flows write it: Adobe-style inverted C, M, Y
// and K of full magenta and no black, every quantiser 1 and each component's one block flat.
QByteArray CmykJpeg()
{
    return QByteArray::fromHex("ffd8ffee000e41646f626500640000000000ffdb004300") + QByteArray(64, 1)
        + QByteArray::fromHex("ffc00014080008000804011100021100031100041100ffc40031000000000c0000000000000000"
                              "00000000000102030405060708090a0b100100000000000000000000000000000000ffda000e04"
                              "0100020003000400003f00afe16ffd5fc2bf87ffd9");
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

CorpusPicture Opens(const QString& name, const QString& fileName, const QByteArray& bytes, QSize size,
    const QString& warning = {}, QPoint at = { -1, -1 }, QRgb colour = 0)
{
    return { name, fileName, bytes, CorpusPicture::Kind::File, size, warning, at, colour };
}

CorpusPicture Refused(const QString& name, const QString& fileName, const QByteArray& bytes, const QString& reason,
    CorpusPicture::Kind kind = CorpusPicture::Kind::File)
{
    return { name, fileName, bytes, kind, {}, reason };
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

QList<CorpusPicture> HostileCorpus()
{
    using Kind = CorpusPicture::Kind;
    const QString notAPicture(": it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP).");
    const QString damaged(": the picture in it is damaged or incomplete.");
    const QString endsEarly(" is missing because the file ends early; only what could be read is shown.");
    const QRgb grey = qRgb(128, 128, 128); // unread parts: JPEG's own filler, not whatever memory held
    const QImage photo = Noise(320, 240);
    const QByteArray png = Encoded(photo, "png"), jpeg = Encoded(photo, "jpg");
    const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    QByteArray hurt = png; // one byte flipped inside a late data chunk, whose checksum then fails
    hurt[hurt.size() * 3 / 4] = char(~hurt[hurt.size() * 3 / 4]);
    QImage deep(64, 48, QImage::Format_RGBA64);
    deep.fill(QColor(10, 200, 30, 128));
    QImage p3 = Noise(48, 32);
    p3.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    // GIF and JPEG keep their sides in 16 bits, so 65535 is the most they can claim.
    const QString tooLarge(" is %1 × %1 pixels (%2 megapixels); Korvel opens pictures up to 200 megapixels.");
    const QString at65000 = tooLarge.arg(65000).arg(4225), at65535 = tooLarge.arg(65535).arg("4294.9");
    const QSize whole(320, 240);
    QList<CorpusPicture> corpus {
        Refused("zero bytes", "empty.jpg", {}, ": the file is empty."),
        Opens("JPEG cut", "cut.jpg", half(jpeg), whole, endsEarly),
        Opens("progressive JPEG cut", "cutp.jpg", half(Encoded(photo, "jpg", true)), whole, endsEarly),
        Opens("GIF cut", "cut.gif", half(HandMadeGif(320, 240, 1)), whole, endsEarly),
        Opens("GIF cut after frame 1", "cut1.gif", half(HandMadeGif(320, 240, 3)), whole),
        // Rows are stored bottom up.
        Opens("BMP cut", "cut.bmp", half(Encoded(photo, "bmp")), whole, endsEarly, { 0, 0 }, grey),
        Opens("PNG cut", "cut.png", half(png), whole, endsEarly, { 319, 239 }, grey),
        Opens("PNG damaged", "damaged.png", hurt, whole, " is damaged; only what could be read is shown.", { 319, 239 },
            grey),
        Opens("JPEG with bytes after its end", "tail.jpg", jpeg + QByteArray(500, 'x'), whole),
        Refused("WebP cut", "cut.webp", half(Encoded(photo, "webp")), damaged),
        Refused("PNG cut in its one chunk", "chunk.png", Encoded(Noise(20, 20), "png").chopped(40), damaged),
        Refused("JPEG cut in its header", "cut header.jpg", jpeg.left(100), damaged),
        // Qt writes one colour scan, whose header is 12 bytes after its marker's two.
        Refused("JPEG without pixels", "no pixels.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA") + 14), damaged),
        Refused("BMP without rows", "no rows.bmp", BitmapHeader(64, 64), damaged),
        // A name and a text that would fill in placeholders of the message.
        Refused("text named .jpg", "50%1 off.jpg", "%2 is no picture.\n", notAPicture),
        Refused("a format Qt reads and Korvel not", "scan.ppm", Encoded(Noise(8, 8), "ppm"), notAPicture),
        Opens("PNG named .gif", "renamed.gif", png, whole),
        Refused("folder", "album.jpg", {}, ": it is a folder, not a picture.", Kind::Folder),
        Refused("named pipe", "pipe.bmp", {}, ": it is not an ordinary file.", Kind::Pipe),
        Refused("unreadable", "secret.png", png, ": you do not have permission to read it.", Kind::Unreadable),
        Refused("removed after choice", "gone.png", png, ": there is no such file", Kind::RemovedAfterChoice),
        Opens("1 x 1", "dot.png", Encoded(Noise(1, 1), "png"), QSize(1, 1)),
        Opens("grey JPEG", "grey.jpg", Encoded(Noise(320, 240, QImage::Format_Grayscale8), "jpg"), whole),
        Opens("BMP", "photo.bmp", Encoded(photo, "bmp"), whole),
        Opens("WebP", "photo.webp", Encoded(photo, "webp"), whole),
        Opens("PNG with transparency", "alpha.png", Encoded(Noise(320, 240, QImage::Format_ARGB32), "png"), whole),
        Opens("widest", "strip.png", Encoded(Noise(kMaxPictureSide, 1), "png"), QSize(kMaxPictureSide, 1)),
        // The first frame's first pixel.
        Opens("animated GIF", "anim.gif", HandMadeGif(64, 48, 3), QSize(64, 48), {}, { 0, 0 }, qRgb(0, 255, 0)),
        Opens("CMYK JPEG", "print.jpg", CmykJpeg(), QSize(8, 8)),
        Opens("16-bit PNG", "deep.png", Encoded(deep, "png"), QSize(64, 48), {}, { 9, 9 }, qRgba(10, 200, 30, 128)),
        Opens("PNG with an ICC profile", "p3.png", Encoded(p3, "png"), QSize(48, 32)),
        Opens("JPEG with an ICC profile", "p3.jpg", Encoded(p3, "jpg"), QSize(48, 32)),
        Refused("JPEG claiming 65000", "huge65000.jpg", JpegClaiming(65000, 65000), at65000),
        Refused("GIF claiming 65000", "huge65000.gif", GifClaiming(65000, 65000), at65000),
        Refused("BMP claiming 65000", "huge65000.bmp", BitmapHeader(65000, 65000), at65000),
        Refused("JPEG claiming 65535", "huge65535.jpg", JpegClaiming(65535, 65535), at65535),
        // Headers of other shapes (rows stored top-down, a frame behind EXIF), and sides too long.
        Refused("BMP top-down", "top-down.bmp", BitmapHeader(65000, -65000), at65000),
        Refused("JPEG frame behind EXIF", "behind.jpg", WithExifOrientation(JpegClaiming(65535, 8), 1),
            " is 65535 × 8 pixels; Korvel"),
        Refused("rounded up", "up.bmp", BitmapHeader(20000, 10001), " is 20000 × 10001 pixels (200.1 "),
        Refused("too wide", "wide.bmp", BitmapHeader(32768, 10), " is 32768 × 10 pixels; Korvel places"),
        Refused("too tall", "tall.bmp", BitmapHeader(8, 40000), " is 8 × 40000 pixels;"),
    };
    // A red corner on white; 5 to 8 turn the picture a quarter, so a browser shows it 40 wide and 60 high.
    QImage stored(60, 40, QImage::Format_RGB32);
    stored.fill(Qt::white);
    for (int i = 0; i < 16 * 16; ++i) // no QPainter: benchmarks build the corpus without a GUI application
        stored.setPixel(i % 16, i / 16, qRgb(255, 0, 0));
    const QPoint corners[] = { { 5, 5 }, { 54, 5 }, { 54, 34 }, { 5, 34 }, { 5, 5 }, { 34, 5 }, { 34, 54 }, { 5, 54 } };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        corpus << Opens(QStringLiteral("EXIF orientation %1").arg(orientation),
            QStringLiteral("turned%1.jpg").arg(orientation), WithExifOrientation(Encoded(stored, "jpg"), orientation),
            orientation >= 5 ? QSize(40, 60) : QSize(60, 40), {}, corners[orientation - 1], qRgb(255, 0, 0));
    }
    return corpus;
}
