#include "list/AreaListModel.h"

#include "editor/AreaTexts.h"
#include "editor/MapEditor.h"
#include "list/ShapePictures.h"
#include "map/AreaGeometry.h"

#include <QColor>
#include <QCoreApplication>
#include <QMimeData>

namespace {

const QString kMimeType = QStringLiteral("application/x-korvel-area");

// A cell shows so much of a longer text; editing it gives the whole.
constexpr qsizetype kShownLength = 300;

const QColor kPlaceholderColour(128, 128, 128);
const QColor kUnreachedColour(255, 214, 186);

QString tr(const char* text)
{
    return QCoreApplication::translate("AreaListModel", text);
}

QLatin1String attributeOf(int column)
{
    switch (column) {
    case AreaListModel::HrefColumn:
        return QLatin1String("href");
    case AreaListModel::AltColumn:
        return QLatin1String("alt");
    case AreaListModel::TitleColumn:
        return QLatin1String("title");
    case AreaListModel::TargetColumn:
        return QLatin1String("target");
    default:
        break;
    }
    return QLatin1String();
}

QString shortened(const QString& text)
{
    return text.size() <= kShownLength ? text : text.left(kShownLength) + QChar(0x2026);
}

QString shapeName(const Area& area)
{
    switch (area.shape()) {
    case AreaShape::Rectangle:
        return tr("Rectangle");
    case AreaShape::Circle:
        return tr("Circle");
    case AreaShape::Polygon: {
        const std::vector<Vertex>& v = area.vertices();
        const bool closed = v.size() > 1 && v.front() == v.back();
        return QCoreApplication::translate("AreaListModel", "Polygon of %n corners", nullptr, int(v.size()) - closed);
    }
    case AreaShape::Kept:
        break;
    }
    return tr("Kept as it came: Korvel cannot edit this area, and writes it back unchanged");
}

QString reachText(AreaReach reach)
{
    switch (reach) {
    case AreaReach::Hidden:
        return tr("No pixel leads here: earlier areas take every pixel of it.");
    case AreaReach::NoPixel:
        return tr("No pixel leads here: it covers no pixel of the picture.");
    case AreaReach::Unchecked:
        return tr("Not checked: the map is too large to check every area.");
    case AreaReach::Reached:
        break;
    }
    return QString();
}

} // namespace

AreaListModel::AreaListModel(MapEditor& editor, QObject* parent)
    : QAbstractTableModel(parent)
    , m_editor(editor)
    , m_rows(editor.map().count())
{
    m_editor.addMapObserver(this);
}

AreaListModel::~AreaListModel()
{
    m_editor.removeMapObserver(this);
}

AreaId AreaListModel::areaAt(int row) const
{
    return row >= 0 && row < m_editor.map().count() ? m_editor.map().at(row).id() : 0;
}

int AreaListModel::rowOf(AreaId id) const
{
    return m_editor.map().indexOf(id);
}

void AreaListModel::showReach(std::vector<AreaReach> reach)
{
    m_reach = std::move(reach);
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1), { Qt::BackgroundRole, Qt::ToolTipRole });
}

bool AreaListModel::isMarked(int row) const
{
    return size_t(row) < m_reach.size() && m_reach[size_t(row)] != AreaReach::Reached;
}

int AreaListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int AreaListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool AreaListModel::isPlaceholder(const Area& area, int column) const
{
    return (column == HrefColumn && (hasNoHref(area) || !area.hasAttribute(QLatin1String("href"))))
        || (column == AltColumn && !area.hasAttribute(QLatin1String("alt")));
}

QVariant AreaListModel::shown(const Area& area, int column) const
{
    if (column == HrefColumn && hasNoHref(area))
        return tr("nohref");
    if (column == HrefColumn && isPlaceholder(area, column))
        return tr("no link");
    if (column == AltColumn && isPlaceholder(area, column))
        return tr("no alt");
    if (column == CoordsColumn)
        return shortened(coordsText(area));
    if (column == ShapeColumn)
        return area.isEditable() ? QVariant() : area.text(QLatin1String("shape"));
    return shortened(area.text(attributeOf(column)));
}

QVariant AreaListModel::toolTip(const Area& area, int row, int column) const
{
    if (column == ShapeColumn) {
        const QString reach = isMarked(row) ? QStringLiteral("\n") + reachText(m_reach[size_t(row)]) : QString();
        return shapeName(area) + reach;
    }
    if (isMarked(row))
        return reachText(m_reach[size_t(row)]);
    const QVariant text = shown(area, column);
    return text.toString().size() > 20 ? text : QVariant();
}

