#include "editing/HitTest.h"
#include "support/EditorHarness.h"

#include <QtTest>

class HitTestTest : public QObject {
    Q_OBJECT
private slots:
    void areaUnderPointer_data();
    void areaUnderPointer();
    void pointInPolygon_data();
    void pointInPolygon();
    void canClose_data();
    void canClose();
};

void HitTestTest::areaUnderPointer_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<QString>("hit"); // b2, p1 or "" for nothing
    const char* box = "box 10,20,30,40";
    QTest::newRow("box: left edge inclusive") << box << QPointF(10, 20) << "b1";
    QTest::newRow("box: right edge inclusive") << box << QPointF(40, 60) << "b1";
    QTest::newRow("box: one past the right edge") << box << QPointF(41, 30) << "";
    QTest::newRow("box: one above") << box << QPointF(20, 19) << "";
    QTest::newRow("circle: hit in its box's corner") << "circle 0,0,40,40" << QPointF(1, 1) << "b1";
    QTest::newRow("overlapping boxes: the later one") << "box 0,0,50,50; box 20,20,50,50" << QPointF(30, 30) << "b2";
    QTest::newRow("a box before a later polygon")
        << "box 0,0,50,50; polygon 0,0 100,0 100,100 0,100" << QPointF(30, 30) << "b1";
    QTest::newRow("overlapping polygons: the later one")
        << "polygon 0,0 100,0 100,100; polygon 0,0 100,0 100,100" << QPointF(90, 10) << "p2";
    QTest::newRow("two vertices are never hit") << "open 0,0 100,100" << QPointF(50, 50) << "";
    QTest::newRow("open polygon of three: tested as closed") << "open 0,0 100,0 100,100" << QPointF(90, 10) << "p1";
    QTest::newRow("concave: inside the notch is outside")
        << "polygon 0,0 100,0 100,100 50,20 0,100" << QPointF(50, 60) << "";
    QTest::newRow("concave: in an arm") << "polygon 0,0 100,0 100,100 50,20 0,100" << QPointF(90, 60) << "p1";
    QTest::newRow("self-intersecting: the doubly covered middle is outside (even-odd)")
        << "polygon 0,0 100,0 100,100 0,100 0,40 140,40 140,60 0,60" << QPointF(50, 50) << "";
    QTest::newRow("self-intersecting: singly covered")
        << "polygon 0,0 100,0 100,100 0,100 0,40 140,40 140,60 0,60" << QPointF(120, 50) << "p1";
}

void HitTestTest::areaUnderPointer()
{
    QFETCH(QString, scene);
    QFETCH(QPointF, pointer);
    QFETCH(QString, hit);
    EditorHarness h;
    QVERIFY(h.Play(scene));
    QVERIFY(h.Play(QStringLiteral("move %1,%2").arg(pointer.x()).arg(pointer.y())));
    const AreaRef found = FindAreaUnderMouse(h.editor());
    const QString name = found.kind == AreaKind::None
        ? QString()
        : (found.kind == AreaKind::Box ? QStringLiteral("b") : QStringLiteral("p")) + QString::number(found.index);
    QCOMPARE(name, hit);
}

void HitTestTest::pointInPolygon_data()
{
    QTest::addColumn<QList<int>>("xy"); // x1, y1, x2, y2, ... (closed: the first repeated at the end)
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("inside");
    const QList<int> square { 0, 0, 10, 0, 10, 10, 0, 10, 0, 0 };
    // On the boundary the crossing rule decides: right and top edges count, left and bottom do not.
    QTest::newRow("on the top-left vertex") << square << 0.f << 0 << 0;
    QTest::newRow("on the left edge") << square << 0.f << 5 << 0;
    QTest::newRow("on the right edge") << square << 10.f << 5 << 1;
    QTest::newRow("on the top edge") << square << 5.f << 0 << 1;
    QTest::newRow("on the bottom edge") << square << 5.f << 10 << 0;
    QTest::newRow("x keeps its fraction: just inside") << square << 9.75f << 5 << 1;
    QTest::newRow("x keeps its fraction: just outside") << square << -0.25f << 5 << 0;
    // Products of 17-bit differences need 34 bits; an overflow would flip these.
    const QList<int> huge { -32768, -32768, 32767, -32768, 32767, 32767, -32768, 32767 };
    QTest::newRow("16-bit extremes: centre") << huge << 0.f << 0 << 1;
    QTest::newRow("16-bit extremes: near a corner") << huge << 32766.5f << 32766 << 1;
    // A sliver across the whole range, half a pixel wide at x = 0: only x's fraction tells.
    const QList<int> sliver { -32768, -32768, 32767, 32767, 32767, 32766 };
    QTest::newRow("sliver: inside by a quarter pixel") << sliver << 0.25f << 0 << 1;
    QTest::newRow("sliver: outside by a quarter pixel") << sliver << 0.75f << 0 << 0;
}

void HitTestTest::pointInPolygon()
{
    QFETCH(QList<int>, xy);
    QFETCH(float, x);
    QFETCH(int, y);
    QFETCH(int, inside);
    PolygonArea polygon;
    polygon.vertexCount = int16_t(xy.size() / 2);
    ResizeVertexArrays(polygon, polygon.vertexCount);
    for (int k = 0; k < polygon.vertexCount; ++k) {
        polygon.vertexX[size_t(k) + 1] = int16_t(xy[2 * k]);
        polygon.vertexY[size_t(k) + 1] = int16_t(xy[2 * k + 1]);
    }
    QCOMPARE(int(PointInPolygon(polygon, x, int16_t(y))), inside);
}

void HitTestTest::canClose_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("closes");
    const char* three = "click 10,10; click 50,10; click 30,40";
    QTest::newRow("3 right and 3 below") << three << QPoint(13, 13) << true;
    QTest::newRow("3 left and 3 above") << three << QPoint(7, 7) << true;
    QTest::newRow("4 right") << three << QPoint(14, 10) << false;
    QTest::newRow("4 below") << three << QPoint(10, 14) << false;
    QTest::newRow("two vertices") << "click 10,10; click 50,10" << QPoint(10, 10) << false;
}

void HitTestTest::canClose()
{
    QFETCH(QString, clicks);
    QFETCH(QPoint, pointer);
    EditorHarness h;
    QVERIFY(h.Play("tool poly; " + clicks));
    QVERIFY(h.Play(QStringLiteral("move %1,%2").arg(pointer.x()).arg(pointer.y())));
    QTEST(CanClosePolygon(h.editor()), "closes");
}

QTEST_GUILESS_MAIN(HitTestTest)
#include "tst_hit_test.moc"
