#include "filedialog/ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <optional>

namespace {

std::optional<QStandardPaths::StandardLocation> StandardLocationOf(SpecialDirectory folder)
{
    switch (folder) {
    case SpecialDirectory::Desktop:
    case SpecialDirectory::DesktopDirectory:
        return QStandardPaths::DesktopLocation;
    case SpecialDirectory::Personal:
        return QStandardPaths::DocumentsLocation;
    case SpecialDirectory::Fonts:
        return QStandardPaths::FontsLocation;
    case SpecialDirectory::MyMusic:
        return QStandardPaths::MusicLocation;
    case SpecialDirectory::MyVideo:
        return QStandardPaths::MoviesLocation;
    case SpecialDirectory::AppData:
        return QStandardPaths::GenericDataLocation;
    case SpecialDirectory::InternetCache:
        return QStandardPaths::GenericCacheLocation;
    case SpecialDirectory::MyPictures:
        return QStandardPaths::PicturesLocation;
    case SpecialDirectory::Profile:
        return QStandardPaths::HomeLocation;
    }
    return std::nullopt;
}

} // namespace

QString SpecialFolderPath(SpecialDirectory folder)
{
    const std::optional<QStandardPaths::StandardLocation> location = StandardLocationOf(folder);
    if (!location)
        return QString();
    // The writable location is where the folder belongs, not proof that it is there;
    // a dialog told to start in a missing folder would start somewhere arbitrary.
    const QString path = QStandardPaths::writableLocation(*location);
    if (path.isEmpty() || !QDir(path).exists())
        return QString();
    return path;
}
