#pragma once

#include "dialogs/OutputWindow.h"
#include "editor/MapEditor.h"
#include "pictures/BackgroundPictureReader.h"
#include "preview/BrowserMap.h"
#include "window/WindowControls.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class AreaPanel;
class EditorActions;
class ReachSearch;
class FileDialogs;
class HelpWindow;
class MapFiles;
class ProblemsDisplay;

// The main window: the controls, the editor behind them, the picture and the windows it opens.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // dialogs shows the file dialogs; nullptr means Qt's own.
    explicit MainWindow(FileDialogs* dialogs = nullptr);
    ~MainWindow() override;

    // A file dropped on the window or named on the command line: a web page opens its map,
    // anything else is taken for a picture. Unsaved changes are asked about first.
    void openFile(const QString& path);
    // Starts reading a picture; when it has been read, a new map starts on it (or map, one
    // read from a page). When it cannot be read the user is told why and nothing changes.
    // pictureOpened tells when either is done.
    void openPicture(const QString& path, std::optional<ImageMap> map = std::nullopt);
    bool isReadingPicture() const { return m_reader.isReading(); }

    // The picture on the canvas: its file and its size.
    QString picturePath() const { return m_picturePath; }
    QSize pictureSize() const { return m_pictureSize; }

    MapEditor& editor() { return m_editor; }
    const WindowControls& controls() const { return m_controls; }
    AreaPanel* areaPanel() const { return m_panel; }
    const BrowserMap& browserMap() const { return m_browser; }
    EditorActions& actions() const { return *m_actions; }
    MapFiles& files() const { return *m_files; }
    OutputWindowHost& output() { return m_output; }
    ProblemsDisplay& problems() const { return *m_problems; }
    HelpWindow* helpWindow() const;

    void newImagemap();
    void generate();
    void showHelp();
    // A few words in the status bar, the whole of it in their tooltip.
    void showNotice(const QString& text, const QString& details = QString());
    // The area panel shows beside the canvas, the window growing by its width (unless it is
    // maximised), and Korvel remembers whether it shows.
    void showAreaList(bool shown);
    bool isAreaListShown() const { return m_listShown; }
    // The browser preview starts or ends.
    void setPreviewing(bool on);

signals:
    void pictureOpened(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectControls();
    void layOut();
    void showEditorState();
    void showPicture(const QString& path, const LoadedPicture& picture);
    void chooseTool(Tool tool);
    void showChosenArea(AreaId id);
    void lookForUnreachedAreas();
    void showReach();
    void showFollowedArea(int index);

    MapEditor m_editor;
    BrowserMap m_browser; // the map as browsers read it, for the preview
    WindowControls m_controls;
    EditorActions* m_actions;
    AreaPanel* m_panel;
    bool m_listShown = false;
    ReachSearch* m_reachSearch;
    QTimer m_reachTimer; // the preview looks again for areas no pixel leads to, once changes rest
    uint64_t m_reachGeneration = 0;
    QString m_reachSummary;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    FileDialogs* m_dialogs;
    MapFiles* m_files;
    // Destroyed before the editor it watches.
    std::unique_ptr<ProblemsDisplay> m_problems;
    OutputWindowHost m_output;
    QPointer<HelpWindow> m_help;
    BackgroundPictureReader m_reader;
    std::optional<ImageMap> m_pendingMap; // read from a page, waiting for its picture
    QString m_lastPicture; // offered by the next New Imagemap
    QString m_picturePath;
    QSize m_pictureSize;
};
