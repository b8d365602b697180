#pragma once

#include "map/Area.h"

#include <QUndoCommand>

#include <vector>

class MapEditor;

// One change of the map's list, as it happened.
struct MapEdit {
    enum class Kind : uint8_t { Insert, Remove, Change, Move };
    Kind kind;
    int from = 0; // Remove, Move: the index before
    int to = 0; // Insert, Move: the index after
    Area before; // Remove, Change
    Area after; // Insert, Change
};

// What the selection and the polygon being built were around a step.
struct StepSelection {
    AreaId selected = 0;
    AreaId building = 0;
};

// Runs of some commands make one step: the nudges of one area with one arrow key, the typing
// into one text box while it keeps the focus.
enum class StepKind : int {
    Single = -1, // never merged
    NudgeLeft = 1,
    NudgeRight,
    NudgeUp,
    NudgeDown,
    TypeHref,
    TypeAlt,
    TypeTitle,
    TypeTarget,
};

// One gesture or command of the user's, as one undo step: the edits it made to the map, in
// order, and the selection before and after. It holds what changed and nothing else.
class EditStep : public QUndoCommand {
public:
    EditStep(MapEditor& editor, StepKind kind, int run, StepSelection before);

    void record(MapEdit edit);
    bool isEmpty() const { return m_edits.empty(); }
    void setSelectionAfter(StepSelection after) { m_after = after; }

    const std::vector<MapEdit>& edits() const { return m_edits; }
    StepSelection selectionBefore() const { return m_before; }
    StepSelection selectionAfter() const { return m_after; }

    int id() const override { return static_cast<int>(m_kind); }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    MapEditor& m_editor;
    StepKind m_kind;
    int m_run;
    StepSelection m_before;
    StepSelection m_after;
    std::vector<MapEdit> m_edits;
    bool m_pushed = false; // the first redo, when pushed, has already happened
};
