#include "list/AreaListView.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <utility>

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void(QWidget*)> setup;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        // Texts of any length are edited whole, as in the text boxes.
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(1 << 24);
        if (editor && setup)
            setup(editor);
        return editor;
    }
};

bool isArrowKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

AreaListView::AreaListView(QWidget* parent)
    : QTableView(parent)
{
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Rows of one height, so that the view lays out any number of them at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(false);
    setDefaultDropAction(Qt::MoveAction);
}

void AreaListView::setEditorSetup(std::function<void(QWidget*)> setup)
{
    static_cast<CellDelegate*>(itemDelegate())->setup = std::move(setup);
}

bool AreaListView::event(QEvent* event)
{
    // The window's arrow keys nudge the area; in the list they go from row to row.
    if (event->type() == QEvent::ShortcutOverride && isArrowKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

// A row that cannot be chosen (an area kept as it came) leaves the choice as it is.
QItemSelectionModel::SelectionFlags AreaListView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (index.isValid() && !(index.flags() & Qt::ItemIsSelectable))
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

// The model moves the area when the row is dropped; nothing is taken away after the drag, as
// the view would do for a move between models.
void AreaListView::startDrag(Qt::DropActions)
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    drag->exec(Qt::MoveAction);
}
