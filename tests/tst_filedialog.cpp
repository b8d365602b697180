#include "filechooser/LastUsedFolders.h"
#include "filechooser/QtFileDialogPlatform.h"
#include "filedialog/FileTypes.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/MainForm.h"
#include "support/PictureCorpus.h"
#include "support/ScriptedFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kNul(1, QChar(0));
const QString kOldPath = QStringLiteral("/pictures/old.gif");
const QString kNewPath = QStringLiteral("/pictures/new/Photo.JPG");

// The files of the dialog's folder that its current name filter lets the user pick, sorted.
QStringList ShownFiles(QFileDialog* dialog)
{
    QStringList names;
    auto* model = dialog->findChild<QFileSystemModel*>();
    const QModelIndex folder = model ? model->index(dialog->directory().path()) : QModelIndex();
    for (int row = 0; model && row < model->rowCount(folder); ++row) {
        if (model->index(row, 0, folder).flags() & Qt::ItemIsEnabled)
            names << model->index(row, 0, folder).data().toString();
    }
    names.sort();
    return names;
}

} // namespace

Q_DECLARE_METATYPE(FileDialogKind)

class FileDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The flags the dialog is given as Korvel uses it (every property left as it is), and the path
    // and name handed back.
    void asksAndHandsBack_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<uint>("asked");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("open, chosen") << FileDialogKind::Open << 0x1004u << true;
        QTest::newRow("open, cancelled") << FileDialogKind::Open << 0x1004u << false;
        QTest::newRow("save, chosen") << FileDialogKind::Save << 0x6u << true;
        QTest::newRow("save, cancelled") << FileDialogKind::Save << 0x6u << false;
    }

    void asksAndHandsBack()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(bool, chosen);
        ScriptedFileDialog platform;
        cFileDlg dialog(platform);
        if (chosen)
            platform.answer = { true, kNewPath, 5, 0x1005 };
        QString path = kOldPath;
        QString title = QStringLiteral("old.gif");
        const bool save = kind == FileDialogKind::Save;
        QCOMPARE(save ? dialog.VBGetSaveFileName(path, title) : dialog.VBGetOpenFileName(path, title), chosen);
        const FileDialogRequest& request = platform.requests.at(0);
        QCOMPARE(request.kind, kind);
        QCOMPARE(request.initialDirectory, SpecialFolderPath(SpecialDirectory::Personal));
        QTEST(uint(request.flags), "asked");
        QCOMPARE(path, chosen ? kNewPath : kNul);
        QCOMPARE(title, chosen ? QStringLiteral("Photo.JPG") : kNul);
    }

    // Pictures and pages each have their folder, where the last file of that kind was chosen,
    // opened or saved, also in the next run of Korvel. Without one, a dialog starts in the
    // documents folder.
    void startsInTheFolderLastUsed_data()
    {
        QTest::addColumn<QString>("firstFilter");
        QTest::addColumn<bool>("firstSaves");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("folderRemoved");
        QTest::addColumn<QString>("nextFilter");
        QTest::addColumn<bool>("startsThere");
        const QString pictures = PictureFileFilter();
        const QString pages = MapPageFileFilter();
        QTest::newRow("picture, then picture") << pictures << false << true << false << pictures << true;
        QTest::newRow("page saved, then opened") << pages << true << true << false << pages << true;
        QTest::newRow("picture, then page") << pictures << false << true << false << pages << false;
        QTest::newRow("cancelled") << pictures << false << false << false << pictures << false;
        QTest::newRow("folder gone since") << pages << false << true << true << pages << false;
    }

    void startsInTheFolderLastUsed()
    {
        QFETCH(QString, firstFilter);
        QFETCH(bool, firstSaves);
        QFETCH(bool, chosen);
        QFETCH(bool, folderRemoved);
        QFETCH(QString, nextFilter);
        QFETCH(bool, startsThere);
        QTemporaryDir temporary;
        const QString used = temporary.filePath(QStringLiteral("used"));
        QVERIFY(QDir().mkpath(used));
        // One run of Korvel with one dialog; its settings go to a file of the test's own.
        const auto runDialog = [&temporary](const QString& filter, bool saves, const FileDialogResult& answer) {
            QSettings settings(temporary.filePath(QStringLiteral("korvel.conf")), QSettings::IniFormat);
            ScriptedFileDialog screen;
            screen.answer = answer;
            LastUsedFolders dialogs(screen, settings);
            cFileDlg dialog(dialogs);
            dialog.Filter = filter;
            QString path;
            saves ? dialog.VBGetSaveFileName(path) : dialog.VBGetOpenFileName(path);
            return screen.requests.at(0).initialDirectory;
        };
        const FileDialogResult firstAnswer
            = chosen ? ScriptedFileDialog::Chosen(used + "/map.html") : FileDialogResult();
        runDialog(firstFilter, firstSaves, firstAnswer);
        if (folderRemoved)
            QVERIFY(QDir(used).removeRecursively());
        const QString documents = SpecialFolderPath(SpecialDirectory::Personal);
        QCOMPARE(runDialog(nextFilter, false, FileDialogResult()), startsThere ? used : documents);
    }

    // New Imagemap's dialog as Qt shows it: each type lets the user pick its files whatever the case
    // of their extensions, "Show all files" even those without one; the choice comes back with the
    // type then in use.
    void qtDialogShowsRequestAndReturnsChoice()
    {
        QTemporaryDir folder;
        const QStringList pictures { "PHOTO.JPG", "Scan.BMP", "b.gif", "icon.png", "old.JPE", "photo.jpeg", "pic.WEBP",
            "shot.Jpeg" };
        QStringList everything = pictures + QStringList { "README", "notes.txt" };
        everything.sort();
        for (const QString& name : everything)
            WriteFile(folder.filePath(name), {});
        ScriptedFileDialog asked;
        MainForm form(&asked);
        form.newButton_Click();
        FileDialogRequest request = asked.requests.at(0);
        request.filterIndex = 3;
        request.fileName = folder.filePath(QStringLiteral("x")); // its folder wins over the initial one
        request.initialDirectory = QDir::rootPath();
        const auto examine = [&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Open an Image File"));
            QCOMPARE(dialog->directory().canonicalPath(), QDir(folder.path()).canonicalPath());
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog->parentWidget(), &form);
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            QTRY_COMPARE(ShownFiles(dialog), QStringList { "b.gif" });
            dialog->selectNameFilter(dialog->nameFilters().first());
            QTRY_COMPARE(ShownFiles(dialog), pictures);
            dialog->selectNameFilter(dialog->nameFilters().last());
            QTRY_COMPARE(ShownFiles(dialog), everything);
            dialog->selectNameFilter(dialog->nameFilters().at(1));
            QTRY_COMPARE(ShownFiles(dialog), QStringList({ "PHOTO.JPG", "old.JPE", "photo.jpeg", "shot.Jpeg" }));
            // selectFile() leaves the name box alone while it has the focus; type as a user would.
            auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameBox);
            nameBox->setText(QStringLiteral("PHOTO.JPG"));
            static_cast<QDialog*>(dialog)->accept();
        };
        QTimer::singleShot(0, [&examine] { // from inside the dialog's event loop
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            examine(dialog);
            if (dialog->isVisible()) // a check failed
                dialog->reject();
        });
        const FileDialogResult result = QtFileDialogPlatform().Run(request);
        QVERIFY(result.accepted);
        QCOMPARE(QFileInfo(result.chosenPath), QFileInfo(folder.filePath(QStringLiteral("PHOTO.JPG"))));
        QCOMPARE(result.filterIndex, 2);
        QCOMPARE(result.flags, request.flags);
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_filedialog.moc"
