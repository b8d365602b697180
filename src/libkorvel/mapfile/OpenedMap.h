#pragma once

#include "document/ImagemapDocument.h"
#include "mapfile/FoundMap.h"

#include <QStringList>

// At most this many lines are listed of each kind; one more line counts the rest.
constexpr int kMaxListedAreaLines = 100;

// A map of a page made into the map Korvel edits.
struct OpenedMap {
    // Boxes grey and visible, polygons with their points as written, both lists grown as
    // New Imagemap leaves them. Slot 0 of each list is empty: the caller puts its
    // clipboard there.
    ImagemapDocument map;
    QString mapName;
    // One line per area that could not be opened, saying which and why, e.g.
    // area 3 (href “x.html”): its shape “default” covers the whole picture, ...
    QStringList leftOut;
    // One line per polygon whose points had fractions and were rounded to whole pixels.
    QStringList rounded;
    QString picturePath; // the picture as a local file, empty when the page names none
    bool pictureExists = false;
};

OpenedMap OpenFoundMap(const FoundMap& found);
