#include "window/WindowControls.h"

#include "view/CanvasView.h"
#include "window/WindowLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("WindowControls", text);
}

QToolButton* pictureButton(QWidget* window, const QString& picture, const QString& tooltip, int left)
{
    auto* button = new QToolButton(window);
    button->setGeometry(left, 0, 33, 33);
    button->setIcon(toolPicture(picture));
    button->setIconSize(QSize(28, 28));
    button->setToolTip(tooltip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit* textBox(QWidget* window, const QRect& geometry, const QString& tooltip)
{
    auto* box = new QLineEdit(window);
    box->setGeometry(geometry);
    box->setToolTip(tooltip);
    box->setEnabled(false);
    // Texts of any length are kept whole: a box that cut them short would store the cut text
    // with the next keystroke.
    box->setMaxLength(1 << 24);
    return box;
}

QLabel* label(QWidget* window, const QRect& geometry, const QString& caption)
{
    auto* label = new QLabel(caption, window);
    label->setGeometry(geometry);
    label->setFont(windowFont(8.25, true));
    shrinkFontToFit(label, caption, geometry.width());
    return label;
}

void buildStatusBar(QWidget* window, WindowControls& c)
{
    c.statusBar = new QStatusBar(window);
    c.statusBar->setGeometry(0, 456, 465, kStatusBarHeight);
    c.statusBar->setFixedHeight(kStatusBarHeight);
    c.statusBar->setSizeGripEnabled(true);
    c.statusBar->setContentsMargins(0, 0, 0, 0);
    c.positionPanel = new QLabel(c.statusBar);
    c.positionPanel->setMinimumWidth(90);
    c.statusBar->addWidget(c.positionPanel);
    c.noticePanel = new QLabel(c.statusBar);
    c.statusBar->addWidget(c.noticePanel, 1);
    c.problemsPanel = new QToolButton(c.statusBar);
    c.problemsPanel->setAutoRaise(true);
    c.problemsPanel->setFocusPolicy(Qt::NoFocus);
    c.problemsPanel->setFont(windowFont());
    c.problemsPanel->setToolTip(tr("What a browser will do differently from what the map shows: click for the list"));
    c.statusBar->addPermanentWidget(c.problemsPanel);
    c.zoomPanel = new QLabel(c.statusBar);
    c.zoomPanel->setMinimumWidth(48);
    c.zoomPanel->setAlignment(Qt::AlignCenter);
    c.statusBar->addPermanentWidget(c.zoomPanel);
}

} // namespace

WindowControls buildWindowControls(QWidget* window, MapEditor& editor)
{
    WindowControls c;
    c.newButton = pictureButton(window, QStringLiteral("new"), tr("New Imagemap"), 8);
    // Opening and saving maps sit in the stretch between New Imagemap and the tools.
    c.openButton = pictureButton(window, QStringLiteral("open"), tr("Open an Imagemap (Ctrl+O)"), 40);
    c.saveButton
        = pictureButton(window, QStringLiteral("save"), tr("Save the Imagemap (Ctrl+S; Save As: Ctrl+Shift+S)"), 72);
    c.rectangleButton = pictureButton(window, QStringLiteral("rect"), tr("Rectangle Tool (R)"), 152);
    c.circleButton = pictureButton(window, QStringLiteral("circle"), tr("Circle Tool (C)"), 184);
    c.polygonButton = pictureButton(window, QStringLiteral("poly"), tr("Polygon Tool (P)"), 216);
    c.generateButton = pictureButton(window, QStringLiteral("generate"), tr("Generate Imagemap"), 264);
    c.traceButton = pictureButton(window, QStringLiteral("trace"),
        tr("Trace Tool (T): the wheel sets the colour tolerance, Shift+wheel the deviation"), 296);
    c.listButton = pictureButton(window, QStringLiteral("list"), tr("Area List (F2)"), 360);
    c.previewButton = pictureButton(
        window, QStringLiteral("preview"), tr("Browser Preview (F3): the link a browser follows under the pointer"), 392);
    for (QToolButton* button :
        { c.saveButton, c.rectangleButton, c.circleButton, c.polygonButton, c.generateButton, c.traceButton })
        button->setEnabled(false);
    // A drawing tool's button shows as pressed while the tool is armed, and so do the list's
    // and the preview's while they show.
    for (QToolButton* tool :
        { c.rectangleButton, c.circleButton, c.polygonButton, c.traceButton, c.listButton, c.previewButton })
        tool->setCheckable(true);

    c.mapNameBox = textBox(window, QRect(208, 56, 113, 19), tr("The name of the imagemap"));
    c.hrefBox = textBox(window, QRect(208, 80, 249, 19), tr("The url which the selected object is pointed to"));
    c.altBox = textBox(window, QRect(208, 104, 249, 19), tr("The alt text of the selected object"));
    c.mapNameLabel = label(window, QRect(8, 56, 161, 17), tr("The name of the imagemap:"));
    c.hrefLabel = label(window, QRect(8, 80, 185, 17), tr("The URL of the selected shape:"));
    c.altLabel = label(window, QRect(8, 104, 201, 17), tr("The alt text of the selected shape:"));

    c.canvas = new CanvasView(editor, window);
    c.canvas->setGeometry(0, 144, 449, 297);
    c.canvas->setEnabled(false);

    buildStatusBar(window, c);
    c.helpButton = pictureButton(window, QStringLiteral("help"), tr("Help"), 424);
    QWidget* order[] = { c.newButton, c.openButton, c.saveButton, c.rectangleButton, c.circleButton,
        c.polygonButton, c.generateButton, c.traceButton, c.listButton, c.previewButton, c.mapNameBox, c.hrefBox,
        c.altBox, c.canvas, c.helpButton };
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return c;
}
