#pragma once

#include "filedialog/FileDialogFilters.h"

#include <QString>
#include <QVector>

#include <cstdint>

class QWidget;

// Option bits of the open and save dialogs. Callers may pass any of them in
// cFileDlg::Flags, so their values are fixed.
namespace FileDialogFlag {
constexpr uint32_t ReadOnly = 0x1;
constexpr uint32_t OverwritePrompt = 0x2;
constexpr uint32_t HideReadOnly = 0x4;
constexpr uint32_t EnableHook = 0x20;
constexpr uint32_t EnableTemplate = 0x40;
constexpr uint32_t AllowMultiSelect = 0x200;
constexpr uint32_t FileMustExist = 0x1000;
} // namespace FileDialogFlag

enum class FileDialogKind { Open, OpenWithPreview, Save };

// Everything a dialog needs to know to show itself, already in its final form.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QWidget* owner = nullptr; // nullptr: a dialog of its own, modal for the whole program
    QVector<FileDialogFilter> filters;
    int32_t filterIndex = 0; // 1-based; anything else preselects the first entry
    QString fileName;
    QString title;
    QString initialDirectory;
    uint32_t flags = 0;
    QString defaultExtension;
};
