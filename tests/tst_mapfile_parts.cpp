#include "mapfile/AreaShapeKeyword.h"
#include "mapfile/AttributeEscaping.h"
#include "mapfile/CoordinateList.h"
#include "mapfile/PictureAddress.h"

#include <QtTest>

#include <cmath>

class MapFilePartsTest : public QObject {
    Q_OBJECT
private slots:
    void coordinateList_data();
    void coordinateList();
    void shapeKeyword_data();
    void shapeKeyword();
    void escapingWhatHtmlCannotCarry_data();
    void escapingWhatHtmlCannotCarry();
    void pictureSource_data();
    void pictureSource();
    void pictureFile_data();
    void pictureFile();
};

namespace {

QString Joined(const std::vector<double>& numbers)
{
    QStringList parts;
    for (const double number : numbers)
        parts << QString::number(number, 'g', 17);
    return parts.join(u' ');
}

} // namespace

void MapFilePartsTest::coordinateList_data()
{
    QTest::addColumn<QString>("coords");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("percentEntry");
    QTest::addColumn<QString>("tooLargeEntry");
    QTest::newRow("commas") << "10,20,30,40"
                            << "10 20 30 40" << QString() << QString();
    QTest::newRow("any run of separators") << " ;, 1;2,, 3 \t\r\n\f4 ;"
                                           << "1 2 3 4" << QString() << QString();
    QTest::newRow("line tabulation is no separator") << "1\v2,3"
                                                     << "1 3" << QString() << QString();
    QTest::newRow("fractions and signs") << "1.5,-2.25,.5,-.5,+7"
                                         << "1.5 -2.25 0.5 -0.5 7" << QString() << QString();
    QTest::newRow("exponents") << "1e2,1E-1,1.e1,2e,3e+,4ex"
                               << "100 0.10000000000000001 10 2 3 4" << QString() << QString();
    QTest::newRow("a number ends where it stops fitting") << "12px,5.5.5,7-1"
                                                          << "12 5.5 7" << QString() << QString();
    QTest::newRow("leading garbage skipped") << "x12,(7),#3"
                                             << "12 7 3" << QString() << QString();
    QTest::newRow("no number reads as 0") << "a,-,.,-+5,\u0661"
                                          << "0 0 0 0 0" << QString() << QString();
    QTest::newRow("minus zero is zero") << "-0,-0.0"
                                        << "0 0" << QString() << QString();
    QTest::newRow("percent noted") << "10,50%,20%"
                                   << "10 50 20"
                                   << "50%" << QString();
    QTest::newRow("too large noted, tiny is 0") << "1e400,1e-400,2"
                                                << "0 0 2" << QString() << "1e400";
    QTest::newRow("empty") << ""
                           << "" << QString() << QString();
}

void MapFilePartsTest::coordinateList()
{
    QFETCH(QString, coords);
    QFETCH(QString, numbers);
    QFETCH(QString, percentEntry);
    QFETCH(QString, tooLargeEntry);
    const CoordinateList list = ParseCoordinateList(coords);
    QCOMPARE(Joined(list.numbers), numbers);
    QCOMPARE(list.percentEntry, percentEntry);
    QCOMPARE(list.tooLargeEntry, tooLargeEntry);
    for (const double number : list.numbers)
        QVERIFY(!std::signbit(number) || number != 0);
}

void MapFilePartsTest::shapeKeyword_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("shape");
    const int rect = int(AreaShapeKeyword::Rectangle), circle = int(AreaShapeKeyword::Circle),
              poly = int(AreaShapeKeyword::Polygon), whole = int(AreaShapeKeyword::Default);
    QTest::newRow("missing") << QVariant() << rect;
    QTest::newRow("RECTANGLE") << QVariant("RECTANGLE") << rect;
    QTest::newRow("circ") << QVariant("circ") << circle;
    QTest::newRow("CiRcLe") << QVariant("CiRcLe") << circle;
    QTest::newRow("Poly") << QVariant("Poly") << poly;
    QTest::newRow("polygon") << QVariant("polygon") << poly;
    QTest::newRow("DEFAULT") << QVariant("DEFAULT") << whole;
    QTest::newRow("unknown") << QVariant("triangle") << rect;
    QTest::newRow("empty") << QVariant("") << rect;
    QTest::newRow("spaces are not trimmed") << QVariant(" circle") << rect;
    QTest::newRow("non-ASCII case folding") << QVariant("poly\u017F") << rect; // long s folds to s in Unicode
}

