#pragma once

#include <QByteArray>
#include <QSize>

class QIODevice;

// The pixel size that a BMP or JPEG file's header claims, read straight from the header for
// the files whose size Qt's readers will not tell: BMP headers claiming more than 16384 x 16384
// pixels, JPEG frames wider or taller than 65500 pixels. `format` is the name Qt's reader gave
// the file ("bmp", "jpeg"). Reads from the start of `file`; an invalid size when the header
// is not there or not of this kind. The size is as stored, before any EXIF orientation.
QSize sizeClaimedByHeader(QIODevice& file, const QByteArray& format);
