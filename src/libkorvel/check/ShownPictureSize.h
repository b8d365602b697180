#pragma once

#include <QSize>
#include <QString>

struct PageMap;

// The size in CSS pixels at which a page shows its map's picture, which is what the map's
// coordinates count: the <img>'s width and height, the picture file's own size (turned as
// its EXIF orientation says) for what they leave out, one scaled with the other when only
// one is given. Invalid when it cannot be known: a percentage, or no file to read.
QSize shownPictureSize(const PageMap& page);

// An HTML width or height as browsers read it: leading spaces, then digits with an optional
// fraction, anything after ignored ("120px" is 120 pixels, "50%" a percentage).
struct Dimension {
    enum class Kind { None, Pixels, Percentage };
    Kind kind = Kind::None;
    double pixels = 0;
};
Dimension dimensionOf(const QString& text);
