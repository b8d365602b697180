#pragma once

#include "html/BrowserArea.h"

#include <QSize>
#include <QtGlobal>

#include <vector>

class Area;
class ImageMap;

// Whole pixels (x, y) with left <= x <= right and top <= y <= bottom. A pixel is the point a
// click lands on at 100 %: the checks ask the browser rules about these points.
struct PixelRange {
    qint64 left = 0;
    qint64 top = 0;
    qint64 right = -1;
    qint64 bottom = -1;

    bool isEmpty() const { return right < left || bottom < top; }
    qint64 width() const { return isEmpty() ? 0 : right - left + 1; }
    qint64 height() const { return isEmpty() ? 0 : bottom - top + 1; }
    PixelRange intersected(const PixelRange& other) const;
    bool intersects(const PixelRange& other) const { return !intersected(other).isEmpty(); }
    bool contains(const PixelRange& other) const;
};

// How browsers see a map: each area as they read it, and the pixels it may hold on the
// picture.
struct BrowserMapView {
    std::vector<BrowserArea> areas; // in the map's order
    std::vector<PixelRange> bounds; // each area's bounds within the picture
    PixelRange picture; // every pixel from 0,0 on when the picture's size is not known
    bool pictureKnown = false;
    QSize pictureSize;
};

// picture: the size the page shows the picture at; invalid when it is not known.
BrowserMapView browserViewOf(const ImageMap& map, const QSize& picture);


// The whole pixels that may lie in the area, a little generous at the edges: none for
// Nothing, the picture for Default.
PixelRange pixelBounds(const BrowserArea& area, const PixelRange& picture);

// The first area a browser tries last: the first default area, or -1.
int firstDefaultArea(const std::vector<BrowserArea>& areas);
