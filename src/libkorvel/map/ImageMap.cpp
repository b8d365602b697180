#include "map/ImageMap.h"

#include "map/MapObserver.h"

#include <algorithm>

ImageMap::ImageMap(const ImageMap& other)
    : m_name(other.m_name)
    , m_areas(other.m_areas)
    , m_boxes(other.m_boxes)
    , m_polygons(other.m_polygons)
    , m_lastId(other.m_lastId)
    , m_positionsValid(false)
{
}

ImageMap& ImageMap::operator=(const ImageMap& other)
{
    if (this == &other)
        return *this;
    m_name = other.m_name;
    reset(other.m_areas);
    m_lastId = std::max(m_lastId, other.m_lastId);
    return *this;
}

int ImageMap::indexOf(AreaId id) const
{
    if (id == 0)
        return -1;
    if (!m_positionsValid) {
        m_positions.clear();
        m_positions.reserve(count());
        for (int i = 0; i < count(); ++i)
            m_positions.insert(m_areas[static_cast<size_t>(i)].id(), i);
        m_positionsValid = true;
    }
    return m_positions.value(id, -1);
}

const Area* ImageMap::find(AreaId id) const
{
    const int index = indexOf(id);
    return index < 0 ? nullptr : &at(index);
}

bool ImageMap::hasRoomFor(AreaShape shape) const
{
    switch (shape) {
    case AreaShape::Rectangle:
    case AreaShape::Circle:
        return m_boxes < kMaxAreasPerKind;
    case AreaShape::Polygon:
        return m_polygons < kMaxAreasPerKind;
    case AreaShape::Kept:
        break;
    }
    return true;
}

int ImageMap::boxInsertIndex() const
{
    for (int i = count() - 1; i >= 0; --i)
        if (at(i).isBox())
            return i + 1;
    return 0;
}

AreaId ImageMap::freshId(AreaId wanted) const
{
    if (wanted != 0 && indexOf(wanted) < 0)
        return wanted;
    return m_lastId + 1;
}

void ImageMap::count(const Area& area, int delta)
{
    if (area.isBox())
        m_boxes += delta;
    else if (area.shape() == AreaShape::Polygon)
        m_polygons += delta;
}

AreaId ImageMap::insert(int index, Area area)
{
    index = std::clamp(index, 0, count());
    area.setId(freshId(area.id()));
    m_lastId = std::max(m_lastId, area.id());
    count(area, 1);
    m_areas.insert(m_areas.begin() + index, std::move(area));
    forgetPositions();
    for (MapObserver* observer : m_observers)
        observer->areaInserted(*this, index);
    return m_areas[static_cast<size_t>(index)].id();
}

void ImageMap::remove(AreaId id)
{
    const int index = indexOf(id);
    if (index < 0)
        return;
    Area removed = std::move(m_areas[static_cast<size_t>(index)]);
    m_areas.erase(m_areas.begin() + index);
    count(removed, -1);
    forgetPositions();
    for (MapObserver* observer : m_observers)
        observer->areaRemoved(*this, index, removed);
}

void ImageMap::replace(const Area& area)
{
    const int index = indexOf(area.id());
    if (index < 0)
        return;
    Area& slot = m_areas[static_cast<size_t>(index)];
    if (slot.sameContent(area))
        return;
    Area before = std::move(slot);
    slot = area;
    count(before, -1);
    count(slot, 1);
    for (MapObserver* observer : m_observers)
        observer->areaChanged(*this, index, before);
}

void ImageMap::move(AreaId id, int to)
{
    const int from = indexOf(id);
    to = std::clamp(to, 0, count() - 1);
    if (from < 0 || from == to)
        return;
    Area moving = std::move(m_areas[static_cast<size_t>(from)]);
    m_areas.erase(m_areas.begin() + from);
    m_areas.insert(m_areas.begin() + to, std::move(moving));
    forgetPositions();
    for (MapObserver* observer : m_observers)
        observer->areaMoved(*this, from, to);
}

void ImageMap::reset(std::vector<Area> areas)
{
    m_areas.clear();
    m_boxes = m_polygons = 0;
    forgetPositions();
    m_areas.reserve(areas.size());
    QHash<AreaId, bool> taken;
    for (Area& area : areas) {
        if (area.id() == 0 || taken.contains(area.id()))
            area.setId(0);
        else
            taken.insert(area.id(), true);
        m_lastId = std::max(m_lastId, area.id());
    }
    for (Area& area : areas) {
        if (area.id() == 0)
            area.setId(++m_lastId);
        count(area, 1);
        m_areas.push_back(std::move(area));
    }
    for (MapObserver* observer : m_observers)
        observer->mapReset(*this);
}

void ImageMap::addObserver(MapObserver* observer)
{
    m_observers.push_back(observer);
}

void ImageMap::removeObserver(MapObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}
