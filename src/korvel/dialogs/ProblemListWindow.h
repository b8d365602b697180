#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

// The "Problems" window: the map's problems, one line each; a click on one chooses it. It
// stays open beside the main window, which goes on working.
class ProblemListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProblemListWindow(QWidget* mainWindow);

    void setProblems(const QStringList& problems);
    QListWidget* list() const { return m_list; }

signals:
    // The problem at this row of the list was clicked.
    void problemChosen(int row);

private:
    void placeBeside(const QWidget* mainWindow);

    QListWidget* m_list;
};
