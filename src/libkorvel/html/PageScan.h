#pragma once

#include "map/Area.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Where an element starts in its page, counted from 1; a column counts characters.
struct PagePlace {
    int line = 0;
    int column = 0;
};

struct ScannedArea {
    std::vector<Attribute> attributes; // in the page's order, names in lower case, values decoded
    PagePlace place;
};

struct ScannedMap {
    QString name; // its name attribute, or its id when it has no name
    std::vector<ScannedArea> areas;
    QString pictureSource; // the src of the first <img> whose usemap names the map
    // That <img>'s width and height attributes, which set the size the picture is shown at.
    QString pictureWidth;
    QString pictureHeight;
    PagePlace place;
};

// An <img> with a usemap attribute.
struct ScannedUsemap {
    QString usemap; // the attribute's value
    QString pictureSource; // the <img>'s src
    int map = -1; // the index of the map it names, as browsers find it; -1 for none
    PagePlace place;
};

// What a page holds for Korvel, read with an HTML5 parser as a browser reads it.
struct ScannedPage {
    std::vector<ScannedMap> maps; // in document order
    std::vector<ScannedUsemap> usemaps; // in document order
    QString baseHref; // the page's first <base href>
    // Whether the text holds any element of its own, beyond the html, head and body that a
    // parser supplies even for plain text.
    bool hasMarkup = false;
};

// Parses UTF-8 text. Maps and areas inside <template>, SVG or MathML are no part of the page;
// an area belongs to every map it lies within. The data-korvel-box attribute, which pages
// saved by earlier versions carry, is dropped.
ScannedPage scanPage(const QByteArray& utf8);
