#include "view/ZoomMapping.h"

#include "map/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace {

int scaledSide(int side, int numerator, int denominator)
{
    if (side <= 0)
        return 0;
    const int64_t rounded = (2 * int64_t { side } * numerator + denominator) / (2 * int64_t { denominator });
    return static_cast<int>(std::clamp<int64_t>(rounded, 1, INT_MAX));
}

int wholePixel(double coordinate)
{
    return static_cast<int>(std::floor(std::clamp(coordinate, -1e9, 1e9) + 0.5));
}

} // namespace

ZoomMapping::ZoomMapping(int numerator, int denominator)
{
    if (numerator <= 0 || denominator <= 0)
        return;
    const int divisor = std::gcd(numerator, denominator);
    m_numerator = numerator / divisor;
    m_denominator = denominator / divisor;
}

QString ZoomMapping::percentText() const
{
    const double percent = 100.0 * m_numerator / m_denominator;
    // Three digits tell the small levels apart; above 100 % every level is a whole number.
    const QString number = percent >= 100 ? QString::number(qRound64(percent)) : QString::number(percent, 'g', 3);
    return number + QLatin1Char('%');
}

int64_t ZoomMapping::picturePixel(int64_t screenPixel) const
{
    // floor((s + 1/2) / zoom), in integers.
    return floorDivide((2 * screenPixel + 1) * m_denominator, 2 * int64_t { m_numerator });
}

int64_t ZoomMapping::screenPixel(int64_t picturePixel) const
{
    return floorDivide((2 * picturePixel + 1) * m_numerator, 2 * int64_t { m_denominator });
}

int64_t ZoomMapping::pointerPixel(int64_t screenPixel) const
{
    if (m_numerator >= m_denominator)
        return picturePixel(screenPixel);
    return floorDivide(screenPixel * m_denominator, m_numerator);
}

QPoint ZoomMapping::screenPixelOf(const QPointF& picture) const
{
    return QPoint(wholePixel(screenCoordinate(picture.x())), wholePixel(screenCoordinate(picture.y())));
}

QPointF ZoomMapping::screenPoint(const QPointF& picture) const
{
    return QPointF(screenCoordinate(picture.x()), screenCoordinate(picture.y()));
}

QRectF ZoomMapping::screenRect(const QRectF& picture) const
{
    return QRectF(QPointF(screenCoordinate(picture.left()), screenCoordinate(picture.top())),
        QPointF(screenCoordinate(picture.right()), screenCoordinate(picture.bottom())));
}

QRectF ZoomMapping::pictureRect(const QRectF& screen) const
{
    return QRectF(QPointF(pictureCoordinate(screen.left()), pictureCoordinate(screen.top())),
        QPointF(pictureCoordinate(screen.right()), pictureCoordinate(screen.bottom())));
}

QSize ZoomMapping::screenSize(const QSize& pictureSize) const
{
    return QSize(scaledSide(pictureSize.width(), m_numerator, m_denominator),
        scaledSide(pictureSize.height(), m_numerator, m_denominator));
}
