#include "helpwindow/HelpAboutDialog.h"
#include "help/HelpText.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void textHasSevenParagraphsAndItsJoints()
    {
        const QString text = HelpAboutText();
        const QStringList paragraphs = text.split("\r\n\r\n");
        QCOMPARE(paragraphs.size(), 7);
        for (const QString& paragraph : paragraphs)
            QVERIFY(!paragraph.isEmpty() && !paragraph.contains('\r') && !paragraph.contains('\n'));
        QCOMPARE(paragraphs.last(), "All comments and suggestions are very welcome.");
        QVERIFY(text.contains("on the image.  Give each shape"));
        QVERIFY(text.contains("will appear. You can now copy"));
    }

    void windowAndControls()
    {
        HelpAboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), "Help");
        QCOMPARE(dialog.minimumSize(), QSize(518, 499));
        QCOMPARE(dialog.maximumSize(), QSize(518, 499));
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.pos(), QPoint(156, 129));
        QVERIFY(!dialog.parentWidget());
        QCOMPARE(dialog.findChild<QPushButton*>("closeButton"), dialog.CloseButton());
        QCOMPARE(dialog.CloseButton()->geometry(), QRect(424, 464, 84, 23));
        QCOMPARE(dialog.CloseButton()->text(), "Close");
        QVERIFY(dialog.CloseButton()->isDefault());
        QCOMPARE(dialog.findChild<QLabel*>("HelpLabel"), dialog.HelpLabel());
        QCOMPARE(dialog.HelpLabel()->geometry(), QRect(8, 80, 499, 248));
        QCOMPARE(dialog.HelpLabel()->text(), HelpAboutText().replace("\r\n", "\n"));
        QVERIFY(dialog.HelpLabel()->wordWrap());
        QCOMPARE(dialog.findChild<QLabel*>("TitleLabel"), dialog.TitleLabel());
        QCOMPARE(dialog.TitleLabel()->geometry(), QRect(8, 0, 145, 25));
        QCOMPARE(dialog.TitleLabel()->text(), "Korvel v1.0");
        QCOMPARE(dialog.TitleLabel()->font().pointSizeF(), 13.5);
        QCOMPARE(dialog.CloseButton()->nextInFocusChain(), dialog.HelpLabel()); // tab order
        QCOMPARE(dialog.HelpLabel()->nextInFocusChain(), dialog.TitleLabel());
    }

    void keysOnlyHideButTheFrameDiscards_data()
    {
        QTest::addColumn<int>("key"); // none: closed through the window frame
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("frame") << 0;
    }
    void keysOnlyHideButTheFrameDiscards()
    {
        QFETCH(int, key);
        QPointer<HelpAboutDialog> dialog = new HelpAboutDialog;
        dialog->ShowAndRaise();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        if (key)
            QTest::keyClick(dialog, Qt::Key(key));
        else
            QVERIFY(dialog->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialog.isNull(), key == 0);
        QVERIFY(!dialog || !dialog->isVisible());
        delete dialog;
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
