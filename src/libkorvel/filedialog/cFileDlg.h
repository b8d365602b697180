#pragma once

#include "filedialog/FileDialogRequest.h"
#include "filedialog/ShellFolders.h"

#include <QString>

#include <cstdint>

class FileDialogPlatform;
struct FileDialogResult;
class QWidget;

// The open and save dialogs behind a handful of properties: set the ones that
// matter, call one of the VBGet... functions with the file-name variable, and read
// the chosen path back from it. After every call the properties describe how the
// dialog ended, although the program never reads them again.
class cFileDlg {
public:
    explicit cFileDlg(FileDialogPlatform& platform);

    bool FileMustExist = true;
    bool MultiSelect = false;
    bool HideReadOnly = true;
    QString Filter; // "description|pattern|description|pattern...", ":" splits as well
    int32_t FilterIndex = 0; // 1-based
    QString InitDirectory;
    QString DlgTitle = QStringLiteral("Korvel");
    QString DefaultExt;
    uint32_t Flags = 0;
    bool OverwritePrompt = true;
    QWidget* OwnerHwnd = nullptr; // nullptr: no owner

    // True once an open dialog came back with the read-only option set.
    bool ReadOnly() const { return m_readOnly; }
    void InitDirectorySpecial(SpecialDirectory folder);

    // Each returns true when the user chose a file; filename then holds its path and
    // FileTitle its name. On a cancel both hold a single NUL.
    bool VBGetOpenFileName(QString& filename, QString& FileTitle);
    bool VBGetOpenFileName(QString& filename);
    bool VBGetOpenFileNamePreview(QString& filename, QString& FileTitle);
    bool VBGetOpenFileNamePreview(QString& filename);
    bool VBGetSaveFileName(QString& filename, QString& FileTitle);
    bool VBGetSaveFileName(QString& filename);

    // True for an existing regular file.
    static bool ExistFile(const QString& sSpec);
    // The name of the file without its folder, or empty when sFile names no file.
    static QString VBGetFileTitle(const QString& sFile);

private:
    bool RunDialog(FileDialogKind kind, QString& filename, QString& FileTitle);
    FileDialogRequest BuildRequest(FileDialogKind kind, const QString& filename) const;
    uint32_t DialogFlags(FileDialogKind kind) const;
    void StoreChoice(
        const FileDialogRequest& request, const FileDialogResult& result, QString& filename, QString& FileTitle);
    void StoreCancel(FileDialogKind kind, QString& filename, QString& FileTitle);

    FileDialogPlatform& m_platform;
    bool m_readOnly = false;
};
