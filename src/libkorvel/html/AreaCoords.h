#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// How a browser reads an area's shape and coords attributes; every reading of a page's
// areas goes through here.

enum class PageShape { Rectangle, Circle, Polygon, Default };

// rect, rectangle, circ, circle, poly, polygon and default in any ASCII case, nothing
// around them; a missing or unknown keyword is a rectangle.
PageShape pageShapeOf(const std::optional<QString>& keyword);

// Numbers separated by any run of ASCII whitespace, commas and semicolons. Before a number,
// characters that cannot start one are skipped; a number ends where its decimal form ends
// ("12px" is 12, "1e2" is 100); an entry that is no number, or one nearer to 0 than a double
// holds, is 0. The first entry written with "%" and the first too large for a double are
// noted: Korvel leaves such areas as they are.
struct PageCoords {
    std::vector<double> numbers;
    QString percentEntry; // the first, or empty
    QString tooLargeEntry; // the first, or empty
};

PageCoords readCoords(QStringView text);
