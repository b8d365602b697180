#include "canvas/CanvasWidget.h"
#include "display/CanvasDisplay.h"
#include "support/DocumentBuilders.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using Scene = std::function<void(ImagemapDocument&, CanvasDisplay&)>;
Q_DECLARE_METATYPE(Scene)

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void damage_data();
    void damage();
    void chainIsTheSameAsSeparateLines();
    void paintsWhatTheDisplayHolds_data();
    void paintsWhatTheDisplayHolds();
    void repaintsWhatChanged();
    void reportsTheMouseInWholePixels();
};

namespace {

QImage Picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A map with two boxes and a polygon drawn as the editor draws it, already on screen.
void StartingScene(ImagemapDocument& map, CanvasDisplay& display)
{
    AddTestBox(map, 10, 10, 20, 20);
    AddTestBox(map, 100, 100, 20, 20);
    AddTestPolygon(map, { { 200, 200 }, { 260, 200 }, { 230, 250 } });
    display.Refresh();
    const PolygonArea& polygon = map.polygon(1);
    display.LineChain(&polygon.vertexX[1], &polygon.vertexY[1], polygon.vertexCount);
    display.Present(map);
}

void DrawPolygons(const ImagemapDocument& map, CanvasDisplay& display)
{
    display.Refresh();
    for (int16_t i = 1; i <= map.polyCount; ++i) {
        const PolygonArea& polygon = map.polygon(i);
        display.LineChain(&polygon.vertexX[1], &polygon.vertexY[1], polygon.vertexCount);
    }
}

// Records the region of every paint event a widget gets.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

void CanvasTest::damage_data()
{
    QTest::addColumn<Scene>("change");
    QTest::addColumn<QRect>("mustCover"); // in canvas units; null: nothing may be repainted
    QTest::addColumn<QRect>("mustAvoid");

    QTest::newRow("redraw of the same lines: nothing")
        << Scene([](ImagemapDocument& map, CanvasDisplay& d) { DrawPolygons(map, d); }) << QRect() << QRect();
    QTest::newRow("a box moved without any redraw: its old and new place")
        << Scene([](ImagemapDocument& map, CanvasDisplay&) { map.box(1).Left = 40; }) << QRect(10, 10, 51, 21)
        << QRect(100, 100, 20, 20);
    QTest::newRow("a box recoloured: its outline")
        << Scene([](ImagemapDocument& map, CanvasDisplay&) { map.box(2).BorderColor = SelectedColour; })
        << QRect(100, 100, 21, 21) << QRect(10, 10, 20, 20);
    QTest::newRow("the last box unloaded: its outline") << Scene([](ImagemapDocument& map, CanvasDisplay&) {
        UnloadShape(map, 2);
        map.boxCount = 1;
    }) << QRect(100, 100, 21, 21) << QRect(10, 10, 20, 20);
    QTest::newRow("one vertex moved: its two edges, not the rest") << Scene(
        [](ImagemapDocument& map, CanvasDisplay& d) {
            map.polygon(1).vertexX[3] = 240;
            DrawPolygons(map, d);
        }) << QRect(200, 200, 61, 51) << QRect(10, 10, 20, 20);
    QTest::newRow("a refresh with nothing drawn after it: the old lines")
        << Scene([](ImagemapDocument&, CanvasDisplay& d) { d.Refresh(); }) << QRect(200, 200, 61, 51) << QRect();
    QTest::newRow("a line drawn without a refresh: that line")
        << Scene([](ImagemapDocument&, CanvasDisplay& d) { d.Line(300, 10, 330, 40); }) << QRect(300, 10, 31, 31)
        << QRect(200, 200, 60, 50);
    QTest::newRow("the marker shown: its outline") << Scene([](ImagemapDocument&, CanvasDisplay& d) {
        d.MovePolyShape(197, 197, 6, 6);
        d.SetPolyShapeVisible(true);
    }) << QRect(197, 197, 7, 7) << QRect(10, 10, 20, 20);
    QTest::newRow("a hidden marker moved: nothing")
        << Scene([](ImagemapDocument&, CanvasDisplay& d) { d.MovePolyShape(7, 7, 6, 6); }) << QRect() << QRect();
}

void CanvasTest::damage()
{
    QFETCH(Scene, change);
    QFETCH(QRect, mustCover);
    QFETCH(QRect, mustAvoid);
    ImagemapDocument map;
    CanvasDisplay display;
    StartingScene(map, display);
    change(map, display);
    const QRectF damage = display.Present(map);
    if (mustCover.isNull()) {
        QVERIFY2(damage.isNull(),
            qPrintable(QStringLiteral("repaints %1,%2 %3x%4")
                           .arg(damage.x())
                           .arg(damage.y())
                           .arg(damage.width())
                           .arg(damage.height())));
        return;
    }
    QVERIFY(damage.contains(QRectF(mustCover)));
    QVERIFY(mustAvoid.isNull() || !damage.intersects(QRectF(mustAvoid)));
    QVERIFY(display.Present(map).isNull()); // what was presented is on screen now
}

void CanvasTest::chainIsTheSameAsSeparateLines()
{
    const int16_t xs[] = { 0, 10, 10, 0 };
    const int16_t ys[] = { 0, 0, 10, 10 };
    OverlayLines separate;
    for (int k = 0; k < 3; ++k)
        separate.Append(xs[k], ys[k], xs[k + 1], ys[k + 1], NormalColour);
    separate.Append(0, 10, 0, 0, NormalColour); // joins: same colour, starts where the last ended
    OverlayLines chain;
    chain.AppendChain(xs, ys, 4, NormalColour);
    chain.Append(0, 10, 0, 0, NormalColour);
    QCOMPARE(chain.Points(), separate.Points());
    QCOMPARE(chain.Runs().size(), size_t(1));
    QVERIFY(chain.SameRun(0, separate, 0));
    chain.Append(0, 0, 5, 5, SelectedColour); // another colour starts a run
    chain.Append(20, 20, 30, 30, SelectedColour); // so does a gap
    QCOMPARE(chain.Runs().size(), size_t(3));
    QCOMPARE(chain.LineCount(), size_t(6));
}

void CanvasTest::paintsWhatTheDisplayHolds_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("onOutline");
    QTest::addColumn<QPoint>("inside");
    // A rectangle's outline runs along its edges; a circle sits in the middle of its box
    // with the shorter side as diameter, so a wide box's corners stay empty.
    QTest::newRow("rectangle") << int(kRectangleShape) << QPoint(10, 30) << QPoint(30, 30);
    QTest::newRow("circle") << int(kCircleShape) << QPoint(50, 10) << QPoint(10, 10);
}

