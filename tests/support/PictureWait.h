#pragma once

#include "mainwindow/MainForm.h"

#include <QSignalSpy>

// The main window reads pictures on a worker thread; these wait for the outcome, half a minute
// at most (the sanitizer build decodes several times slower). A refusal's message box is
// answered by a ModalAnswer the test made.
//
// Waits for a read the form has started (New Imagemap, a drop); true when a picture is shown,
// false when it was refused or no read was under way.
inline bool WaitForPicture(MainForm& form)
{
    if (!form.IsReadingPicture())
        return false;
    // The result comes through the event loop, so nothing can be missed before the spy exists.
    QSignalSpy opened(&form, &MainForm::PictureOpened);
    return opened.wait(30000) && opened.front().front().toBool();
}

// Opens path as New Imagemap does and waits; true when the picture is shown.
inline bool OpenPictureAndWait(MainForm& form, const QString& path)
{
    form.OpenImage(path);
    return WaitForPicture(form);
}
