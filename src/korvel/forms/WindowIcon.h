#pragma once

#include <QIcon>

// The pictures compiled in from data/: hand-drawn SVG rendered crisp at every scale.
// Tool pictures are "new", "rect", "circle", "poly", "generate" and "help".
QIcon ToolPicture(const QString& name);
QIcon KorvelIcon();
