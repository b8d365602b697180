#pragma once

#include "map/Area.h"

#include <QPixmap>

// The small picture of a kind of area in the area list, kShapePictureSize pixels square.
QPixmap drawShapePicture(AreaShape shape);

constexpr int kShapePictureSize = 16;