void CanvasTest::paintsWhatTheDisplayHolds()
{
    QFETCH(int, shape);
    QFETCH(QPoint, onOutline);
    QFETCH(QPoint, inside);
    Editor editor;
    CanvasWidget canvas;
    canvas.SetPicture(Picture(120, 80));
    AddTestBox(editor.map, 10, 10, 80, 40, static_cast<int16_t>(shape));
    SelectTestBox(editor, 1);
    canvas.Display().SetForeColor(NormalColour);
    canvas.Display().Line(0, 70, 119, 70);
    canvas.Present(editor.map);
    const QImage shot = canvas.grab().toImage();
    QCOMPARE(shot.pixel(onOutline), qRgb(255, 0, 255));
    QCOMPARE(shot.pixel(inside), qRgb(255, 255, 255)); // transparent interior
    QCOMPARE(shot.pixel(60, 70), qRgb(115, 115, 115));
}

void CanvasTest::repaintsWhatChanged()
{
    ImagemapDocument map;
    CanvasWidget canvas;
    canvas.SetPicture(Picture(300, 300));
    AddTestBox(map, 10, 10, 20, 20);
    canvas.Present(map);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QApplication::processEvents();

    PaintWatch watch(&canvas);
    map.box(1).Left = 200; // moved by the editing code; nothing else is drawn
    canvas.Present(map);
    QApplication::processEvents();
    QVERIFY(watch.painted.contains(QRect(10, 10, 21, 21))); // where it was
    QVERIFY(watch.painted.contains(QRect(200, 10, 21, 21))); // where it is
    QVERIFY(!watch.painted.contains(QPoint(120, 150)));
}

void CanvasTest::reportsTheMouseInWholePixels()
{
    CanvasWidget canvas;
    canvas.SetPicture(Picture(100, 100));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QSignalSpy down(&canvas, &CanvasWidget::MouseDown);
    QSignalSpy up(&canvas, &CanvasWidget::MouseUp);
    auto send = [&canvas](QEvent::Type type, QPointF at) {
        QMouseEvent event(type, at, canvas.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    };
    // A touchpad on a scaled screen reports fractions: the pixel under the pointer counts.
    send(QEvent::MouseButtonPress, QPointF(40.75, 25.5));
    send(QEvent::MouseButtonRelease, QPointF(99.9, 25.5));
    QCOMPARE(down.at(0).at(0).toFloat(), 40.f);
    QCOMPARE(down.at(0).at(1).toFloat(), 25.f);
    QCOMPARE(up.at(0).at(2).toBool(), true); // a click: 99.9 lies in the last column

    // A release outside the canvas ends the press but is no click.
    send(QEvent::MouseButtonPress, QPointF(40, 25));
    send(QEvent::MouseButtonRelease, QPointF(-0.5, 25));
    QCOMPARE(up.size(), 2);
    QCOMPARE(up.at(1).at(0).toFloat(), -1.f);
    QCOMPARE(up.at(1).at(2).toBool(), false);
}

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
