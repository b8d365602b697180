#include "forms/WindowIcon.h"

#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

class tst_Pictures : public QObject {
    Q_OBJECT

private slots:
    void rendersWithVisibleContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        for (int size : { 32, 64 })
            for (const char* name : { "new", "open", "save", "rect", "circle", "poly", "generate", "help", "icon" })
                QTest::addRow("%s@%d", name, size) << QString(name) << size;
    }

    void rendersWithVisibleContent()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        // QSvgRenderer reports what it cannot draw (a dangling reference, bad path data) only as a
        // warning, and then draws the rest; such a picture is broken all the same.
        QTest::failOnWarning(QRegularExpression(".*"));
        QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
        QVERIFY(renderer.isValid());
        const bool isIcon = name == "icon";
        // The button pictures are drawn on the 32-pixel grid that the buttons show them at.
        if (!isIcon)
            QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 32, 32));

        const QImage drawn = (isIcon ? KorvelIcon() : ToolPicture(name)).pixmap(size).toImage();
        QCOMPARE(drawn.size(), QSize(size, size));
        QImage blank(drawn.size(), drawn.format());
        blank.fill(Qt::transparent);
        QVERIFY(drawn != blank);
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
