#include "dialogs/ProblemListWindow.h"

#include "window/WindowLook.h"

#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

// Right of the main window when the screen has room there, else below it; on the screen.
void ProblemListWindow::placeBeside(const QWidget* mainWindow)
{
    const QRect main = mainWindow->frameGeometry();
    const QRect screen = mainWindow->screen()->availableGeometry();
    QPoint at(main.right() + 8, main.top());
    if (at.x() + width() > screen.right())
        at = QPoint(main.left(), main.bottom() + 8);
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
    at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
    move(at);
}

ProblemListWindow::ProblemListWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
{
    setWindowTitle(tr("Problems"));
    applyWindowLook(this, QColor(224, 224, 224));
    resize(820, 190);
    placeBeside(mainWindow);
    m_list = new QListWidget(this);
    m_list->setFont(windowFont());
    m_list->setToolTip(tr("What a browser will do with the map; click one to select its area"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { emit problemChosen(m_list->row(item)); });
    connect(m_list, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { emit problemChosen(m_list->row(item)); });
}

void ProblemListWindow::setProblems(const QStringList& problems)
{
    const int row = m_list->currentRow();
    m_list->clear();
    m_list->addItems(problems);
    if (problems.isEmpty()) {
        auto* none = new QListWidgetItem(tr("No problems: browsers will read this map as Korvel shows it."));
        none->setFlags(Qt::NoItemFlags);
        m_list->addItem(none);
    } else if (row >= 0 && row < problems.size()) {
        m_list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
}
