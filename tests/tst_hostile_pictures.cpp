#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"
#include "support/DocumentBuilders.h"
#include "support/ModalAnswer.h"
#include "support/PictureCorpus.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(CorpusPicture)

namespace {

// The file dialog, answering with a file that is then deleted before Korvel reads it.
struct RemovingDialog : ScriptedFileDialog {
    FileDialogResult Run(const FileDialogRequest& request) override
    {
        const FileDialogResult result = ScriptedFileDialog::Run(request);
        if (removeChoice)
            QFile::remove(result.chosenPath);
        return result;
    }
    bool removeChoice = false;
};

} // namespace

// Every picture of the hostile corpus, chosen with New Imagemap over a map in progress: it
// opens at the size a browser shows, or it is refused with one message that names the file
// and the reason while the map stays exactly as it was. None crashes or hangs.
class HostilePicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AllowLargePictures(); }

    void opensOrRefusesClearly_data()
    {
        QTest::addColumn<CorpusPicture>("picture");
        for (const CorpusPicture& picture : HostileCorpus())
            QTest::newRow(qPrintable(picture.name)) << picture;
    }

    void opensOrRefusesClearly()
    {
        QFETCH(CorpusPicture, picture);
        using Kind = CorpusPicture::Kind;
        if (picture.kind == Kind::Unreadable && geteuid() == 0)
            QSKIP("running as root, which reads every file whatever its permissions");
        const QString path = m_dir.filePath(picture.fileName);
        if (picture.kind == Kind::Folder)
            QVERIFY(QDir(m_dir.path()).mkdir(picture.fileName));
        else
            WriteFile(path, picture.bytes);
        if (picture.kind == Kind::Unreadable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

        RemovingDialog dialogs;
        MainForm form(&dialogs);
        QVERIFY(OpenPictureAndWait(form, WriteFile(m_dir.filePath("earlier.png"), Encoded(Noise(30, 20), "png"))));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 2, 3, 10, 8, kRectangleShape, "box.html", "a box");
            AddTestPolygon(e.map, { { 1, 1 }, { 20, 2 }, { 9, 15 } }, true, "poly.html");
            SelectTestPolygon(e, 1);
        });
        const Editor before = form.editor();
        dialogs.ChooseFile(path);
        dialogs.removeChoice = picture.kind == Kind::RemovedAfterChoice;

        ModalAnswer answer;
        form.newButton_Click();
        const bool opened = WaitForPicture(form); // gives up, and so fails, after half a minute
        QVERIFY(!form.IsReadingPicture());
        QCOMPARE(answer.seen, !opened);
        if (picture.shownSize.isValid()) {
            QVERIFY2(opened, qPrintable(answer.text));
            QCOMPARE(form.Controls().InnerPict->size(), picture.shownSize);
            QCOMPARE(form.editor().map.boxCount + form.editor().map.polyCount, 0);
            QCOMPARE(form.Controls().NoticePanel->text().isEmpty(), !picture.partial);
            return;
        }
        QVERIFY2(answer.text.contains("“" + picture.fileName + "”" + picture.reason), qPrintable(answer.text));
        Editor after = form.editor();
        after.state.imagePath = before.state.imagePath; // the dialog's memory of the last choice
        QVERIFY(after == before);
        QCOMPARE(form.Controls().InnerPict->size(), QSize(30, 20));
    }
};

QTEST_MAIN(HostilePicturesTest)
#include "tst_hostile_pictures.moc"
