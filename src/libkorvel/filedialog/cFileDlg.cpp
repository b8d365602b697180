#include "filedialog/cFileDlg.h"

#include "filedialog/FileDialogPlatform.h"

#include <QFileInfo>

namespace {

// The dialogs were handed fixed buffers of this many characters, and the chosen
// path comes back into InitDirectory padded to that length.
constexpr qsizetype kFileBufferLength = 1024;

// What a cancelled dialog leaves in the file name, the title and the filter.
const QString kSingleNul(1, QChar(0));

// Hook and template bits would ask for a callback and a dialog resource that
// nothing here provides.
constexpr uint32_t kUnsupportedFlags = FileDialogFlag::EnableHook | FileDialogFlag::EnableTemplate;

QString UpToFirstNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

cFileDlg::cFileDlg(FileDialogPlatform& platform)
    : m_platform(platform)
{
    InitDirectorySpecial(SpecialDirectory::Personal);
}

void cFileDlg::InitDirectorySpecial(SpecialDirectory folder)
{
    InitDirectory = SpecialFolderPath(folder);
}

bool cFileDlg::VBGetOpenFileName(QString& filename, QString& FileTitle)
{
    return RunDialog(FileDialogKind::Open, filename, FileTitle);
}

bool cFileDlg::VBGetOpenFileName(QString& filename)
{
    QString unusedTitle;
    return VBGetOpenFileName(filename, unusedTitle);
}

bool cFileDlg::VBGetOpenFileNamePreview(QString& filename, QString& FileTitle)
{
    return RunDialog(FileDialogKind::OpenWithPreview, filename, FileTitle);
}

bool cFileDlg::VBGetOpenFileNamePreview(QString& filename)
{
    QString unusedTitle;
    return VBGetOpenFileNamePreview(filename, unusedTitle);
}

bool cFileDlg::VBGetSaveFileName(QString& filename, QString& FileTitle)
{
    return RunDialog(FileDialogKind::Save, filename, FileTitle);
}

bool cFileDlg::VBGetSaveFileName(QString& filename)
{
    QString unusedTitle;
    return VBGetSaveFileName(filename, unusedTitle);
}

bool cFileDlg::ExistFile(const QString& sSpec)
{
    return !sSpec.isEmpty() && QFileInfo(sSpec).isFile();
}

QString cFileDlg::VBGetFileTitle(const QString& sFile)
{
    const QString title = QFileInfo(UpToFirstNul(sFile)).fileName();
    if (title == QLatin1String(".") || title == QLatin1String(".."))
        return QString();
    return title;
}

bool cFileDlg::RunDialog(FileDialogKind kind, QString& filename, QString& FileTitle)
{
    const FileDialogRequest request = BuildRequest(kind, filename);
    const FileDialogResult result = m_platform.Run(request);
    if (!result.accepted) {
        StoreCancel(kind, filename, FileTitle);
        return false;
    }
    StoreChoice(request, result, filename, FileTitle);
    return true;
}

FileDialogRequest cFileDlg::BuildRequest(FileDialogKind kind, const QString& filename) const
{
    FileDialogRequest request;
    request.kind = kind;
    request.owner = OwnerHwnd;
    request.filters = FilterEntries(NulSeparatedFilter(Filter));
    request.filterIndex = FilterIndex;
    request.fileName = UpToFirstNul(filename);
    request.title = DlgTitle;
    request.initialDirectory = UpToFirstNul(InitDirectory);
    request.flags = DialogFlags(kind);
    request.defaultExtension = DefaultExt;
    return request;
}

uint32_t cFileDlg::DialogFlags(FileDialogKind kind) const
{
    uint32_t flags = Flags & ~kUnsupportedFlags;
    if (kind == FileDialogKind::Save) {
        if (OverwritePrompt)
            flags |= FileDialogFlag::OverwritePrompt;
        return flags | FileDialogFlag::HideReadOnly;
    }
    if (FileMustExist)
        flags |= FileDialogFlag::FileMustExist;
    if (MultiSelect)
        flags |= FileDialogFlag::AllowMultiSelect;
    if (HideReadOnly)
        flags |= FileDialogFlag::HideReadOnly;
    if (m_readOnly)
        flags |= FileDialogFlag::ReadOnly;
    return flags;
}

void cFileDlg::StoreChoice(
    const FileDialogRequest& request, const FileDialogResult& result, QString& filename, QString& FileTitle)
{
    filename = UpToFirstNul(result.chosenPath);
    FileTitle = VBGetFileTitle(filename);
    Flags = result.flags;
    FilterIndex = result.filterIndex;
    Filter = FilterEntryText(request.filters, FilterIndex);
    if (request.kind != FileDialogKind::Save && (result.flags & FileDialogFlag::ReadOnly))
        m_readOnly = true;
    InitDirectory = result.chosenPath.leftJustified(kFileBufferLength, QChar(0));
}

void cFileDlg::StoreCancel(FileDialogKind kind, QString& filename, QString& FileTitle)
{
    filename = kSingleNul;
    FileTitle = kSingleNul;
    Flags = 0;
    FilterIndex = kind == FileDialogKind::Save ? 0 : -1;
    Filter = kSingleNul;
}
