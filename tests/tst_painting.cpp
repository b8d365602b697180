#include "support/EditorScript.h"
#include "view/MapPainter.h"
#include "view/ZoomLevels.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(ZoomMapping)

namespace {

const QRgb kText = qRgb(0, 0, 160);
const QRgb kPaper = qRgb(255, 255, 255);

// What MapPainter draws for the editor's map and state, on white paper.
QImage painted(const MapEditor& editor, const ZoomMapping& zoom, QSize size = QSize(400, 400))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    MapPainter().paint(
        painter, QRegion(image.rect()), { editor.map(), editor.index(), editor.state(), zoom, QColor(kText) });
    return image;
}

} // namespace

class PaintingTest : public QObject {
    Q_OBJECT
private slots:
    // Pixels as "X,Y C": M magenta, G grey, T the window's text colour, Y and K the trace
    // tool's outline, - nothing drawn.
    void drawsWhatUsersSee_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("pixels");
        QTest::newRow("rectangle: its pixels left..right, grey")
            << "box 10,10,20,30"
            << "10,10 G; 30,40 G; 30,25 G; 31,25 -; 9,25 -; 20,41 -; 20,20 -";
        QTest::newRow("circle as written: 41 wide, 2r+1 pixels")
            << "circle 320,270,41,41"
            << "320,290 G; 360,290 G; 361,290 -; 340,270 G; 340,310 G; 340,311 -; 340,290 -";
        QTest::newRow("selected: magenta, handles on the box's corners")
            << "circle 10,10,40,20; select b1"
            << "7,7 M; 13,13 M; 14,14 -; 53,33 M; 54,33 -; 30,0 M; 30,40 M";
        QTest::newRow("polygon before any selection: text colour") << "polygon 10,10 60,10 60,60"
                                                                   << "30,10 T; 35,35 T";
        QTest::newRow("polygon once a selection was shown: grey")
            << "polygon 10,10 60,10 60,60; box 100,100,5,5; click 100,100; click 200,200"
            << "30,10 G; 100,102 G";
        QTest::newRow("later areas lie above, handles above all") << "box 10,10,40,40; box 47,0,30,30; select b1"
                                                                  << "47,10 M; 47,20 G; 50,30 G; 30,10 M; 50,20 M";
        QTest::newRow("box being drawn: text colour") << "tool rect; press 10,10; move 50,40"
                                                      << "30,10 T; 50,25 T";
        QTest::newRow("drawn box released: selected") << "tool rect; press 10,10; move 50,40; release"
                                                      << "30,10 M; 53,43 M";
        QTest::newRow("polygon being built: open, mark and rubber line")
            << "tool poly; click 10,10; click 60,10; click 60,60; move 12,11"
            << "60,35 T; 7,10 T; 10,13 T; 10,14 -; 12,11 T";
        QTest::newRow("no mark away from the first corner")
            << "tool poly; click 10,10; click 60,10; click 60,60; move 14,60"
            << "7,10 -; 10,13 -; 37,60 T; 35,35 -";
        QTest::newRow("rubber line only with the polygon tool")
            << "tool poly; click 10,10; click 60,10; move 60,50; tool arrow"
            << "60,30 -; 30,10 T";
        QTest::newRow("trace outline: a shadow right and down, above the areas")
            << "picture 20,20,40,30; box 50,10,20,20; tool trace; wheel 0,-3; move 30,30"
            << "20,20 Y; 40,20 Y; 40,21 K; 21,21 K; 20,21 Y; 59,30 Y; 60,30 K; 50,20 Y; 50,15 G";
        QTest::newRow("trace outline: only while the tool is armed")
            << "picture 20,20,40,30; tool trace; move 30,30; tool arrow"
            << "20,20 -; 40,21 -";
        QTest::newRow("closed: selected, all edges") << "tool poly; click 10,10; click 60,10; click 60,60; click 10,10"
                                                     << "35,35 M; 60,35 M; 7,7 M; 57,63 M";
    }
    void drawsWhatUsersSee()
    {
        QFETCH(QString, script);
        EditorScript scene;
        QVERIFY(scene.play(script));
        const QImage image = painted(scene.editor, ZoomMapping());
        const QHash<QString, QRgb> colours { { "M", kSelectedColour }, { "G", kNormalColour }, { "T", kText },
            { "-", kPaper }, { "Y", kTraceColour }, { "K", kTraceShadowColour } };
        QStringList wrong;
        QFETCH(QString, pixels);
        for (const QString& item : pixels.split(QLatin1Char(';'))) {
            const QStringList parts = item.simplified().split(QRegularExpression(QStringLiteral("[, ]")));
            const QRgb seen = image.pixel(parts[0].toInt(), parts[1].toInt());
            if (seen != colours.value(parts[2]))
                wrong << item.simplified() + QStringLiteral(" is ") + colours.key(seen, QString::number(seen, 16));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    }

    // At every zoom a circle's pixels reach exactly the screen pixels of its figure's ends, the
    // ones whose hit test and handles line up with it.
    void circlesReachTheirEnds()
    {
        for (const ZoomMapping& zoom : { ZoomMapping(), ZoomMapping(2, 3), ZoomMapping(3, 1), ZoomMapping(1, 4) }) {
            for (int side = 0; side <= 90; side += 7) {
                EditorScript scene;
                QVERIFY(scene.play(QStringLiteral("circle 20,20,%1,%1").arg(side)));
                const QImage image = painted(scene.editor, zoom, QSize(340, 340));
                QRect inked;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (image.pixel(x, y) != kPaper)
                            inked |= QRect(x, y, 1, 1);
                const double centre = 20 + std::nearbyint(side / 2.0), radius = std::nearbyint(side / 2.0);
                const QRect figure(zoom.screenPixelOf({ centre - radius, centre - radius }),
                    zoom.screenPixelOf({ centre + radius, centre + radius }));
                QCOMPARE(inked, figure);
            }
        }
    }
};

QTEST_MAIN(PaintingTest)
#include "tst_painting.moc"
