#include "forms/ScrollBarControl.h"
#include "forms/ScrollBarMapping.h"
#include "forms/WindowLayout.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void formLayout_data();
    void formLayout();
    void minimizedChangesNothing();
    void scrollRange_data();
    void scrollRange();
    void largeImageInDesignViewport();
    void barPositionMapping_data();
    void barPositionMapping();

    void init();
    void cleanup();
    void valueAtRightEndIsMax();
    void narrowerRangeMovesValue();
    void actions_data();
    void actions();
    void userInputMovesTowardsMax_data();
    void userInputMovesTowardsMax();
    void dragScrollsThenChangesOnce();

private:
    std::unique_ptr<QScrollBar> m_bar;
    ScrollBarControl* m_control = nullptr;
};

namespace {

// The main window as designed: the viewport below the tool strip has a 2-pixel frame.
LayoutInput DesignInput(int formWidth, int formHeight, int imageWidth, int imageHeight)
{
    LayoutInput in;
    in.formScaleWidth = formWidth;
    in.formScaleHeight = formHeight;
    in.outerWidth = 449;
    in.outerHeight = 297;
    in.outerScaleWidth = 445;
    in.outerScaleHeight = 293;
    in.innerWidth = imageWidth;
    in.innerHeight = imageHeight;
    in.statusBarHeight = 17;
    return in;
}

QString Describe(const ControlGeometry& g)
{
    return QStringLiteral("%1,%2 %3x%4").arg(g.left).arg(g.top).arg(g.width).arg(g.height);
}

QString Describe(const LayoutResult& r)
{
    return QStringLiteral("%1 view %2x%3 | h %4 | v %5%6")
        .arg(Describe(r.outerPict))
        .arg(r.viewportScaleWidth)
        .arg(r.viewportScaleHeight)
        .arg(r.hBarVisible ? Describe(r.hBar) : QStringLiteral("-"))
        .arg(r.vBarVisible ? Describe(r.vBar) : QStringLiteral("-"))
        .arg(r.updateScrollRanges ? QStringLiteral(" | ranges") : QString());
}

QString Describe(const ScrollRange& r)
{
    return QStringLiteral("%1..%2 step %3 page %4").arg(r.Min).arg(r.Max).arg(r.SmallChange).arg(r.LargeChange);
}

} // namespace

void LayoutTest::formLayout_data()
{
    QTest::addColumn<int>("formWidth");
    QTest::addColumn<int>("formHeight");
    QTest::addColumn<int>("imageWidth");
    QTest::addColumn<int>("imageHeight");
    QTest::addColumn<QString>("expected");

    // The design window leaves 465 x 312 for the viewport, 4 of it taken by the frame.
    QTest::newRow("small image") << 465 << 473 << 100 << 100 << "0,144 465x312 view 461x308 | h - | v -";
    QTest::newRow("exact fit") << 465 << 473 << 461 << 308 << "0,144 465x312 view 461x308 | h - | v -";
    QTest::newRow("1 px too wide") << 465 << 473 << 462 << 100
                                   << "0,144 465x295 view 461x291 | h 0,439 465x17 | v - | ranges";
    QTest::newRow("fits under hbar") << 465 << 473 << 462 << 291
                                     << "0,144 465x295 view 461x291 | h 0,439 465x17 | v - | ranges";
    QTest::newRow("hbar brings vbar") << 465 << 473 << 462 << 292
                                      << "0,144 448x295 view 444x291 | h 0,439 448x17 | v 448,144 17x295 | ranges";
    QTest::newRow("1 px too tall") << 465 << 473 << 100 << 309
                                   << "0,144 448x312 view 444x308 | h - | v 448,144 17x312 | ranges";
    QTest::newRow("vbar brings hbar") << 465 << 473 << 445 << 309
                                      << "0,144 448x295 view 444x291 | h 0,439 448x17 | v 448,144 17x295 | ranges";
    QTest::newRow("shorter than strip") << 465 << 150 << 100 << 100 << "0,144 448x0 view 444x0 | h - | v -";
    QTest::newRow("2 px high") << 465 << 180 << 1000 << 1000
                               << "0,144 448x2 view 444x0 | h 0,146 448x17 | v 448,144 17x2 | ranges";
    QTest::newRow("1 px high") << 465 << 179 << 1000 << 1000 << "0,144 448x1 view 444x0 | h - | v -";
    QTest::newRow("negative width") << 10 << 473 << 100 << 400 << "0,144 0x295 view 0x291 | h - | v -";
}

void LayoutTest::formLayout()
{
    QFETCH(int, formWidth);
    QFETCH(int, formHeight);
    QFETCH(int, imageWidth);
    QFETCH(int, imageHeight);
    QFETCH(QString, expected);

    const LayoutResult result = ComputeFormLayout(DesignInput(formWidth, formHeight, imageWidth, imageHeight));
    QVERIFY(result.applies);
    QCOMPARE(Describe(result), expected);
}

