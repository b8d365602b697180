#include "html/PageReader.h"

#include "html/PageArea.h"
#include "html/PageText.h"
#include "html/PictureAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(PageReader)
};

QString cannotOpen(const QFileInfo& file, const QString& reason)
{
    return Words::tr("Korvel cannot open “%1”: %2").arg(QDir::toNativeSeparators(file.absoluteFilePath()), reason);
}

// Checked without opening the file: opening a named pipe would wait for a writer forever.
QString problemBeforeReading(const QFileInfo& file)
{
    if (!file.exists())
        return cannotOpen(file, Words::tr("there is no such file."));
    if (file.isDir())
        return cannotOpen(file, Words::tr("it is a folder, not a page."));
    if (!file.isFile())
        return cannotOpen(file, Words::tr("it is not an ordinary file."));
    if (!file.isReadable())
        return cannotOpen(file, Words::tr("you do not have permission to read it."));
    if (file.size() > kMaxPageBytes)
        return cannotOpen(file,
            Words::tr("it is %1 MB; Korvel opens pages up to %2 MB.")
                .arg((file.size() + (1 << 20) - 1) >> 20)
                .arg(kMaxPageBytes >> 20));
    return {};
}

QString readAll(const QFileInfo& info, QByteArray& bytes)
{
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(info, Words::tr("the file could not be opened (%1).").arg(file.errorString()));
    // In pieces: one read of the largest size would take that much memory for any page.
    QByteArray piece;
    while (bytes.size() <= kMaxPageBytes && !(piece = file.read(1 << 20)).isEmpty())
        bytes += piece;
    if (file.error() != QFileDevice::NoError)
        return cannotOpen(info, Words::tr("the file could not be read from the disk."));
    if (bytes.size() > kMaxPageBytes) // grown since it was looked at
        return cannotOpen(info, Words::tr("it is larger than %1 MB.").arg(kMaxPageBytes >> 20));
    if (looksBinary(bytes))
        return cannotOpen(info, Words::tr("it holds binary data, not the text of a page."));
    return {};
}

QString problemWithPage(const QFileInfo& file, const QByteArray& bytes, const ScannedPage& page)
{
    if (bytes.isEmpty())
        return cannotOpen(file, Words::tr("the file is empty."));
    if (!page.hasMarkup)
        return cannotOpen(file, Words::tr("it is not an HTML page: there is no markup in it."));
    if (page.maps.empty())
        return cannotOpen(file, Words::tr("there is no imagemap in it (no <map> element)."));
    return {};
}

QString mapFullProblem(AreaShape shape)
{
    return shape == AreaShape::Polygon
        ? Words::tr("the map already holds %1 polygons, the most it can hold").arg(kMaxAreasPerKind)
        : Words::tr("the map already holds %1 rectangles and circles, the most it can hold").arg(kMaxAreasPerKind);
}

// Every area in its place: those Korvel cannot edit, or has no more room for, kept as they came.
PageMap pageMapOf(ScannedMap& scanned)
{
    PageMap page;
    page.map.setName(scanned.name);
    page.pictureSource = scanned.pictureSource;
    page.pictureWidth = scanned.pictureWidth;
    page.pictureHeight = scanned.pictureHeight;
    page.place = scanned.place;
    for (ScannedArea& scannedArea : scanned.areas) {
        PageArea read = readPageArea(std::move(scannedArea.attributes));
        if (read.problem.isEmpty() && !page.map.hasRoomFor(read.area.shape())) {
            read.problem = mapFullProblem(read.area.shape());
            read.area = Area::fromPage(AreaShape::Kept, read.area.attributes());
        }
        if (!read.problem.isEmpty())
            page.keptAreas << Words::tr("%1: %2.").arg(areaLabel(page.map.count() + 1, read.area), read.problem);
        page.map.append(std::move(read.area));
        page.places.push_back(scannedArea.place);
    }
    return page;
}

void findPicture(const QFileInfo& file, const QString& baseHref, PageMap& page)
{
    page.picturePath = pictureFileFromSource(file.absoluteFilePath(), baseHref, page.pictureSource);
    page.pictureExists = !page.picturePath.isEmpty() && QFileInfo(page.picturePath).isFile();
}

// Why the file cannot be read as text; empty when it was read into bytes.
QString readProblem(const QFileInfo& file, QByteArray& bytes)
{
    const QString problem = problemBeforeReading(file);
    return problem.isEmpty() ? readAll(file, bytes) : problem;
}

PageContents contentsOf(const QFileInfo& file, const QByteArray& bytes, const QByteArray& utf8)
{
    ScannedPage page = scanPage(utf8);
    PageContents contents;
    contents.error = problemWithPage(file, bytes, page);
    for (ScannedMap& scanned : page.maps) {
        contents.maps.push_back(pageMapOf(scanned));
        findPicture(file, page.baseHref, contents.maps.back());
    }
    contents.usemaps = std::move(page.usemaps);
    return contents;
}

// What a page without maps, an empty file or plain text gives: an error for Open, which needs
// a map, or simply no maps for a check of a whole site.
enum class WithoutMaps { Refused, Taken };

// Whether the page may hold a map or a picture that uses one; most of a site's pages do not,
// and need no parsing then.
bool mayHoldMaps(const QByteArray& utf8)
{
    const QByteArray lowerCase = utf8.toLower();
    return lowerCase.contains("<map") || lowerCase.contains("usemap");
}

PageContents readFile(const QString& htmlFilePath, WithoutMaps withoutMaps)
{
    const QFileInfo file(htmlFilePath);
    QByteArray bytes;
    const QString problem = readProblem(file, bytes);
    if (!problem.isEmpty())
        return { problem, {}, {} };
    const QByteArray utf8 = pageTextAsUtf8(bytes);
    if (withoutMaps == WithoutMaps::Taken && !mayHoldMaps(utf8))
        return {};
    PageContents contents = contentsOf(file, bytes, utf8);
    if (withoutMaps == WithoutMaps::Taken)
        contents.error.clear();
    else if (!contents.error.isEmpty())
        return { contents.error, {}, {} };
    return contents;
}

} // namespace

PageContents readPage(const QString& htmlFilePath)
{
    return readFile(htmlFilePath, WithoutMaps::Refused);
}

PageContents readAnyPage(const QString& htmlFilePath)
{
    return readFile(htmlFilePath, WithoutMaps::Taken);
}
