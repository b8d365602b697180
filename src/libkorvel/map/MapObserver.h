#pragma once

class Area;
class ImageMap;

// Told of every change of a map after it happened: the canvas repaints what changed, the
// spatial index follows the areas, undo records the step.
class MapObserver {
public:
    virtual ~MapObserver() = default;
    virtual void areaInserted(const ImageMap& map, int index) = 0;
    virtual void areaRemoved(const ImageMap& map, int index, const Area& removed) = 0;
    virtual void areaChanged(const ImageMap& map, int index, const Area& before) = 0;
    virtual void areaMoved(const ImageMap& map, int from, int to) = 0;
    // Every area was replaced at once.
    virtual void mapReset(const ImageMap& map) = 0;
};

// An observer that needs only to know that the map changed, not how.
class MapChangeObserver : public MapObserver {
protected:
    virtual void mapChanged() = 0;

private:
    void areaInserted(const ImageMap&, int) override { mapChanged(); }
    void areaRemoved(const ImageMap&, int, const Area&) override { mapChanged(); }
    void areaChanged(const ImageMap&, int, const Area&) override { mapChanged(); }
    void areaMoved(const ImageMap&, int, int) override { mapChanged(); }
    void mapReset(const ImageMap&) override { mapChanged(); }
};
