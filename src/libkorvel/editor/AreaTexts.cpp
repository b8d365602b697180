#include "editor/AreaTexts.h"

namespace {

const QLatin1String kHref("href");
const QLatin1String kNoHref("nohref");

bool isOptional(QLatin1String name)
{
    return name == QLatin1String("title") || name == QLatin1String("target");
}

} // namespace

void storeText(Area& area, QLatin1String name, const QString& text)
{
    if (isOptional(name) && text.isEmpty()) {
        area.removeAttribute(name);
        return;
    }
    area.setAttribute(name, text);
    if (name == kHref)
        area.removeAttribute(kNoHref);
}

void setNoHref(Area& area, bool on)
{
    if (on == hasNoHref(area))
        return;
    if (on) {
        area.removeAttribute(kHref);
        area.setAttribute(kNoHref, QString());
    } else {
        area.removeAttribute(kNoHref);
        if (!area.hasAttribute(kHref))
            area.setAttribute(kHref, QString());
    }
}

bool hasNoHref(const Area& area)
{
    return area.hasAttribute(kNoHref);
}
