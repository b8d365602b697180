#include "editor/MapEditor.h"

#include "editor/AreaCommands.h"
#include "editor/AreaTexts.h"
#include "editor/Gestures.h"
#include "editor/HitTest.h"
#include "editor/PolygonCorners.h"
#include "editor/Tools.h"
#include "editor/TypedCoordinates.h"
#include "html/MapWriter.h"
#include "map/AreaGeometry.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kToleranceStep = 4;
constexpr double kDeviationStep = 0.5;
constexpr double kLargestDeviation = 32;
// More steps than any range has, so that the arithmetic cannot overflow.
constexpr int kMostSteps = 1000;

QString traceSettingsText(const TraceSettings& settings)
{
    return QCoreApplication::translate("MapEditor", "Trace tolerance: %1, deviation: %2 px")
        .arg(settings.colourTolerance)
        .arg(settings.maxDeviation);
}

} // namespace

MapEditor::MapEditor(QObject* parent)
    : QObject(parent)
{
    m_editing.map.addObserver(this);
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] { m_clickMoved = false; });
    connect(&m_traceWorker, &TraceWorker::traced, this, &MapEditor::regionTraced);
}

MapEditor::~MapEditor()
{
    m_editing.map.removeObserver(this);
}

void MapEditor::setView(const ViewGeometry& view)
{
    m_editing.view = view;
}

void MapEditor::setPicture(const QImage& picture)
{
    m_editing.tracer.setPicture(picture);
    m_editing.state.traceOutline.reset();
    finish();
}

void MapEditor::pointerMoved(const Pointer& pointer)
{
    m_editing.state.pointer = pointer;
    m_editing.state.pointerSeen = true;
    // The preview only shows where the pointer is.
    if (editsAllowed() && m_editing.state.gesture.kind != Gesture::Kind::None)
        dragGesture(m_editing);
    else if (editsAllowed())
        editorTool(m_editing.state.tool).hover(m_editing);
    traceWhatHoverWants();
    finish();
}

// The hover again where the pointer is, after what it shows changed under it.
void MapEditor::rehover()
{
    const EditorState& state = m_editing.state;
    if (state.tool == Tool::Trace && state.pointerSeen && state.gesture.kind == Gesture::Kind::None)
        pointerMoved(state.pointer);
}

void MapEditor::traceWhatHoverWants()
{
    const std::optional<QPoint> pixel = std::exchange(m_editing.traceWanted, std::nullopt);
    if (pixel && !m_traceWorker.isBusy())
        m_traceWorker.start(m_editing.tracer.picture(), *pixel, m_editing.tracer.settings());
}

// Kept while it is still of the picture and the settings in use; the hover then shows it, or
// asks for the region the pointer has moved to since.
void MapEditor::regionTraced(const std::shared_ptr<TraceJob>& job)
{
    RegionTracer& tracer = m_editing.tracer;
    if (job->picture.cacheKey() == tracer.picture().cacheKey() && job->settings == tracer.settings()
        && !tracer.isKnown(job->pixel))
        tracer.remember(std::move(job->traced));
    rehover();
}

void MapEditor::buttonPressed(const Pointer& pointer, Qt::KeyboardModifiers modifiers)
{
    if (!editsAllowed())
        return;
    m_clickMoved = false;
    endStep();
    beginStep(StepKind::Single);
    EditorState& state = m_editing.state;
    state.pointer = pointer;
    state.buttonDown = true;
    editorTool(state.tool).press(m_editing, modifiers);
    finish();
}

void MapEditor::doubleClicked(const Pointer& pointer, Qt::KeyboardModifiers modifiers)
{
    if (!editsAllowed())
        return;
    EditorState& state = m_editing.state;
    state.pointer = pointer;
    const bool plain = state.tool == Tool::Arrow && !modifiers.testFlag(Qt::ControlModifier);
    const int edge = plain ? edgeForNewCorner(m_editing) : -1;
    if (edge < 0) {
        buttonPressed(pointer, modifiers);
        return;
    }
    // The undo goes before the step opens, so that the step holds the new corner alone; the
    // edge keeps its number when the polygon moves back.
    if (std::exchange(m_clickMoved, false))
        m_undo.undo();
    endStep();
    beginStep(StepKind::Single);
    state.buttonDown = true;
    if (!addCorner(m_editing, edge))
        editorTool(state.tool).press(m_editing, modifiers);
    finish();
}

