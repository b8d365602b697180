#include "support/EditorScript.h"
#include "view/CanvasView.h"

#include <QApplication>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(ZoomMapping)

namespace {

// A canvas on screen, its viewport between two scroll bars, showing a white picture. The
// pointer waits off the screen until a test puts it somewhere.
struct Canvas {
    EditorScript scene;
    CanvasView view { scene.editor };

    explicit Canvas(QSize picture, const ZoomMapping& zoom = {}, QSize viewport = QSize(700, 500))
    {
        QCursor::setPos(5000, 5000);
        view.resize(viewport + QSize(2, 2) + QSize(CanvasView::kScrollBarThickness, CanvasView::kScrollBarThickness));
        view.showScrollBars(true, true);
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::white);
        view.setPicture(image);
        view.zoomTo(zoom, QPoint());
        view.show();
    }
    // Shown, with its scaled copy made and every repaint done.
    bool settled()
    {
        const bool ready
            = QTest::qWaitForWindowExposed(&view) && QTest::qWaitFor([this] { return !view.scalingPicture(); });
        QApplication::processEvents();
        return ready;
    }
    QWidget* port() const { return view.viewport(); }
    const EditorState& state() const { return scene.editor.state(); }
    QPoint scroll() const { return QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()); }
    // A mouse event sent straight to the viewport, which reaches any position, fractions too.
    void send(QEvent::Type type, QPointF at, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent event(type, at, port()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(port(), &event);
    }
    void wheel(QPoint at, QPoint angle, QPoint pixels = {}, Qt::KeyboardModifiers modifiers = {})
    {
        QWheelEvent event(
            at, port()->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port(), &event);
    }
};

