#include "canvas/CanvasWidget.h"
#include "editing/FocusWatch.h"
#include "forms/ScrollBarControl.h"
#include "forms/ViewportFrame.h"
#include "helpwindow/HelpAboutDialog.h"
#include "mainwindow/KeyPreview.h"
#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/DocumentBuilders.h"
#include "support/ModalAnswer.h"
#include "support/PictureWait.h"
#include "support/ScriptedFileDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

using FormAction = std::function<void(MainForm&)>;
Q_DECLARE_METATYPE(FormAction)

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void toolButtonsArmATool_data();
    void toolButtonsArmATool();
    void newImagemapAsksForAPicture();
    void cancelledOrFailedNewImagemapKeepsTheMap_data();
    void cancelledOrFailedNewImagemapKeepsTheMap();
    void newImagemapStartsAnEmptyMap();
    void droppedPictureOpens();
    void designSizeShowsAWholePicture();
    void largePictureScrolls();
    void generateAppendsAcrossClose();
    void secondaryWindowsLiveWithTheMainWindow();
    void focusWatch_data();
    void focusWatch();
    void focusWatchRepaintsWhenFocusLeaves();
    void keyPreviewSeesKeysFirst();

private:
    QString MakePicture(const QString& name, int width, int height);
    QTemporaryDir m_dir;
};

void MainFormTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString MainFormTest::MakePicture(const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    const QString path = m_dir.filePath(name);
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void MainFormTest::toolButtonsArmATool_data()
{
    QTest::addColumn<FormAction>("press");
    QTest::addColumn<ToolMode>("mode");
    QTest::newRow("rectangle") << FormAction([](MainForm& f) { f.Controls().rectButton->click(); }) << ToolMode::Rect;
    QTest::newRow("circle") << FormAction([](MainForm& f) { f.Controls().circleButton->click(); }) << ToolMode::Circle;
    QTest::newRow("polygon") << FormAction([](MainForm& f) { f.Controls().polyButton->click(); }) << ToolMode::Poly;
}

void MainFormTest::toolButtonsArmATool()
{
    QFETCH(FormAction, press);
    QFETCH(ToolMode, mode);
    MainForm form;
    QVERIFY(OpenPictureAndWait(form, MakePicture("tools.png", 100, 100)));
    form.Session().Apply([](Editor& e) {
        AddTestBox(e.map, 10, 10, 20, 20);
        SelectTestBox(e, 1);
    });
    press(form);
    QCOMPARE(form.editor().state.toolMode, mode);
    QCOMPARE(form.Controls().InnerPict->CurrentMousePointer(), MousePointer::Cross);
    QCOMPARE(form.editor().state.selBox, int16_t(1)); // the selection stays, magenta
    QCOMPARE(form.editor().map.box(1).BorderColor, SelectedColour);
    // The armed tool's button shows as pressed, and only that one.
    const MainFormControls& c = form.Controls();
    QCOMPARE(int(c.rectButton->isChecked()) + int(c.circleButton->isChecked()) + int(c.polyButton->isChecked()), 1);
    form.generateButton_Click(); // back to the arrow: no tool shows as pressed
    QVERIFY(!c.rectButton->isChecked() && !c.circleButton->isChecked() && !c.polyButton->isChecked());
}

void MainFormTest::newImagemapAsksForAPicture()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    form.Session().Apply([](Editor& e) { e.state.imagePath = "/pictures/previous.jpg"; });
    dialogs.Cancel();
    form.Controls().newButton->click();
    QCOMPARE(dialogs.requests.size(), size_t(1));
    const FileDialogRequest& request = dialogs.requests.front();
    QCOMPARE(request.title, QStringLiteral("Open an Image File"));
    QCOMPARE(request.owner, static_cast<QWidget*>(&form));
    QCOMPARE(request.flags, 0x1004u);
    QCOMPARE(request.fileName, QStringLiteral("/pictures/previous.jpg"));
    QCOMPARE(request.filters.size(), 5);
    // A cancel leaves one NUL in the path, so the next dialog starts without a name.
    QCOMPARE(form.editor().state.imagePath, QString(QChar(0)));
}

void MainFormTest::cancelledOrFailedNewImagemapKeepsTheMap_data()
{
    QTest::addColumn<QString>("choice"); // empty: cancel
    QTest::addColumn<bool>("message");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("not a picture") << QStringLiteral("notes.jpg") << true;
    QTest::newRow("gone") << QStringLiteral("vanished.png") << true;
}

