#include "filechooser/LastUsedFolders.h"

#include "filedialog/FileDialogResult.h"
#include "filedialog/FileTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

// The settings key of the folder for the kind of file a dialog is for, told by its type list;
// empty for any other dialog.
QString FolderKey(const FileDialogRequest& request)
{
    static const QVector<FileDialogFilter> pictures = FilterEntries(NulSeparatedFilter(PictureFileFilter()));
    static const QVector<FileDialogFilter> pages = FilterEntries(NulSeparatedFilter(MapPageFileFilter()));
    if (request.filters == pictures)
        return QStringLiteral("folders/pictures");
    if (request.filters == pages)
        return QStringLiteral("folders/pages");
    return QString();
}

} // namespace

LastUsedFolders::LastUsedFolders(FileDialogPlatform& dialogs, QSettings& settings)
    : m_dialogs(dialogs)
    , m_settings(settings)
{
}

FileDialogResult LastUsedFolders::Run(const FileDialogRequest& request)
{
    const QString key = FolderKey(request);
    if (key.isEmpty())
        return m_dialogs.Run(request);

    FileDialogRequest started = request;
    const QString folder = m_settings.value(key).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        started.initialDirectory = folder;
    const FileDialogResult result = m_dialogs.Run(started);
    if (result.accepted)
        m_settings.setValue(key, QFileInfo(result.chosenPath).absolutePath());
    return result;
}
