#include "app/LastUsedFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kPictures = QStringLiteral("folders/pictures");
const QString kPages = QStringLiteral("folders/pages");

} // namespace

LastUsedFolders::LastUsedFolders(FileDialogs& dialogs, QSettings& settings)
    : m_dialogs(dialogs)
    , m_settings(settings)
{
}

QString LastUsedFolders::startFor(const QString& key, const QString& start) const
{
    if (!start.isEmpty())
        return start;
    const QString folder = m_settings.value(key).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString LastUsedFolders::remember(const QString& key, const QString& chosen)
{
    if (!chosen.isEmpty())
        m_settings.setValue(key, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString LastUsedFolders::openPicture(QWidget* parent, const QString& start)
{
    return remember(kPictures, m_dialogs.openPicture(parent, startFor(kPictures, start)));
}

QString LastUsedFolders::openPage(QWidget* parent, const QString& start)
{
    return remember(kPages, m_dialogs.openPage(parent, startFor(kPages, start)));
}

QString LastUsedFolders::savePage(QWidget* parent, const QString& start)
{
    return remember(kPages, m_dialogs.savePage(parent, startFor(kPages, start)));
}
