#include "window/MainWindow.h"

#include "dialogs/FileDialogs.h"
#include "dialogs/HelpWindow.h"
#include "html/MapWriter.h"
#include "list/AreaListModel.h"
#include "list/AreaPanel.h"
#include "map/AreaGeometry.h"
#include "map/Numbers.h"
#include "preview/LinkText.h"
#include "preview/ReachSearch.h"
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
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The area panel's width, which the window grows by when it shows.
constexpr int kAreaPanelWidth = 460;
const QString kListShownSetting = QStringLiteral("areaList/shown");
// Changes the preview looks at again together.
constexpr int kReachDelay = 150;

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
    : m_browser(m_editor)
    , m_controls(buildWindowControls(this, m_editor))
    , m_actions(new EditorActions(this, m_editor, *m_controls.canvas))
    , m_panel(new AreaPanel(m_editor, *m_actions, this))
    , m_reachSearch(new ReachSearch(m_browser, this))
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
            m_controls.traceButton, m_controls.canvas });
    connectControls();
    m_problems = std::make_unique<ProblemsDisplay>(m_editor, m_controls, this);
    // The New Imagemap button has the focus when the window first shows.
    m_controls.newButton->setFocus();
    m_panel->hide();
    m_reachTimer.setSingleShot(true);
    m_reachTimer.setInterval(kReachDelay);
    connect(&m_reachTimer, &QTimer::timeout, this, &MainWindow::lookForUnreachedAreas);
    connect(m_reachSearch, &ReachSearch::found, this, &MainWindow::showReach);
    showEditorState();
    layOut();
    showAreaList(QSettings().value(kListShownSetting, false).toBool());
}

MainWindow::~MainWindow()
{
    // The canvas and the area list observe the editor, which as a member goes before the
    // window's children.
    delete m_controls.canvas;
    delete m_panel;
}

HelpWindow* MainWindow::helpWindow() const
{
    return m_help.data();
}

void MainWindow::connectControls()
{
    const WindowControls& c = m_controls;
    connect(c.newButton, &QToolButton::clicked, this, &MainWindow::newImagemap);
    // A tool's key presses its button, and only while the button can be pressed (a picture is open).
    const std::pair<EditorCommand, QToolButton*> toolKeys[] = { { EditorCommand::ArmRectangle, c.rectangleButton },
        { EditorCommand::ArmCircle, c.circleButton }, { EditorCommand::ArmPolygon, c.polygonButton },
        { EditorCommand::ArmTrace, c.traceButton } };
    for (const auto& [command, button] : toolKeys)
        connect(m_actions->action(command), &QAction::triggered, button, [button = button] {
            if (button->isEnabled())
                button->click();
        });
    connect(c.rectangleButton, &QToolButton::clicked, this, [this] { chooseTool(Tool::Rectangle); });
    connect(c.circleButton, &QToolButton::clicked, this, [this] { chooseTool(Tool::Circle); });
    connect(c.polygonButton, &QToolButton::clicked, this, [this] { chooseTool(Tool::Polygon); });
    connect(c.traceButton, &QToolButton::clicked, this, [this] { chooseTool(Tool::Trace); });
    connect(c.listButton, &QToolButton::clicked, this, &MainWindow::showAreaList);
    connect(c.previewButton, &QToolButton::clicked, this, &MainWindow::setPreviewing);
    connect(m_actions->action(EditorCommand::ShowAreaList), &QAction::triggered, this,
        [this] { showAreaList(!m_listShown); });
    connect(m_actions->action(EditorCommand::Preview), &QAction::triggered, this,
        [this] { setPreviewing(!m_editor.isPreviewing()); });
    connect(m_panel, &AreaPanel::areaChosen, this, &MainWindow::showChosenArea);
    connect(m_panel, &AreaPanel::refused, this, [this](const QString& why) { showNotice(why); });
    connect(c.canvas, &CanvasView::followedAreaChanged, this, &MainWindow::showFollowedArea);
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
    c.traceButton->setChecked(state.tool == Tool::Trace);
    showText(c.hrefBox, state.panel.href);
    showText(c.altBox, state.panel.alt);
    c.hrefBox->setEnabled(state.panel.enabled && !state.previewing);
    c.altBox->setEnabled(state.panel.enabled && !state.previewing);
    c.mapNameBox->setEnabled(c.canvas->hasPicture() && !state.previewing);
    showText(c.mapNameBox, m_editor.map().name());
    if (m_listShown)
        m_panel->showState();
    if (state.previewing && m_browser.generation() != m_reachGeneration && !m_reachTimer.isActive())
        m_reachTimer.start();
    if (state.pointerSeen)
        c.positionPanel->setText(formatSingle(float(state.pointer.x)) + QLatin1Char(',')
            + formatSingle(float(state.pointer.y)));
}

