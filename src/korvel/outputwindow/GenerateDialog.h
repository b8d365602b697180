#pragma once

#include <QWidget>

class ChunkedTextAppender;
class QPlainTextEdit;
class QPushButton;

// The "Output" window. It is created by the first Generate and keeps its text while
// hidden: its Close button only hides it, while closing it through the window frame
// discards it, so that the next Generate starts from an empty text.
class GenerateDialog : public QWidget {
    Q_OBJECT
public:
    GenerateDialog();

    // The text box's text becomes its current text followed by text; CR LF pairs
    // become line breaks. A long text shows its first lines at once and the rest
    // within moments; Text and Copy always take all of it.
    void AppendText(const QString& text);
    // Shows the window modeless, or only brings it forward when it is already visible.
    void ShowAndRaise();
    // The whole text as the user sees it, with CR LF line breaks.
    QString Text() const;

    QPlainTextEdit* OutputText() const { return m_outputText; }
    QPushButton* CopyButton() const { return m_copyButton; }
    QPushButton* CloseButton() const { return m_closeButton; }

    void CopyButton_Click();
    void Close_Click();

private:
    QPlainTextEdit* m_outputText;
    QPushButton* m_copyButton;
    QPushButton* m_closeButton;
    ChunkedTextAppender* m_appender;
};
