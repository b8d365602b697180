#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The "Help" window: the product's name, the usage text and a Close button. Close,
// Enter and Esc only hide it, so showing it again shows the same window; closing it
// through the window frame discards it.
class HelpAboutDialog : public QDialog {
    Q_OBJECT
public:
    HelpAboutDialog();

    // Shows the window modeless, or only brings it forward when it is already visible.
    void ShowAndRaise();

    QPushButton* CloseButton() const { return m_closeButton; }
    QLabel* HelpLabel() const { return m_helpLabel; }
    QLabel* TitleLabel() const { return m_titleLabel; }

    void closeButton_Click();

    // QDialog would otherwise delete a window marked for deletion on close.
    void accept() override;
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_closeButton;
    QLabel* m_helpLabel;
    QLabel* m_titleLabel;
};
