#pragma once

#include "editing/EditorSession.h"
#include "support/DocumentBuilders.h"
#include "support/RecordingView.h"

#include <QString>

// An editor driven the way the main window drives it, with a recording view, for tests
// that play whole gestures. Scripts are steps separated by ";":
//   tool rect|circle|poly   press a tool button
//   move X,Y                the pointer moves to (X, Y)
//   press X,Y               the pointer moves to (X, Y) and a button goes down there
//   release                 the button goes up; a click follows when over the canvas
//   click X,Y               press X,Y; release
//   generate                the Generate button
//   key [ctrl+][shift+][alt+]NAME   a key: a letter, Delete, Backspace, Left, Right, Up, Down
//   focus map|href|alt|other        the keyboard focus moves there
//   href TEXT | alt TEXT    the user types TEXT (may be empty) into the URL or alt box
//   zoom N/D                the canvas shows N screen pixels per D picture pixels
//   canvas L,T,W,H          the visible part of the canvas
//   newmap                  a new picture starts a new map
// and, to set the scene, areas made and selected directly:
//   box L,T,W,H | circle L,T,W,H | polygon X,Y X,Y ... | open X,Y X,Y ... | select bN|pN
class EditorHarness {
public:
    EditorHarness()
    {
        session.Apply([](Editor& e) { GrowAreaArrays(e.map, true), GrowAreaArrays(e.map, false); });
    }

    // Plays a script; fails the test (and returns false) on a step it does not know.
    bool Play(const QString& script);

    const Editor& editor() const { return session.editor(); }
    const ImagemapDocument& map() const { return session.editor().map; }
    const EditorState& state() const { return session.editor().state; }
    template <typename Change> void Build(Change&& change) { session.Apply(std::forward<Change>(change)); }

    RecordingView view;
    EditorSession session { view };

private:
    bool BuildStep(const QString& verb, const QStringList& arguments);
    bool InputStep(const QString& verb, const QString& argument);

    float m_x = 0;
    float m_y = 0;
};

// The map and the gesture state in a few words, for comparing against a table:
// "B1 rect 10,10 100x50*" (* selected, magenta), "P2 10,10 50,10 30,40 10,10*", texts as
// [url|alt] when there are any, then the tool, e.g. "arrow". Areas are separated by " | ".
QString Describe(const Editor& editor);
