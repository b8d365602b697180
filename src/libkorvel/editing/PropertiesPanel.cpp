#include "editing/PropertiesPanel.h"

namespace {

// The texts of whatever is selected, or nullptr with nothing selected.
QString* SelectedText(Editor& editor, bool url)
{
    EditorState& state = editor.state;
    if (state.selBox > 0) {
        BoxArea& box = editor.map.box(state.selBox);
        return url ? &box.url : &box.alt;
    }
    if (state.selPoly > 0) {
        PolygonArea& polygon = editor.map.polygon(state.selPoly);
        return url ? &polygon.url : &polygon.alt;
    }
    return nullptr;
}

} // namespace

void ShowAreaProperties(Editor& editor, EditorView& view, int16_t index, bool isBox)
{
    view.SetPropertyBoxesEnabled(true);
    // Copied first: storing the URL into the selected area may be storing into this one.
    const QString url = isBox ? editor.map.box(index).url : editor.map.polygon(index).url;
    const QString alt = isBox ? editor.map.box(index).alt : editor.map.polygon(index).alt;
    SetHrefText(editor, view, url);
    SetAltText(editor, view, alt);
}

void ClearAreaProperties(Editor& editor, EditorView& view)
{
    SetHrefText(editor, view, QString());
    SetAltText(editor, view, QString());
    view.SetPropertyBoxesEnabled(false);
}

void HrefText_Change(Editor& editor, const QString& text)
{
    if (QString* stored = SelectedText(editor, true))
        *stored = text;
}

void AltText_Change(Editor& editor, const QString& text)
{
    if (QString* stored = SelectedText(editor, false))
        *stored = text;
}

void SetHrefText(Editor& editor, EditorView& view, const QString& text)
{
    view.ShowHrefText(text);
    HrefText_Change(editor, text);
}

void SetAltText(Editor& editor, EditorView& view, const QString& text)
{
    view.ShowAltText(text);
    AltText_Change(editor, text);
}
