#pragma once

#include "document/ImagemapDocument.h"

#include <QStringList>

// The rules a map keeps on its own: counts within their limits, lists of the right size,
// exactly the areas' outlines loaded and shown, vertex arrays spanning their count.
// Returns one line per broken rule; empty when the map is sound.
QStringList DocumentInvariantViolations(const ImagemapDocument& map);
