#include "mainwindow/MapFileActions.h"

#include "editing/EditorSession.h"
#include "filedialog/FileTypes.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/MainForm.h"
#include "mapfile/MapFileReading.h"
#include "mapfile/MapFileSaving.h"
#include "mapfile/OpenedMap.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUndoStack>

namespace {

const QString kTitle = QStringLiteral("Korvel v1.0");

QString MapLabel(const FoundMap& map)
{
    const QString name = map.name.isEmpty() ? QStringLiteral("(no name)") : map.name;
    return QStringLiteral("%1 — %2 areas").arg(name).arg(map.areas.size());
}

// Where Save As starts: the map's own file, or a page named after the picture beside it.
QString SuggestedPagePath(const QString& filePath, const QString& picturePath)
{
    if (!filePath.isEmpty())
        return filePath;
    const QFileInfo picture(picturePath);
    return picture.fileName().isEmpty() ? QString() : picture.dir().filePath(picture.completeBaseName() + ".html");
}

} // namespace

MapFileActions::MapFileActions(
    MainForm& form, EditorSession& session, QUndoStack& history, FileDialogPlatform& dialogs, QLineEdit& mapName)
    : QObject(&form)
    , m_form(form)
    , m_session(session)
    , m_history(history)
    , m_dialogs(dialogs)
    , m_mapName(mapName)
{
    connect(&m_history, &QUndoStack::cleanChanged, this, &MapFileActions::UpdateTitle);
    connect(&m_mapName, &QLineEdit::textEdited, this, [this] {
        m_nameChanged = true;
        UpdateTitle();
    });
    connect(&m_form, &MainForm::PictureOpened, this, &MapFileActions::PictureOpened);
    UpdateTitle();
}

bool MapFileActions::IsModified() const
{
    return !m_history.isClean() || m_nameChanged;
}

void MapFileActions::MarkHandedOver()
{
    m_history.setClean();
    m_nameChanged = false;
    UpdateTitle();
}

bool MapFileActions::MayDiscardChanges()
{
    if (!IsModified())
        return true;
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Korvel"),
        QStringLiteral("The imagemap has changes that have not been saved or generated."),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &m_form);
    question.setInformativeText(QStringLiteral("Save them before going on?"));
    question.setDefaultButton(QMessageBox::Save);
    const int answer = question.exec();
    if (answer == QMessageBox::Save)
        return Save();
    return answer == QMessageBox::Discard;
}

bool MapFileActions::Save()
{
    return m_filePath.isEmpty() ? SaveAs() : WriteTo(m_filePath);
}

bool MapFileActions::SaveAs()
{
    cFileDlg dialog(m_dialogs);
    dialog.OwnerHwnd = &m_form;
    dialog.Filter = MapPageFileFilter();
    dialog.DefaultExt = QStringLiteral("html");
    dialog.DlgTitle = QStringLiteral("Save the Imagemap");
    QString path = SuggestedPagePath(m_filePath, m_form.PicturePath());
    return dialog.VBGetSaveFileName(path) && WriteTo(path);
}

bool MapFileActions::WriteTo(const QString& htmlPath)
{
    const Editor& editor = m_session.editor();
    const QString failure
        = SaveMapFile(htmlPath, editor.map, m_mapName.text(), m_form.PicturePath(), m_form.PictureSize());
    if (!failure.isEmpty()) {
        QMessageBox::warning(&m_form, QStringLiteral("Korvel"), failure);
        return false;
    }
    m_filePath = htmlPath;
    MarkHandedOver();
    return true;
}

void MapFileActions::Open()
{
    if (!MayDiscardChanges())
        return;
    cFileDlg dialog(m_dialogs);
    dialog.OwnerHwnd = &m_form;
    dialog.Filter = MapPageFileFilter();
    dialog.DlgTitle = QStringLiteral("Open an Imagemap");
    QString path = m_filePath;
    if (dialog.VBGetOpenFileName(path))
        OpenFile(path);
}

void MapFileActions::OpenFile(const QString& htmlPath)
{
    OpenedMap opened;
    if (!ChooseMap(htmlPath, opened) || !FindPicture(opened))
        return;
    m_pendingFilePath = htmlPath;
    m_pendingReport = opened.leftOut + opened.rounded;
    m_form.OpenImageWithMap(opened.picturePath, opened.map, opened.mapName);
}

bool MapFileActions::ChooseMap(const QString& htmlPath, OpenedMap& opened)
{
    const MapFileContents contents = ReadMapFile(htmlPath);
    if (!contents.error.isEmpty()) {
        QMessageBox::warning(&m_form, QStringLiteral("Korvel"), contents.error);
        return false;
    }
    size_t chosen = 0;
    if (contents.maps.size() > 1) {
        QStringList labels;
        for (const FoundMap& map : contents.maps)
            labels << MapLabel(map);
        bool ok = false;
        const QString label = QInputDialog::getItem(&m_form, QStringLiteral("Open an Imagemap"),
            QStringLiteral("“%1” holds several maps. Which one?").arg(QFileInfo(htmlPath).fileName()), labels, 0, false,
            &ok);
        if (!ok)
            return false;
        chosen = static_cast<size_t>(std::max<qsizetype>(labels.indexOf(label), 0));
    }
    opened = OpenFoundMap(contents.maps[chosen]);
    return true;
}

// A page without its picture asks for it: the map's coordinates belong to that picture.
bool MapFileActions::FindPicture(OpenedMap& opened)
{
    if (opened.pictureExists)
        return true;
    const QString named = opened.picturePath.isEmpty()
        ? QStringLiteral("The page names no picture for this map.")
        : QStringLiteral("Its picture “%1” was not found.").arg(QDir::toNativeSeparators(opened.picturePath));
    if (QMessageBox::question(&m_form, QStringLiteral("Korvel"), named + QStringLiteral(" Choose the picture?"),
            QMessageBox::Open | QMessageBox::Cancel, QMessageBox::Open)
        != QMessageBox::Open)
        return false;
    cFileDlg dialog(m_dialogs);
    dialog.OwnerHwnd = &m_form;
    dialog.Filter = PictureFileFilter();
    dialog.DlgTitle = QStringLiteral("Open an Image File");
    return dialog.VBGetOpenFileName(opened.picturePath);
}

void MapFileActions::PictureOpened(bool ok)
{
    const QString opened = std::exchange(m_pendingFilePath, QString());
    const QStringList report = std::exchange(m_pendingReport, QStringList());
    if (!ok)
        return;
    m_filePath = opened; // empty after New Imagemap: a new map has no file yet
    MarkHandedOver();
    if (!report.isEmpty())
        QMessageBox::information(&m_form, QStringLiteral("Korvel"),
            QStringLiteral("Not everything on the page could be opened:\n\n") + report.join(QLatin1Char('\n')));
}

void MapFileActions::UpdateTitle()
{
    m_form.setWindowFilePath(m_filePath);
    if (m_filePath.isEmpty()) {
        m_form.setWindowTitle(kTitle);
        m_form.setWindowModified(false);
        return;
    }
    m_form.setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(m_filePath).fileName(), kTitle));
    m_form.setWindowModified(IsModified());
}
