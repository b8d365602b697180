#pragma once

#include "map/MapObserver.h"
#include "preview/AreaReach.h"
#include "preview/BrowserLayout.h"

#include <cstdint>
#include <memory>
#include <vector>

class MapEditor;

// The map under edit as browsers read it, for the preview: its BrowserLayout, made when first
// asked after a change of the map or the picture, and what findReach found for that layout.
class BrowserMap : private MapChangeObserver {
public:
    explicit BrowserMap(MapEditor& editor);
    ~BrowserMap() override;
    BrowserMap(const BrowserMap&) = delete;
    BrowserMap& operator=(const BrowserMap&) = delete;

    void setPicture(QSize picture);
    // Counts the changes, so that a user of the answers knows when to ask again.
    uint64_t generation() const { return m_generation; }

    std::shared_ptr<const BrowserLayout> layout() const;
    int areaAt(QPoint pixel) const { return layout()->areaAt(pixel); }

    // Which areas some pixel leads to, once found for the layout that is the map's now;
    // nullptr until then.
    const std::vector<AreaReach>* reach() const { return m_reachKnown ? &m_reach : nullptr; }
    // Found for the layout given: kept when it is still the map's.
    void setReach(const std::shared_ptr<const BrowserLayout>& of, std::vector<AreaReach> reach);

private:
    void changed();

    void mapChanged() override { changed(); }

    MapEditor& m_editor;
    QSize m_picture;
    uint64_t m_generation = 0;
    mutable std::shared_ptr<const BrowserLayout> m_layout; // null after a change
    bool m_reachKnown = false;
    std::vector<AreaReach> m_reach;
};
