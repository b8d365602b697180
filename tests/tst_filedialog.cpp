#include "filechooser/QtFileDialogPlatform.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/MainForm.h"
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

// A dialog over a platform that answers as scripted.
struct Harness {
    bool Call(FileDialogKind kind, QString& filename, QString& title)
    {
        if (kind == FileDialogKind::Save)
            return dialog.VBGetSaveFileName(filename, title);
        if (kind == FileDialogKind::OpenWithPreview)
            return dialog.VBGetOpenFileNamePreview(filename, title);
        return dialog.VBGetOpenFileName(filename, title);
    }

    ScriptedFileDialog platform;
    cFileDlg dialog { platform };
};

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

// The files of the dialog's folder that its current name filter lets the user pick.
QStringList ShownFiles(QFileDialog* dialog)
{
    QStringList names;
    auto* model = dialog->findChild<QFileSystemModel*>();
    const QModelIndex folder = model ? model->index(dialog->directory().path()) : QModelIndex();
    for (int row = 0; model && row < model->rowCount(folder); ++row) {
        if (model->index(row, 0, folder).flags() & Qt::ItemIsEnabled)
            names << model->index(row, 0, folder).data().toString();
    }
    return names;
}

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

} // namespace

Q_DECLARE_METATYPE(FileDialogKind)

