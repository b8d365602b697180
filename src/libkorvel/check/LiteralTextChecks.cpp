#include "check/LiteralTextChecks.h"

#include "html/MapWriter.h"
#include "html/PageScan.h"
#include "map/AreaGeometry.h"
#include "map/ImageMap.h"

#include <algorithm>

namespace {

// Only these characters can make a parser read a double-quoted value differently.
bool mayReadDifferently(const QString& text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c == u'"' || c == u'&' || c == u'\r' || c == QChar(0); });
}

const QLatin1String kCoords("coords");

// The attribute's value in Generate's text: a changed area's coords come from its geometry.
QString writtenValue(const Area& area, const Attribute& attribute)
{
    if (attribute.name == kCoords && area.isEditable() && !area.keepsPageCoords())
        return coordsText(area);
    return attribute.value;
}

std::optional<QString> valueIn(const std::vector<Attribute>& attributes, const QString& name)
{
    for (const Attribute& attribute : attributes)
        if (attribute.name == name)
            return attribute.value;
    return std::nullopt;
}

// The attributes browsers read from Generate's text of the area alone, in a map of its own.
std::vector<Attribute> attributesBrowsersRead(const Area& area)
{
    QString text = QStringLiteral("<map name=\"m\">");
    appendAreaElement(text, area, HtmlForm::Literal);
    text += QLatin1String("</map>");
    const ScannedPage page = scanPage(text.toUtf8());
    if (page.maps.empty() || page.maps.front().areas.empty())
        return {};
    return page.maps.front().areas.front().attributes;
}

QString changeOf(const QString& name, const QString& written, const std::optional<QString>& read)
{
    if (!read)
        return CheckWords::tr("Generate's text loses its %1 “%2”: browsers read no %1").arg(name, shownText(written));
    return CheckWords::tr("Generate's text changes its %1 “%2”: browsers read “%3”")
        .arg(name, shownText(written), shownText(*read));
}

// The way out the Output window offers next to Generate's text.
QString withRemedy(const QString& problem)
{
    return CheckWords::tr("%1 (Copy escaped in the Output window keeps it)").arg(problem);
}

QString areaProblem(const Area& area)
{
    const bool suspect = std::any_of(area.attributes().begin(), area.attributes().end(),
        [](const Attribute& attribute) { return mayReadDifferently(attribute.value); });
    if (!suspect)
        return {};
    const std::vector<Attribute> read = attributesBrowsersRead(area);
    QString problem;
    for (const Attribute& attribute : area.attributes()) {
        const QString written = writtenValue(area, attribute);
        const std::optional<QString> readValue = valueIn(read, attribute.name);
        if (readValue == written)
            continue;
        if (problem.isEmpty())
            problem = changeOf(attribute.name, written, readValue);
        else if (attribute.name == kCoords && !readValue)
            return withRemedy(CheckWords::tr("%1, and lose its coords, so it has no pixel").arg(problem));
    }
    return problem.isEmpty() ? problem : withRemedy(problem);
}

QString nameProblem(const QString& name)
{
    if (!mayReadDifferently(name))
        return {};
    ImageMap named;
    named.setName(name);
    const ScannedPage page = scanPage(mapElement(named, HtmlForm::Literal).toUtf8());
    const QString read = page.maps.empty() ? QString() : page.maps.front().name;
    if (read == name)
        return {};
    return withRemedy(CheckWords::tr("Generate's text changes the map's name “%1”: browsers read “%2”")
                          .arg(shownText(name), shownText(read)));
}

} // namespace

MapProblems literalTextProblems(const ImageMap& map)
{
    MapProblems problems;
    QString problem = nameProblem(map.name());
    if (!problem.isEmpty())
        problems.push_back({ -1, std::move(problem) });
    for (int i = 0; i < map.count(); ++i) {
        problem = areaProblem(map.at(i));
        if (!problem.isEmpty())
            problems.push_back({ i, std::move(problem) });
    }
    return problems;
}
