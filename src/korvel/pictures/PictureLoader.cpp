#include "pictures/PictureLoader.h"

#include "pictures/HeaderSize.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PictureLoader", text);
}

constexpr qint64 kMaxPicturePixels = qint64(kMaxPictureMegapixels) * 1000000;

// Room for the largest admitted picture at 8 bytes a pixel, which is what a 16-bit PNG decodes
// to. Qt's default of 128 MB would refuse even a 12000 x 9000 photo at 4 bytes a pixel. A picture
// decoded into the blank image of BlankImageFor never meets the limit; GIF and WebP, whose pixel
// format is known only once decoded, do.
constexpr int kAllocationLimitMegabytes = int((kMaxPicturePixels * 8 + (1 << 20) - 1) >> 20);

// A file that ends early goes unreported by most of Qt 6.4's decoders: JPEG fills the rest grey
// and reports success (libjpeg's complaint only reaches the log, which may be switched off), GIF
// and BMP stop and report success, PNG fails but hands back the rows it got, WebP fails with
// nothing. What they all do is ask for bytes the file does not have, and this file notices that.
class EndWatchingFile : public QFile {
public:
    using QFile::QFile;

    void startWatching()
    {
        cameShort = false;
        foundNothing = false;
    }
    bool CameShort() const { return cameShort; }
    bool FoundNothing() const { return foundNothing; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = QFile::readData(data, maxSize);
        cameShort = cameShort || (count >= 0 && count < maxSize);
        foundNothing = foundNothing || (count == 0 && maxSize > 0);
        return count;
    }

private:
    bool cameShort = false;
    bool foundNothing = false;
};

bool endedEarly(const EndWatchingFile& file, const QByteArray& format)
{
    // JPEG and GIF are read in blocks, so a short last block is normal and only finding nothing
    // left means the file ended early. BMP is read a row at a time and stops quietly at a short row.
    return format == "bmp" ? file.CameShort() : file.FoundNothing();
}

bool isKorvelFormat(const QByteArray& format)
{
    static const QByteArray formats[] = { "jpeg", "jpg", "gif", "bmp", "png", "webp" };
    return std::find(std::begin(formats), std::end(formats), format.toLower()) != std::end(formats);
}

QString displayName(const QFileInfo& info)
{
    const QString name = info.fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(info.filePath()) : name;
}

QString cannotOpen(const QFileInfo& info, const QString& reason)
{
    return tr("Korvel cannot open “%1”: %2").arg(displayName(info), reason);
}

QString missingFileText(const QFileInfo& info)
{
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    return cannotOpen(info,
        tr("there is no such file in the folder “%1”. It may have been moved, renamed or deleted.")
            .arg(folder));
}

QString unsupportedFormatText(const QFileInfo& info)
{
    return cannotOpen(
        info, tr("it is not a picture in a format Korvel reads (JPEG, GIF, BMP, PNG or WebP)."));
}

QString damagedText(const QFileInfo& info)
{
    return cannotOpen(info, tr("the picture in it is damaged or incomplete."));
}

QString readerErrorText(const QFileInfo& info, QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return missingFileText(info);
    case QImageReader::DeviceError:
        return cannotOpen(info, tr("the file could not be read from the disk."));
    case QImageReader::UnsupportedFormatError:
        return unsupportedFormatText(info);
    case QImageReader::InvalidDataError:
        return damagedText(info);
    case QImageReader::UnknownError:
        break;
    }
    return cannotOpen(info, tr("the picture in it could not be read."));
}

QString noPermissionText(const QFileInfo& info)
{
    return cannotOpen(info, tr("you do not have permission to read it."));
}

// Checked without opening the file: opening a named pipe would wait for a writer forever.
QString fileProblem(const QFileInfo& info)
{
    if (!info.exists())
        return missingFileText(info);
    if (info.isDir())
        return cannotOpen(info, tr("it is a folder, not a picture."));
    if (!info.isFile())
        return cannotOpen(info, tr("it is not an ordinary file."));
    if (!info.isReadable())
        return noPermissionText(info);
    if (info.size() == 0)
        return cannotOpen(info, tr("the file is empty."));
    return {};
}

// Looked at afresh: the file may have changed since it was first checked.
QString openFailureText(const QFileInfo& info)
{
    const QFileInfo now(info.filePath());
    if (!now.exists())
        return missingFileText(info);
    if (!now.isReadable())
        return noPermissionText(info);
    return readerErrorText(info, QImageReader::DeviceError);
}

// Rounded up, so that a picture just over the limit never reads as within it.
QString formatMegapixels(qint64 pixels)
{
    const qint64 tenths = (pixels + 99999) / 100000;
    const QString whole = QString::number(tenths / 10);
    return tenths % 10 == 0 ? whole : QStringLiteral("%1.%2").arg(whole, QString::number(tenths % 10));
}

QString sizeRefusal(const QFileInfo& info, QSize size)
{
    const QString name = displayName(info);
    const QString width = QString::number(size.width());
    const QString height = QString::number(size.height());
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > kMaxPicturePixels)
        return tr("“%1” is %2 × %3 pixels (%4 megapixels); Korvel opens pictures up to %5 megapixels.")
            .arg(name, width, height, formatMegapixels(pixels), QString::number(kMaxPictureMegapixels));
    if (std::max(size.width(), size.height()) > kMaxPictureSide)
        return tr("“%1” is %2 × %3 pixels; Korvel places areas at most %4 pixels from the picture’s "
                  "top-left corner, so it opens pictures up to %4 pixels wide and high.")
            .arg(name, width, height, QString::number(kMaxPictureSide));
    return {};
}

