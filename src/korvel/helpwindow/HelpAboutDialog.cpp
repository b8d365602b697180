#include "helpwindow/HelpAboutDialog.h"

#include "forms/FormLook.h"
#include "help/HelpText.h"

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

QLabel* MakeLabel(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

HelpAboutDialog::HelpAboutDialog()
    : QDialog(nullptr, kFixedDialogFrame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));
    ApplyFormLook(this, kBackground);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFixedSize(518, 499);
    move(156, 129);

    // Tab order follows creation order: Close, the help text, the title.
    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(424, 464, 84, 23);
    m_closeButton->setDefault(true);

    m_helpLabel = MakeLabel(WithLineBreaksForDisplay(HelpAboutText()), QRect(8, 80, 499, 248), this);
    m_helpLabel->setObjectName(QStringLiteral("HelpLabel"));
    m_helpLabel->setWordWrap(true);

    m_titleLabel = MakeLabel(QStringLiteral("Korvel v1.0"), QRect(8, 0, 145, 25), this);
    m_titleLabel->setObjectName(QStringLiteral("TitleLabel"));
    m_titleLabel->setFont(FormFont(13.5));

    connect(m_closeButton, &QPushButton::clicked, this, &HelpAboutDialog::closeButton_Click);
}

void HelpAboutDialog::ShowAndRaise()
{
    ShowOrBringForward(this);
}

void HelpAboutDialog::closeButton_Click()
{
    hide();
}

void HelpAboutDialog::accept()
{
    hide();
}

void HelpAboutDialog::reject()
{
    hide();
}

void HelpAboutDialog::paintEvent(QPaintEvent* event)
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