void MapEditor::buttonReleased(bool clicked)
{
    if (!editsAllowed())
        return;
    EditorState& state = m_editing.state;
    beginStep(StepKind::Single); // a release may click without a press of the canvas's own
    state.buttonDown = false;
    const Gesture& gesture = state.gesture;
    const auto near = [](int a, int b) { return std::abs(int64_t { a } - b) <= kHandleReach; };
    const bool jitter = gesture.kind == Gesture::Kind::Move && near(state.pointer.screen.x(), gesture.press.screen.x())
        && near(state.pointer.screen.y(), gesture.press.screen.y());
    finishGesture(m_editing);
    if (clicked)
        editorTool(state.tool).click(m_editing);
    const int before = m_undo.index();
    endStep();
    m_clickMoved = clicked && jitter && m_undo.index() != before;
    finish();
}

void MapEditor::chooseTool(Tool tool)
{
    armTool(m_editing, tool);
    if (m_editing.state.tool == Tool::Trace)
        m_editing.notice = traceSettingsText(traceSettings());
    finish();
}

void MapEditor::disarmTool()
{
    EditorState& state = m_editing.state;
    state.building = 0;
    state.closingMarker = false;
    state.rubberLine = false;
    chooseTool(Tool::Arrow);
}

void MapEditor::deleteSelected()
{
    command(StepKind::Single, ::deleteSelected);
}

void MapEditor::copySelected()
{
    ::copySelected(m_editing);
    finish();
}

void MapEditor::cutSelected()
{
    command(StepKind::Single, ::cutSelected);
}

void MapEditor::paste()
{
    command(StepKind::Single, ::paste);
}

void MapEditor::duplicateSelected()
{
    command(StepKind::Single, ::duplicateSelected);
}

void MapEditor::nudgeSelected(int dx, int dy)
{
    const StepKind kind = dx < 0 ? StepKind::NudgeLeft
        : dx > 0                 ? StepKind::NudgeRight
        : dy < 0                 ? StepKind::NudgeUp
                                 : StepKind::NudgeDown;
    command(kind, [dx, dy](Editing& editing) { ::nudgeSelected(editing, dx, dy); });
}

void MapEditor::stepTraceSettings(int toleranceSteps, int deviationSteps)
{
    TraceSettings settings = traceSettings();
    settings.colourTolerance += kToleranceStep * std::clamp(toleranceSteps, -kMostSteps, kMostSteps);
    settings.maxDeviation = std::clamp(
        settings.maxDeviation + kDeviationStep * std::clamp(deviationSteps, -kMostSteps, kMostSteps), 0.0,
        kLargestDeviation);
    m_editing.tracer.setSettings(settings); // which keeps the tolerance within its range
    m_editing.notice = traceSettingsText(traceSettings());
    rehover();
    finish();
}

QString MapEditor::generate()
{
    armTool(m_editing, Tool::Arrow);
    m_editing.state.hover = {};
    finish();
    return mapElement(m_editing.map, HtmlForm::Literal);
}

void MapEditor::select(AreaId id)
{
    EditorState& state = m_editing.state;
    const Area* area = m_editing.map.find(id);
    if (!area || state.buttonDown)
        return;
    state.tool = Tool::Arrow;
    state.cursor = Qt::ArrowCursor;
    ::selectArea(m_editing, id);
    showProperties(m_editing, *area);
    finish();
}

