#pragma once

#include "map/Numbers.h"

#include <QImage>
#include <QString>

// The largest picture New Imagemap opens. A 150-megapixel camera frame still fits; beyond this
// the decoded picture and its screen copy would take gigabytes.
constexpr int kMaxPictureMegapixels = 200;

// Areas are placed by 16-bit pixel positions, so a longer side could not be reached.
constexpr int kMaxPictureSide = kInt16Max;

struct LoadedPicture {
    // Null when the file could not be used. Otherwise RGB32, or ARGB32_Premultiplied when the
    // picture has transparency, so the canvas can make its pixmap without converting again.
    QImage image;
    // When the image is null: one or two sentences for a message box, naming the file and the reason.
    QString error;
    // When the picture opened but part of it is missing: a few words that fit the status bar,
    // and the full sentence naming the file and what happened.
    QString notice;
    QString warning;
};

// Lets Qt's image readers allocate enough for the largest picture Korvel opens. The limit is
// the whole program's, so this is done once at start, before any picture is read.
void allowLargePictures();

// Reads a JPEG, GIF, BMP, PNG or WebP file for New Imagemap, turned the way its EXIF orientation
// says (as browsers show it). Never throws; every failure comes back as `error`. Safe to call
// from any thread.
LoadedPicture loadPicture(const QString& path);
