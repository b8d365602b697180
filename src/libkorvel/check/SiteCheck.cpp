#include "check/SiteCheck.h"

#include "check/PageChecks.h"
#include "html/PageReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThreadPool>

#include <algorithm>
#include <deque>
#include <future>
#include <memory>

namespace {

QStringList pagesInFolder(const QString& folder)
{
    QStringList pages;
    QDirIterator found(
        folder, { QStringLiteral("*.html"), QStringLiteral("*.htm") }, QDir::Files, QDirIterator::Subdirectories);
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

namespace {

// What checking one page gives: a line per problem, or why the file could not be read.
struct PageReport {
    QStringList lines;
    QString error;
};

PageReport reportOn(const QString& file)
{
    const PageContents page = readAnyPage(file);
    if (!page.error.isEmpty())
        return { {}, page.error };
    PageReport report;
    for (const PageProblem& problem : checkPage(page))
        report.lines << problemLine(file, problem);
    return report;
}

} // namespace

// Pages are read and checked on every core, a few ahead of the one being reported, and
// reported in their order.
SiteCheckExit checkSite(const QStringList& paths, const std::function<void(const QString& line)>& reportProblem,
    const std::function<void(const QString& sentence)>& reportError)
{
    const QStringList files = pagesToCheck(paths);
    QThreadPool pool;
    const size_t ahead = size_t(std::max(2, 2 * pool.maxThreadCount()));
    std::deque<std::future<PageReport>> pending;
    qsizetype started = 0;
    SiteCheckExit exit = NoProblems;
    while (started < files.size() || !pending.empty()) {
        while (started < files.size() && pending.size() < ahead) {
            auto report = std::make_shared<std::promise<PageReport>>();
            pending.push_back(report->get_future());
            pool.start([report, file = files[started++]] { report->set_value(reportOn(file)); });
        }
        const PageReport report = pending.front().get();
        pending.pop_front();
        if (!report.error.isEmpty()) {
            reportError(report.error);
            exit = UnreadableFile;
        }
        for (const QString& line : report.lines)
            reportProblem(line);
        if (exit == NoProblems && !report.lines.isEmpty())
            exit = ProblemsFound;
    }
    return exit;
}
