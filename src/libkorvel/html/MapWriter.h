#pragma once

#include <QSize>
#include <QString>

class Area;
class ImageMap;

// One writer for every <map> Korvel produces. Each area is written with its attributes in its
// own order, coords from its geometry (or as its page wrote them, while unchanged); an area
// Korvel cannot edit is written as it came.
enum class HtmlForm {
    // Generate's text: every text exactly as typed, CR LF line breaks, no break at the end.
    Literal,
    // A page's text: every attribute value escaped, so any text reads back as it was.
    Escaped,
};

QString mapElement(const ImageMap& map, HtmlForm form);
void appendAreaElement(QString& out, const Area& area, HtmlForm form);

// The picture a saved page shows: its src, already a URL, and its size in pixels, written as
// the <img>'s width and height when valid.
struct PagePicture {
    QString source;
    QSize size;
};

// A whole HTML5 page: the picture with usemap="#name" (none when its source is empty), then
// the map in its escaped form.
QString pageHtml(const ImageMap& map, const PagePicture& picture);
