#include "canvas/CanvasWidget.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/DocumentBuilders.h"
#include "support/DragTiming.h"
#include "support/EditorHarness.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

Q_DECLARE_METATYPE(ZoomMapping)

namespace {

void ShowPicture(MainForm& form, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    form.Controls().InnerPict->SetPicture(picture);
    form.Controls().InnerPict->setEnabled(true);
    form.Form_Resize();
}

// Plays "tool rect|circle|poly", "click X,Y" and "drag X,Y X,Y" with real mouse events on the
// canvas. Positions are picture pixels, sent at scale * position plus nudge screen pixels:
// the same gesture scaled, landing anywhere on the pixel's square.
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
        const QPointF from = at(words[1]);
        const QPointF to = words[0] == "drag" ? at(words[2]) : from;
        SendMouse(canvas, QEvent::MouseMove, from, Qt::NoButton);
        SendMouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseMove, to, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
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

QPoint PointerPixel(const MainForm& form)
{
    return QPoint(int(form.editor().state.mouseX), form.editor().state.mouseY);
}

} // namespace

// The zoom with the real main window and canvas: mouse events reach the editor in picture
// pixels, the wheel and the keys zoom around the right point, the bars reach the whole
// zoomed picture, and the canvas paints and repaints through the same mapping.
class ZoomWindowTest : public QObject {
    Q_OBJECT
private slots:
    void noDriftAt300Percent_data()
    {
        QTest::addColumn<int>("nudge");
        for (int nudge : { 0, 1, 2 })
            QTest::newRow(qPrintable(QStringLiteral("%1 into the square").arg(nudge))) << nudge;
    }
    void noDriftAt300Percent()
    {
        QFETCH(int, nudge);
        MainForm form;
        ShowPicture(form, QSize(300, 200));
        form.Zoom().ZoomTo(ZoomMapping(3, 1), QPoint());
        Play(form, "tool poly; click 20,30; click 120,35; click 70,150; click 20,30; tool rect; drag 10,10 250,140", 3,
            nudge);
        form.Controls().MapNameText->setText("m");
        form.generateButton_Click();
        QCOMPARE(form.Output().Dialog()->Text(),
            QStringLiteral("<map name=\"m\">\r\n<area href=\"\" alt=\"\" coords=\"10,10,250,140\">\r\n"
                           "<area href=\"\" alt=\"\" coords=\"20,30,120,35,70,150,20,30\" shape=\"poly\">\r\n</map>"));
    }

