#include "mainwindow/MainForm.h"

#include "canvas/CanvasWidget.h"
#include "filechooser/QtFileDialogPlatform.h"
#include "filedialog/FileTypes.h"
#include "filedialog/cFileDlg.h"
#include "forms/FormLook.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "helpwindow/HelpAboutDialog.h"
#include "layout/WindowLayout.h"
#include "mainwindow/KeyPreview.h"
#include "mainwindow/MapFileActions.h"
#include "mainwindow/ReadingIndicator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

namespace {

const QColor kFormBackground(224, 224, 224);

Rgb FromQColor(const QColor& colour)
{
    return Rgb { static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
        static_cast<uint8_t>(colour.blue()) };
}

// The single local file among dropped URLs, or an empty string.
QString DroppedFile(const QMimeData* mime)
{
    if (!mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
        return QString();
    return mime->urls().front().toLocalFile();
}

} // namespace

MainForm::MainForm(FileDialogPlatform* dialogs)
    : m_controls(BuildMainFormControls(this))
    , m_view(m_controls, m_output)
    , m_session(m_view)
    , m_zoom(*this)
    , m_dialogs(dialogs)
{
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtFileDialogPlatform>();
        m_dialogs = m_ownDialogs.get();
    }
    setWindowTitle(QStringLiteral("Korvel v1.0"));
    ApplyFormLook(this, kFormBackground);
    setAcceptDrops(true);
    resize(465, 473);
    new KeyPreview(this, [this](int16_t keyCode, int16_t shift) { Form_KeyDown(keyCode, shift); });
    m_session.SetHistory(&m_history);
    m_files = new MapFileActions(*this, m_session, m_history.Stack(), *m_dialogs, *m_controls.MapNameText);
    new ReadingIndicator(m_pictureReader, this, m_controls.NoticePanel,
        { m_controls.rectButton, m_controls.circleButton, m_controls.polyButton, m_controls.generateButton,
            m_controls.InnerPict });
    connect(&m_pictureReader, &BackgroundPictureReader::Finished, this, &MainForm::ShowPicture);
    ConnectControls();
    Form_Load();
    LayOut();
}

MainForm::~MainForm()
{
    // Destroying the controls moves the focus; the watch must not see that half-gone window.
    disconnect(m_focusConnection);
}

HelpAboutDialog* MainForm::HelpDialog() const
{
    return m_help.data();
}

void MainForm::ConnectControls()
{
    const MainFormControls& c = m_controls;
    connect(c.newButton, &QToolButton::clicked, this, &MainForm::newButton_Click);
    connect(c.rectButton, &QToolButton::clicked, this, &MainForm::rectButton_Click);
    connect(c.circleButton, &QToolButton::clicked, this, &MainForm::circleButton_Click);
    connect(c.polyButton, &QToolButton::clicked, this, &MainForm::polyButton_Click);
    connect(c.generateButton, &QToolButton::clicked, this, &MainForm::generateButton_Click);
    connect(c.helpaboutButton, &QToolButton::clicked, this, &MainForm::helpaboutButton_Click);
    connect(c.openButton, &QToolButton::clicked, m_files, &MapFileActions::Open);
    connect(c.saveButton, &QToolButton::clicked, m_files, &MapFileActions::Save);
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, m_files, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &MapFileActions::Open);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (m_controls.saveButton->isEnabled())
            m_files->Save();
    });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        if (m_controls.saveButton->isEnabled())
            m_files->SaveAs();
    });
    connect(c.InnerPict, &CanvasWidget::MouseDown, this, [this](float x, float y) { m_session.MouseDown(x, y); });
    connect(c.InnerPict, &CanvasWidget::MouseMove, this,
        [this](float x, float y, QPoint screen) { m_session.MouseMove(x, y, screen); });
    connect(c.InnerPict, &CanvasWidget::MouseUp, this,
        [this](float x, float y, bool clicked) { m_session.MouseUp(x, y, clicked); });
    // Only the user's edits are reported: the editing code stores what it shows itself.
    connect(c.HrefText, &QLineEdit::textEdited, this, [this](const QString& text) { m_session.HrefEdited(text); });
    connect(c.AltText, &QLineEdit::textEdited, this, [this](const QString& text) { m_session.AltEdited(text); });
    // The bars' value is the canvas offset itself. Change moves the canvas; Scroll, while
    // the thumb is dragged, also draws the overlay again.
    connect(c.HBar, &ScrollBarControl::Change, this,
        [this](int value) { ScrollCanvas(value, m_controls.InnerPict->y(), false); });
    connect(c.HBar, &ScrollBarControl::Scroll, this,
        [this](int value) { ScrollCanvas(value, m_controls.InnerPict->y(), true); });
    connect(c.VBar, &ScrollBarControl::Change, this,
        [this](int value) { ScrollCanvas(m_controls.InnerPict->x(), value, false); });
    connect(c.VBar, &ScrollBarControl::Scroll, this,
        [this](int value) { ScrollCanvas(m_controls.InnerPict->x(), value, true); });
    m_focusConnection
        = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

