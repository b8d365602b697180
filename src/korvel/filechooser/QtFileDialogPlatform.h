#pragma once

#include "filedialog/FileDialogPlatform.h"

// Shows Qt's own file dialog rather than the desktop's, so that the preview pane
// can be added and the dialog behaves the same on every desktop.
class QtFileDialogPlatform : public FileDialogPlatform {
public:
    FileDialogResult Run(const FileDialogRequest& request) override;
};
