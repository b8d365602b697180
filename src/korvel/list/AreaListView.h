#pragma once

#include <QTableView>

#include <functional>

// The table of the area list: one row per area, chosen a row at a time; a row dragged
// elsewhere moves its area in the map's order (the model does the move). The arrow keys go
// from row to row; the window's commands keep every other key, Page Up, Page Down, Home and
// End included, so that they move the chosen area.
class AreaListView : public QTableView {
    Q_OBJECT
public:
    explicit AreaListView(QWidget* parent = nullptr);

    // Called with each editor of a cell when it is made, so that its keys stay its own.
    void setEditorSetup(std::function<void(QWidget*)> setup);

protected:
    bool event(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void startDrag(Qt::DropActions supportedActions) override;
};
