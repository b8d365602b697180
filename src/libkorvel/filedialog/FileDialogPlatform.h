#pragma once

#include "filedialog/FileDialogRequest.h"
#include "filedialog/FileDialogResult.h"

// The one place where a real dialog appears on screen; cFileDlg decides everything
// else, so tests stand in with a fake that returns a scripted answer.
class FileDialogPlatform {
public:
    virtual ~FileDialogPlatform() = default;
    virtual FileDialogResult Run(const FileDialogRequest& request) = 0;
};
