#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
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

// While a picture is read on its worker thread, the window shows the wait and keeps the map;
// whatever the user does meanwhile, only the last read chosen ever reaches the screen.
class PictureReadingTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString MakePicture(const QString& name, int width, int height)
    {
        return WriteFile(m_dir.filePath(name), Encoded(Noise(width, height), "png"));
    }

    static QList<QWidget*> EditingControls(const MainForm& form)
    {
        const MainFormControls& c = form.Controls();
        return { c.rectButton, c.circleButton, c.polyButton, c.generateButton, c.InnerPict };
    }

private slots:
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
        QVERIFY(OpenPictureAndWait(form, MakePicture("first.png", 30, 20)));
        form.Session().Apply([](Editor& e) { AddTestBox(e.map, 2, 2, 5, 5); });
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString other = MakePicture("other.png", 50, 40);
        QSignalSpy opened(&form, &MainForm::PictureOpened);

        // Results come through the event loop, so the read is surely still pending here.
        form.OpenImage(MakePicture("pending.png", 70, 60));
        QVERIFY(form.IsReadingPicture());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QCOMPARE(form.Controls().NoticePanel->text(), QStringLiteral("Reading “pending.png”…"));
        for (QWidget* control : EditingControls(form))
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(form.Controls().MapNameText->isEnabled()); // the name is kept across pictures
        QCOMPARE(form.editor().map.boxCount, int16_t(1));

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

    void missingPartNoticeFitsAndGoes()
    {
        const QByteArray jpeg = Encoded(Noise(400, 300), "jpg");
        const QString path = WriteFile(
            m_dir.filePath("a rather long name for a download that broke off.jpg"), jpeg.left(jpeg.size() / 2));
        MainForm form; // at its design size
        form.show();
        QVERIFY(OpenPictureAndWait(form, path));
        const QLabel* notice = form.Controls().NoticePanel;
        QCOMPARE(notice->text(), QStringLiteral("Part of the picture is missing"));
        QVERIFY(notice->fontMetrics().horizontalAdvance(notice->text()) <= notice->contentsRect().width());
        QVERIFY(
            notice->toolTip().startsWith(QStringLiteral("Part of “%1” is missing").arg(QFileInfo(path).fileName())));
        QVERIFY(OpenPictureAndWait(form, MakePicture("whole.png", 40, 30)));
        QCOMPARE(notice->text() + notice->toolTip(), QString());
    }

    void refusedReadPutsTheWindowBack()
    {
        MainForm form;
        QLabel* notice = form.Controls().NoticePanel;
        notice->setText("earlier notice");
        notice->setToolTip("earlier details");
        ModalAnswer answer;
        QVERIFY(!OpenPictureAndWait(form, m_dir.filePath("absent.jpg")));
        QVERIFY(answer.text.contains("absent.jpg"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(notice->text(), QStringLiteral("earlier notice"));
        QCOMPARE(notice->toolTip(), QStringLiteral("earlier details"));
        for (QWidget* control : EditingControls(form))
            QVERIFY(!control->isEnabled()); // as before the first picture
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

QTEST_MAIN(PictureReadingTest)
#include "tst_picture_reading.moc"
