#pragma once

class CanvasView;
class MapEditor;
class QLabel;
class QLineEdit;
class QStatusBar;
class QToolButton;
class QWidget;

// The main window's controls at their design positions, with their captions, tooltips,
// fonts, tab order and first states.
struct WindowControls {
    QToolButton* newButton = nullptr;
    QToolButton* openButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* rectangleButton = nullptr;
    QToolButton* circleButton = nullptr;
    QToolButton* polygonButton = nullptr;
    QToolButton* generateButton = nullptr;
    QToolButton* traceButton = nullptr;
    QToolButton* listButton = nullptr; // shows the area list (checkable)
    QToolButton* previewButton = nullptr; // the browser preview (checkable)
    QToolButton* helpButton = nullptr;
    QLineEdit* mapNameBox = nullptr;
    QLineEdit* hrefBox = nullptr;
    QLineEdit* altBox = nullptr;
    QLabel* mapNameLabel = nullptr;
    QLabel* hrefLabel = nullptr;
    QLabel* altLabel = nullptr;
    CanvasView* canvas = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* positionPanel = nullptr; // the pointer's position
    QLabel* noticePanel = nullptr; // notices such as a partly missing picture
    QToolButton* problemsPanel = nullptr; // how many problems the map's check found; opens their list
    QLabel* zoomPanel = nullptr; // the zoom level
};

WindowControls buildWindowControls(QWidget* window, MapEditor& editor);

// The scroll bars' thickness and the status bar's height.
constexpr int kScrollBarThickness = 17;
constexpr int kStatusBarHeight = 17;
