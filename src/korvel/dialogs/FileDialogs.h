#pragma once

#include <QString>

class QWidget;

// The three file dialogs Korvel shows. Tests answer them through an implementation of their own.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file chosen, or an empty string when the user cancelled. start: the file the dialog
    // offers first (its folder is shown), or a folder.
    virtual QString openPicture(QWidget* parent, const QString& start) = 0;
    virtual QString openPage(QWidget* parent, const QString& start) = 0;
    virtual QString savePage(QWidget* parent, const QString& start) = 0;
};

// Qt's own file dialog.
class QtFileDialogs : public FileDialogs {
public:
    QString openPicture(QWidget* parent, const QString& start) override;
    QString openPage(QWidget* parent, const QString& start) override;
    QString savePage(QWidget* parent, const QString& start) override;
};
