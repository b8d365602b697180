#include "mapfile/MapFileReading.h"

#include "mapfile/HtmlMapScanner.h"
#include "mapfile/HtmlTextDecoding.h"
#include "mapfile/PictureAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString CannotOpen(const QFileInfo& file, const QString& reason)
{
    return QStringLiteral("Korvel cannot open “%1”: %2").arg(QDir::toNativeSeparators(file.absoluteFilePath()), reason);
}

// Checked without opening the file: opening a named pipe would wait for a writer forever.
QString ProblemBeforeReading(const QFileInfo& file)
{
    if (!file.exists())
        return CannotOpen(file, QStringLiteral("there is no such file."));
    if (file.isDir())
        return CannotOpen(file, QStringLiteral("it is a folder, not a page."));
    if (!file.isFile())
        return CannotOpen(file, QStringLiteral("it is not an ordinary file."));
    if (!file.isReadable())
        return CannotOpen(file, QStringLiteral("you do not have permission to read it."));
    if (file.size() == 0)
        return CannotOpen(file, QStringLiteral("the file is empty."));
    if (file.size() > kMaxMapFileBytes)
        return CannotOpen(file,
            QStringLiteral("it is %1 MB; Korvel opens pages up to %2 MB.")
                .arg((file.size() + (1 << 20) - 1) >> 20)
                .arg(kMaxMapFileBytes >> 20));
    return {};
}

QString ReadAll(const QFileInfo& info, QByteArray& bytes)
{
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(info, QStringLiteral("the file could not be opened (%1).").arg(file.errorString()));
    bytes = file.read(kMaxMapFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return CannotOpen(info, QStringLiteral("the file could not be read from the disk."));
    if (bytes.isEmpty())
        return CannotOpen(info, QStringLiteral("the file is empty."));
    if (bytes.size() > kMaxMapFileBytes) // grown since it was looked at
        return CannotOpen(info, QStringLiteral("it is larger than %1 MB.").arg(kMaxMapFileBytes >> 20));
    return {};
}

QString ProblemWithPage(const QFileInfo& file, const ScannedPage& page)
{
    if (!page.hasMarkup)
        return CannotOpen(file, QStringLiteral("it is not an HTML page: there is no markup in it."));
    if (page.maps.empty())
        return CannotOpen(file, QStringLiteral("there is no imagemap in it (no <map> element)."));
    return {};
}

void FindPictures(const QFileInfo& file, const ScannedPage& page, std::vector<FoundMap>& maps)
{
    for (FoundMap& map : maps) {
        map.picturePath = PictureFileFromSource(file.absoluteFilePath(), page.baseHref, map.pictureSource);
        const QFileInfo picture(map.picturePath);
        map.pictureExists = !map.picturePath.isEmpty() && picture.isFile();
    }
}

} // namespace

MapFileContents ReadMapFile(const QString& htmlFilePath)
{
    const QFileInfo file(htmlFilePath);
    MapFileContents contents;
    contents.error = ProblemBeforeReading(file);
    QByteArray bytes;
    if (contents.error.isEmpty())
        contents.error = ReadAll(file, bytes);
    if (contents.error.isEmpty() && LooksBinary(bytes))
        contents.error = CannotOpen(file, QStringLiteral("it holds binary data, not the text of a page."));
    if (!contents.error.isEmpty())
        return contents;
    ScannedPage page = ScanHtmlPage(HtmlTextAsUtf8(bytes));
    contents.error = ProblemWithPage(file, page);
    if (contents.error.isEmpty()) {
        contents.maps = std::move(page.maps);
        FindPictures(file, page, contents.maps);
    }
    return contents;
}
