#include "outputwindow/OutputWindowHost.h"

#include "outputwindow/GenerateDialog.h"

OutputWindowHost::~OutputWindowHost()
{
    Unload();
}

void OutputWindowHost::AppendAndShow(const QString& text)
{
    if (!m_dialog)
        m_dialog = new GenerateDialog;
    m_dialog->AppendText(text);
    m_dialog->ShowAndRaise();
}

GenerateDialog* OutputWindowHost::Dialog() const
{
    return m_dialog.data();
}

void OutputWindowHost::Unload()
{
    delete m_dialog.data();
}