void MainFormTest::cancelledOrFailedNewImagemapKeepsTheMap()
{
    QFETCH(QString, choice);
    QFETCH(bool, message);
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    QVERIFY(OpenPictureAndWait(form, MakePicture("keep.png", 200, 150)));
    form.Session().Apply([](Editor& e) {
        AddTestBox(e.map, 10, 10, 20, 20, kRectangleShape, "a.html");
        AddTestPolygon(e.map, { { 50, 50 }, { 90, 50 }, { 70, 90 } });
        SelectTestPolygon(e, 1);
    });
    const Editor before = form.editor();

    QString path;
    if (choice.isEmpty()) {
        dialogs.Cancel();
    } else {
        path = m_dir.filePath(choice);
        if (choice.startsWith("notes")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("shopping list\n");
        }
        dialogs.ChooseFile(path);
    }
    ModalAnswer answer;
    form.newButton_Click();
    WaitForPicture(form);

    QCOMPARE(answer.seen, message);
    if (message)
        QVERIFY2(answer.text.contains(choice), qPrintable(answer.text));
    Editor after = form.editor();
    after.state.imagePath = before.state.imagePath; // the dialog's own memory of the last choice
    QVERIFY(after == before);
    QCOMPARE(form.Controls().InnerPict->size(), QSize(200, 150));
}

void MainFormTest::newImagemapStartsAnEmptyMap()
{
    ScriptedFileDialog dialogs;
    MainForm form(&dialogs);
    QVERIFY(OpenPictureAndWait(form, MakePicture("first.png", 200, 150)));
    form.Session().Apply([](Editor& e) {
        for (int i = 0; i < 3; ++i)
            AddTestBox(e.map, 10.f * i, 10, 5, 5, kRectangleShape, QString("box%1").arg(i + 1));
        AddTestPolygon(e.map, { { 1, 1 }, { 9, 1 }, { 5, 9 } }, true, "poly1");
        AddTestPolygon(e.map, { { 1, 1 }, { 9, 1 } }, false, "poly2");
        e.state.buildingPoly = 2;
        SelectTestBox(e, 2);
        static_cast<ShapeControl&>(e.map.boxes[0]) = ShapeControl { 1, 2, 3, 4, kCircleShape, NormalColour, false, 1 };
        e.map.boxes[0].url = "clipped.html";
        e.state.clipKind = AreaKind::Box;
        e.state.toolMode = ToolMode::Poly;
    });
    form.Controls().MapNameText->setText("kept");
    form.Controls().HrefText->setText("panel text");

    dialogs.ChooseFile(MakePicture("second.bmp", 320, 240));
    form.Controls().newButton->click();
    QVERIFY(WaitForPicture(form));

    const Editor& e = form.editor();
    QCOMPARE(e.map.boxCount + e.map.polyCount, 0);
    QCOMPARE(e.state.selBox + e.state.selPoly + e.state.drawingBox + e.state.buildingPoly, 0);
    QCOMPARE(e.map.boxes.size(), size_t(2));
    QCOMPARE(e.map.boxes[0].url, QStringLiteral("clipped.html")); // the clipboard survives
    QCOMPARE(e.map.boxes[0].Shape, kCircleShape);
    QCOMPARE(e.map.boxes[1].url, QStringLiteral("box1")); // so does the spare element
    QVERIFY(!e.map.boxes[1].Visible);
    QCOMPARE(e.state.clipKind, AreaKind::Box);
    QCOMPARE(e.state.toolMode, ToolMode::Poly);
    QCOMPARE(e.state.imagePath, dialogs.answer.chosenPath);
    QCOMPARE(EditorInvariantViolations(e), QStringList());
    QCOMPARE(form.Controls().MapNameText->text(), QStringLiteral("kept"));
    QCOMPARE(form.Controls().HrefText->text(), QStringLiteral("panel text"));
    QCOMPARE(form.Controls().InnerPict->size(), QSize(320, 240));
    for (QWidget* control : std::initializer_list<QWidget*> { form.Controls().rectButton, form.Controls().circleButton,
             form.Controls().polyButton, form.Controls().generateButton, form.Controls().InnerPict,
             form.Controls().MapNameText })
        QVERIFY(control->isEnabled());
}

void MainFormTest::droppedPictureOpens()
{
    MainForm form;
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(MakePicture("dropped.jpg", 64, 48)) });
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &drop);
    QVERIFY(WaitForPicture(form));
    QCOMPARE(form.Controls().InnerPict->size(), QSize(64, 48));
}

void MainFormTest::designSizeShowsAWholePicture()
{
    // 473 - 144 (tool strip and panel) - 17 (status bar) = 312 rows for the viewport, whose
    // one-pixel border leaves 463 x 310 for the picture.
    MainForm form;
    QCOMPARE(form.size(), QSize(465, 473));
    QVERIFY(OpenPictureAndWait(form, MakePicture("design.png", 463, 310)));
    const MainFormControls& c = form.Controls();
    QCOMPARE(c.OuterPict->geometry(), QRect(0, 144, 465, 312));
    QCOMPARE(c.StatusBar->geometry(), QRect(0, 456, 465, 17));
    QVERIFY(!c.HBar->Bar()->isVisibleTo(&form));
    QVERIFY(!c.VBar->Bar()->isVisibleTo(&form));
    QCOMPARE(c.InnerPict->mapTo(c.OuterPict, QPoint(0, 0)), QPoint(1, 1));
}

