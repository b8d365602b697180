#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>

// How the canvas shows the picture: numerator screen pixels for every denominator picture
// pixels. Screen means the zoomed canvas's own pixels, from the picture's top-left corner.
//
// Both sides meet at pixel centres: (screen + 1/2) = (picture + 1/2) * zoom. So the screen
// pixel s shows the picture pixel whose square holds s's centre, and a vertex on picture
// pixel p is drawn at the centre of p's square. At 100 % the mapping is the identity. The
// zoom is a ratio of two small integers, so conversions between whole pixels are exact.
class ZoomMapping {
public:
    constexpr ZoomMapping() = default; // 100 %
    // numerator / denominator, reduced; a ratio that is not positive means 100 %.
    ZoomMapping(int numerator, int denominator);

    int numerator() const { return m_numerator; }
    int denominator() const { return m_denominator; }
    double factor() const { return double(m_numerator) / m_denominator; }
    bool isIdentity() const { return m_numerator == m_denominator; }
    // "100%", "800%", "66.7%", "6.25%".
    QString percentText() const;

    // The picture pixel under screen pixel s, and the screen pixel that shows the centre of
    // picture pixel p.
    int64_t picturePixel(int64_t screenPixel) const;
    int64_t screenPixel(int64_t picturePixel) const;
    // The picture pixel the pointer at screen pixel s stands for. Zoomed out, a screen pixel
    // covers several picture pixels and the first of them is taken, so that the canvas's
    // first pixel is picture pixel 0 and its last lies inside the picture.
    int64_t pointerPixel(int64_t screenPixel) const;
    // The screen pixel a point of the overlay (a vertex, a box corner) is drawn on.
    QPoint screenPixelOf(const QPointF& picture) const;

    // Points of the overlay, which may have fractions. At 100 % they pass unchanged.
    double screenCoordinate(double picture) const
    {
        return isIdentity() ? picture : (picture + 0.5) * m_numerator / m_denominator - 0.5;
    }
    double pictureCoordinate(double screen) const
    {
        return isIdentity() ? screen : (screen + 0.5) * m_denominator / m_numerator - 0.5;
    }
    QPointF screenPoint(const QPointF& picture) const;
    // The rectangle spanned by the mapped corners.
    QRectF screenRect(const QRectF& picture) const;
    QRectF pictureRect(const QRectF& screen) const;

    // Distances, which have no centre to keep: a scroll offset.
    double pictureLength(double screenLength) const { return screenLength * m_denominator / m_numerator; }

    // The zoomed picture's size on screen: each side rounded, at least one pixel while the
    // picture has any.
    QSize screenSize(const QSize& pictureSize) const;

    friend bool operator==(const ZoomMapping& a, const ZoomMapping& b)
    {
        return a.m_numerator == b.m_numerator && a.m_denominator == b.m_denominator;
    }
    friend bool operator!=(const ZoomMapping& a, const ZoomMapping& b) { return !(a == b); }
    friend bool operator<(const ZoomMapping& a, const ZoomMapping& b)
    {
        return int64_t { a.m_numerator } * b.m_denominator < int64_t { b.m_numerator } * a.m_denominator;
    }

private:
    int m_numerator = 1;
    int m_denominator = 1;
};
