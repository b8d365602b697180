// Saving and opening the largest map Korvel holds: 32,766 boxes and 32,766 polygons of 8 vertices.
#include "mapfile/MapFileReading.h"
#include "mapfile/MapFileSaving.h"
#include "mapfile/OpenedMap.h"
#include "support/LargestMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Texts that need escaping and boxes that need their exact geometry written, every few areas.
void MakeHarder(ImagemapDocument& doc)
{
    for (int i = 1; i <= doc.boxCount; i += 3) {
        BoxArea& box = doc.box(static_cast<int16_t>(i));
        box.Height += 0.5f;
        box.url += QStringLiteral("?a=1&b=2");
        box.alt = QStringLiteral("\"%1\" <b>").arg(i);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ImagemapDocument doc = LargestMap();
    MakeHarder(doc);
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
