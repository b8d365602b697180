#include "editor/Editing.h"
#include "editor/Tools.h"

void BoxTool::press(Editing& editing, Qt::KeyboardModifiers) const
{
    if (!editing.map.hasRoomFor(m_shape)) {
        editing.notice = areaLimitMessage(m_shape);
        return;
    }
    EditorState& state = editing.state;
    selectArea(editing, 0);
    // A new box starts at the press point with no size; the drag stretches it.
    const Box box { float(state.pointer.x), float(state.pointer.y), 0, 0 };
    const Area area = m_shape == AreaShape::Circle ? Area::circle(box) : Area::rectangle(box);
    const AreaId id = editing.map.insert(editing.map.boxInsertIndex(), area);
    state.gesture = { Gesture::Kind::Draw, id, {}, state.pointer, *editing.map.find(id) };
}
