#include "html/BrowserArea.h"
#include "html/MapWriter.h"
#include "html/PageReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Attributes = std::vector<Attribute>;

// Which area a browser gives each of a grid of points on a 100 x 100 picture; -1 for none.
std::vector<int> hitRegions(const std::vector<Attributes>& areas)
{
    std::vector<BrowserArea> browserAreas;
    for (const Attributes& attributes : areas) {
        const Area area = Area::fromPage(AreaShape::Kept, attributes);
        browserAreas.push_back(
            readBrowserArea(area.attribute(QLatin1String("shape")), area.attribute(QLatin1String("coords"))));
    }
    std::vector<int> picks;
    for (double y = 0.5; y < 100; y += 2)
        for (double x = 0.5; x < 100; x += 2)
            picks.push_back(browserAreaAt(browserAreas, x, y));
    return picks;
}

// Areas as pages have them, and a page's text written the way people write pages: names in
// any case; values quoted, unquoted or bare, with entities; whitespace and line breaks.
struct RandomPage {
    QRandomGenerator random { 18 };

    bool chance(int percent) { return int(random.bounded(100)) < percent; }
    template <typename T> T oneOf(std::initializer_list<T> items)
    {
        return items.begin()[random.bounded(int(items.size()))];
    }
    void insertAnywhere(Attributes& area, const Attribute& attribute)
    {
        area.insert(area.begin() + random.bounded(int(area.size()) + 1), attribute);
    }

    std::vector<Attributes> areas()
    {
        std::vector<Attributes> areas(size_t(random.bounded(9)));
        for (Attributes& area : areas) {
            QStringList names { "href", "nohref", "alt", "title", "target", "id", "class", "onclick", "data-x" };
            while (!names.isEmpty() && chance(70)) {
                const QString name = names.takeAt(random.bounded(int(names.size())));
                area.push_back({ name,
                    name == "nohref" ? oneOf({ "", "nohref" })
                                     : oneOf({ "", "a.html", "x.html?a=1&b=2", "\"quoted\" 'single'", "<b>&amp;</b>",
                                         "Käse — 北京 😀", " spaced ", "line\r\nbreak\ttab" }) });
            }
            const QString shape
                = oneOf({ "", "rect", "RECT", "circle", "circ", "poly", "polygon", "default", "triangle" });
            if (!shape.isEmpty())
                insertAnywhere(area, { "shape", shape });
            insertAnywhere(area, { "coords", coords(shape.toLower()) });
        }
        return areas;
    }

    // Numbers for the shape, now and then too few, a percentage, fractions, junk, odd separators.
    QString coords(const QString& shape)
    {
        int count = shape.startsWith("circ") ? 3 : shape.startsWith("poly") ? 2 * random.bounded(1, 7) : 4;
        count += chance(10) ? -2 : chance(10) ? 1 : 0;
        QString text = chance(20) ? " " : "";
        for (int i = 0; i < count; ++i) {
            text += i == 0 ? "" : oneOf({ ",", ", ", " ", ";", " ,\n" });
            text += QString::number(random.bounded(-10, 110) + oneOf({ 0.0, 0.0, 0.5, 0.25 }));
            text += chance(3) ? oneOf({ "%", "px", "\"" }) : "";
        }
        return text;
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
            page += chance(20) ? " data-korvel-box=\"1,2,3,4\">" : ">";
        }
        return (page + "</map>").toUtf8();
    }
};

std::vector<Attributes> attributesOf(const ImageMap& map)
{
    std::vector<Attributes> areas;
    for (const Area& area : map.areas())
        areas.push_back(area.attributes());
    return areas;
}

// The page's only map, read from a file holding the text. Save writes the same text but syncs
// it to the disk, which is slow, and so is a file cut short and written again.
ImageMap onlyMap(const QString& path, const QByteArray& text)
{
    QFile file(path);
    file.remove();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    file.close();
    const PageContents contents = readPage(path);
    return contents.maps.size() == 1 ? contents.maps.front().map : ImageMap();
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
        const PagePicture picture { "pic.png", QSize(100, 100) };
        RandomPage pages;
        for (int round = 0; round < 300; ++round) {
            const std::vector<Attributes> areas = pages.areas();
            const QByteArray text = pages.text(areas);
            const ImageMap map = onlyMap(dir.filePath("page.html"), text);
            QVERIFY2(attributesOf(map) == areas, text.constData());
            const QByteArray saved = pageHtml(map, picture).toUtf8();
            const ImageMap reopened = onlyMap(dir.filePath("page.html"), saved);
            const QByteArray both = text + "\n\nsaved as:\n" + saved;
            QVERIFY2(attributesOf(reopened) == areas, both.constData());
            QVERIFY2(hitRegions(attributesOf(reopened)) == hitRegions(areas), both.constData());
            for (int i = 0; i < map.count(); ++i)
                QVERIFY2(reopened.at(i).sameContent(map.at(i)), both.constData());
            QCOMPARE(pageHtml(reopened, picture).toUtf8(), saved);
        }
    }
};

QTEST_GUILESS_MAIN(PageRoundTripTest)
#include "tst_page_round_trip.moc"
