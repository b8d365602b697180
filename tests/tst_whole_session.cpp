#include "canvas/CanvasWidget.h"
#include "forms/ScrollBarControl.h"
#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/ScriptedFileDialog.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// A whole editing session with real mouse and key events on the real windows.
class WholeSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drawEditGenerateAndCopy();
    void keysInTextBoxesStayTheirs();
    void aFocusedScrollBarStillScrolls();

private:
    void Open(MainForm& form, ScriptedFileDialog& dialogs, QSize size);
    QTemporaryDir m_dir;
};

namespace {

void Drag(QWidget* canvas, QPoint from, QPoint to)
{
    QTest::mouseMove(canvas, from);
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, (from + to) / 2);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
}

void Click(QWidget* widget, QPoint at)
{
    QTest::mouseMove(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void Type(QWidget* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

} // namespace

void WholeSessionTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void WholeSessionTest::Open(MainForm& form, ScriptedFileDialog& dialogs, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    const QString path = m_dir.filePath(QStringLiteral("session.png"));
    QVERIFY(picture.save(path));
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    dialogs.ChooseFile(path);
    QTest::mouseClick(form.Controls().newButton, Qt::LeftButton);
    QTRY_COMPARE(form.Controls().InnerPict->size(), size);
}

void WholeSessionTest::drawEditGenerateAndCopy()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    Open(form, dialogs, QSize(400, 300));
    const MainFormControls& c = form.Controls();
    QWidget* canvas = c.InnerPict;

    QTest::mouseClick(c.rectButton, Qt::LeftButton);
    Drag(canvas, { 20, 30 }, { 120, 90 });
    Type(c.HrefText, "a.html");
    Type(c.AltText, "Alpha & \"quotes\"");
    Type(c.MapNameText, "map");

    QTest::mouseClick(c.circleButton, Qt::LeftButton);
    Drag(canvas, { 250, 80 }, { 280, 80 });

    QTest::mouseClick(c.polyButton, Qt::LeftButton);
    for (QPoint p : { QPoint(20, 200), QPoint(100, 200), QPoint(60, 260), QPoint(21, 201) })
        Click(canvas, p);
    Type(c.HrefText, "p.html");

    Drag(canvas, { 70, 60 }, { 80, 70 }); // move the rectangle by its middle
    Drag(canvas, { 130, 100 }, { 140, 120 }); // its bottom-right corner
    for (const auto& key : { std::pair(Qt::Key_C, Qt::ControlModifier), std::pair(Qt::Key_Delete, Qt::NoModifier),
             std::pair(Qt::Key_V, Qt::ControlModifier), std::pair(Qt::Key_D, Qt::ControlModifier),
             std::pair(Qt::Key_Right, Qt::NoModifier), std::pair(Qt::Key_Right, Qt::NoModifier),
             std::pair(Qt::Key_Down, Qt::NoModifier) })
        QTest::keyClick(canvas, key.first, key.second);

    QTest::mouseClick(c.generateButton, Qt::LeftButton);
    GenerateDialog* output = form.Output().Dialog();
    QVERIFY(output && output->isVisible());
    QTest::mouseClick(output->CopyButton(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("<map name=\"map\">\r\n"
                       "<area href=\"\" alt=\"\" coords=\"250,80,30\" shape=\"circle\">\r\n"
                       "<area href=\"a.html\" alt=\"Alpha & \"quotes\"\" coords=\"40,50,150,130\">\r\n"
                       "<area href=\"a.html\" alt=\"Alpha & \"quotes\"\" coords=\"52,61,162,141\">\r\n"
                       "<area href=\"p.html\" alt=\"\" coords=\"20,200,100,200,60,260,20,200\" shape=\"poly\">\r\n"
                       "</map>"));
}

void WholeSessionTest::keysInTextBoxesStayTheirs()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    Open(form, dialogs, QSize(200, 100));
    const MainFormControls& c = form.Controls();
    QTest::mouseClick(c.rectButton, Qt::LeftButton);
    Drag(c.InnerPict, { 10, 10 }, { 50, 50 });
    Type(c.MapNameText, "map");
    QTest::keyClick(c.MapNameText, Qt::Key_Home);
    QTest::keyClick(c.MapNameText, Qt::Key_Delete);
    QTest::keyClick(c.MapNameText, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c.MapNameText, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(c.MapNameText->text(), QStringLiteral("ap")); // Delete edited the text...
    QCOMPARE(form.editor().map.boxCount, int16_t(1)); // ...and deleted no area
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ap")); // Ctrl+C copied text
    QCOMPARE(form.editor().state.clipKind, AreaKind::None); // not an area
    QTest::keyClick(c.HrefText, Qt::Key_Backspace);
    QCOMPARE(form.editor().map.boxCount, int16_t(1));
}

void WholeSessionTest::aFocusedScrollBarStillScrolls()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    Open(form, dialogs, QSize(1000, 800));
    const MainFormControls& c = form.Controls();
    Drag(c.InnerPict, { 10, 10 }, { 10, 10 }); // nothing there: no selection
    QTest::mouseClick(c.rectButton, Qt::LeftButton);
    Drag(c.InnerPict, { 10, 10 }, { 50, 50 });
    QScrollBar* bar = c.VBar->Bar();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(c.InnerPict->y(), -int(c.VBar->SmallChange())); // the bar scrolled...
    QCOMPARE(form.editor().map.box(1).Top, 11.f); // ...and the selected box moved down
}

QTEST_MAIN(WholeSessionTest)
#include "tst_whole_session.moc"
