#include "view/WindowLayout.h"

#include <QtTest>

#include <climits>

// The main window's layout (the scroll bars' figures are tst_canvas's). As designed it is 465 x 473:
// 312 rows for the viewport between the controls (top 144) and the status bar (17), and the
// viewport's border leaves 463 x 310 for the picture.
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowLayout_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QString>("expected"); // the bordered viewport, then the bars shown
        const auto row = [](const char* name, QSize window, QSize canvas, const char* expected) {
            QTest::newRow(name) << window << canvas << QString(expected);
        };
        const QSize design(465, 473);
        row("a picture exactly the room", design, { 463, 310 }, "0,144 465x312");
        row("one pixel wider, low enough", design, { 464, 293 }, "0,144 465x295 across");
        row("one pixel wider brings both", design, { 464, 294 }, "0,144 448x295 across down");
        row("one pixel taller", design, { 100, 311 }, "0,144 448x312 down");
        row("the vertical bar brings the horizontal", design, { 447, 311 }, "0,144 448x295 across down");
        row("a window smaller than the rows", { 465, 150 }, { 1000, 1000 }, "0,144 448x0");
        row("two rows of viewport keep the bars", { 465, 180 }, { 1000, 1000 }, "0,144 448x2 across down");
        row("one row of viewport has none", { 465, 179 }, { 1000, 1000 }, "0,144 448x1");
        row("narrower than a bar", { 10, 473 }, { 100, 400 }, "0,144 0x295");
        row("a canvas as wide as an int", design, { INT_MAX, 10 }, "0,144 465x295 across");
    }
    void windowLayout()
    {
        QFETCH(QSize, window);
        QFETCH(QSize, canvas);
        LayoutInput in;
        in.window = window;
        in.canvas = canvas;
        const WindowLayout layout = layOutWindow(in);
        const QRect v = layout.viewport;
        QTEST(QStringLiteral("%1,%2 %3x%4%5%6")
                  .arg(v.left())
                  .arg(v.top())
                  .arg(v.width())
                  .arg(v.height())
                  .arg(layout.horizontalBar ? " across" : "", layout.verticalBar ? " down" : ""),
            "expected");
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "tst_layout.moc"