void MainFormTest::largePictureScrolls()
{
    MainForm form;
    form.resize(465, 473);
    QVERIFY(OpenPictureAndWait(form, MakePicture("large.png", 1000, 800)));
    const MainFormControls& c = form.Controls();
    QVERIFY(c.HBar->Bar()->isVisibleTo(&form));
    QVERIFY(c.VBar->Bar()->isVisibleTo(&form));
    const int viewportWidth = c.OuterPict->ScaleWidth();
    const int viewportHeight = c.OuterPict->ScaleHeight();
    QCOMPARE(int(c.HBar->Max()), viewportWidth - 1000);
    QCOMPARE(int(c.VBar->Max()), viewportHeight - 800);
    QCOMPARE(int(c.HBar->LargeChange()), viewportWidth);

    c.HBar->Bar()->setValue(c.HBar->Bar()->maximum()); // the thumb at the right end
    c.VBar->Bar()->setValue(40);
    QCOMPARE(c.InnerPict->pos(), QPoint(viewportWidth - 1000, -40));

    // A window larger than the picture needs no bars, and shows the whole picture.
    form.show();
    form.resize(1200, 1100);
    QTRY_COMPARE(form.size(), QSize(1200, 1100));
    QVERIFY(!c.HBar->Bar()->isVisibleTo(&form));
    QVERIFY(!c.VBar->Bar()->isVisibleTo(&form));
    QCOMPARE(c.InnerPict->pos(), QPoint(0, 0));
}

void MainFormTest::generateAppendsAcrossClose()
{
    MainForm form;
    QVERIFY(OpenPictureAndWait(form, MakePicture("generate.png", 100, 100)));
    form.Session().Apply([](Editor& e) {
        AddTestBox(e.map, 10, 20, 100, 50, kRectangleShape, "a.html", "A");
        e.state.toolMode = ToolMode::Circle;
    });
    form.Controls().MapNameText->setText("m");
    form.Controls().generateButton->click();
    QCOMPARE(form.editor().state.toolMode, ToolMode::Arrow);
    GenerateDialog* output = form.Output().Dialog();
    QVERIFY(output && output->isVisible());
    output->CloseButton()->click();
    form.Controls().generateButton->click();
    const QString map = "<map name=\"m\">\r\n<area href=\"a.html\" alt=\"A\" coords=\"10,20,110,70\">\r\n</map>";
    QCOMPARE(output->Text(), map + map);
}

void MainFormTest::secondaryWindowsLiveWithTheMainWindow()
{
    MainForm form;
    form.show();
    form.Controls().helpaboutButton->click();
    QPointer<HelpAboutDialog> help = form.HelpDialog();
    QVERIFY(help && help->isVisible());
    form.Controls().helpaboutButton->click(); // the same window again, not a second one
    QCOMPARE(form.HelpDialog(), help.data());
    form.generateButton_Click();
    QPointer<GenerateDialog> output = form.Output().Dialog();
    QVERIFY(output);
    form.close();
    QVERIFY(help.isNull());
    QVERIFY(output.isNull());
}

void MainFormTest::focusWatch_data()
{
    QTest::addColumn<QList<int>>("focus"); // 0 start, 1 and 2 other widgets, -1 another program
    QTest::addColumn<QList<bool>>("repaints");
    QTest::newRow("leaving once repaints once") << QList<int> { 0, 1, 2 } << QList<bool> { false, true, false };
    QTest::newRow("back and away again") << QList<int> { 0, 1, 0, 2 } << QList<bool> { false, true, false, true };
    QTest::newRow("nothing before the focus was on the start") << QList<int> { 1, 2 } << QList<bool> { false, false };
    QTest::newRow("another program does nothing")
        << QList<int> { 0, -1, 1, -1 } << QList<bool> { false, false, true, false };
}

void MainFormTest::focusWatch()
{
    QFETCH(QList<int>, focus);
    QFETCH(QList<bool>, repaints);
    int widgets[3];
    FocusWatch watch(&widgets[0]);
    for (int i = 0; i < focus.size(); ++i) {
        const void* focused = focus[i] < 0 ? nullptr : &widgets[focus[i]];
        QCOMPARE(watch.FocusChanged(focused), repaints[i]);
    }
}

void MainFormTest::focusWatchRepaintsWhenFocusLeaves()
{
    MainForm form;
    QVERIFY(OpenPictureAndWait(form, MakePicture("focus.png", 100, 100)));
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
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

void MainFormTest::keyPreviewSeesKeysFirst()
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    QList<QPair<int, int>> seen;
    QString textWhenSeen;
    new KeyPreview(&window, [&](int16_t code, int16_t shift) {
        seen.append({ code, shift });
        textWhenSeen = edit->text();
    });
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Left, Qt::AltModifier);
    // Modifier keys arrive as keys of their own, Shift 16, Ctrl 17, Alt 18.
    QCOMPARE(
        seen, (QList<QPair<int, int>> { { 65, 0 }, { 16, 1 }, { 17, 3 }, { 68, 3 }, { 46, 0 }, { 18, 4 }, { 37, 4 } }));
    QCOMPARE(edit->text(), QStringLiteral("a")); // the focused control still got the keys
    QCOMPARE(textWhenSeen, QStringLiteral("a"));
}

QTEST_MAIN(MainFormTest)
#include "tst_main_form.moc"
