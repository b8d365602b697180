#pragma once

#include "mapfile/FoundMap.h"

#include <QByteArray>

// What a page holds for Korvel, read with an HTML5 parser as a browser reads it.
struct ScannedPage {
    // Every <map> in document order, with its areas and its picture's src; the picture's
    // file is not looked for here.
    std::vector<FoundMap> maps;
    QString baseHref; // the page's first <base href>
    // Whether the text holds any element of its own, beyond the html, head and body that
    // a parser supplies even for plain text.
    bool hasMarkup = false;
};

// Parses UTF-8 text. Maps and areas inside <template> or inside SVG or MathML are not part
// of the page and are not found. An area belongs to every map it lies within.
ScannedPage ScanHtmlPage(const QByteArray& utf8);
