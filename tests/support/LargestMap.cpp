#include "support/LargestMap.h"

#include "support/DocumentBuilders.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

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
        Vertices corners;
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
