#include "list/AreaPanel.h"

#include "editor/AreaTexts.h"
#include "editor/MapEditor.h"
#include "list/AreaListModel.h"
#include "list/AreaListView.h"
#include "map/AreaGeometry.h"
#include "window/EditorActions.h"

#include <QCheckBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Sets a box's text only when it differs, so that the box keeps its cursor while the user types.
void showText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

QLineEdit* textBox(QWidget* parent, EditorActions& actions)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(1 << 24); // texts of any length are kept whole
    actions.keepKeysIn(box);
    return box;
}

} // namespace

AreaPanel::AreaPanel(MapEditor& editor, EditorActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_model(new AreaListModel(editor, this))
    , m_list(new AreaListView(this))
{
    m_list->setModel(m_model);
    m_list->setEditorSetup([&actions](QWidget* cellEditor) { actions.keepKeysIn(cellEditor); });
    const int columnWidths[] = { 24, 104, 96, 70, 70 };
    for (int column = 0; column < int(std::size(columnWidths)); ++column)
        m_list->horizontalHeader()->resizeSection(column, columnWidths[column]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(m_list, 1);
    buildForm(actions);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AreaPanel::listChoiceChanged);
    connect(m_model, &AreaListModel::refused, this, &AreaPanel::refused);
}

void AreaPanel::buildForm(EditorActions& actions)
{
    Form& f = m_form;
    f.href = textBox(this, actions);
    f.noHref = new QCheckBox(tr("nohref"), this);
    f.noHref->setToolTip(tr("The area leads nowhere: no href is written, nohref is"));
    f.alt = textBox(this, actions);
    f.title = textBox(this, actions);
    f.title->setToolTip(tr("Shown by browsers over the area; written only when set"));
    f.target = textBox(this, actions);
    f.target->setToolTip(tr("Where the link opens, such as _blank; written only when set"));
    f.target->setCompleter(new QCompleter(
        { QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top") }, this));
    f.coords = textBox(this, actions);
    f.coords->setToolTip(tr("Whole pixels: left,top,right,bottom; x,y,radius; or x,y of each corner. "
                            "Enter or leaving the box applies them"));
    f.problem = new QLabel(this);
    f.problem->setWordWrap(true);
    f.problem->setStyleSheet(QStringLiteral("color: #b00000"));
    f.problem->hide();

    auto* link = new QHBoxLayout;
    link->addWidget(f.href, 1);
    link->addWidget(f.noHref);
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(3);
    form->addRow(tr("URL:"), link);
    form->addRow(tr("Alt text:"), f.alt);
    form->addRow(tr("Title:"), f.title);
    form->addRow(tr("Target:"), f.target);
    form->addRow(tr("Coordinates:"), f.coords);
    form->addRow(f.problem);
    static_cast<QVBoxLayout*>(layout())->addLayout(form);

    connect(f.href, &QLineEdit::textEdited, &m_editor, &MapEditor::editHref);
    connect(f.alt, &QLineEdit::textEdited, &m_editor, &MapEditor::editAlt);
    connect(f.title, &QLineEdit::textEdited, &m_editor,
        [this](const QString& text) { m_editor.editText(QLatin1String("title"), text); });
    connect(f.target, &QLineEdit::textEdited, &m_editor,
        [this](const QString& text) { m_editor.editText(QLatin1String("target"), text); });
    connect(f.noHref, &QCheckBox::clicked, &m_editor,
        [this](bool on) { m_editor.setNoHref(m_editor.state().selected, on); });
    connect(f.coords, &QLineEdit::editingFinished, this, &AreaPanel::takeCoordinates);
}

void AreaPanel::showState()
{
    showChosenRow();
    const Area* area = m_editor.selectedArea();
    const bool sameArea = area && m_formArea && m_formArea->id() == area->id();
    if (!sameArea || !m_formArea->sameContent(*area))
        showForm(area);
    const bool editing = area && !m_editor.isPreviewing();
    for (QWidget* box : { static_cast<QWidget*>(m_form.alt), static_cast<QWidget*>(m_form.title),
             static_cast<QWidget*>(m_form.target), static_cast<QWidget*>(m_form.coords),
             static_cast<QWidget*>(m_form.noHref) })
        box->setEnabled(editing);
    m_form.href->setEnabled(editing && !hasNoHref(*area));
    // With nothing chosen the URL and alt boxes show what the boxes above them show.
    showText(m_form.href, m_editor.state().panel.href);
    showText(m_form.alt, m_editor.state().panel.alt);
}

void AreaPanel::showChosenRow()
{
    const AreaId id = m_editor.state().selected;
    const int row = m_model->rowOf(id);
    if (id == m_rowArea && row == m_row)
        return;
    m_rowArea = id;
    m_row = row;
    m_choosing = true;
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, 0);
        m_list->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(index);
    } else {
        m_list->selectionModel()->clearSelection();
    }
    m_choosing = false;
}

void AreaPanel::listChoiceChanged()
{
    if (m_choosing || m_model->isFollowingMap())
        return;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    const AreaId id = rows.isEmpty() ? 0 : m_model->areaAt(rows.front().row());
    if (id == m_editor.state().selected)
        return;
    m_editor.selectArea(id);
    if (id != 0)
        emit areaChosen(id);
}

void AreaPanel::showForm(const Area* area)
{
    const bool newArea = !area || !m_formArea || m_formArea->id() != area->id();
    m_formArea = area ? std::optional<Area>(*area) : std::nullopt;
    m_form.noHref->setChecked(area && hasNoHref(*area));
    showText(m_form.title, area ? area->text(QLatin1String("title")) : QString());
    showText(m_form.target, area ? area->text(QLatin1String("target")) : QString());
    // Typing that was refused stays in the box for mending, until another area is chosen.
    if (newArea || !m_form.coords->isModified()) {
        m_form.coords->setText(area ? coordsText(*area) : QString());
        m_form.problem->hide();
    }
}

void AreaPanel::takeCoordinates()
{
    if (!m_formArea || !m_form.coords->isModified())
        return;
    const QString why = m_editor.setCoordinates(m_formArea->id(), m_form.coords->text());
    m_form.problem->setText(why);
    m_form.problem->setVisible(!why.isEmpty());
    if (why.isEmpty()) {
        m_form.coords->setModified(false);
        showForm(m_editor.selectedArea());
    } else {
        emit refused(why);
    }
}
