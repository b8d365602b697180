#pragma once

class CanvasWidget;
class QLabel;
class QLineEdit;
class QScrollBar;
class QStatusBar;
class QToolButton;
class QWidget;
class ScrollBarControl;
class ViewportFrame;

// The main window's controls, placed at their design positions in device-independent
// pixels, with their captions, tooltips, fonts, tab order and initial states.
struct MainFormControls {
    QToolButton* newButton = nullptr;
    QToolButton* openButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* rectButton = nullptr;
    QToolButton* circleButton = nullptr;
    QToolButton* polyButton = nullptr;
    QToolButton* generateButton = nullptr;
    QToolButton* helpaboutButton = nullptr;
    QLineEdit* MapNameText = nullptr;
    QLineEdit* HrefText = nullptr;
    QLineEdit* AltText = nullptr;
    QLabel* MapNameLabel = nullptr;
    QLabel* HrefLabel = nullptr;
    QLabel* AltLabel = nullptr;
    ViewportFrame* OuterPict = nullptr;
    CanvasWidget* InnerPict = nullptr;
    ScrollBarControl* HBar = nullptr;
    ScrollBarControl* VBar = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* PositionPanel = nullptr; // first panel: the pointer position
    QLabel* NoticePanel = nullptr; // second panel: notices such as a partly missing picture
    QLabel* ZoomPanel = nullptr; // last panel: the zoom level
};

// Builds the controls on form.
MainFormControls BuildMainFormControls(QWidget* form);

// The scroll bars' thickness and the status bar's height at design size.
constexpr int kScrollBarThickness = 17;
constexpr int kStatusBarHeight = 17;
