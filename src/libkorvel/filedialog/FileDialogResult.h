#pragma once

#include <QString>

#include <cstdint>

// What a dialog reports back. With several files chosen, chosenPath is their folder
// followed by each file name, every one of them ended by a NUL.
struct FileDialogResult {
    bool accepted = false;
    QString chosenPath;
    int32_t filterIndex = 0; // 1-based number of the filter entry in use at the end
    uint32_t flags = 0;
};
