#include "canvas/CanvasWidget.h"
#include "editing/Overlay.h"
#include "support/DocumentBuilders.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void takesThePicturesSize();
    void paintsShapesAndLines_data();
    void paintsShapesAndLines();
    void refreshWipesLinesButRepaintsKeepThem();
    void movedShapeRepaintsWithoutWipingLines();
    void reportsMouseInCanvasUnits();
    void pointerShapes_data();
    void pointerShapes();
    void joinedLinesFormRuns();
};

namespace {

QImage Picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRgb PixelAt(CanvasWidget& canvas, int x, int y)
{
    canvas.SyncNow();
    return canvas.grab().toImage().pixel(x, y);
}

} // namespace

void CanvasTest::takesThePicturesSize()
{
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    QCOMPARE(canvas.size(), QSize(0, 0));
    canvas.SetPicture(Picture(320, 200));
    QCOMPARE(canvas.size(), QSize(320, 200));
    QVERIFY(canvas.HasPicture());
}

void CanvasTest::paintsShapesAndLines_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("onOutline");
    QTest::addColumn<QPoint>("inside");
    // A rectangle's outline runs along its edges; a circle sits in the middle of its
    // box with the shorter side as diameter, so a wide box's corners stay empty.
    QTest::newRow("rectangle") << int(kRectangleShape) << QPoint(10, 30) << QPoint(30, 30);
    QTest::newRow("circle") << int(kCircleShape) << QPoint(50, 10) << QPoint(10, 10);
}

void CanvasTest::paintsShapesAndLines()
{
    QFETCH(int, shape);
    QFETCH(QPoint, onOutline);
    QFETCH(QPoint, inside);
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    canvas.SetPicture(Picture(120, 80));
    AddTestBox(doc, 10, 10, 80, 40, static_cast<int16_t>(shape));
    SelectTestBox(doc, 1);
    canvas.DocumentChanged();
    QCOMPARE(PixelAt(canvas, onOutline.x(), onOutline.y()), qRgb(255, 0, 255));
    QCOMPARE(PixelAt(canvas, inside.x(), inside.y()), qRgb(255, 255, 255)); // transparent interior

    canvas.SetForeColor(NormalColour);
    canvas.Line(0, 70, 119, 70);
    QCOMPARE(PixelAt(canvas, 60, 70), qRgb(115, 115, 115));
}

void CanvasTest::refreshWipesLinesButRepaintsKeepThem()
{
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    canvas.SetPicture(Picture(50, 50));
    canvas.SetForeColor(SelectedColour);
    canvas.Line(0, 20, 49, 20);
    canvas.update(); // a repaint for another cause, such as an uncovered window
    QCOMPARE(PixelAt(canvas, 25, 20), qRgb(255, 0, 255));
    canvas.Refresh();
    QCOMPARE(PixelAt(canvas, 25, 20), qRgb(255, 255, 255));
    QCOMPARE(canvas.Overlay().LineCount(), size_t(0));
}

void CanvasTest::movedShapeRepaintsWithoutWipingLines()
{
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    canvas.SetPicture(Picture(100, 100));
    AddTestBox(doc, 10, 10, 20, 20);
    canvas.DocumentChanged();
    canvas.SetForeColor(SelectedColour);
    canvas.Line(0, 90, 99, 90);
    QCOMPARE(PixelAt(canvas, 10, 20), qRgb(115, 115, 115));

    doc.Shape[1].Left = 50; // the box moves; the line stays
    canvas.DocumentChanged();
    QCOMPARE(PixelAt(canvas, 10, 20), qRgb(255, 255, 255));
    QCOMPARE(PixelAt(canvas, 50, 20), qRgb(115, 115, 115));
    QCOMPARE(PixelAt(canvas, 5, 90), qRgb(255, 0, 255));
}

void CanvasTest::reportsMouseInCanvasUnits()
{
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    canvas.SetPicture(Picture(100, 100));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QSignalSpy down(&canvas, &CanvasWidget::MouseDown);
    QSignalSpy up(&canvas, &CanvasWidget::MouseUp);
    QSignalSpy click(&canvas, &CanvasWidget::Click);
    QTest::mousePress(&canvas, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 25));
    QTest::mouseRelease(&canvas, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 25));
    QCOMPARE(down.size(), 1);
    QCOMPARE(down.at(0).at(0).toInt(), 2); // right button
    QCOMPARE(down.at(0).at(1).toInt(), 1); // Shift
    QCOMPARE(down.at(0).at(2).toFloat(), 40.f);
    QCOMPARE(down.at(0).at(3).toFloat(), 25.f);
    QCOMPARE(up.size(), 1);
    QCOMPARE(click.size(), 1);

    // A release outside the canvas ends the press but is no click.
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(40, 25));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(140, 25));
    QCOMPARE(up.size(), 2);
    QCOMPARE(up.at(1).at(2).toFloat(), 140.f);
    QCOMPARE(click.size(), 1);
}

void CanvasTest::pointerShapes_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("cursor");
    QTest::newRow("1 arrow") << 1 << int(Qt::ArrowCursor);
    QTest::newRow("2 cross") << 2 << int(Qt::CrossCursor);
    QTest::newRow("6 north-east/south-west") << 6 << int(Qt::SizeBDiagCursor);
    QTest::newRow("7 north/south") << 7 << int(Qt::SizeVerCursor);
    QTest::newRow("8 north-west/south-east") << 8 << int(Qt::SizeFDiagCursor);
    QTest::newRow("9 west/east") << 9 << int(Qt::SizeHorCursor);
    QTest::newRow("15 all directions") << 15 << int(Qt::SizeAllCursor);
}

void CanvasTest::pointerShapes()
{
    QFETCH(int, pointer);
    QFETCH(int, cursor);
    ImagemapDocument doc;
    CanvasWidget canvas(doc);
    canvas.SetMousePointer(static_cast<MousePointer>(pointer));
    QCOMPARE(int(canvas.cursor().shape()), cursor);
}

void CanvasTest::joinedLinesFormRuns()
{
    OverlayLines lines;
    const int16_t xs[] = { 0, 10, 10, 0 };
    const int16_t ys[] = { 0, 0, 10, 10 };
    lines.AppendChain(xs, ys, 4, NormalColour);
    lines.Append(0, 10, 0, 0, NormalColour); // joins: same colour, starts where the last ended
    lines.Append(0, 0, 5, 5, SelectedColour); // another colour starts a run
    lines.Append(20, 20, 30, 30, SelectedColour); // so does a gap
    QCOMPARE(lines.LineCount(), size_t(6));
    QCOMPARE(lines.Runs().size(), size_t(3));
    QCOMPARE(lines.Runs()[0].count, 5u);
    QCOMPARE(lines.Points()[4], QPointF(0, 0));
    QCOMPARE(lines.TakeNewBounds(), QRectF(0, 0, 31, 31));
    QCOMPARE(lines.TakeNewBounds(), QRectF());

    // A chain is exactly the lines from each vertex to the next.
    OverlayLines separate;
    for (int k = 0; k < 3; ++k)
        separate.Append(xs[k], ys[k], xs[k + 1], ys[k + 1], NormalColour);
    OverlayLines chain;
    chain.AppendChain(xs, ys, 4, NormalColour);
    QCOMPARE(chain.Points(), separate.Points());
    QCOMPARE(chain.Runs().size(), separate.Runs().size());
}

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