void LayoutTest::minimizedChangesNothing()
{
    LayoutInput in = DesignInput(465, 473, 1000, 1000);
    in.minimized = true;
    const LayoutResult result = ComputeFormLayout(in);
    QVERIFY(!result.applies);
    QVERIFY(!result.hBarVisible && !result.vBarVisible && !result.updateScrollRanges);
}

void LayoutTest::scrollRange_data()
{
    QTest::addColumn<int>("viewport");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4 px") << 4 << 10 << "0..-6 step 1 page 1";
    QTest::newRow("5 px") << 5 << 10 << "0..-5 step 1 page 5";
    QTest::newRow("300 px") << 300 << 1000 << "0..-700 step 60 page 300";
    QTest::newRow("fifth 2.4") << 12 << 100 << "0..-88 step 2 page 12";
    QTest::newRow("fifth 2.6") << 13 << 100 << "0..-87 step 3 page 13";
    QTest::newRow("image fits") << 300 << 100 << "0..200 step 60 page 300";
    QTest::newRow("huge image") << 0 << 40000 << "0..-32768 step 1 page 1";
    QTest::newRow("huge viewport") << 40000 << 0 << "0..32767 step 8000 page 32767";
}

void LayoutTest::scrollRange()
{
    QFETCH(int, viewport);
    QFETCH(int, image);
    QFETCH(QString, expected);

    QCOMPARE(Describe(ComputeScrollRanges(viewport, 1, image, 1).hBar), expected);
    QCOMPARE(Describe(ComputeScrollRanges(1, viewport, 1, image).vBar), expected);
}

void LayoutTest::largeImageInDesignViewport()
{
    const ScrollRanges ranges = ComputeScrollRanges(449, 297, 1000, 800);
    QCOMPARE(Describe(ranges.hBar), QStringLiteral("0..-551 step 90 page 449"));
    QCOMPARE(Describe(ranges.vBar), QStringLiteral("0..-503 step 59 page 297"));
}

void LayoutTest::barPositionMapping_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("valueBack"); // what the position reads back as

    QTest::newRow("left end") << 0 << -551 << 0 << 0 << 0;
    QTest::newRow("right end") << 0 << -551 << -551 << 551 << -551;
    QTest::newRow("beyond max") << 0 << -551 << -600 << 551 << -551;
    QTest::newRow("rising range") << -10 << 90 << 30 << 40 << 30;
    QTest::newRow("empty range") << 5 << 5 << 5 << 0 << 5;
    QTest::newRow("full 16 bits") << 32767 << -32768 << -32768 << 65535 << -32768;
}

void LayoutTest::barPositionMapping()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(int, valueBack);

    const auto lo = static_cast<int16_t>(min);
    const auto hi = static_cast<int16_t>(max);
    QCOMPARE(ScrollPositionForValue(lo, hi, static_cast<int16_t>(value)), position);
    QCOMPARE(int { ScrollValueForPosition(lo, hi, position) }, valueBack);
}

void LayoutTest::init()
{
    m_bar = std::make_unique<QScrollBar>(Qt::Horizontal);
    m_bar->resize(200, 17);
    m_control = new ScrollBarControl(m_bar.get());
    m_control->setScrollRange({ 0, -551, 90, 449 });
}

void LayoutTest::cleanup()
{
    m_bar.reset(); // takes the control with it
    m_control = nullptr;
}

void LayoutTest::valueAtRightEndIsMax()
{
    QCOMPARE(m_bar->minimum(), 0);
    QCOMPARE(m_bar->maximum(), 551);
    QCOMPARE(m_bar->pageStep(), 449);
    QSignalSpy change(m_control, &ScrollBarControl::Change);

    m_control->setValue(-551);
    QCOMPARE(m_control->Value(), int16_t(-551));
    QCOMPARE(m_bar->value(), m_bar->maximum());
    QCOMPARE(change.count(), 1);
    QCOMPARE(change.at(0).at(0).value<int16_t>(), int16_t(-551));

    m_control->setValue(-551);
    QCOMPARE(change.count(), 1);
}

void LayoutTest::narrowerRangeMovesValue()
{
    m_control->setValue(-551);
    QSignalSpy change(m_control, &ScrollBarControl::Change);

    m_control->setScrollRange({ 0, -300, 60, 300 });
    QCOMPARE(m_control->Value(), int16_t(-300));
    QCOMPARE(m_bar->value(), 300);
    QCOMPARE(change.count(), 1);
    QCOMPARE(change.at(0).at(0).value<int16_t>(), int16_t(-300));

    m_control->setScrollRange({ 0, -400, 80, 400 });
    QCOMPARE(m_control->Value(), int16_t(-300));
    QCOMPARE(change.count(), 1);
}

