#pragma once

#include "layout/WindowLayout.h"

#include <QObject>

#include <cstdint>

class QScrollBar;

// A scroll bar whose Min may be greater than its Max, driving a QScrollBar. The bar's
// left or top end stands for Min and its right or bottom end for Max, so with Min 0 and
// a negative Max the value is the canvas offset itself.
//
// Change: the user finished a move (arrow, track click, key, wheel, released thumb), or
// the value changed because the program set it or a new range no longer held it.
// Scroll: the user is dragging the thumb.
class ScrollBarControl : public QObject {
    Q_OBJECT
public:
    // Takes over the bar's range and steps and lives as long as the bar. Placing and
    // showing the bar stays with the caller.
    explicit ScrollBarControl(QScrollBar* bar);

    QScrollBar* Bar() const { return m_bar; }

    int16_t Min() const { return m_min; }
    int16_t Max() const { return m_max; }
    int16_t Value() const { return m_value; }
    int16_t SmallChange() const { return m_smallChange; }
    int16_t LargeChange() const { return m_largeChange; }

    void setMin(int16_t min);
    void setMax(int16_t max);
    void setValue(int16_t value);
    // Steps below 1 would stop the arrows and the track, so they become 1.
    void setSmallChange(int16_t step);
    void setLargeChange(int16_t step);
    // All four at once, so that a value outside the new range moves and reports only once.
    void setScrollRange(const ScrollRange& range);

signals:
    void Change(int16_t value);
    void Scroll(int16_t value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRange(int16_t min, int16_t max);
    void syncBar();
    void onBarValueChanged(int position);
    void onSliderPressed();
    void onSliderReleased();

    QScrollBar* m_bar;
    int16_t m_min = 0;
    int16_t m_max = 0;
    int16_t m_value = 0;
    int16_t m_smallChange = 1;
    int16_t m_largeChange = 1;
    int16_t m_valueAtPress = 0;
    bool m_syncing = false; // our own writes to the Qt bar are not user moves
};
