#pragma once

#include "map/Area.h"
#include "map/MapObserver.h"
#include "preview/AreaReach.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <array>
#include <vector>

class MapEditor;

// The map's areas as a table in the map's order, one row per area: its shape, coords, href,
// alt, title and target. It follows the map as it changes and edits it through the editor, so
// that each edit is one undo step: a typed cell sets the attribute or the coordinates, and a
// row dropped elsewhere moves the area there. Areas kept as they came are listed, greyed,
// and cannot be chosen or changed.
class AreaListModel : public QAbstractTableModel, private MapObserver {
    Q_OBJECT
public:
    enum Column { ShapeColumn, CoordsColumn, HrefColumn, AltColumn, TitleColumn, TargetColumn, ColumnCount };

    explicit AreaListModel(MapEditor& editor, QObject* parent = nullptr);
    ~AreaListModel() override;

    AreaId areaAt(int row) const;
    int rowOf(AreaId id) const;
    // The preview's findings, marked on the rows; empty clears the marks.
    void showReach(std::vector<AreaReach> reach);
    // True while the model tells its views of a change of the map: a selection the views
    // change meanwhile follows the map, not the user.
    bool isFollowingMap() const { return m_following; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
        const QModelIndex& parent) const override;
    bool dropMimeData(
        const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent) override;

signals:
    // Typed coordinates were refused, for this reason.
    void refused(const QString& why);

private:
    QVariant shown(const Area& area, int column) const;
    QVariant toolTip(const Area& area, int row, int column) const;
    bool isPlaceholder(const Area& area, int column) const;
    bool isMarked(int row) const;
    // The area a drag from this model carries, or 0 for anything else.
    AreaId draggedArea(const QMimeData* data) const;
    template <typename Change> void follow(Change&& change);

    void areaInserted(const ImageMap& map, int index) override;
    void areaRemoved(const ImageMap& map, int index, const Area& removed) override;
    void areaChanged(const ImageMap& map, int index, const Area& before) override;
    void areaMoved(const ImageMap& map, int from, int to) override;
    void mapReset(const ImageMap& map) override;

    MapEditor& m_editor;
    int m_rows = 0; // as the views know it: the map tells of a change after it happened
    bool m_following = false;
    std::vector<AreaReach> m_reach;
    mutable std::array<QPixmap, 4> m_pictures;
};
