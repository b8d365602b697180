#pragma once

#include <QStringList>

class MapEditor;

// The rules the editor keeps between events: ids unique, counts and polygons within their
// limits, boxes of no negative size, the selection and the polygon being built naming areas
// that exist and can be edited. One line per broken rule; empty when all hold.
QStringList editorProblems(const MapEditor& editor);
