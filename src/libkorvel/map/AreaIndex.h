#pragma once

#include "map/Area.h"
#include "map/MapObserver.h"

#include <QHash>
#include <QRect>
#include <QRectF>

#include <vector>

class ImageMap;

// Where the areas are: a grid of square cells over the picture, each listing the areas whose
// bounds meet it. A press's hit test and the repaint of a dragged area then look at what is
// near, not at the whole map. It follows the map it observes.
class AreaIndex : public MapObserver {
public:
    explicit AreaIndex(const ImageMap& map);
    ~AreaIndex() override;
    AreaIndex(const AreaIndex&) = delete;
    AreaIndex& operator=(const AreaIndex&) = delete;

    // The map-order indexes of the areas whose bounds may meet rect (a point when its size is
    // 0), ascending, each once.
    std::vector<int> indexesNear(const QRectF& rect) const;

    void areaInserted(const ImageMap& map, int index) override;
    void areaRemoved(const ImageMap& map, int index, const Area& removed) override;
    void areaChanged(const ImageMap& map, int index, const Area& before) override;
    void areaMoved(const ImageMap&, int, int) override {}
    void mapReset(const ImageMap& map) override;

private:
    void add(const Area& area);
    void drop(AreaId id);
    static QRect cellsOf(const QRectF& bounds);

    const ImageMap& m_map;
    QHash<quint64, std::vector<AreaId>> m_cells;
    std::vector<AreaId> m_large; // areas over so many cells that listing them in each costs more
    struct Placement {
        QRect cells;
        bool large;
    };
    QHash<AreaId, Placement> m_placed; // where each area is listed
};
