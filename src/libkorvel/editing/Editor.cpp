#include "editing/Editor.h"

#include "document/DocumentInvariants.h"

namespace {

bool NamesNoneOrOneOf(int16_t index, int16_t count)
{
    return index >= 0 && index <= count;
}

void CheckSelection(const Editor& editor, QStringList& out)
{
    const EditorState& s = editor.state;
    const ImagemapDocument& map = editor.map;
    if (!NamesNoneOrOneOf(s.selBox, map.boxCount))
        out << QStringLiteral("selBox %1 names no box").arg(s.selBox);
    if (!NamesNoneOrOneOf(s.selPoly, map.polyCount))
        out << QStringLiteral("selPoly %1 names no polygon").arg(s.selPoly);
    if (s.selBox != 0 && s.selPoly != 0)
        out << QStringLiteral("both a box and a polygon are selected");
    if (!NamesNoneOrOneOf(s.drawingBox, map.boxCount))
        out << QStringLiteral("drawingBox %1 names no box").arg(s.drawingBox);
    if (!NamesNoneOrOneOf(s.buildingPoly, map.polyCount))
        out << QStringLiteral("buildingPoly %1 names no polygon").arg(s.buildingPoly);
}

void CheckBorderColours(const Editor& editor, QStringList& out)
{
    const ImagemapDocument& map = editor.map;
    for (int16_t i = 1; i <= map.boxCount && static_cast<size_t>(i) < map.boxes.size(); ++i) {
        // A box still being drawn keeps element 0's colour until its release selects it.
        if (i == editor.state.drawingBox)
            continue;
        const bool magenta = map.box(i).BorderColor == SelectedColour;
        if (magenta != (i == editor.state.selBox))
            out << QStringLiteral("box %1 has the wrong border colour").arg(i);
    }
}

} // namespace

QStringList EditorInvariantViolations(const Editor& editor)
{
    QStringList out = DocumentInvariantViolations(editor.map);
    CheckSelection(editor, out);
    CheckBorderColours(editor, out);
    return out;
}
