#include "support/EditorHarness.h"

#include "document/Numbers.h"

#include <QRegularExpression>
#include <QTest>

namespace {

bool ParsePoint(const QString& text, float& x, float& y)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    if (parts.size() == 2) {
        x = parts[0].toFloat(&okX);
        y = parts[1].toFloat(&okY);
    }
    return okX && okY;
}

QString DescribeBox(const BoxArea& box, int16_t index, const EditorState& state)
{
    const QString kind = box.Shape == kCircleShape ? QStringLiteral("circle") : QStringLiteral("rect");
    QString text = QStringLiteral("B%1 %2 %3,%4 %5x%6")
                       .arg(index)
                       .arg(kind, FormatSingle(box.Left), FormatSingle(box.Top), FormatSingle(box.Width),
                           FormatSingle(box.Height));
    if (index == state.selBox)
        text += box.BorderColor == SelectedColour ? QStringLiteral("*") : QStringLiteral("*grey");
    else if (box.BorderColor == SelectedColour)
        text += QStringLiteral(" magenta");
    return text;
}

QString DescribePolygon(const PolygonArea& polygon, int16_t index, const EditorState& state)
{
    QStringList points;
    for (const auto& [x, y] : StoredVertices(polygon))
        points << QStringLiteral("%1,%2").arg(x).arg(y);
    QString text = QStringLiteral("P%1 %2").arg(index).arg(points.join(QLatin1Char(' ')));
    if (index == state.selPoly)
        text += QStringLiteral("*");
    if (index == state.buildingPoly)
        text += QStringLiteral(" building");
    return text;
}

bool PlayKey(EditorSession& session, QString name)
{
    int16_t shift = 0;
    const std::pair<const char*, int16_t> modifiers[] = { { "ctrl+", 2 }, { "shift+", 1 }, { "alt+", 4 } };
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, bit] : modifiers) {
            if (name.startsWith(QLatin1String(prefix))) {
                shift |= bit;
                name = name.mid(int(qstrlen(prefix)));
                found = true;
            }
        }
    }
    const std::pair<const char*, int16_t> named[]
        = { { "Backspace", 8 }, { "Left", 37 }, { "Up", 38 }, { "Right", 39 }, { "Down", 40 }, { "Delete", 46 } };
    int16_t code = 0;
    for (const auto& [keyName, keyCode] : named)
        if (name == QLatin1String(keyName))
            code = keyCode;
    if (code == 0 && name.size() == 1 && name[0].isLetter())
        code = static_cast<int16_t>(name[0].toUpper().unicode());
    if (code == 0)
        return false;
    session.KeyDown(code, shift);
    return true;
}

} // namespace

bool EditorHarness::BuildStep(const QString& verb, const QStringList& arguments)
{
    if (verb == QLatin1String("box") || verb == QLatin1String("circle")) {
        const QStringList n = arguments.value(0).split(QLatin1Char(','));
        if (n.size() != 4)
            return false;
        const int16_t shape = verb == QLatin1String("box") ? kRectangleShape : kCircleShape;
        Build([&](Editor& e) {
            AddTestBox(e.map, n[0].toFloat(), n[1].toFloat(), n[2].toFloat(), n[3].toFloat(), shape);
        });
        return true;
    }
    if (verb == QLatin1String("polygon") || verb == QLatin1String("open")) {
        Vertices vertices;
        for (const QString& point : arguments) {
            float x = 0, y = 0;
            if (!ParsePoint(point, x, y))
                return false;
            vertices.emplace_back(static_cast<int16_t>(x), static_cast<int16_t>(y));
        }
        Build([&](Editor& e) { AddTestPolygon(e.map, vertices, verb == QLatin1String("polygon")); });
        return true;
    }
    if (verb == QLatin1String("select") && arguments.size() == 1) {
        const QString& which = arguments.front();
        const auto index = static_cast<int16_t>(which.mid(1).toInt());
        Build([&](Editor& e) {
            if (which.startsWith(QLatin1Char('b')))
                SelectTestBox(e, index);
            else
                SelectTestPolygon(e, index);
        });
        return true;
    }
    return false;
}

bool EditorHarness::Play(const QString& script)
{
    for (const QString& rawStep : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = rawStep.simplified().split(QLatin1Char(' '));
        const QString& verb = words.front();
        const QString argument = words.size() > 1 ? words[1] : QString();
        if (BuildStep(verb, words.mid(1)))
            continue;
        if (verb == QLatin1String("key") && PlayKey(session, argument))
            continue;
        if (verb == QLatin1String("zoom")) {
            const QStringList ratio = argument.split(QLatin1Char('/'));
            view.zoom = ZoomMapping(ratio.value(0).toInt(), ratio.value(1, QStringLiteral("1")).toInt());
            continue;
        }
        if (verb == QLatin1String("focus")) {
            view.focus = argument == QLatin1String("map")
                ? FocusedControl::MapNameText
                : (argument == QLatin1String("href")
                        ? FocusedControl::HrefText
                        : (argument == QLatin1String("alt") ? FocusedControl::AltText : FocusedControl::Other));
            continue;
        }
        if (verb == QLatin1String("tool")) {
            session.ChooseTool(argument == QLatin1String("rect")
                    ? ToolMode::Rect
                    : (argument == QLatin1String("circle") ? ToolMode::Circle : ToolMode::Poly));
        } else if (verb == QLatin1String("generate")) {
            session.Generate();
        } else if (verb == QLatin1String("release")) {
            const CanvasGeometry canvas = view.canvas;
            session.MouseUp(m_x, m_y, m_x >= 0 && m_y >= 0 && m_x < canvas.Width && m_y < canvas.Height);
        } else if ((verb == QLatin1String("move") || verb == QLatin1String("press") || verb == QLatin1String("click"))
            && ParsePoint(argument, m_x, m_y)) {
            session.MouseMove(m_x, m_y);
            if (verb != QLatin1String("move"))
                session.MouseDown(m_x, m_y);
            if (verb == QLatin1String("click"))
                Play(QStringLiteral("release"));
        } else {
            QTest::qFail(qPrintable(QStringLiteral("unknown step \"%1\"").arg(rawStep)), __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

QString Describe(const Editor& editor)
{
    QStringList parts;
    for (int16_t i = 1; i <= editor.map.boxCount; ++i)
        parts << DescribeBox(editor.map.box(i), i, editor.state);
    for (int16_t j = 1; j <= editor.map.polyCount; ++j)
        parts << DescribePolygon(editor.map.polygon(j), j, editor.state);
    parts << ToolModeName(editor.state.toolMode);
    return parts.join(QStringLiteral(" | "));
}
