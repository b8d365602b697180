#pragma once

#include <cstdint>
#include <vector>

// The vertices of one polygon. Vertices are 1..vertexCount; element 0 of both arrays
// is allocated and unused. A finished polygon stores its first vertex again as the
// last one, so its distinct corners are 1..vertexCount-1.
struct PolygonArea {
    std::vector<int16_t> vertexX;
    std::vector<int16_t> vertexY;
    int16_t vertexCount = 0;

    friend bool operator==(const PolygonArea& a, const PolygonArea& b)
    {
        return a.vertexCount == b.vertexCount && a.vertexX == b.vertexX && a.vertexY == b.vertexY;
    }
    friend bool operator!=(const PolygonArea& a, const PolygonArea& b) { return !(a == b); }
};
