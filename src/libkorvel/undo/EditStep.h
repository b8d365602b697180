#pragma once

#include "undo/MapChange.h"

#include <QString>

// The selection that goes with a map, restored with it by undo and redo.
struct SelectionState {
    int16_t selBox = 0;
    int16_t selPoly = 0;
    int16_t buildingPoly = 0;

    friend bool operator==(const SelectionState& a, const SelectionState& b)
    {
        return a.selBox == b.selBox && a.selPoly == b.selPoly && a.buildingPoly == b.buildingPoly;
    }
};

// One user gesture's change to the map: a drag from press to release, a key, the typing in
// one box. Steps with the same merge key that changed the same stretch of the map in a row
// (a run of nudges with one key, the typing in one box) become one.
struct EditStep {
    MapChange change;
    SelectionState before;
    SelectionState after;
    QString mergeKey; // empty: never merged

    bool Absorb(const EditStep& next)
    {
        if (mergeKey.isEmpty() || next.mergeKey != mergeKey || !change.Absorb(next.change))
            return false;
        after = next.after;
        return true;
    }
};

// Where finished steps go; the application keeps them on Qt's undo stack.
class EditHistory {
public:
    virtual ~EditHistory() = default;
    // A step that has just been done.
    virtual void Push(EditStep step) = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void Clear() = 0;
};
