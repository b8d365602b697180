#include "support/EditorScript.h"

#include "editor/KeyBindings.h"
#include "map/Numbers.h"

#include <QRegularExpression>
#include <QTest>

namespace {

bool parsePoint(const QString& text, double& x, double& y)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okX = false, okY = false;
    if (parts.size() == 2) {
        x = parts[0].toDouble(&okX);
        y = parts[1].toDouble(&okY);
    }
    return okX && okY;
}

QString texts(const Area& area)
{
    const QString href = area.text(QLatin1String("href"));
    const QString alt = area.text(QLatin1String("alt"));
    return href.isEmpty() && alt.isEmpty() ? QString() : QStringLiteral(" [%1|%2]").arg(href, alt);
}

QString modeName(const EditorState& state)
{
    const Handle handle = state.gesture.kind == Gesture::Kind::Resize ? state.gesture.handle : state.hover;
    if (state.gesture.kind == Gesture::Kind::Move)
        return QStringLiteral("move");
    if (handle.kind == Handle::Kind::Side)
        return QStringLiteral("resize_side");
    if (!handle.isNone())
        return QStringLiteral("resize_corner");
    const char* names[] = { "arrow", "rect", "circle", "poly" };
    return QLatin1String(names[int(state.tool)]);
}

bool runKey(MapEditor& editor, QString name)
{
    name.replace(QLatin1String("ctrl+"), QLatin1String("Ctrl+"));
    name.replace(QLatin1String("shift+"), QLatin1String("Shift+"));
    name.replace(QLatin1String("alt+"), QLatin1String("Alt+"));
    name.replace(QLatin1String("Delete"), QLatin1String("Del"));
    const QKeySequence key = QKeySequence::fromString(name);
    if (key.isEmpty() || key[0].key() == Qt::Key_unknown)
        return false;
    for (const KeyBinding& binding : editorKeyBindings())
        if (binding.keys.contains(key))
            runEditorCommand(editor, binding.command);
    return true;
}

} // namespace

EditorScript::EditorScript()
{
    editor.setView({ ZoomMapping(), QSizeF(640, 480), QPointF() });
    QObject::connect(&editor, &MapEditor::notice, [this](const QString& text) { notices << text; });
}

void EditorScript::pointerAt(double x, double y)
{
    m_x = x;
    m_y = y;
    const ZoomMapping& zoom = editor.view().zoom;
    const QPoint screen(int(zoom.screenPixel(int64_t(x))), int(zoom.screenPixel(int64_t(y))));
    editor.pointerMoved({ x, y, screen });
}

bool EditorScript::buildStep(const QString& verb, const QStringList& arguments)
{
    if (verb == QLatin1String("box") || verb == QLatin1String("circle")) {
        const QStringList n = arguments.value(0).split(QLatin1Char(','));
        if (n.size() != 4)
            return false;
        const Box box { n[0].toFloat(), n[1].toFloat(), n[2].toFloat(), n[3].toFloat() };
        editor.apply([&](Editing& e) {
            e.map.insert(e.map.boxInsertIndex(), verb == QLatin1String("box") ? Area::rectangle(box) : Area::circle(box));
        });
        return true;
    }
    if (verb == QLatin1String("polygon") || verb == QLatin1String("open")) {
        std::vector<Vertex> vertices;
        for (const QString& point : arguments) {
            double x = 0, y = 0;
            if (!parsePoint(point, x, y))
                return false;
            vertices.push_back({ int16_t(x), int16_t(y) });
        }
        if (verb == QLatin1String("polygon"))
            vertices.push_back(vertices.front());
        editor.apply([&](Editing& e) { e.map.append(Area::polygon(vertices)); });
        return true;
    }
    if (verb == QLatin1String("select") && arguments.size() == 1) {
        const bool box = arguments.front().startsWith(QLatin1Char('b'));
        int wanted = arguments.front().mid(1).toInt();
        editor.apply([&](Editing& e) {
            for (const Area& area : e.map.areas())
                if ((box ? area.isBox() : area.shape() == AreaShape::Polygon) && --wanted == 0)
                    selectArea(e, area.id());
        });
        return true;
    }
    return false;
}

