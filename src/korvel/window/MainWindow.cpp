#include "window/MainWindow.h"

#include "dialogs/FileDialogs.h"
#include "dialogs/HelpWindow.h"
#include "html/MapWriter.h"
#include "map/Numbers.h"
#include "view/CanvasView.h"
#include "view/WindowLayout.h"
#include "window/EditorActions.h"
#include "window/MapFiles.h"
#include "window/ProblemsDisplay.h"
#include "window/ReadingIndicator.h"
#include "window/WindowLook.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The single local file among dropped URLs, or an empty string.
QString droppedFile(const QMimeData* mime)
{
    if (!mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
        return QString();
    return mime->urls().front().toLocalFile();
}

// Sets a box's text only when it differs, so that the box keeps its cursor while the user types.
void showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

} // namespace

MainWindow::MainWindow(FileDialogs* dialogs)
    : m_controls(buildWindowControls(this, m_editor))
    , m_actions(new EditorActions(this, m_editor, *m_controls.canvas))
    , m_dialogs(dialogs)
{
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtFileDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    m_files = new MapFiles(*this, *m_dialogs);
    setWindowTitle(korvelTitle());
    applyWindowLook(this, QColor(224, 224, 224));
    setAcceptDrops(true);
    resize(465, 473);
    for (QLineEdit* box : { m_controls.mapNameBox, m_controls.hrefBox, m_controls.altBox })
        m_actions->keepKeysIn(box);
    new ReadingIndicator(m_reader, this, m_controls.noticePanel,
        { m_controls.rectangleButton, m_controls.circleButton, m_controls.polygonButton, m_controls.generateButton,
            m_controls.canvas });
    connectControls();
    m_problems = std::make_unique<ProblemsDisplay>(m_editor, m_controls, this);
    // The New Imagemap button has the focus when the window first shows.
    m_controls.newButton->setFocus();
    showEditorState();
    layOut();
}

MainWindow::~MainWindow()
{
    // The canvas observes the editor, which as a member goes before the window's children.
    delete m_controls.canvas;
}

HelpWindow* MainWindow::helpWindow() const
{
    return m_help.data();
}

void MainWindow::connectControls()
{
    const WindowControls& c = m_controls;
    connect(c.newButton, &QToolButton::clicked, this, &MainWindow::newImagemap);
    connect(c.rectangleButton, &QToolButton::clicked, &m_editor, [this] { m_editor.chooseTool(Tool::Rectangle); });
    connect(c.circleButton, &QToolButton::clicked, &m_editor, [this] { m_editor.chooseTool(Tool::Circle); });
    connect(c.polygonButton, &QToolButton::clicked, &m_editor, [this] { m_editor.chooseTool(Tool::Polygon); });
    connect(c.generateButton, &QToolButton::clicked, this, &MainWindow::generate);
    connect(c.helpButton, &QToolButton::clicked, this, &MainWindow::showHelp);
    connect(c.openButton, &QToolButton::clicked, m_files, &MapFiles::open);
    connect(c.saveButton, &QToolButton::clicked, m_files, &MapFiles::save);
    connect(m_actions->openAction(), &QAction::triggered, m_files, &MapFiles::open);
    connect(m_actions->saveAction(), &QAction::triggered, m_files, [this] {
        if (m_controls.saveButton->isEnabled())
            m_files->save();
    });
    connect(m_actions->saveAsAction(), &QAction::triggered, m_files, [this] {
        if (m_controls.saveButton->isEnabled())
            m_files->saveAs();
    });
    // Only the user's edits are reported: the editor already holds what it shows.
    connect(c.hrefBox, &QLineEdit::textEdited, &m_editor, &MapEditor::editHref);
    connect(c.altBox, &QLineEdit::textEdited, &m_editor, &MapEditor::editAlt);
    connect(c.mapNameBox, &QLineEdit::textEdited, &m_editor, &MapEditor::setMapName);
    connect(qApp, &QApplication::focusChanged, &m_editor, &MapEditor::focusMoved);
    connect(&m_editor, &MapEditor::stateChanged, this, &MainWindow::showEditorState);
    connect(&m_editor, &MapEditor::notice, this, [this](const QString& text) { showNotice(text); });
    connect(c.canvas, &CanvasView::zoomChanged, this, [this] {
        m_controls.zoomPanel->setText(m_controls.canvas->zoom().percentText());
        layOut();
    });
    connect(&m_reader, &BackgroundPictureReader::started, this, [this] { m_actions->setEditingEnabled(false); });
    connect(&m_reader, &BackgroundPictureReader::stopped, this, [this] { m_actions->setEditingEnabled(true); });
    connect(&m_reader, &BackgroundPictureReader::finished, this, &MainWindow::showPicture);
}