    void gesturesAt200MatchThoseAt100Scaled_data()
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
        QTest::newRow("build a polygon") << "tool poly; click 20,120; click 60,121; click 41,170; click 20,120"
                                         << box + triangle + " | P2 20,120 60,121 41,170 20,120* | arrow";
    }
    void gesturesAt200MatchThoseAt100Scaled()
    {
        QFETCH(QString, gestures);
        QString results[2];
        for (int scale : { 1, 2 }) {
            MainForm form;
            ShowPicture(form, QSize(300, 200));
            form.Zoom().ZoomTo(ZoomMapping(scale, 1), QPoint());
            form.Session().Apply([](Editor& e) {
                AddTestBox(e.map, 40, 40, 100, 60);
                AddTestPolygon(e.map, { { 200, 40 }, { 260, 40 }, { 230, 100 } });
            });
            Play(form, gestures, scale);
            results[scale - 1] = Describe(form.editor());
        }
        QTEST(results[0], "expected");
        QCOMPARE(results[1], results[0]);
    }

    void wheelKeepsThePixelUnderThePointer()
    {
        MainForm form;
        ShowPicture(form, QSize(1200, 800));
        const MainFormControls& c = form.Controls();
        c.HBar->setValue(-350);
        c.VBar->setValue(-250);
        const QPoint anchor(300, 200); // in the viewport
        SendMouse(c.InnerPict, QEvent::MouseMove, anchor - c.InnerPict->pos(), Qt::NoButton);
        const QPoint kept = PointerPixel(form);
        QCOMPARE(kept, QPoint(650, 450));
        // Up to 16x, a notch more there, and down to 1/2, where the picture still fills the view.
        for (int step : { 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1 }) {
            TurnWheel(c.OuterPict, anchor, 120 * step);
            SendMouse(c.InnerPict, QEvent::MouseMove, anchor - c.InnerPict->pos(), Qt::NoButton);
            const ZoomMapping zoom = c.InnerPict->Zoom();
            const QPoint now = PointerPixel(form);
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
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<bool>("inTextBox");
        QTest::addColumn<QString>("level");
        const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
        QTest::newRow("ctrl shift +") << QList { QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier,
            Qt::Key_Plus) } << false << "200%";
        QTest::newRow("ctrl = ctrl = ctrl -")
            << QList { ctrl(Qt::Key_Equal), ctrl(Qt::Key_Equal), ctrl(Qt::Key_Minus) } << false << "200%";
        QTest::newRow("ctrl - ctrl 0") << QList { ctrl(Qt::Key_Minus), ctrl(Qt::Key_0) } << false << "100%";
        QTest::newRow("ctrl 9 enlarges a small picture") << QList { ctrl(Qt::Key_9) } << false << "200%";
        QTest::newRow("= alone") << QList { QKeyCombination(Qt::Key_Equal) } << false << "100%";
        QTest::newRow("in the URL box") << QList { ctrl(Qt::Key_Equal), ctrl(Qt::Key_9) } << true << "100%";
    }
    void keys()
    {
        QFETCH(QList<QKeyCombination>, keys);
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
        for (const QKeyCombination& key : keys)
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QTEST(c.ZoomPanel->text(), "level");
        QCOMPARE(c.StatusBar->height(), kStatusBarHeight);
        QVERIFY(form.editor().map == before.map); // no keyboard command ran...
        if (!inTextBox) { // ...and they still run
            QTest::keyClick(target, Qt::Key_Delete);
            QCOMPARE(form.editor().map.boxCount, int16_t(0));
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
        ShowPicture(form, QSize(1000, 800));
        form.Zoom().ZoomTo(ZoomMapping(2, 1), QPoint());
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
        ShowPicture(form, QSize(3000, 2500));
        form.Zoom().ZoomTo(ZoomMapping(16, 1), QPoint());
        const MainFormControls& c = form.Controls();
        const QPoint farEnd(c.OuterPict->ScaleWidth() - 48000, c.OuterPict->ScaleHeight() - 40000);
        QCOMPARE(QPoint(c.HBar->Max(), c.VBar->Max()), farEnd);
        c.HBar->Bar()->setValue(c.HBar->Bar()->maximum()); // both thumbs at their far ends
        c.VBar->Bar()->setValue(c.VBar->Bar()->maximum());
        QCOMPARE(c.InnerPict->pos(), farEnd);
        // The viewport's last pixel shows the picture's last one.
        SendMouse(c.InnerPict, QEvent::MouseMove, QPoint(47999, 39999), Qt::NoButton);
        QCOMPARE(c.PositionPanel->text(), QStringLiteral("2999,2499"));
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

    void repaintsWhatChangedAtZoom_data()
    {
        QTest::addColumn<ZoomMapping>("zoom");
        QTest::addColumn<QRectF>("box"); // then moved right by its width and a half
        QTest::addColumn<QRect>("bothOutlines"); // in screen pixels
        QTest::addColumn<QRect>("untouched");
        QTest::newRow("1/16") << ZoomMapping(1, 16) << QRectF(160, 160, 320, 320) << QRect(9, 9, 52, 22)
                              << QRect(9, 40, 60, 10);
        QTest::newRow("2/3") << ZoomMapping(2, 3) << QRectF(30, 30, 60, 60) << QRect(19, 19, 102, 42)
                             << QRect(0, 80, 200, 20);
        QTest::newRow("16x") << ZoomMapping(16, 1) << QRectF(2, 2, 4, 4) << QRect(38, 38, 164, 68)
                             << QRect(0, 200, 300, 50);
    }
    void repaintsWhatChangedAtZoom()
    {
        QFETCH(ZoomMapping, zoom);
        QFETCH(QRectF, box);
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(Qt::white);
        CanvasWidget canvas;
        canvas.SetPicture(picture);
        canvas.SetZoom(zoom);
        ImagemapDocument map;
        AddTestBox(map, float(box.x()), float(box.y()), float(box.width()), float(box.height()));
        canvas.Present(map);
        map.box(1).Left += 1.5f * map.box(1).Width;
        canvas.Present(map);
        QFETCH(QRect, bothOutlines);
        QFETCH(QRect, untouched);
        QVERIFY(canvas.LastRepaint().contains(bothOutlines));
        QVERIFY(!canvas.LastRepaint().intersects(untouched));
    }
};

QTEST_MAIN(ZoomWindowTest)
#include "tst_zoom_window.moc"
