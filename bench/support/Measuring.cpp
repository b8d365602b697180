#include "support/Measuring.h"

#include "support/DragTiming.h"
#include "support/PictureCorpus.h"
#include "window/MainWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

ImageMap largestMap()
{
    std::vector<Area> areas;
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        const Box box { float(i % 200 * 30), float(i / 200 * 30), 25, 20 };
        areas.push_back(i % 2 ? Area::circle(box) : Area::rectangle(box));
        areas.back().setAttribute(QLatin1String("href"), QStringLiteral("https://example.org/page%1.html").arg(i));
        areas.back().setAttribute(QLatin1String("alt"), QStringLiteral("Area %1").arg(i));
    }
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        std::vector<Vertex> corners;
        for (int k = 0; k < 7; ++k)
            corners.push_back({ int16_t(i % 200 * 30 + k * 3), int16_t(i / 200 * 30 + k % 3 * 7) });
        corners.push_back(corners.front());
        areas.push_back(Area::polygon(std::move(corners)));
        areas.back().setAttribute(QLatin1String("href"), QStringLiteral("https://example.org/poly%1.html").arg(i));
        areas.back().setAttribute(QLatin1String("alt"), QStringLiteral("Polygon %1").arg(i));
    }
    ImageMap map;
    map.setName(QStringLiteral("largest"));
    map.reset(std::move(areas));
    return map;
}

QByteArray largePicture(int width, int height, const char* format)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 255);
    }
    return Encoded(photo, format);
}

double medianMilliseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

double memoryMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray key = QByteArray(field) + ':';
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(key))
                return line.mid(key.size()).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool openAndWait(MainWindow& window, const QString& path)
{
    QSignalSpy opened(&window, &MainWindow::pictureOpened);
    window.openPicture(path);
    return opened.wait(120000) && opened.front().front().toBool();
}
