#include "picture/PictureLoader.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtTest>

#include <sys/stat.h>

namespace {

QImage Noise(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator(42).fillRange(reinterpret_cast<quint32*>(image.bits()), image.sizeInBytes() / 4);
    return image.convertToFormat(format);
}

QByteArray Encoded(const QImage& image, const char* format, bool progressive = false)
{
    QBuffer buffer;
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image))
        qFatal("cannot make a %s test picture: %s", format, qPrintable(writer.errorString()));
    return buffer.data();
}

QByteArray LittleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i));
    return bytes;
}

// Qt has no GIF writer. With 128 colours every LZW code is one byte, as long as a clear code
// comes often enough to keep the code table from growing to nine bits.
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

// Only the headers of a 24-bit bitmap, claiming whatever size it is given.
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

// The program's texts name the file in curly quotes, where the text has %1.
QString Naming(const QString& text, const QString& fileName)
{
    return text.isEmpty() ? text : text.arg(QStringLiteral("“%1”").arg(fileName));
}

} // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    void initTestCase() { AllowLargePictures(); }

    void opensWhatItCan_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QString>("warning"); // %1 is the quoted name
        QTest::addColumn<QPoint>("at"); // a pixel to check, if any
        QTest::addColumn<QRgb>("colour");

        // Unread parts are grey like JPEG's own filler, not whatever the memory held.
        const auto row = [](const char* name, const char* file, const QByteArray& bytes, const QString& warning = {},
                             QPoint at = { -1, -1 }, QRgb colour = qRgb(128, 128, 128)) {
            QTest::newRow(name) << QString(file) << bytes << QSize(640, 480) << QImage::Format_RGB32 << warning << at
                                << colour;
        };
        const QImage photo = Noise(640, 480);
        const QByteArray jpeg = Encoded(photo, "jpg");
        const QByteArray png = Encoded(photo, "png");
        row("grey JPEG", "grey.jpg", Encoded(Noise(640, 480, QImage::Format_Grayscale8), "jpg"));
        row("GIF of 3 frames", "anim.gif", HandMadeGif(640, 480, 3), {}, { 0, 0 }, qRgb(0, 255, 0)); // the first's
        row("BMP", "photo.bmp", Encoded(photo, "bmp"));
        row("WebP", "photo.webp", Encoded(photo, "webp"));
        row("PNG named .jpg", "renamed.jpg", png);
        QTest::newRow("PNG with alpha") << "alpha.png" << Encoded(Noise(640, 480, QImage::Format_ARGB32), "png")
                                        << QSize(640, 480) << QImage::Format_ARGB32_Premultiplied << QString()
                                        << QPoint(-1, -1) << 0u;
        QTest::newRow("widest") << "strip.png" << Encoded(Noise(kMaxPictureSide, 1), "png") << QSize(kMaxPictureSide, 1)
                                << QImage::Format_RGB32 << QString() << QPoint(-1, -1) << 0u;

        const QString endsEarly("Part of %1 is missing because the file ends early; only what could be read is shown.");
        const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
        QByteArray hurt = png; // one byte flipped inside a late data chunk, whose checksum then fails
        hurt[hurt.size() * 3 / 4] = char(~hurt[hurt.size() * 3 / 4]);
        const QPoint top(0, 0), bottom(639, 479);
        row("JPEG cut", "cut.jpg", half(jpeg), endsEarly, bottom);
        row("progressive JPEG cut", "prog.jpg", half(Encoded(photo, "jpg", true)), endsEarly);
        row("PNG cut", "cut.png", half(png), endsEarly, bottom);
        row("BMP cut", "cut.bmp", half(Encoded(photo, "bmp")), endsEarly, top);
        row("GIF cut", "cut.gif", half(HandMadeGif(640, 480, 1)), endsEarly);
        row("PNG damaged", "hurt.png", hurt, "Part of %1 is damaged; only what could be read is shown.", bottom);
        row("GIF cut after frame 1", "frames.gif", half(HandMadeGif(640, 480, 3)));
        row("JPEG with a tail", "tail.jpg", jpeg + QByteArray(500, 'x'));
    }

    void opensWhatItCan()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, warning);
        QFETCH(QPoint, at);
        const LoadedPicture picture = LoadPicture(Write(fileName, bytes));
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.warning, Naming(warning, fileName));
        QCOMPARE(picture.notice.isEmpty(), warning.isEmpty());
        QTEST(picture.image.size(), "size");
        QTEST(picture.image.format(), "format");
        if (at.x() >= 0)
            QTEST(picture.image.pixel(at), "colour");
    }

    void appliesExifOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("mark"); // where the stored top-left corner is shown
        QTest::newRow("1 as stored") << 1 << QSize(60, 40) << QPoint(5, 5);
        QTest::newRow("2 mirrored") << 2 << QSize(60, 40) << QPoint(54, 5);
        QTest::newRow("3 upside down") << 3 << QSize(60, 40) << QPoint(54, 34);
        QTest::newRow("4 flipped") << 4 << QSize(60, 40) << QPoint(5, 34);
        QTest::newRow("5 transposed") << 5 << QSize(40, 60) << QPoint(5, 5);
        QTest::newRow("6 turned right") << 6 << QSize(40, 60) << QPoint(34, 5);
        QTest::newRow("7 transversed") << 7 << QSize(40, 60) << QPoint(34, 54);
        QTest::newRow("8 turned left") << 8 << QSize(40, 60) << QPoint(5, 54);
    }

    void appliesExifOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QPoint, mark);
        QImage stored(60, 40, QImage::Format_RGB32);
        stored.fill(Qt::white);
        QPainter(&stored).fillRect(0, 0, 16, 16, Qt::red);
        const QImage shown
            = LoadPicture(Write("turned.jpg", WithExifOrientation(Encoded(stored, "jpg"), orientation))).image;
        QTEST(shown.size(), "size");
        const QRgb colour = shown.pixel(mark);
        QVERIFY2(qRed(colour) > 200 && qGreen(colour) < 80, qPrintable(QString::number(colour, 16)));
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes"); // "absent", "folder", "pipe" and "locked" are made specially
        QTest::addColumn<QString>("error"); // how the message starts; %1 is the quoted name

        const QString cannot("Korvel cannot open %1: ");
        const QString damaged = cannot + "the picture in it is damaged or incomplete.";
        const QByteArray jpeg = Encoded(Noise(200, 150), "jpg");
        const QByteArray webp = Encoded(Noise(200, 150), "webp");
        const QString notAPicture
            = cannot + "it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP).";
        QTest::newRow("text, % in name") << "50%1 off.jpg" << QByteArray("%2 is not pixels.\n") << notAPicture;
        QTest::newRow("PPM") << "scan.ppm" << Encoded(Noise(8, 8), "ppm") << notAPicture;
        QTest::newRow("empty") << "empty.png" << QByteArray() << cannot + "the file is empty.";
        QTest::newRow("missing") << "gone.gif" << QByteArray("absent")
                                 << cannot + "there is no such file in the folder";
        QTest::newRow("folder") << "album.jpg" << QByteArray("folder") << cannot + "it is a folder, not a picture.";
        QTest::newRow("pipe") << "pipe.bmp" << QByteArray("pipe") << cannot + "it is not an ordinary file.";
        QTest::newRow("unreadable") << "secret.png" << QByteArray("locked")
                                    << cannot + "you do not have permission to read it.";
        // The JPEG frame header gives the height, then the width, big-endian, five bytes after its marker.
        QTest::newRow("60000 x 60000")
            << "huge.jpg" << QByteArray(jpeg).replace(jpeg.indexOf("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60", 4)
            << "%1 is 60000 × 60000 pixels (3600 megapixels); Korvel opens pictures up to 200 megapixels.";
        // Sizes that Qt's readers keep quiet about: BMP beyond 16384 x 16384 pixels, JPEG beyond
        // 65500 on a side. The JPEG is read past the EXIF segment in front of its frame.
        const auto jpegClaiming = [&jpeg](int width, int height) {
            const QByteArray sides = QByteArray(1, char(height >> 8)) + char(height) + char(width >> 8) + char(width);
            return WithExifOrientation(QByteArray(jpeg).replace(jpeg.indexOf("\xFF\xC0") + 5, 4, sides), 1);
        };
        QTest::newRow("BMP 100000 x 100000")
            << "vast.bmp" << BitmapHeader(100000, 100000) << "%1 is 100000 × 100000 pixels (10000 megapixels)";
        QTest::newRow("top-down BMP 65000 x 65000")
            << "down.bmp" << BitmapHeader(65000, -65000) << "%1 is 65000 × 65000 pixels (4225 megapixels)";
        QTest::newRow("JPEG 65535 x 65535")
            << "max.jpg" << jpegClaiming(65535, 65535) << "%1 is 65535 × 65535 pixels (4294.9 megapixels)";
        QTest::newRow("JPEG 65535 x 8") << "line.jpg" << jpegClaiming(65535, 8) << "%1 is 65535 × 8 pixels; Korvel";
        QTest::newRow("200.1 megapixels")
            << "pano.bmp" << BitmapHeader(20000, 10001) << "%1 is 20000 × 10001 pixels (200.1 megapixels)";
        QTest::newRow("too wide") << "wide.bmp" << BitmapHeader(kMaxPictureSide + 1, 10)
                                  << "%1 is 32768 × 10 pixels; Korvel places areas at most 32767";
        QTest::newRow("too tall") << "tall.bmp" << BitmapHeader(8, 40000) << "%1 is 8 × 40000 pixels;";
        // A picture that breaks off before there is anything worth drawing on.
        QTest::newRow("WebP cut") << "cut.webp" << webp.left(webp.size() / 2) << damaged;
        QTest::newRow("PNG cut in its one chunk")
            << "small.png" << Encoded(Noise(20, 20), "png").chopped(40) << damaged;
        QTest::newRow("JPEG cut in its header") << "head.jpg" << jpeg.left(100) << damaged;
        // Qt writes one colour scan, whose header is 12 bytes after its marker's two.
        QTest::newRow("JPEG with no pixels") << "bare.jpg" << jpeg.left(jpeg.indexOf("\xFF\xDA") + 14) << damaged;
        QTest::newRow("BMP with no rows") << "bare.bmp" << BitmapHeader(64, 64) << damaged;
    }

    void refusesWhatItCannotUse()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString path = dir.filePath(fileName);
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(fileName));
        else if (bytes == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes != "absent")
            Write(fileName, bytes);
        if (bytes == "locked") {
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            if (QFile file(path); file.open(QIODevice::ReadOnly))
                QSKIP("this user reads files regardless of their permissions");
        }

        QElapsedTimer timer;
        timer.start();
        const LoadedPicture picture = LoadPicture(path);
        QVERIFY(timer.elapsed() < 2000); // from the header, never by decoding gigabytes
        QVERIFY(picture.image.isNull());
        QCOMPARE(picture.warning, QString());
        QVERIFY2(picture.error.startsWith(Naming(error, fileName)), qPrintable(picture.error));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_picture_loader.moc"
