#include "FuzzEvent.h"

#include "window/MainWindow.h"

namespace {

const char* const kKindNames[] = { "move", "press", "release", "tool", "key", "type", "new map", "generate", "scroll",
    "resize", "save and open", "zoom", "double-click", "wheel" };

const int kKeys[] = { Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_D, Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Z, Qt::Key_Y, Qt::Key_A, Qt::Key_R, Qt::Key_P, Qt::Key_T,
    Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_PageDown,
    Qt::Key_Home, Qt::Key_End, Qt::Key_F2, Qt::Key_F3 };

} // namespace

const std::vector<QString>& fuzzTexts()
{
    static const std::vector<QString> texts = { QString(), QStringLiteral("a.html"), QStringLiteral("\"q\" & <b>"),
        QStringLiteral("🗺️ שלום e\u0301"), QString(3000, QLatin1Char('x')), QStringLiteral("x") };
    return texts;
}

QString FuzzEvent::describe() const
{
    return QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(kKindNames[kind])).arg(a).arg(b).arg(c);
}

// Somewhere near (cx, cy): on it, or up to a handle's reach and one more pixel away.
void FuzzEventMaker::near(double cx, double cy, int32_t& x, int32_t& y)
{
    x = static_cast<int32_t>(cx) + pick(9) - 4;
    y = static_cast<int32_t>(cy) + pick(9) - 4;
}

void FuzzEventMaker::pointerTarget(MainWindow& window, int32_t& x, int32_t& y)
{
    const MapEditor& editor = window.editor();
    const Area* selected = editor.selectedArea();
    const Area* building = editor.map().find(editor.state().building);
    const int choice = pick(100);
    if (choice < 40 && selected && selected->isBox()) {
        const Box& box = selected->box();
        near(box.left + (chance(50) ? box.width : 0) * (chance(70) ? 1 : 0.5),
            box.top + (chance(50) ? box.height : 0) * (chance(70) ? 1 : 0.5), x, y);
    } else if (choice < 40 && selected && !selected->vertices().empty()) {
        // A corner, or the middle of the edge that starts there.
        const std::vector<Vertex>& vertices = selected->vertices();
        const size_t corner = size_t(pick(int(vertices.size())));
        const Vertex v = vertices[corner], next = vertices[(corner + 1) % vertices.size()];
        const bool edge = chance(40);
        near(edge ? (v.x + next.x) / 2.0 : v.x, edge ? (v.y + next.y) / 2.0 : v.y, x, y);
    } else if (choice < 55 && building) {
        near(building->vertices().front().x, building->vertices().front().y, x, y);
    } else if (choice < 60) {
        x = chance(50) ? -pick(100000) : pick(100000); // far off, even past the 16-bit range
        y = chance(50) ? -pick(100000) : pick(100000);
    } else {
        const QSize size = window.pictureSize().isValid() ? window.pictureSize() : QSize(320, 240);
        x = pick(size.width() + 40) - 20;
        y = pick(size.height() + 40) - 20;
    }
}

// Clicks come often enough that a polygon gets many corners before the tool changes; a press
// right after a release is often the second of a double-click there, and some carry Ctrl.
void FuzzEventMaker::pointerEvent(MainWindow& window, FuzzEvent& event)
{
    event.kind = m_buttonDown ? (chance(35) ? FuzzEvent::Release : FuzzEvent::Move)
                              : (chance(25) ? FuzzEvent::Press : FuzzEvent::Move);
    const bool afterRelease = m_lastPointer.kind == FuzzEvent::Release;
    if (event.kind == FuzzEvent::Press && afterRelease && chance(30)) {
        event.kind = FuzzEvent::DoubleClick;
        event.a = m_lastPointer.a;
        event.b = m_lastPointer.b;
    } else {
        pointerTarget(window, event.a, event.b);
    }
    if (event.kind != FuzzEvent::Move)
        event.c = chance(15) ? int(Qt::ControlModifier) : 0;
    m_buttonDown = event.kind == FuzzEvent::Press || event.kind == FuzzEvent::DoubleClick
        || (m_buttonDown && event.kind != FuzzEvent::Release);
    m_lastPointer = event;
}

FuzzEvent FuzzEventMaker::next(MainWindow& window)
{
    FuzzEvent event;
    const int choice = pick(1000);
    const int areas = window.editor().map().count();
    if (choice < 600) {
        pointerEvent(window, event);
    } else if (choice < 615) {
        event.kind = FuzzEvent::Tool;
        event.a = pick(4);
    } else if (choice < 835) {
        event.kind = FuzzEvent::Key;
        // Deleting wins more often on a crowded map, so maps stay a size worth checking.
        event.a = areas > 40 && chance(50) ? Qt::Key_Delete : kKeys[pick(std::size(kKeys))];
        event.b = (chance(60) ? int(Qt::ControlModifier) : 0) | (chance(10) ? int(Qt::ShiftModifier) : 0)
            | (chance(5) ? int(Qt::AltModifier) : 0);
        event.c = chance(80) ? 0 : pick(6);
    } else if (choice < 895) {
        event.kind = FuzzEvent::Type;
        event.a = pick(static_cast<int>(fuzzTexts().size()));
        event.c = 1 + pick(3);
    } else if (choice < 900) {
        event.kind = FuzzEvent::NewMap;
        event.a = pick(3);
    } else if (choice < 910) {
        event.kind = FuzzEvent::Generate;
    } else if (choice < 935) {
        event.kind = FuzzEvent::Scroll;
        event.a = pick(2);
        event.b = pick(1001);
    } else if (choice < 955) {
        event.kind = FuzzEvent::Resize;
        event.a = 80 + pick(1300);
        event.b = 80 + pick(900);
    } else if (choice < 959) {
        event.kind = FuzzEvent::SaveAndOpen;
    } else if (choice < 980) {
        event.kind = FuzzEvent::Wheel;
        event.a = pick(5) - 2;
        event.b = chance(30) ? int(Qt::ShiftModifier) : (chance(10) ? int(Qt::ControlModifier) : 0);
    } else {
        event.kind = FuzzEvent::Zoom;
        event.a = pick(4);
    }
    return event;
}
