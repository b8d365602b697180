#include "mainwindow/MainFormControls.h"

#include "canvas/CanvasWidget.h"
#include "forms/FormLook.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "forms/WindowIcon.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The arrow keys are the keyboard commands' nudges, which the main window sees first: a
// button lets them pass instead of taking them to move the focus to its neighbour.
class FormButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
            event->ignore();
        else
            QToolButton::keyPressEvent(event);
    }
};

QToolButton* PictureButton(QWidget* form, const QString& picture, const QString& tooltip, int left)
{
    auto* button = new FormButton(form);
    button->setGeometry(left, 0, 33, 33);
    button->setIcon(ToolPicture(picture));
    button->setIconSize(QSize(28, 28));
    button->setToolTip(tooltip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit* TextBox(QWidget* form, const QRect& geometry, const QString& tooltip)
{
    auto* box = new QLineEdit(form);
    box->setGeometry(geometry);
    box->setToolTip(tooltip);
    box->setEnabled(false);
    // Texts of any length are kept whole: a box that cut them short would store the cut
    // text with the next keystroke.
    box->setMaxLength(1 << 24);
    return box;
}

QLabel* Label(QWidget* form, const QRect& geometry, const QString& caption)
{
    auto* label = new QLabel(caption, form);
    label->setGeometry(geometry);
    label->setFont(FormFont(8.25, true));
    ShrinkFontToFit(label, caption, geometry.width());
    return label;
}

ScrollBarControl* ScrollBar(QWidget* form, Qt::Orientation orientation, const QRect& geometry)
{
    auto* bar = new QScrollBar(orientation, form);
    bar->setGeometry(geometry);
    bar->setFocusPolicy(Qt::TabFocus);
    bar->hide();
    return new ScrollBarControl(bar);
}

void BuildStatusBar(QWidget* form, MainFormControls& c)
{
    c.StatusBar = new QStatusBar(form);
    c.StatusBar->setGeometry(0, 456, 465, kStatusBarHeight);
    c.StatusBar->setFixedHeight(kStatusBarHeight);
    c.StatusBar->setSizeGripEnabled(true);
    c.StatusBar->setContentsMargins(0, 0, 0, 0);
    c.PositionPanel = new QLabel(c.StatusBar);
    c.PositionPanel->setMinimumWidth(90);
    c.StatusBar->addWidget(c.PositionPanel);
    c.NoticePanel = new QLabel(c.StatusBar);
    c.StatusBar->addWidget(c.NoticePanel, 1);
    c.ZoomPanel = new QLabel(c.StatusBar);
    c.ZoomPanel->setMinimumWidth(48);
    c.ZoomPanel->setAlignment(Qt::AlignCenter);
    c.StatusBar->addPermanentWidget(c.ZoomPanel);
}

void SetTabOrder(const MainFormControls& c)
{
    QWidget* order[]
        = { c.newButton, c.openButton, c.saveButton, c.rectButton, c.circleButton, c.polyButton, c.generateButton,
              c.MapNameText, c.HrefText, c.AltText, c.VBar->Bar(), c.HBar->Bar(), c.InnerPict, c.helpaboutButton };
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

MainFormControls BuildMainFormControls(QWidget* form)
{
    MainFormControls c;
    c.newButton = PictureButton(form, QStringLiteral("new"), QStringLiteral("New Imagemap"), 8);
    // Opening and saving maps sit in the empty stretch between New Imagemap and the tools.
    c.openButton = PictureButton(form, QStringLiteral("open"), QStringLiteral("Open an Imagemap (Ctrl+O)"), 40);
    c.saveButton = PictureButton(
        form, QStringLiteral("save"), QStringLiteral("Save the Imagemap (Ctrl+S; Save As: Ctrl+Shift+S)"), 72);
    c.saveButton->setEnabled(false);
    c.rectButton = PictureButton(form, QStringLiteral("rect"), QStringLiteral("Rectangle Tool"), 152);
    c.circleButton = PictureButton(form, QStringLiteral("circle"), QStringLiteral("Circle Tool"), 184);
    c.polyButton = PictureButton(form, QStringLiteral("poly"), QStringLiteral("Polygon Tool"), 216);
    c.generateButton = PictureButton(form, QStringLiteral("generate"), QStringLiteral("Generate Imagemap"), 264);
    for (QToolButton* tool : { c.rectButton, c.circleButton, c.polyButton, c.generateButton })
        tool->setEnabled(false);
    // A drawing tool's button shows as pressed while the tool is armed.
    for (QToolButton* tool : { c.rectButton, c.circleButton, c.polyButton })
        tool->setCheckable(true);

    c.MapNameText = TextBox(form, QRect(208, 56, 113, 19), QStringLiteral("The name of the imagemap"));
    c.HrefText
        = TextBox(form, QRect(208, 80, 249, 19), QStringLiteral("The url which the selected object is pointed to"));
    c.AltText = TextBox(form, QRect(208, 104, 249, 19), QStringLiteral("The alt text of the selected object"));
    c.MapNameLabel = Label(form, QRect(8, 56, 161, 17), QStringLiteral("The name of the imagemap:"));
    c.HrefLabel = Label(form, QRect(8, 80, 185, 17), QStringLiteral("The URL of the selected shape:"));
    c.AltLabel = Label(form, QRect(8, 104, 201, 17), QStringLiteral("The alt text of the selected shape:"));

    c.VBar = ScrollBar(form, Qt::Vertical, QRect(448, 144, kScrollBarThickness, 297));
    c.OuterPict = new ViewportFrame(form);
    c.OuterPict->setGeometry(0, 144, 449, 297);
    c.HBar = ScrollBar(form, Qt::Horizontal, QRect(0, 440, 449, kScrollBarThickness));
    c.OuterPict->SetScrollBars(c.HBar->Bar(), c.VBar->Bar());
    c.InnerPict = new CanvasWidget(c.OuterPict->ClientArea());
    c.InnerPict->move(0, 0);
    c.InnerPict->setFocusPolicy(Qt::StrongFocus);
    c.InnerPict->setEnabled(false);

    BuildStatusBar(form, c);
    c.helpaboutButton = PictureButton(form, QStringLiteral("help"), QStringLiteral("Help"), 424);
    SetTabOrder(c);
    return c;
}
