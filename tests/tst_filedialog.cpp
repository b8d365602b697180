#include "filechooser/QtFileDialogPlatform.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/MainForm.h"
#include "support/PictureCorpus.h"
#include "support/ScriptedFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kImageFilter = QStringLiteral(
    "All formats|*.jpg;*.gif;*.bmp|JPEG files|*.jpg|GIF files|*.gif|Bitmap files|*.bmp|Show all files|*.*");
const QString kNul(1, QChar(0));
const QString kOldPath = QStringLiteral("/pictures/old.gif");
const QString kNewPath = QStringLiteral("/pictures/new/Photo.JPG");

// Runs the Qt dialog while inspect works on it from inside its event loop.
FileDialogResult RunInspected(const FileDialogRequest& request, const std::function<void(QFileDialog*)>& inspect)
{
    QTimer::singleShot(0, [&inspect] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        inspect(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    return QtFileDialogPlatform().Run(request);
}

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
    // What the dialog is asked, and the path and type it hands back. Properties: m FileMustExist,
    // s MultiSelect, h HideReadOnly, o OverwritePrompt; the rest are off.
    void asksAndHandsBack_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("properties");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<uint>("asked"); // the flags the dialog is given
        QTest::addColumn<int>("chosenIndex"); // the type chosen in the dialog; -1: cancelled
        QTest::addColumn<int>("filterIndex"); // the type the properties then name: none past either end
        QTest::addColumn<QString>("filter");
        const auto row = [](const char* name, FileDialogKind kind, const char* properties, uint flags, uint asked,
                             int chosenIndex, int filterIndex, const QString& filter) {
            QTest::newRow(name) << kind << QString(properties) << flags << asked << chosenIndex << filterIndex
                                << filter;
        };
        const auto open = FileDialogKind::Open, save = FileDialogKind::Save;
        row("open several, chose the last type", open, "ms", 0, 0x1200, 5, 5, "Show all files" + kNul + "*.*");
        row("preview without hook, chose no type", FileDialogKind::OpenWithPreview, "s", 0x8060, 0x8200, 0, 0, "");
        row("open, chose past the last type", open, "mh", 0, 0x1004, 6, 6, "");
        row("open cancelled", open, "mh", 0x8000, 0x9004, -1, -1, kNul);
        row("save cancelled", save, "mhos", 0, 0x6, -1, 0, kNul);
        row("save with own flags", save, "", 0xffff, 0xff9f, 1, 1, "All formats" + kNul + "*.jpg;*.gif;*.bmp");
    }

    void asksAndHandsBack()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, properties);
        QFETCH(uint, flags);
        QFETCH(int, chosenIndex);
        const bool chosen = chosenIndex >= 0;
        const QString personal = SpecialFolderPath(SpecialDirectory::Personal);
        ScriptedFileDialog platform;
        cFileDlg dialog(platform);
        QWidget owner;
        dialog.OwnerHwnd = &owner;
        dialog.FileMustExist = properties.contains(u'm');
        dialog.MultiSelect = properties.contains(u's');
        dialog.HideReadOnly = properties.contains(u'h');
        dialog.OverwritePrompt = properties.contains(u'o');
        dialog.Flags = flags;
        dialog.Filter = kImageFilter;
        dialog.FilterIndex = 2;
        dialog.DlgTitle = QStringLiteral("Open an Image File");
        if (chosen)
            platform.answer = { true, kNewPath, chosenIndex, 0x1005 };
        QString path = kOldPath;
        QString title = QStringLiteral("old.gif");
        const bool save = kind == FileDialogKind::Save, preview = kind == FileDialogKind::OpenWithPreview;
        QCOMPARE(save     ? dialog.VBGetSaveFileName(path, title)
                : preview ? dialog.VBGetOpenFileNamePreview(path, title)
                          : dialog.VBGetOpenFileName(path, title),
            chosen);
        const FileDialogRequest& request = platform.requests.at(0);
        QCOMPARE(request.kind, kind);
        QCOMPARE(request.owner, &owner);
        QVERIFY(request.filters == FilterEntries(NulSeparatedFilter(kImageFilter)));
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.title, QStringLiteral("Open an Image File"));
        QCOMPARE(request.fileName, kOldPath);
        QCOMPARE(request.initialDirectory, personal);
        QTEST(uint(request.flags), "asked");
        QCOMPARE(path, chosen ? kNewPath : kNul);
        QCOMPARE(title, chosen ? QStringLiteral("Photo.JPG") : kNul);
        QTEST(dialog.FilterIndex, "filterIndex");
        QTEST(dialog.Filter, "filter");
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
        const FileDialogResult result = RunInspected(request, [&](QFileDialog* dialog) {
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
        });
        QVERIFY(result.accepted);
        QCOMPARE(QFileInfo(result.chosenPath), QFileInfo(folder.filePath(QStringLiteral("PHOTO.JPG"))));
        QCOMPARE(result.filterIndex, 2);
        QCOMPARE(result.flags, request.flags);
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_filedialog.moc"
