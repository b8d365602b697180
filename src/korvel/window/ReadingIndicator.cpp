#include "window/ReadingIndicator.h"

#include "pictures/BackgroundPictureReader.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QShortcut>

namespace {

// The file's name, shortened in the middle so that the whole line fits the panel.
QString readingText(const QLabel* notice, const QString& path)
{
    const QString pattern = ReadingIndicator::tr("Reading “%1”…");
    const int room = notice->width() - notice->fontMetrics().horizontalAdvance(pattern.arg(QString()));
    const QString name = notice->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, room);
    return pattern.arg(name);
}

} // namespace

ReadingIndicator::ReadingIndicator(
    BackgroundPictureReader& reader, QWidget* window, QLabel* notice, QList<QWidget*> inert)
    : QObject(window)
    , m_notice(notice)
    , m_inert(std::move(inert))
    , m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), window))
{
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, &reader, &BackgroundPictureReader::abandon);
    connect(&reader, &BackgroundPictureReader::started, this, &ReadingIndicator::begin);
    connect(&reader, &BackgroundPictureReader::stopped, this, &ReadingIndicator::end);
}

ReadingIndicator::~ReadingIndicator()
{
    // The busy pointer belongs to the whole program; it must not outlive the window.
    if (m_active)
        QApplication::restoreOverrideCursor();
}

void ReadingIndicator::begin(const QString& path)
{
    if (m_active)
        end();
    m_active = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_escape->setEnabled(true);
    m_noticeText = m_notice->text();
    m_noticeToolTip = m_notice->toolTip();
    m_notice->setText(readingText(m_notice, path));
    m_notice->setToolTip(tr("Reading %1. Press Esc to stop.")
                             .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    m_kept.clear();
    for (QWidget* widget : m_inert) {
        m_kept.append({ widget, !widget->testAttribute(Qt::WA_ForceDisabled) });
        widget->setEnabled(false);
    }
}

void ReadingIndicator::end()
{
    if (!m_active)
        return;
    m_active = false;
    QApplication::restoreOverrideCursor();
    m_escape->setEnabled(false);
    m_notice->setText(m_noticeText);
    m_notice->setToolTip(m_noticeToolTip);
    for (const Kept& kept : m_kept) {
        if (kept.widget)
            kept.widget->setEnabled(kept.enabled);
    }
    m_kept.clear();
}