namespace {

// The URL and alt boxes show what was typed; the selected area, if any, takes it.
void typeInto(Editing& editing, QLatin1String attribute, const QString& text)
{
    if (attribute == QLatin1String("href"))
        editing.state.panel.href = text;
    else if (attribute == QLatin1String("alt"))
        editing.state.panel.alt = text;
    if (const Area* selected = editing.selectedArea()) {
        Area area = *selected;
        storeText(area, attribute, text);
        editing.map.replace(area);
    }
}

int orderIndex(OrderMove move, int index, int count)
{
    switch (move) {
    case OrderMove::Earlier:
        return std::max(index - 1, 0);
    case OrderMove::Later:
        return std::min(index + 1, count - 1);
    case OrderMove::First:
        return 0;
    case OrderMove::Last:
        break;
    }
    return count - 1;
}

} // namespace

void MapEditor::type(StepKind kind, QLatin1String attribute, const QString& text)
{
    command(kind, [&](Editing& editing) { typeInto(editing, attribute, text); }, m_typingRun);
}

void MapEditor::editHref(const QString& text)
{
    type(StepKind::TypeHref, QLatin1String("href"), text);
}

void MapEditor::editAlt(const QString& text)
{
    type(StepKind::TypeAlt, QLatin1String("alt"), text);
}

void MapEditor::editText(QLatin1String attribute, const QString& text)
{
    type(attribute == QLatin1String("title") ? StepKind::TypeTitle : StepKind::TypeTarget, attribute, text);
}

void MapEditor::setMapName(const QString& name)
{
    if (editsAllowed())
        m_editing.map.setName(name);
    finish();
}

void MapEditor::selectArea(AreaId id)
{
    const Area* area = m_editing.map.find(id);
    if (id != 0 && (!area || !area->isEditable()))
        return;
    ::selectArea(m_editing, id);
    if (area)
        showProperties(m_editing, *area);
    else
        clearProperties(m_editing);
    finish();
}

void MapEditor::moveSelected(OrderMove move)
{
    if (const Area* area = m_editing.selectedArea())
        moveArea(area->id(), orderIndex(move, m_editing.map.indexOf(area->id()), m_editing.map.count()));
}

void MapEditor::moveArea(AreaId id, int to)
{
    const Area* area = m_editing.map.find(id);
    if (!area || !area->isEditable())
        return;
    command(StepKind::Single, [&](Editing& editing) {
        editing.map.move(id, to);
        ::selectArea(editing, id);
        showProperties(editing, *editing.map.find(id));
    });
}

void MapEditor::replaceShown(Editing& editing, const Area& area)
{
    editing.map.replace(area);
    if (area.id() == editing.state.selected)
        showProperties(editing, area);
}

void MapEditor::setAttribute(AreaId id, QLatin1String name, const QString& value)
{
    changeArea(id, [&](Area& area) { storeText(area, name, value); });
}

void MapEditor::setNoHref(AreaId id, bool on)
{
    changeArea(id, [on](Area& area) { ::setNoHref(area, on); });
}

QString MapEditor::setCoordinates(AreaId id, const QString& text)
{
    if (!editsAllowed())
        return QString();
    const Area* found = m_editing.map.find(id);
    if (!found)
        return tr("Select an area first.");
    if (text == coordsText(*found))
        return QString(); // nothing typed, whatever the page wrote
    if (id == m_editing.state.building)
        return tr("The polygon is still being drawn: close it first.");
    Area area = *found;
    const QString why = applyTypedCoordinates(area, text);
    if (why.isEmpty())
        command(StepKind::Single, [&](Editing& editing) { replaceShown(editing, area); });
    return why;
}

void MapEditor::setPreviewing(bool on)
{
    EditorState& state = m_editing.state;
    if (state.previewing == on)
        return;
    if (state.buttonDown)
        buttonReleased(false);
    state.previewing = on;
    state.hover = {};
    state.closingMarker = false;
    state.rubberLine = false;
    state.cursor = on || state.tool == Tool::Arrow ? Qt::ArrowCursor : Qt::CrossCursor;
    finish();
}

