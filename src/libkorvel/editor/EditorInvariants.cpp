#include "editor/EditorInvariants.h"

#include "editor/MapEditor.h"

#include <QSet>

namespace {

void checkAreas(const ImageMap& map, QStringList& out)
{
    QSet<AreaId> ids;
    int boxes = 0, polygons = 0;
    for (int i = 0; i < map.count(); ++i) {
        const Area& area = map.at(i);
        if (area.id() == 0 || ids.contains(area.id()) || map.indexOf(area.id()) != i)
            out << QStringLiteral("area %1 has id %2, which is not its own").arg(i).arg(area.id());
        ids.insert(area.id());
        boxes += area.isBox();
        polygons += area.shape() == AreaShape::Polygon;
        if (area.isBox() && (area.box().width < 0 || area.box().height < 0))
            out << QStringLiteral("area %1 has a negative size").arg(i);
        if (area.shape() == AreaShape::Polygon
            && (area.vertices().empty() || area.vertices().size() > size_t(kMaxPolygonVertices)))
            out << QStringLiteral("polygon %1 has %2 vertices").arg(i).arg(area.vertices().size());
    }
    if (boxes != map.boxCount() || polygons != map.polygonCount())
        out << QStringLiteral("the counts %1 and %2 are not the map's").arg(map.boxCount()).arg(map.polygonCount());
    if (boxes > kMaxAreasPerKind || polygons > kMaxAreasPerKind)
        out << QStringLiteral("the map holds more areas than it may");
}

void checkState(const MapEditor& editor, QStringList& out)
{
    const EditorState& state = editor.state();
    const Area* selected = editor.map().find(state.selected);
    if (state.selected != 0 && (!selected || !selected->isEditable()))
        out << QStringLiteral("the selection %1 names no area that can be edited").arg(state.selected);
    const Area* building = editor.map().find(state.building);
    if (state.building != 0 && (!building || building->shape() != AreaShape::Polygon))
        out << QStringLiteral("the polygon being built %1 is none").arg(state.building);
    if (!state.buttonDown && state.gesture.kind != Gesture::Kind::None)
        out << QStringLiteral("a drag goes on with no button held");
}

} // namespace

QStringList editorProblems(const MapEditor& editor)
{
    QStringList out;
    checkAreas(editor.map(), out);
    checkState(editor, out);
    return out;
}
