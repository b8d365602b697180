#include "outputwindow/GenerateDialog.h"
#include "outputwindow/OutputWindowHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class OutputWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAsDesigned();
    void appendsBehindTheText();
    void closeButtonHidesAndKeepsText();
    void frameCloseDiscardsText();
    void copyPutsTheWholeTextOnTheClipboard_data();
    void copyPutsTheWholeTextOnTheClipboard();
    void copyTakesTheUsersEdits();
};

void OutputWindowTest::controlsAsDesigned()
{
    GenerateDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Output"));
    QCOMPARE(dialog.size(), QSize(492, 224));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // fixed frame
    QCOMPARE(dialog.CloseButton()->text(), QStringLiteral("Close"));
    QCOMPARE(dialog.CloseButton()->geometry(), QRect(400, 192, 81, 25));
    QCOMPARE(dialog.OutputText()->geometry(), QRect(8, 40, 473, 145));
    QVERIFY(!dialog.OutputText()->isReadOnly());
    QCOMPARE(dialog.CopyButton()->text(), QStringLiteral("Copy the whole text"));
    QCOMPARE(dialog.CopyButton()->geometry(), QRect(8, 8, 129, 25));
    QVERIFY(dialog.CopyButton()->font().bold());
    QCOMPARE(dialog.CloseButton()->nextInFocusChain(), static_cast<QWidget*>(dialog.OutputText()));
}

void OutputWindowTest::appendsBehindTheText()
{
    OutputWindowHost host;
    host.AppendAndShow("<map name=\"a\">\r\n</map>");
    QVERIFY(host.Dialog()->isVisible());
    host.AppendAndShow("<map name=\"b\">\r\n</map>");
    QCOMPARE(host.Dialog()->Text(), QStringLiteral("<map name=\"a\">\r\n</map><map name=\"b\">\r\n</map>"));
    QCOMPARE(host.Dialog()->OutputText()->blockCount(), 3); // shown as three lines
}

void OutputWindowTest::closeButtonHidesAndKeepsText()
{
    OutputWindowHost host;
    host.AppendAndShow("one");
    GenerateDialog* first = host.Dialog();
    QTest::mouseClick(first->CloseButton(), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    host.AppendAndShow("two");
    QCOMPARE(host.Dialog(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->Text(), QStringLiteral("onetwo"));
}

void OutputWindowTest::frameCloseDiscardsText()
{
    OutputWindowHost host;
    host.AppendAndShow("one");
    QPointer<GenerateDialog> first = host.Dialog();
    QVERIFY(first->close()); // what the window frame's close button does
    QTRY_VERIFY(first.isNull());
    host.AppendAndShow("two");
    QCOMPARE(host.Dialog()->Text(), QStringLiteral("two"));
    host.Unload();
    QVERIFY(!host.Dialog());
}

void OutputWindowTest::copyPutsTheWholeTextOnTheClipboard_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a map") << "<map name=\"m\">\r\n<area href=\"a\" alt=\"\" coords=\"1,2,3,4\">\r\n</map>";
    QTest::newRow("empty") << "";
    QTest::newRow("no-break space and tabs kept") << "<map name=\"a\u00a0b\">\t\r\n</map>";
    QTest::newRow("two maps") << "<map name=\"\">\r\n</map><map name=\"\">\r\n</map>";
}

void OutputWindowTest::copyPutsTheWholeTextOnTheClipboard()
{
    QFETCH(QString, text);
    QGuiApplication::clipboard()->setText("something else");
    OutputWindowHost host;
    host.AppendAndShow(text);
    host.Dialog()->OutputText()->selectAll(); // a selection does not limit the copy
    QTest::mouseClick(host.Dialog()->CopyButton(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void OutputWindowTest::copyTakesTheUsersEdits()
{
    OutputWindowHost host;
    host.AppendAndShow("<map name=\"m\">\r\n</map>");
    QPlainTextEdit* edit = host.Dialog()->OutputText();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "x");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "y");
    host.Dialog()->CopyButton_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<map name=\"m\">\r\n</map>x\r\ny"));
}

QTEST_MAIN(OutputWindowTest)
#include "tst_output_window.moc"
