#pragma once

#include "window/MainWindow.h"

#include <QImage>
#include <QSignalSpy>
#include <QString>

// The main window reads pictures on a worker thread; these wait for the outcome, half a minute
// at most (the sanitizer build decodes several times slower).

// Waits for a read the window has started; true when a picture is shown, false when it was
// refused or no read was under way.
inline bool waitForPicture(MainWindow& window)
{
    if (!window.isReadingPicture())
        return false;
    QSignalSpy opened(&window, &MainWindow::pictureOpened);
    return opened.wait(30000) && opened.front().front().toBool();
}

inline bool openPictureAndWait(MainWindow& window, const QString& path)
{
    window.openPicture(path);
    return waitForPicture(window);
}

// A picture of one colour, written to path; the path.
inline QString writePicture(const QString& path, QSize size, QColor colour = QColor(30, 120, 200))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path) ? path : QString();
}
