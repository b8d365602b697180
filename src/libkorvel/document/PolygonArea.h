#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One polygon area: its vertices and its texts. Vertices are 1..vertexCount; element 0 of
// both arrays is allocated and unused. A finished polygon stores its first vertex again as
// the last one, so its distinct corners are 1..vertexCount-1.
struct PolygonArea {
    std::vector<int16_t> vertexX;
    std::vector<int16_t> vertexY;
    int16_t vertexCount = 0;
    QString url;
    QString alt;

    friend bool operator==(const PolygonArea& a, const PolygonArea& b)
    {
        return a.vertexCount == b.vertexCount && a.vertexX == b.vertexX && a.vertexY == b.vertexY && a.url == b.url
            && a.alt == b.alt;
    }
    friend bool operator!=(const PolygonArea& a, const PolygonArea& b) { return !(a == b); }
};
