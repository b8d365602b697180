#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class EditorSession;
class FileDialogPlatform;
class MainForm;
class QLineEdit;
class QUndoStack;
struct OpenedMap;

// Saving the map as a web page and opening maps from web pages, and keeping the user from
// losing work: the file the map belongs to, whether it has changed since it was last saved
// or generated, the window's title, and the question before anything would discard it.
class MapFileActions : public QObject {
    Q_OBJECT
public:
    MapFileActions(
        MainForm& form, EditorSession& session, QUndoStack& history, FileDialogPlatform& dialogs, QLineEdit& mapName);

    // Save, Discard or Cancel when the map has unsaved changes; true when the caller may go
    // on (saved, discarded, or nothing to save).
    bool MayDiscardChanges();
    // Saves to the map's file, or asks for one first (Save As). True when saved.
    bool Save();
    bool SaveAs();
    // Asks for a page and opens one of its maps, with its picture.
    void Open();
    // Opens the page at htmlPath (dropped on the window or given on the command line).
    void OpenFile(const QString& htmlPath);

    QString FilePath() const { return m_filePath; }
    bool IsModified() const;
    // Generate hands the map over as well as Save does: no question until it changes again.
    void MarkHandedOver();

private:
    bool WriteTo(const QString& htmlPath);
    bool ChooseMap(const QString& htmlPath, OpenedMap& opened);
    bool FindPicture(OpenedMap& opened);
    void PictureOpened(bool ok);
    void UpdateTitle();

    MainForm& m_form;
    EditorSession& m_session;
    QUndoStack& m_history;
    FileDialogPlatform& m_dialogs;
    QLineEdit& m_mapName;
    QString m_filePath; // empty: the map has never been saved or opened
    QString m_pendingFilePath; // a page being opened while its picture is read
    QStringList m_pendingReport;
    bool m_nameChanged = false;
};
