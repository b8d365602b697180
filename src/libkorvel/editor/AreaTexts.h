#pragma once

#include "map/Area.h"

// How typed texts become an area's attributes.

// title and target are written only when they say something: an empty text removes them.
// href and alt stay on the area however empty, as Korvel writes them. Giving an href ends
// nohref, since the area now has a link.
void storeText(Area& area, QLatin1String name, const QString& text);

// nohref on: the area has no link, so its href goes. Off: an empty href takes its place
// when it has none.
void setNoHref(Area& area, bool on);
bool hasNoHref(const Area& area);
