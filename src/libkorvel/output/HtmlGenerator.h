#pragma once

#include "document/ImagemapDocument.h"

#include <QString>

// The imagemap as HTML: a <map> element named mapName with one <area> per box
// (in index order), then one per polygon. Lines end in CR LF, the text ends with
// "</map>" and no line break, and the user's texts are written exactly as typed.
QString GenerateImagemapHtml(const ImagemapDocument& map, const QString& mapName);
