#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Picture files made at test time, and the standing corpus of hostile and unusual ones.

// Writes bytes to path, which it returns; a test that cannot write its files stops at once.
QString WriteFile(const QString& path, const QByteArray& bytes);
// Random pixels, which compress badly, so that a file cut in half loses half its picture.
QImage Noise(int width, int height, QImage::Format format = QImage::Format_RGB32);
// The image in a format Qt writes ("jpg", "png", "bmp", "webp", "ppm").
QByteArray Encoded(const QImage& image, const char* format, bool progressive = false);
// A GIF of colour bands, drawn anew in each frame; Qt has no GIF writer.
QByteArray HandMadeGif(int width, int height, int frames);
// Only the headers of a 24-bit bitmap, claiming whatever size it is given.
QByteArray BitmapHeader(int width, int height);
// A JPEG with an EXIF orientation (1 to 8) recorded in front of it.
QByteArray WithExifOrientation(QByteArray jpeg, int orientation);
// A small JPEG whose frame header claims the given size (at most 65535 a side).
QByteArray JpegClaiming(int width, int height);
// A photo-sized picture (smooth gradients, so it compresses as a photo does), encoded.
QByteArray LargePicture(int width, int height, const char* format);

struct CorpusPicture {
    enum class Kind {
        File, // bytes, written to fileName
        Folder, // a folder named fileName
        Unreadable, // bytes, written without read permission
        RemovedAfterChoice, // chosen in the dialog, then deleted before it is read
    };
    QString name; // the row's name
    QString fileName;
    QByteArray bytes;
    Kind kind = Kind::File;
    // Opens at this size (as a browser shows it), or, when invalid, is refused with a message
    // that names the file and then says this.
    QSize shownSize;
    QString reason;
    bool partial = false; // opens, but part of the picture is missing
};

// Every hostile and unusual picture Korvel must either open correctly or refuse clearly.
QList<CorpusPicture> HostileCorpus();
