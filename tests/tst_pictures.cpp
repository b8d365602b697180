#include "forms/WindowIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

namespace {

const char* const buttonPictures[] = { "new", "rect", "circle", "poly", "generate", "help" };

int VisiblePixelCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return count;
}

} // namespace

class tst_Pictures : public QObject {
    Q_OBJECT

private slots:
    void rendersWithVisibleContent_data();
    void rendersWithVisibleContent();
    void loadersBuildIcons();
};

void tst_Pictures::rendersWithVisibleContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isButtonPicture");
    QTest::addColumn<int>("size");

    for (int size : { 32, 64 }) {
        for (const char* name : buttonPictures)
            QTest::addRow("%s@%d", name, size) << QString::fromLatin1(name) << true << size;
        QTest::addRow("icon@%d", size) << QStringLiteral("icon") << false << size;
    }
}

void tst_Pictures::rendersWithVisibleContent()
{
    QFETCH(QString, name);
    QFETCH(bool, isButtonPicture);
    QFETCH(int, size);

    // QSvgRenderer reports what it cannot draw (a dangling reference, bad path data) only as a
    // warning, and then draws the rest; such a picture is broken all the same.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QVERIFY(renderer.isValid());
    // The button pictures are drawn on the 32-pixel grid that the buttons show them at.
    if (isButtonPicture)
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 32, 32));

    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    QVERIFY(VisiblePixelCount(pixmap.toImage()) > 0);
}

void tst_Pictures::loadersBuildIcons()
{
    for (const char* name : buttonPictures)
        QVERIFY2(!ToolPicture(QString::fromLatin1(name)).isNull(), name);
    QVERIFY(!KorvelIcon().isNull());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-picture")));
    QVERIFY(ToolPicture(QStringLiteral("no-such-picture")).isNull());
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
