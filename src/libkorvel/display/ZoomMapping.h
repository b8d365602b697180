#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>

// How the canvas shows the picture: Numerator screen pixels for every Denominator picture
// pixels. Screen means the canvas's own pixels, from the picture's top-left corner.
//
// Both sides meet at pixel centres: (screen + 1/2) = (picture + 1/2) * zoom. So a vertex on
// picture pixel p is drawn at the centre of p's square, and above 100 % the screen pixel s
// shows the picture pixel whose square holds s's centre. At 100 % the mapping is the
// identity, also for fractional coordinates. The zoom is a ratio of two small integers, so every
// conversion between whole pixels is exact: nothing drifts, whatever the level.
class ZoomMapping {
public:
    constexpr ZoomMapping() = default; // 100 %
    // numerator / denominator, reduced; a ratio that is not positive means 100 %.
    ZoomMapping(int numerator, int denominator);

    int Numerator() const { return m_numerator; }
    int Denominator() const { return m_denominator; }
    double Factor() const { return double(m_numerator) / m_denominator; }
    bool IsIdentity() const { return m_numerator == m_denominator; }
    // "100%", "800%", "66.7%", "6.25%".
    QString PercentText() const;

    // Whole pixels. The picture pixel under screen pixel s (below 100 %, where s shows
    // several, the first of those whose centre it holds), and the screen pixel that shows the
    // centre of picture pixel p. Above 100 % PicturePixel(ScreenPixel(p)) is p; below it
    // ScreenPixel(PicturePixel(s)) is s.
    int64_t PicturePixel(int64_t screenPixel) const;
    int64_t ScreenPixel(int64_t picturePixel) const;

    // Points of the overlay (vertices, box corners, line ends), which may have fractions. At
    // 100 % they pass unchanged, exact for every value however large.
    double ScreenCoordinate(double picture) const
    {
        return IsIdentity() ? picture : (picture + 0.5) * m_numerator / m_denominator - 0.5;
    }
    double PictureCoordinate(double screen) const
    {
        return IsIdentity() ? screen : (screen + 0.5) * m_denominator / m_numerator - 0.5;
    }
    // The screen pixel that shows an overlay point: for a whole picture pixel p, ScreenPixel(p).
    int64_t ScreenPixelAt(double picture) const;
    QPointF ScreenPoint(const QPointF& picture) const;
    // The rectangle spanned by the mapped corners.
    QRectF ScreenRect(const QRectF& picture) const;
    QRectF PictureRect(const QRectF& screen) const;

    // Distances and offsets, which have no centre to keep: a handle's reach, the canvas's
    // scroll offset.
    double PictureLength(double screenLength) const;

    // The zoomed picture's size on screen: each side rounded, and at least one pixel while the
    // picture has any.
    QSize ScreenSize(const QSize& pictureSize) const;

    friend bool operator==(const ZoomMapping& a, const ZoomMapping& b)
    {
        return a.m_numerator == b.m_numerator && a.m_denominator == b.m_denominator;
    }
    friend bool operator!=(const ZoomMapping& a, const ZoomMapping& b) { return !(a == b); }
    // Orders by the zoom factor.
    friend bool operator<(const ZoomMapping& a, const ZoomMapping& b)
    {
        return int64_t { a.m_numerator } * b.m_denominator < int64_t { b.m_numerator } * a.m_denominator;
    }

private:
    int m_numerator = 1;
    int m_denominator = 1;
};