void MainForm::Form_Load()
{
    m_controls.InnerPict->raise();
    // New boxes and the canvas's first lines take the theme's text colour.
    const Rgb windowText = FromQColor(palette().color(QPalette::WindowText));
    m_session.Apply([windowText](Editor& editor) {
        editor.state = EditorState {};
        editor.map.boxCount = editor.map.polyCount = 0;
        editor.map.boxes.front().BorderColor = windowText;
    });
    m_controls.InnerPict->Display().SetForeColor(windowText);
    // The New Imagemap button has the focus when the window first shows, so the watch
    // starts from it.
    m_focusWatch = FocusWatch(m_controls.newButton);
    m_controls.newButton->setFocus();
}

void MainForm::OnFocusChanged(QWidget* now)
{
    m_session.FocusMoved();
    if (m_focusWatch.FocusChanged(now)) {
        RedrawOverlay();
        emit FocusRedrawn();
    }
}

void MainForm::RedrawOverlay()
{
    m_session.Redraw();
}

void MainForm::rectButton_Click()
{
    m_session.ChooseTool(ToolMode::Rect);
}

void MainForm::circleButton_Click()
{
    m_session.ChooseTool(ToolMode::Circle);
}

void MainForm::polyButton_Click()
{
    m_session.ChooseTool(ToolMode::Poly);
}

void MainForm::generateButton_Click()
{
    m_session.Generate();
    m_files->MarkHandedOver();
}

void MainForm::helpaboutButton_Click()
{
    if (!m_help)
        m_help = new HelpAboutDialog;
    m_help->ShowAndRaise();
}

void MainForm::Form_KeyDown(int16_t KeyCode, int16_t Shift)
{
    // The map is about to be replaced by the picture being read; editing waits for it.
    if (IsReadingPicture())
        return;
    m_session.KeyDown(KeyCode, Shift);
    m_zoom.KeyDown(KeyCode, Shift);
}

void MainForm::newButton_Click()
{
    if (!m_files->MayDiscardChanges())
        return;
    cFileDlg dialog(*m_dialogs);
    dialog.OwnerHwnd = this;
    dialog.Filter = PictureFileFilter();
    dialog.DlgTitle = QStringLiteral("Open an Image File");
    QString fileTitle;
    QString imagePath = editor().state.imagePath;
    const bool chosen = dialog.VBGetOpenFileName(imagePath, fileTitle);
    m_session.Apply([&imagePath](Editor& editor) { editor.state.imagePath = imagePath; });
    if (chosen)
        OpenImage(imagePath);
}

void MainForm::OpenImage(const QString& path)
{
    m_pendingMap.reset();
    m_pictureReader.Start(path);
}

void MainForm::OpenImageWithMap(const QString& picturePath, const ImagemapDocument& map, const QString& mapName)
{
    m_pictureReader.Start(picturePath);
    m_pendingMap.emplace(map, mapName);
}

void MainForm::OpenFile(const QString& path)
{
    if (!m_files->MayDiscardChanges())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        m_files->OpenFile(path);
    else
        OpenImage(path);
}

// The picture was read before the map is touched, so a file that cannot be used costs the
// user nothing.
void MainForm::ShowPicture(const QString& path, const LoadedPicture& picture)
{
    const std::optional<std::pair<ImagemapDocument, QString>> opened = std::exchange(m_pendingMap, std::nullopt);
    if (picture.image.isNull()) {
        QMessageBox::warning(this, QStringLiteral("Korvel"), picture.error);
        emit PictureOpened(false);
        return;
    }
    {
        const ViewChange change(*this);
        m_session.Apply([&path](Editor& editor) { editor.state.imagePath = path; });
        if (opened) {
            m_session.ReplaceMap(opened->first);
            m_controls.MapNameText->setText(opened->second);
        } else {
            m_session.StartNewMap();
        }
        m_picturePath = path;
        m_pictureSize = picture.image.size();
        m_controls.InnerPict->SetPicture(picture.image);
        m_controls.InnerPict->move(0, 0);
        m_controls.HBar->setValue(0);
        m_controls.VBar->setValue(0);
        EnableEditing();
        m_view.ShowNoticeWithDetails(picture.notice, picture.warning);
        Form_Resize();
    }
    emit PictureOpened(true);
}