// The size the picture will have once its EXIF orientation is applied; invalid when the header
// does not tell.
QSize turnedSize(const QImageReader& reader, QSize storedSize)
{
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    return turned ? storedSize.transposed() : storedSize;
}

// Qt's readers keep quiet about the size of some pictures too large for them; their headers
// still say it, so the user hears the same reason as for any other picture that size.
QSize claimedSize(const QFileInfo& info, const QByteArray& format)
{
    QFile file(info.filePath());
    return file.open(QIODevice::ReadOnly) ? sizeClaimedByHeader(file, format) : QSize();
}

// Decoders that stop early leave the rest of the image as they found it. Given a blank image of
// the right size and format they decode into it in place, so that rest is grey like JPEG's own
// filler, not whatever the memory held before.
QImage blankImageFor(const QImageReader& reader, QSize storedSize)
{
    if (!storedSize.isValid())
        return {};
    // Asked only once the header has been read: for a header it could not read, Qt 6.4's JPEG
    // reader answers with an uninitialised format.
    const QImage::Format format = reader.imageFormat();
    if (format == QImage::Format_Invalid)
        return {};
    QImage blank(storedSize, format);
    blank.fill(QColor(128, 128, 128));
    return blank;
}

// Decoders fill what they could not read with one colour: at the bottom, or at the top for
// BMP's bottom-up rows. When that colour covers nearly the whole picture, what was read is a
// scrap, not a picture to draw on; libjpeg even scrambles a block before its grey when no pixel
// data arrived at all, so "entirely one colour" would not do. Needs a 32-bit image.
bool isMostlyFiller(const QImage& image)
{
    // Raw words, not pixel(): that one unpremultiplies, and the scan below compares raw words.
    const QRgb top = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
    const QRgb bottom = reinterpret_cast<const QRgb*>(image.constScanLine(image.height() - 1))[image.width() - 1];
    qint64 topCount = 0;
    qint64 bottomCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        topCount += std::count(line, line + image.width(), top);
        bottomCount += std::count(line, line + image.width(), bottom);
    }
    const qint64 pixels = qint64(image.width()) * image.height();
    return std::max(topCount, bottomCount) >= pixels - pixels / 100;
}

LoadedPicture failure(const QString& error)
{
    LoadedPicture picture;
    picture.error = error;
    return picture;
}

QString missingPartText(const QFileInfo& info, bool endedEarly)
{
    const QString text = endedEarly
        ? tr("Part of “%1” is missing because the file ends early; only what could be read is shown.")
        : tr("Part of “%1” is damaged; only what could be read is shown.");
    return text.arg(displayName(info));
}

// What read() left behind, judged and made ready for the canvas.
LoadedPicture finish(const QFileInfo& info, QImage image, bool decoded, bool endedEarly)
{
    if (const QString refusal = sizeRefusal(info, image.size()); !refusal.isEmpty())
        return failure(refusal);
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return failure(cannotOpen(info, tr("there is not enough free memory for a picture this large.")));
    const bool partial = !decoded || endedEarly;
    if (partial && isMostlyFiller(image))
        return failure(damagedText(info));
    LoadedPicture picture;
    picture.image = image;
    if (partial) {
        picture.notice = endedEarly ? tr("Part of the picture is missing")
                                    : tr("Part of the picture is damaged");
        picture.warning = missingPartText(info, endedEarly);
    }
    return picture;
}

LoadedPicture readFromFile(const QFileInfo& info, EndWatchingFile& file)
{
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // Asked now: once the picture is read, format() probes the file again, past its end.
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    if (!isKorvelFormat(format)) {
        const bool diskFailed = reader.error() == QImageReader::DeviceError;
        return failure(diskFailed ? readerErrorText(info, QImageReader::DeviceError) : unsupportedFormatText(info));
    }
    const QSize storedSize = reader.size();
    const QSize shownSize = turnedSize(reader, storedSize);
    const QSize judgedSize = shownSize.isValid() ? shownSize : claimedSize(info, format);
    if (const QString refusal = sizeRefusal(info, judgedSize); !refusal.isEmpty())
        return failure(refusal);
    QImage image = blankImageFor(reader, storedSize);
    file.startWatching();
    const bool decoded = reader.read(&image);
    // A failed read leaves the image unturned, so only one of the expected shape is partly usable.
    if (image.isNull() || (!decoded && image.size() != shownSize))
        return failure(readerErrorText(info, reader.error()));
    return finish(info, std::move(image), decoded, endedEarly(file, format));
}

} // namespace

void allowLargePictures()
{
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
}

LoadedPicture loadPicture(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (const QString problem = fileProblem(info); !problem.isEmpty())
        return failure(problem);
    EndWatchingFile file(info.filePath());
    // Unbuffered, so that the watch sees exactly what the decoder asks for.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failure(openFailureText(info));
    return readFromFile(info, file);
}
