#pragma once

#include "map/Area.h"

#include <QHash>
#include <QString>

#include <vector>

class MapObserver;

// A kind holds at most this many areas, and a polygon this many stored vertices: counts
// are 16-bit numbers.
constexpr int kMaxAreasPerKind = 32766;
constexpr int kMaxPolygonVertices = 32767;

// The map under edit: its name and one ordered list of areas. The order is the order of
// the <area> elements in the HTML, and where areas overlap a browser gives the click to the
// first. Every change goes through the functions below, which tell the observers.
class ImageMap {
public:
    ImageMap() = default;
    // A copy has the areas and the name; observers stay with the map they watch.
    ImageMap(const ImageMap& other);
    ImageMap& operator=(const ImageMap& other);

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    const std::vector<Area>& areas() const { return m_areas; }
    int count() const { return static_cast<int>(m_areas.size()); }
    const Area& at(int index) const { return m_areas[static_cast<size_t>(index)]; }
    // -1 / nullptr when no area has the id.
    int indexOf(AreaId id) const;
    const Area* find(AreaId id) const;
    int boxCount() const { return m_boxes; }
    int polygonCount() const { return m_polygons; }
    // Whether one more area of this shape fits.
    bool hasRoomFor(AreaShape shape) const;

    // Where a new rectangle or circle goes: after the last rectangle or circle, so that a
    // map drawn in Korvel lists its boxes first, each kind in the order drawn.
    int boxInsertIndex() const;

    // Puts the area at index (clamped to the list) and returns its id: its own when it has
    // one no other area has, a new one otherwise.
    AreaId insert(int index, Area area);
    // Appends an area with a new id.
    AreaId append(Area area) { return insert(count(), std::move(area)); }
    void remove(AreaId id);
    // The area with area.id() takes area's content.
    void replace(const Area& area);
    void move(AreaId id, int to);
    // All areas at once, in the order given; ids are kept where they are set and unique.
    void reset(std::vector<Area> areas);

    void addObserver(MapObserver* observer);
    void removeObserver(MapObserver* observer);

    // Same name and same areas in the same order, ids included.
    friend bool operator==(const ImageMap& a, const ImageMap& b) { return a.m_name == b.m_name && a.m_areas == b.m_areas; }
    friend bool operator!=(const ImageMap& a, const ImageMap& b) { return !(a == b); }

private:
    AreaId freshId(AreaId wanted) const;
    void count(const Area& area, int delta);
    void forgetPositions() { m_positionsValid = false; }

    QString m_name;
    std::vector<Area> m_areas;
    int m_boxes = 0;
    int m_polygons = 0;
    AreaId m_lastId = 0;
    std::vector<MapObserver*> m_observers;
    // Built on demand after the order changed; a drag changes no order, so it never waits.
    mutable QHash<AreaId, int> m_positions;
    mutable bool m_positionsValid = true;
};
