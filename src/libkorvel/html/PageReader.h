#pragma once

#include "html/PageScan.h"
#include "map/ImageMap.h"

#include <QStringList>

// Larger files are refused before they are read: the largest map Korvel holds, with long
// links and texts, makes a page of about 10 MB.
constexpr qint64 kMaxPageBytes = 64 * 1024 * 1024;

// One <map> of a page as the map Korvel edits.
struct PageMap {
    ImageMap map; // named by the map's name, or its id; every area, in the page's order
    std::vector<PagePlace> places; // where each of the map's areas starts in the page
    // One line per area kept as it came because Korvel cannot edit it, naming it and why:
    // "area 3 (href “x.html”): its shape “default” covers the whole picture, which no Korvel area can."
    QStringList keptAreas;
    QString pictureSource; // the src of the first <img> that uses the map
    QString picturePath; // that picture as a local file; empty when it is none
    bool pictureExists = false;
    // That <img>'s width and height attributes, the size the page shows the picture at.
    QString pictureWidth;
    QString pictureHeight;
    PagePlace place; // where the <map> starts
};

struct PageContents {
    QString error; // a sentence naming the file and the reason; empty when maps were found
    std::vector<PageMap> maps; // in document order
    std::vector<ScannedUsemap> usemaps; // every <img usemap>, in document order
};

// Reads any HTML file (Korvel's own, hand-written, a whole site's page) as a browser does and
// gives its maps. A file that is missing, unreadable, empty, binary, larger than
// kMaxPageBytes, not HTML or without a <map> gives an error instead.
PageContents readPage(const QString& htmlFilePath);

// Reads a file as readPage does, for checking a whole site: a page without maps, an empty
// file or plain text is no error and gives what it holds (perhaps nothing); only a file
// that cannot be read, or is binary or too large, gives an error.
PageContents readAnyPage(const QString& htmlFilePath);
