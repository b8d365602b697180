#pragma once

#include <QString>

#include <cstdint>

// Well-known folders, by the numbers callers pass to InitDirectorySpecial.
enum class SpecialDirectory : int32_t {
    Desktop = 0x00,
    Personal = 0x05, // the user's documents
    MyMusic = 0x0d,
    MyVideo = 0x0e,
    DesktopDirectory = 0x10,
    Fonts = 0x14,
    AppData = 0x1a,
    InternetCache = 0x20,
    MyPictures = 0x27,
    Profile = 0x28,
};

// The folder's path, or empty when the folder is unknown here or does not exist.
QString SpecialFolderPath(SpecialDirectory folder);
