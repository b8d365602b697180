#include "help/HelpText.h"
#include "helpwindow/HelpAboutDialog.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void helpTextAsWritten()
    {
        const QString expected = QStringLiteral(
            "Korvel generates HTML codes for imagemaps. It is easy to use, but still effective.\r\n\r\n"
            "To generate an imagemap do the following:\r\n\r\n"
            "- Press the 'New Imagemap' button.\r\n\r\n"
            "- Give the new imagemap a name.\r\n\r\n"
            "- Use the 'Rectangle', 'Circle' and 'Polygon' tools to make shapes on the image.  Give each shape a "
            "desired URL and Alt text.\r\n\r\n"
            "- After you have made all your shapes, press the Generate button. A HTML code will appear. You can now "
            "copy this code and then paste it into your desired web page.\r\n\r\n"
            "All comments and suggestions are very welcome.");
        QCOMPARE(HelpAboutText(), expected);
        HelpAboutDialog dialog;
        QCOMPARE(dialog.HelpLabel()->text(), QString(expected).replace("\r\n", "\n"));
        // The text fits the label: nothing is cut off at the bottom.
        QVERIFY(dialog.HelpLabel()->wordWrap());
        QVERIFY(dialog.HelpLabel()->heightForWidth(dialog.HelpLabel()->width()) <= dialog.HelpLabel()->height());
    }

    void keysOnlyHideButTheFrameDiscards_data()
    {
        QTest::addColumn<int>("key"); // none: closed through the window frame
        QTest::newRow("Enter") << int(Qt::Key_Return);
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
