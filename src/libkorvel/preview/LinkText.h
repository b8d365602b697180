#pragma once

#include <QString>

class Area;

// Whether a browser treats the area as a link: it has an href, whatever else it has (browsers
// no longer read nohref).
bool followsLink(const Area& area);

// What the preview tells of the area a browser follows: where its link leads, or that it has
// none, and its title on a second line.
QString linkText(const Area& area);