void MapFilePartsTest::shapeKeyword()
{
    QFETCH(QVariant, value);
    QFETCH(int, shape);
    const std::optional<QString> attribute = value.isValid() ? std::optional(value.toString()) : std::nullopt;
    QCOMPARE(int(AreaShapeFromAttribute(attribute)), shape);
}

// What the round trips cannot show: the characters HTML has no way to carry, and the
// readable form of controls.
void MapFilePartsTest::escapingWhatHtmlCannotCarry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("markup") << "<a href=\"x\">&amp;</a>"
                            << "&lt;a href=&quot;x&quot;&gt;&amp;amp;&lt;/a&gt;";
    QTest::newRow("controls") << "a\r\nb\tc\x01\x7f"
                              << "a&#13;\nb\tc&#1;&#127;";
    QTest::newRow("NUL and C1 controls") << QString("a") + QChar(0) + QChar(0x85) + "b"
                                         << "a\uFFFD\uFFFDb";
    QTest::newRow("unpaired surrogates") << QString(QChar(0xD800)) + "x" + QChar(0xDC00) << "\uFFFDx\uFFFD";
    QTest::newRow("pairs kept") << "\U0001F600 \u00E9"
                                << "\U0001F600 \u00E9";
}

void MapFilePartsTest::escapingWhatHtmlCannotCarry()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(EscapedHtmlText(text), escaped);
}

void MapFilePartsTest::pictureSource_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("source");
    QTest::newRow("same folder") << "/w/site/pic.png"
                                 << "pic.png";
    QTest::newRow("below") << "/w/site/img/my pic.png"
                           << "img/my%20pic.png";
    QTest::newRow("beside") << "/w/other/p.png"
                            << "../other/p.png";
    QTest::newRow("URL characters encoded") << "/w/site/a:b#1?%&.png"
                                            << "a%3Ab%231%3F%25%26.png";
    QTest::newRow("non-ASCII as UTF-8") << "/w/site/K\u00e4se.jpg"
                                        << "K%C3%A4se.jpg";
    QTest::newRow("readable punctuation") << "/w/site/a(1)+b,c=d@e!.png"
                                          << "a(1)+b,c=d@e!.png";
}

void MapFilePartsTest::pictureSource()
{
    QFETCH(QString, picture);
    QFETCH(QString, source);
    const QString page = QStringLiteral("/w/site/page.html");
    QCOMPARE(PictureSourceFor(page, picture), source);
    QCOMPARE(PictureFileFromSource(page, QString(), source), picture); // and back
}

void MapFilePartsTest::pictureFile_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("file");
    QTest::newRow("spaces around, backslashes") << QString() << " \timg\\a%20b.png\n"
                                                << "/w/site/img/a b.png";
    QTest::newRow("query and fragment") << QString() << "a.png?v=2#top"
                                        << "/w/site/a.png";
    QTest::newRow("absolute file URL") << QString() << "file:///tmp/x.png"
                                       << "/tmp/x.png";
    QTest::newRow("base folder") << "../shared/"
                                 << "x.png"
                                 << "/w/shared/x.png";
    QTest::newRow("web address") << QString() << "https://example.org/x.png" << QString();
    QTest::newRow("web base") << "https://example.org/"
                              << "x.png" << QString();
    QTest::newRow("embedded data") << QString() << "data:image/png;base64,AAAA" << QString();
    QTest::newRow("none") << QString() << "  " << QString();
}

void MapFilePartsTest::pictureFile()
{
    QFETCH(QString, base);
    QFETCH(QString, source);
    QFETCH(QString, file);
    QCOMPARE(PictureFileFromSource(QStringLiteral("/w/site/page.html"), base, source), file);
}

QTEST_GUILESS_MAIN(MapFilePartsTest)
#include "tst_mapfile_parts.moc"
