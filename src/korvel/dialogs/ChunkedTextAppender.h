#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

// Appends text to the end of a plain-text editor in slices of whole lines: the first
// slice goes in at once, so that even a map of tens of thousands of areas shows its
// first lines immediately, and the rest follows slice by slice from the event loop
// without freezing the window. Line breaks are "\n".
//
// The user may edit the text meanwhile. Whatever could change the text (a key, a paste from
// the keyboard, the context menu or the middle button, a drop) first brings in everything
// still waiting, so an edit never lands between two slices and the appended text arrives
// whole, right behind what was there before.
class ChunkedTextAppender : public QObject {
public:
    explicit ChunkedTextAppender(QPlainTextEdit* editor);

    void append(const QString& text);
    // Puts everything still waiting into the editor now.
    void flush();
    bool isPending() const { return !m_pending.isEmpty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void insertLines(qsizetype lineCount);

    QPlainTextEdit* m_editor;
    QString m_pending;
    qsizetype m_offset = 0; // how much of m_pending is already in the editor
    QTimer m_timer;
};
