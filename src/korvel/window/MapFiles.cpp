#include "window/MapFiles.h"

#include "dialogs/FileDialogs.h"
#include "html/PageReader.h"
#include "html/PageSaving.h"
#include "window/MainWindow.h"
#include "window/WindowLook.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QString mapLabel(const PageMap& choice)
{
    const QString name = choice.map.name().isEmpty() ? MapFiles::tr("(no name)") : choice.map.name();
    return MapFiles::tr("%1 — %2 areas").arg(name).arg(choice.map.count());
}

// Where Save As starts: the map's own page, or a page named after the picture beside it.
QString suggestedPagePath(const QString& filePath, const QString& picturePath)
{
    if (!filePath.isEmpty())
        return filePath;
    const QFileInfo picture(picturePath);
    return picture.fileName().isEmpty() ? QString() : picture.dir().filePath(picture.completeBaseName() + ".html");
}

} // namespace

MapFiles::MapFiles(MainWindow& window, FileDialogs& dialogs)
    : QObject(&window)
    , m_window(window)
    , m_dialogs(dialogs)
{
    connect(&window.editor().undoStack(), &QUndoStack::cleanChanged, this, &MapFiles::updateTitle);
    connect(window.controls().mapNameBox, &QLineEdit::textEdited, this, [this] {
        m_nameChanged = true;
        updateTitle();
    });
    connect(&window, &MainWindow::pictureOpened, this, &MapFiles::pictureOpened);
    updateTitle();
}

bool MapFiles::isModified() const
{
    return !m_window.editor().undoStack().isClean() || m_nameChanged;
}

void MapFiles::markHandedOver()
{
    m_window.editor().undoStack().setClean();
    m_nameChanged = false;
    updateTitle();
}

bool MapFiles::mayDiscardChanges()
{
    if (!isModified())
        return true;
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Korvel"),
        tr("The imagemap has changes that have not been saved or generated."),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &m_window);
    question.setInformativeText(tr("Save them before going on?"));
    question.setDefaultButton(QMessageBox::Save);
    const int answer = question.exec();
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

bool MapFiles::save()
{
    return m_filePath.isEmpty() ? saveAs() : writeTo(m_filePath);
}

bool MapFiles::saveAs()
{
    const QString path = m_dialogs.savePage(&m_window, suggestedPagePath(m_filePath, m_window.picturePath()));
    return !path.isEmpty() && writeTo(path);
}

bool MapFiles::writeTo(const QString& htmlPath)
{
    const QString failure
        = savePage(htmlPath, m_window.editor().map(), m_window.picturePath(), m_window.pictureSize());
    if (!failure.isEmpty()) {
        QMessageBox::warning(&m_window, QStringLiteral("Korvel"), failure);
        return false;
    }
    m_filePath = htmlPath;
    markHandedOver();
    return true;
}

void MapFiles::open()
{
    if (!mayDiscardChanges())
        return;
    const QString path = m_dialogs.openPage(&m_window, m_filePath);
    if (!path.isEmpty())
        openPage(path);
}

void MapFiles::openPage(const QString& htmlPath)
{
    PageMap chosen;
    if (!chooseMap(htmlPath, chosen) || !findPicture(chosen))
        return;
    m_pendingFilePath = htmlPath;
    m_pendingReport = chosen.keptAreas;
    m_window.openPicture(chosen.picturePath, chosen.map);
}

bool MapFiles::chooseMap(const QString& htmlPath, PageMap& chosen)
{
    PageContents page = readPage(htmlPath);
    if (!page.error.isEmpty()) {
        QMessageBox::warning(&m_window, QStringLiteral("Korvel"), page.error);
        return false;
    }
    size_t index = 0;
    if (page.maps.size() > 1) {
        QStringList labels;
        for (const PageMap& map : page.maps)
            labels << mapLabel(map);
        bool ok = false;
        const QString label = QInputDialog::getItem(&m_window, tr("Open an Imagemap"),
            tr("“%1” holds several maps. Which one?").arg(QFileInfo(htmlPath).fileName()), labels, 0, false, &ok);
        if (!ok)
            return false;
        index = static_cast<size_t>(std::max<qsizetype>(labels.indexOf(label), 0));
    }
    chosen = std::move(page.maps[index]);
    return true;
}

// A page without its picture asks for it: the map's coordinates belong to that picture.
bool MapFiles::findPicture(PageMap& chosen)
{
    if (chosen.pictureExists)
        return true;
    const QString named = chosen.picturePath.isEmpty()
        ? tr("The page names no picture for this map.")
        : tr("Its picture “%1” was not found.").arg(QDir::toNativeSeparators(chosen.picturePath));
    if (QMessageBox::question(&m_window, QStringLiteral("Korvel"), named + tr(" Choose the picture?"),
            QMessageBox::Open | QMessageBox::Cancel, QMessageBox::Open)
        != QMessageBox::Open)
        return false;
    chosen.picturePath = m_dialogs.openPicture(&m_window, chosen.picturePath);
    return !chosen.picturePath.isEmpty();
}

void MapFiles::pictureOpened(bool ok)
{
    const QString opened = std::exchange(m_pendingFilePath, QString());
    const QStringList report = std::exchange(m_pendingReport, QStringList());
    if (!ok)
        return;
    m_filePath = opened; // empty after New Imagemap: a new map has no page yet
    markHandedOver();
    if (report.isEmpty())
        return;
    // The map keeps them in their places; the status bar says so for as long as nothing else
    // needs it, and its tooltip names them.
    const QString list = report.join(QLatin1Char('\n'));
    m_window.showNotice(report.size() == 1 ? tr("1 area kept as it came, not editable")
                                           : tr("%1 areas kept as they came, not editable").arg(report.size()),
        list);
    QMessageBox::information(&m_window, QStringLiteral("Korvel"),
        tr("These areas are kept as they are and written back unchanged, but cannot be edited here:\n\n") + list);
}

void MapFiles::updateTitle()
{
    m_window.setWindowFilePath(m_filePath);
    if (m_filePath.isEmpty()) {
        m_window.setWindowTitle(korvelTitle());
        m_window.setWindowModified(false);
        return;
    }
    m_window.setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(m_filePath).fileName(), korvelTitle()));
    m_window.setWindowModified(isModified());
}
