#include "outputwindow/GenerateDialog.h"
#include "outputwindow/OutputWindowHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// A map long enough to be appended in several slices: its first 500 lines go in at once.
QString LongMap(const QString& name, int areas)
{
    QString map = QStringLiteral("<map name=\"%1\">\r\n").arg(name);
    for (int i = 0; i < areas; ++i)
        map += QStringLiteral("<area href=\"%1.html\" alt=\"\" coords=\"%2,%2,%3,%3\">\r\n")
                   .arg(name)
                   .arg(i)
                   .arg(i + 9);
    return map + QStringLiteral("</map>");
}

int LineCount(const QString& text)
{
    return int(text.count(QLatin1String("\r\n"))) + 1;
}

using UserEdit = std::function<void(QPlainTextEdit*)>;

} // namespace

Q_DECLARE_METATYPE(UserEdit)

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
    void slicedMapsArriveWholeAndInOrder();
    void copyWhileSlicesArePendingTakesTheWholeText();
    void editsWhileSlicesArePendingLandAsAfterwards_data();
    void editsWhileSlicesArePendingLandAsAfterwards();
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

void OutputWindowTest::slicedMapsArriveWholeAndInOrder()
{
    const QString first = LongMap("first", 6000);
    const QString second = LongMap("second", 3000);
    OutputWindowHost host;
    host.AppendAndShow("typed before\r\n");
    host.AppendAndShow(first);
    QPlainTextEdit* edit = host.Dialog()->OutputText();
    QVERIFY(edit->blockCount() < LineCount(first)); // the rest is still to come
    host.AppendAndShow(second); // a second Generate before the first map is all in
    // Left to the event loop, without anything asking for the whole text.
    const QString all = "typed before\r\n" + first + second;
    QTRY_COMPARE(edit->blockCount(), LineCount(all));
    QCOMPARE(edit->toPlainText(), QString(all).replace("\r\n", "\n"));
}

void OutputWindowTest::copyWhileSlicesArePendingTakesTheWholeText()
{
    const QString map = LongMap("m", 5000);
    OutputWindowHost host;
    host.AppendAndShow(map);
    QPlainTextEdit* edit = host.Dialog()->OutputText();
    QVERIFY(edit->blockCount() < LineCount(map));
    QTextCursor part(edit->document());
    part.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 3);
    edit->setTextCursor(part); // a selection must not narrow what is copied
    QGuiApplication::clipboard()->setText("something else");
    QTest::mouseClick(host.Dialog()->CopyButton(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), map);
}

void OutputWindowTest::editsWhileSlicesArePendingLandAsAfterwards_data()
{
    QTest::addColumn<UserEdit>("edit");
    QTest::newRow("typing") << UserEdit([](QPlainTextEdit* e) { QTest::keyClicks(e, "typed"); });
    QTest::newRow("pasting") << UserEdit([](QPlainTextEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); });
}

// Whatever the user does while a map is still arriving has the effect it would have had
// once the whole map was in: it never lands between two slices.
void OutputWindowTest::editsWhileSlicesArePendingLandAsAfterwards()
{
    QFETCH(UserEdit, edit);
    QGuiApplication::clipboard()->setText("pasted");
    const QString map = LongMap("m", 5000);
    QString texts[2];
    for (const bool pending : { true, false }) {
        GenerateDialog dialog;
        dialog.show();
        dialog.AppendText("typed before\r\n");
        dialog.AppendText(map);
        if (pending)
            QVERIFY(dialog.OutputText()->blockCount() < LineCount(map));
        else
            dialog.Text(); // everything in
        edit(dialog.OutputText());
        QTRY_COMPARE(dialog.OutputText()->blockCount(), LineCount(dialog.Text()));
        texts[pending ? 0 : 1] = dialog.Text();
    }
    QCOMPARE(texts[0], texts[1]);
    QVERIFY(texts[0] != "typed before\r\n" + map); // the edit did something
}

QTEST_MAIN(OutputWindowTest)
#include "tst_output_window.moc"