void MainForm::EnableEditing()
{
    for (QWidget* control : { static_cast<QWidget*>(m_controls.rectButton),
             static_cast<QWidget*>(m_controls.circleButton), static_cast<QWidget*>(m_controls.polyButton),
             static_cast<QWidget*>(m_controls.generateButton), static_cast<QWidget*>(m_controls.InnerPict),
             static_cast<QWidget*>(m_controls.MapNameText), static_cast<QWidget*>(m_controls.saveButton) })
        control->setEnabled(true);
}

void MainForm::ScrollCanvas(int left, int top, bool redraw)
{
    const ViewChange change(*this);
    m_controls.InnerPict->move(left, top);
    if (redraw)
        RedrawOverlay();
}

MainForm::ViewChange::ViewChange(MainForm& form)
    : m_form(form)
{
    ++m_form.m_viewChanges;
}

MainForm::ViewChange::~ViewChange()
{
    if (--m_form.m_viewChanges == 0)
        m_form.FollowPointer();
}

void MainForm::FollowPointer()
{
    // Where mouse moves reach the canvas: over it, or anywhere while a press on it is held.
    CanvasWidget* canvas = m_controls.InnerPict;
    const QPoint pointer = QCursor::pos();
    if (!canvas->isEnabled() || !canvas->isVisible()
        || (QApplication::widgetAt(pointer) != canvas && !editor().state.buttonDown))
        return;
    canvas->PointerAt(canvas->mapFromGlobal(QPointF(pointer)));
}

void MainForm::Form_Resize()
{
    if (isMinimized())
        return;
    const ViewChange change(*this);
    const MainFormControls& c = m_controls;
    LayoutInput in;
    in.formScaleWidth = width();
    in.formScaleHeight = height();
    in.outerLeft = c.OuterPict->x();
    in.outerTop = c.OuterPict->y();
    in.outerWidth = c.OuterPict->width();
    in.outerHeight = c.OuterPict->height();
    in.outerScaleWidth = c.OuterPict->ScaleWidth();
    in.outerScaleHeight = c.OuterPict->ScaleHeight();
    in.innerWidth = c.InnerPict->width();
    in.innerHeight = c.InnerPict->height();
    in.statusBarHeight = c.StatusBar->height();
    in.barThickness = kScrollBarThickness;
    const LayoutResult layout = ComputeFormLayout(in);
    if (!layout.applies)
        return;
    c.OuterPict->setGeometry(
        layout.outerPict.left, layout.outerPict.top, layout.outerPict.width, layout.outerPict.height);
    c.HBar->Bar()->setGeometry(layout.hBar.left, layout.hBar.top, layout.hBar.width, layout.hBar.height);
    c.HBar->Bar()->setVisible(layout.hBarVisible);
    c.VBar->Bar()->setGeometry(layout.vBar.left, layout.vBar.top, layout.vBar.width, layout.vBar.height);
    c.VBar->Bar()->setVisible(layout.vBarVisible);
    // An axis without a bar shows the picture from its start, so no part is out of reach.
    if (!layout.hBarVisible)
        c.HBar->setValue(0);
    if (!layout.vBarVisible)
        c.VBar->setValue(0);
    if (layout.updateScrollRanges) {
        const ScrollRanges ranges = ComputeScrollRanges(
            c.OuterPict->ScaleWidth(), c.OuterPict->ScaleHeight(), c.InnerPict->width(), c.InnerPict->height());
        c.VBar->setScrollRange(ranges.vBar);
        c.HBar->setScrollRange(ranges.hBar);
    }
    RedrawOverlay();
}

void MainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void MainForm::LayOut()
{
    // The status bar keeps itself along the bottom edge.
    m_controls.StatusBar->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
    Form_Resize();
}

void MainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window may keep its size, so no resize event comes.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (!m_files->MayDiscardChanges()) {
        event->ignore();
        return;
    }
    // Form_Unload: the two other windows go with the main window, and so does a picture
    // still being read.
    m_pictureReader.Abandon();
    delete m_help.data();
    m_output.Unload();
    event->accept();
}

void MainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFile(path);
}
