#pragma once

#include "document/ImagemapDocument.h"
#include "editing/EditorState.h"

#include <QStringList>

// Everything the editing operations work on: the map and the editor's state beside it.
struct Editor {
    ImagemapDocument map;
    EditorState state;

    friend bool operator==(const Editor& a, const Editor& b) { return a.map == b.map && a.state == b.state; }
    friend bool operator!=(const Editor& a, const Editor& b) { return !(a == b); }
};

// Every rule that the editing code keeps between events: the map's own rules, the
// selection and gesture indexes naming existing areas, and the border colours matching
// the selection. Returns one line per broken rule; empty when all hold.
QStringList EditorInvariantViolations(const Editor& editor);
