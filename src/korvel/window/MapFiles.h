#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class FileDialogs;
class MainWindow;
struct PageMap;

// Saving the map as a web page and opening maps from web pages, and keeping the user from
// losing work: the page the map belongs to, whether it changed since it was last saved or
// generated, the window's title, and the question before anything would discard it.
class MapFiles : public QObject {
    Q_OBJECT
public:
    MapFiles(MainWindow& window, FileDialogs& dialogs);

    // Save, Discard or Cancel when the map has unsaved changes; true when the caller may go on.
    bool mayDiscardChanges();
    // Saves to the map's page, or asks for one first. True when saved.
    bool save();
    bool saveAs();
    // Asks for a page and opens one of its maps, with its picture.
    void open();
    // Opens the page at htmlPath (dropped on the window or given on the command line).
    void openPage(const QString& htmlPath);

    QString filePath() const { return m_filePath; }
    bool isModified() const;
    // Generate hands the map over as Save does: no question until it changes again.
    void markHandedOver();

private:
    bool writeTo(const QString& htmlPath);
    bool chooseMap(const QString& htmlPath, PageMap& chosen);
    bool findPicture(PageMap& chosen);
    void pictureOpened(bool ok);
    void updateTitle();

    MainWindow& m_window;
    FileDialogs& m_dialogs;
    QString m_filePath; // empty: the map has never been saved or opened
    QString m_pendingFilePath; // a page being opened while its picture is read
    QStringList m_pendingReport;
    bool m_nameChanged = false;
};
