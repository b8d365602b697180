#pragma once

#include "editing/EditorSession.h"
#include "editing/FocusWatch.h"
#include "mainwindow/CanvasZoom.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormView.h"
#include "outputwindow/OutputWindowHost.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class FileDialogPlatform;
class HelpAboutDialog;

// The main window: it owns the imagemap under edit and the controls, and forwards the
// controls' events to the editing operations.
class MainForm : public QWidget {
    Q_OBJECT
public:
    // dialogs shows the file dialogs; nullptr means Qt's own.
    explicit MainForm(FileDialogPlatform* dialogs = nullptr);
    ~MainForm() override;

    // Starts a new map on the picture at path, as New Imagemap does after its dialog.
    // Returns false, after telling the user why, when the picture cannot be read; the
    // map and the picture on screen then stay as they were.
    bool OpenImage(const QString& path);

    const Editor& editor() const { return m_session.editor(); }
    EditorSession& Session() { return m_session; }
    const MainFormControls& Controls() const { return m_controls; }
    HelpAboutDialog* HelpDialog() const;
    OutputWindowHost& Output() { return m_output; }
    const FocusWatch& Watch() const { return m_focusWatch; }
    CanvasZoom& Zoom() { return m_zoom; }

    // Handlers of the window and its buttons.
    void Form_Load();
    void Form_Resize();
    void newButton_Click();
    void rectButton_Click();
    void circleButton_Click();
    void polyButton_Click();
    void generateButton_Click();
    void helpaboutButton_Click();
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);

    // The overlay, drawn again from the document.
    void RedrawOverlay();

signals:
    // The overlay was drawn again because the focus moved; tests watch it.
    void FocusRedrawn();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectControls();
    void LayOut();
    void OnFocusChanged(QWidget* now);
    void EnableEditing();
    void ScrollCanvas(int left, int top, bool redraw);

    MainFormControls m_controls;
    OutputWindowHost m_output;
    MainFormView m_view;
    EditorSession m_session;
    CanvasZoom m_zoom;
    FocusWatch m_focusWatch;
    QPointer<HelpAboutDialog> m_help;
    std::unique_ptr<FileDialogPlatform> m_ownDialogs;
    FileDialogPlatform* m_dialogs;
    QMetaObject::Connection m_focusConnection;
};
