// bench_check [--pages N] [--areas N] [--runs N] [--show N]: `korvel --check` over a site of
// N pages (1,000) of one map of N areas (100) each, read from disk and checked, as the
// command line does; prints the time of each run, the problems found and the first few
// (--show, 0).
//
// Each page is a whole web page (head, text, a table of links) with an 800 x 600 picture
// and its map: half rectangles, a quarter circles, a quarter polygons of 3 to 12 corners,
// 40 to 110 pixels across, laid out as on a plan so that neighbours overlap. About 3 in 100
// areas are the one before pasted again (wholly behind it), 2 in 100 lie outside the
// picture, 5 in 100 lack alt; every link holds an entity.
#include "check/SiteCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

struct Site {
    int pages = 1000;
    int areas = 100;
};

// Areas laid out as on a plan: one to a cell of a 10 x 10 grid, a little off its middle and
// often larger than the cell, so that neighbours overlap.
struct Layout {
    QRandomGenerator random { 20 };
    QString previousCoords;

    int around(int middle, int spread) { return middle - spread + int(random.bounded(2 * spread + 1)); }

    QString polygonAround(int x, int y)
    {
        const int corners = 3 + int(random.bounded(10));
        std::vector<double> angles;
        for (int c = 0; c < corners; ++c)
            angles.push_back(random.bounded(6.283));
        std::sort(angles.begin(), angles.end());
        QStringList numbers;
        for (double angle : angles) {
            const int radius = 20 + int(random.bounded(26));
            numbers << QString::number(x + int(radius * std::cos(angle)))
                    << QString::number(y + int(radius * std::sin(angle)));
        }
        return numbers.join(u',');
    }

    // shape and coords attributes
    QString shapeAndCoords(int cell)
    {
        const int x = around(cell % 10 * 80 + 40, 15), y = around(cell / 10 * 60 + 30, 12);
        const int kind = int(random.bounded(100));
        if (kind < 3 && !previousCoords.isEmpty()) // the area before it pasted again
            return previousCoords;
        if (kind < 5) // coordinates for a larger copy of the picture
            return QStringLiteral("coords=\"%1,%2,%3,%4\"").arg(x + 820).arg(y).arg(x + 880).arg(y + 40);
        if (kind < 55)
            return QStringLiteral("coords=\"%1,%2,%3,%4\"")
                .arg(x - around(40, 15))
                .arg(y - around(30, 10))
                .arg(x + around(40, 15))
                .arg(y + around(30, 10));
        if (kind < 78)
            return QStringLiteral("shape=\"circle\" coords=\"%1,%2,%3\"").arg(x).arg(y).arg(around(35, 10));
        return QStringLiteral("shape=\"poly\" coords=\"%1\"").arg(polygonAround(x, y));
    }

    QString areaText(int index)
    {
        const QString place = shapeAndCoords(index);
        if (!place.startsWith(QLatin1String("coords=\"9")))
            previousCoords = place;
        const QString link
            = QStringLiteral("/section/%1/item-%2.html?ref=map&amp;n=%3").arg(index % 7).arg(index).arg(index * 13);
        const QString alt
            = random.bounded(20) == 0 ? QString() : QStringLiteral(" alt=\"Item %1 &ndash; details\"").arg(index);
        return QStringLiteral("  <area %1 href=\"%2\"%3>\n").arg(place, link, alt);
    }
};

QByteArray pageText(Layout& layout, int page, int areas)
{
    QString text = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>Page %1</title>\n<link rel=\"stylesheet\" href=\"/site.css\">\n</head>\n"
                                  "<body>\n<h1>Page %1</h1>\n<p>Some text about this page, with a "
                                  "<a href=\"/about.html\">link</a>.</p>\n<table>\n")
                       .arg(page);
    for (int row = 0; row < 20; ++row)
        text += QStringLiteral("<tr><td><a href=\"/p/%1.html\">Entry %1</a></td><td>%2</td></tr>\n")
                    .arg(row)
                    .arg(row * 7);
    text += QStringLiteral("</table>\n<img src=\"plan.png\" width=\"800\" height=\"600\" alt=\"Plan\" "
                           "usemap=\"#plan\">\n<map name=\"plan\">\n");
    for (int i = 0; i < areas; ++i)
        text += layout.areaText(i % 100);
    text += QStringLiteral("</map>\n</body>\n</html>\n");
    return text.toUtf8();
}

bool writeSite(const QString& folder, const Site& site)
{
    Layout layout;
    for (int page = 0; page < site.pages; ++page) {
        const QString path = QStringLiteral("%1/section-%2/page-%3.html").arg(folder).arg(page / 50).arg(page);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pageText(layout, page, site.areas)) < 0)
            return false;
    }
    return true;
}

int valueAfter(const QStringList& arguments, const char* option, int fallback)
{
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    Site site;
    site.pages = std::max(1, valueAfter(arguments, "--pages", site.pages));
    site.areas = std::max(1, valueAfter(arguments, "--areas", site.areas));
    const int runs = std::max(1, valueAfter(arguments, "--runs", 5));
    const int shown = valueAfter(arguments, "--show", 0);
    QTemporaryDir folder;
    if (!folder.isValid() || !writeSite(folder.path(), site)) {
        std::fprintf(stderr, "bench_check: cannot write the pages\n");
        return 1;
    }
    std::printf("korvel --check over %d pages of %d areas each\n", site.pages, site.areas);
    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
        int problems = 0, errors = 0;
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        const auto count = [&](const QString& line) {
            if (run == 0 && problems < shown)
                std::printf("  %s\n", qPrintable(line));
            ++problems;
        };
        checkSite({ folder.path() }, count, [&](const QString&) { ++errors; });
        times.push_back(timer.elapsed());
        // The processor time too: the machine may be busy with other work.
        const long long cpu = (std::clock() - cpuStart) * 1000LL / CLOCKS_PER_SEC;
        std::printf("run %d: %lld ms (processor %lld ms), %d problems, %d unreadable\n", run + 1, times.back(), cpu,
            problems, errors);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "fastest %lld ms, median %lld ms, slowest %lld ms\n", times.front(), times[times.size() / 2], times.back());
    return 0;
}