void MainWindow::showNotice(const QString& text, const QString& details)
{
    m_controls.noticePanel->setText(text);
    m_controls.noticePanel->setToolTip(details);
}

void MainWindow::chooseTool(Tool tool)
{
    setPreviewing(false); // a tool is chosen to draw with
    m_editor.chooseTool(tool);
}

void MainWindow::showAreaList(bool shown)
{
    m_controls.listButton->setChecked(shown);
    if (shown == m_listShown)
        return;
    m_listShown = shown;
    QSettings().setValue(kListShownSetting, shown);
    m_panel->setVisible(shown);
    if (!isMaximized() && !isFullScreen())
        resize(width() + (shown ? kAreaPanelWidth : -kAreaPanelWidth), height());
    layOut();
    if (shown)
        m_panel->showState();
}

// An area chosen in the list is brought into view on the canvas.
void MainWindow::showChosenArea(AreaId id)
{
    if (const Area* area = m_editor.map().find(id))
        m_controls.canvas->showPart(areaBounds(*area));
}

void MainWindow::setPreviewing(bool on)
{
    m_controls.previewButton->setChecked(on);
    if (on == m_editor.isPreviewing())
        return;
    m_editor.setPreviewing(on);
    if (on) {
        m_controls.canvas->setPreview(&m_browser);
        lookForUnreachedAreas();
        return;
    }
    m_reachTimer.stop();
    m_reachSearch->stop();
    m_panel->model().showReach({});
    m_controls.canvas->setPreview(nullptr);
    showNotice(QString());
}

void MainWindow::lookForUnreachedAreas()
{
    m_reachGeneration = m_browser.generation();
    m_reachSummary = tr("Preview: looking for areas no pixel leads to\u2026");
    m_panel->model().showReach({});
    m_reachSearch->start();
    showFollowedArea(m_controls.canvas->followedArea());
}

void MainWindow::showReach()
{
    if (!m_editor.isPreviewing() || !m_browser.reach())
        return;
    const std::vector<AreaReach>& reach = *m_browser.reach();
    const auto count = [&reach](auto which) { return int(std::count_if(reach.begin(), reach.end(), which)); };
    const int unchecked = count([](AreaReach r) { return r == AreaReach::Unchecked; });
    const int unreached = count([](AreaReach r) { return r == AreaReach::Hidden || r == AreaReach::NoPixel; });
    m_reachSummary = tr("Preview: %n area(s) no pixel leads to.", nullptr, unreached);
    if (unchecked > 0)
        m_reachSummary += QLatin1Char(' ') + tr("%n area(s) not checked: the map is too large.", nullptr, unchecked);
    m_panel->model().showReach(reach);
    m_controls.canvas->setPreview(&m_browser);
    showFollowedArea(m_controls.canvas->followedArea());
}

void MainWindow::showFollowedArea(int index)
{
    if (index < 0 || index >= m_editor.map().count())
        showNotice(m_reachSummary);
    else
        showNotice(tr("Area %1: %2").arg(index + 1).arg(linkText(m_editor.map().at(index)).section(QLatin1Char('\n'), 0, 0)));
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
    // The editor first: the canvas runs the pointer's hover on the new picture.
    m_editor.setPicture(picture.image);
    m_browser.setPicture(m_pictureSize);
    m_problems->setPictureSize(m_pictureSize);
    m_controls.canvas->setPicture(picture.image);
    for (QWidget* control : std::initializer_list<QWidget*> { m_controls.rectangleButton, m_controls.circleButton,
             m_controls.polygonButton, m_controls.generateButton, m_controls.traceButton, m_controls.canvas,
             m_controls.mapNameBox, m_controls.saveButton })
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
    in.panelWidth = m_listShown ? kAreaPanelWidth : 0;
    const WindowLayout layout = layOutWindow(in);
    m_controls.canvas->setGeometry(layout.withBars(kScrollBarThickness));
    m_panel->setGeometry(layout.panel);
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