void LayoutTest::actions_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QAbstractSlider::SliderAction>("action");
    QTest::addColumn<int>("expected");

    QTest::newRow("arrow towards max") << 0 << QAbstractSlider::SliderSingleStepAdd << -90;
    QTest::newRow("arrow back") << -300 << QAbstractSlider::SliderSingleStepSub << -210;
    QTest::newRow("page towards max") << 0 << QAbstractSlider::SliderPageStepAdd << -449;
    QTest::newRow("page stops at max") << -300 << QAbstractSlider::SliderPageStepAdd << -551;
}

void LayoutTest::actions()
{
    QFETCH(int, start);
    QFETCH(QAbstractSlider::SliderAction, action);
    QFETCH(int, expected);

    m_control->setValue(static_cast<int16_t>(start));
    QSignalSpy change(m_control, &ScrollBarControl::Change);
    QSignalSpy scroll(m_control, &ScrollBarControl::Scroll);
    m_bar->triggerAction(action);
    QCOMPARE(int { m_control->Value() }, expected);
    QCOMPARE(change.count(), 1);
    QCOMPARE(int { change.at(0).at(0).value<int16_t>() }, expected);
    QCOMPARE(scroll.count(), 0);
}

namespace {

void TurnWheel(QScrollBar* bar, int delta)
{
    const QPointF centre = QRectF(bar->rect()).center();
    QWheelEvent event(
        centre, bar->mapToGlobal(centre), {}, { 0, delta }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &event);
}

// A click 3 pixels inside the bar's far end (end > 0) or near end (end < 0).
void ClickNearEnd(QScrollBar* bar, int end)
{
    const bool horizontal = bar->orientation() == Qt::Horizontal;
    const int length = horizontal ? bar->width() : bar->height();
    const int along = end > 0 ? length - 3 : 3;
    const int across = (horizontal ? bar->height() : bar->width()) / 2;
    QTest::mouseClick(bar, Qt::LeftButton, {}, horizontal ? QPoint(along, across) : QPoint(across, along));
}

} // namespace

void LayoutTest::userInputMovesTowardsMax_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("wheelDelta");
    QTest::addColumn<int>("clickEnd");
    QTest::addColumn<bool>("towardsMax");

    QTest::newRow("right key") << Qt::Horizontal << int(Qt::Key_Right) << 0 << 0 << true;
    QTest::newRow("left key") << Qt::Horizontal << int(Qt::Key_Left) << 0 << 0 << false;
    QTest::newRow("down key") << Qt::Vertical << int(Qt::Key_Down) << 0 << 0 << true;
    QTest::newRow("up key") << Qt::Vertical << int(Qt::Key_Up) << 0 << 0 << false;
    QTest::newRow("wheel down") << Qt::Vertical << 0 << -120 << 0 << true;
    QTest::newRow("wheel up") << Qt::Vertical << 0 << 120 << 0 << false;
    QTest::newRow("right end click") << Qt::Horizontal << 0 << 0 << 1 << true;
    QTest::newRow("left end click") << Qt::Horizontal << 0 << 0 << -1 << false;
}

void LayoutTest::userInputMovesTowardsMax()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, key);
    QFETCH(int, wheelDelta);
    QFETCH(int, clickEnd);
    QFETCH(bool, towardsMax);

    m_bar->setOrientation(orientation);
    m_bar->resize(orientation == Qt::Horizontal ? QSize(200, 17) : QSize(17, 200));
    m_control->setValue(-300);
    QSignalSpy change(m_control, &ScrollBarControl::Change);

    if (key)
        QTest::keyClick(m_bar.get(), Qt::Key(key));
    else if (wheelDelta)
        TurnWheel(m_bar.get(), wheelDelta);
    else
        ClickNearEnd(m_bar.get(), clickEnd);
    QCOMPARE(m_control->Value() < -300, towardsMax);
    QCOMPARE(m_control->Value() > -300, !towardsMax);
    QCOMPARE(change.count(), 1);
    QCOMPARE(change.at(0).at(0).value<int16_t>(), m_control->Value());
}

void LayoutTest::dragScrollsThenChangesOnce()
{
    QSignalSpy change(m_control, &ScrollBarControl::Change);
    QSignalSpy scroll(m_control, &ScrollBarControl::Scroll);

    m_bar->setSliderDown(true);
    m_bar->setSliderPosition(100);
    m_bar->setSliderPosition(150);
    QCOMPARE(scroll.count(), 2);
    QCOMPARE(scroll.at(1).at(0).value<int16_t>(), int16_t(-150));
    QCOMPARE(change.count(), 0);

    m_bar->setSliderDown(false);
    QCOMPARE(change.count(), 1);
    QCOMPARE(change.at(0).at(0).value<int16_t>(), int16_t(-150));

    // Grabbing the thumb and letting go where it was is no move.
    m_bar->setSliderDown(true);
    m_bar->setSliderDown(false);
    QCOMPARE(change.count(), 1);
    QCOMPARE(scroll.count(), 2);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
