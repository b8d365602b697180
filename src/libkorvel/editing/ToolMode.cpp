#include "editing/ToolMode.h"

QString ToolModeName(ToolMode mode)
{
    switch (mode) {
    case ToolMode::Arrow:
        return QStringLiteral("arrow");
    case ToolMode::Rect:
        return QStringLiteral("rect");
    case ToolMode::Circle:
        return QStringLiteral("circle");
    case ToolMode::Poly:
        return QStringLiteral("poly");
    case ToolMode::Move:
        return QStringLiteral("move");
    case ToolMode::ResizeCorner:
        return QStringLiteral("resize_corner");
    case ToolMode::ResizeSide:
        return QStringLiteral("resize_side");
    }
    return QString();
}
