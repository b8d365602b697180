#pragma once

#include "html/BrowserArea.h"
#include "map/MapObserver.h"
#include "preview/AreaReach.h"
#include "preview/PixelGrid.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class ImageMap;
class MapEditor;

// The map as a browser reads it, for the preview: each area's shape and numbers from its shape
// attribute and its coords as written, the picture's pixels each may take, and which area a
// browser follows at a pixel. It follows the map it observes and is worked out again when
// first asked after a change.
class BrowserMap : private MapObserver {
public:
    explicit BrowserMap(MapEditor& editor);
    ~BrowserMap() override;
    BrowserMap(const BrowserMap&) = delete;
    BrowserMap& operator=(const BrowserMap&) = delete;

    void setPicture(QSize picture);
    QSize picture() const { return m_picture; }
    // Counts the changes of the map, so that a user of the answers knows when to ask again.
    uint64_t generation() const { return m_generation; }

    int count() const;
    const BrowserArea& area(int index) const;
    // The pixels of the picture the area may take (a little more than it takes); empty when
    // it takes none.
    QRect pixelBounds(int index) const;
    // The map index of the area a browser follows at the pixel, as browserAreaAt has it, or -1
    // (nothing there, or off the picture).
    int areaAt(QPoint pixel) const;

    // Which areas some pixel of the picture reaches, found when first asked. The work is
    // bounded: on a huge map some areas may be left unchecked.
    const std::vector<AreaReach>& reach() const;
    bool reachKnown() const { return m_reachKnown; }

private:
    void build() const;
    void changed();

    void areaInserted(const ImageMap&, int) override { changed(); }
    void areaRemoved(const ImageMap&, int, const Area&) override { changed(); }
    void areaChanged(const ImageMap&, int, const Area&) override { changed(); }
    void areaMoved(const ImageMap&, int, int) override { changed(); }
    void mapReset(const ImageMap&) override { changed(); }

    MapEditor& m_editor;
    const ImageMap& m_map;
    QSize m_picture;
    uint64_t m_generation = 0;
    mutable bool m_built = false;
    mutable std::vector<BrowserArea> m_areas;
    mutable std::vector<QRect> m_bounds;
    mutable PixelGrid m_grid;
    mutable int m_firstDefault = -1;
    mutable bool m_reachKnown = false;
    mutable std::vector<AreaReach> m_reach;
};
