#include "display/ZoomMapping.h"

#include "document/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace {

int ScaledSide(int side, int numerator, int denominator)
{
    if (side <= 0)
        return 0;
    const int64_t rounded = (2 * int64_t { side } * numerator + denominator) / (2 * int64_t { denominator });
    return static_cast<int>(std::clamp<int64_t>(rounded, 1, INT_MAX));
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

QString ZoomMapping::PercentText() const
{
    const double percent = 100.0 * m_numerator / m_denominator;
    // Three digits tell the small levels apart; above 100 % every level is a whole number.
    const QString number = percent >= 100 ? QString::number(qRound64(percent)) : QString::number(percent, 'g', 3);
    return number + QLatin1Char('%');
}

int64_t ZoomMapping::PicturePixel(int64_t screenPixel) const
{
    if (m_numerator > m_denominator) // floor((s + 1/2) / zoom), in integers
        return FloorDivide((2 * screenPixel + 1) * m_denominator, 2 * int64_t { m_numerator });
    // The first picture pixel whose centre lies in s, ceil(s / zoom - 1/2): the first column
    // reads 0, and the last one a pixel of the picture even where its own centre lies past
    // the picture's end.
    return -FloorDivide(m_numerator - 2 * screenPixel * m_denominator, 2 * int64_t { m_numerator });
}

int64_t ZoomMapping::ScreenPixel(int64_t picturePixel) const
{
    return FloorDivide((2 * picturePixel + 1) * m_numerator, 2 * int64_t { m_denominator });
}

int64_t ZoomMapping::ScreenPixelAt(double picture) const
{
    const double pixel = std::floor(ScreenCoordinate(picture) + 0.5);
    return std::isnan(pixel) ? 0 : static_cast<int64_t>(std::clamp(pixel, -1e15, 1e15));
}

QPointF ZoomMapping::ScreenPoint(const QPointF& picture) const
{
    return QPointF(ScreenCoordinate(picture.x()), ScreenCoordinate(picture.y()));
}

QRectF ZoomMapping::ScreenRect(const QRectF& picture) const
{
    return QRectF(QPointF(ScreenCoordinate(picture.left()), ScreenCoordinate(picture.top())),
        QPointF(ScreenCoordinate(picture.right()), ScreenCoordinate(picture.bottom())));
}

QRectF ZoomMapping::PictureRect(const QRectF& screen) const
{
    return QRectF(QPointF(PictureCoordinate(screen.left()), PictureCoordinate(screen.top())),
        QPointF(PictureCoordinate(screen.right()), PictureCoordinate(screen.bottom())));
}

double ZoomMapping::PictureLength(double screenLength) const
{
    return screenLength * m_denominator / m_numerator;
}

QSize ZoomMapping::ScreenSize(const QSize& pictureSize) const
{
    return QSize(ScaledSide(pictureSize.width(), m_numerator, m_denominator),
        ScaledSide(pictureSize.height(), m_numerator, m_denominator));
}
