#include "pictures/PictureLoader.h"
#include "support/ModalWindows.h"
#include "support/PictureCorpus.h"
#include "support/ScriptedFileDialogs.h"
#include "support/WindowWaits.h"
#include "view/CanvasView.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(CorpusPicture)

// Picture files as New Imagemap reads them on a worker thread.
class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { allowLargePictures(); }

    // Each picture, chosen with New Imagemap over a map in progress, opens as a browser shows
    // it, or is refused with one message that names the file and the reason while the map, the
    // picture and the status bar stay as they were.
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
        else if (picture.kind == Kind::Pipe)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (picture.kind != Kind::RemovedAfterChoice)
            WriteFile(path, picture.bytes);
        if (picture.kind == Kind::Unreadable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        window.show(); // at its design size, which the notice must fit
        QVERIFY(openPictureAndWait(window, writePicture(m_dir.filePath("earlier.png"), { 30, 20 })));
        window.editor().apply([](Editing& e) {
            e.map.append(Area::rectangle({ 2, 3, 10, 8 }));
            selectArea(e, e.map.append(Area::polygon({ { 1, 1 }, { 20, 2 }, { 9, 15 }, { 1, 1 } })));
        });
        const WindowControls& c = window.controls();
        c.noticePanel->setText("earlier notice");
        const ImageMap before = window.editor().map();
        dialogs.answer = path;
        ModalAnswer answer;
        c.newButton->click();
        const bool opened = waitForPicture(window);
        QVERIFY(!window.isReadingPicture());
        QCOMPARE(answer.texts.size(), opened ? 0 : 1);
        for (QWidget* control : std::initializer_list<QWidget*> { c.rectangleButton, c.generateButton, c.canvas })
            QVERIFY(control->isEnabled());
        const QString named = "“" + picture.fileName + "”" + picture.reason;
        if (!picture.shownSize.isValid()) {
            QVERIFY2(answer.text.contains(named), qPrintable(answer.text));
            QVERIFY(window.editor().map() == before);
            QCOMPARE(c.canvas->canvasSize(), QSize(30, 20));
            QCOMPARE(c.noticePanel->text(), QStringLiteral("earlier notice"));
            return;
        }
        QVERIFY2(opened, qPrintable(answer.text));
        QCOMPARE(c.canvas->canvasSize(), picture.shownSize);
        QCOMPARE(window.editor().map().count(), 0);
        if (picture.reason.isEmpty()) {
            QCOMPARE(c.noticePanel->text() + c.noticePanel->toolTip(), QString());
        } else {
            QVERIFY2(c.noticePanel->toolTip().contains(named), qPrintable(c.noticePanel->toolTip()));
            QVERIFY(c.noticePanel->fontMetrics().horizontalAdvance(c.noticePanel->text())
                <= c.noticePanel->contentsRect().width());
        }
        // Unread parts grey, turned pictures and first frames as browsers show them.
        if (picture.at.x() >= 0) {
            const QRgb got = loadPicture(path).image.pixelColor(picture.at).rgba(), want = picture.colour;
            const int off = qAbs(qRed(got) - qRed(want)) + qAbs(qGreen(got) - qGreen(want))
                + qAbs(qBlue(got) - qBlue(want)) + qAbs(qAlpha(got) - qAlpha(want));
            QVERIFY2(off < 100, qPrintable(QString::number(got, 16)));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
