#include "check/MapNameChecks.h"

#include "map/ImageMap.h"

#include <algorithm>

namespace {

// HTML's ASCII whitespace, which a map's name must not hold.
bool hasSpace(const QString& name)
{
    return std::any_of(name.begin(), name.end(),
        [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r'; });
}

} // namespace

MapProblems mapNameProblems(const ImageMap& map)
{
    const QString& name = map.name();
    if (name.isEmpty())
        return { { -1,
            CheckWords::tr(
                "the map has no name: a picture's usemap=\"#\" finds no map, so none of its areas works") } };
    if (name.startsWith(u'#'))
        return { { -1,
            CheckWords::tr("its name starts with “#”, which some browsers drop and others keep: no usemap finds it "
                           "in all of them; name it “%1”")
                .arg(shownText(name.mid(1))) } };
    if (hasSpace(name))
        return { { -1,
            CheckWords::tr("its name holds a space, which HTML does not allow: validators reject the page, and a "
                           "usemap that writes the space as %20 finds no map") } };
    return {};
}
