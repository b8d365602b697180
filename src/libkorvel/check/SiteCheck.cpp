#include "check/SiteCheck.h"

#include "check/PageChecks.h"
#include "html/PageReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

QStringList pagesInFolder(const QString& folder)
{
    QStringList pages;
    QDirIterator found(folder, { QStringLiteral("*.html"), QStringLiteral("*.htm") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (found.hasNext())
        pages << QDir::cleanPath(found.next());
    pages.sort();
    return pages;
}

QString problemLine(const QString& file, const PageProblem& problem)
{
    // One pass: a file or map name holding "%1" stays as it is.
    return QStringLiteral("%1:%2:%3: %4: %5")
        .arg(file, QString::number(problem.place.line), QString::number(problem.place.column),
            problemSubject(problem.mapName, problem.area), problem.message);
}

} // namespace

QStringList pagesToCheck(const QStringList& paths)
{
    QStringList pages;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            pages << pagesInFolder(path);
        else
            pages << path;
    }
    return pages;
}

SiteCheckExit checkSite(const QStringList& paths, const std::function<void(const QString& line)>& reportProblem,
    const std::function<void(const QString& sentence)>& reportError)
{
    SiteCheckExit exit = NoProblems;
    for (const QString& file : pagesToCheck(paths)) {
        const PageContents page = readAnyPage(file);
        if (!page.error.isEmpty()) {
            reportError(page.error);
            exit = UnreadableFile;
            continue;
        }
        for (const PageProblem& problem : checkPage(page)) {
            reportProblem(problemLine(file, problem));
            if (exit == NoProblems)
                exit = ProblemsFound;
        }
    }
    return exit;
}
