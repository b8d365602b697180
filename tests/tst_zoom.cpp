#include "canvas/CanvasWidget.h"
#include "display/ZoomLevels.h"
#include "editing/HitTest.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "mainwindow/MainForm.h"
#include "support/EditorHarness.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(ZoomMapping)

namespace {

// Sent straight to the widget: zoomed positions go far beyond what QTest's integer events reach.
void Send(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void ShowPicture(MainForm& form, QSize size, ZoomMapping zoom = ZoomMapping())
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    form.Controls().InnerPict->SetPicture(picture);
    form.Controls().InnerPict->setEnabled(true);
    form.Form_Resize();
    form.Zoom().ZoomTo(zoom, QPoint());
}

// Plays "tool rect|circle|poly", "click X,Y" and "drag X,Y X,Y ..." (pressed at the first point,
// through the others, released at the last) with real mouse events on the canvas. Positions
// are picture pixels, sent at scale * position plus nudge screen pixels: the same gesture
// scaled, landing anywhere on the pixel's square.
void Play(MainForm& form, const QString& script, int scale, int nudge = 0)
{
    QWidget* canvas = form.Controls().InnerPict;
    const auto at = [scale, nudge](const QString& text) {
        const QStringList xy = text.split(',');
        return QPointF(xy[0].toInt() * scale + nudge, xy[1].toInt() * scale + nudge);
    };
    for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList words = step.simplified().split(' ');
        if (words[0] == "tool") {
            form.Session().ChooseTool(
                words[1] == "rect" ? ToolMode::Rect : (words[1] == "circle" ? ToolMode::Circle : ToolMode::Poly));
            continue;
        }
        QPointF from = at(words[1]);
        Send(canvas, QEvent::MouseMove, from);
        Send(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (const QString& point : words.mid(words[0] == "drag" ? 2 : 1)) {
            Send(canvas, QEvent::MouseMove, (from + at(point)) / 2, Qt::LeftButton);
            Send(canvas, QEvent::MouseMove, from = at(point), Qt::LeftButton);
        }
        Send(canvas, QEvent::MouseButtonRelease, from);
    }
}

// The pointer moved over the canvas, as the window system reports it (QTest takes a point 0,0
// of the widget itself for its centre).
void Hover(QWidget* canvas, QPoint at)
{
    QTest::mouseMove(canvas->window(), canvas->mapTo(canvas->window(), at));
}

// Ctrl and the wheel at a point of the viewport's client area. A wheel event that the
// program sends goes to its receiver alone, so it goes to the viewport, where the canvas's
// own wheel events end up.
void TurnWheel(ViewportFrame* viewport, QPoint at, int delta)
{
    const QPointF position = viewport->ClientArea()->mapTo(viewport, at);
    QWheelEvent wheel(position, viewport->mapToGlobal(position), QPoint(), QPoint(0, delta), Qt::NoButton,
        Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

} // namespace

// The zoom from its arithmetic up to the real main window: mouse events reach the editor in
// picture pixels, handles keep their size on screen, the wheel and the keys zoom around the
// right point, the bars reach the whole zoomed picture, and the canvas paints through the
// same mapping.
class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QCursor::setPos(0, 0); } // off every window: the first move of a test is a move
    void wholePixelsGoBothWaysWithoutDrift_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        for (const ZoomMapping& level : ZoomLevels())
            QTest::newRow(qPrintable(level.PercentText())) << level;
    }
    void wholePixelsGoBothWaysWithoutDrift()
    {
        QFETCH(ZoomMapping, zoom);
        // From far left of the picture to far beyond a 16-bit one at 16x.
        QList<int64_t> pixels { 32767, -32768, 524287 };
        for (int64_t p = -70000; p <= 600000; p += 997)
            pixels << p;
        for (int64_t p = -50; p <= 50; ++p)
            pixels << p;
        for (const int64_t p : pixels) {
            // Above 100 % every picture pixel has screen pixels of its own; below, every
            // screen pixel shows a picture pixel of its own.
            if (zoom.Factor() >= 1)
                QCOMPARE(zoom.PicturePixel(zoom.ScreenPixel(p)), p);
            if (zoom.Factor() <= 1)
                QCOMPARE(zoom.ScreenPixel(zoom.PicturePixel(p)), p);
            // A vertex on pixel p is drawn inside the screen pixel that shows p's centre.
            QCOMPARE(int64_t(std::floor(zoom.ScreenCoordinate(double(p)) + 0.5)), zoom.ScreenPixel(p));
            QVERIFY(std::abs(zoom.PictureCoordinate(zoom.ScreenCoordinate(double(p))) - double(p)) < 1e-6);
        }
    }

    // Zooming keeps the picture pixel under the pointer still, far beyond 16 bits at 16x.
    void wheelKeepsThePixelUnderThePointer()
    {
        MainForm form;
        ShowPicture(form, QSize(3000, 800));
        const MainFormControls& c = form.Controls();
        c.HBar->setValue(-2400);
        c.VBar->setValue(-250);
        const QPoint anchor(300, 200); // in the viewport
        const auto pointerPixel = [&] {
            Send(c.InnerPict, QEvent::MouseMove, anchor - c.InnerPict->pos());
            return QPoint(int(form.editor().state.mouseX), int(form.editor().state.mouseY));
        };
        const QPoint kept = pointerPixel();
        // Up to 16x, a notch more there, and down to 1/2, where the picture still fills the view.
        for (int step : { 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1 }) {
            TurnWheel(c.OuterPict, anchor, 120 * step);
            const ZoomMapping zoom = c.InnerPict->Zoom();
            const QPoint now = pointerPixel();
            const double reach = zoom.Factor() >= 1 ? 0 : 1 / zoom.Factor(); // one screen pixel's worth
            QVERIFY2(std::abs(now.x() - kept.x()) <= reach && std::abs(now.y() - kept.y()) <= reach,
                qPrintable(QStringLiteral("%1: %2,%3").arg(zoom.PercentText()).arg(now.x()).arg(now.y())));
        }
        QCOMPARE(c.ZoomPanel->text(), QStringLiteral("50%"));
        TurnWheel(c.OuterPict, anchor, 60); // a touchpad's small turns add up to a notch
        QCOMPARE(c.ZoomPanel->text(), QStringLiteral("50%"));
        TurnWheel(c.OuterPict, anchor, 60);
        QCOMPARE(c.ZoomPanel->text(), QStringLiteral("66.7%"));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("inTextBox");
        QTest::addColumn<QString>("level");
        QTest::newRow("ctrl shift +") << "Ctrl+Shift++" << false << "200%";
        QTest::newRow("ctrl = ctrl = ctrl -") << "Ctrl+=, Ctrl+=, Ctrl+-" << false << "200%";
        QTest::newRow("ctrl - ctrl 0") << "Ctrl+-, Ctrl+0" << false << "100%";
        QTest::newRow("ctrl 9 enlarges a small picture") << "Ctrl+9" << false << "200%";
        QTest::newRow("= alone") << "=" << false << "100%";
        QTest::newRow("in the URL box") << "Ctrl+=, Ctrl+9" << true << "100%";
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(bool, inTextBox);
        MainForm form;
        ShowPicture(form, QSize(200, 100));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 10, 10, 50, 50);
            SelectTestBox(e, 1);
        });
        const MainFormControls& c = form.Controls();
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        c.HrefText->setEnabled(true);
        QWidget* target = inTextBox ? static_cast<QWidget*>(c.HrefText) : c.InnerPict;
        target->setFocus();
        const Editor before = form.editor();
        const QKeySequence sequence(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(target, sequence[i].key(), sequence[i].keyboardModifiers());
        QTEST(c.ZoomPanel->text(), "level");
        QCOMPARE(c.StatusBar->height(), kStatusBarHeight);
        QVERIFY(form.editor().map == before.map); // no keyboard command ran...
        if (!inTextBox) { // ...and they still run
            QTest::keyClick(target, Qt::Key_Delete);
            QCOMPARE(form.editor().map.boxCount, int16_t(0));
        }
    }

    // A handle is drawn as a square of 7 screen pixels around the pixel that shows its point,
    // at every zoom, and exactly that square grabs it: the pointer on its edge takes it, a pixel
    // further out does not. So with the closing marker, a circle in such a square, and with a
    // box's sides, 3 screen pixels either side of the line.
    void handlesGrabWhereTheyAreDrawn_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QString>("handle"); // of a selected box or polygon, or the closing marker
        for (const ZoomMapping& zoom : { ZoomMapping(1, 16), ZoomMapping(2, 3), ZoomMapping(), ZoomMapping(3, 1),
                 ZoomMapping(4, 1), ZoomMapping(16, 1) })
            for (const char* handle : { "corner", "vertex", "marker" })
                QTest::newRow(qPrintable(zoom.PercentText() + ' ' + handle)) << zoom << QString(handle);
    }
    void handlesGrabWhereTheyAreDrawn()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QString, handle);
        MainForm form;
        const int side = 210 * zoom.Denominator() / zoom.Numerator(); // about 210 screen pixels, in one colour
        ShowPicture(form, QSize(side, side), zoom);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        CanvasWidget* canvas = form.Controls().InnerPict;
        // The handle's point shows at about screen pixel 100, anywhere on a picture pixel's
        // square; the area reaches about 100 screen pixels further.
        const auto p = static_cast<int16_t>(100 * zoom.Denominator() / zoom.Numerator() + 3);
        const auto q = static_cast<int16_t>(p + 100 * zoom.Denominator() / zoom.Numerator());
        form.Session().Apply([&](Editor& e) {
            if (handle == "corner")
                SelectTestBox(e, AddTestBox(e.map, p, p, q - p, q - p));
            else if (handle == "vertex")
                SelectTestPolygon(e, AddTestPolygon(e.map, { { p, p }, { q, p }, { q, q } }));
            else
                e.state.buildingPoly = AddTestPolygon(e.map, { { p, p }, { q, p }, { q, q } }, false);
            e.state.toolMode = handle == "marker" ? ToolMode::Poly : ToolMode::Arrow;
        });
        form.RedrawOverlay();
        const int s = static_cast<int>(zoom.ScreenPixel(p));
        const auto grabbed = [&](QPoint offset, ToolMode mode = ToolMode::ResizeCorner) {
            Hover(canvas, QPoint(s, s) + offset);
            return handle == "marker" ? canvas->Display().PolyShape().Visible : form.editor().state.toolMode == mode;
        };
        QVERIFY(grabbed({ 0, 0 }));
        const QImage shot = canvas->grab(QRect(s - 10, s - 10, 21, 21)).toImage(); // around the handle
        const auto drawn = [&shot](QPoint offset) { return shot.pixel(QPoint(10, 10) + offset) != shot.pixel(0, 0); };
        const bool marker = handle == "marker";
        const QPoint edges[] = { { -3, marker ? 0 : -3 }, { marker ? 0 : 3, -3 }, { marker ? 0 : -3, 3 } };
        for (const QPoint& edge : edges) {
            // Drawn and grabbing on the edge; a pixel further out, neither.
            const QPoint out = edge + edge / 3;
            const auto seen = [&](QPoint at) {
                return QStringLiteral("%1 %2").arg(drawn(at) ? "drawn" : "blank", grabbed(at) ? "grabs" : "misses");
            };
            QCOMPARE(
                seen(edge) + ", a pixel out " + seen(out), QStringLiteral("drawn grabs, a pixel out blank misses"));
        }
        if (handle == "corner") { // the top side
            QVERIFY(grabbed({ 20, -3 }, ToolMode::ResizeSide));
            QVERIFY(grabbed({ 20, -4 }, ToolMode::Arrow));
        }
        if (marker) { // a click on the marker's edge closes the polygon
            Hover(canvas, QPoint(s + 3, s + 3));
            QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(s + 3, s + 3));
            QCOMPARE(form.editor().state.buildingPoly, int16_t(0));
        }
    }

    // Zoomed out, every screen pixel of the canvas reads a pixel of the picture: 0 in the first
    // column and row, one inside the picture in the last, with the view scrolled to its end.
    void zoomedOutPointerStaysInThePicture_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QString>("last");
        QTest::newRow("1/8") << ZoomMapping(1, 8) << "1000,1000";
        QTest::newRow("1/16") << ZoomMapping(1, 16) << "992,992";
        QTest::newRow("2/3") << ZoomMapping(2, 3) << "1002,1002";
    }
    void zoomedOutPointerStaysInThePicture()
    {
        QFETCH(ZoomMapping, zoom);
        MainForm form;
        ShowPicture(form, QSize(1004, 1004), zoom);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const MainFormControls& c = form.Controls();
        Hover(c.InnerPict, QPoint(0, 0));
        QCOMPARE(c.PositionPanel->text(), QStringLiteral("0,0"));
        for (QScrollBar* bar : { c.HBar->Bar(), c.VBar->Bar() })
            bar->setValue(bar->isVisible() ? bar->maximum() : 0);
        Hover(c.InnerPict, QPoint(c.InnerPict->width() - 1, c.InnerPict->height() - 1));
        QTEST(c.PositionPanel->text(), "last");
    }

    // Gestures at 200 % and 300 %, landing anywhere on a picture pixel's square, leave what
    // the same gestures leave at 100 %: no drift at fractional screen positions.
    void gesturesAtZoomMatchThoseAt100Scaled_data()
    {
        QTest::addColumn<QString>("gestures");
        QTest::addColumn<QString>("expected");
        // On a box 40,40 100x60 and a triangle, nothing selected.
        const QString box = "B1 rect 40,40 100x60 | ";
        const QString triangle = "P1 200,40 260,40 230,100 200,40";
        QTest::newRow("draw a rectangle")
            << "tool rect; drag 80,190 20,150" << box + "B2 rect 20,150 60x40* | " + triangle + " | arrow";
        QTest::newRow("draw a circle") << "tool circle; drag 150,150 170,160"
                                       << box + "B2 circle 130,130 40x40* | " + triangle + " | arrow";
        QTest::newRow("move the box") << "drag 90,70 101,64"
                                      << "B1 rect 51,34 100x60* | " + triangle + " | arrow";
        QTest::newRow("drag its corner") << "click 90,70; drag 140,100 160,121"
                                         << "B1 rect 40,40 120x81* | " + triangle + " | resize_corner";
        QTest::newRow("drag its left side") << "click 90,70; drag 40,70 31,80"
                                            << "B1 rect 31,40 109x60* | " + triangle + " | resize_side";
        QTest::newRow("drag a vertex") << "click 230,60; drag 260,40 281,33"
                                       << box + "P1 200,40 281,33 230,100 200,40* | resize_corner";
        // Far past the 16-bit range and back: the area comes back with the pointer, and a
        // rubber band still reaches its press point.
        QTest::newRow("move the box far off and back") << "drag 90,70 -40000,70 90,70"
                                                       << "B1 rect 40,40 100x60* | " + triangle + " | arrow";
        QTest::newRow("move the triangle far off and back")
            << "drag 230,60 230,-40000 230,60" << box + "P1 200,40 260,40 230,100 200,40* | arrow";
        QTest::newRow("a circle's side far off and back")
            << "tool circle; drag 150,150 170,150; drag 130,150 -40000,150 120,150"
            << box + "B2 circle 120,120 60x60* | " + triangle + " | resize_side";
        QTest::newRow("a rubber band far off")
            << "tool rect; drag 100,190 -40000,150" << box + "B2 rect -32768,150 32868x40* | " + triangle + " | arrow";
        QTest::newRow("build a polygon") << "tool poly; click 20,120; click 60,121; click 41,170; click 20,120"
                                         << box + triangle + " | P2 20,120 60,121 41,170 20,120* | arrow";
    }
    void gesturesAtZoomMatchThoseAt100Scaled()
    {
        QFETCH(QString, gestures);
        for (int scale : { 1, 2, 3 }) {
            MainForm form;
            ShowPicture(form, QSize(300, 200), ZoomMapping(scale, 1));
            form.Session().Apply([](Editor& e) {
                AddTestBox(e.map, 40, 40, 100, 60);
                AddTestPolygon(e.map, { { 200, 40 }, { 260, 40 }, { 230, 100 } });
            });
            Play(form, gestures, scale, scale - 1);
            QTEST(Describe(form.editor()), "expected");
        }
    }

    void duplicateAndNudgeStayInPicturePixels_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        // At 200 % with the canvas scrolled by 1000 screen pixels, 500 picture pixels show
        // from picture x 500: within 20 of that end a copy goes to the picture's centre.
        QTest::newRow("copy 10 right and down") << 400.f << int('D') << "B2 rect 410,110 10x10*";
        QTest::newRow("copy near the visible end") << 490.f << int('D') << "B2 rect 500,400 10x10*";
        QTest::newRow("nudge one picture pixel") << 400.f << 39 << "B1 rect 401,100 10x10*";
    }
    void duplicateAndNudgeStayInPicturePixels()
    {
        QFETCH(float, left);
        QFETCH(int, key);
        MainForm form;
        ShowPicture(form, QSize(1000, 800), ZoomMapping(2, 1));
        form.Controls().HBar->setValue(-1000);
        form.Session().Apply([left](Editor& e) {
            AddTestBox(e.map, left, 100, 10, 10);
            SelectTestBox(e, 1);
        });
        form.Form_KeyDown(int16_t(key), key == 'D' ? 2 : 0);
        QTEST(Describe(form.editor()).split(" | ").at(form.editor().map.boxCount - 1), "expected");
    }

    void scrollRangesBeyond16Bits()
    {
        MainForm form;
        ShowPicture(form, QSize(3000, 2500), ZoomMapping(16, 1));
        const MainFormControls& c = form.Controls();
        const QPoint farEnd(c.OuterPict->ScaleWidth() - 48000, c.OuterPict->ScaleHeight() - 40000);
        QCOMPARE(QPoint(c.HBar->Max(), c.VBar->Max()), farEnd);
        c.HBar->Bar()->setValue(c.HBar->Bar()->maximum()); // both thumbs at their far ends
        c.VBar->Bar()->setValue(c.VBar->Bar()->maximum());
        QCOMPARE(c.InnerPict->pos(), farEnd);
        // The viewport's last pixel shows the picture's last one.
        Send(c.InnerPict, QEvent::MouseMove, QPoint(47999, 39999));
        QCOMPARE(c.PositionPanel->text(), QStringLiteral("2999,2499"));
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
