#pragma once

#include <QString>

class MainForm;

// The main window reads pictures on a worker thread; these wait for the outcome, answering a
// refusal's message box through ModalAnswer when the test made one.
//
// Opens path as New Imagemap does and waits; true when the picture is shown.
bool OpenPictureAndWait(MainForm& form, const QString& path);
// Waits for a read the form has started (New Imagemap, a drop); true when a picture is shown,
// false when it was refused or no read was under way.
bool WaitForPicture(MainForm& form);
