#include "trace/RegionTracer.h"

#include "trace/ColourFill.h"
#include "trace/OuterOutline.h"
#include "trace/OutlineSimplifier.h"

#include <algorithm>

namespace {

// Enough for the region under the pointer and its neighbours; each holds a bit per pixel
// of its bounding box.
constexpr size_t kRegionsKept = 4;

const std::vector<Vertex> kNoPolygon;

// Far beyond any use, and finite.
constexpr double kLargestDeviation = 10000;

} // namespace

void RegionTracer::setPicture(const QImage& picture)
{
    const bool readInPlace
        = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied;
    m_picture = readInPlace ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_known.clear();
}

void RegionTracer::setSettings(const TraceSettings& settings)
{
    const double deviation = settings.maxDeviation > 0 ? std::min(settings.maxDeviation, kLargestDeviation) : 0.0;
    const TraceSettings kept { std::clamp(settings.colourTolerance, 0, 255), deviation };
    if (kept != m_settings)
        m_known.clear();
    m_settings = kept;
}

const std::vector<Vertex>& RegionTracer::polygonAt(QPoint pixel)
{
    if (!m_picture.rect().contains(pixel))
        return kNoPolygon;
    const int known = findKnown(pixel);
    if (known > 0)
        std::rotate(m_known.begin(), m_known.begin() + known, m_known.begin() + known + 1);
    if (known < 0)
        remember(trace(m_picture, pixel, m_settings));
    return m_known.front().polygon;
}

RegionTracer::TracedRegion RegionTracer::trace(const QImage& picture, QPoint pixel, const TraceSettings& settings)
{
    RegionMask region = fillSimilarColour(picture, pixel, settings.colourTolerance);
    std::vector<Vertex> polygon = simplifyOutline(outerOutline(region), settings.maxDeviation);
    return { std::move(region), std::move(polygon) };
}

void RegionTracer::remember(TracedRegion traced)
{
    if (m_known.size() == kRegionsKept)
        m_known.pop_back();
    m_known.insert(m_known.begin(), std::move(traced));
}

int RegionTracer::findKnown(QPoint pixel) const
{
    const auto found = std::find_if(
        m_known.begin(), m_known.end(), [pixel](const TracedRegion& known) { return known.region.contains(pixel); });
    return found == m_known.end() ? -1 : int(found - m_known.begin());
}
