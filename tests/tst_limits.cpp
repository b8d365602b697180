#include "dialogs/OutputWindow.h"
#include "editor/EditorInvariants.h"
#include "support/EditorScript.h"
#include "support/WindowWaits.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The ends of what a map holds: full lists, a full polygon, and texts of any size and script.
class LimitsTest : public QObject {
    Q_OBJECT
private slots:
    // A full list takes no more areas of its kind, says so in the status bar, and leaves no step.
    void fullListsRefuseMore_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("notice");
        const QString boxes = "This map already holds 32766 rectangles and circles, the most it can hold.";
        const QString polygons = "This map already holds 32766 polygons, the most it can hold.";
        QTest::newRow("drawing a rectangle") << "tool rect; press 10,10; move 20,20; release" << boxes;
        QTest::newRow("drawing a circle") << "tool circle; press 10,10; move 20,20; release" << boxes;
        QTest::newRow("pasting a box") << "select b1; key ctrl+C; key ctrl+V" << boxes;
        QTest::newRow("duplicating a box") << "select b1; key ctrl+D" << boxes;
        QTest::newRow("starting a polygon") << "tool poly; click 10,10; click 20,20" << polygons + '|' + polygons;
        QTest::newRow("pasting a polygon") << "select p1; key ctrl+C; key ctrl+V" << polygons;
    }
    void fullListsRefuseMore()
    {
        QFETCH(QString, gesture);
        EditorScript s;
        s.editor.apply([](Editing& e) {
            std::vector<Area> areas(kMaxAreasPerKind, Area::rectangle({ 0, 0, 5, 5 }));
            areas.resize(2 * kMaxAreasPerKind, Area::polygon({ { 0, 0 }, { 9, 0 }, { 0, 9 }, { 0, 0 } }));
            e.map.reset(std::move(areas));
        });
        QVERIFY(s.play(gesture));
        QCOMPARE(s.editor.map().boxCount(), kMaxAreasPerKind);
        QCOMPARE(s.editor.map().polygonCount(), kMaxAreasPerKind);
        QTEST(s.notices.join('|'), "notice");
        QCOMPARE(s.editor.undoStack().count(), 0);
        QCOMPARE(editorProblems(s.editor), QStringList());
    }

    // Neither another corner nor the closing copy of the first fits.
    void aFullPolygonTakesNoMorePoints()
    {
        EditorScript s;
        QVERIFY(s.play("tool poly; click 10,10"));
        s.editor.apply([](Editing& e) {
            Area polygon = *e.map.find(e.state.building);
            std::vector<Vertex> vertices(kMaxPolygonVertices, Vertex { 10, 10 });
            for (size_t k = 1; k < vertices.size(); ++k)
                vertices[k] = { int16_t(k % 1000 + 100), int16_t(k / 1000 + 100) };
            polygon.setVertices(std::move(vertices));
            e.map.replace(polygon);
        });
        QVERIFY(s.play("click 500,400; click 10,10"));
        QCOMPARE(s.editor.map().at(0).vertices().size(), size_t(kMaxPolygonVertices));
        QVERIFY(s.editor.state().building != 0);
        QCOMPARE(s.notices, QStringList(2, "This polygon already has 32767 points, the most it can hold."));
        QCOMPARE(editorProblems(s.editor), QStringList());
    }

    // Texts pasted into the boxes go into the HTML unescaped and unchanged, and from there to
    // the clipboard.
    void anyTextReachesTheClipboardExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes and ampersands") << QStringLiteral("a\"b&c<d>'e");
        QTest::newRow("emoji") << QStringLiteral("🗺️ 👩🏽‍💻");
        QTest::newRow("right-to-left") << QStringLiteral("שלום عربي");
        QTest::newRow("combining marks") << QStringLiteral("e\u0301 a\u0308\u0323");
        QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('m'));
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    }
    void anyTextReachesTheClipboardExactly()
    {
        QFETCH(QString, text);
        QTemporaryDir folder;
        MainWindow window;
        QVERIFY(openPictureAndWait(window, writePicture(folder.filePath("p.png"), { 100, 100 })));
        window.editor().apply([](Editing& e) {
            const AreaId id = e.map.append(Area::polygon({ { 1, 2 }, { 3, 4 } }));
            selectArea(e, id);
            showProperties(e, *e.map.find(id));
        });
        const WindowControls& c = window.controls();
        for (QLineEdit* box : { c.mapNameBox, c.hrefBox, c.altBox }) {
            QGuiApplication::clipboard()->setText(box == c.altBox ? text + '2' : text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        c.generateButton->click();
        window.output().window()->copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
            "<map name=\"" + text + "\">\r\n<area href=\"" + text + "\" alt=\"" + text + "2"
                + "\" coords=\"1,2,3,4\" shape=\"poly\">\r\n</map>");
    }
};

QTEST_MAIN(LimitsTest)
#include "tst_limits.moc"
