#include "mainwindow/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QImage Noise(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | (format == QImage::Format_RGB32 ? 0xFF000000 : 0));
    return image;
}

QByteArray Encoded(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        qFatal("cannot make a %s test picture: %s", format, qPrintable(writer.errorString()));
    return bytes;
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
    QByteArray exif("\xFF\xE1\0\x22"
                    "Exif\0\0"
                    "MM\0\x2A\0\0\0\x08"
                    "\0\x01"
                    "\x01\x12\0\x03\0\0\0\x01",
        28);
    return jpeg.insert(2, exif + char(0) + char(orientation) + QByteArray(6, '\0'));
}

// The frame header gives the height, then the width, big-endian, five bytes after its marker.
QByteArray ClaimingSize(QByteArray jpeg, int width, int height)
{
    const char size[] = { char(height >> 8), char(height), char(width >> 8), char(width) };
    return jpeg.replace(jpeg.indexOf("\xFF\xC0") + 5, 4, size, 4);
}

// Qt writes one colour scan, whose header is 12 bytes after its marker's two.
QByteArray CutAfterScanHeader(const QByteArray& jpeg)
{
    return jpeg.left(jpeg.indexOf("\xFF\xDA") + 2 + 12);
}

// One byte three quarters in, flipped: inside a late PNG data chunk, whose checksum then fails.
QByteArray Damaged(QByteArray bytes)
{
    bytes[bytes.size() * 3 / 4] = char(~bytes[bytes.size() * 3 / 4]);
    return bytes;
}