// Records the region of every paint event of a widget.
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
    // The pointer grabs a handle, or closes a polygon, on exactly the pixels drawn for it.
    void grabsWhereDrawn_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QString>("kind");
        for (const ZoomMapping& zoom : { ZoomMapping(), ZoomMapping(4, 1), ZoomMapping(1, 16), ZoomMapping(3, 1),
                 ZoomMapping(16, 1), ZoomMapping(2, 3) })
            for (const char* kind : { "corner", "vertex", "mark" })
                QTest::addRow("%s %s", qPrintable(zoom.percentText()), kind) << zoom << QString(kind);
    }
    void grabsWhereDrawn()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QString, kind);
        const auto p = [&zoom](int screen) { return QString::number(screen * zoom.denominator() / zoom.numerator()); };
        Canvas canvas(QSize(400, 400) * zoom.denominator() / zoom.numerator(), zoom);
        const QString corners = QStringLiteral("%1,%1 %2,%1 %3,%4").arg(p(40), p(160), p(100), p(140));
        QVERIFY(canvas.scene.play(kind == "corner"
                ? QStringLiteral("box %1,%1,%2,%3; select b1").arg(p(40), p(120), p(80))
                : kind == "vertex" ? QStringLiteral("polygon %1; select p1").arg(corners)
                                   : QStringLiteral("tool poly; click %1").arg(corners.split(' ').join("; click "))));
        QVERIFY(canvas.settled());
        // The top-left of what is drawn in the mark's or the handles' colour is the top-left of
        // the square around the top-left corner. The mark shows while the pointer is near.
        const QRgb colour = kind == "mark" ? canvas.view.palette().color(QPalette::WindowText).rgb() : kSelectedColour;
        QImage shot;
        const auto drawnCorner = [&] {
            shot = canvas.port()->grab().toImage();
            QPoint corner(shot.width(), shot.height());
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixel(x, y) == colour)
                        corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
            return corner;
        };
        if (kind == "mark")
            QTest::mouseMove(canvas.port(), drawnCorner());
        const QPoint corner = drawnCorner();
        if (kind != "mark") {
            // Handles are 7 x 7 pixels at every zoom, and the outline leaves them from their centre.
            const auto magenta = [&](int dx, int dy) { return shot.pixel(corner + QPoint(dx, dy)) == colour; };
            QVERIFY(magenta(6, 0) && !magenta(7, 0) && magenta(0, 6) && !magenta(0, 7));
            QVERIFY(magenta(8, 3) && !magenta(8, 2) && !magenta(8, 4));
        }
        for (const QPoint at : { corner, corner - QPoint(1, 0), corner - QPoint(0, 1) }) {
            const bool inside = at == corner;
            QTest::mouseMove(canvas.port(), at);
            QTest::mouseClick(canvas.port(), Qt::LeftButton, {}, at);
            if (kind == "mark") // the click closed the polygon, or added a corner
                QCOMPARE(canvas.state().building == 0, inside);
            else // the press dragged the handle, or moved or left the area
                QCOMPARE(canvas.state().hover.isNone(), !inside);
            // As it was, for the next try.
            QVERIFY(canvas.scene.play(kind == "mark" ? (inside ? "key ctrl+z; tool poly" : "")
                    : kind == "corner"               ? "select b1"
                                                     : "select p1"));
        }
    }

    // A change repaints the old and the new place of what changed, exactly, and nothing else.
    // Screen pixels worked out by hand: an area's outline and handles, its pens included.
    void repaintsWhatChanged_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QString>("scene"); // then the change, in picture pixels
        QTest::addColumn<QVector<QRect>>("repainted");
        const QString box = "box 10,10,20,20; select b1";
        const QVector<QRect> moved { QRect(7, 7, 27, 27), QRect(37, 7, 27, 27) };
        QTest::newRow("100%") << ZoomMapping() << 0 << box + " | press 20,20; move 50,20" << moved;
        QTest::newRow("1/16") << ZoomMapping(1, 16) << 0
                              << "box 160,160,320,320; select b1 | press 300,300; move 780,300" << moved;
        QTest::newRow("2/3") << ZoomMapping(2, 3) << 0 << "box 30,30,30,30; select b1 | press 40,40; move 85,40"
                             << QVector<QRect> { QRect(17, 17, 27, 27), QRect(47, 17, 27, 27) };
        QTest::newRow("16x") << ZoomMapping(16, 1) << 0 << "box 2,2,2,2; select b1 | press 3,3; move 7,3"
                             << QVector<QRect> { QRect(37, 37, 39, 39), QRect(101, 37, 39, 39) };
        QTest::newRow("scrolled") << ZoomMapping() << 25 << box + " | press 20,20; move 50,20"
                                  << QVector<QRect> { QRect(0, 7, 9, 27), QRect(12, 7, 27, 27) };
        QTest::newRow("selection moved") << ZoomMapping() << 0 << box + "; box 100,100,5,5 | select b2"
                                         << QVector<QRect> { QRect(7, 7, 27, 27), QRect(97, 97, 12, 12) };
        QTest::newRow("hover: nothing") << ZoomMapping() << 0 << box + " | move 10,10" << QVector<QRect> {};
        QTest::newRow("closing mark and rubber line")
            << ZoomMapping() << 0 << "tool poly; click 10,10; click 60,10; click 60,60; move 100,100 | move 11,10"
            << QVector<QRect> { QRect(7, 7, 7, 7), QRect(60, 60, 41, 41), QRect(11, 10, 50, 51) };
    }
    void repaintsWhatChanged()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QString, scene);
        Canvas canvas(QSize(400, 400) * zoom.denominator() / zoom.numerator(), zoom, QSize(300, 300));
        QFETCH(int, scroll);
        canvas.view.horizontalScrollBar()->setValue(scroll);
        QVERIFY(canvas.scene.play(scene.section('|', 0, 0)));
        QVERIFY(canvas.settled());
        PaintWatch watch(canvas.port());
        QVERIFY(canvas.scene.play(scene.section('|', 1)));
        QApplication::processEvents();
        QFETCH(QVector<QRect>, repainted);
        QRegion expected;
        for (const QRect& rect : repainted)
            expected += rect;
        QVERIFY2(watch.painted.xored(expected).isEmpty(), qPrintable(QDebug::toString(watch.painted)));
    }

    // The editor gets the picture pixel under the pointer: below 100 % the first one a screen
    // pixel covers, so that the canvas starts on pixel 0 and ends inside the picture.
    void pointerPixels_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<double>("at"); // across the viewport, on its first row
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<int>("pixel"); // -1: beside the picture, the editor hears nothing
        QTest::newRow("1/8: first column") << QSize(1004, 100) << ZoomMapping(1, 8) << 0 << 0.0 << 126 << 0;
        QTest::newRow("1/8: last column") << QSize(1004, 100) << ZoomMapping(1, 8) << 0 << 125.0 << 126 << 1000;
        QTest::newRow("1/8: beside") << QSize(1004, 100) << ZoomMapping(1, 8) << 0 << 126.0 << 126 << -1;
        QTest::newRow("2/3: last column") << QSize(1000, 100) << ZoomMapping(2, 3) << 0 << 666.0 << 667 << 999;
        QTest::newRow("a fraction") << QSize(100, 100) << ZoomMapping() << 0 << 40.75 << 100 << 40;
        QTest::newRow("200% scrolled") << QSize(1000, 100) << ZoomMapping(2, 1) << 101 << 0.5 << 2000 << 50;
    }
    void pointerPixels()
    {
        QFETCH(QSize, picture);
        QFETCH(ZoomMapping, zoom);
        Canvas canvas(picture, zoom);
        QVERIFY(canvas.settled());
        QFETCH(int, scroll);
        canvas.view.horizontalScrollBar()->setValue(scroll);
        QTEST(canvas.view.canvasSize().width(), "canvasWidth");
        QFETCH(double, at);
        QVERIFY(canvas.scene.play("move -7,-7"));
        canvas.send(QEvent::MouseMove, QPointF(at, 0.5));
        canvas.send(QEvent::MouseButtonPress, QPointF(at, 0.5), Qt::LeftButton);
        QFETCH(int, pixel);
        QCOMPARE(canvas.state().pointer.x, pixel < 0 ? -7.0 : double(pixel));
        QCOMPARE(canvas.state().buttonDown, pixel >= 0);
        // A click needs press and release on the picture: the polygon tool starts a polygon.
        QVERIFY(canvas.scene.play("tool poly"));
        canvas.send(QEvent::MouseButtonRelease, QPointF(-0.5, 0.5));
        QCOMPARE(canvas.scene.editor.map().count(), 0);
        canvas.send(QEvent::MouseButtonPress, QPointF(at, 0.5), Qt::RightButton);
        canvas.send(QEvent::MouseButtonRelease, QPointF(at, 0.5));
        QCOMPARE(canvas.scene.editor.map().count(), pixel < 0 ? 0 : 1);
    }

    // A drag is worked out from the press: taken far beyond the picture, where its figures
    // stop at the ends of their range, and back, the area is where it started.
    void dragFarOutsideAndBack()
    {
        for (const ZoomMapping& zoom : { ZoomMapping(), ZoomMapping(1, 16), ZoomMapping(16, 1) }) {
            Canvas canvas(QSize(4000, 4000), zoom);
            QVERIFY(canvas.scene.play("box 0,0,40,40"));
            QVERIFY(canvas.settled());
            const Box start = canvas.scene.editor.map().at(0).box();
            canvas.send(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton);
            for (const QPointF at : { QPointF(-40000, 2), QPointF(2, -40000), QPointF(2, 2) })
                canvas.send(QEvent::MouseMove, at, Qt::LeftButton);
            canvas.send(QEvent::MouseButtonRelease, QPointF(2, 2));
            QVERIFY2(canvas.scene.editor.map().at(0).box() == start, qPrintable(zoom.percentText()));
        }
    }

    // The wheel scrolls in proportion to its turn, and fractions of a pixel add up.
    void wheelScrolls()
    {
        const auto scrolled = [](QPoint angle, QPoint pixels, int turns, Qt::KeyboardModifiers modifiers = {}) {
            Canvas canvas(QSize(3000, 3000));
            canvas.settled();
            for (int i = 0; i < turns; ++i)
                canvas.wheel(QPoint(), angle, pixels, modifiers);
            return canvas.scroll();
        };
        QCOMPARE(scrolled({ 0, -120 }, {}, 1), QPoint(0, 100)); // a notch: an arrow step
        QCOMPARE(scrolled({ 0, -1 }, {}, 120), QPoint(0, 100)); // a notch in 120 turns
        QCOMPARE(scrolled({ 0, -120 }, { -2, -7 }, 3), QPoint(6, 21)); // a touchpad's pixels
        QCOMPARE(scrolled({ 0, -120 }, {}, 1, Qt::ShiftModifier), QPoint(140, 0)); // Shift: sideways
        QCOMPARE(scrolled({ 0, 120 }, {}, 1), QPoint()); // up at the start
    }

    // Zooming around the pointer keeps the picture pixel under it, far beyond 16 bits at 16x.
    void zoomKeepsThePixelUnderThePointer()
    {
        Canvas canvas(QSize(4000, 2000));
        QVERIFY(canvas.settled());
        canvas.view.horizontalScrollBar()->setValue(2000);
        canvas.view.verticalScrollBar()->setValue(250);
        const QPoint anchor(300, 200);
        QCursor::setPos(canvas.port()->mapToGlobal(anchor)); // the canvas reads it when the picture moves
        QApplication::processEvents();
        const QPointF kept(canvas.state().pointer.x, canvas.state().pointer.y);
        QCOMPARE(kept, QPointF(2300, 450));
        for (int step : { 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1 }) {
            canvas.wheel(anchor, QPoint(0, 120 * step), {}, Qt::ControlModifier);
            const ZoomMapping zoom = canvas.view.zoom();
            const double reach = zoom.factor() >= 1 ? 0 : 1 / zoom.factor(); // one screen pixel's worth
            canvas.send(QEvent::MouseMove, anchor);
            const QPointF now(canvas.state().pointer.x, canvas.state().pointer.y);
            QVERIFY2(std::abs(now.x() - kept.x()) <= reach && std::abs(now.y() - kept.y()) <= reach,
                qPrintable(QStringLiteral("%1: %2,%3").arg(zoom.percentText()).arg(now.x()).arg(now.y())));
        }
        QCOMPARE(canvas.view.zoom(), ZoomMapping(1, 2));
        // A touchpad's small turns add up to a notch.
        canvas.wheel(anchor, QPoint(0, 60), {}, Qt::ControlModifier);
        QCOMPARE(canvas.view.zoom(), ZoomMapping(1, 2));
        canvas.wheel(anchor, QPoint(0, 60), {}, Qt::ControlModifier);
        QCOMPARE(canvas.view.zoom(), ZoomMapping(2, 3));
    }

    // The frame is a line around the viewport, the bars lie outside it, and their figures
    // follow the canvas; at their ends the viewport's last pixel shows the picture's last one.
    void scrollBars_data()
    {
        QTest::addColumn<QSize>("outer"); // without the bars
        QTest::addColumn<bool>("bars");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QString>("expected"); // the viewport, the bars' maxima, arrow steps and page steps
        const auto row
            = [](const char* name, QSize outer, bool bars, QSize picture, ZoomMapping zoom, const char* expected) {
                  QTest::newRow(name) << outer << bars << picture << zoom << QString(expected);
              };
        row("both bars", { 449, 297 }, true, { 1000, 800 }, {}, "447x295 553,505 89,59 447,295");
        row("no bars: kept at the start", { 449, 297 }, false, { 1000, 800 }, {}, "464x312 0,0 93,62 464,312");
        row("16x, past 16 bits", { 449, 297 }, true, { 3000, 2500 }, { 16, 1 }, "447x295 47553,39705 89,59 447,295");
        row("4 pixels high: steps of 1", { 449, 6 }, true, { 1000, 800 }, {}, "447x4 553,796 89,1 447,1");
    }
    void scrollBars()
    {
        QFETCH(QSize, outer);
        QFETCH(bool, bars);
        QFETCH(QSize, picture);
        QFETCH(ZoomMapping, zoom);
        Canvas canvas(picture, zoom);
        canvas.view.showScrollBars(bars, bars);
        canvas.view.resize(outer + QSize(CanvasView::kScrollBarThickness, CanvasView::kScrollBarThickness));
        QVERIFY(canvas.settled());
        QScrollBar* across = canvas.view.horizontalScrollBar();
        QScrollBar* down = canvas.view.verticalScrollBar();
        const auto pair = [](int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); };
        QTEST(QStringLiteral("%1x%2 ").arg(canvas.port()->width()).arg(canvas.port()->height())
                + pair(across->maximum(), down->maximum()) + ' ' + pair(across->singleStep(), down->singleStep()) + ' '
                + pair(across->pageStep(), down->pageStep()),
            "expected");
        if (!bars)
            return;
        QCOMPARE(QRect(across->mapTo(&canvas.view, QPoint()), across->size()),
            QRect(0, outer.height(), outer.width(), CanvasView::kScrollBarThickness));
        across->setValue(across->maximum());
        down->setValue(down->maximum());
        canvas.send(QEvent::MouseMove, QPointF(canvas.port()->width() - 1, canvas.port()->height() - 1));
        QCOMPARE(QPointF(canvas.state().pointer.x, canvas.state().pointer.y),
            QPointF(picture.width() - 1, picture.height() - 1));
    }

    // Above 100 % every picture pixel is a sharp square; below, the picture is averaged; beside
    // it the viewport is grey.
    void picture()
    {
        // Every pixel a colour of its own: a square of another colour is a misplaced pixel.
        QImage coded(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                coded.setPixel(x, y, qRgb(x * 30, y * 30, 200));
        Canvas canvas(QSize(8, 8));
        canvas.view.setPicture(coded);
        canvas.view.zoomTo(ZoomMapping(3, 1), QPoint());
        QVERIFY(canvas.settled());
        QImage shot = canvas.port()->grab().toImage();
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                QCOMPARE(shot.pixel(x, y), x < 24 && y < 24 ? coded.pixel(x / 3, y / 3) : qRgb(160, 160, 160));
        // A fine checkerboard at 50 % is grey once its copy has been made.
        QImage checkers(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                checkers.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        canvas.view.setPicture(checkers);
        canvas.view.zoomTo(ZoomMapping(1, 2), QPoint());
        QVERIFY(canvas.settled());
        shot = canvas.port()->grab().toImage();
        QVERIFY2(qAbs(qGray(shot.pixel(10, 20)) - 128) < 20, qPrintable(QString::number(qGray(shot.pixel(10, 20)))));
    }

    void zoomCommands()
    {
        Canvas canvas(QSize(200, 100)); // a viewport of 700 x 500 between the bars
        QImage large(4000, 2000, QImage::Format_RGB32);
        large.fill(Qt::white);
        QStringList levels;
        for (const auto command : { &CanvasView::zoomToFit, &CanvasView::zoomIn, &CanvasView::zoomOut,
                 &CanvasView::zoomToActualSize, &CanvasView::zoomToFit }) {
            if (command == &CanvasView::zoomToActualSize)
                canvas.view.setPicture(large);
            (canvas.view.*command)();
            levels << canvas.view.zoom().percentText();
        }
        QCOMPARE(levels, QStringList({ "300%", "400%", "300%", "100%", "16.7%" })); // small pictures are enlarged
        canvas.view.zoomTo(ZoomMapping(2, 1), QPoint(300, 300));
        canvas.view.setPicture(large); // a new picture: 100 %, at its top-left corner
        QCOMPARE(canvas.view.zoom(), ZoomMapping());
        QCOMPARE(canvas.scroll(), QPoint());
    }

    // The editor learns what the view shows: at 200 % scrolled by 1000 screen pixels the visible
    // canvas ends at picture x 500, so a copy within 20 of that goes to the middle.
    void copiesLandInView()
    {
        Canvas canvas(QSize(1000, 800), ZoomMapping(2, 1));
        QVERIFY(canvas.settled());
        canvas.view.horizontalScrollBar()->setValue(1000);
        QVERIFY(canvas.scene.play("box 490,100,10,10; select b1; key ctrl+d"));
        QCOMPARE(describe(canvas.scene.editor), "B1 rect 490,100 10x10 | B2 rect 500,400 10x10* | arrow");
    }
};

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
