#pragma once

#include "map/ImageMap.h"

#include <QSize>
#include <QStringList>

#include <vector>

// One map of a page, as the window opens it.
struct PageMapChoice {
    ImageMap map;
    QString picturePath; // the picture as a local file; empty when the page names none
    bool pictureExists = false;
    QStringList keptAreas; // a line for each area kept as it came but not editable
};

// The maps of a page, or why there are none (a sentence naming the file and the reason).
struct PageChoices {
    QString error;
    std::vector<PageMapChoice> maps;
};

PageChoices readPageMaps(const QString& htmlPath);
// Saves the map as a page showing the picture; "" on success, else why not.
QString writePage(const QString& htmlPath, const ImageMap& map, const QString& picturePath, QSize pictureSize);
