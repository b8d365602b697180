#include "FuzzEvent.h"

#include "mainwindow/MainForm.h"

#include <QStringList>

namespace {

const char* const kKindNames[] = { "move", "press", "release", "tool", "key", "type", "new map", "generate", "scroll",
    "resize", "save and open", "zoom" };

const int kKeys[] = { Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_D, Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Z, Qt::Key_Y, Qt::Key_A };

// Somewhere near (cx, cy): on it, or up to a handle's reach and one more pixel away.
void Near(std::mt19937_64& random, float cx, float cy, int32_t& x, int32_t& y)
{
    std::uniform_int_distribution<int> offset(-4, 4);
    x = static_cast<int32_t>(cx) + offset(random);
    y = static_cast<int32_t>(cy) + offset(random);
}

} // namespace

const std::vector<QString>& FuzzTexts()
{
    static const std::vector<QString> texts = { QString(), QStringLiteral("a.html"), QStringLiteral("\"q\" & <b>"),
        QStringLiteral("🗺️ שלום e\u0301"), QString(3000, QLatin1Char('x')), QStringLiteral("x") };
    return texts;
}

QString FuzzEvent::Describe() const
{
    return QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(kKindNames[kind])).arg(a).arg(b).arg(c);
}

void FuzzEventMaker::PointerTarget(const MainForm& form, int32_t& x, int32_t& y)
{
    const Editor& editor = form.editor();
    const EditorState& state = editor.state;
    const int choice = Pick(100);
    if (choice < 25 && state.selBox > 0) {
        const BoxArea& box = editor.map.box(state.selBox);
        Near(m_random, box.Left + (Chance(50) ? box.Width : 0) * (Chance(70) ? 1.f : 0.5f),
            box.Top + (Chance(50) ? box.Height : 0) * (Chance(70) ? 1.f : 0.5f), x, y);
    } else if (choice < 40 && state.selPoly > 0) {
        const PolygonArea& polygon = editor.map.polygon(state.selPoly);
        const size_t k = 1 + static_cast<size_t>(Pick(std::max<int>(polygon.vertexCount, 1)));
        Near(m_random, polygon.vertexX[k], polygon.vertexY[k], x, y);
    } else if (choice < 55 && state.buildingPoly > 0) {
        const PolygonArea& polygon = editor.map.polygon(state.buildingPoly);
        Near(m_random, polygon.vertexX[1], polygon.vertexY[1], x, y);
    } else if (choice < 60) {
        x = Chance(50) ? -Pick(100000) : Pick(100000); // far off, even past the 16-bit range
        y = Chance(50) ? -Pick(100000) : Pick(100000);
    } else {
        const QSize size = form.PictureSize().isValid() ? form.PictureSize() : QSize(320, 240);
        x = Pick(size.width() + 40) - 20;
        y = Pick(size.height() + 40) - 20;
    }
}

FuzzEvent FuzzEventMaker::Next(const MainForm& form)
{
    FuzzEvent event;
    const int choice = Pick(1000);
    const int areas = form.editor().map.boxCount + form.editor().map.polyCount;
    if (choice < 600) {
        // Clicks come often enough that a polygon gets many corners before the tool changes.
        event.kind = m_buttonDown ? (Chance(35) ? FuzzEvent::Release : FuzzEvent::Move)
                                  : (Chance(25) ? FuzzEvent::Press : FuzzEvent::Move);
        PointerTarget(form, event.a, event.b);
        m_buttonDown = event.kind == FuzzEvent::Press || (m_buttonDown && event.kind != FuzzEvent::Release);
    } else if (choice < 615) {
        event.kind = FuzzEvent::Tool;
        event.a = Pick(3);
    } else if (choice < 835) {
        event.kind = FuzzEvent::Key;
        // Deleting wins more often on a crowded map, so maps stay a size worth checking.
        event.a = areas > 40 && Chance(50) ? Qt::Key_Delete : kKeys[Pick(std::size(kKeys))];
        event.b = (Chance(60) ? int(Qt::ControlModifier) : 0) | (Chance(10) ? int(Qt::ShiftModifier) : 0)
            | (Chance(5) ? int(Qt::AltModifier) : 0);
        event.c = Chance(80) ? 0 : Pick(5);
    } else if (choice < 895) {
        event.kind = FuzzEvent::Type;
        event.a = Pick(static_cast<int>(FuzzTexts().size()));
        event.c = 1 + Pick(3);
    } else if (choice < 900) {
        event.kind = FuzzEvent::NewMap;
        event.a = Pick(3);
    } else if (choice < 910) {
        event.kind = FuzzEvent::Generate;
    } else if (choice < 935) {
        event.kind = FuzzEvent::Scroll;
        event.a = Pick(2);
        event.b = Pick(1001);
    } else if (choice < 955) {
        event.kind = FuzzEvent::Resize;
        event.a = 80 + Pick(1300);
        event.b = 80 + Pick(900);
    } else if (choice < 959) {
        event.kind = FuzzEvent::SaveAndOpen;
    } else {
        event.kind = FuzzEvent::Zoom;
        event.a = Pick(4);
    }
    return event;
}
