#pragma once

#include "dialogs/FileDialogs.h"

#include <QStringList>

#include <deque>

// File dialogs for tests: they record what they were offered and answer as scripted, with the
// queued answers first, one per dialog, then with `answer` every time (empty: cancelled).
class ScriptedFileDialogs : public FileDialogs {
public:
    QString openPicture(QWidget*, const QString& start) override { return next(QStringLiteral("picture"), start); }
    QString openPage(QWidget*, const QString& start) override { return next(QStringLiteral("open page"), start); }
    QString savePage(QWidget*, const QString& start) override { return next(QStringLiteral("save page"), start); }

    QString answer;
    std::deque<QString> queued;
    QStringList asked; // "picture: START", "open page: START", "save page: START"

private:
    QString next(const QString& kind, const QString& start)
    {
        asked << kind + QStringLiteral(": ") + start;
        if (queued.empty())
            return answer;
        const QString chosen = queued.front();
        queued.pop_front();
        return chosen;
    }
};
