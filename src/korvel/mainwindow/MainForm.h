#pragma once

#include "editing/EditorSession.h"
#include "editing/FocusWatch.h"
#include "mainwindow/CanvasZoom.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormView.h"
#include "outputwindow/OutputWindowHost.h"
#include "picture/BackgroundPictureReader.h"
#include "undo/UndoHistory.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>

class FileDialogPlatform;
class MapFileActions;
class HelpAboutDialog;

// The main window: it owns the imagemap under edit and the controls, and forwards the
// controls' events to the editing operations.
class MainForm : public QWidget {
    Q_OBJECT
public:
    // dialogs shows the file dialogs; nullptr means Qt's own.
    explicit MainForm(FileDialogPlatform* dialogs = nullptr);
    ~MainForm() override;

    // Starts reading the picture at path, as New Imagemap does after its dialog, abandoning a
    // read still under way. The window keeps answering meanwhile; when the picture has been
    // read, a new map starts on it. When it cannot be read, the user is told why and the map
    // and the picture on screen stay as they were. PictureOpened tells when either is done.
    void OpenImage(const QString& path);
    // Like OpenImage, but once the picture has been read the map opened from a page takes
    // the place of the map under edit, instead of an empty one.
    void OpenImageWithMap(const QString& picturePath, const ImagemapDocument& map, const QString& mapName);
    // A file dropped on the window or named on the command line: a web page opens its map,
    // anything else is taken for a picture. Unsaved changes are asked about first.
    void OpenFile(const QString& path);
    // The picture on the canvas: its file and its size in its own pixels. The path New
    // Imagemap offers next may differ: it is the last one chosen, read or not.
    QString PicturePath() const { return m_picturePath; }
    QSize PictureSize() const { return m_pictureSize; }
    MapFileActions& Files() { return *m_files; }
    // A picture is being read; editing waits until it is done.
    bool IsReadingPicture() const { return m_pictureReader.IsReading(); }

    const Editor& editor() const { return m_session.editor(); }
    EditorSession& Session() { return m_session; }
    const MainFormControls& Controls() const { return m_controls; }
    QUndoStack& UndoStack() { return m_history.Stack(); }
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

    // Scrolling, zooming, laying the window out and showing a picture move the picture under
    // a pointer that may stay still. While one of these lives the view is changing; when the
    // last goes, the pointer is read again and handled as a move to where it now is.
    class ViewChange {
    public:
        explicit ViewChange(MainForm& form);
        ~ViewChange();
        ViewChange(const ViewChange&) = delete;
        ViewChange& operator=(const ViewChange&) = delete;

    private:
        MainForm& m_form;
    };

signals:
    // The overlay was drawn again because the focus moved; tests watch it.
    void FocusRedrawn();
    // A picture chosen with OpenImage has been shown (true) or refused (false).
    void PictureOpened(bool ok);

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
    void ShowPicture(const QString& path, const LoadedPicture& picture);
    void ScrollCanvas(int left, int top, bool redraw);
    void FollowPointer();

    MainFormControls m_controls;
    OutputWindowHost m_output;
    MainFormView m_view;
    EditorSession m_session;
    UndoHistory m_history { m_session };
    CanvasZoom m_zoom;
    FocusWatch m_focusWatch;
    QPointer<HelpAboutDialog> m_help;
    std::unique_ptr<FileDialogPlatform> m_ownDialogs;
    FileDialogPlatform* m_dialogs;
    QMetaObject::Connection m_focusConnection;
    BackgroundPictureReader m_pictureReader;
    MapFileActions* m_files = nullptr;
    std::optional<std::pair<ImagemapDocument, QString>> m_pendingMap; // opened with the picture being read
    QString m_picturePath;
    QSize m_pictureSize;
    int m_viewChanges = 0;
};
