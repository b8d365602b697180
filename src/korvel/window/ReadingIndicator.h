#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class BackgroundPictureReader;
class QLabel;
class QShortcut;
class QWidget;

// Shows that a picture is being read, from the reader's start to its stop: the pointer is busy,
// the notice panel names the file, the editing controls take no input, and Esc in the window
// abandons the read. At the stop, the notice and the controls return to how they were.
class ReadingIndicator : public QObject {
    Q_OBJECT
public:
    ReadingIndicator(BackgroundPictureReader& reader, QWidget* window, QLabel* notice, QList<QWidget*> inert);
    ~ReadingIndicator() override;

private:
    void begin(const QString& path);
    void end();

    struct Kept {
        QPointer<QWidget> widget;
        bool enabled;
    };

    QLabel* m_notice;
    QList<QWidget*> m_inert;
    QShortcut* m_escape;
    bool m_active = false;
    QString m_noticeText;
    QString m_noticeToolTip;
    QList<Kept> m_kept;
};