bool EditorScript::inputStep(const QString& verb, const QString& argument)
{
    const QStringList numbers = argument.split(QRegularExpression(QStringLiteral("[,/]")));
    if (verb == QLatin1String("key")) {
        return m_typing || runKey(editor, argument);
    } else if (verb == QLatin1String("href")) {
        editor.editHref(argument);
    } else if (verb == QLatin1String("alt")) {
        editor.editAlt(argument);
    } else if (verb == QLatin1String("newmap")) {
        editor.startNewMap();
    } else if (verb == QLatin1String("generate")) {
        html = editor.generate();
    } else if (verb == QLatin1String("zoom")) {
        ViewGeometry view = editor.view();
        view.zoom = ZoomMapping(numbers.value(0).toInt(), numbers.value(1, QStringLiteral("1")).toInt());
        editor.setView(view);
    } else if (verb == QLatin1String("canvas") && numbers.size() == 4) {
        editor.setView({ editor.view().zoom, QSizeF(numbers[2].toDouble(), numbers[3].toDouble()),
            QPointF(numbers[0].toDouble(), numbers[1].toDouble()) });
    } else if (verb == QLatin1String("focus")) {
        m_typing = argument != QLatin1String("other");
        editor.focusMoved();
    } else if (verb == QLatin1String("tool")) {
        const QStringList tools { "arrow", "rect", "circle", "poly" };
        if (!tools.contains(argument))
            return false;
        editor.chooseTool(Tool(tools.indexOf(argument)));
    } else if (verb == QLatin1String("release")) {
        const QSizeF picture = editor.view().picture;
        editor.buttonReleased(m_x >= 0 && m_y >= 0 && m_x < picture.width() && m_y < picture.height());
    } else if (verb == QLatin1String("move") || verb == QLatin1String("press") || verb == QLatin1String("click")) {
        double x = 0, y = 0;
        if (!parsePoint(argument, x, y))
            return false;
        pointerAt(x, y);
        if (verb != QLatin1String("move"))
            editor.buttonPressed(editor.state().pointer);
        if (verb == QLatin1String("click"))
            inputStep(QStringLiteral("release"), QString());
    } else {
        return false;
    }
    return true;
}

bool EditorScript::play(const QString& script)
{
    for (const QString& rawStep : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString step = rawStep.trimmed();
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = step.section(QLatin1Char(' '), 1); // the rest: texts keep their spaces
        if (!buildStep(verb, argument.simplified().split(QLatin1Char(' '))) && !inputStep(verb, argument)) {
            QTest::qFail(qPrintable(QStringLiteral("unknown step \"%1\"").arg(rawStep)), __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

QString describe(const MapEditor& editor)
{
    const EditorState& state = editor.state();
    QStringList parts;
    int boxes = 0, polygons = 0;
    for (const Area& area : editor.map().areas()) {
        QString text;
        if (area.isBox()) {
            const Box& b = area.box();
            text = QStringLiteral("B%1 %2 %3,%4 %5x%6")
                       .arg(++boxes)
                       .arg(area.shape() == AreaShape::Circle ? "circle" : "rect", formatSingle(b.left),
                           formatSingle(b.top), formatSingle(b.width), formatSingle(b.height));
        } else if (area.shape() == AreaShape::Polygon) {
            QStringList points;
            for (const Vertex v : area.vertices())
                points << QStringLiteral("%1,%2").arg(v.x).arg(v.y);
            text = QStringLiteral("P%1 %2").arg(++polygons).arg(points.join(QLatin1Char(' ')));
        } else {
            text = QStringLiteral("kept");
        }
        if (area.id() == state.selected)
            text += QLatin1Char('*');
        if (area.id() == state.building)
            text += QStringLiteral(" building");
        parts << text + texts(area);
    }
    parts << modeName(state);
    return parts.join(QStringLiteral(" | "));
}

QString describePanel(const MapEditor& editor)
{
    const PropertiesPanel& panel = editor.state().panel;
    return panel.href + QLatin1Char('|') + panel.alt + (panel.enabled ? QString() : QStringLiteral(" off"));
}

int cursorCode(Qt::CursorShape shape)
{
    switch (shape) {
    case Qt::CrossCursor:
        return 2;
    case Qt::SizeBDiagCursor:
        return 6;
    case Qt::SizeVerCursor:
        return 7;
    case Qt::SizeFDiagCursor:
        return 8;
    case Qt::SizeHorCursor:
        return 9;
    case Qt::SizeAllCursor:
        return 15;
    default:
        return 1;
    }
}
