#pragma once

#include "map/Area.h"
#include "trace/RegionMask.h"
#include "trace/TraceSettings.h"

#include <QImage>
#include <QPoint>

#include <vector>

// What the trace tool makes of a click on the picture: the polygon round the region of
// similar colour under it (see fillSimilarColour, outerOutline, simplifyOutline), and the
// same for the pointer's hover, so that the outline shown is the one a click gives.
//
// Similar means similar to the pixel that found the region. While the pointer stays in a
// region found before, that region is kept: a move inside it costs next to nothing, the
// outline does not shift as the pointer crosses a gradient, and a click makes what was
// shown. The last few regions are kept, so moving back and forth over a border does not
// trace them again.
class RegionTracer {
public:
    // A region found and the polygon round it.
    struct TracedRegion {
        RegionMask region;
        std::vector<Vertex> polygon;
    };

    // Shares the picture's pixels and never writes them, so it stays one copy in memory;
    // forgets the regions found. Formats other than Format_RGB32 and
    // Format_ARGB32_Premultiplied, which Korvel's own pictures never have, are read from a
    // converted copy.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    const TraceSettings& settings() const { return m_settings; }
    // Keeps the tolerance within 0..255 and the deviation within 0..10000 (0 for NaN), so
    // a wheel can step them freely; forgets the regions found when they change.
    void setSettings(const TraceSettings& settings);

    // The polygon a click on the pixel (x, y) (the picture's square from x to x + 1 and y
    // to y + 1) makes: whole-pixel corners, the first repeated last; empty when the pixel
    // is off the picture. Valid until the next call.
    const std::vector<Vertex>& polygonAt(QPoint pixel);
    // Whether polygonAt(pixel) will answer from a region already found.
    bool isKnown(QPoint pixel) const { return findKnown(pixel) >= 0; }

    // What polygonAt does for a pixel of no known region, apart: it only reads the picture
    // (picture(), with settings()), so it may run on another thread.
    static TracedRegion trace(const QImage& picture, QPoint pixel, const TraceSettings& settings);
    // Keeps a region traced apart, from picture() with settings() as they are now, as the
    // most recently used.
    void remember(TracedRegion traced);

private:
    int findKnown(QPoint pixel) const;

    QImage m_picture;
    TraceSettings m_settings;
    // The most recently used first.
    std::vector<TracedRegion> m_known;
};
