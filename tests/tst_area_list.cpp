#include "editor/EditorInvariants.h"
#include "list/AreaListModel.h"
#include "list/AreaListView.h"
#include "list/AreaPanel.h"
#include "map/AreaGeometry.h"
#include "preview/BrowserLayout.h"
#include "support/ModalWindows.h"
#include "support/WindowWaits.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QWidget* port(const MainWindow& window)
{
    return window.controls().canvas->viewport();
}

// Boxes of 40 pixels in a row from (10, 10), named by their hrefs.
void addBoxes(MainWindow& window, const QStringList& names)
{
    window.editor().apply([&](Editing& e) {
        for (int i = 0; i < names.size(); ++i) {
            Area box = Area::rectangle({ float(10 + 50 * i), 10, 40, 40 });
            box.setAttribute(QLatin1String("href"), names[i]);
            e.map.append(box);
        }
    });
}

// The hrefs in the map's order, the selected one starred.
QString order(const MapEditor& editor)
{
    QStringList names;
    for (const Area& area : editor.map().areas())
        names << area.text(QLatin1String("href")) + (area.id() == editor.state().selected ? "*" : "");
    return names.join(u' ');
}

// The row the list shows chosen, or -1.
int chosenRow(const MainWindow& window)
{
    const QModelIndexList rows = window.areaPanel()->list()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void typeInto(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

// The area list, the order of the areas, their attributes and coordinates, and the browser
// preview, through real events on the main window.
class AreaListTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // A window with the list shown, active, on a picture of the given size.
    std::unique_ptr<MainWindow> listWindow(QSize picture = { 300, 200 })
    {
        auto window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        [&] { QVERIFY(openPictureAndWait(*window, writePicture(m_dir.filePath("list.png"), picture))); }();
        window->showAreaList(true);
        return window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QStandardPaths::setTestModeEnabled(true); // the user's own settings stay untouched
        QCoreApplication::setOrganizationName(QStringLiteral("KorvelTest"));
        QSettings().clear();
    }

    // Page Up, Page Down, Home and End move the selected area from the canvas, a button and
    // the list, each move one undo step; in a text box they are the box's.
    void orderKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Page Down on the canvas") << "canvas" << QKeySequence(Qt::Key_PageDown) << "a c b* d";
        QTest::newRow("Page Up in the list") << "list" << QKeySequence(Qt::Key_PageUp) << "b* a c d";
        QTest::newRow("End then Home in the list") << "list" << QKeySequence(Qt::Key_End, Qt::Key_Home) << "b* a c d";
        QTest::newRow("End on a button") << "button" << QKeySequence(Qt::Key_End) << "a c d b*";
        QTest::newRow("no further than first") << "canvas" << QKeySequence(Qt::Key_PageUp, Qt::Key_PageUp) << "b* a c d";
        QTest::newRow("the URL box keeps its keys") << "href" << QKeySequence(Qt::Key_PageDown, Qt::Key_End)
                                                    << "a b* c d";
    }
    void orderKeys()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        auto window = listWindow();
        addBoxes(*window, { "a", "b", "c", "d" });
        QTest::mouseClick(port(*window), Qt::LeftButton, {}, { 80, 30 }); // b
        const WindowControls& c = window->controls();
        QWidget* focused = focus == "list" ? window->areaPanel()->list()
            : focus == "button"            ? static_cast<QWidget*>(c.listButton)
            : focus == "href"              ? static_cast<QWidget*>(c.hrefBox)
                                           : c.canvas;
        focused->setFocus();
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(focused, keys[i].key());
        QTEST(order(window->editor()), "expected");
        QCOMPARE(chosenRow(*window), window->editor().map().indexOf(window->editor().state().selected));
        c.canvas->setFocus();
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(c.canvas, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(order(window->editor()), QStringLiteral("a b* c d"));
    }

    // A row dropped between two others moves its area there, as one undo step.
    void draggedRowMovesItsArea()
    {
        auto window = listWindow();
        addBoxes(*window, { "a", "b", "c", "d" });
        AreaListView* list = window->areaPanel()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 1)).center());
        QCOMPARE(order(window->editor()), QStringLiteral("a* b c d"));
        std::unique_ptr<QMimeData> dragged(list->model()->mimeData({ list->model()->index(0, 0) }));
        const QRect below = list->visualRect(list->model()->index(2, 1)); // the lower edge of c's row
        const QPoint at(below.center().x(), below.bottom() - 1);
        QDragEnterEvent enter(at, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &enter); // makes the list the drag's target
        QDragMoveEvent move(at, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &drop);
        QCOMPARE(order(window->editor()), QStringLiteral("b c a* d"));
        QCOMPARE(chosenRow(*window), 2);
        window->editor().undo();
        QCOMPARE(order(window->editor()), QStringLiteral("a* b c d"));
    }

    // A press on the canvas chooses the row and scrolls it into view; a row chosen in the list
    // chooses the area and scrolls the canvas to it. A kept area's row cannot be chosen.
    void choosingOnEitherSide()
    {
        auto window = listWindow({ 3000, 300 });
        QStringList names;
        for (int i = 0; i < 58; ++i)
            names << QString::number(i);
        addBoxes(*window, names);
        window->editor().apply([](Editing& e) {
            e.map.append(Area::fromPage(AreaShape::Kept, { { "shape", "default" }, { "href", "kept" } }));
        });
        AreaListView* list = window->areaPanel()->list();
        QTest::mouseClick(port(*window), Qt::LeftButton, {}, { 30, 30 });
        QCOMPARE(chosenRow(*window), 0);
        list->scrollToBottom();
        const QRect row = list->visualRect(list->model()->index(57, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(order(window->editor()).section(u' ', 57, 57), QStringLiteral("57*"));
        const CanvasView* canvas = window->controls().canvas;
        const QRect shown(QPoint(canvas->horizontalScrollBar()->value(), canvas->verticalScrollBar()->value()),
            port(*window)->size());
        QVERIFY(shown.contains(QRect(10 + 50 * 57, 10, 40, 40)));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(58, 1)).center());
        QCOMPARE(chosenRow(*window), 57);
        QTest::mouseClick(port(*window), Qt::LeftButton, {}, { 35, 200 }); // below the boxes
        QCOMPARE(chosenRow(*window), -1);
    }

    // Typed coordinates are checked: refused with the reason and the area unchanged, or taken
    // as one undo step.
    void typedCoordinates_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // the coords afterwards, or a piece of the reason
        QTest::newRow("rectangle") << "rect" << "5, 6, 100, 70" << "5,6,100,70";
        QTest::newRow("rectangle written backwards") << "rect" << "100 70 5 6" << "5,6,100,70";
        QTest::newRow("three numbers for a rectangle") << "rect" << "5,6,100" << "four numbers";
        QTest::newRow("a fraction") << "rect" << "5,6,100.5,70" << "not a whole number";
        QTest::newRow("an empty entry") << "rect" << "5,,6,100,70" << "missing";
        QTest::newRow("past the range") << "rect" << "5,6,40000,70" << "outside";
        QTest::newRow("circle") << "circle" << "50,60,25" << "50,60,25";
        QTest::newRow("negative radius") << "circle" << "50,60,-1" << "negative";
        QTest::newRow("circle past the range") << "circle" << "32760,60,10" << "reaches past";
        QTest::newRow("polygon, closed for it") << "poly" << "0,0,90,0,40,60" << "0,0,90,0,40,60,0,0";
        QTest::newRow("two corners and the first again") << "poly" << "0,0,90,0,0,0" << "three corners";
        QTest::newRow("odd count") << "poly" << "0,0,90,0,40" << "pairs";
    }
    void typedCoordinates()
    {
        QFETCH(QString, shape);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        auto window = listWindow();
        window->editor().apply([&](Editing& e) {
            const Box box { 20, 20, 40, 40 };
            selectArea(e, e.map.append(shape == "rect" ? Area::rectangle(box)
                    : shape == "circle"                ? Area::circle(box)
                                                       : Area::polygon({ { 20, 20 }, { 60, 20 }, { 40, 60 }, { 20, 20 } })));
        });
        const QString before = coordsText(window->editor().map().at(0));
        const AreaPanel::Form& form = window->areaPanel()->form();
        typeInto(form.coords, typed);
        const bool taken = expected.front().isDigit();
        QCOMPARE(coordsText(window->editor().map().at(0)), taken ? expected : before);
        QCOMPARE(form.problem->isVisibleTo(window.get()), !taken);
        QVERIFY2(taken || form.problem->text().contains(expected), qPrintable(form.problem->text()));
        QCOMPARE(window->controls().noticePanel->text(), form.problem->text());
        QCOMPARE(form.coords->text(), taken ? expected : typed);
        window->editor().undo();
        QCOMPARE(coordsText(window->editor().map().at(0)), before);
    }

    // title, target and nohref in the panel and the list reach the HTML; href and alt stay in
    // step between the panel and the boxes above the canvas.
    void attributesReachTheHtml()
    {
        auto window = listWindow();
        addBoxes(*window, { "a" });
        QTest::mouseClick(port(*window), Qt::LeftButton, {}, { 30, 30 });
        const AreaPanel::Form& form = window->areaPanel()->form();
        typeInto(form.title, "Title");
        typeInto(form.alt, "Alt");
        QCOMPARE(window->controls().altBox->text(), QStringLiteral("Alt"));
        AreaListView* list = window->areaPanel()->list();
        list->scrollTo(list->model()->index(0, AreaListModel::TargetColumn));
        const QRect target = list->visualRect(list->model()->index(0, AreaListModel::TargetColumn));
        list->setFocus();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, target.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, target.center());
        QTRY_VERIFY(QApplication::focusWidget() != list);
        QTest::keyClicks(QApplication::focusWidget(), "_blank");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::mouseClick(form.noHref, Qt::LeftButton);
        QCOMPARE(window->controls().hrefBox->text(), QString());
        window->generate();
        QCOMPARE(window->output().window()->text(),
            QStringLiteral("<map name=\"\">\r\n<area nohref alt=\"Alt\" title=\"Title\" target=\"_blank\" "
                           "coords=\"10,10,50,50\">\r\n</map>"));
        QTest::mouseClick(form.noHref, Qt::LeftButton);
        typeInto(window->controls().hrefBox, "b");
        QCOMPARE(form.href->text(), QStringLiteral("b"));
        QCOMPARE(window->editor().map().at(0).text(QLatin1String("href")), QStringLiteral("b"));
    }

    // Hovering in the preview shows what a browser follows at the pointer, even on the edges of
    // overlapping areas; areas no pixel leads to are marked, and nothing edits the map.
    void previewFollowsTheBrowser()
    {
        auto window = listWindow({ 120, 110 });
        window->editor().apply([](Editing& e) {
            e.map.append(Area::fromPage(AreaShape::Kept, { { "shape", "default" }, { "href", "d" } }));
            Area first = Area::rectangle({ 20, 20, 40, 40 });
            first.setAttribute(QLatin1String("title"), "First");
            e.map.append(first);
            e.map.append(Area::circle({ 40, 40, 40, 40 }));
            e.map.append(Area::polygon({ { 50, 30 }, { 100, 30 }, { 75, 80 }, { 50, 30 } }));
            e.map.append(Area::rectangle({ 30, 30, 20, 20 })); // behind the first
        });
        const ImageMap before = window->editor().map();
        QTest::keyClick(window->controls().canvas, Qt::Key_F3);
        QVERIFY(window->editor().isPreviewing() && window->controls().previewButton->isChecked());
        std::vector<BrowserArea> browser;
        for (const Area& area : before.areas())
            browser.push_back(readBrowserArea(area.attribute(QLatin1String("shape")), coordsText(area)));
        for (int y : { 19, 20, 30, 40, 41, 60, 61, 80 })
            for (int x = 15; x <= 105; ++x)
                for (const QPoint at : { QPoint(x, y), QPoint(y, x) }) {
                    QTest::mouseMove(port(*window), at);
                    QCOMPARE(window->controls().canvas->followedArea(), browserAreaAt(browser, at.x(), at.y()));
                }
        QTest::mouseMove(port(*window), { 20, 20 });
        QCOMPARE(port(*window)->toolTip(), QStringLiteral("This page again (empty href)\nFirst"));
        const AreaListModel& model = window->areaPanel()->model();
        QTRY_VERIFY(model.data(model.index(4, 0), Qt::BackgroundRole).isValid()); // found on a worker
        QVERIFY(!model.data(model.index(3, 0), Qt::BackgroundRole).isValid());
        QTest::mousePress(port(*window), Qt::LeftButton, {}, { 30, 30 });
        QTest::mouseMove(port(*window), { 60, 60 });
        QTest::mouseRelease(port(*window), Qt::LeftButton, {}, { 60, 60 });
        QTest::keyClick(window->controls().canvas, Qt::Key_Delete);
        QTest::keyClick(window->controls().canvas, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(window->editor().map() == before);
        QTest::mouseClick(window->controls().previewButton, Qt::LeftButton);
        QTest::mouseClick(port(*window), Qt::LeftButton, {}, { 25, 25 });
        QCOMPARE(chosenRow(*window), 1); // editing again
    }

    // With the list hidden again every control is where it was, and the window as large;
    // Korvel remembers whether the list shows.
    void hiddenListLeavesTheWindowAsItWas()
    {
        QSettings().clear();
        MainWindow window;
        QVERIFY(!window.isAreaListShown());
        window.show();
        const auto geometries = [&window] {
            QList<QRect> all { window.geometry() };
            for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                all << (child->isVisibleTo(&window) ? child->geometry() : QRect());
            return all;
        };
        const QList<QRect> before = geometries();
        QTest::mouseClick(window.controls().listButton, Qt::LeftButton);
        QCOMPARE(window.width(), before.front().width() + 460);
        QVERIFY(MainWindow().isAreaListShown());
        QTest::mouseClick(window.controls().listButton, Qt::LeftButton);
        QCOMPARE(geometries(), before);
        QVERIFY(!MainWindow().isAreaListShown());
        QCOMPARE(editorProblems(window.editor()), QStringList());
    }
};

QTEST_MAIN(AreaListTest)
#include "tst_area_list.moc"
