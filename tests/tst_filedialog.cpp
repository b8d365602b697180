#include "filedialog/QtFileDialogPlatform.h"
#include "filedialog/cFileDlg.h"

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

class FakePlatform : public FileDialogPlatform {
public:
    FileDialogResult Run(const FileDialogRequest& request) override
    {
        requests.append(request);
        return answer;
    }
    QVector<FileDialogRequest> requests;
    FileDialogResult answer;
};

bool Call(cFileDlg& dialog, FileDialogKind kind, QString& filename, QString& title)
{
    if (kind == FileDialogKind::Save)
        return dialog.VBGetSaveFileName(filename, title);
    if (kind == FileDialogKind::OpenWithPreview)
        return dialog.VBGetOpenFileNamePreview(filename, title);
    return dialog.VBGetOpenFileName(filename, title);
}

// Alternating descriptions and patterns read better in a table than structs.
QStringList Flattened(const QVector<FileDialogFilter>& entries)
{
    QStringList texts;
    for (const FileDialogFilter& entry : entries)
        texts << entry.description << entry.pattern;
    return texts;
}

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

void WriteFile(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

Q_DECLARE_METATYPE(FileDialogKind)

class FileDialogTest : public QObject {
    Q_OBJECT
private slots:
    void newImagemapRequest()
    {
        FakePlatform platform;
        QWidget owner;
        cFileDlg dialog(platform);
        dialog.OwnerHwnd = &owner;
        dialog.Filter = kImageFilter;
        dialog.DlgTitle = QStringLiteral("Open an Image File");
        QString imagePath = QStringLiteral("/pictures/old.gif");
        QString title;
        dialog.VBGetOpenFileName(imagePath, title);

        const FileDialogRequest& request = platform.requests.value(0);
        QCOMPARE(request.owner, &owner);
        QCOMPARE(Flattened(request.filters),
            QStringList({ "All formats", "*.jpg;*.gif;*.bmp", "JPEG files", "*.jpg", "GIF files", "*.gif",
                "Bitmap files", "*.bmp", "Show all files", "*.*" }));
        QCOMPARE(request.filterIndex, 0);
        QCOMPARE(request.flags, 0x1004u);
        QCOMPARE(request.title, QStringLiteral("Open an Image File"));
        QCOMPARE(request.fileName, QStringLiteral("/pictures/old.gif"));
        QCOMPARE(request.initialDirectory, SpecialFolderPath(SpecialDirectory::Personal));
    }

    void filterConversion_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("colon splits") << "Text:*.txt|Web:*.htm;*.html"
                                      << QStringList({ "Text", "*.txt", "Web", "*.htm;*.html" });
        QTest::newRow("colon in a description") << "Note: text|*.txt" << QStringList({ "Note", " text" });
        QTest::newRow("no pattern") << "JPEG files|*.jpg|GIF files" << QStringList({ "JPEG files", "*.jpg" });
        QTest::newRow("empty text ends the list") << "A|*.a||B|*.b" << QStringList({ "A", "*.a" });
    }
    void filterConversion()
    {
        QFETCH(QString, filter);
        const QString converted = NulSeparatedFilter(filter);
        QVERIFY(converted.endsWith(kNul + kNul));
        QCOMPARE(converted.count(QChar(0)), filter.count(QLatin1Char('|')) + filter.count(QLatin1Char(':')) + 2);
        QTEST(Flattened(FilterEntries(converted)), "entries");
    }

    // properties: m FileMustExist, s MultiSelect, h HideReadOnly, o OverwritePrompt; the rest are off.
    void dialogFlags_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("properties");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<uint>("expected");
        QTest::newRow("open, defaults") << FileDialogKind::Open << "mho" << 0x0u << 0x1004u;
        QTest::newRow("open, several") << FileDialogKind::Open << "ms" << 0x0u << 0x1200u;
        QTest::newRow("hook, template cleared") << FileDialogKind::Open << "mh" << 0x8060u << 0x9004u;
        QTest::newRow("preview like open") << FileDialogKind::OpenWithPreview << "s" << 0x60u << 0x200u;
        QTest::newRow("save, defaults") << FileDialogKind::Save << "mhos" << 0x0u << 0x6u;
        QTest::newRow("save, own flags") << FileDialogKind::Save << "" << 0xffffu << 0xff9fu;
    }
    void dialogFlags()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, properties);
        FakePlatform platform;
        cFileDlg dialog(platform);
        dialog.FileMustExist = properties.contains(QLatin1Char('m'));
        dialog.MultiSelect = properties.contains(QLatin1Char('s'));
        dialog.HideReadOnly = properties.contains(QLatin1Char('h'));
        dialog.OverwritePrompt = properties.contains(QLatin1Char('o'));
        QFETCH(uint, flags);
        dialog.Flags = flags;
        QString name, title;
        Call(dialog, kind, name, title);
        QCOMPARE(platform.requests.value(0).kind, kind);
        QTEST(uint(platform.requests.value(0).flags), "expected");
    }

    void storedBackAfterChoice_data()
    {
        QTest::addColumn<int>("chosenIndex");
        QTest::addColumn<QString>("filter");
        QTest::newRow("third") << 3 << QStringLiteral("GIF files") + kNul + QStringLiteral("*.gif");
        QTest::newRow("last") << 5 << QStringLiteral("Show all files") + kNul + QStringLiteral("*.*");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("past the end") << 6 << QString();
    }
    void storedBackAfterChoice()
    {
        QFETCH(int, chosenIndex);
        FakePlatform platform;
        platform.answer = { true, QStringLiteral("/pictures/new/Photo.JPG"), chosenIndex, 0x1005 };
        cFileDlg dialog(platform);
        dialog.Filter = kImageFilter;
        QString imagePath = QStringLiteral("/pictures/old.gif");
        QString title;
        QVERIFY(dialog.VBGetOpenFileName(imagePath, title));
        QCOMPARE(imagePath, QStringLiteral("/pictures/new/Photo.JPG"));
        QCOMPARE(title, QStringLiteral("Photo.JPG"));
        QCOMPARE(dialog.FilterIndex, chosenIndex);
        QTEST(dialog.Filter, "filter");
        QCOMPARE(dialog.Flags, 0x1005u);
        QVERIFY(dialog.ReadOnly());
        QCOMPARE(dialog.InitDirectory, imagePath + QString(1024 - imagePath.size(), QChar(0)));
        // The padded path is read up to its first NUL when it starts the next dialog.
        dialog.Flags = 0;
        dialog.VBGetOpenFileName(imagePath, title);
        QCOMPARE(platform.requests.last().initialDirectory, imagePath);
        QCOMPARE(platform.requests.last().flags, 0x1005u);
    }

    void storedBackAfterCancel_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<int>("filterIndex");
        QTest::newRow("open") << FileDialogKind::Open << -1;
        QTest::newRow("open with preview") << FileDialogKind::OpenWithPreview << -1;
        QTest::newRow("save") << FileDialogKind::Save << 0;
    }
    void storedBackAfterCancel()
    {
        QFETCH(FileDialogKind, kind);
        FakePlatform platform;
        cFileDlg dialog(platform);
        dialog.Filter = kImageFilter;
        dialog.FilterIndex = 2;
        dialog.Flags = 0x8000;
        QString imagePath = QStringLiteral("/pictures/old.gif");
        QString title = QStringLiteral("old.gif");
        QVERIFY(!Call(dialog, kind, imagePath, title));
        QCOMPARE(imagePath, kNul);
        QCOMPARE(title, kNul);
        QCOMPARE(dialog.Flags, 0u);
        QTEST(dialog.FilterIndex, "filterIndex");
        QCOMPARE(dialog.Filter, kNul);
        // So the next dialog starts without a file name.
        dialog.VBGetOpenFileName(imagePath, title);
        QCOMPARE(platform.requests.last().fileName, QString());
    }

    void existFile()
    {
        QTemporaryDir folder;
        WriteFile(folder.filePath(QStringLiteral("photo.jpg")));
        QVERIFY(cFileDlg::ExistFile(folder.filePath(QStringLiteral("photo.jpg"))));
        QVERIFY(!cFileDlg::ExistFile(folder.filePath(QStringLiteral("missing.jpg"))));
        QVERIFY(!cFileDlg::ExistFile(folder.path()));
        QVERIFY(!cFileDlg::ExistFile(QString()));
    }

    void fileTitle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("full path") << "/home/ann/Photo.JPG"
                                   << "Photo.JPG";
        QTest::newRow("bare name") << "map.gif"
                                   << "map.gif";
        QTest::newRow("up to a NUL") << QStringLiteral("/a/b.bmp") + kNul + QStringLiteral("rest") << "b.bmp";
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("folder") << "/home/ann/" << QString();
    }
    void fileTitle()
    {
        QFETCH(QString, path);
        QTEST(cFileDlg::VBGetFileTitle(path), "title");
    }

    // Also checks that Qt matches name filters regardless of case, as users expect.
    void qtDialogShowsRequestAndReturnsChoice()
    {
        QTemporaryDir folder;
        for (const char* name : { "PHOTO.JPG", "b.gif", "notes.txt" })
            WriteFile(folder.filePath(QLatin1String(name)));
        QWidget mainWindow;
        FileDialogRequest request;
        request.owner = new QWidget(&mainWindow);
        request.filters = FilterEntries(NulSeparatedFilter(kImageFilter));
        request.filterIndex = 3;
        request.title = QStringLiteral("Open an Image File");
        request.fileName = folder.filePath(QStringLiteral("a.gif")); // its folder wins over the initial one
        request.initialDirectory = QDir::rootPath();
        request.flags = 0x1004;
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
};

QTEST_MAIN(FileDialogTest)
#include "tst_filedialog.moc"
