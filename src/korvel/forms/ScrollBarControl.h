#pragma once

#include "layout/WindowLayout.h"

#include <QObject>

class QScrollBar;

// A scroll bar whose Min may be greater than its Max, driving a QScrollBar. The bar's left
// or top end stands for Min and its right or bottom end for Max, so with Min 0 and a
// negative Max the value is the canvas offset itself, in screen pixels: as many as a
// zoomed picture needs.
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

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    int SmallChange() const { return m_smallChange; }
    int LargeChange() const { return m_largeChange; }

    void setMin(int min);
    void setMax(int max);
    void setValue(int value);
    // Steps below 1 would stop the arrows and the track, so they become 1.
    void setSmallChange(int step);
    void setLargeChange(int step);
    // All four at once, so that a value outside the new range moves and reports only once.
    void setScrollRange(const ScrollRange& range);

signals:
    void Change(int value);
    void Scroll(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRange(int min, int max);
    void syncBar();
    void onBarValueChanged(int position);
    void onSliderPressed();
    void onSliderReleased();

    QScrollBar* m_bar;
    int m_min = 0;
    int m_max = 0;
    int m_value = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    int m_valueAtPress = 0;
    bool m_syncing = false; // our own writes to the Qt bar are not user moves
};
