#pragma once

#include "editor/MapEditor.h"

#include <QString>
#include <QStringList>

// A MapEditor driven the way the canvas and the window's keys drive it, for tests that play
// whole gestures. Scripts are steps separated by ";":
//   tool rect|circle|poly|trace|arrow   arm a tool
//   move X,Y | press X,Y | release | click X,Y   the pointer, in picture pixels; a release
//                                   over the canvas ends a click; ctrlpress, ctrlclick with Ctrl;
//   dpress X,Y | dclick X,Y         a double-click's second press; a click, then that press
//   key [ctrl+][shift+][alt+]NAME   a key, through the window's key bindings
//   focus map|href|alt|other        the keyboard focus moves there (keys are then the box's)
//   href TEXT | alt TEXT            the user types TEXT into the URL or alt box
//   generate | newmap               Generate; a new picture
//   canvas L,T,W,H                  the visible part of the canvas, in picture pixels
//   wheel T,D                       the trace tool's tolerance and deviation, stepped
//   picture [L,T,W,H]               a light picture, with a dark rectangle there
// and, to set the scene directly:
//   box L,T,W,H | circle L,T,W,H | polygon X,Y X,Y ... (closed) | open X,Y X,Y ... | select bN|pN
class EditorScript {
public:
    EditorScript();

    // Plays a script; fails the test (and returns false) on a step it does not know.
    bool play(const QString& script);

    MapEditor editor;
    QStringList notices;

private:
    bool step(const QString& verb, const QString& argument);
    bool pointerStep(const QString& verb, const QString& argument);
    void addArea(const Area& area);

    bool m_typing = false;
    double m_x = 0;
    double m_y = 0;
};

// The map and the gesture state in a few words, for comparing against a table: boxes and
// polygons numbered within their kind in the map's order, "B1 rect 10,10 100x50*" (* the
// selection), "P2 10,10 50,10 30,40 10,10 building", texts as [href|alt] when there are any,
// then the mode: arrow, rect, circle, poly, trace, move, resize_corner or resize_side.
QString describe(const MapEditor& editor);

// The panel as "href|alt", with " off" when it is disabled.
QString describePanel(const MapEditor& editor);

// Pointer shapes as numbers: 1 arrow, 2 cross, 6 and 8 diagonal, 7 vertical, 9 horizontal,
// 15 all directions.
int cursorCode(Qt::CursorShape shape);
