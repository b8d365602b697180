#pragma once

#include "document/ImagemapDocument.h"

#include <QSize>
#include <QString>

// The picture a saved page shows: its src, already a URL (PictureSourceFor), and its size
// in pixels, written as the <img>'s width and height when valid.
struct PagePicture {
    QString source;
    QSize size;
};

// A whole HTML5 page: the picture with usemap="#mapName" (none when its source is empty), then the map with one <area>
// per box in index order, then one per polygon. Coordinates are those Generate writes; every text is escaped, so that
// any name, URL or alt text reads back as it was. A box whose geometry its coords do not give back exactly (a circle
// that is not a square at whole pixels, say) carries it in data-korvel-box="left,top,width,height", which browsers
// ignore. Boxes of a shape kind that has no HTML form are left out, as Generate leaves them out.
QString MapPageHtml(const ImagemapDocument& map, const QString& mapName, const PagePicture& picture);
