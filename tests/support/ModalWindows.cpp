#include "support/ModalWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>

namespace {

int g_answering = 0; // ModalAnswers alive
constexpr int kPatienceMs = 3000;

// Watches for modal windows that no ModalAnswer expects.
void watchModalWindows()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!qobject_cast<QApplication*>(app))
        return; // no widgets, no modal windows
    auto* timer = new QTimer(app);
    QObject::connect(timer, &QTimer::timeout, app, [open = QElapsedTimer()]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || g_answering > 0) {
            open.invalidate();
            return;
        }
        if (!open.isValid())
            open.start();
        if (open.elapsed() < kPatienceMs)
            return;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        const QString text = box ? box->text() : dialog->windowTitle();
        QTest::qFail(qPrintable(QStringLiteral("a modal window nobody answered: %1").arg(text)), __FILE__, __LINE__);
        dialog->reject();
        open.invalidate();
    });
    timer->start(50);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchModalWindows)

ModalAnswer::ModalAnswer(std::vector<QMessageBox::StandardButton> buttons)
    : m_buttons(std::move(buttons))
{
    ++g_answering;
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { look(); });
    m_timer.start(5);
}

ModalAnswer::~ModalAnswer()
{
    --g_answering;
}

void ModalAnswer::look()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || texts.size() >= qsizetype(m_buttons.size()))
        return;
    auto* box = qobject_cast<QMessageBox*>(dialog);
    texts << (box ? box->text() : dialog->windowTitle());
    text = texts.front();
    QAbstractButton* button = box ? box->button(m_buttons[size_t(texts.size() - 1)]) : nullptr;
    button ? button->click() : dialog->accept();
}
