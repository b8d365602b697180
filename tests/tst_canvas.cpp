#include "canvas/CanvasWidget.h"
#include "display/CanvasDisplay.h"
#include "support/DocumentBuilders.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(ZoomMapping)

namespace {

QImage Picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void DrawPolygons(const ImagemapDocument& map, CanvasDisplay& display)
{
    display.Refresh();
    for (int16_t i = 1; i <= map.polyCount; ++i)
        display.LineChain(&map.polygon(i).vertexX[1], &map.polygon(i).vertexY[1], map.polygon(i).vertexCount);
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

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    // Starting from two boxes and a polygon drawn as the editor draws them, already on screen.
    void damage_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QRect>("mustCover"); // in canvas units; null: nothing may be repainted
        QTest::addColumn<QRect>("mustAvoid");
        QTest::newRow("redraw of the same lines: nothing") << "redraw" << QRect() << QRect();
        QTest::newRow("a box moved, no redraw: old and new place")
            << "move" << QRect(10, 10, 51, 21) << QRect(100, 100, 20, 20);
        QTest::newRow("a box recoloured: its outline")
            << "recolour" << QRect(100, 100, 21, 21) << QRect(10, 10, 20, 20);
        QTest::newRow("the last box unloaded: its outline")
            << "unload" << QRect(100, 100, 21, 21) << QRect(10, 10, 20, 20);
        QTest::newRow("one vertex moved: its two edges")
            << "vertex" << QRect(200, 200, 61, 51) << QRect(10, 10, 20, 20);
        QTest::newRow("a refresh alone: the old lines") << "refresh" << QRect(200, 200, 61, 51) << QRect();
        QTest::newRow("a line without a refresh: that line")
            << "line" << QRect(300, 10, 31, 31) << QRect(200, 200, 60, 50);
        QTest::newRow("the marker shown") << "marker" << QRect(197, 197, 7, 7) << QRect(10, 10, 20, 20);
        QTest::newRow("a hidden marker moved: nothing") << "hidden marker" << QRect() << QRect();
    }
    void damage()
    {
        QFETCH(QString, change);
        QFETCH(QRect, mustCover);
        QFETCH(QRect, mustAvoid);
        ImagemapDocument map;
        CanvasDisplay display;
        AddTestBox(map, 10, 10, 20, 20);
        AddTestBox(map, 100, 100, 20, 20);
        AddTestPolygon(map, { { 200, 200 }, { 260, 200 }, { 230, 250 } });
        DrawPolygons(map, display);
        display.Present(map);
        if (change == "move")
            map.box(1).Left = 40;
        else if (change == "recolour")
            map.box(2).BorderColor = SelectedColour;
        else if (change == "unload") {
            UnloadShape(map, 2);
            map.boxCount = 1;
        } else if (change == "vertex")
            map.polygon(1).vertexX[3] = 240;
        else if (change == "refresh")
            display.Refresh();
        else if (change == "line")
            display.Line(300, 10, 330, 40);
        else if (change.endsWith("marker"))
            display.MovePolyShape(change == "marker" ? 197 : 7, change == "marker" ? 197 : 7, 6, 6);
        display.SetPolyShapeVisible(change == "marker");
        if (change == "redraw" || change == "vertex")
            DrawPolygons(map, display);
        const QRectF damage = display.Present(map);
        if (mustCover.isNull())
            QCOMPARE(damage, QRectF());
        else
            QVERIFY(damage.contains(QRectF(mustCover)));
        QVERIFY(mustAvoid.isNull() || !damage.intersects(QRectF(mustAvoid)));
        QCOMPARE(display.Present(map), QRectF()); // what was presented is on screen now
    }

