// Saving and opening the largest map Korvel holds as a web page: 32,766 boxes and 32,766
// polygons of 8 vertices, every third box with texts to escape and a fraction to write.
#include "html/PageReader.h"
#include "html/PageSaving.h"
#include "support/Measuring.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ImageMap map = largestMap();
    for (int i = 0; i < map.boxCount(); i += 3) {
        Area box = map.at(i);
        box.setBox({ box.box().left, box.box().top, box.box().width, box.box().height + 0.5f });
        box.setAttribute(QLatin1String("href"), box.text(QLatin1String("href")) + QStringLiteral("?a=1&b=2"));
        box.setAttribute(QLatin1String("alt"), QStringLiteral("\"%1\" <b>").arg(i));
        map.replace(box);
    }
    const QString page = dir.filePath(QStringLiteral("largest.html"));
    QString error;
    const double save = medianMilliseconds(
        7, [&] { error = savePage(page, map, dir.filePath(QStringLiteral("picture.png")), QSize(6000, 5000)); });
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    PageContents contents;
    const double open = medianMilliseconds(7, [&] { contents = readPage(page); });
    const ImageMap& opened = contents.maps.at(0).map;
    std::printf("map: %d boxes, %d polygons of 8 vertices; the page is %.1f MB\n", map.boxCount(), map.polygonCount(),
        static_cast<double>(QFileInfo(page).size()) / 1e6);
    std::printf("save (page text and atomic write): median %8.2f ms\n", save);
    std::printf("open (read, parse, make the map):  median %8.2f ms (%d boxes, %d polygons, %d kept)\n", open,
        opened.boxCount(), opened.polygonCount(), int(contents.maps.at(0).keptAreas.size()));
    return 0;
}
