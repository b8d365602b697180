// Saving and opening the largest map Korvel holds: 32,766 boxes and 32,766 polygons of 8 vertices.
#include "mapfile/MapFileReading.h"
#include "mapfile/MapFileSaving.h"
#include "mapfile/OpenedMap.h"
#include "support/DocumentBuilders.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

ImagemapDocument LargestMap()
{
    ImagemapDocument doc;
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        const float x = static_cast<float>(i % 200) * 30.f;
        const float y = static_cast<float>(i / 200) * 30.f;
        AddTestBox(doc, x, y, 25.f, i % 3 ? 20.f : 20.5f, i % 2 ? kCircleShape : kRectangleShape,
            QStringLiteral("https://example.org/page%1.html?a=1&b=2").arg(i), QStringLiteral("Area \"%1\"").arg(i));
    }
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        const auto x = static_cast<int16_t>(i % 200 * 30);
        const auto y = static_cast<int16_t>(i / 200 * 30);
        Vertices corners;
        for (int k = 0; k < 7; ++k)
            corners.emplace_back(static_cast<int16_t>(x + k * 3), static_cast<int16_t>(y + (k % 3) * 7));
        AddTestPolygon(doc, corners, true, QStringLiteral("https://example.org/poly%1.html").arg(i),
            QStringLiteral("Polygon <%1>").arg(i)); // 7 corners + the closing copy = 8 vertices
    }
    return doc;
}

double MedianMilliseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const ImagemapDocument doc = LargestMap();
    const QString page = dir.filePath("largest.html");
    const QString picture = dir.filePath("picture.png");
    QString error;
    const double save
        = MedianMilliseconds(7, [&] { error = SaveMapFile(page, doc, "big", picture, QSize(6000, 5000)); });
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    MapFileContents contents;
    const double read = MedianMilliseconds(7, [&] { contents = ReadMapFile(page); });
    OpenedMap opened;
    const double open = MedianMilliseconds(7, [&] { opened = OpenFoundMap(contents.maps.front()); });
    std::printf("map: %d boxes, %d polygons of 8 vertices; the page is %.1f MB\n", doc.boxCount, doc.polyCount,
        static_cast<double>(QFileInfo(page).size()) / 1e6);
    std::printf("save (page text and atomic write):  median %8.2f ms\n", save);
    std::printf("read and parse the file, find maps:  median %8.2f ms\n", read);
    std::printf("make the map from the areas found:   median %8.2f ms\n", open);
    std::printf("open in all:                         %8.2f ms (%d boxes, %d polygons, %d lines left out)\n",
        read + open, opened.map.boxCount, opened.map.polyCount, int(opened.leftOut.size()));
    return 0;
}
