#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MapFileActions.h"
#include "output/HtmlGenerator.h"
#include "support/DocumentBuilders.h"
#include "support/ModalAnswer.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

// Saving and opening maps through the main window, and the question before losing work.
class MapFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveThenOpenGivesTheSameMap();
    void askBeforeDiscarding_data();
    void askBeforeDiscarding();
    void aMissingPictureIsAskedFor();
    void aFailedSaveKeepsTheMapUnsaved();
    void theSavedPageShowsThePictureOnScreen();

private:
    QString Picture(const QString& name);
    void DrawSomething(MainForm& form);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void MapFilesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString MapFilesTest::Picture(const QString& name)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = m_dir->filePath(name);
    image.save(path);
    return path;
}

// A map with every kind of area and texts that need escaping in a web page.
void MapFilesTest::DrawSomething(MainForm& form)
{
    form.Session().Apply([](Editor& e) {
        AddTestBox(e.map, 10.5f, 20, 100, 50, kRectangleShape, "a.html?x=1&y=\"2\"", "<b>Bold</b> 🗺️");
        AddTestBox(e.map, 200, 100, 41, 30, kCircleShape, "שלום", "e\u0301");
        AddTestPolygon(e.map, { { -32768, 32767 }, { 60, 5 }, { 30, 50 } }, true, "p.html", "");
        AddTestPolygon(e.map, { { 1, 2 }, { 3, 4 } }, false);
    });
    form.Controls().MapNameText->setText("the \"map\"");
    form.UndoStack().push(new QUndoCommand); // as any edit does: the map has changed
}

void MapFilesTest::saveThenOpenGivesTheSameMap()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    QVERIFY(OpenPictureAndWait(form, Picture("photo.png")));
    DrawSomething(form);
    const QString before = GenerateImagemapHtml(form.editor().map, form.Controls().MapNameText->text());
    const QString page = m_dir->filePath("page.html");
    dialogs.ChooseFile(page);
    QVERIFY(form.Files().Save()); // no file yet: Save As
    QCOMPARE(form.Files().FilePath(), page);
    QCOMPARE(form.windowTitle(), QStringLiteral("page.html[*] — Korvel v1.0"));
    QVERIFY(!form.isWindowModified());

    form.Session().KeyDown(46, 0); // nothing selected: no change
    QVERIFY(!form.isWindowModified());
    form.Session().Apply([](Editor& e) { SelectTestBox(e, 1); });
    form.Session().KeyDown(46, 0); // Delete
    QVERIFY(form.isWindowModified());

    ModalAnswer discard({ QMessageBox::Discard });
    dialogs.ChooseFile(page);
    form.Files().Open();
    QVERIFY(WaitForPicture(form));
    QVERIFY(discard.seen);
    QCOMPARE(GenerateImagemapHtml(form.editor().map, form.Controls().MapNameText->text()), before);
    QVERIFY(!form.isWindowModified());
    QCOMPARE(form.UndoStack().count(), 0);
}

void MapFilesTest::askBeforeDiscarding_data()
{
    QTest::addColumn<QString>("action"); // close, new, open
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    for (const char* action : { "close", "new", "open" }) {
        const QByteArray a(action);
        const QString name = QString::fromLatin1(a);
        QTest::newRow(a + ": nothing changed, no question") << name << false << 0 << true << false;
        QTest::newRow(a + ": Save") << name << true << int(QMessageBox::Save) << true << true;
        QTest::newRow(a + ": Discard") << name << true << int(QMessageBox::Discard) << true << false;
        QTest::newRow(a + ": Cancel") << name << true << int(QMessageBox::Cancel) << false << false;
    }
}

void MapFilesTest::askBeforeDiscarding()
{
    QFETCH(QString, action);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    form.show();
    QVERIFY(OpenPictureAndWait(form, Picture("photo.png")));
    const QString page = m_dir->filePath("saved.html");
    if (changed)
        DrawSomething(form);
    if (answer == QMessageBox::Save)
        dialogs.queued = { ScriptedFileDialog::Chosen(page) }; // Save As
    const QString other = Picture("other.png");
    dialogs.ChooseFile(action == "open" ? page : other);
    if (action == "open" && !QFile::exists(page)) { // something to open
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<img src=\"other.png\" usemap=\"#m\"><map name=\"m\"><area coords=\"1,2,3,4\"></map>");
    }
    ModalAnswer answers({ QMessageBox::StandardButton(answer) });
    if (action == "close") {
        QCOMPARE(form.close(), goesOn);
    } else {
        action == "new" ? form.newButton_Click() : form.Files().Open();
        QCOMPARE(WaitForPicture(form), goesOn);
    }
    QCOMPARE(answers.seen, changed);
    QCOMPARE(QFileInfo(page).size() > 200, saved); // what was drawn, written out
}

void MapFilesTest::aMissingPictureIsAskedFor()
{
    const QString page = m_dir->filePath("moved.html");
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<IMG SRC=gone.jpg USEMAP=#one><MAP NAME=one><AREA SHAPE=circle COORDS='50, 60, 20' HREF=x.html></MAP>"
               "<map name=two><area shape=default></map>");
    file.close();
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    dialogs.queued = { ScriptedFileDialog::Chosen(page), ScriptedFileDialog::Chosen(Picture("found.png")) };
    // Which map (the first), then: choose the picture? Open. Then what was left out.
    ModalAnswer answers({ QMessageBox::NoButton, QMessageBox::Open, QMessageBox::Ok });
    form.Files().Open();
    QVERIFY(WaitForPicture(form));
    QCOMPARE(form.editor().map.boxCount, int16_t(1));
    QCOMPARE(form.editor().map.box(1).url, QStringLiteral("x.html"));
    QCOMPARE(form.Controls().MapNameText->text(), QStringLiteral("one"));
    QVERIFY2(answers.texts.value(1).contains("gone.jpg"), qPrintable(answers.texts.join('\n')));
    QCOMPARE(form.Files().FilePath(), page);
}

void MapFilesTest::aFailedSaveKeepsTheMapUnsaved()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    QVERIFY(OpenPictureAndWait(form, Picture("photo.png")));
    DrawSomething(form);
    dialogs.ChooseFile(m_dir->filePath("no such folder/page.html"));
    ModalAnswer answer;
    QVERIFY(!form.Files().Save());
    QVERIFY2(answer.text.contains("page.html"), qPrintable(answer.text));
    QVERIFY(form.Files().IsModified());
    QCOMPARE(form.Files().FilePath(), QString());
}

void MapFilesTest::theSavedPageShowsThePictureOnScreen()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    QVERIFY(OpenPictureAndWait(form, Picture("shown.png")));
    QFile notAPicture(m_dir->filePath("notes.jpg"));
    QVERIFY(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("shopping list");
    notAPicture.close();
    dialogs.ChooseFile(notAPicture.fileName());
    ModalAnswer refusal;
    form.newButton_Click(); // refused: the picture shown stays
    QVERIFY(!WaitForPicture(form));
    const QString page = m_dir->filePath("page.html");
    dialogs.ChooseFile(page);
    QVERIFY(form.Files().Save());
    QFile saved(page);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("src=\"shown.png\""));
}

QTEST_MAIN(MapFilesTest)
#include "tst_map_files.moc"
