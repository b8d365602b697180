#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What `korvel --check` answers: 0 when no page has a problem, 1 when one has, 2 when a file
// could not be read.
enum SiteCheckExit { NoProblems = 0, ProblemsFound = 1, UnreadableFile = 2 };

// The pages to check for the paths given, in their order: a file as it is, a folder's .html
// and .htm files at every depth (hidden ones left out), sorted.
QStringList pagesToCheck(const QStringList& paths);

// Checks every map of every page and reports each problem as one line,
// "FILE:LINE:COLUMN: map "NAME", area N: message", and each file that cannot be read as a
// sentence naming it and the reason.
SiteCheckExit checkSite(const QStringList& paths, const std::function<void(const QString& line)>& reportProblem,
    const std::function<void(const QString& sentence)>& reportError);
