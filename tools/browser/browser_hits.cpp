// Compares the grids that hits.mjs recorded in a browser with the area Korvel's browser
// rules pick at every pixel of the same maps (see hits.mjs for the file's format):
//   browser_hits GRIDS           lists the cases and pixels that disagree, and a total
//   browser_hits --print GRIDS   prints Korvel's own grids in the same format
// Exits 1 when any pixel disagrees.
#include "html/BrowserArea.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct RecordedCase {
    QString header;
    QString name;
    int width = 0;
    int height = 0;
    std::vector<BrowserArea> areas;
    QStringList browserRows;
};

std::optional<QString> attribute(const QJsonObject& area, const QString& name)
{
    if (!area.contains(name))
        return std::nullopt;
    return area.value(name).toString();
}

RecordedCase readHeader(const QString& line)
{
    RecordedCase recorded;
    recorded.header = line;
    const QStringList words = line.split(u' ');
    recorded.name = words.value(1);
    recorded.width = words.value(2).toInt();
    recorded.height = words.value(3).toInt();
    const QString json = line.section(u' ', 4);
    for (const QJsonValue value : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonObject area = value.toObject();
        recorded.areas.push_back(readBrowserArea(attribute(area, "shape"), attribute(area, "coords")));
    }
    return recorded;
}

std::vector<RecordedCase> readGrids(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::vector<RecordedCase> cases;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("case ")))
            cases.push_back(readHeader(line));
        else if (!cases.empty())
            cases.back().browserRows.append(line);
    }
    return cases;
}

QString korvelRow(const RecordedCase& recorded, int y)
{
    static const QString symbols = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz");
    QString row;
    for (int x = 0; x < recorded.width; ++x) {
        const int index = browserAreaAt(recorded.areas, x, y);
        row += index < 0 ? QChar(u'.') : symbols.at(index % symbols.size());
    }
    return row;
}

int compareCase(const RecordedCase& recorded, QTextStream& out)
{
    int mismatches = 0;
    for (int y = 0; y < recorded.height; ++y) {
        const QString ours = korvelRow(recorded, y);
        const QString theirs = recorded.browserRows.value(y).leftJustified(recorded.width, u'?');
        for (int x = 0; x < recorded.width; ++x) {
            if (ours.at(x) == theirs.at(x))
                continue;
            if (++mismatches <= 20)
                out << "  " << recorded.name << " at " << x << "," << y << ": browser " << theirs.at(x) << ", Korvel "
                    << ours.at(x) << "\n";
        }
    }
    return mismatches;
}

} // namespace

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    const bool print = argc == 3 && QLatin1String(argv[1]) == QLatin1String("--print");
    if (argc != 2 && !print) {
        out << "usage: browser_hits [--print] GRIDS\n";
        return 2;
    }
    const std::vector<RecordedCase> cases = readGrids(QString::fromLocal8Bit(argv[argc - 1]));
    long long pixels = 0;
    long long mismatches = 0;
    for (const RecordedCase& recorded : cases) {
        if (print) {
            out << recorded.header << "\n";
            for (int y = 0; y < recorded.height; ++y)
                out << korvelRow(recorded, y) << "\n";
            continue;
        }
        pixels += qint64(recorded.width) * recorded.height;
        mismatches += compareCase(recorded, out);
    }
    if (!print)
        out << cases.size() << " cases, " << pixels << " pixels compared, " << mismatches << " differ\n";
    return mismatches == 0 && !cases.empty() ? 0 : 1;
}