QString Quoted(const QString& name)
{
    return QStringLiteral("“%1”").arg(name);
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
    void opensEveryReadableFormat_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");

        const QImage photo = Noise(64, 48);
        const auto opaque = QImage::Format_RGB32;
        QTest::newRow("JPEG") << "photo.jpg" << Encoded(photo, "jpg") << QSize(64, 48) << opaque;
        QTest::newRow("grey JPEG") << "grey.jpg" << Encoded(photo.convertToFormat(QImage::Format_Grayscale8), "jpg")
                                   << QSize(64, 48) << opaque;
        QTest::newRow("GIF") << "anim.gif" << HandMadeGif(40, 30, 1) << QSize(40, 30) << opaque;
        QTest::newRow("BMP") << "photo.bmp" << Encoded(photo, "bmp") << QSize(64, 48) << opaque;
        QTest::newRow("PNG with transparency") << "logo.png" << Encoded(Noise(20, 10, QImage::Format_ARGB32), "png")
                                               << QSize(20, 10) << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("WebP") << "photo.webp" << Encoded(photo, "webp") << QSize(64, 48) << opaque;
        QTest::newRow("PNG named .jpg") << "renamed.jpg" << Encoded(photo, "png") << QSize(64, 48) << opaque;
        QTest::newRow("as wide as positions reach")
            << "strip.png" << Encoded(Noise(kMaxPictureSide, 1), "png") << QSize(kMaxPictureSide, 1) << opaque;
    }

    void opensEveryReadableFormat()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QImage::Format, format);

        const LoadedPicture picture = LoadPicture(Write(fileName, bytes));
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.warning, QString());
        QCOMPARE(picture.image.size(), size);
        QCOMPARE(picture.image.format(), format);
    }

    void takesTheFirstFrameOfAnAnimation()
    {
        const LoadedPicture picture = LoadPicture(Write("many.gif", HandMadeGif(16, 16, 40)));
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.image.pixel(0, 0), qRgb(0, 255, 0)); // colour 0; later frames start further on
    }

    void setsItsOwnAllocationLimitAndRestoresTheCallers()
    {
        const int callersLimit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1); // megabytes; the picture decodes to 4
        QImage blue(1000, 1000, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        const LoadedPicture picture = LoadPicture(Write("blue.webp", Encoded(blue, "webp")));
        const int limitAfter = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(callersLimit);
        QCOMPARE(picture.error, QString());
        QCOMPARE(limitAfter, 1);
    }

    void appliesExifOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("markedCorner");

        // The stored picture is 60 x 40 with a red mark in its top-left corner.
        QTest::newRow("1 as stored") << 1 << QSize(60, 40) << QPoint(0, 0);
        QTest::newRow("2 mirrored") << 2 << QSize(60, 40) << QPoint(1, 0);
        QTest::newRow("3 upside down") << 3 << QSize(60, 40) << QPoint(1, 1);
        QTest::newRow("4 flipped") << 4 << QSize(60, 40) << QPoint(0, 1);
        QTest::newRow("5 transposed") << 5 << QSize(40, 60) << QPoint(0, 0);
        QTest::newRow("6 quarter turn right") << 6 << QSize(40, 60) << QPoint(1, 0);
        QTest::newRow("7 transversed") << 7 << QSize(40, 60) << QPoint(1, 1);
        QTest::newRow("8 quarter turn left") << 8 << QSize(40, 60) << QPoint(0, 1);
    }

    void appliesExifOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, markedCorner);

        QImage stored(60, 40, QImage::Format_RGB32);
        stored.fill(Qt::white);
        for (int y = 0; y < 16; ++y)
            std::fill_n(reinterpret_cast<QRgb*>(stored.scanLine(y)), 16, qRgb(255, 0, 0));
        const LoadedPicture picture
            = LoadPicture(Write("turned.jpg", WithExifOrientation(Encoded(stored, "jpg"), orientation)));
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.image.size(), size);
        const QRgb mark
            = picture.image.pixel(markedCorner.x() ? size.width() - 6 : 5, markedCorner.y() ? size.height() - 6 : 5);
        QVERIFY2(qRed(mark) > 200 && qGreen(mark) < 80, qPrintable(QString::number(mark, 16)));
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");

        // The bytes "absent", "folder" and "pipe" stand for things other than a file with contents.
        QTest::newRow("text named .jpg")
            << "notes.jpg" << QByteArray("These are not pixels.\n")
            << "it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP)";
        QTest::newRow("empty file") << "empty.png" << QByteArray() << "the file is empty";
        QTest::newRow("missing file") << "gone.gif" << QByteArray("absent") << "there is no such file in the folder";
        QTest::newRow("folder") << "album.jpg" << QByteArray("folder") << "it is a folder, not a picture";
        QTest::newRow("named pipe") << "pipe.bmp" << QByteArray("pipe") << "it is not an ordinary file";
        QTest::newRow("a format Korvel does not read")
            << "scan.ppm" << Encoded(Noise(8, 8), "ppm") << "it is not a picture in a format";
        QTest::newRow("percent sign in the name") << "50%1 off.txt" << QByteArray("%2") << "it is not a picture";
        QTest::newRow("header claiming 60000 x 60000")
            << "huge.jpg" << ClaimingSize(Encoded(Noise(8, 8), "jpg"), 60000, 60000)
            << "is 60000 × 60000 pixels (3600 megapixels); Korvel opens pictures up to 200 megapixels.";
        QTest::newRow("just over the megapixels")
            << "pano.bmp" << BitmapHeader(20000, 10001) << "is 20000 × 10001 pixels (200.1 megapixels)";
        QTest::newRow("wider than positions reach") << "wide.bmp" << BitmapHeader(kMaxPictureSide + 1, 10)
                                                    << "is 32768 × 10 pixels; Korvel places areas at most 32767";
        QTest::newRow("taller than positions reach") << "tall.bmp" << BitmapHeader(8, 40000) << "is 8 × 40000 pixels;";
    }

    void refusesWhatItCannotUse()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        const QString path = dir.filePath(fileName);
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(fileName));
        else if (bytes == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes != "absent")
            Write(fileName, bytes);

        QElapsedTimer timer;
        timer.start();
        const LoadedPicture picture = LoadPicture(path);
        QVERIFY(picture.image.isNull());
        QCOMPARE(picture.warning, QString());
        QVERIFY2(picture.error.contains(Quoted(fileName)), qPrintable(picture.error));
        QVERIFY2(picture.error.contains(reason), qPrintable(picture.error));
        QVERIFY(timer.elapsed() < 2000); // from the header, never by decoding gigabytes
    }

    void refusesAFileItMayNotRead()
    {
        const QString path = Write("secret.png", Encoded(Noise(8, 8), "png"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            QSKIP("this user reads files regardless of their permissions");
        QCOMPARE(LoadPicture(path).error, "Korvel cannot open “secret.png”: you do not have permission to read it.");
    }

    void handlesBrokenFiles_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QPoint>("greyAt"); // a pixel in the part that could not be read

        const QString none;
        const QString endsEarly("Part of %1 is missing because the file ends early; only what could be read is shown.");
        const QString damaged("Part of %1 is damaged; only what could be read is shown.");
        const QPoint top(0, 0);
        const QPoint bottom(199, 149);
        const QPoint nowhere(-1, -1);
        const QImage photo = Noise(200, 150);
        const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
        QTest::newRow("JPEG cut in half") << "cut.jpg" << half(Encoded(photo, "jpg")) << true << endsEarly << bottom;
        QTest::newRow("progressive JPEG cut in half")
            << "prog.jpg" << half(Encoded(photo, "jpg", true)) << true << endsEarly << nowhere;
        QTest::newRow("PNG cut in half") << "cut.png" << half(Encoded(photo, "png")) << true << endsEarly << bottom;
        QTest::newRow("BMP cut in half") << "cut.bmp" << half(Encoded(photo, "bmp")) << true << endsEarly << top;
        QTest::newRow("GIF cut in half") << "cut.gif" << half(HandMadeGif(200, 150, 1)) << true << endsEarly << nowhere;
        QTest::newRow("PNG with a damaged chunk")
            << "hurt.png" << Damaged(Encoded(photo, "png")) << true << damaged << bottom;
        QTest::newRow("multi-frame GIF cut after its first frame")
            << "anim.gif" << half(HandMadeGif(200, 150, 3)) << true << none << nowhere;
        QTest::newRow("JPEG with bytes after its end")
            << "tail.jpg" << Encoded(photo, "jpg") + QByteArray(500, 'x') << true << none << nowhere;
        QTest::newRow("WebP cut in half") << "cut.webp" << half(Encoded(photo, "webp")) << false << none << nowhere;
        QTest::newRow("PNG cut inside its one data chunk")
            << "small.png" << Encoded(Noise(20, 20), "png").chopped(40) << false << none << nowhere;
        QTest::newRow("JPEG cut inside its header")
            << "head.jpg" << Encoded(photo, "jpg").left(100) << false << none << nowhere;
        QTest::newRow("JPEG cut before any pixel")
            << "bare.jpg" << CutAfterScanHeader(Encoded(photo, "jpg")) << false << none << nowhere;
        QTest::newRow("BMP with no rows") << "bare.bmp" << BitmapHeader(64, 64) << false << none << nowhere;
    }

    void handlesBrokenFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QFETCH(QString, warning);
        QFETCH(QPoint, greyAt);

        const LoadedPicture picture = LoadPicture(Write(fileName, bytes));
        if (!opens) {
            QVERIFY(picture.image.isNull());
            QCOMPARE(picture.error,
                QStringLiteral("Korvel cannot open %1: the picture in it is damaged or incomplete.")
                    .arg(Quoted(fileName)));
            return;
        }
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.image.size(), QSize(200, 150));
        QCOMPARE(picture.warning, warning.isEmpty() ? QString() : warning.arg(Quoted(fileName)));
        // Grey like JPEG's own filler, not whatever the memory held.
        if (greyAt.x() >= 0)
            QCOMPARE(picture.image.pixel(greyAt), qRgb(128, 128, 128));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_picture_loader.moc"
