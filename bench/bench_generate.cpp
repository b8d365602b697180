// Generating the HTML of the largest map Korvel holds, and showing it in the output window.
#include "outputwindow/GenerateDialog.h"
#include "output/HtmlGenerator.h"
#include "outputwindow/OutputWindowHost.h"
#include "support/DocumentBuilders.h"

#include <QApplication>
#include <QElapsedTimer>

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
        AddTestBox(doc, x, y, 25.f, 20.f, i % 2 ? kCircleShape : kRectangleShape,
            QStringLiteral("https://example.org/page%1.html").arg(i), QStringLiteral("Area %1").arg(i));
    }
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        const auto x = static_cast<int16_t>(i % 200 * 30);
        const auto y = static_cast<int16_t>(i / 200 * 30);
        std::vector<std::pair<int16_t, int16_t>> corners;
        for (int k = 0; k < 7; ++k)
            corners.emplace_back(static_cast<int16_t>(x + k * 3), static_cast<int16_t>(y + (k % 3) * 7));
        AddTestPolygon(doc, corners, true, QStringLiteral("https://example.org/poly%1.html").arg(i),
            QStringLiteral("Polygon %1").arg(i)); // 7 corners + the closing copy = 8 vertices
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
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const ImagemapDocument doc = LargestMap();
    QString html;
    const double generate = MedianMilliseconds(9, [&] { html = GenerateImagemapHtml(doc, QStringLiteral("big")); });
    const double show = MedianMilliseconds(9, [&] {
        OutputWindowHost host;
        host.AppendAndShow(html);
        host.Dialog()->repaint(); // the window with its first lines on screen
    });
    const double complete = MedianMilliseconds(5, [&] {
        OutputWindowHost host;
        host.AppendAndShow(html);
        host.Dialog()->Text(); // everything in the text box
    });
    std::printf("map: %d boxes, %d polygons of 8 vertices, %lld characters of HTML\n", doc.boxCount, doc.polyCount,
        static_cast<long long>(html.size()));
    std::printf("generate the HTML:           median %8.2f ms (target < 100 ms)\n", generate);
    std::printf("append and show the window:  median %8.2f ms (target < 100 ms)\n", show);
    std::printf(
        "the whole text in the window: median %7.2f ms (it follows in slices while the window is usable)\n", complete);
    return 0;
}
