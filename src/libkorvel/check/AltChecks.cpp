#include "check/AltChecks.h"

#include "map/ImageMap.h"

#include <QSet>

namespace {

bool isBlank(const std::optional<QString>& text)
{
    return !text || text->trimmed().isEmpty();
}

bool isLink(const Area& area)
{
    return area.hasAttribute(QLatin1String("href")) && !area.hasAttribute(QLatin1String("nohref"));
}

bool hasAltText(const Area& area)
{
    return !isBlank(area.attribute(QLatin1String("alt")));
}

bool isNamedOtherwise(const Area& area)
{
    return !isBlank(area.attribute(QLatin1String("aria-label")))
        || !isBlank(area.attribute(QLatin1String("aria-labelledby")));
}

} // namespace

MapProblems missingAltProblems(const ImageMap& map)
{
    QSet<QString> describedLinks;
    for (const Area& area : map.areas())
        if (isLink(area) && hasAltText(area))
            describedLinks.insert(area.text(QLatin1String("href")));
    MapProblems problems;
    for (int i = 0; i < map.count(); ++i) {
        const Area& area = map.at(i);
        if (!isLink(area) || hasAltText(area) || isNamedOtherwise(area))
            continue;
        const QString href = area.text(QLatin1String("href"));
        if (describedLinks.contains(href))
            continue;
        problems.push_back({ i,
            href.isEmpty()
                ? CheckWords::tr("its link has no alt text: screen readers cannot tell where it goes, and "
                                 "accessibility checkers fail the page")
                : CheckWords::tr("its link to “%1” has no alt text: screen readers can only read out the address, "
                                 "and accessibility checkers fail the page")
                      .arg(shownText(href)) });
    }
    return problems;
}
