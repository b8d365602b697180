#include "dialogs/OutputWindow.h"

#include "dialogs/ChunkedTextAppender.h"
#include "window/WindowLook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

OutputWindow::OutputWindow()
    : QWidget(nullptr, kFixedDialogFrame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Output"));
    applyWindowLook(this, QColor(224, 224, 224));
    setFixedSize(492, 224);
    move(184, 250);

    // Tab order follows creation order: Close, the text, Copy, Copy escaped.
    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setGeometry(400, 192, 81, 25);
    // A plain-text editor lays out only the lines on screen, so a map of tens of thousands of
    // areas appears at once.
    m_textBox = new QPlainTextEdit(this);
    m_textBox->setGeometry(8, 40, 473, 145);
    m_textBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setTabChangesFocus(true);
    m_copyButton = new QPushButton(tr("Copy the whole text"), this);
    m_copyButton->setGeometry(8, 8, 129, 25);
    m_copyButton->setFont(windowFont(8.25, true));
    shrinkFontToFit(m_copyButton, m_copyButton->text(), m_copyButton->width() - 8); // room for the bevel
    // Beside it, the same maps with every value escaped: a text holding " or & reads in a
    // browser exactly as typed only so.
    m_copyEscapedButton = new QPushButton(tr("Copy escaped"), this);
    m_copyEscapedButton->setGeometry(145, 8, 129, 25);
    m_copyEscapedButton->setFont(m_copyButton->font());
    m_copyEscapedButton->setToolTip(tr("Copy the maps generated here with every value escaped (& as &amp;, \" as "
                                       "&quot;), so that browsers read each text exactly as typed"));
    m_appender = new ChunkedTextAppender(m_textBox);

    connect(m_copyButton, &QPushButton::clicked, this, &OutputWindow::copyToClipboard);
    connect(m_copyEscapedButton, &QPushButton::clicked, this, &OutputWindow::copyEscapedToClipboard);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void OutputWindow::appendText(const QString& text, const QString& escaped)
{
    m_appender->append(withLineBreaksForDisplay(text));
    m_escapedText += escaped;
}

QString OutputWindow::text() const
{
    m_appender->flush();
    QString text = m_textBox->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

namespace {

void putOnClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace

void OutputWindow::copyToClipboard()
{
    putOnClipboard(text());
}

void OutputWindow::copyEscapedToClipboard()
{
    putOnClipboard(m_escapedText);
}

void OutputWindowHost::appendAndShow(const QString& text, const QString& escaped)
{
    if (!m_window)
        m_window = new OutputWindow;
    m_window->appendText(text, escaped);
    showOrBringForward(m_window);
}
