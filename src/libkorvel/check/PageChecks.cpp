#include "check/PageChecks.h"

#include "check/MapChecks.h"
#include "check/ShownPictureSize.h"
#include "html/PageReader.h"

#include <QHash>

#include <algorithm>

namespace {

// Where the map's problem lies: at its area, or at the map itself.
PagePlace placeOf(const PageMap& map, int area)
{
    return area >= 0 && size_t(area) < map.places.size() ? map.places[size_t(area)] : map.place;
}

QString unknownUsemapProblem(const ScannedUsemap& usemap)
{
    const QString source = shownText(usemap.pictureSource);
    if (!usemap.usemap.contains(u'#'))
        return CheckWords::tr("the picture “%1” has usemap=\"%2\" without “#”: browsers show it without areas")
            .arg(source, shownText(usemap.usemap));
    return CheckWords::tr("the picture “%1” has usemap=\"%2\", but no map of this page has that name: browsers "
                          "show it without areas")
        .arg(source, shownText(usemap.usemap));
}

bool comesBefore(const PagePlace& a, const PagePlace& b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}

} // namespace

PageProblems duplicateMapNameProblems(const PageContents& page)
{
    PageProblems problems;
    QHash<QString, PagePlace> firstNamed;
    for (const PageMap& map : page.maps) {
        const QString& name = map.map.name();
        if (name.isEmpty())
            continue;
        const auto first = firstNamed.constFind(name);
        if (first == firstNamed.constEnd()) {
            firstNamed.insert(name, map.place);
            continue;
        }
        problems.push_back({ map.place, name, -1,
            CheckWords::tr("the map on line %1 has the same name: browsers give every picture that one, never "
                           "this one")
                .arg(first->line) });
    }
    return problems;
}

PageProblems unknownUsemapProblems(const PageContents& page)
{
    PageProblems problems;
    for (const ScannedUsemap& usemap : page.usemaps)
        if (usemap.map < 0)
            problems.push_back(
                { usemap.place, usemap.usemap.mid(usemap.usemap.indexOf(u'#') + 1), -1, unknownUsemapProblem(usemap) });
    return problems;
}

PageProblems checkPage(const PageContents& page)
{
    PageProblems problems = duplicateMapNameProblems(page);
    for (PageProblem& problem : unknownUsemapProblems(page))
        problems.push_back(std::move(problem));
    for (const PageMap& map : page.maps) {
        MapCheckOptions options;
        options.picture = shownPictureSize(map);
        options.generated = false;
        for (MapProblem& problem : checkMap(map.map, options))
            problems.push_back(
                { placeOf(map, problem.area), map.map.name(), problem.area, std::move(problem.message) });
    }
    std::stable_sort(problems.begin(), problems.end(),
        [](const PageProblem& a, const PageProblem& b) { return comesBefore(a.place, b.place); });
    return problems;
}
