#include "dialogs/HelpWindow.h"
#include "dialogs/OutputWindow.h"
#include "editor/EditorInvariants.h"
#include "support/EditorScript.h"
#include "support/ModalWindows.h"
#include "support/ScriptedFileDialogs.h"
#include "support/WindowWaits.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QClipboard>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QWidget* port(const MainWindow& window)
{
    return window.controls().canvas->viewport();
}

// Viewport pixels are picture pixels at 100 %, less the scrolled part.
void drag(QWidget* canvas, QPoint from, QPoint to)
{
    QTest::mouseMove(canvas, from);
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, (from + to) / 2);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
}

void click(QWidget* widget, QPoint at)
{
    QTest::mouseMove(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

// As Qt gives a double-click: a click, then the second press as a double-click, and its release.
void doubleClick(QWidget* widget, QPoint at)
{
    click(widget, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void turnWheel(QWidget* widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {})
{
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void type(QWidget* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

bool showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

QString longMap(const QString& name, int areas)
{
    QString map = QStringLiteral("<map name=\"%1\">\r\n").arg(name);
    for (int i = 0; i < areas; ++i)
        map += QStringLiteral("<area href=\"%1.html\" alt=\"\" coords=\"%2,%2,%3,%3\">\r\n").arg(name).arg(i).arg(i + 9);
    return map + QStringLiteral("</map>");
}

// The map in a few words (see describe), drawn in a real window.
QString describeWindow(MainWindow& window)
{
    return describe(window.editor());
}

} // namespace

// The main window and its secondary windows, down to whole sessions with real mouse and key
// events.
class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString picture(const QString& name, QSize size) { return writePicture(m_dir.filePath(name), size); }

    // Shows the window, active, and opens a picture through New Imagemap, as a user does.
    void open(MainWindow& window, ScriptedFileDialogs& dialogs, QSize size)
    {
        QVERIFY(showActive(window));
        dialogs.answer = picture("session.png", size);
        QTest::mouseClick(window.controls().newButton, Qt::LeftButton);
        QVERIFY(waitForPicture(window));
        QCOMPARE(window.controls().canvas->canvasSize(), size);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void toolButtonsArmATool()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 100, 100 });
        drag(port(window), { 10, 10 }, { 10, 10 });
        window.editor().apply([](Editing& e) { selectArea(e, e.map.append(Area::rectangle({ 10, 10, 20, 20 }))); });
        const WindowControls& c = window.controls();
        QToolButton* tools[] = { c.rectangleButton, c.circleButton, c.polygonButton };
        for (int i = 0; i < 3; ++i) {
            tools[i]->click();
            QCOMPARE(port(window)->cursor().shape(), Qt::CrossCursor);
            QVERIFY(window.editor().selectedArea()); // the selection stays
            for (int j = 0; j < 3; ++j)
                QCOMPARE(tools[j]->isChecked(), i == j); // the armed tool's button alone is down
        }
        c.generateButton->click(); // back to the arrow: no tool shows as pressed
        for (QToolButton* tool : tools)
            QVERIFY(!tool->isChecked());
        QCOMPARE(port(window)->cursor().shape(), Qt::ArrowCursor);
    }

    void cancelledNewImagemapKeepsTheMap()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        drag(port(window), { 20, 20 }, { 20, 20 });
        window.controls().rectangleButton->click();
        drag(port(window), { 10, 10 }, { 30, 30 });
        const QString before = describeWindow(window);
        dialogs.answer.clear();
        ModalAnswer discard({ QMessageBox::Discard, QMessageBox::Discard });
        window.controls().newButton->click();
        QCOMPARE(dialogs.asked.last(), "picture: " + m_dir.filePath("session.png")); // starts at the last picture
        QCOMPARE(describeWindow(window), before);
        QCOMPARE(window.controls().canvas->canvasSize(), QSize(200, 150));
        window.controls().newButton->click();
        QCOMPARE(dialogs.asked.last(), QStringLiteral("picture: ")); // a cancel forgets the name
    }

    void newImagemapStartsAnEmptyMap()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        const WindowControls& c = window.controls();
        c.rectangleButton->click();
        drag(port(window), { 10, 10 }, { 30, 30 });
        type(c.hrefBox, "box.html");
        type(c.mapNameBox, "kept");
        c.canvas->setFocus();
        QTest::keyClick(c.canvas, Qt::Key_C, Qt::ControlModifier);
        c.polygonButton->click();
        click(port(window), { 50, 50 });
        click(port(window), { 90, 50 });
        ModalAnswer discard({ QMessageBox::Discard });
        dialogs.answer = picture("second.bmp", { 320, 240 });
        c.newButton->click();
        QVERIFY(waitForPicture(window));

        QCOMPARE(describeWindow(window), QStringLiteral("poly")); // no areas; the polygon tool stays
        QCOMPARE(c.mapNameBox->text(), QStringLiteral("kept"));
        QCOMPARE(c.hrefBox->text(), QStringLiteral("box.html")); // the panel as it was, though nothing is selected
        QCOMPARE(c.canvas->canvasSize(), QSize(320, 240));
        QVERIFY(showActive(window)); // the question took the activation away
        c.canvas->setFocus();
        QTest::keyClick(c.canvas, Qt::Key_V, Qt::ControlModifier); // the area clipboard survives
        QCOMPARE(describeWindow(window), QStringLiteral("B1 rect 20,20 20x20* [box.html|] | poly"));
        QCOMPARE(editorProblems(window.editor()), QStringList());
    }

    void designSizeShowsAWholePicture()
    {
        // 473 - 144 (buttons and texts) - 17 (status bar) = 312 rows for the viewport, whose
        // one-pixel border leaves 463 x 310 for the picture.
        MainWindow window;
        QCOMPARE(window.size(), QSize(465, 473));
        window.show();
        QVERIFY(openPictureAndWait(window, picture("design.png", { 463, 310 })));
        const WindowControls& c = window.controls();
        QCOMPARE(c.canvas->geometry(), QRect(0, 144, 465, 312));
        QCOMPARE(c.canvas->viewport()->size(), QSize(463, 310));
        QCOMPARE(c.statusBar->geometry(), QRect(0, 456, 465, 17));
        QVERIFY(!c.canvas->horizontalScrollBar()->isVisibleTo(&window));
        QVERIFY(!c.canvas->verticalScrollBar()->isVisibleTo(&window));
    }

    void largePictureScrolls()
    {
        MainWindow window;
        window.show();
        QVERIFY(openPictureAndWait(window, picture("large.png", { 1000, 800 })));
        CanvasView* canvas = window.controls().canvas;
        QScrollBar* across = canvas->horizontalScrollBar();
        QScrollBar* down = canvas->verticalScrollBar();
        QVERIFY(across->isVisibleTo(&window) && down->isVisibleTo(&window));
        const QSize viewport = canvas->viewport()->size();
        QCOMPARE(viewport, QSize(465 - 2 - 17, 312 - 2 - 17));
        QCOMPARE(across->maximum(), 1000 - viewport.width());
        QCOMPARE(down->maximum(), 800 - viewport.height());
        QCOMPARE(across->pageStep(), viewport.width());
        QCOMPARE(across->singleStep(), 89); // a fifth of 446, rounded
        // A window larger than the picture needs no bars, and shows the whole picture.
        window.show();
        window.resize(1200, 1100);
        QTRY_COMPARE(window.size(), QSize(1200, 1100));
        QVERIFY(!across->isVisibleTo(&window) && !down->isVisibleTo(&window));
        QCOMPARE(across->value() + down->value(), 0);
    }

    void generateAppendsAcrossClose()
    {
        MainWindow window;
        QVERIFY(openPictureAndWait(window, picture("generate.png", { 100, 100 })));
        window.editor().apply([](Editing& e) {
            Area box = Area::rectangle({ 10, 20, 100, 50 });
            box.setAttribute(QLatin1String("href"), "a.html");
            box.setAttribute(QLatin1String("alt"), "A");
            e.map.append(box);
        });
        window.editor().chooseTool(Tool::Circle);
        window.editor().setMapName("m");
        window.controls().generateButton->click();
        QCOMPARE(window.editor().state().tool, Tool::Arrow);
        QPointer<OutputWindow> output = window.output().window();
        QVERIFY(output && output->isVisible());
        QTest::mouseClick(output->closeButton(), Qt::LeftButton); // only hides
        QVERIFY(!output->isVisible());
        window.controls().generateButton->click();
        const QString map = "<map name=\"m\">\r\n<area href=\"a.html\" alt=\"A\" coords=\"10,20,110,70\">\r\n</map>";
        QCOMPARE(output->text(), map + map);
        QCOMPARE(output->textBox()->blockCount(), 5);
        QVERIFY(output->close()); // the window frame's close discards the text
        QTRY_VERIFY(output.isNull());
        window.controls().generateButton->click();
        QCOMPARE(window.output().window()->text(), map);
    }

    // Help and output windows are made once and kept while hidden: the help window's keys and
    // the output window's Close hide them, the window frame discards them, and both go with the
    // main window.
    void secondaryWindowsLiveWithTheMainWindow()
    {
        MainWindow window;
        window.show();
        const auto help = [&window] {
            window.controls().helpButton->click();
            return QPointer<HelpWindow>(window.helpWindow());
        };
        QPointer<HelpWindow> first = help();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QLabel* label = first->helpLabel();
        QCOMPARE(label->text(), HelpWindow::usageText().replace("\r\n", "\n"));
        QCOMPARE(HelpWindow::usageText().count("\r\n\r\n"), 6);
        QVERIFY(label->wordWrap() && label->heightForWidth(label->width()) <= label->height()); // nothing cut off
        QCOMPARE(first->titleLabel()->text(), QStringLiteral("Korvel v") + KORVEL_VERSION);
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
            QTest::keyClick(first, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(first && !first->isVisible());
            QCOMPARE(help(), first); // the same window again, not a second one
            QVERIFY(first->isVisible());
        }
        QVERIFY(first->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        const QPointer<HelpWindow> second = help();
        window.generate();
        const QPointer<OutputWindow> output = window.output().window();
        QVERIFY(second && output);
        window.close();
        QVERIFY(second.isNull() && output.isNull());
    }

    // Copy takes the whole text with the user's edits, the lines ended as Generate ends them,
    // however little of it is selected and whether or not all of it has arrived.
    void outputWindowCopiesTheWholeText_data()
    {
        QTest::addColumn<QStringList>("appended");
        QTest::addColumn<QString>("typed"); // at the end; "|" is Return
        QTest::addColumn<bool>("wait"); // for the event loop to bring in every slice
        QTest::addColumn<QString>("copied");
        const QStringList maps { "before\r\n", longMap("first", 6000), longMap("second", 3000) };
        const QString all = maps.join(QString());
        const QString spaces = "<map name=\"a\u00a0b\">\t";
        QTest::newRow("no-break space and tabs") << QStringList { spaces } << QString() << false << spaces;
        QTest::newRow("the user's edits") << QStringList { "<map>\r\n</map>" } << "x|y" << false
                                          << "<map>\r\n</map>x\r\ny";
        QTest::newRow("slices still pending") << maps << QString() << false << all;
        QTest::newRow("slices left to the event loop") << maps << QString() << true << all;
        // Typing while a map is still arriving brings it in first: keys never land between slices.
        QTest::newRow("typing while slices are pending") << maps << "typed" << false << all + "typed";
    }
    void outputWindowCopiesTheWholeText()
    {
        QFETCH(QStringList, appended);
        QFETCH(QString, typed);
        QFETCH(QString, copied);
        OutputWindowHost host;
        for (const QString& text : appended)
            host.appendAndShow(text);
        QPlainTextEdit* edit = host.window()->textBox();
        if (appended.size() > 1)
            QVERIFY(edit->blockCount() < copied.count("\r\n") + 1); // the rest is still to come
        QFETCH(bool, wait);
        if (wait)
            QTRY_COMPARE(edit->toPlainText(), QString(copied).replace("\r\n", "\n"));
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
        QTest::mouseClick(host.window()->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    void drawEditGenerateAndCopy()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, QSize(400, 300));
        const WindowControls& c = window.controls();
        QWidget* canvas = port(window);
        QTest::mouseClick(c.rectangleButton, Qt::LeftButton);
        drag(canvas, { 20, 30 }, { 120, 90 });
        type(c.hrefBox, "a.html");
        type(c.altBox, "Alpha & \"quotes\"");
        type(c.mapNameBox, "map");
        QTest::mouseClick(c.circleButton, Qt::LeftButton);
        drag(canvas, { 250, 80 }, { 280, 80 });
        QTest::mouseClick(c.polygonButton, Qt::LeftButton);
        for (QPoint p : { QPoint(20, 200), QPoint(100, 200), QPoint(60, 260), QPoint(21, 201) })
            click(canvas, p);
        type(c.hrefBox, "p.html");
        drag(canvas, { 70, 60 }, { 80, 70 }); // move the rectangle by its middle
        drag(canvas, { 130, 100 }, { 140, 120 }); // its bottom-right corner
        for (const auto& key : { std::pair(Qt::Key_C, Qt::ControlModifier), std::pair(Qt::Key_Delete, Qt::NoModifier),
                 std::pair(Qt::Key_V, Qt::ControlModifier), std::pair(Qt::Key_D, Qt::ControlModifier),
                 std::pair(Qt::Key_Right, Qt::NoModifier), std::pair(Qt::Key_Right, Qt::NoModifier),
                 std::pair(Qt::Key_Down, Qt::NoModifier) })
            QTest::keyClick(canvas, key.first, key.second);
        QTest::mouseClick(c.generateButton, Qt::LeftButton);
        OutputWindow* output = window.output().window();
        QVERIFY(output && output->isVisible());
        QTest::mouseClick(output->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QStringLiteral("<map name=\"map\">\r\n"
                           "<area href=\"\" alt=\"\" coords=\"250,80,30\" shape=\"circle\">\r\n"
                           "<area href=\"a.html\" alt=\"Alpha & \"quotes\"\" coords=\"40,50,150,130\">\r\n"
                           "<area href=\"a.html\" alt=\"Alpha & \"quotes\"\" coords=\"52,61,162,141\">\r\n"
                           "<area href=\"p.html\" alt=\"\" coords=\"20,200,100,200,60,260,20,200\" shape=\"poly\">\r\n"
                           "</map>"));
    }

    // The keys of each command, whatever else has the focus; in a text box they are the box's.
    void keysGiveCommands_data()
    {
        QTest::addColumn<QString>("focus"); // canvas, circle (a tool button), help, generate, map
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("expected");
        const char* box = "B1 rect 10,10 40x40*";
        auto row = [](const char* name, const char* focus, QKeySequence keys, const QString& expected) {
            QTest::newRow(name) << QString(focus) << keys << expected;
        };
        row("Delete", "canvas", QKeySequence(Qt::Key_Delete), "arrow");
        row("Backspace", "canvas", QKeySequence(Qt::Key_Backspace), "arrow");
        row("Shift and Alt change nothing", "canvas", QKeySequence(Qt::ShiftModifier | Qt::AltModifier | Qt::Key_Delete),
            "arrow");
        row("Ctrl+Delete deletes too", "canvas", QKeySequence(Qt::ControlModifier | Qt::Key_Delete), "arrow");
        row("C without Ctrl arms the circle", "canvas", QKeySequence(Qt::Key_C), QString(box) + " | circle");
        row("R on a tool button", "circle", QKeySequence(Qt::Key_R), QString(box) + " | rect");
        row("T, then Escape on Help", "help", QKeySequence(Qt::Key_T, Qt::Key_Escape), QString(box) + " | arrow");
        row("P in the map name is the box's", "map", QKeySequence(Qt::Key_P), QString(box) + " | arrow");
        row("Ctrl+Shift+D duplicates", "canvas", QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_D),
            "B1 rect 10,10 40x40 | B2 rect 20,20 40x40* | arrow");
        // A button never takes an arrow key to move the focus along the row.
        row("six Rights on a tool button", "circle",
            QKeySequence(Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right),
            "B1 rect 14,10 40x40* | circle");
        row("arrows on Help", "help", QKeySequence(Qt::Key_Down, Qt::Key_Down), "B1 rect 10,12 40x40* | arrow");
        row("arrows on Generate, then Delete", "generate", QKeySequence(Qt::Key_Left, Qt::Key_Delete), "arrow");
        row("Delete in the map name", "map", QKeySequence(Qt::Key_Delete, Qt::Key_Left), QString(box) + " | arrow");
        row("undo in the map name is the box's", "map", QKeySequence(Qt::ControlModifier | Qt::Key_Z),
            QString(box) + " | arrow");
        row("undo on the canvas", "canvas", QKeySequence(Qt::ControlModifier | Qt::Key_Z), "arrow");
    }
    void keysGiveCommands()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        const WindowControls& c = window.controls();
        c.rectangleButton->click();
        drag(port(window), { 10, 10 }, { 50, 50 });
        type(c.mapNameBox, "map");
        QWidget* focused = focus == "circle" ? static_cast<QWidget*>(c.circleButton)
            : focus == "help"               ? c.helpButton
            : focus == "generate"           ? c.generateButton
            : focus == "map"                ? static_cast<QWidget*>(c.mapNameBox)
                                            : c.canvas;
        if (focus == "circle")
            QTest::mouseClick(c.circleButton, Qt::LeftButton);
        focused->setFocus();
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(focused, keys[i].key(), keys[i].keyboardModifiers());
        QTEST(describeWindow(window), "expected");
        QCOMPARE(QApplication::focusWidget(), focused);
        if (focus == "map" && keys[0].key() == Qt::Key_Delete) // the cursor stood at the end: Delete took nothing
            QCOMPARE(c.mapNameBox->text(), QStringLiteral("map"));
    }

    // A double-click on an edge of the selected polygon adds a corner there, ready to drag;
    // Ctrl+click on a corner takes it away. Each is one step.
    void cornersByMouse()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        QWidget* canvas = port(window);
        window.controls().polygonButton->click();
        for (QPoint p : { QPoint(20, 20), QPoint(100, 20), QPoint(60, 100), QPoint(20, 20) })
            click(canvas, p);
        doubleClick(canvas, { 60, 22 });
        QCOMPARE(describeWindow(window), QStringLiteral("P1 20,20 60,22 100,20 60,100 20,20* | resize_corner"));
        drag(canvas, { 60, 22 }, { 60, 5 });
        QTest::mouseMove(canvas, { 101, 21 });
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::ControlModifier, { 101, 21 });
        QCOMPARE(describeWindow(window), QStringLiteral("P1 20,20 60,5 60,100 20,20* | arrow"));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(describeWindow(window), QStringLiteral("P1 20,20 100,20 60,100 20,20* | resize_corner"));
    }

    // The trace tool shows the outline under the pointer (on a picture this large, once traced
    // on the worker), the wheel sets its tolerance and deviation in place of scrolling, and a
    // click makes the polygon, one step.
    void traceTool()
    {
        QImage image(1200, 1000, QImage::Format_RGB32);
        image.fill(QColor(240, 240, 230));
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 60, 120));
        painter.drawEllipse(QPoint(100, 100), 60, 60);
        painter.end();
        const QString path = m_dir.filePath("disc.png");
        QVERIFY(image.save(path));
        MainWindow window;
        window.show();
        QVERIFY(openPictureAndWait(window, path));
        const WindowControls& c = window.controls();
        c.canvas->setFocus();
        QTest::keyClick(c.canvas, Qt::Key_T);
        QVERIFY(c.traceButton->isChecked());
        QTest::mouseMove(port(window), { 100, 100 });
        const auto outlineShown = [&] { // along the top of the disc
            const QImage shot = port(window)->grab().toImage();
            for (int y = 38; y <= 42; ++y)
                for (int x = 80; x < 120; ++x)
                    if (shot.pixel(x, y) == kTraceColour)
                        return true;
            return false;
        };
        QTRY_VERIFY(outlineShown());
        turnWheel(port(window), { 100, 100 }, -1);
        QCOMPARE(c.noticePanel->text(), QStringLiteral("Trace tolerance: 28, deviation: 1.5 px"));
        turnWheel(port(window), { 100, 100 }, 2, Qt::ShiftModifier);
        QCOMPARE(c.noticePanel->text(), QStringLiteral("Trace tolerance: 28, deviation: 2.5 px"));
        QCOMPARE(c.canvas->verticalScrollBar()->value() + c.canvas->horizontalScrollBar()->value(), 0);
        QTRY_VERIFY(outlineShown());
        QTest::mouseClick(port(window), Qt::LeftButton, {}, { 100, 100 });
        QVERIFY(!c.traceButton->isChecked());
        const Area* polygon = window.editor().selectedArea();
        QVERIFY(polygon && polygon->vertices().size() <= 16);
        for (const Vertex v : polygon->vertices())
            QVERIFY(std::abs(std::hypot(v.x - 100, v.y - 100) - 60) <= 2.5);
        QTest::keyClick(c.canvas, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(describeWindow(window), QStringLiteral("arrow"));
    }

    // Holding a key repeats its command.
    void heldKeysRepeat()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        window.controls().rectangleButton->click();
        drag(port(window), { 10, 10 }, { 50, 50 });
        for (int i = 0; i < 5; ++i)
            QTest::simulateEvent(port(window), true, Qt::Key_Right, {}, QString(), i > 0);
        QTest::simulateEvent(port(window), false, Qt::Key_Right, {}, QString(), false);
        QCOMPARE(describeWindow(window), QStringLiteral("B1 rect 15,10 40x40* | arrow"));
    }

    void statusBarShowsThePointer()
    {
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 200, 150 });
        QLabel* position = window.controls().positionPanel;
        // QTest takes (0, 0) for the widget's middle: the move is sent as it is.
        QMouseEvent corner(QEvent::MouseMove, QPointF(0, 0), port(window)->mapToGlobal(QPointF(0, 0)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(port(window), &corner);
        QCOMPARE(position->text(), QStringLiteral("0,0"));
        window.controls().rectangleButton->click();
        QTest::mouseMove(port(window), { 5, 17 });
        QTest::mousePress(port(window), Qt::LeftButton, {}, { 5, 17 });
        QTest::mouseMove(port(window), { -3, 17 }); // held: the moves follow the pointer off the picture
        QCOMPARE(position->text(), QStringLiteral("-3,17"));
        QTest::mouseRelease(port(window), Qt::LeftButton, {}, { -3, 17 });
        QCOMPARE(position->text(), QStringLiteral("-3,17")); // kept after the pointer left
    }

    // After the picture moved under a pointer that stayed still, the pointer acts on the picture
    // pixel now under it, and the status bar and the hover feedback say so at once.
    void aStillPointerFollowsThePicture_data()
    {
        QTest::addColumn<QString>("tool"); // arrow: a press and a drag 10 to the right; poly: a click
        QTest::addColumn<QPoint>("hover"); // in the viewport, on a box 100,100 40x40 at 100 %
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expected"); // %1,%2: the picture pixel now under the pointer
        const QString box = "B1 rect 100,100 40x40 | arrow"; // the press missed it
        auto row = [](const char* name, const char* tool, QPoint hover, const char* change, const QString& expected) {
            QTest::newRow(name) << QString(tool) << hover << QString(change) << expected;
        };
        row("wheel", "arrow", { 120, 120 }, "wheel", box);
        row("ctrl++", "arrow", { 120, 120 }, "Ctrl++", box);
        row("ctrl++ on a corner", "arrow", { 140, 140 }, "Ctrl++", box);
        row("ctrl+wheel beside a corner", "arrow", { 143, 143 }, "ctrl wheel", box);
        row("ctrl+- ctrl+0", "arrow", { 120, 120 }, "Ctrl+-, Ctrl+0", box);
        row("ctrl+9", "arrow", { 120, 120 }, "Ctrl+9", box);
        row("resize", "arrow", { 120, 120 }, "resize", box);
        row("new picture", "arrow", { 120, 120 }, "picture", "arrow");
        const QString vertex = "B1 rect 100,100 40x40 | P1 %1,%2 building | poly";
        row("polygon tool, ctrl++", "poly", { 200, 200 }, "Ctrl++", vertex);
        row("polygon tool, wheel", "poly", { 200, 200 }, "wheel", vertex);
    }
    void aStillPointerFollowsThePicture()
    {
        QFETCH(QString, tool);
        QFETCH(QString, change);
        ScriptedFileDialogs dialogs;
        MainWindow window(&dialogs);
        open(window, dialogs, { 1000, 1000 });
        const WindowControls& c = window.controls();
        c.rectangleButton->click();
        drag(port(window), { 100, 100 }, { 140, 140 });
        drag(port(window), { 300, 10 }, { 300, 10 }); // nothing selected
        if (tool == "poly")
            c.polygonButton->click();
        if (change == "resize" || change == "picture")
            c.canvas->verticalScrollBar()->setValue(c.canvas->verticalScrollBar()->maximum());
        QFETCH(QPoint, hover);
        QCursor::setPos(port(window)->mapToGlobal(hover));
        QTest::mouseMove(port(window), hover);
        c.canvas->setFocus();
        const QKeySequence keys(change.startsWith("Ctrl") ? change : QString());
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(c.canvas, keys[i].key(), keys[i].keyboardModifiers());
        if (change.endsWith("wheel")) {
            const bool zoom = change != "wheel";
            QWheelEvent wheel(hover, port(window)->mapToGlobal(hover), QPoint(), QPoint(0, zoom ? 120 : -360),
                Qt::NoButton, zoom ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(port(window), &wheel);
        }
        if (change == "resize")
            window.resize(window.width(), window.height() + 100);
        ModalAnswer discard({ QMessageBox::Discard });
        if (change == "picture") {
            window.openPicture(picture("second.png", { 1000, 1000 }));
            QVERIFY(waitForPicture(window));
        }
        const QPoint at = port(window)->mapFromGlobal(QCursor::pos());
        const ZoomMapping zoom = c.canvas->zoom();
        const QPoint scroll(c.canvas->horizontalScrollBar()->value(), c.canvas->verticalScrollBar()->value());
        const QString pixel = QStringLiteral("%1,%2")
                                  .arg(zoom.pointerPixel(at.x() + scroll.x()))
                                  .arg(zoom.pointerPixel(at.y() + scroll.y()));
        QTRY_COMPARE(c.positionPanel->text(), pixel);
        if (tool == "poly") {
            QTest::mouseClick(port(window), Qt::LeftButton, {}, at);
        } else {
            QTest::mousePress(port(window), Qt::LeftButton, {}, at);
            QTest::mouseMove(port(window), at + QPoint(10, 0));
            QTest::mouseRelease(port(window), Qt::LeftButton, {}, at + QPoint(10, 0));
        }
        QFETCH(QString, expected);
        QCOMPARE(describeWindow(window), expected.replace("%1,%2", pixel));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