class FileDialogTest : public QObject {
    Q_OBJECT
private slots:
    void filterConversion_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("colon splits") << "Text:*.txt|Web:*.htm;*.html"
                                      << QStringList({ "Text", "*.txt", "Web", "*.htm;*.html" });
        QTest::newRow("no pattern") << "JPEG files|*.jpg|GIF files" << QStringList({ "JPEG files", "*.jpg" });
        QTest::newRow("empty text ends the list") << "A|*.a||B|*.b" << QStringList({ "A", "*.a" });
    }
    void filterConversion()
    {
        QFETCH(QString, filter);
        const QString converted = NulSeparatedFilter(filter);
        QVERIFY(converted.endsWith(kNul + kNul));
        QCOMPARE(converted.count(QChar(0)), filter.count(QLatin1Char('|')) + filter.count(QLatin1Char(':')) + 2);
        QStringList texts; // alternating descriptions and patterns
        for (const FileDialogFilter& entry : FilterEntries(converted))
            texts << entry.description << entry.pattern;
        QTEST(texts, "entries");
    }

    // properties: m FileMustExist, s MultiSelect, h HideReadOnly, o OverwritePrompt; the rest are off.
    void dialogFlags_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("properties");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<uint>("expected");
        QTest::newRow("open, several") << FileDialogKind::Open << "ms" << 0x0u << 0x1200u;
        QTest::newRow("preview, hook cleared") << FileDialogKind::OpenWithPreview << "s" << 0x8060u << 0x8200u;
        QTest::newRow("save, defaults") << FileDialogKind::Save << "mhos" << 0x0u << 0x6u;
        QTest::newRow("save, own flags") << FileDialogKind::Save << "" << 0xffffu << 0xff9fu;
    }
    void dialogFlags()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, properties);
        Harness h;
        h.dialog.FileMustExist = properties.contains(QLatin1Char('m'));
        h.dialog.MultiSelect = properties.contains(QLatin1Char('s'));
        h.dialog.HideReadOnly = properties.contains(QLatin1Char('h'));
        h.dialog.OverwritePrompt = properties.contains(QLatin1Char('o'));
        QFETCH(uint, flags);
        h.dialog.Flags = flags;
        QString name, title;
        h.Call(kind, name, title);
        QTEST(uint(h.platform.requests.at(0).flags), "expected");
    }

    // What the dialog is asked, and what it stores back when it returns.
    void roundTrip_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<int>("chosenIndex"); // -1: cancelled
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QString>("filter");
        QTest::newRow("chose last") << FileDialogKind::Open << 5 << 5
                                    << QStringLiteral("Show all files") + kNul + QStringLiteral("*.*");
        QTest::newRow("chose none") << FileDialogKind::OpenWithPreview << 0 << 0 << QString();
        QTest::newRow("chose past end") << FileDialogKind::Open << 6 << 6 << QString();
        QTest::newRow("cancelled open") << FileDialogKind::Open << -1 << -1 << kNul;
        QTest::newRow("cancelled preview") << FileDialogKind::OpenWithPreview << -1 << -1 << kNul;
        QTest::newRow("cancelled save") << FileDialogKind::Save << -1 << 0 << kNul;
    }
    void roundTrip()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(int, chosenIndex);
        const bool chosen = chosenIndex >= 0;
        const QString personal = SpecialFolderPath(SpecialDirectory::Personal);
        Harness h;
        QWidget owner;
        h.dialog.OwnerHwnd = &owner;
        h.dialog.Filter = kImageFilter;
        h.dialog.FilterIndex = 2;
        h.dialog.DlgTitle = QStringLiteral("Open an Image File");
        h.dialog.Flags = 0x8000;
        if (chosen)
            h.platform.answer = { true, kNewPath, chosenIndex, 0x1005 };
        QString path = kOldPath;
        QString title = QStringLiteral("old.gif");
        QCOMPARE(h.Call(kind, path, title), chosen);
        const FileDialogRequest& request = h.platform.requests.at(0);
        QCOMPARE(request.kind, kind);
        QCOMPARE(request.owner, &owner);
        QVERIFY(request.filters == FilterEntries(NulSeparatedFilter(kImageFilter)));
        QCOMPARE(request.filterIndex, 2);
        QCOMPARE(request.title, QStringLiteral("Open an Image File"));
        QCOMPARE(request.fileName, kOldPath);
        QCOMPARE(request.initialDirectory, personal);
        QCOMPARE(path, chosen ? kNewPath : kNul);
        QCOMPARE(title, chosen ? QStringLiteral("Photo.JPG") : kNul);
        QTEST(h.dialog.FilterIndex, "filterIndex");
        QTEST(h.dialog.Filter, "filter");
        QCOMPARE(h.dialog.Flags, chosen ? 0x1005u : 0u);
        QCOMPARE(h.dialog.ReadOnly(), chosen);
        QCOMPARE(h.dialog.InitDirectory, chosen ? kNewPath + QString(1024 - kNewPath.size(), QChar(0)) : personal);
        // The next dialog reads the padded path up to its first NUL, keeps read-only ticked and
        // after a cancel starts without a file name, with the default flags.
        h.dialog.Flags = 0;
        h.dialog.VBGetOpenFileName(path, title);
        const FileDialogRequest& next = h.platform.requests.at(1);
        QCOMPARE(next.fileName, chosen ? kNewPath : QString());
        QCOMPARE(next.initialDirectory, chosen ? kNewPath : personal);
        QCOMPARE(next.flags, chosen ? 0x1005u : 0x1004u);
    }

    // Paths are in a folder holding only photo.jpg.
    void pathHelpers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << QStringLiteral("%1/photo.jpg") << "photo.jpg" << true;
        QTest::newRow("missing file") << QStringLiteral("%1/missing.jpg") << "missing.jpg" << false;
        QTest::newRow("folder") << QStringLiteral("%1/.") << QString() << false;
        QTest::newRow("folder with slash") << QStringLiteral("%1/") << QString() << false;
        QTest::newRow("bare name") << QStringLiteral("map.gif") << "map.gif" << false;
        QTest::newRow("up to a NUL") << QStringLiteral("%1/photo.jpg") + kNul + QStringLiteral("rest") << "photo.jpg"
                                     << false;
        QTest::newRow("empty") << QString() << QString() << false;
    }
    void pathHelpers()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath(QStringLiteral("photo.jpg"))).open(QIODevice::WriteOnly));
        QFETCH(QString, path);
        path.replace(QLatin1String("%1"), folder.path());
        QTEST(cFileDlg::VBGetFileTitle(path), "title");
        if (!path.contains(QChar(0))) // which Qt would warn about
            QTEST(cFileDlg::ExistFile(path), "exists");
    }

    // Also checks that Qt matches name filters regardless of case, as users expect.
    void qtDialogShowsRequestAndReturnsChoice()
    {
        QTemporaryDir folder;
        for (const char* name : { "PHOTO.JPG", "b.gif", "notes.txt" })
            QVERIFY(QFile(folder.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
        QWidget mainWindow;
        // The file name's folder wins over the initial one.
        const FileDialogRequest request { FileDialogKind::Open, new QWidget(&mainWindow),
            FilterEntries(NulSeparatedFilter(kImageFilter)), 3, folder.filePath(QStringLiteral("a.gif")),
            QStringLiteral("Open an Image File"), QDir::rootPath(), 0x1004, QString() };
        const FileDialogResult result = RunInspected(request, [&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), request.title);
            QCOMPARE(dialog->nameFilters(),
                QStringList({ "All formats (*.jpg *.gif *.bmp)", "JPEG files (*.jpg)", "GIF files (*.gif)",
                    "Bitmap files (*.bmp)", "Show all files (*)" }));
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("GIF files (*.gif)"));
            QCOMPARE(dialog->directory().canonicalPath(), QDir(folder.path()).canonicalPath());
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog->parentWidget(), &mainWindow);
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            QTRY_COMPARE(ShownFiles(dialog), QStringList({ "b.gif" }));
            dialog->selectNameFilter(dialog->nameFilters().at(1));
            QTRY_COMPARE(ShownFiles(dialog), QStringList({ "PHOTO.JPG" }));
            // selectFile() leaves the name box alone while it has the focus; type as a user would.
            auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameBox);
            nameBox->setText(QStringLiteral("PHOTO.JPG"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QVERIFY(result.accepted);
        QCOMPARE(QFileInfo(result.chosenPath), QFileInfo(folder.filePath(QStringLiteral("PHOTO.JPG"))));
        QCOMPARE(result.filterIndex, 2);
        QCOMPARE(result.flags, 0x1004u);
    }

    // New Imagemap's own type list, as Qt's dialog shows it: every entry lets the user pick
    // the pictures it names, whatever the case of their extension.
    void newImagemapListsEveryPicture_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown");
        const QStringList jpegs { "PHOTO.JPG", "old.JPE", "shot.Jpeg" };
        const QStringList pictures
            = QStringList { "Scan.BMP", "b.gif", "icon.png" } + jpegs + QStringList { "photo.jpeg", "pic.WEBP" };
        QTest::newRow("all formats") << 1 << "All formats" << pictures;
        QTest::newRow("JPEG") << 2 << "JPEG files" << (jpegs + QStringList { "photo.jpeg" });
        QTest::newRow("GIF") << 3 << "GIF files" << QStringList { "b.gif" };
        QTest::newRow("bitmap") << 4 << "Bitmap files" << QStringList { "Scan.BMP" };
        QTest::newRow("all files") << 5 << "Show all files"
                                   << (QStringList { "README", "Scan.BMP", "b.gif", "icon.png", "notes.txt" } + jpegs
                                          + QStringList { "photo.jpeg", "pic.WEBP" });
    }
    void newImagemapListsEveryPicture()
    {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QStringList, shown);
        shown.sort();
        QTemporaryDir folder;
        for (const char* file : { "PHOTO.JPG", "shot.Jpeg", "photo.jpeg", "old.JPE", "b.gif", "Scan.BMP", "icon.png",
                 "pic.WEBP", "notes.txt", "README" })
            QVERIFY(QFile(folder.filePath(QLatin1String(file))).open(QIODevice::WriteOnly));
        ScriptedFileDialog asked;
        MainForm form(&asked);
        form.newButton_Click();
        FileDialogRequest request = asked.requests.at(0);
        QCOMPARE(request.filters.size(), 5);
        request.filterIndex = entry;
        request.fileName = folder.filePath(QStringLiteral("x"));
        request.owner = nullptr;
        RunInspected(request, [&](QFileDialog* dialog) {
            QVERIFY(dialog->selectedNameFilter().startsWith(name + " ("));
            QTRY_COMPARE(Sorted(ShownFiles(dialog)), shown);
        });
    }
};

QTEST_MAIN(FileDialogTest)
#include "tst_filedialog.moc"
