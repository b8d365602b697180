#pragma once

#include "filedialog/FileDialogPlatform.h"

class QSettings;

// Starts the picture dialogs in the folder where a picture was last chosen, and the web-page
// dialogs (open and save) where a page last was, from one run of Korvel to the next. Stands
// between the program and the dialogs on screen. A dialog that shows a file in its folder
// (the current picture or page) still opens beside it, and one without a remembered folder,
// or whose folder is gone, starts in the folder the request names: the documents folder.
class LastUsedFolders : public FileDialogPlatform {
public:
    LastUsedFolders(FileDialogPlatform& dialogs, QSettings& settings);

    FileDialogResult Run(const FileDialogRequest& request) override;

private:
    FileDialogPlatform& m_dialogs;
    QSettings& m_settings;
};
