#include "filechooser/QtFileDialogPlatform.h"

#include "filechooser/ImagePreviewPane.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QSplitter>

namespace {

// "Show all files" ("*.*") means every file, also those without an extension, which Qt's
// "*.*" would hide.
QString QtPattern(const QString& pattern)
{
    const QString trimmed = pattern.trimmed();
    return trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed;
}

// "All formats" with "*.jpg;*.gif" becomes "All formats (*.jpg *.gif)".
QString QtNameFilter(const FileDialogFilter& filter)
{
    QStringList patterns;
    for (const QString& pattern : filter.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString converted = QtPattern(pattern);
        if (!converted.isEmpty())
            patterns.append(converted);
    }
    return QStringLiteral("%1 (%2)").arg(filter.description, patterns.join(QLatin1Char(' ')));
}

QStringList QtNameFilters(const QVector<FileDialogFilter>& filters)
{
    QStringList nameFilters;
    for (const FileDialogFilter& filter : filters)
        nameFilters.append(QtNameFilter(filter));
    return nameFilters;
}

QFileDialog::FileMode FileModeFor(uint32_t flags)
{
    if (flags & FileDialogFlag::AllowMultiSelect)
        return QFileDialog::ExistingFiles;
    if (flags & FileDialogFlag::FileMustExist)
        return QFileDialog::ExistingFile;
    return QFileDialog::AnyFile;
}

// A file name with a folder opens the dialog in that folder; a bare name opens it in
// the initial folder, which may itself name a file after an earlier choice.
QString StartingFolder(const FileDialogRequest& request)
{
    const QFileInfo file(request.fileName);
    if (!request.fileName.isEmpty() && request.fileName != file.fileName())
        return file.absolutePath();
    const QFileInfo initial(request.initialDirectory);
    return initial.isFile() ? initial.absolutePath() : request.initialDirectory;
}

void ConfigureFiles(QFileDialog& dialog, const FileDialogRequest& request)
{
    const QString folder = StartingFolder(request);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    const QString name = QFileInfo(request.fileName).fileName();
    if (!name.isEmpty())
        dialog.selectFile(name);

    const QStringList nameFilters = QtNameFilters(request.filters);
    if (nameFilters.isEmpty())
        return;
    dialog.setNameFilters(nameFilters);
    const bool inRange = request.filterIndex >= 1 && request.filterIndex <= nameFilters.size();
    dialog.selectNameFilter(nameFilters[inRange ? request.filterIndex - 1 : 0]);
}

void ConfigureMode(QFileDialog& dialog, const FileDialogRequest& request)
{
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(FileModeFor(request.flags));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & FileDialogFlag::OverwritePrompt));
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
}

void AddPreviewPane(QFileDialog& dialog, const QString& preselected)
{
    auto* pane = new ImagePreviewPane(&dialog);
    pane->setObjectName(QStringLiteral("previewPane"));
    // The splitter keeps the pane beside the file list and lets the user share the room.
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) {
        splitter->addWidget(pane);
        splitter->setStretchFactor(splitter->indexOf(pane), 0);
    } else if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(pane, 1, grid->columnCount(), 1, 1);
    }
    // Widened by the pane, so that the file list keeps the room it has without one.
    dialog.resize(dialog.sizeHint().width() + pane->sizeHint().width(), dialog.sizeHint().height());
    QObject::connect(&dialog, &QFileDialog::currentChanged, pane, &ImagePreviewPane::ShowFile);
    if (!preselected.isEmpty())
        pane->ShowFile(preselected);
}

// Several files come back as their folder and each name, every part ended by a NUL.
QString ChosenPath(const QStringList& files)
{
    if (files.size() == 1)
        return files.first();
    QString buffer = QFileInfo(files.first()).absolutePath() + QChar(0);
    for (const QString& file : files)
        buffer += QFileInfo(file).fileName() + QChar(0);
    return buffer;
}

int32_t ChosenFilterIndex(const QFileDialog& dialog)
{
    const qsizetype position = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return position < 0 ? 0 : int32_t(position + 1);
}

} // namespace

FileDialogResult QtFileDialogPlatform::Run(const FileDialogRequest& request)
{
    QWidget* parent = request.owner ? request.owner->window() : nullptr;
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    ConfigureMode(dialog, request);
    ConfigureFiles(dialog, request);
    if (request.kind == FileDialogKind::OpenWithPreview)
        AddPreviewPane(dialog, dialog.selectedFiles().value(0));

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.chosenPath = ChosenPath(dialog.selectedFiles());
    result.filterIndex = ChosenFilterIndex(dialog);
    // Qt's dialog has no read-only box, so the flags come back as they went in.
    result.flags = request.flags;
    return result;
}
