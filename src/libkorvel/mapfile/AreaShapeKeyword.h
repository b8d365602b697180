#pragma once

#include <QString>

#include <optional>

enum class AreaShapeKeyword { Rectangle, Circle, Polygon, Default };

// The shape a browser gives an area for its shape attribute (nullopt when it has none):
// rect, rectangle, circ, circle, poly, polygon and default in any ASCII case. A missing or
// unknown value means a rectangle.
AreaShapeKeyword AreaShapeFromAttribute(const std::optional<QString>& value);
