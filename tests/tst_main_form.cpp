#include "canvas/CanvasWidget.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "help/HelpText.h"
#include "helpwindow/HelpAboutDialog.h"
#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "outputwindow/OutputWindowHost.h"
#include "support/DocumentBuilders.h"
#include "support/EditorHarness.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

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

bool ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// A map long enough to reach the output window in several slices.
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

// The wheel turned by notches (120 each, negative: down) over the viewport, Ctrl held or not.
void TurnWheel(ViewportFrame* viewport, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at = viewport->mapFromGlobal(QCursor::pos());
    QWheelEvent wheel(
        at, QCursor::pos(), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

int LineCount(const QString& text)
{
    return int(text.count(QLatin1String("\r\n"))) + 1;
}

} // namespace

// The main window and its secondary windows, down to whole sessions with real mouse and key
// events.
class MainFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString MakePicture(const QString& name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 200));
        const QString path = m_dir.filePath(name);
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Shows the form and opens a picture through New Imagemap, as a user does; given a box,
    // draws it with the Rectangle tool, corner to corner, and leaves it selected.
    void Open(MainForm& form, ScriptedFileDialog& dialogs, QSize size, QRect box = QRect())
    {
        QVERIFY(ShowActive(form));
        dialogs.ChooseFile(MakePicture("session.png", size));
        QTest::mouseClick(form.Controls().newButton, Qt::LeftButton);
        QTRY_COMPARE(form.Controls().InnerPict->size(), size);
        if (box.isNull())
            return;
        QTest::mouseClick(form.Controls().rectButton, Qt::LeftButton);
        Drag(form.Controls().InnerPict, box.topLeft(), box.bottomRight());
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init() { QCursor::setPos(0, 0); } // off every window: the first move of a test is a move

    void toolButtonsArmATool()
    {
        MainForm form;
        QVERIFY(OpenPictureAndWait(form, MakePicture("tools.png", { 100, 100 })));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 10, 10, 20, 20);
            SelectTestBox(e, 1);
        });
        const MainFormControls& c = form.Controls();
        const std::pair<QToolButton*, ToolMode> tools[] = { { c.rectButton, ToolMode::Rect },
            { c.circleButton, ToolMode::Circle }, { c.polyButton, ToolMode::Poly } };
        const auto pressed = [&tools] {
            QList<bool> on;
            for (const auto& tool : tools)
                on << tool.first->isChecked();
            return on;
        };
        for (int i = 0; i < 3; ++i) {
            tools[i].first->click();
            QCOMPARE(form.editor().state.toolMode, tools[i].second);
            QCOMPARE(c.InnerPict->CurrentMousePointer(), MousePointer::Cross);
            QCOMPARE(form.editor().map.box(1).BorderColor, SelectedColour); // the selection stays
            QList<bool> only(3, false);
            only[i] = true;
            QCOMPARE(pressed(), only); // the armed tool's button alone shows as pressed
        }
        form.generateButton_Click(); // back to the arrow: no tool shows as pressed
        QCOMPARE(pressed(), QList<bool>(3, false));
    }

    // Refused pictures keep the map too: the picture tests go through every kind.
    void cancelledNewImagemapKeepsTheMap()
    {
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        QVERIFY(OpenPictureAndWait(form, MakePicture("keep.png", { 200, 150 })));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 10, 10, 20, 20, kRectangleShape, "a.html");
            AddTestPolygon(e.map, { { 50, 50 }, { 90, 50 }, { 70, 90 } });
            SelectTestPolygon(e, 1);
        });
        const Editor before = form.editor();
        dialogs.Cancel();
        form.newButton_Click();

        // The dialog belongs to the main window and starts at the picture last chosen.
        QCOMPARE(dialogs.requests.size(), size_t(1));
        QCOMPARE(dialogs.requests.front().owner, static_cast<QWidget*>(&form));
        QCOMPARE(dialogs.requests.front().fileName, before.state.imagePath);
        Editor after = form.editor();
        // A cancel leaves one NUL in the path, so the next dialog starts without a name.
        QCOMPARE(after.state.imagePath, QString(QChar(0)));
        after.state.imagePath = before.state.imagePath;
        QVERIFY(after == before);
        QCOMPARE(form.Controls().InnerPict->size(), QSize(200, 150));
    }

    void newImagemapStartsAnEmptyMap()
    {
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        QVERIFY(OpenPictureAndWait(form, MakePicture("first.png", { 200, 150 })));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 10, 10, 5, 5, kRectangleShape, "box1");
            AddTestPolygon(e.map, { { 1, 1 }, { 9, 1 } }, false, "being built");
            e.state.buildingPoly = 1;
            SelectTestBox(e, 1);
            e.map.boxes[0].url = "clipped.html";
            e.state.clipKind = AreaKind::Box;
            e.state.toolMode = ToolMode::Poly;
        });
        form.Controls().MapNameText->setText("kept");

        dialogs.ChooseFile(MakePicture("second.bmp", { 320, 240 }));
        form.Controls().newButton->click();
        QVERIFY(WaitForPicture(form));

        const Editor& e = form.editor();
        QCOMPARE(e.map.boxCount + e.map.polyCount, 0);
        QCOMPARE(e.state.selBox + e.state.selPoly + e.state.drawingBox + e.state.buildingPoly, 0);
        QCOMPARE(e.map.boxes[0].url, QStringLiteral("clipped.html")); // the clipboard survives
        QCOMPARE(e.state.clipKind, AreaKind::Box);
        QCOMPARE(e.state.toolMode, ToolMode::Poly);
        QCOMPARE(e.state.imagePath, dialogs.answer.chosenPath);
        QCOMPARE(EditorInvariantViolations(e), QStringList());
        QCOMPARE(form.Controls().MapNameText->text(), QStringLiteral("kept"));
        QCOMPARE(form.Controls().InnerPict->size(), QSize(320, 240));
        QVERIFY(form.Controls().InnerPict->isEnabled() && form.Controls().generateButton->isEnabled());
    }

    void designSizeShowsAWholePicture()
    {
        // 473 - 144 (tool strip and panel) - 17 (status bar) = 312 rows for the viewport, whose
        // one-pixel border leaves 463 x 310 for the picture.
        MainForm form;
        QCOMPARE(form.size(), QSize(465, 473));
        QVERIFY(OpenPictureAndWait(form, MakePicture("design.png", { 463, 310 })));
        const MainFormControls& c = form.Controls();
        QCOMPARE(c.OuterPict->geometry(), QRect(0, 144, 465, 312));
        QCOMPARE(c.StatusBar->geometry(), QRect(0, 456, 465, 17));
        QVERIFY(!c.HBar->Bar()->isVisibleTo(&form) && !c.VBar->Bar()->isVisibleTo(&form));
        QCOMPARE(c.InnerPict->mapTo(c.OuterPict, QPoint(0, 0)), QPoint(1, 1));
    }

    void largePictureScrolls()
    {
        MainForm form;
        QVERIFY(OpenPictureAndWait(form, MakePicture("large.png", { 1000, 800 })));
        const MainFormControls& c = form.Controls();
        QVERIFY(c.HBar->Bar()->isVisibleTo(&form) && c.VBar->Bar()->isVisibleTo(&form));
        const int viewportWidth = c.OuterPict->ScaleWidth();
        QCOMPARE(int(c.HBar->Max()), viewportWidth - 1000);
        QCOMPARE(int(c.VBar->Max()), c.OuterPict->ScaleHeight() - 800);
        QCOMPARE(int(c.HBar->LargeChange()), viewportWidth);
        c.HBar->Bar()->setValue(c.HBar->Bar()->maximum()); // the thumb at the right end
        c.VBar->Bar()->setValue(40);
        QCOMPARE(c.InnerPict->pos(), QPoint(viewportWidth - 1000, -40));

        // A window larger than the picture needs no bars, and shows the whole picture.
        form.show();
        form.resize(1200, 1100);
        QTRY_COMPARE(form.size(), QSize(1200, 1100));
        QVERIFY(!c.HBar->Bar()->isVisibleTo(&form) && !c.VBar->Bar()->isVisibleTo(&form));
        QCOMPARE(c.InnerPict->pos(), QPoint(0, 0));
    }

    void generateAppendsAcrossClose()
    {
        MainForm form;
        QVERIFY(OpenPictureAndWait(form, MakePicture("generate.png", { 100, 100 })));
        form.Session().Apply([](Editor& e) {
            AddTestBox(e.map, 10, 20, 100, 50, kRectangleShape, "a.html", "A");
            e.state.toolMode = ToolMode::Circle;
        });
        form.Controls().MapNameText->setText("m");
        form.Controls().generateButton->click();
        QCOMPARE(form.editor().state.toolMode, ToolMode::Arrow);
        QPointer<GenerateDialog> output = form.Output().Dialog();
        QVERIFY(output && output->isVisible());
        QTest::mouseClick(output->CloseButton(), Qt::LeftButton); // only hides
        QVERIFY(!output->isVisible());
        form.Controls().generateButton->click();
        const QString map = "<map name=\"m\">\r\n<area href=\"a.html\" alt=\"A\" coords=\"10,20,110,70\">\r\n</map>";
        QCOMPARE(output->Text(), map + map);
        QCOMPARE(output->OutputText()->blockCount(), 5);
        QVERIFY(output->close()); // the window frame's close discards the text
        QTRY_VERIFY(output.isNull());
        form.Controls().generateButton->click();
        QCOMPARE(form.Output().Dialog()->Text(), map);
    }

    // Help and output windows are made once and kept while hidden: the help window's keys and
    // the output window's Close hide them, the window frame discards them, and both go with
    // the main window.
    void secondaryWindowsLiveWithTheMainWindow()
    {
        MainForm form;
        form.show();
        const auto help = [&form] {
            form.Controls().helpaboutButton->click();
            return QPointer<HelpAboutDialog>(form.HelpDialog());
        };
        QPointer<HelpAboutDialog> first = help();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        // The help text fits its label: nothing is cut off at the bottom.
        QLabel* label = first->HelpLabel();
        QCOMPARE(label->text(), QString(HelpAboutText()).replace("\r\n", "\n"));
        QVERIFY(label->wordWrap() && label->heightForWidth(label->width()) <= label->height());
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
        const QPointer<HelpAboutDialog> second = help();
        form.generateButton_Click();
        const QPointer<GenerateDialog> output = form.Output().Dialog();
        QVERIFY(second && output);
        form.close();
        QVERIFY(second.isNull() && output.isNull());
    }

    // Copy takes the whole text with the user's edits, the lines ended as Generate ends them,
    // however little of it is selected and whether or not all of it has arrived. Long maps
    // arrive in slices, in order, even when nothing asks for the whole text.
    void outputWindowCopiesTheWholeText_data()
    {
        QTest::addColumn<QStringList>("appended");
        QTest::addColumn<QString>("typed"); // at the end; "|" is Return
        QTest::addColumn<bool>("wait"); // for the event loop to bring in every slice
        QTest::addColumn<QString>("copied");
        const QStringList maps { "before\r\n", LongMap("first", 6000), LongMap("second", 3000) };
        const QString all = maps.join(QString());
        const QString spaces = "<map name=\"a\u00a0b\">\t";
        QTest::newRow("no-break space and tabs") << QStringList { spaces } << QString() << false << spaces;
        QTest::newRow("the user's edits")
            << QStringList { "<map>\r\n</map>" } << "x|y" << false << "<map>\r\n</map>x\r\ny";
        QTest::newRow("slices still pending") << maps << QString() << false << all;
        QTest::newRow("slices left to the event loop") << maps << QString() << true << all;
        // Typing while a map is still arriving flushes it first: the keys never land between two slices.
        QTest::newRow("typing while slices are pending") << maps << "typed" << false << all + "typed";
    }
    void outputWindowCopiesTheWholeText()
    {
        QFETCH(QStringList, appended);
        QFETCH(QString, typed);
        QFETCH(QString, copied);
        OutputWindowHost host;
        for (const QString& text : appended)
            host.AppendAndShow(text);
        QPlainTextEdit* edit = host.Dialog()->OutputText();
        if (appended.size() > 1)
            QVERIFY(edit->blockCount() < LineCount(copied)); // the rest is still to come
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
        QTest::mouseClick(host.Dialog()->CopyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // The overlay is repainted once when the focus leaves the New Imagemap button, and not
    // again until it has been back.
    void focusWatchRepaintsWhenFocusLeaves()
    {
        MainForm form;
        QVERIFY(OpenPictureAndWait(form, MakePicture("focus.png", { 100, 100 })));
        QVERIFY(ShowActive(form));
        QSignalSpy repaints(&form, &MainForm::FocusRedrawn);
        const MainFormControls& c = form.Controls();
        c.HrefText->setEnabled(true);
        c.newButton->setFocus();
        c.MapNameText->setFocus();
        c.HrefText->setFocus();
        QCOMPARE(repaints.size(), 1);
        c.newButton->setFocus();
        c.InnerPict->setFocus();
        QCOMPARE(repaints.size(), 2);
    }

    void drawEditGenerateAndCopy()
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

    void keysInTextBoxesStayTheirs()
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

    // The commands work wherever the focus is but in a text box, repeated while the key is
    // held, and no button takes an arrow key to move the focus on (into the map name box).
    void keyboardCommandsWhateverHasTheFocus_data()
    {
        QTest::addColumn<int>("control"); // clicked first, but for New Imagemap, which asks for a picture
        const char* controls[] = { "circle tool", "generate", "help", "new imagemap", "canvas", "scroll bar" };
        for (int i = 0; i < 6; ++i)
            QTest::newRow(controls[i]) << i;
    }
    void keyboardCommandsWhateverHasTheFocus()
    {
        QFETCH(int, control);
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        Open(form, dialogs, QSize(1000, 800), QRect(QPoint(10, 10), QPoint(50, 50)));
        const MainFormControls& c = form.Controls();
        Type(c.MapNameText, "map");
        QWidget* const controls[]
            = { c.circleButton, c.generateButton, c.helpaboutButton, c.newButton, c.InnerPict, c.HBar->Bar() };
        QWidget* focus = controls[control];
        if (control < 3)
            QTest::mouseClick(focus, Qt::LeftButton);
        focus->setFocus();
        QVERIFY(ShowActive(form)); // back from the window Generate or Help showed
        for (int i = 0; i < 6; ++i) // held down: a press, then the keyboard's repeats
            QTest::simulateEvent(QApplication::focusWidget(), true, Qt::Key_Right, {}, QString(), i > 0);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(form.editor().map.box(1).Left, 16.f);
        QCOMPARE(c.InnerPict->x(), focus == c.HBar->Bar() ? -6 * c.HBar->SmallChange() : 0); // a bar also scrolls
        QTest::keyClick(focus, Qt::Key_Delete);
        QCOMPARE(form.editor().map.boxCount, int16_t(0));
        QCOMPARE(c.MapNameText->text(), QStringLiteral("map"));
        delete form.HelpDialog();
    }

    // After the picture moved under a pointer that stayed still, the pointer acts on the
    // picture pixel now under it, and the status bar and the hover feedback say so at once.
    void aStillPointerFollowsThePicture_data()
    {
        QTest::addColumn<QString>("tool"); // arrow: a press and a drag 10 to the right; poly: a click
        QTest::addColumn<QPoint>("hover"); // in the viewport, on a box 100,100 40x40 at 100 %
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expected"); // %1,%2: the picture pixel now under the pointer
        const QString box = "B1 rect 100,100 40x40 | arrow"; // the press missed it
        QTest::newRow("wheel") << "arrow" << QPoint(120, 120) << "wheel" << box;
        QTest::newRow("ctrl++") << "arrow" << QPoint(120, 120) << "Ctrl++" << box;
        QTest::newRow("ctrl++ on a corner") << "arrow" << QPoint(140, 140) << "Ctrl++" << box;
        QTest::newRow("ctrl+wheel beside a corner") << "arrow" << QPoint(143, 143) << "ctrl wheel" << box;
        QTest::newRow("ctrl+- ctrl+0") << "arrow" << QPoint(120, 120) << "Ctrl+-, Ctrl+0" << box;
        QTest::newRow("ctrl+9") << "arrow" << QPoint(120, 120) << "Ctrl+9" << box;
        QTest::newRow("resize") << "arrow" << QPoint(120, 120) << "resize" << box;
        QTest::newRow("new picture") << "arrow" << QPoint(120, 120) << "picture"
                                     << "arrow";
        const QString vertex = "B1 rect 100,100 40x40 | P1 %1,%2 building | poly";
        QTest::newRow("polygon tool, ctrl++") << "poly" << QPoint(200, 200) << "Ctrl++" << vertex;
        QTest::newRow("polygon tool, wheel") << "poly" << QPoint(200, 200) << "wheel" << vertex;
    }
    void aStillPointerFollowsThePicture()
    {
        QFETCH(QString, tool);
        QFETCH(QString, change);
        ScriptedFileDialog dialogs;
        MainForm form(&dialogs);
        Open(form, dialogs, QSize(1000, 1000), QRect(QPoint(100, 100), QPoint(140, 140)));
        const MainFormControls& c = form.Controls();
        if (tool == "poly")
            QTest::mouseClick(c.polyButton, Qt::LeftButton);
        if (change == "resize" || change == "picture")
            c.VBar->Bar()->setValue(c.VBar->Bar()->maximum());
        QFETCH(QPoint, hover);
        QTest::mouseMove(c.OuterPict->ClientArea(), hover);
        c.InnerPict->setFocus();
        const QKeySequence keys(change.startsWith("Ctrl") ? change : QString());
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(c.InnerPict, keys[i].key(), keys[i].keyboardModifiers());
        if (change.endsWith("wheel"))
            TurnWheel(
                c.OuterPict, change == "wheel" ? -360 : 120, change == "wheel" ? Qt::NoModifier : Qt::ControlModifier);
        if (change == "resize") {
            form.resize(form.width(), form.height() + 100);
            QTRY_COMPARE(c.InnerPict->y(), c.OuterPict->ScaleHeight() - 1000);
        }
        if (change == "picture")
            QVERIFY(OpenPictureAndWait(form, MakePicture("second.png", { 1000, 1000 })));
        const QPoint at = c.InnerPict->mapFromGlobal(QCursor::pos());
        const ZoomMapping zoom = c.InnerPict->Zoom();
        const QString pixel = QStringLiteral("%1,%2").arg(zoom.PicturePixel(at.x())).arg(zoom.PicturePixel(at.y()));
        QCOMPARE(c.PositionPanel->text(), pixel);
        if (tool == "poly") {
            QTest::mouseClick(c.InnerPict, Qt::LeftButton, {}, at);
        } else {
            QTest::mousePress(c.InnerPict, Qt::LeftButton, {}, at);
            QTest::mouseMove(c.InnerPict, at + QPoint(10, 0));
            QTest::mouseRelease(c.InnerPict, Qt::LeftButton, {}, at + QPoint(10, 0));
        }
        QFETCH(QString, expected);
        QCOMPARE(Describe(form.editor()), expected.replace("%1,%2", pixel));
    }
};

QTEST_MAIN(MainFormTest)
#include "tst_main_form.moc"
