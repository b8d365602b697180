#pragma once

#include <QCoreApplication>
#include <QString>

#include <vector>

// Something in a map that a browser will do differently from what its author expects.
struct MapProblem {
    int area = -1; // the area's index in the map's order; -1 for the map itself
    QString message; // one line, without the map's name or the area's number
};
using MapProblems = std::vector<MapProblem>;

// The checks' texts, translated in the context "MapChecks".
struct CheckWords {
    Q_DECLARE_TR_FUNCTIONS(MapChecks)
};

// What a problem is about: `map "nav", area 3` (the area counted from 1), or `map "nav"`.
QString problemSubject(const QString& mapName, int area);

// A text quoted in a message: on one line (line breaks and other controls shown as \n, \r,
// \t, \xHH) and at most about 60 characters long, never cutting a character in half.
QString shownText(const QString& text);

// A number as a message shows it: 12, 0.01, 40000.
QString numberText(double value);
