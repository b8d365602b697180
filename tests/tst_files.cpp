#include "support/EditorScript.h"
#include "support/ModalWindows.h"
#include "support/PictureCorpus.h"
#include "support/ScriptedFileDialogs.h"
#include "support/WindowWaits.h"
#include "window/MapFiles.h"

#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// A box, a circle and a triangle with texts a page must escape, the box selected and then
// nudged: a change to save.
void drawSomething(MainWindow& window)
{
    window.editor().apply([](Editing& e) {
        Area box = Area::rectangle({ 10.5f, 20, 100, 50 });
        box.setAttribute(QLatin1String("href"), "a.html?x=1&y=\"2\"");
        box.setAttribute(QLatin1String("alt"), "<b>Bold</b> 🗺️ שלום");
        selectArea(e, e.map.append(box));
        e.map.append(Area::circle({ 200, 100, 40, 40 }));
        e.map.append(Area::polygon({ { -32768, 32767 }, { 60, 5 }, { 30, 50 }, { -32768, 32767 } }));
    });
    window.editor().setMapName("the \"map\"");
    window.editor().nudgeSelected(1, 0);
}

} // namespace

// Saving the map as a page and opening maps from pages through the main window, and the
// question before anything would lose unsaved work.
class FilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& bytes = {})
    {
        return name.endsWith(".png") ? writePicture(m_dir.filePath(name), { 320, 240 })
                                     : WriteFile(m_dir.filePath(name), bytes);
    }

private slots:
    // A failed save says why and leaves the map unsaved; a saved page names the picture and
    // the title; opening it again gives the map as saved, with a new history.
    void saveThenOpen()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        QVERIFY(openPictureAndWait(window, file("shown.png")));
        drawSomething(window);
        const QString saved = describe(window.editor());
        const QString nowhere = m_dir.filePath("gone/page.html");
        dialogs.queued = { nowhere };
        {
            ModalAnswer failure;
            window.controls().saveButton->click();
            QCOMPARE(failure.texts,
                QStringList("Korvel could not save “" + nowhere + "”: the folder “" + m_dir.filePath("gone")
                    + "” does not exist."));
        }
        QVERIFY(window.files().isModified());
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvel v" KORVEL_VERSION));

        const QString page = m_dir.filePath("page.html");
        dialogs.queued = { page };
        window.controls().saveButton->click();
        QCOMPARE(dialogs.asked.last(), "save page: " + m_dir.filePath("shown.html")); // beside its picture
        QCOMPARE(window.windowTitle(), QStringLiteral("page.html[*] — Korvel v" KORVEL_VERSION));
        QVERIFY(!window.isWindowModified());
        window.editor().deleteSelected();
        QVERIFY(window.isWindowModified());

        ModalAnswer discard({ QMessageBox::Discard });
        dialogs.queued = { page };
        window.controls().openButton->click();
        QVERIFY(waitForPicture(window));
        QCOMPARE(discard.texts.size(), 1);
        QCOMPARE(dialogs.asked.last(), "open page: " + page);
        QCOMPARE(describe(window.editor()), QString(saved).remove('*'));
        QCOMPARE(window.editor().map().name(), QStringLiteral("the \"map\""));
        QCOMPARE(window.picturePath(), m_dir.filePath("shown.png"));
        QVERIFY(!window.isWindowModified() && !window.editor().undoStack().canUndo());
        QCOMPARE(window.files().filePath(), page);
    }

    // Which map of several; its picture, when it is not where the page says; and the areas
    // that open but cannot be edited.
    void openingAPageAsks()
    {
        const QString page = file("moved.html",
            "<IMG SRC=gone.jpg USEMAP=#one><MAP NAME=one><AREA SHAPE=circle COORDS='50, 60, 20' HREF=x.html>"
            "<area shape=default href=rest.html></MAP><map name=two><area coords=1,2,3,4></map>");
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        dialogs.queued = { page, file("found.png") };
        ModalAnswer answers({ QMessageBox::NoButton, QMessageBox::Open, QMessageBox::Ok });
        window.files().open();
        QVERIFY(waitForPicture(window));
        QTRY_COMPARE(answers.texts.size(), 3);
        QCOMPARE(answers.texts.mid(0, 2),
            QStringList({ "Open an Imagemap",
                "Its picture “" + m_dir.filePath("gone.jpg") + "” was not found. Choose the picture?" }));
        QCOMPARE(answers.texts[2],
            "These areas are kept as they are and written back unchanged, but cannot be edited here:\n\narea 2 (href "
            "“rest.html”): its shape “default” covers the whole picture, which no Korvel area can.");
        QCOMPARE(
            describe(window.editor()), QStringLiteral("B1 circle 30,40 40x40 [x.html|] | kept [rest.html|] | arrow"));
        QCOMPARE(window.picturePath(), m_dir.filePath("found.png"));
        QCOMPARE(window.files().filePath(), page);
    }

    // Save, Discard or Cancel before New Imagemap, Open or closing throws away a change.
    void askBeforeDiscarding_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer"); // NoButton: nothing changed, so there is no question
        for (const char* action : { "close", "new", "open" }) {
            QTest::addRow("%s, nothing changed", action) << QString(action) << int(QMessageBox::NoButton);
            QTest::addRow("%s, Save", action) << QString(action) << int(QMessageBox::Save);
            QTest::addRow("%s, Discard", action) << QString(action) << int(QMessageBox::Discard);
            QTest::addRow("%s, Cancel", action) << QString(action) << int(QMessageBox::Cancel);
        }
    }
    void askBeforeDiscarding()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        const bool goesOn = answer != QMessageBox::Cancel;
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        window.show();
        QVERIFY(openPictureAndWait(window, file("photo.png")));
        if (answer != QMessageBox::NoButton)
            drawSomething(window);
        const QString page = m_dir.filePath(QString("saved %1.html").arg(QTest::currentDataTag()));
        if (answer == QMessageBox::Save)
            dialogs.queued = { page }; // Save As
        file("other.png");
        dialogs.answer = action == "open" ? file("other.html", "<img src=other.png usemap=#m><map name=m>")
                                          : m_dir.filePath("other.png");
        ModalAnswer answers({ QMessageBox::StandardButton(answer) });
        if (action == "close")
            QCOMPARE(window.close(), goesOn);
        else if (action == "new")
            window.controls().newButton->click();
        else
            window.controls().openButton->click();
        if (action != "close") {
            QCOMPARE(waitForPicture(window), goesOn);
            QCOMPARE(window.editor().map().count(), goesOn ? 0 : 3);
        }
        QCOMPARE(answers.texts,
            answer == QMessageBox::NoButton
                ? QStringList()
                : QStringList("The imagemap has changes that have not been saved or generated."));
        QCOMPARE(QFile::exists(page), answer == QMessageBox::Save);
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
