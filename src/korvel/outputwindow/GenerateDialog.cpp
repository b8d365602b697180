#include "outputwindow/GenerateDialog.h"

#include "forms/FormLook.h"
#include "outputwindow/ChunkedTextAppender.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

const QColor kBackground(224, 224, 224);

} // namespace

GenerateDialog::GenerateDialog()
    : QWidget(nullptr, kFixedDialogFrame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Output"));
    ApplyFormLook(this, kBackground);
    setFixedSize(492, 224);
    move(184, 250);

    // Tab order follows creation order: Close, the text, Copy.
    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setGeometry(400, 192, 81, 25);

    // A plain-text editor lays out only the lines on screen, so a map of tens of
    // thousands of areas appears at once.
    m_outputText = new QPlainTextEdit(this);
    m_outputText->setGeometry(8, 40, 473, 145);
    m_outputText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_outputText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_outputText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_outputText->setTabChangesFocus(true);

    m_copyButton = new QPushButton(QStringLiteral("Copy the whole text"), this);
    m_copyButton->setGeometry(8, 8, 129, 25);
    m_copyButton->setFont(FormFont(8.25, true));
    ShrinkFontToFit(m_copyButton, m_copyButton->text(), m_copyButton->width() - 8); // room for the bevel

    m_appender = new ChunkedTextAppender(m_outputText);

    connect(m_copyButton, &QPushButton::clicked, this, &GenerateDialog::CopyButton_Click);
    connect(m_closeButton, &QPushButton::clicked, this, &GenerateDialog::Close_Click);
}

void GenerateDialog::AppendText(const QString& text)
{
    m_appender->Append(WithLineBreaksForDisplay(text));
}

void GenerateDialog::ShowAndRaise()
{
    ShowOrBringForward(this);
}

QString GenerateDialog::Text() const
{
    m_appender->Flush();
    QString text = m_outputText->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

void GenerateDialog::CopyButton_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Text());
}

void GenerateDialog::Close_Click()
{
    hide();
}
