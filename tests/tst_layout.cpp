#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "layout/ScrollBarMapping.h"
#include "layout/WindowLayout.h"

#include <QScrollBar>
#include <QtTest>

#include <climits>

// What one wheel event reports: its angle delta, its pixel delta (null from a plain wheel) and Shift.
struct Turn {
    QPoint angle;
    QPoint pixels;
    bool shift = false;
};
Q_DECLARE_METATYPE(QList<Turn>)
Q_DECLARE_METATYPE(LayoutInput)

namespace {

QString Describe(const ControlGeometry& g)
{
    return QStringLiteral("%1,%2 %3x%4").arg(g.left).arg(g.top).arg(g.width).arg(g.height);
}

QString Describe(const LayoutResult& r)
{
    const QString none = QStringLiteral("-");
    return QStringLiteral("%1%2 in %3x%4 h %5 v %6%7")
        .arg(r.applies ? QString() : QStringLiteral("kept "), Describe(r.outerPict))
        .arg(r.viewportScaleWidth)
        .arg(r.viewportScaleHeight)
        .arg(r.hBarVisible ? Describe(r.hBar) : none, r.vBarVisible ? Describe(r.vBar) : none,
            r.updateScrollRanges ? QStringLiteral(" ranges") : QString());
}

QString Describe(const ScrollRange& r)
{
    return QStringLiteral("%1..%2 step %3 page %4").arg(r.Min).arg(r.Max).arg(r.SmallChange).arg(r.LargeChange);
}

// The window as designed: a 465 x 473 client area leaves 465 x 312 for the viewport below
// the tool strip (top 144) and above the 17-pixel status bar, and the viewport's one-pixel
// border leaves 463 x 310 inside it.
LayoutInput DesignInput(int formWidth, int formHeight, int imageWidth, int imageHeight, bool minimized = false)
{
    return { minimized, formWidth, formHeight, 0, 144, 449, 297, 447, 295, imageWidth, imageHeight, 17 };
}

void AddLayoutRow(const char* name, int formWidth, int formHeight, int imageWidth, int imageHeight,
    const char* expected, bool minimized = false)
{
    QTest::newRow(name) << DesignInput(formWidth, formHeight, imageWidth, imageHeight, minimized)
                        << QString::fromLatin1(expected);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void formLayout_data()
    {
        QTest::addColumn<LayoutInput>("input");
        QTest::addColumn<QString>("expected");
        AddLayoutRow("design size, exact fit", 465, 473, 463, 310, "0,144 465x312 in 463x310 h - v -");
        AddLayoutRow("fits under hbar", 465, 473, 464, 293, "0,144 465x295 in 463x293 h 0,439 465x17 v - ranges");
        AddLayoutRow(
            "hbar brings vbar", 465, 473, 464, 294, "0,144 448x295 in 446x293 h 0,439 448x17 v 448,144 17x295 ranges");
        AddLayoutRow("1 px too tall", 465, 473, 100, 311, "0,144 448x312 in 446x310 h - v 448,144 17x312 ranges");
        AddLayoutRow(
            "vbar brings hbar", 465, 473, 447, 311, "0,144 448x295 in 446x293 h 0,439 448x17 v 448,144 17x295 ranges");
        AddLayoutRow("2 px high", 465, 180, 1000, 1000, "0,144 448x2 in 446x0 h 0,146 448x17 v 448,144 17x2 ranges");
        AddLayoutRow("1 px high", 465, 179, 1000, 1000, "0,144 448x1 in 446x0 h - v -");
        AddLayoutRow("negative width", 10, 473, 100, 400, "0,144 0x295 in 0x293 h - v -");
        AddLayoutRow("minimized", 465, 473, 1000, 1000, "kept 0,0 0x0 in 0x0 h - v -", true);
    }
    void formLayout()
    {
        QFETCH(LayoutInput, input);
        QTEST(Describe(ComputeFormLayout(input)), "expected");
    }

    // Wherever the picture does not fit on an axis, that axis has a bar: no part of it is
    // ever out of reach.
    void noPartOutOfReach()
    {
        for (int width = 440; width <= 470; ++width) {
            for (int height = 285; height <= 315; ++height) {
                const LayoutResult r = ComputeFormLayout(DesignInput(465, 473, width, height));
                const QString at = QStringLiteral("%1 x %2: ").arg(width).arg(height) + Describe(r);
                QVERIFY2(r.hBarVisible || width <= r.viewportScaleWidth, qPrintable(at));
                QVERIFY2(r.vBarVisible || height <= r.viewportScaleHeight, qPrintable(at));
            }
        }
    }

    void scrollRange_data()
    {
        QTest::addColumn<int>("viewport");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("expected");
        QTest::newRow("4 px") << 4 << 10 << "0..-6 step 1 page 1";
        QTest::newRow("fifth 2.4") << 12 << 100 << "0..-88 step 2 page 12";
        QTest::newRow("fifth 2.6") << 13 << 100 << "0..-87 step 3 page 13";
        QTest::newRow("image fits") << 300 << 100 << "0..200 step 60 page 300";
        // A zoomed picture goes far past 16 bits: 12000 pixels at 16x are 192,000 on screen.
        QTest::newRow("12000 px at 16x") << 1280 << 192000 << "0..-190720 step 256 page 1280";
        QTest::newRow("beyond int") << 0 << INT_MAX << "0..-2147483647 step 1 page 1";
    }
    void scrollRange()
    {
        QFETCH(int, viewport);
        QFETCH(int, image);
        // The other axis gets a different size, so a swapped axis shows.
        QTEST(Describe(ComputeScrollRanges(viewport, 1, image, 1).hBar), "expected");
        QTEST(Describe(ComputeScrollRanges(1, viewport, 1, image).vBar), "expected");
    }

    void wheelOverTheViewport_data()
    {
        QTest::addColumn<QList<Turn>>("turns");
        QTest::addColumn<QPoint>("values"); // the bars' values, from -200 and -200; arrow steps 90 across, 60 down
        const auto repeat = [](int count, Turn turn) { return QList<Turn>(count, turn); };
        QTest::newRow("a notch down") << repeat(1, { { 0, -120 }, {} }) << QPoint(-200, -260);
        QTest::newRow("fractions carried over") << repeat(7, { { -10, 0 }, {} }) << QPoint(-252, -200); // 7 x 7.5
        QTest::newRow("touchpad pixels win") << repeat(3, { { 0, -84 }, { 0, -7 } }) << QPoint(-200, -221);
        QTest::newRow("touchpad both ways") << repeat(1, { { -60, -108 }, { -5, -9 } }) << QPoint(-205, -209);
        QTest::newRow("sideways wheel") << repeat(1, { { -120, 0 }, {} }) << QPoint(-290, -200);
        QTest::newRow("Shift turns across") << repeat(1, { { 0, -120 }, {}, true }) << QPoint(-290, -200);
        QTest::newRow("stops at the end") << repeat(20, { { 0, 120 }, {} }) << QPoint(-200, 0);
        QTest::newRow("huge figures") << repeat(1, { { 0, -2147483647 }, {} }) << QPoint(-200, -503);
    }
    void wheelOverTheViewport()
    {
        QFETCH(QList<Turn>, turns);
        QWidget window;
        auto* frame = new ViewportFrame(&window);
        frame->setGeometry(0, 0, 200, 200);
        auto* across = new ScrollBarControl(new QScrollBar(Qt::Horizontal, &window));
        auto* down = new ScrollBarControl(new QScrollBar(Qt::Vertical, &window));
        frame->SetScrollBars(across->Bar(), down->Bar());
        across->setScrollRange({ 0, -551, 90, 449 });
        down->setScrollRange({ 0, -503, 60, 297 });
        across->setValue(-200);
        down->setValue(-200);
        window.show();

        for (const Turn& turn : turns) {
            const QPointF at(100, 100);
            QWheelEvent event(at, frame->mapToGlobal(at), turn.pixels, turn.angle, Qt::NoButton,
                turn.shift ? Qt::ShiftModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(frame, &event);
            QVERIFY(event.isAccepted());
        }
        QTEST(QPoint(across->Value(), down->Value()), "values");
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
