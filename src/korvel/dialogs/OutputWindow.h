#pragma once

#include <QPointer>
#include <QWidget>

class ChunkedTextAppender;
class QPlainTextEdit;
class QPushButton;

// The "Output" window. It is created by the first Generate and keeps its text while hidden:
// its Close button only hides it, while closing it through the window frame discards it, so
// that the next Generate starts from an empty text.
class OutputWindow : public QWidget {
    Q_OBJECT
public:
    OutputWindow();

    // The text becomes its current text followed by text; CR LF pairs become line breaks. A
    // long text shows its first lines at once and the rest within moments; text() and Copy
    // always take all of it. escaped is the same text with every value escaped, for Copy
    // escaped.
    void appendText(const QString& text, const QString& escaped = QString());
    // The whole text as the user sees it, with CR LF line breaks.
    QString text() const;
    // Empties the system clipboard, then puts the whole text on it.
    void copyToClipboard();
    // The same with everything generated into the window, every value escaped as a page must
    // hold it.
    void copyEscapedToClipboard();

    QPlainTextEdit* textBox() const { return m_textBox; }
    QPushButton* copyButton() const { return m_copyButton; }
    QPushButton* copyEscapedButton() const { return m_copyEscapedButton; }
    QPushButton* closeButton() const { return m_closeButton; }

private:
    QPlainTextEdit* m_textBox;
    QPushButton* m_copyButton;
    QPushButton* m_copyEscapedButton;
    QPushButton* m_closeButton;
    ChunkedTextAppender* m_appender;
    QString m_escapedText;
};

// Keeps the one output window: created by the first append, kept while hidden, created anew
// with an empty text after its frame's close discarded it.
class OutputWindowHost {
public:
    OutputWindowHost() = default;
    OutputWindowHost(const OutputWindowHost&) = delete;
    OutputWindowHost& operator=(const OutputWindowHost&) = delete;
    ~OutputWindowHost() { discard(); }

    void appendAndShow(const QString& text, const QString& escaped = QString());
    // Discards the window, as closing the main window does.
    void discard() { delete m_window.data(); }
    OutputWindow* window() const { return m_window.data(); }

private:
    QPointer<OutputWindow> m_window;
};
