#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "picture/PictureLoader.h"
#include "support/DocumentBuilders.h"
#include "support/ModalAnswer.h"
#include "support/PictureCorpus.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>
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

// The controls that need a picture to work on.
QList<QWidget*> EditingControls(const MainForm& form)
{
    const MainFormControls& c = form.Controls();
    return { c.rectButton, c.circleButton, c.polyButton, c.generateButton, c.InnerPict };
}

} // namespace

// Picture files as New Imagemap reads them on a worker thread.
class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString Picture(const QString& name, int width, int height)
    {
        return WriteFile(m_dir.filePath(name), Encoded(Noise(width, height), "png"));
    }

private slots:
    void initTestCase() { AllowLargePictures(); }

    // Each picture, chosen with New Imagemap over a map in progress, opens as a browser shows it,
    // or is refused with one message that names the file and the reason while the map, the
    // picture and the notice stay as they were. None crashes or hangs.
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
            QSKIP("unreadable file: running as root, which reads every file whatever its permissions");
        const QString path = m_dir.filePath(picture.fileName);
        if (picture.kind == Kind::Folder)
            QVERIFY(QDir(m_dir.path()).mkdir(picture.fileName));
        else if (picture.kind == Kind::Pipe)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            WriteFile(path, picture.bytes);
        if (picture.kind == Kind::Unreadable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

        RemovingDialog dialogs;
        MainForm form(&dialogs);
        form.show(); // at its design size, which the notice must fit
        QVERIFY(OpenPictureAndWait(form, Picture("earlier.png", 30, 20)));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 2, 3, 10, 8, kRectangleShape, "box.html", "a box");
            AddTestPolygon(e.map, { { 1, 1 }, { 20, 2 }, { 9, 15 } }, true, "poly.html");
            SelectTestPolygon(e, 1);
        });
        QLabel* notice = form.Controls().NoticePanel;
        notice->setText("earlier notice");
        const Editor before = form.editor();
        dialogs.ChooseFile(path);
        dialogs.removeChoice = picture.kind == Kind::RemovedAfterChoice;
        ModalAnswer answer;
        form.newButton_Click();
        const bool opened = WaitForPicture(form); // gives up, and so fails, after half a minute
        QVERIFY(!form.IsReadingPicture());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(answer.seen, !opened);
        for (QWidget* control : EditingControls(form))
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        const QString named = "“" + picture.fileName + "”" + picture.reason;
        if (!picture.shownSize.isValid()) {
            QVERIFY2(answer.text.contains(named), qPrintable(answer.text));
            Editor after = form.editor();
            after.state.imagePath = before.state.imagePath; // the dialog's memory of the last choice
            QVERIFY(after == before);
            QCOMPARE(form.Controls().InnerPict->size(), QSize(30, 20));
            QCOMPARE(notice->text(), QStringLiteral("earlier notice"));
            return;
        }
        QVERIFY2(opened, qPrintable(answer.text));
        QCOMPARE(form.Controls().InnerPict->size(), picture.shownSize);
        QCOMPARE(form.editor().map.boxCount + form.editor().map.polyCount, 0);
        if (picture.reason.isEmpty()) {
            QCOMPARE(notice->text() + notice->toolTip(), QString());
        } else {
            QVERIFY2(notice->toolTip().contains(named), qPrintable(notice->toolTip()));
            QVERIFY(notice->fontMetrics().horizontalAdvance(notice->text()) <= notice->contentsRect().width());
        }
        // What the canvas was given: unread parts grey, turned and first frames as browsers show them.
        const QImage image = LoadPicture(path).image;
        QCOMPARE(image.format(), image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        if (picture.at.x() >= 0) {
            const QRgb got = image.pixelColor(picture.at).rgba(), want = picture.colour;
            const int off = qAbs(qRed(got) - qRed(want)) + qAbs(qGreen(got) - qGreen(want))
                + qAbs(qBlue(got) - qBlue(want)) + qAbs(qAlpha(got) - qAlpha(want));
            QVERIFY2(off < 100, qPrintable(QString::number(got, 16)));
        }
    }

    // While a picture is read, the window shows the wait and keeps the map; whatever the user
    // does meanwhile, only the last read chosen ever reaches the screen.
    void onlyTheLastChoiceArrives_data()
    {
        QTest::addColumn<QSize>("shown"); // 30 x 20 before, 70 x 60 pending, 50 x 40 the other
        QTest::newRow("nothing") << QSize(70, 60);
        QTest::newRow("Esc") << QSize(30, 20);
        QTest::newRow("Esc in the map name box") << QSize(30, 20);
        QTest::newRow("another dropped") << QSize(50, 40);
        QTest::newRow("another chosen with New Imagemap") << QSize(50, 40);
        QTest::newRow("New Imagemap cancelled") << QSize(70, 60);
    }

    void onlyTheLastChoiceArrives()
    {
        QFETCH(QSize, shown);
        const QString meanwhile = QTest::currentDataTag();
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        QVERIFY(OpenPictureAndWait(form, Picture("first.png", 30, 20)));
        form.Session().Apply([](Editor& e) { AddTestBox(e.map, 2, 2, 5, 5); });
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString other = Picture("other.png", 50, 40);
        QSignalSpy opened(&form, &MainForm::PictureOpened);

        // Results come through the event loop, so the read is surely still pending here.
        form.OpenImage(Picture("pending.png", 70, 60));
        QCOMPARE(form.Controls().NoticePanel->text(), QStringLiteral("Reading “pending.png”…"));
        QVERIFY(!form.Controls().generateButton->isEnabled());
        QVERIFY(form.Controls().MapNameText->isEnabled()); // the name is kept across pictures
        if (meanwhile.startsWith("Esc")) {
            if (meanwhile.contains("name box"))
                form.Controls().MapNameText->setFocus();
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &form, Qt::Key_Escape);
        } else if (meanwhile.contains("New Imagemap")) {
            meanwhile.contains("cancelled") ? dialogs.Cancel() : dialogs.ChooseFile(other);
            form.Controls().newButton->click();
        } else if (meanwhile.contains("dropped")) {
            QMimeData mime;
            mime.setUrls({ QUrl::fromLocalFile(other) });
            QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(&form, &enter);
            QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(&form, &drop);
        }
        if (form.IsReadingPicture())
            QVERIFY(opened.wait(30000));
        QTest::qWait(100); // room for an abandoned result to arrive, were it still delivered
        const bool kept = shown == QSize(30, 20);
        QCOMPARE(opened.size(), kept ? 0 : 1);
        QCOMPARE(form.Controls().InnerPict->size(), shown);
        QCOMPARE(form.editor().map.boxCount, int16_t(kept ? 1 : 0));
        QVERIFY(!form.IsReadingPicture());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(form.Controls().NoticePanel->text(), QString());
        for (QWidget* control : EditingControls(form))
            QVERIFY(control->isEnabled());
    }

    void closingWhileReadingLeavesNothingBehind()
    {
        const QString path = WriteFile(m_dir.filePath("closing.jpg"), Encoded(Noise(3000, 2000), "jpg"));
        auto* form = new MainForm;
        form->show();
        form->OpenImage(path);
        ModalAnswer answer;
        form->close();
        delete form; // waits for the decode; the worker touches nothing of the window
        QTest::qWait(50);
        QVERIFY(!answer.seen);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
