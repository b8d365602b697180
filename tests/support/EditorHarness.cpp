#include "support/EditorHarness.h"

#include "document/Numbers.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

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

QString Texts(const QString& url, const QString& alt)
{
    return url.isEmpty() && alt.isEmpty() ? QString() : QStringLiteral(" [%1|%2]").arg(url, alt);
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
    return text + Texts(box.url, box.alt);
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
    return text + Texts(polygon.url, polygon.alt);
}

bool PlayKey(EditorSession& session, QString name)
{
    int16_t shift = 0;
    const std::pair<const char*, int16_t> modifiers[] = { { "ctrl+", 2 }, { "shift+", 1 }, { "alt+", 4 } };
    for (const auto& [prefix, bit] : modifiers) {
        if (name.startsWith(QLatin1String(prefix))) {
            shift |= bit;
            name = name.mid(int(qstrlen(prefix)));
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

bool EditorHarness::InputStep(const QString& verb, const QString& argument)
{
    const QStringList numbers = argument.split(QRegularExpression(QStringLiteral("[,/]")));
    if (verb == QLatin1String("key"))
        return PlayKey(session, argument);
    if (verb == QLatin1String("href"))
        session.HrefEdited(argument);
    else if (verb == QLatin1String("alt"))
        session.AltEdited(argument);
    else if (verb == QLatin1String("newmap"))
        session.StartNewMap();
    else if (verb == QLatin1String("generate"))
        session.Generate();
    else if (verb == QLatin1String("zoom"))
        view.zoom = ZoomMapping(numbers.value(0).toInt(), numbers.value(1, QStringLiteral("1")).toInt());
    else if (verb == QLatin1String("canvas") && numbers.size() == 4)
        view.canvas = { numbers[0].toFloat(), numbers[1].toFloat(), numbers[2].toFloat(), numbers[3].toFloat() };
    else if (verb == QLatin1String("focus")) {
        const FocusedControl controls[]
            = { FocusedControl::Other, FocusedControl::MapNameText, FocusedControl::HrefText, FocusedControl::AltText };
        view.focus = controls[std::max<qsizetype>(0, QStringList { "other", "map", "href", "alt" }.indexOf(argument))];
        session.FocusMoved();
    } else if (verb == QLatin1String("tool")) {
        session.ChooseTool(argument == QLatin1String("rect")
                ? ToolMode::Rect
                : (argument == QLatin1String("circle") ? ToolMode::Circle : ToolMode::Poly));
    } else if (verb == QLatin1String("release")) {
        const CanvasGeometry canvas = view.canvas;
        session.MouseUp(m_x, m_y, m_x >= 0 && m_y >= 0 && m_x < canvas.Width && m_y < canvas.Height);
    } else if ((verb == QLatin1String("move") || verb == QLatin1String("press") || verb == QLatin1String("click"))
        && ParsePoint(argument, m_x, m_y)) {
        // On the canvas pixel that shows the centre of the picture pixel.
        const auto screen = [this](float coordinate) {
            return int(view.zoom.ScreenPixel(static_cast<int64_t>(std::floor(coordinate))));
        };
        session.MouseMove(m_x, m_y, QPoint(screen(m_x), screen(m_y)));
        if (verb != QLatin1String("move"))
            session.MouseDown(m_x, m_y);
        if (verb == QLatin1String("click"))
            InputStep(QStringLiteral("release"), QString());
    } else {
        return false;
    }
    return true;
}

bool EditorHarness::Play(const QString& script)
{
    for (const QString& rawStep : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString step = rawStep.trimmed();
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = step.section(QLatin1Char(' '), 1); // all of the rest: texts keep their spaces
        if (!BuildStep(verb, argument.simplified().split(QLatin1Char(' '))) && !InputStep(verb, argument)) {
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
