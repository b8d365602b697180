#include "window/ProblemsDisplay.h"

#include "dialogs/ProblemListWindow.h"
#include "editor/MapEditor.h"
#include "map/AreaGeometry.h"
#include "view/CanvasView.h"
#include "window/WindowControls.h"
#include "window/WindowLook.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

QString countText(size_t count)
{
    if (count == 0)
        return ProblemsDisplay::tr("No problems");
    if (count == 1)
        return ProblemsDisplay::tr("1 problem");
    return ProblemsDisplay::tr("%1 problems").arg(count);
}

QStringList textsOf(const ShownProblems& problems)
{
    QStringList texts;
    for (const ShownProblem& problem : problems)
        texts << problem.text;
    return texts;
}

} // namespace

ProblemsDisplay::ProblemsDisplay(MapEditor& editor, const WindowControls& controls, QWidget* mainWindow)
    : m_editor(editor)
    , m_controls(controls)
    , m_mainWindow(mainWindow)
    , m_watch(editor)
{
    connect(&m_watch, &MapProblemWatch::problemsChanged, this, &ProblemsDisplay::showProblems);
    connect(m_controls.problemsPanel, &QToolButton::clicked, this, &ProblemsDisplay::showList);
    showProblems();
}

ProblemListWindow* ProblemsDisplay::listWindow() const
{
    return m_list.data();
}

void ProblemsDisplay::setPictureSize(const QSize& size)
{
    m_pictureOpen = true;
    m_watch.setPictureSize(size);
}

void ProblemsDisplay::showProblems()
{
    const size_t count = m_watch.problems().size();
    // Before any picture there is no map to speak of.
    m_controls.problemsPanel->setVisible(m_pictureOpen);
    m_controls.problemsPanel->setText(countText(count));
    // Red draws the eye to problems; none is said in the window's own colour.
    QPalette palette = m_controls.problemsPanel->palette();
    palette.setColor(
        QPalette::ButtonText, count == 0 ? m_mainWindow->palette().color(QPalette::WindowText) : Qt::darkRed);
    m_controls.problemsPanel->setPalette(palette);
    if (m_list)
        m_list->setProblems(textsOf(m_watch.problems()));
}

void ProblemsDisplay::showList()
{
    if (!m_list) {
        m_list = new ProblemListWindow(m_mainWindow);
        connect(m_list, &ProblemListWindow::problemChosen, this, &ProblemsDisplay::chooseProblem);
    }
    m_list->setProblems(textsOf(m_watch.problems()));
    showOrBringForward(m_list);
}

void ProblemsDisplay::chooseProblem(int row)
{
    const ShownProblems& problems = m_watch.problems();
    if (row < 0 || size_t(row) >= problems.size())
        return;
    const AreaId id = problems[size_t(row)].area;
    const Area* area = m_editor.map().find(id);
    if (!area) {
        // The map's own problem, or an area gone since the check.
        if (id == 0 && m_controls.mapNameBox->isEnabled())
            m_controls.mapNameBox->setFocus();
        return;
    }
    m_editor.select(id);
    if (area->isEditable()) // an area kept as its page wrote it is not drawn
        m_controls.canvas->scrollToShow(areaBounds(*area));
}
