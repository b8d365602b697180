#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The "Help" window: the product's name, the usage text and a Close button. Close, Enter and
// Esc only hide it, so showing it again shows the same window; closing it through the window
// frame discards it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow();

    // The usage text, paragraphs separated by CR LF CR LF, with no break at the end.
    static QString usageText();

    QPushButton* closeButton() const { return m_closeButton; }
    QLabel* helpLabel() const { return m_helpLabel; }
    QLabel* titleLabel() const { return m_titleLabel; }

    // QDialog would otherwise delete a window marked for deletion on close.
    void accept() override { hide(); }
    void reject() override { hide(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_closeButton;
    QLabel* m_helpLabel;
    QLabel* m_titleLabel;
};