void MapEditor::undo()
{
    if (!canUndo())
        return;
    endStep();
    m_undo.undo();
}

void MapEditor::redo()
{
    if (!editsAllowed() || m_editing.state.buttonDown)
        return;
    endStep();
    m_undo.redo();
}

void MapEditor::clearHistory()
{
    m_step.reset();
    m_undo.clear();
}

void MapEditor::startNewMap()
{
    ImageMap empty;
    empty.setName(m_editing.map.name());
    replaceMap(empty);
}

void MapEditor::replaceMap(const ImageMap& map)
{
    clearHistory();
    EditorState& state = m_editing.state;
    // The panel keeps its texts; with nothing selected they go nowhere.
    state.selected = 0;
    state.building = 0;
    state.hover = {};
    state.gesture = {};
    state.closingMarker = false;
    state.rubberLine = false;
    m_editing.map.reset(map.areas());
    m_editing.map.setName(map.name());
    finish();
}

bool MapEditor::beginStep(StepKind kind, int run)
{
    if (m_step)
        return false; // a drag under way takes this change too
    m_step = std::make_unique<EditStep>(*this, kind, run, selection());
    return true;
}

void MapEditor::endStep()
{
    if (!m_step)
        return;
    std::unique_ptr<EditStep> step = std::move(m_step);
    step->setSelectionAfter(selection());
    if (!step->isEmpty())
        m_undo.push(step.release());
}

void MapEditor::finish()
{
    if (!m_editing.notice.isEmpty())
        emit notice(std::exchange(m_editing.notice, QString()));
    emit stateChanged();
}

void MapEditor::areaInserted(const ImageMap& map, int index)
{
    if (m_step)
        m_step->record({ MapEdit::Kind::Insert, 0, index, {}, map.at(index) });
}

void MapEditor::areaRemoved(const ImageMap&, int index, const Area& removed)
{
    if (m_step)
        m_step->record({ MapEdit::Kind::Remove, index, 0, removed, {} });
}

void MapEditor::areaChanged(const ImageMap& map, int index, const Area& before)
{
    if (m_step)
        m_step->record({ MapEdit::Kind::Change, index, index, before, map.at(index) });
}

void MapEditor::areaMoved(const ImageMap& map, int from, int to)
{
    if (m_step)
        m_step->record({ MapEdit::Kind::Move, from, to, {}, map.at(to) });
}

void MapEditor::applyStep(const EditStep& step, bool forward)
{
    ImageMap& map = m_editing.map;
    const std::vector<MapEdit>& edits = step.edits();
    const auto apply = [&](const MapEdit& edit) {
        switch (edit.kind) {
        case MapEdit::Kind::Insert:
            forward ? void(map.insert(edit.to, edit.after)) : map.remove(edit.after.id());
            break;
        case MapEdit::Kind::Remove:
            forward ? map.remove(edit.before.id()) : void(map.insert(edit.from, edit.before));
            break;
        case MapEdit::Kind::Change:
            map.replace(forward ? edit.after : edit.before);
            break;
        case MapEdit::Kind::Move:
            map.move(edit.after.id(), forward ? edit.to : edit.from);
            break;
        }
    };
    if (forward)
        for (const MapEdit& edit : edits)
            apply(edit);
    else
        for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
            apply(*edit);
    const StepSelection selection = forward ? step.selectionAfter() : step.selectionBefore();
    EditorState& state = m_editing.state;
    state.gesture = {};
    ::selectArea(m_editing, map.find(selection.selected) ? selection.selected : 0);
    state.building = map.find(selection.building) ? selection.building : 0;
    state.closingMarker = false;
    state.rubberLine = false;
    // Handles moved, or were numbered anew: the one under the pointer is found again.
    if (state.tool == Tool::Arrow && state.pointerSeen)
        editorTool(Tool::Arrow).hover(m_editing);
    if (const Area* area = m_editing.selectedArea())
        showProperties(m_editing, *area);
    else
        clearProperties(m_editing);
    finish();
}
