#include "mainwindow/MainForm.h"

MainForm::MainForm()
{
    setWindowTitle(QStringLiteral("Korvel v1.0"));
    resize(465, 473);
}