void MainWindow::showEditorState()
{
    const EditorState& state = m_editor.state();
    const WindowControls& c = m_controls;
    // The armed tool's button stays down until the tool is used up or another is chosen.
    c.rectangleButton->setChecked(state.tool == Tool::Rectangle);
    c.circleButton->setChecked(state.tool == Tool::Circle);
    c.polygonButton->setChecked(state.tool == Tool::Polygon);
    showText(c.hrefBox, state.panel.href);
    showText(c.altBox, state.panel.alt);
    c.hrefBox->setEnabled(state.panel.enabled);
    c.altBox->setEnabled(state.panel.enabled);
    showText(c.mapNameBox, m_editor.map().name());
    if (state.pointerSeen)
        c.positionPanel->setText(formatSingle(float(state.pointer.x)) + QLatin1Char(',')
            + formatSingle(float(state.pointer.y)));
}

void MainWindow::showNotice(const QString& text, const QString& details)
{
    m_controls.noticePanel->setText(text);
    m_controls.noticePanel->setToolTip(details);
}

void MainWindow::newImagemap()
{
    if (!m_files->mayDiscardChanges())
        return;
    m_lastPicture = m_dialogs->openPicture(this, m_lastPicture);
    if (!m_lastPicture.isEmpty())
        openPicture(m_lastPicture);
}

void MainWindow::generate()
{
    const QString literal = m_editor.generate();
    // The same map for Copy escaped, with the same line breaks as Generate's text.
    QString escaped = mapElement(m_editor.map(), HtmlForm::Escaped);
    escaped.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_output.appendAndShow(literal, escaped);
    m_files->markHandedOver();
}

void MainWindow::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow;
    showOrBringForward(m_help);
}

void MainWindow::openPicture(const QString& path, std::optional<ImageMap> map)
{
    m_pendingMap = std::move(map);
    m_reader.start(path);
}

void MainWindow::openFile(const QString& path)
{
    if (!m_files->mayDiscardChanges())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        m_files->openPage(path);
    else
        openPicture(path);
}

// The picture is read before the map is touched, so a file that cannot be used costs nothing.
void MainWindow::showPicture(const QString& path, const LoadedPicture& picture)
{
    std::optional<ImageMap> opened = std::exchange(m_pendingMap, std::nullopt);
    if (picture.image.isNull()) {
        QMessageBox::warning(this, QStringLiteral("Korvel"), picture.error);
        emit pictureOpened(false);
        return;
    }
    m_lastPicture = path;
    if (opened)
        m_editor.replaceMap(*opened);
    else
        m_editor.startNewMap();
    m_picturePath = path;
    m_pictureSize = picture.image.size();
    m_problems->setPictureSize(m_pictureSize);
    m_controls.canvas->setPicture(picture.image);
    for (QWidget* control : std::initializer_list<QWidget*> { m_controls.rectangleButton, m_controls.circleButton,
             m_controls.polygonButton, m_controls.generateButton, m_controls.canvas, m_controls.mapNameBox,
             m_controls.saveButton })
        control->setEnabled(true);
    showNotice(picture.notice, picture.warning);
    layOut();
    emit pictureOpened(true);
}

void MainWindow::layOut()
{
    if (isMinimized())
        return;
    // The status bar keeps itself along the bottom edge.
    m_controls.statusBar->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
    LayoutInput in;
    in.window = size();
    in.canvas = m_controls.canvas->canvasSize();
    const WindowLayout layout = layOutWindow(in);
    m_controls.canvas->setGeometry(layout.withBars(kScrollBarThickness));
    m_controls.canvas->showScrollBars(layout.horizontalBar, layout.verticalBar);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window may keep its size, so that no resize event comes.
    if (event->type() == QEvent::WindowStateChange)
        layOut();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_files->mayDiscardChanges()) {
        event->ignore();
        return;
    }
    // The other two windows go with the main window, and so does a picture being read.
    m_reader.abandon();
    delete m_help.data();
    m_output.discard();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}
