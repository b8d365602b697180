#include "dialogs/HelpWindow.h"

#include "window/WindowLook.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor kBackground(255, 255, 192);
const QColor kSeparatorShade(128, 128, 128);
const QColor kSeparatorLight(255, 255, 128);

constexpr int kSeparatorLeft = 8;
constexpr int kSeparatorRight = 512;
constexpr int kSeparatorsY[] = { 72, 456 };

QLabel* makeLabel(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString HelpWindow::usageText()
{
    const QString paragraphBreak = QStringLiteral("\r\n\r\n");
    return tr("Korvel generates HTML codes for imagemaps. It is easy to use, but still effective.") + paragraphBreak
        + tr("To generate an imagemap do the following:") + paragraphBreak
        + tr("- Press the 'New Imagemap' button.") + paragraphBreak + tr("- Give the new imagemap a name.")
        + paragraphBreak + tr("- Use the 'Rectangle', 'Circle', 'Polygon' and 'Trace' tools to make shapes on the image. ")
        + tr(" Give each shape a desired URL and Alt text.") + paragraphBreak
        + tr("- After you have made all your shapes, press the Generate button. A HTML code will appear. ")
        + tr("You can now copy this code and then paste it into your desired web page.") + paragraphBreak
        + tr("All comments and suggestions are very welcome.");
}

HelpWindow::HelpWindow()
    : QDialog(nullptr, kFixedDialogFrame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Help"));
    applyWindowLook(this, kBackground);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFixedSize(518, 499);
    move(156, 129);

    // Tab order follows creation order: Close, the help text, the title.
    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setGeometry(424, 464, 84, 23);
    m_closeButton->setDefault(true);
    m_helpLabel = makeLabel(withLineBreaksForDisplay(usageText()), QRect(8, 80, 499, 248), this);
    m_helpLabel->setWordWrap(true);
    m_titleLabel = makeLabel(korvelTitle(), QRect(8, 0, 145, 25), this);
    m_titleLabel->setFont(windowFont(13.5));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // An etched rule: the two-pixel light line with the grey one over its upper row.
    for (int y : kSeparatorsY) {
        const int width = kSeparatorRight - kSeparatorLeft;
        painter.fillRect(QRect(kSeparatorLeft, y, width, 2), kSeparatorLight);
        painter.fillRect(QRect(kSeparatorLeft, y, width, 1), kSeparatorShade);
    }
}
