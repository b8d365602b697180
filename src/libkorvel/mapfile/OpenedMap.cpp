#include "mapfile/OpenedMap.h"

#include "mapfile/AreaImport.h"

namespace {

// "area 3 (href “x.html”)": its place among the map's areas and its link, or its alt
// text when it has no link, shortened when long.
QString AreaLabel(size_t number, const FoundArea& area)
{
    const bool useHref = !area.href.isEmpty() || area.alt.isEmpty();
    QString text = useHref ? area.href : area.alt;
    constexpr qsizetype kLongest = 60;
    if (text.size() > kLongest) {
        const qsizetype kept = text[kLongest - 2].isHighSurrogate() ? kLongest - 2 : kLongest - 1;
        text = text.left(kept) + QChar(0x2026); // never half a character
    }
    if (text.isEmpty() && useHref)
        return QStringLiteral("area %1 (no href)").arg(number);
    return QStringLiteral("area %1 (%2 “%3”)")
        .arg(number)
        .arg(useHref ? QStringLiteral("href") : QStringLiteral("alt"), text);
}

// A list that names at most kMaxListedAreaLines areas, then counts the rest in one line.
void AddLine(QStringList& lines, int& unlisted, const QString& line)
{
    if (lines.size() < kMaxListedAreaLines)
        lines << line;
    else
        ++unlisted;
}

void CloseList(QStringList& lines, int unlisted, const QString& what)
{
    if (unlisted > 0)
        lines << QStringLiteral("… and %1 more %2.").arg(unlisted).arg(what);
}

struct LineCounts {
    int leftOut = 0;
    int rounded = 0;
};

// Adds the imported area to the map; false when its kind's list is full.
bool AddToMap(ImagemapDocument& map, const ImportedArea& imported)
{
    if (imported.kind == AreaKind::Box) {
        const int16_t index = AddBoxElement(map);
        if (index != 0)
            map.box(index) = imported.box;
        return index != 0;
    }
    const int16_t index = AddPolygonRecord(map);
    if (index != 0)
        map.polygon(index) = imported.polygon;
    return index != 0;
}

QString FullListProblem(AreaKind kind)
{
    const QString what
        = kind == AreaKind::Polygon ? QStringLiteral("polygons") : QStringLiteral("rectangles and circles");
    return QStringLiteral("the map already holds %1 %2, the most it can hold").arg(kMaxAreasPerKind).arg(what);
}

void OpenArea(OpenedMap& opened, LineCounts& unlisted, size_t number, const FoundArea& area)
{
    const ImportedArea imported = ImportArea(area);
    QString problem = imported.problem;
    if (imported.kind != AreaKind::None && !AddToMap(opened.map, imported))
        problem = FullListProblem(imported.kind);
    if (!problem.isEmpty()) {
        AddLine(opened.leftOut, unlisted.leftOut, AreaLabel(number, area) + QStringLiteral(": ") + problem + u'.');
    } else if (imported.rounded) {
        AddLine(opened.rounded, unlisted.rounded,
            AreaLabel(number, area) + QStringLiteral(": its points were rounded to whole pixels."));
    }
}

} // namespace

OpenedMap OpenFoundMap(const FoundMap& found)
{
    OpenedMap opened;
    opened.mapName = found.name;
    opened.picturePath = found.picturePath;
    opened.pictureExists = found.pictureExists;
    LineCounts unlisted;
    for (size_t i = 0; i < found.areas.size(); ++i)
        OpenArea(opened, unlisted, i + 1, found.areas[i]);
    GrowAreaArrays(opened.map, true);
    GrowAreaArrays(opened.map, false);
    CloseList(opened.leftOut, unlisted.leftOut, QStringLiteral("areas that could not be opened"));
    CloseList(opened.rounded, unlisted.rounded, QStringLiteral("polygons rounded to whole pixels"));
    return opened;
}
