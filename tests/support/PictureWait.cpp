#include "support/PictureWait.h"

#include "mainwindow/MainForm.h"

#include <QSignalSpy>

namespace {

// Generous: the sanitizer build decodes several times slower.
constexpr int kReadTimeoutMs = 30000;

} // namespace

bool OpenPictureAndWait(MainForm& form, const QString& path)
{
    form.OpenImage(path);
    return WaitForPicture(form);
}

bool WaitForPicture(MainForm& form)
{
    if (!form.IsReadingPicture())
        return false;
    // The result comes through the event loop, so nothing can be missed before the spy exists.
    QSignalSpy opened(&form, &MainForm::PictureOpened);
    if (!opened.wait(kReadTimeoutMs))
        return false;
    return opened.front().front().toBool();
}
