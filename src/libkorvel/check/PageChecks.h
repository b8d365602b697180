#pragma once

#include "check/MapProblem.h"
#include "html/PageScan.h"

struct PageContents;

// A problem of a page: where it is and what it is about.
struct PageProblem {
    PagePlace place; // the area's, the map's, or the <img>'s
    QString mapName; // the map's, or the one an <img>'s usemap asks for
    int area = -1; // the area's index in its map; -1 for the map or the picture
    QString message;
};
using PageProblems = std::vector<PageProblem>;

// Maps named like a map before them, which no picture can use: browsers take the first.
PageProblems duplicateMapNameProblems(const PageContents& page);

// Pictures whose usemap names no map of the page.
PageProblems unknownUsemapProblems(const PageContents& page);

// Every check of every map of the page, each map checked on the picture that uses it as the
// page shows it, in the page's order.
PageProblems checkPage(const PageContents& page);
