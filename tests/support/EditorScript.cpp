#include "support/EditorScript.h"

#include "editor/KeyBindings.h"
#include "map/Numbers.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

namespace {

// Whole numbers "X,Y" or "L,T,W,H", in any count.
std::vector<double> numbersIn(const QString& text, bool* ok)
{
    std::vector<double> numbers;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[ ,]")), Qt::SkipEmptyParts))
        numbers.push_back(part.toDouble(ok));
    *ok = *ok && !numbers.empty();
    return numbers;
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
    if (!handle.isNone())
        return handle.kind == Handle::Kind::Side ? QStringLiteral("resize_side") : QStringLiteral("resize_corner");
    const char* names[] = { "arrow", "rect", "circle", "poly", "trace" };
    return QLatin1String(names[int(state.tool)]);
}

bool runKey(MapEditor& editor, QString name)
{
    name.replace(QLatin1String("ctrl+"), QLatin1String("Ctrl+"));
    name.replace(QLatin1String("shift+"), QLatin1String("Shift+"));
    name.replace(QLatin1String("alt+"), QLatin1String("Alt+"));
    name.replace(QLatin1String("Delete"), QLatin1String("Del"));
    name.replace(QLatin1String("Escape"), QLatin1String("Esc"));
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

void EditorScript::addArea(const Area& area)
{
    editor.apply([&](Editing& e) { e.map.insert(area.isBox() ? e.map.boxInsertIndex() : e.map.count(), area); });
}

// A press or click may carry Ctrl ("ctrlclick"); "dpress" and "dclick" press as the second
// press of a double-click, and "dclick" clicks first.
bool EditorScript::pointerStep(const QString& fullVerb, const QString& argument)
{
    const Qt::KeyboardModifiers modifiers
        = fullVerb.startsWith(QLatin1String("ctrl")) ? Qt::ControlModifier : Qt::NoModifier;
    QString verb = QString(fullVerb).remove(QLatin1String("ctrl"));
    const bool twice = verb == QLatin1String("dpress") || verb == QLatin1String("dclick");
    if (verb == QLatin1String("dclick") && !pointerStep(QStringLiteral("click"), argument))
        return false;
    if (twice)
        verb = verb.mid(1);
    bool ok = verb == QLatin1String("release");
    const std::vector<double> at = ok ? std::vector<double> { m_x, m_y } : numbersIn(argument, &ok);
    if (!ok || at.size() != 2)
        return false;
    m_x = at[0];
    m_y = at[1];
    const ZoomMapping& zoom = editor.view().zoom;
    if (verb != QLatin1String("release"))
        editor.pointerMoved(
            { m_x, m_y, QPoint(int(zoom.screenPixel(int64_t(m_x))), int(zoom.screenPixel(int64_t(m_y)))) });
    if (twice)
        editor.doubleClicked(editor.state().pointer, modifiers);
    else if (verb == QLatin1String("press") || verb == QLatin1String("click"))
        editor.buttonPressed(editor.state().pointer, modifiers);
    const QSizeF picture = editor.view().picture;
    if (verb == QLatin1String("release") || verb == QLatin1String("click"))
        editor.buttonReleased(m_x >= 0 && m_y >= 0 && m_x < picture.width() && m_y < picture.height());
    return true;
}

bool EditorScript::step(const QString& verb, const QString& argument)
{
    if (verb == QLatin1String("focus"))
        editor.focusMoved();
    bool ok = false;
    const QStringList tools { "arrow", "rect", "circle", "poly", "trace" };
    if (verb == QLatin1String("key"))
        return m_typing || runKey(editor, argument);
    if (verb == QLatin1String("href") || verb == QLatin1String("alt"))
        verb == QLatin1String("href") ? editor.editHref(argument) : editor.editAlt(argument);
    else if (verb == QLatin1String("newmap") || verb == QLatin1String("generate"))
        verb == QLatin1String("newmap") ? editor.startNewMap() : void(editor.generate());
    else if (verb == QLatin1String("focus"))
        m_typing = argument != QLatin1String("other");
    else if (verb == QLatin1String("tool") && tools.contains(argument))
        editor.chooseTool(Tool(tools.indexOf(argument)));
    else if (verb == QLatin1String("wheel")) {
        const std::vector<double> n = numbersIn(argument, &ok);
        if (!ok || n.size() != 2)
            return false;
        editor.stepTraceSettings(int(n[0]), int(n[1]));
    } else if (verb == QLatin1String("picture")) {
        // A light picture with a dark rectangle L,T,W,H on it, when given.
        const std::vector<double> n = numbersIn(argument, &ok);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(240, 240, 230));
        if (ok && n.size() == 4)
            QPainter(&picture).fillRect(QRectF(n[0], n[1], n[2], n[3]), QColor(40, 60, 120));
        editor.setPicture(picture);
    } else if (verb == QLatin1String("box") || verb == QLatin1String("circle") || verb == QLatin1String("canvas")) {
        const std::vector<double> n = numbersIn(argument, &ok);
        if (!ok || n.size() != 4)
            return false;
        const Box box { float(n[0]), float(n[1]), float(n[2]), float(n[3]) };
        if (verb == QLatin1String("canvas"))
            editor.setView({ editor.view().zoom, QSizeF(n[2], n[3]), QPointF(n[0], n[1]) });
        else
            addArea(verb == QLatin1String("box") ? Area::rectangle(box) : Area::circle(box));
    } else if (verb == QLatin1String("polygon") || verb == QLatin1String("open")) {
        const std::vector<double> n = numbersIn(argument, &ok);
        std::vector<Vertex> vertices;
        for (size_t i = 0; ok && i + 1 < n.size(); i += 2)
            vertices.push_back({ int16_t(n[i]), int16_t(n[i + 1]) });
        if (!ok || vertices.empty())
            return false;
        if (verb == QLatin1String("polygon"))
            vertices.push_back(vertices.front());
        addArea(Area::polygon(vertices));
    } else if (verb == QLatin1String("select")) {
        const bool box = argument.startsWith(QLatin1Char('b'));
        int wanted = argument.mid(1).toInt();
        editor.apply([&](Editing& e) {
            for (const Area& area : e.map.areas())
                if ((box ? area.isBox() : area.shape() == AreaShape::Polygon) && --wanted == 0)
                    selectArea(e, area.id());
        });
    } else {
        return pointerStep(verb, argument);
    }
    return true;
}

bool EditorScript::play(const QString& script)
{
    for (const QString& rawStep : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString step = rawStep.trimmed();
        // The rest of the step is its argument: texts keep their spaces.
        if (!this->step(step.section(QLatin1Char(' '), 0, 0), step.section(QLatin1Char(' '), 1))) {
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
        const Box& b = area.box();
        QString text = area.isBox()
            ? QStringLiteral("B%1 %2 %3,%4 %5x%6")
                  .arg(++boxes)
                  .arg(area.shape() == AreaShape::Circle ? "circle" : "rect", formatSingle(b.left), formatSingle(b.top),
                      formatSingle(b.width), formatSingle(b.height))
            : area.shape() == AreaShape::Polygon ? QStringLiteral("P%1").arg(++polygons)
                                                 : QStringLiteral("kept");
        for (const Vertex v : area.vertices())
            text += QStringLiteral(" %1,%2").arg(v.x).arg(v.y);
        if (area.id() == state.selected)
            text += QLatin1Char('*');
        if (area.id() == state.building)
            text += QStringLiteral(" building");
        parts << text + texts(area);
    }
    return (parts << modeName(state)).join(QStringLiteral(" | "));
}

QString describePanel(const MapEditor& editor)
{
    const PropertiesPanel& panel = editor.state().panel;
    return panel.href + QLatin1Char('|') + panel.alt + (panel.enabled ? QString() : QStringLiteral(" off"));
}

int cursorCode(Qt::CursorShape shape)
{
    const std::pair<Qt::CursorShape, int> codes[] = { { Qt::CrossCursor, 2 }, { Qt::SizeBDiagCursor, 6 },
        { Qt::SizeVerCursor, 7 }, { Qt::SizeFDiagCursor, 8 }, { Qt::SizeHorCursor, 9 }, { Qt::SizeAllCursor, 15 } };
    for (const auto& [cursor, code] : codes)
        if (cursor == shape)
            return code;
    return 1;
}
