#include "pictures/HeaderSize.h"

#include <QIODevice>
#include <QtEndian>

#include <limits>

namespace {

// BITMAPFILEHEADER is 14 bytes; the info header behind it starts with its own size.
constexpr qint64 kBmpInfoHeader = 14;
// The 12-byte core header has 16-bit sides; every later header (40 bytes and up) 32-bit ones,
// a negative height meaning rows stored top-down.
constexpr quint32 kBmpCoreHeaderSize = 12;
constexpr quint32 kBmpInfoHeaderSize = 40;

// A JPEG file is a chain of marker segments; each but a few stand-alone markers carries a
// big-endian 16-bit length that counts itself. A header that never reaches its frame within
// this many segments is not worth following.
constexpr int kMaxJpegSegments = 1000;

QByteArray readAt(QIODevice& file, qint64 position, qint64 count)
{
    if (!file.seek(position))
        return {};
    const QByteArray bytes = file.read(count);
    return bytes.size() == count ? bytes : QByteArray();
}

QSize bmpSize(QIODevice& file)
{
    const QByteArray header = readAt(file, 0, kBmpInfoHeader + kBmpInfoHeaderSize);
    const QByteArray core = header.isEmpty() ? readAt(file, 0, kBmpInfoHeader + kBmpCoreHeaderSize) : header;
    if (!core.startsWith("BM"))
        return {};
    const uchar* info = reinterpret_cast<const uchar*>(core.constData()) + kBmpInfoHeader;
    const quint32 infoSize = qFromLittleEndian<quint32>(info);
    if (infoSize == kBmpCoreHeaderSize)
        return QSize(qFromLittleEndian<quint16>(info + 4), qFromLittleEndian<quint16>(info + 6));
    if (infoSize < kBmpInfoHeaderSize || header.isEmpty())
        return {};
    const qint32 width = qFromLittleEndian<qint32>(info + 4);
    const qint32 height = qFromLittleEndian<qint32>(info + 8);
    if (height == std::numeric_limits<qint32>::min())
        return {};
    return QSize(width, height < 0 ? -height : height);
}

bool isJpegFrameMarker(uchar marker)
{
    // SOF0 to SOF15, less DHT (C4), JPG (C8) and DAC (CC), which share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isStandAloneJpegMarker(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

QSize jpegSize(QIODevice& file)
{
    if (readAt(file, 0, 2) != QByteArray("\xFF\xD8", 2))
        return {};
    qint64 position = 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        const QByteArray head = readAt(file, position, 4);
        if (head.isEmpty() || uchar(head[0]) != 0xFF)
            return {};
        const uchar marker = uchar(head[1]);
        if (marker == 0xFF) { // a fill byte before the marker
            ++position;
            continue;
        }
        if (isStandAloneJpegMarker(marker)) {
            position += 2;
            continue;
        }
        // The pixel data starts, or the image ends, before any frame header.
        if (marker == 0xDA || marker == 0xD9)
            return {};
        if (isJpegFrameMarker(marker)) {
            const QByteArray frame = readAt(file, position + 5, 4);
            if (frame.isEmpty())
                return {};
            const auto* sides = reinterpret_cast<const uchar*>(frame.constData());
            return QSize(qFromBigEndian<quint16>(sides + 2), qFromBigEndian<quint16>(sides));
        }
        position += 2 + qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(head.constData()) + 2);
    }
    return {};
}

} // namespace

QSize sizeClaimedByHeader(QIODevice& file, const QByteArray& format)
{
    const QByteArray name = format.toLower();
    QSize size;
    if (name == "bmp")
        size = bmpSize(file);
    else if (name == "jpeg" || name == "jpg")
        size = jpegSize(file);
    return size.width() > 0 && size.height() > 0 ? size : QSize();
}
