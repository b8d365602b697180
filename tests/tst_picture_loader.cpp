#include "picture/PictureLoader.h"
#include "support/PictureCorpus.h"

#include <QPainter>
#include <QtTest>

#include <sys/stat.h>

// The hostile corpus covers the common outcomes through the main window; these are the finer points.
class TestPictureLoader : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(dir.filePath(name), bytes); }

private slots:
    void initTestCase() { AllowLargePictures(); }

    // Each file opens, at 640 x 480 in RGB32 unless its name says otherwise and with a warning when
    // part of it is missing, or is refused; %1 in the message is the quoted name.
    void opensOrRefuses_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes"); // "pipe" makes a named pipe
        QTest::addColumn<QString>("message"); // the warning, or how the error starts
        QTest::addColumn<QPoint>("at"); // a pixel to check, if any
        QTest::addColumn<QRgb>("colour");
        // Unread parts are grey like JPEG's own filler, not whatever the memory held.
        const auto row = [](const char* file, const QByteArray& bytes, const QString& message = {},
                             QPoint at = { -1, -1 }, QRgb colour = qRgb(128, 128, 128)) {
            QTest::newRow(file) << QString(file) << bytes << message << at << colour;
        };
        const QImage photo = Noise(640, 480);
        const QByteArray png = Encoded(photo, "png");
        const QByteArray jpeg = Encoded(Noise(200, 150), "jpg");
        const QByteArray webp = Encoded(Noise(200, 150), "webp");
        const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
        const QString endsEarly("Part of %1 is missing because the file ends early; only what could be read is shown.");
        const QString cannot("Korvel cannot open %1: ");
        const QString damaged = cannot + "the picture in it is damaged or incomplete.";
        const QString notAPicture = cannot + "it is not a picture in a format Korvel reads";
        QByteArray hurt = png; // one byte flipped inside a late data chunk, whose checksum then fails
        hurt[hurt.size() * 3 / 4] = char(~hurt[hurt.size() * 3 / 4]);
        row("grey.jpg", Encoded(Noise(640, 480, QImage::Format_Grayscale8), "jpg"));
        row("three frames.gif", HandMadeGif(640, 480, 3), {}, { 0, 0 }, qRgb(0, 255, 0)); // the first frame's
        row("photo.bmp", Encoded(photo, "bmp"));
        row("photo.webp", Encoded(photo, "webp"));
        row("alpha.png", Encoded(Noise(640, 480, QImage::Format_ARGB32), "png"));
        row("widest strip.png", Encoded(Noise(kMaxPictureSide, 1), "png"));
        row("progressive cut.jpg", half(Encoded(photo, "jpg", true)), endsEarly);
        row("cut.png", half(png), endsEarly, { 639, 479 });
        row("cut.bmp", half(Encoded(photo, "bmp")), endsEarly, { 0, 0 }); // rows are stored bottom up
        row("damaged.png", hurt, "Part of %1 is damaged; only what could be read is shown.", { 639, 479 });
        row("cut after frame 1.gif", half(HandMadeGif(640, 480, 3)));
        row("tail.jpg", Encoded(photo, "jpg") + QByteArray(500, 'x'));
        row("50%1 off.jpg", "%2 is not pixels.\n", notAPicture);
        row("scan.ppm", Encoded(Noise(8, 8), "ppm"), notAPicture);
        row("pipe.bmp", "pipe", cannot + "it is not an ordinary file.");
        // Sizes Qt's readers keep quiet about, from headers of other shapes than the corpus's: rows
        // stored top-down, a frame behind an EXIF segment.
        row("top-down.bmp", BitmapHeader(65000, -65000), "%1 is 65000 × 65000 pixels (4225 megapixels)");
        row("behind EXIF.jpg", WithExifOrientation(JpegClaiming(65535, 8), 1), "%1 is 65535 × 8 pixels; Korvel");
        row("rounded up.bmp", BitmapHeader(20000, 10001), "%1 is 20000 × 10001 pixels (200.1 megapixels)");
        row("too wide.bmp", BitmapHeader(kMaxPictureSide + 1, 10), "%1 is 32768 × 10 pixels; Korvel places areas");
        row("too tall.bmp", BitmapHeader(8, 40000), "%1 is 8 × 40000 pixels;");
        // Pictures that break off before there is anything worth drawing on.
        row("cut.webp", half(webp), damaged);
        row("cut in its one chunk.png", Encoded(Noise(20, 20), "png").chopped(40), damaged);
        row("cut in its header.jpg", jpeg.left(100), damaged);
        // Qt writes one colour scan, whose header is 12 bytes after its marker's two.
        row("no pixels.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA") + 14), damaged);
        row("no rows.bmp", BitmapHeader(64, 64), damaged);
    }

    void opensOrRefuses()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QPoint, at);
        const QString path = dir.filePath(fileName);
        if (bytes == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            Write(fileName, bytes);
        const LoadedPicture picture = LoadPicture(path);
        const QString expected = message.isEmpty() ? message : message.arg("“" + fileName + "”");
        if (picture.image.isNull()) {
            QVERIFY2(!expected.isEmpty() && picture.error.startsWith(expected), qPrintable(picture.error));
            QCOMPARE(picture.warning, QString());
            return;
        }
        QCOMPARE(picture.error, QString());
        QCOMPARE(picture.warning, expected);
        QCOMPARE(picture.notice.isEmpty(), expected.isEmpty());
        QCOMPARE(picture.image.size(), fileName.startsWith("widest") ? QSize(kMaxPictureSide, 1) : QSize(640, 480));
        const bool alpha = fileName.startsWith("alpha");
        QCOMPARE(picture.image.format(), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        if (at.x() >= 0)
            QTEST(picture.image.pixel(at), "colour");
    }

    // Where the stored picture's top-left corner ends up; the corpus checks the shown sizes.
    void appliesExifOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("mark");
        QTest::newRow("1 as stored") << 1 << QPoint(5, 5);
        QTest::newRow("2 mirrored") << 2 << QPoint(54, 5);
        QTest::newRow("3 upside down") << 3 << QPoint(54, 34);
        QTest::newRow("4 flipped") << 4 << QPoint(5, 34);
        QTest::newRow("5 transposed") << 5 << QPoint(5, 5);
        QTest::newRow("6 turned right") << 6 << QPoint(34, 5);
        QTest::newRow("7 transversed") << 7 << QPoint(34, 54);
        QTest::newRow("8 turned left") << 8 << QPoint(5, 54);
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
        const QRgb colour = shown.pixel(mark);
        QVERIFY2(qRed(colour) > 200 && qGreen(colour) < 80, qPrintable(QString::number(colour, 16)));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_picture_loader.moc"
