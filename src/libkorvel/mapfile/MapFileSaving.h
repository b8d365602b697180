#pragma once

#include "document/ImagemapDocument.h"

#include <QSize>
#include <QString>

// Saves the map as a whole HTML page (MapPageHtml) in UTF-8 at htmlFilePath, showing the
// picture at picturePath through a path relative to the page; pictureSize, when valid, is
// written as the picture's width and height. The file is replaced in one step
// (WriteFileAtomically). Returns an empty string on success, else a sentence that names
// the file and says why it could not be saved; the old file is then left as it was.
[[nodiscard]] QString SaveMapFile(const QString& htmlFilePath, const ImagemapDocument& map, const QString& mapName,
    const QString& picturePath, QSize pictureSize = {});
