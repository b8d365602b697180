#include "forms/ScrollBarControl.h"

#include "layout/ScrollBarMapping.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

ScrollBarControl::ScrollBarControl(QScrollBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    // The thumb follows the value while dragged, so the canvas can follow it too.
    m_bar->setTracking(true);
    m_bar->setInvertedAppearance(false);
    syncBar();
    connect(m_bar, &QScrollBar::valueChanged, this, &ScrollBarControl::onBarValueChanged);
    connect(m_bar, &QScrollBar::sliderPressed, this, &ScrollBarControl::onSliderPressed);
    connect(m_bar, &QScrollBar::sliderReleased, this, &ScrollBarControl::onSliderReleased);
    m_bar->installEventFilter(this);
}

bool ScrollBarControl::eventFilter(QObject* watched, QEvent* event)
{
    // QScrollBar steps backwards on the right arrow key and forwards on the left one; here
    // the right arrow moves towards Max like the down arrow does.
    if (watched != m_bar || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    m_bar->triggerAction(
        key == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    return true;
}

void ScrollBarControl::setMin(int min)
{
    setRange(min, m_max);
}

void ScrollBarControl::setMax(int max)
{
    setRange(m_min, max);
}

void ScrollBarControl::setValue(int value)
{
    const int clamped = ClampScrollValue(m_min, m_max, value);
    if (clamped == m_value)
        return;
    m_value = clamped;
    syncBar();
    emit Change(m_value);
}

void ScrollBarControl::setSmallChange(int step)
{
    m_smallChange = std::max(step, 1);
    syncBar();
}

void ScrollBarControl::setLargeChange(int step)
{
    m_largeChange = std::max(step, 1);
    syncBar();
}

void ScrollBarControl::setScrollRange(const ScrollRange& range)
{
    m_smallChange = std::max(range.SmallChange, 1);
    m_largeChange = std::max(range.LargeChange, 1);
    setRange(range.Min, range.Max);
}

void ScrollBarControl::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    const int clamped = ClampScrollValue(m_min, m_max, m_value);
    const bool moved = clamped != m_value;
    m_value = clamped;
    syncBar();
    if (moved)
        emit Change(m_value);
}

void ScrollBarControl::syncBar()
{
    m_syncing = true;
    m_bar->setRange(0, ScrollSpan(m_min, m_max));
    m_bar->setSingleStep(m_smallChange);
    // A page is one viewport, which also sizes the thumb against the range.
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(ScrollPositionForValue(m_min, m_max, m_value));
    m_syncing = false;
}

void ScrollBarControl::onBarValueChanged(int position)
{
    if (m_syncing)
        return;
    const int value = ScrollValueForPosition(m_min, m_max, position);
    if (value == m_value)
        return;
    m_value = value;
    if (m_bar->isSliderDown())
        emit Scroll(m_value);
    else
        emit Change(m_value);
}

void ScrollBarControl::onSliderPressed()
{
    m_valueAtPress = m_value;
}

void ScrollBarControl::onSliderReleased()
{
    // The drag reported only Scroll; its end counts as a finished move.
    if (m_value != m_valueAtPress)
        emit Change(m_value);
}
