#pragma once

#include <QPointer>
#include <QString>

class GenerateDialog;

// Keeps the one output window: created by the first append, kept while hidden,
// created anew with an empty text after its frame's close discarded it.
class OutputWindowHost {
public:
    OutputWindowHost() = default;
    OutputWindowHost(const OutputWindowHost&) = delete;
    OutputWindowHost& operator=(const OutputWindowHost&) = delete;
    ~OutputWindowHost();

    void AppendAndShow(const QString& text);
    // Discards the window, as closing the main window does.
    void Unload();
    GenerateDialog* Dialog() const;

private:
    QPointer<GenerateDialog> m_dialog;
};
