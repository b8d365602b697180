#pragma once

#include "html/BrowserArea.h"
#include "preview/PixelGrid.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class ImageMap;

// The map as browsers read it at one moment, never changed once made, so that a worker can
// look at it while the map goes on: each area's shape and numbers from its shape attribute
// and its coords as written, the pixels of the picture each may take, and a grid of those.
struct BrowserLayout {
    QSize picture;
    std::vector<BrowserArea> areas;
    // A little more than the pixels each area takes, within the picture; empty: none.
    std::vector<QRect> bounds;
    // The bounds without the first default area's, which is never looked for near a pixel:
    // it takes only what no other takes.
    PixelGrid grid;
    int firstDefault = -1;

    // The map index of the area a browser follows at the pixel, as browserAreaAt has it, or
    // -1 (nothing there, or off the picture).
    int areaAt(QPoint pixel) const;
};

BrowserLayout readBrowserLayout(const ImageMap& map, QSize picture);
