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
        const bool ready = QTest::qWaitForWindowExposed(&view) && QTest::qWaitFor([this] { return !view.scalingPicture(); });
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
        QWheelEvent event(at, port()->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port(), &event);
    }
    // The system's pointer, which the canvas reads again when the picture moves under it.
    void pointAt(QPoint at)
    {
        QCursor::setPos(port()->mapToGlobal(at));
        QApplication::processEvents();
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

QString rectsText(const QRegion& region)
{
    QStringList rects;
    for (const QRect& r : region)
        rects << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return rects.join(QStringLiteral("; "));
}

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
        QVERIFY(canvas.scene.play(kind == "corner" ? QStringLiteral("box %1,%1,%2,%3; select b1").arg(p(40), p(120), p(80))
                : kind == "vertex"                 ? QStringLiteral("polygon %1; select p1").arg(corners)
                                   : QStringLiteral("tool poly; click %1").arg(corners.split(' ').join("; click "))));
        QVERIFY(canvas.settled());
        // The top-left of what is drawn in the mark's or the handles' colour is the top-left of
        // the square around the top-left corner. The mark shows while the pointer is near.
        const QRgb colour = kind == "mark" ? canvas.view.palette().color(QPalette::WindowText).rgb() : kSelectedColour;
        const auto drawnCorner = [&] {
            const QImage shot = canvas.port()->grab().toImage();
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
                    : kind == "corner"                ? "select b1"
                                                      : "select p1"));
        }
    }

    // A change repaints the old and the new place of what changed, exactly, and nothing else.
    // Screen pixels worked out by hand: an area's outline and handles, its pens included.
    void repaintsWhatChanged_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("change"); // "shift N": the first area N picture pixels right
        QTest::addColumn<QVector<QRect>>("repainted");
        const QVector<QRect> moved { QRect(7, 7, 27, 27), QRect(37, 7, 27, 27) };
        QTest::newRow("100%") << ZoomMapping() << 0 << "box 10,10,20,20" << "shift 30" << moved;
        QTest::newRow("1/16") << ZoomMapping(1, 16) << 0 << "box 160,160,320,320" << "shift 480" << moved;
        QTest::newRow("2/3") << ZoomMapping(2, 3) << 0 << "box 30,30,30,30" << "shift 45"
                             << QVector<QRect> { QRect(17, 17, 27, 27), QRect(47, 17, 27, 27) };
        QTest::newRow("16x") << ZoomMapping(16, 1) << 0 << "box 2,2,2,2; select b1" << "shift 4"
                             << QVector<QRect> { QRect(37, 37, 39, 39), QRect(101, 37, 39, 39) };
        QTest::newRow("scrolled") << ZoomMapping() << 25 << "box 10,10,20,20" << "shift 30"
                                  << QVector<QRect> { QRect(0, 7, 9, 27), QRect(12, 7, 27, 27) };
        QTest::newRow("selection moved") << ZoomMapping() << 0 << "box 10,10,20,20; box 100,100,5,5; select b2"
                                         << "select b1" << QVector<QRect> { QRect(7, 7, 27, 27), QRect(97, 97, 12, 12) };
        QTest::newRow("hover: nothing") << ZoomMapping() << 0 << "box 10,10,20,20; select b1"
                                        << "move 10,10" << QVector<QRect> {};
        QTest::newRow("closing mark and rubber line")
            << ZoomMapping() << 0 << "tool poly; click 10,10; click 60,10; click 60,60; move 100,100"
            << "move 11,10" << QVector<QRect> { QRect(7, 7, 7, 7), QRect(60, 60, 41, 41), QRect(11, 10, 50, 51) };
    }
    void repaintsWhatChanged()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QString, change);
        Canvas canvas(QSize(400, 400) * zoom.denominator() / zoom.numerator(), zoom, QSize(300, 300));
        QFETCH(int, scroll);
        canvas.view.horizontalScrollBar()->setValue(scroll);
        QFETCH(QString, scene);
        QVERIFY(canvas.scene.play(scene));
        QVERIFY(canvas.settled());
        PaintWatch watch(canvas.port());
        if (change.startsWith("shift")) {
            canvas.scene.editor.apply([&change](Editing& e) {
                Area area = e.map.at(0);
                Box box = area.box();
                box.left += change.mid(6).toFloat();
                area.setBox(box);
                e.map.replace(area);
            });
        } else {
            QVERIFY(canvas.scene.play(change));
        }
        QApplication::processEvents();
        QFETCH(QVector<QRect>, repainted);
        QRegion expected;
        for (const QRect& rect : repainted)
            expected += rect;
        QVERIFY2(watch.painted.xored(expected).isEmpty(), qPrintable(rectsText(watch.painted)));
    }
};

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
