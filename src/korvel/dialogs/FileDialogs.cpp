#include "dialogs/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("FileDialogs", text);
}

QStringList pictureFilters()
{
    return { tr("All formats") + QStringLiteral(" (*.jpg *.jpeg *.jpe *.gif *.bmp *.png *.webp)"),
        tr("JPEG files") + QStringLiteral(" (*.jpg *.jpeg *.jpe)"), tr("GIF files") + QStringLiteral(" (*.gif)"),
        tr("Bitmap files") + QStringLiteral(" (*.bmp)"), tr("Show all files") + QStringLiteral(" (*)") };
}

QStringList pageFilters()
{
    return { tr("Web pages") + QStringLiteral(" (*.html *.htm)"), tr("Show all files") + QStringLiteral(" (*)") };
}

QString run(QWidget* parent, const QString& title, const QStringList& filters, const QString& start, bool saving)
{
    QFileDialog dialog(parent ? parent->window() : nullptr, title);
    // Qt's own dialog, alike on every desktop and answerable in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(QStringLiteral("html"));
    dialog.setNameFilters(filters);
    const QFileInfo file(start);
    if (file.isDir()) {
        dialog.setDirectory(start);
    } else if (!start.isEmpty()) {
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString QtFileDialogs::openPicture(QWidget* parent, const QString& start)
{
    return run(parent, tr("Open an Image File"), pictureFilters(), start, false);
}

QString QtFileDialogs::openPage(QWidget* parent, const QString& start)
{
    return run(parent, tr("Open an Imagemap"), pageFilters(), start, false);
}

QString QtFileDialogs::savePage(QWidget* parent, const QString& start)
{
    return run(parent, tr("Save the Imagemap"), pageFilters(), start, true);
}
