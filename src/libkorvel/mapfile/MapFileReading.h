#pragma once

#include "mapfile/FoundMap.h"

#include <QString>

#include <cstdint>

// Larger files are refused before they are read: the largest map Korvel holds, with long
// links and texts, makes a page of about 10 MB.
constexpr int64_t kMaxMapFileBytes = 64 * 1024 * 1024;

// The maps of an HTML file, or why there are none.
struct MapFileContents {
    QString error; // a sentence naming the file and the reason; empty when maps were found
    std::vector<FoundMap> maps; // in document order, each with its picture looked for
};

// Reads any HTML file (Korvel's own, hand-written, a whole web page) with an HTML5
// parser and finds its maps. A file that is missing, unreadable, empty, binary, larger
// than kMaxMapFileBytes, not HTML or without a <map> gives an error instead.
MapFileContents ReadMapFile(const QString& htmlFilePath);
