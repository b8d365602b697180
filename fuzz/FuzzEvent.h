#pragma once

#include <QString>

#include <cstdint>
#include <random>
#include <vector>

class MainWindow;

// One thing a user can do to Korvel, with every value fixed when it is made, so that a
// sequence replays exactly on a fresh window.
struct FuzzEvent {
    enum Kind : uint8_t {
        Move, // the pointer to picture pixel (a, b), a button held or not
        Press, // c: the keyboard modifiers held
        Release, // at (a, b); a click when that is on the picture
        Tool, // a: 0 rectangle, 1 circle, 2 polygon, 3 trace
        Key, // a: Qt key, b: modifiers; c: the focus (0 canvas, 1 map name, 2 URL, 3 alt, 4 a button, 5 the area list)
        Type, // a: which text, c: which box (1 map name, 2 URL, 3 alt)
        NewMap, // a: which picture
        Generate,
        Scroll, // a: 0 across, 1 down; b: the bar's position, as a share of 1000
        Resize, // a, b: the window's size
        SaveAndOpen, // save the map as a page and open it again
        Zoom, // a: 0 in, 1 out, 2 100 %, 3 fit
        DoubleClick, // the second press of a double-click, after a release; as Press
        Wheel, // a: notches, b: modifiers; over the middle of the canvas
    };
    Kind kind = Move;
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;

    QString describe() const;
};

// Makes events that reach the interesting places often: the handles of the selected area,
// the edges of a selected polygon, the first corner of a polygon being built, box edges, far
// outside the picture.
class FuzzEventMaker {
public:
    explicit FuzzEventMaker(uint64_t seed)
        : m_random(seed)
    {
    }
    FuzzEvent next(MainWindow& window);

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }
    void near(double cx, double cy, int32_t& x, int32_t& y);
    void pointerTarget(MainWindow& window, int32_t& x, int32_t& y);
    void pointerEvent(MainWindow& window, FuzzEvent& event);

    std::mt19937_64 m_random;
    bool m_buttonDown = false;
    FuzzEvent m_lastPointer; // after a release, where a double-click's second press goes
};

// The texts typed into the boxes, by number.
const std::vector<QString>& fuzzTexts();
