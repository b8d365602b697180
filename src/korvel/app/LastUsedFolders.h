#pragma once

#include "dialogs/FileDialogs.h"

class QSettings;

// Starts the picture dialogs in the folder where a picture was last chosen, and the page
// dialogs (open and save) where a page last was, from one run of Korvel to the next. A dialog
// that offers a file (the current picture or page) still opens beside it; one with no
// remembered folder, or whose folder is gone, starts in the documents folder.
class LastUsedFolders : public FileDialogs {
public:
    LastUsedFolders(FileDialogs& dialogs, QSettings& settings);

    QString openPicture(QWidget* parent, const QString& start) override;
    QString openPage(QWidget* parent, const QString& start) override;
    QString savePage(QWidget* parent, const QString& start) override;

private:
    QString startFor(const QString& key, const QString& start) const;
    QString remember(const QString& key, const QString& chosen);

    FileDialogs& m_dialogs;
    QSettings& m_settings;
};
