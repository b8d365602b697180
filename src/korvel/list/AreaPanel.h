#pragma once

#include "map/Area.h"

#include <QWidget>

#include <optional>

class AreaListModel;
class AreaListView;
class EditorActions;
class MapEditor;
class QCheckBox;
class QLabel;
class QLineEdit;

// The area panel beside the canvas: the list of every area in the map's order, and below it
// the chosen area's link, texts and coordinates. Choosing a row chooses the area on the canvas
// and the other way round; every edit goes through the editor, as one undo step.
class AreaPanel : public QWidget {
    Q_OBJECT
public:
    struct Form {
        QLineEdit* href = nullptr;
        QCheckBox* noHref = nullptr;
        QLineEdit* alt = nullptr;
        QLineEdit* title = nullptr;
        QLineEdit* target = nullptr;
        QLineEdit* coords = nullptr;
        QLabel* problem = nullptr; // why typed coordinates were refused
    };

    AreaPanel(MapEditor& editor, EditorActions& actions, QWidget* parent);

    AreaListModel& model() const { return *m_model; }
    AreaListView* list() const { return m_list; }
    const Form& form() const { return m_form; }

    // Follows the editor: the chosen row, and the form when the chosen area changed.
    void showState();

signals:
    // The user chose an area in the list; the canvas shows it.
    void areaChosen(AreaId id);
    // Typed coordinates were refused, for this reason.
    void refused(const QString& why);

private:
    void buildForm(EditorActions& actions);
    void listChoiceChanged();
    void showChosenRow();
    void showForm(const Area* area);
    void takeCoordinates();

    MapEditor& m_editor;
    AreaListModel* m_model;
    AreaListView* m_list;
    Form m_form;
    bool m_choosing = false; // the panel itself moves the list's choice
    AreaId m_rowArea = 0; // the area the list shows chosen, and its row
    int m_row = -1;
    std::optional<Area> m_formArea; // the area as the form shows it
};