QVariant AreaListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.row() >= m_editor.map().count())
        return QVariant();
    const Area& area = m_editor.map().at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return shown(area, column);
    case Qt::EditRole:
        return column == CoordsColumn ? coordsText(area) : area.text(attributeOf(column));
    case Qt::DecorationRole: {
        if (column != ShapeColumn)
            return QVariant();
        QPixmap& picture = m_pictures[size_t(area.shape())];
        if (picture.isNull())
            picture = drawShapePicture(area.shape());
        return picture;
    }
    case Qt::ToolTipRole:
        return toolTip(area, index.row(), column);
    case Qt::ForegroundRole:
        return !area.isEditable() || isPlaceholder(area, column) ? QVariant(kPlaceholderColour) : QVariant();
    case Qt::BackgroundRole:
        return isMarked(index.row()) ? QVariant(kUnreachedColour) : QVariant();
    default:
        break;
    }
    return QVariant();
}

QVariant AreaListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case CoordsColumn:
        return tr("Coordinates");
    case HrefColumn:
        return tr("URL");
    case AltColumn:
        return tr("Alt text");
    case TitleColumn:
        return tr("Title");
    case TargetColumn:
        return tr("Target");
    default:
        break;
    }
    return QString();
}

Qt::ItemFlags AreaListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (index.row() >= m_editor.map().count() || !m_editor.map().at(index.row()).isEditable())
        return Qt::ItemIsEnabled;
    if (m_editor.isPreviewing())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Area& area = m_editor.map().at(index.row());
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    const bool typed = index.column() != ShapeColumn && !(index.column() == HrefColumn && hasNoHref(area));
    return typed ? flags | Qt::ItemIsEditable : flags;
}

bool AreaListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Area& area = m_editor.map().at(index.row());
    const QString text = value.toString();
    if (index.column() == CoordsColumn) {
        const QString why = m_editor.setCoordinates(area.id(), text);
        if (!why.isEmpty())
            emit refused(why);
        return why.isEmpty();
    }
    // An untouched cell leaves an absent attribute absent.
    const QLatin1String name = attributeOf(index.column());
    if (text != area.text(name))
        m_editor.setAttribute(area.id(), name, text);
    return true;
}

QStringList AreaListModel::mimeTypes() const
{
    return { kMimeType };
}

// Marked with the program and the model it came from: an id means nothing to another map.
QMimeData* AreaListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    const QString mark = QStringLiteral("%1 %2 %3")
                             .arg(QCoreApplication::applicationPid())
                             .arg(quintptr(this))
                             .arg(areaAt(indexes.front().row()));
    data->setData(kMimeType, mark.toLatin1());
    return data;
}

AreaId AreaListModel::draggedArea(const QMimeData* data) const
{
    if (!data || !data->hasFormat(kMimeType))
        return 0;
    const QList<QByteArray> parts = data->data(kMimeType).split(' ');
    if (parts.size() != 3 || parts[0].toLongLong() != QCoreApplication::applicationPid()
        || parts[1].toULongLong() != quintptr(this))
        return 0;
    return AreaId(parts[2].toUInt());
}

bool AreaListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int, const QModelIndex&) const
{
    return action == Qt::MoveAction && !m_editor.isPreviewing() && rowOf(draggedArea(data)) >= 0;
}

bool AreaListModel::dropMimeData(
    const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const AreaId id = draggedArea(data);
    // Dropped between rows, on a row (taking its place) or below the last one.
    int to = row >= 0 ? row : (parent.isValid() ? parent.row() : m_rows);
    // The rows after the area move up once it has left its place.
    if (row >= 0 || !parent.isValid())
        to -= to > rowOf(id) ? 1 : 0;
    m_editor.moveArea(id, to);
    return true;
}

template <typename Change> void AreaListModel::follow(Change&& change)
{
    m_following = true;
    change();
    m_following = false;
}

void AreaListModel::areaInserted(const ImageMap&, int index)
{
    follow([&] {
        beginInsertRows(QModelIndex(), index, index);
        ++m_rows;
        endInsertRows();
    });
}

void AreaListModel::areaRemoved(const ImageMap&, int index, const Area&)
{
    follow([&] {
        beginRemoveRows(QModelIndex(), index, index);
        --m_rows;
        endRemoveRows();
    });
}

void AreaListModel::areaChanged(const ImageMap&, int row, const Area&)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void AreaListModel::areaMoved(const ImageMap&, int from, int to)
{
    follow([&] {
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
        endMoveRows();
    });
}

void AreaListModel::mapReset(const ImageMap& map)
{
    follow([&] {
        beginResetModel();
        m_rows = map.count();
        m_reach.clear();
        endResetModel();
    });
}
