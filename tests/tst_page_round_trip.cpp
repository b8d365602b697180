#include "html/MapWriter.h"
#include "html/PageReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Attributes = std::vector<Attribute>;

// Areas as pages have them, written the way people write pages: names in any case; values
// quoted, unquoted or bare, with entities; whitespace and line breaks; coords of any shape,
// now and then too few, with percentages, fractions, junk and odd separators.
struct RandomPage {
    QRandomGenerator random { 18 };

    bool chance(int percent) { return int(random.bounded(100)) < percent; }
    template <typename T> T oneOf(std::initializer_list<T> items)
    {
        return items.begin()[random.bounded(int(items.size()))];
    }

    std::vector<Attributes> areas()
    {
        std::vector<Attributes> areas(size_t(random.bounded(9)));
        for (Attributes& area : areas) {
            QStringList names { "href", "nohref", "alt", "title", "target", "id", "onclick", "data-x", "shape" };
            while (!names.isEmpty() && chance(70)) {
                const QString name = names.takeAt(random.bounded(int(names.size())));
                area.push_back({ name,
                    name == "shape" ? oneOf({ "", "rect", "RECT", "circ", "poly", "polygon", "default", "triangle" })
                                    : oneOf({ "", "a.html", "x.html?a=1&b=2", "\"quoted\" 'single'", "<b>&amp;</b>",
                                        "Käse — 北京 😀", " spaced ", "line\r\nbreak\ttab" }) });
            }
            QString coords = chance(20) ? " " : "";
            for (int i = random.bounded(1, 9); i > 0; --i)
                coords += QString::number(random.bounded(-10, 110) + oneOf({ 0.0, 0.5, 0.25 }))
                    + (chance(3) ? oneOf({ "%", "px", "\"" }) : "") + oneOf({ ",", ", ", " ", ";", " ,\n" });
            area.insert(area.begin() + random.bounded(int(area.size()) + 1), { "coords", coords.chopped(1) });
        }
        return areas;
    }

    QByteArray text(const std::vector<Attributes>& areas)
    {
        static const QRegularExpression plain("^[A-Za-z0-9.]+$");
        QString page = "<!DOCTYPE html>\n<p>Map<img src=pic.png usemap=#m>\n<map name=m>";
        for (const Attributes& area : areas) {
            page += chance(50) ? "\n  <area" : "<AREA";
            for (const auto& [name, value] : area) {
                page += (chance(80) ? " " : "\n") + (chance(30) ? name.toUpper() : name);
                if (plain.match(value).hasMatch() && chance(50))
                    page += "=" + value;
                else if (!value.isEmpty() || chance(50))
                    page += "=\"" + QString(value).replace("&", "&amp;").replace("\"", "&quot;").replace("\r", "&#13;")
                        + "\"";
            }
            page += chance(20) ? " data-korvel-box=\"1,2,3,4\">" : ">"; // which Korvel drops
        }
        return (page + "</map>").toUtf8();
    }
};

// The attributes of the only map of the page holding the text.
std::vector<Attributes> opened(const QString& path, const QByteArray& text, ImageMap* map = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return {};
    file.close();
    const PageContents contents = readPage(path);
    std::vector<Attributes> areas;
    for (const Area& area : contents.maps.at(0).map.areas())
        areas.push_back(area.attributes());
    if (map)
        *map = contents.maps.at(0).map;
    return areas;
}

} // namespace

class PageRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    // Open then Save keeps every area's attributes, values and order, and so what a browser
    // does at each point; Save, Open, Save gives the same bytes.
    void openThenSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        const PagePicture picture { "pic.png", QSize(100, 100) };
        RandomPage pages;
        for (int round = 0; round < 300; ++round) {
            const std::vector<Attributes> areas = pages.areas();
            const QByteArray text = pages.text(areas);
            ImageMap map, reopened;
            QVERIFY2(opened(path, text, &map) == areas, text.constData());
            const QByteArray saved = pageHtml(map, picture).toUtf8();
            QVERIFY2(opened(path, saved, &reopened) == areas, (text + "\n\nsaved as:\n" + saved).constData());
            QCOMPARE(pageHtml(reopened, picture).toUtf8(), saved);
        }
    }
};

QTEST_GUILESS_MAIN(PageRoundTripTest)
#include "tst_page_round_trip.moc"
