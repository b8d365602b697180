#include "mapfile/AreaShapeKeyword.h"
#include "mapfile/CoordinateList.h"
#include "mapfile/PictureAddress.h"

#include <QtTest>

#include <cmath>

class MapFilePartsTest : public QObject {
    Q_OBJECT
private slots:
    void coordinateList_data()
    {
        QTest::addColumn<QString>("coords");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("percentEntry");
        QTest::addColumn<QString>("tooLargeEntry");
        const auto row
            = [](const char* name, const QString& coords, const char* numbers, const char* percent = "",
                  const char* tooLarge = "") { QTest::newRow(name) << coords << numbers << percent << tooLarge; };
        row("any run of separators", " ;, 1;2,, 3 \t\r\n\f4 ;", "1 2 3 4");
        row("line tabulation is no separator", "1\v2,3", "1 3");
        row("fractions and signs", "1.5,-2.25,.5,-.5,+7", "1.5 -2.25 0.5 -0.5 7");
        row("exponents", "1e2,1E-1,1.e1,2e,3e+,4ex", "100 0.10000000000000001 10 2 3 4");
        row("a number ends where it stops fitting", "12px,5.5.5,7-1", "12 5.5 7");
        row("leading garbage skipped", "x12,(7),#3", "12 7 3");
        row("no number reads as 0", "a,-,.,-+5,\u0661", "0 0 0 0 0");
        row("minus zero is zero", "-0,-0.0", "0 0");
        row("first percentage noted", "10,50%,20%", "10 50 20", "50%");
        row("too large noted, tiny is 0", "1e400,1e-400,2", "0 0 2", "", "1e400");
    }

    void coordinateList()
    {
        QFETCH(QString, coords);
        const CoordinateList list = ParseCoordinateList(coords);
        QStringList numbers;
        for (const double number : list.numbers) // QString::number writes -0 as 0
            numbers << (std::signbit(number) && number == 0 ? "-0" : QString::number(number, 'g', 17));
        QTEST(numbers.join(u' '), "numbers");
        QTEST(list.percentEntry, "percentEntry");
        QTEST(list.tooLargeEntry, "tooLargeEntry");
    }

    void shapeKeyword_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<AreaShapeKeyword>("shape");
        QTest::newRow("missing") << QVariant() << AreaShapeKeyword::Rectangle;
        QTest::newRow("circ") << QVariant("circ") << AreaShapeKeyword::Circle;
        QTest::newRow("CiRcLe") << QVariant("CiRcLe") << AreaShapeKeyword::Circle;
        QTest::newRow("Poly") << QVariant("Poly") << AreaShapeKeyword::Polygon;
        QTest::newRow("polygon") << QVariant("polygon") << AreaShapeKeyword::Polygon;
        QTest::newRow("DEFAULT") << QVariant("DEFAULT") << AreaShapeKeyword::Default;
        QTest::newRow("unknown") << QVariant("triangle") << AreaShapeKeyword::Rectangle;
        QTest::newRow("spaces are not trimmed") << QVariant(" circle") << AreaShapeKeyword::Rectangle;
        // The long s folds to s in Unicode, but browsers fold ASCII letters only.
        QTest::newRow("non-ASCII case folding") << QVariant("poly\u017F") << AreaShapeKeyword::Rectangle;
    }

    void shapeKeyword()
    {
        QFETCH(QVariant, value);
        QTEST(AreaShapeFromAttribute(value.isValid() ? std::optional(value.toString()) : std::nullopt), "shape");
    }

    // For a page at /w/site/page.html: the file a picture's src names, and the src written for it.
    void pictureAddress_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("file"); // empty: no local file
        QTest::addColumn<bool>("written"); // the source Korvel writes for the file
        const auto row = [](const char* name, const char* base, const char* source, const char* file, bool written) {
            QTest::newRow(name) << QString(base) << QString(source) << QString(file) << written;
        };
        row("below", "", "img/my%20pic.png", "/w/site/img/my pic.png", true);
        row("beside", "", "../other/p.png", "/w/other/p.png", true);
        row("URL characters encoded", "", "a%3Ab%231%3F%25%26.png", "/w/site/a:b#1?%&.png", true);
        row("non-ASCII as UTF-8", "", "K%C3%A4se.jpg", "/w/site/K\u00e4se.jpg", true);
        row("readable punctuation", "", "a(1)+b,c=d@e!.png", "/w/site/a(1)+b,c=d@e!.png", true);
        row("spaces around, backslashes", "", " \timg\\a%20b.png\n", "/w/site/img/a b.png", false);
        row("query and fragment", "", "a.png?v=2#top", "/w/site/a.png", false);
        row("absolute file URL", "", "file:///tmp/x.png", "/tmp/x.png", false);
        row("base folder", "../shared/", "x.png", "/w/shared/x.png", false);
        row("web address", "", "https://example.org/x.png", "", false);
        row("web base", "https://example.org/", "x.png", "", false);
        row("none", "", "  ", "", false);
    }

    void pictureAddress()
    {
        QFETCH(QString, base);
        QFETCH(QString, source);
        QFETCH(QString, file);
        const QString page = QStringLiteral("/w/site/page.html");
        QCOMPARE(PictureFileFromSource(page, base, source), file);
        QFETCH(bool, written);
        if (written)
            QCOMPARE(PictureSourceFor(page, file), source);
    }
};

QTEST_GUILESS_MAIN(MapFilePartsTest)
#include "tst_mapfile_parts.moc"
