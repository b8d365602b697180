#pragma once

#include <QSize>
#include <QString>

class ImageMap;

// Saves the map as a whole page (pageHtml) in UTF-8 at htmlFilePath, showing the picture at
// picturePath through a path relative to the page, pictureSize (when valid) as its width and
// height. The file is replaced in one step: returns an empty string on success, else a
// sentence that names the file and says why it could not be saved, the old file then left
// as it was.
[[nodiscard]] QString savePage(
    const QString& htmlFilePath, const ImageMap& map, const QString& picturePath, QSize pictureSize = {});
