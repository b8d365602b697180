#pragma once

#include <QWidget>

class MainForm : public QWidget {
    Q_OBJECT
public:
    MainForm();
};
