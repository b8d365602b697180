#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
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

struct CorpusPicture {
    enum class Kind {
        File, // bytes, written to fileName
        Folder, // a folder named fileName
        Unreadable, // bytes, written without read permission
        RemovedAfterChoice, // chosen in the dialog, then deleted before it is read
        Pipe, // a named pipe
    };
    QString name; // the row's name
    QString fileName;
    QByteArray bytes;
    Kind kind = Kind::File;
    QSize shownSize; // as a browser shows it; invalid: refused
    // What the refusal, or the warning when part of the picture is missing, says after the quoted name.
    QString reason;
    QPoint at { -1, -1 }; // a pixel to check, if any, and its colour
    QRgb colour = 0;
};

// Every hostile and unusual picture Korvel must either open correctly or refuse clearly.
QList<CorpusPicture> HostileCorpus();