    // A rectangle's outline runs along its edges; a circle sits in the middle of its box with
    // the shorter side as diameter, so a wide box's corners stay empty. Lines in the pen colour
    // go on top, a chain of them as drawn.
    void paintsWhatTheDisplayHolds_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("onOutline");
        QTest::addColumn<QPoint>("inside");
        QTest::newRow("rectangle") << int(kRectangleShape) << QPoint(10, 30) << QPoint(30, 30);
        QTest::newRow("circle") << int(kCircleShape) << QPoint(50, 10) << QPoint(10, 10);
    }
    void paintsWhatTheDisplayHolds()
    {
        QFETCH(int, shape);
        Editor editor;
        CanvasWidget canvas;
        canvas.SetPicture(Picture(120, 80));
        AddTestBox(editor.map, 10, 10, 80, 40, static_cast<int16_t>(shape));
        SelectTestBox(editor, 1);
        canvas.Display().SetForeColor(NormalColour);
        const int16_t xs[] = { 0, 119, 119 };
        const int16_t ys[] = { 70, 70, 60 };
        canvas.Display().LineChain(xs, ys, 3);
        canvas.Present(editor.map);
        const QImage shot = canvas.grab().toImage();
        QFETCH(QPoint, onOutline);
        QFETCH(QPoint, inside);
        QCOMPARE(shot.pixel(onOutline), qRgb(255, 0, 255));
        QCOMPARE(shot.pixel(inside), qRgb(255, 255, 255)); // transparent interior
        QCOMPARE(shot.pixel(60, 70), qRgb(115, 115, 115));
        QCOMPARE(shot.pixel(119, 65), qRgb(115, 115, 115));
    }

    // Present alone must get the widget repainted where the overlay changed, and nowhere
    // else, at every zoom.
    void repaintsWhatChanged_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QRectF>("box"); // then moved right by its width and a half
        QTest::addColumn<QRect>("bothOutlines"); // in screen pixels
        QTest::addColumn<QRect>("untouched");
        QTest::newRow("100%") << ZoomMapping() << QRectF(10, 10, 20, 20) << QRect(10, 10, 51, 21)
                              << QRect(0, 40, 320, 280);
        QTest::newRow("1/16") << ZoomMapping(1, 16) << QRectF(160, 160, 320, 320) << QRect(9, 9, 52, 22)
                              << QRect(9, 40, 60, 10);
        QTest::newRow("2/3") << ZoomMapping(2, 3) << QRectF(30, 30, 60, 60) << QRect(19, 19, 102, 42)
                             << QRect(0, 80, 200, 20);
        QTest::newRow("16x") << ZoomMapping(16, 1) << QRectF(2, 2, 4, 4) << QRect(38, 38, 164, 68)
                             << QRect(0, 200, 300, 50);
    }
    void repaintsWhatChanged()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QRectF, box);
        CanvasWidget canvas; // 320 x 320 on screen at every zoom
        const int side = 320 * zoom.Denominator() / zoom.Numerator();
        canvas.SetPicture(Picture(side, side));
        canvas.SetZoom(zoom);
        ImagemapDocument map;
        AddTestBox(map, float(box.x()), float(box.y()), float(box.width()), float(box.height()));
        canvas.Present(map);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        // A scaled copy arriving later repaints the whole canvas: wait for it first.
        QTRY_VERIFY(zoom.Factor() >= 1 || canvas.Picture().HasCopy(zoom));
        QApplication::processEvents();
        PaintWatch watch(&canvas);
        map.box(1).Left += 1.5f * map.box(1).Width; // moved by the editing code; nothing else is drawn
        canvas.Present(map);
        QApplication::processEvents();
        QFETCH(QRect, bothOutlines);
        QFETCH(QRect, untouched);
        QVERIFY(watch.painted.contains(bothOutlines));
        QVERIFY(!watch.painted.intersects(untouched));
    }

    void paintsSharpSquaresAndSmoothCopies()
    {
        // Every pixel a colour of its own: a square of another colour is a misplaced pixel.
        QImage coded(8, 8, QImage::Format_RGB32);
        QImage checkers(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                coded.setPixel(x % 8, y % 8, qRgb(x % 8 * 30, y % 8 * 30, 200));
                checkers.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            }
        CanvasWidget canvas;
        canvas.SetPicture(coded);
        canvas.SetZoom(ZoomMapping(3, 1));
        canvas.Display().SetForeColor(SelectedColour);
        canvas.Display().Line(0, 2, 7, 2); // from the centre of pixel 0,2 to that of 7,2
        canvas.Present(ImagemapDocument {});
        QImage shot = canvas.grab().toImage();
        QCOMPARE(shot.size(), QSize(24, 24));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                QCOMPARE(shot.pixel(x, y), y == 7 && x >= 1 && x <= 22 ? qRgb(255, 0, 255) : coded.pixel(x / 3, y / 3));
        // A fine checkerboard at 50 % is grey once its copy has been made.
        canvas.SetPicture(checkers);
        canvas.SetZoom(ZoomMapping(1, 2));
        QTRY_VERIFY(canvas.Picture().HasCopy(ZoomMapping(1, 2)));
        shot = canvas.grab().toImage();
        QCOMPARE(shot.size(), QSize(32, 32));
        QVERIFY2(qAbs(qGray(shot.pixel(10, 20)) - 128) < 20, qPrintable(QString::number(qGray(shot.pixel(10, 20)))));
    }

    void reportsTheMouseInWholePixels()
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
        QCOMPARE(QPointF(down.at(0).at(0).toFloat(), down.at(0).at(1).toFloat()), QPointF(40, 25));
        QCOMPARE(up.at(0).at(2).toBool(), true); // a click: 99.9 lies in the last column
        // A release outside the canvas ends the press but is no click.
        send(QEvent::MouseButtonPress, QPointF(40, 25));
        send(QEvent::MouseButtonRelease, QPointF(-0.5, 25));
        QCOMPARE(up.size(), 2);
        QCOMPARE(up.at(1).at(0).toFloat(), -1.f);
        QCOMPARE(up.at(1).at(2).toBool(), false);
    }
};

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
