#include "window/PageFiles.h"

#include "html/MapWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

PageChoices readPageMaps(const QString& htmlPath)
{
    PageChoices choices;
    choices.error = QStringLiteral("“%1” cannot be opened yet.").arg(QDir::toNativeSeparators(htmlPath));
    return choices;
}

QString writePage(const QString& htmlPath, const ImageMap& map, const QString& picturePath, QSize pictureSize)
{
    const QString source = QFileInfo(htmlPath).dir().relativeFilePath(picturePath);
    QSaveFile file(htmlPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pageHtml(map, { source, pictureSize }).toUtf8()) < 0
        || !file.commit())
        return QStringLiteral("“%1” could not be saved: %2").arg(QDir::toNativeSeparators(htmlPath), file.errorString());
    return QString();
}
