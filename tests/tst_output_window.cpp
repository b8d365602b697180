#include "outputwindow/GenerateDialog.h"
#include "outputwindow/OutputWindowHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

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

} // namespace

class OutputWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Generate appends behind the text; Close only hides, the frame's close discards.
    void keepsItsTextUntilClosedByTheFrame()
    {
        OutputWindowHost host;
        host.AppendAndShow("<map name=\"a\">\r\n</map>");
        GenerateDialog* first = host.Dialog();
        QTest::mouseClick(first->CloseButton(), Qt::LeftButton);
        QVERIFY(!first->isVisible());
        host.AppendAndShow("<map name=\"b\">\r\n</map>");
        QCOMPARE(host.Dialog(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->Text(), QStringLiteral("<map name=\"a\">\r\n</map><map name=\"b\">\r\n</map>"));
        QCOMPARE(first->OutputText()->blockCount(), 3);
        QPointer<GenerateDialog> closed = first;
        QVERIFY(first->close()); // what the window frame's close button does
        QTRY_VERIFY(closed.isNull());
        host.AppendAndShow("two");
        QCOMPARE(host.Dialog()->Text(), QStringLiteral("two"));
        host.Unload();
        QVERIFY(!host.Dialog());
    }

    // Copy takes the whole text with the user's edits, the lines ended as Generate ends them,
    // however little of it is selected and whether or not all of it has arrived.
    void copyTakesTheWholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed"); // at the end; "|" is Return
        QTest::addColumn<QString>("copied");
        const QString map("<map name=\"m\">\r\n<area href=\"a\" alt=\"\" coords=\"1,2,3,4\">\r\n</map>");
        QTest::newRow("a map") << map << QString() << map;
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("no-break space and tabs")
            << "<map name=\"a\u00a0b\">\t" << QString() << "<map name=\"a\u00a0b\">\t";
        QTest::newRow("the user's edits") << "<map>\r\n</map>" << QString("x|y") << "<map>\r\n</map>x\r\ny";
        QTest::newRow("slices still pending") << LongMap("m", 5000) << QString() << LongMap("m", 5000);
        // Typing while a map is still arriving flushes it first: the keys never land between two slices.
        QTest::newRow("typing while slices are pending")
            << LongMap("m", 5000) << QString("typed") << LongMap("m", 5000) + "typed";
    }

    void copyTakesTheWholeText()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        OutputWindowHost host;
        host.AppendAndShow(text);
        QPlainTextEdit* edit = host.Dialog()->OutputText();
        if (text.size() > 100000)
            QVERIFY(edit->blockCount() < LineCount(text));
        edit->moveCursor(QTextCursor::End);
        const QStringList lines = typed.split(u'|');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClicks(edit, lines[i]);
        }
        QTextCursor part(edit->document());
        part.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 1);
        edit->setTextCursor(part); // a selection must not narrow what is copied
        QGuiApplication::clipboard()->setText("something else");
        QTest::mouseClick(host.Dialog()->CopyButton(), Qt::LeftButton);
        QTEST(QGuiApplication::clipboard()->text(), "copied");
    }

    void slicedMapsArriveWholeAndInOrder()
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
};

QTEST_MAIN(OutputWindowTest)
#include "tst_output_window.moc"
