#include "dialogs/OutputWindow.h"
#include "dialogs/ProblemListWindow.h"
#include "html/MapWriter.h"
#include "support/WindowWaits.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"
#include "window/ProblemsDisplay.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

Area box(const Box& where, const QString& href, const QString& alt)
{
    Area area = Area::rectangle(where);
    area.setAttribute(QLatin1String("href"), href);
    area.setAttribute(QLatin1String("alt"), alt);
    return area;
}

ImageMap mapOf(std::vector<Area> areas)
{
    ImageMap map;
    map.setName("plan");
    for (Area& area : areas)
        map.append(std::move(area));
    return map;
}

QStringList listed(const ProblemListWindow& list)
{
    QStringList rows;
    for (int i = 0; i < list.list()->count(); ++i)
        rows << list.list()->item(i)->text();
    return rows;
}

} // namespace

// The map's problems in the main window: their number always in the status bar, their list a
// click away, a click on one selects its area; and the Output window's Copy escaped.
class ProblemsWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    bool open(MainWindow& window, QSize size, ImageMap map)
    {
        window.openPicture(writePicture(m_dir.filePath("plan.png"), size), std::move(map));
        return waitForPicture(window);
    }

private slots:
    void countFollowsTheMap()
    {
        MainWindow window;
        window.show();
        QToolButton* panel = window.controls().problemsPanel;
        QVERIFY(!panel->isVisible()); // no map before a picture
        QVERIFY(open(window, { 200, 100 },
            mapOf({ box({ 0, 0, 50, 50 }, "a.html", ""), box({ 10, 10, 20, 20 }, "b.html", "B") })));
        QTRY_COMPARE(panel->text(), "2 problems");
        QVERIFY(panel->isVisible());
        window.editor().select(window.editor().map().at(0).id());
        window.editor().editAlt("A");
        QTRY_COMPARE(panel->text(), "1 problem");
        window.editor().deleteSelected();
        QTRY_COMPARE(panel->text(), "No problems");
        window.editor().setMapName("");
        QTRY_COMPARE(panel->text(), "1 problem");
    }

    // The polygon being built is not a problem until it is finished.
    void polygonBeingBuilt()
    {
        MainWindow window;
        window.show();
        QVERIFY(open(window, { 200, 100 }, mapOf({})));
        QToolButton* panel = window.controls().problemsPanel;
        QTRY_COMPARE(panel->text(), "No problems");
        window.editor().chooseTool(Tool::Polygon);
        QWidget* port = window.controls().canvas->viewport();
        for (const QPoint corner : { QPoint(10, 10), QPoint(90, 10) }) {
            QTest::mouseMove(port, corner);
            QTest::mouseClick(port, Qt::LeftButton, {}, corner);
        }
        QVERIFY(window.editor().state().building != 0);
        QTest::qWait(600);
        QCOMPARE(panel->text(), "No problems");
        for (const QPoint corner : { QPoint(50, 80), QPoint(10, 10) }) {
            QTest::mouseMove(port, corner);
            QTest::mouseClick(port, Qt::LeftButton, {}, corner);
        }
        QCOMPARE(window.editor().state().building, AreaId(0));
        QTRY_COMPARE(panel->text(), "1 problem"); // its link has no alt text yet
    }

    // A click on the panel opens the list; a click on a problem selects its area and scrolls
    // it into view; the map's own problem takes the focus to its name.
    void listChoosesArea()
    {
        MainWindow window;
        window.resize(600, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ImageMap map = mapOf({ box({ 10, 10, 50, 50 }, "a.html", "A"), box({ 2500, 2600, 100, 100 }, "far.html", "") });
        map.setName("my plan");
        QVERIFY(open(window, { 3000, 3000 }, map));
        QTRY_COMPARE(window.controls().problemsPanel->text(), "2 problems");
        QTest::mouseClick(window.controls().problemsPanel, Qt::LeftButton);
        ProblemListWindow* list = window.problems().listWindow();
        QVERIFY(list && list->isVisible());
        QCOMPARE(listed(*list),
            QStringList({ "map \"my plan\": its name holds a space, which HTML does not allow: validators reject "
                          "the page, and a usemap that writes the space as %20 finds no map",
                "map \"my plan\", area 2: its link to “far.html” has no alt text: screen readers can only read out "
                "the address, and accessibility checkers fail the page" }));
        QListWidget* rows = list->list();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(1)).center());
        const Area& far = window.editor().map().at(1);
        QCOMPARE(window.editor().state().selected, far.id());
        QCOMPARE(window.editor().state().tool, Tool::Arrow);
        QCOMPARE(window.controls().hrefBox->text(), "far.html");
        CanvasView* canvas = window.controls().canvas;
        const QRect shown(QPoint(canvas->horizontalScrollBar()->value(), canvas->verticalScrollBar()->value()),
            canvas->viewport()->size());
        QVERIFY(shown.contains(QRect(2500, 2600, 100, 100)));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(0)).center());
        QTRY_VERIFY(window.controls().mapNameBox->hasFocus());
        window.editor().setMapName("plan");
        QTRY_COMPARE(rows->count(), 1); // the open list follows the map
    }

    // Generate writes texts as typed; Copy escaped, beside Copy the whole text, copies the same
    // maps as a page must hold them.
    void copyEscaped()
    {
        MainWindow window;
        QVERIFY(open(window, { 100, 100 }, mapOf({ box({ 1, 2, 3, 4 }, "a.html?x=1&copy=2", "12\" > 6\" monitor") })));
        window.generate();
        window.generate();
        OutputWindow* output = window.output().window();
        QCOMPARE(output->copyButton()->text(), "Copy the whole text");
        QCOMPARE(output->copyButton()->geometry(), QRect(8, 8, 129, 25));
        QCOMPARE(output->copyEscapedButton()->text(), "Copy escaped");
        const QString literal = mapElement(window.editor().map(), HtmlForm::Literal);
        QTest::mouseClick(output->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), literal + literal);
        QTest::mouseClick(output->copyEscapedButton(), Qt::LeftButton);
        const QString escaped
            = "<map name=\"plan\">\r\n<area href=\"a.html?x=1&amp;copy=2\" alt=\"12&quot; &gt; 6&quot; "
              "monitor\" coords=\"1,2,4,6\">\r\n</map>";
        QCOMPARE(QGuiApplication::clipboard()->text(), escaped + escaped);
    }
};

QTEST_MAIN(ProblemsWindowTest)
#include "tst_problems_window.moc"
