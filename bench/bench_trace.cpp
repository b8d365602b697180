// Milliseconds to trace a region of about a megapixel on a 6000 x 4000 photo-like picture
// (gradients and noise everywhere), and per pointer move of the hover once the region is
// known: moves inside it, and moves that leave it for a small region beside it and back.
// For scale, also a move onto the background: a ragged region of 1.3 megapixels not yet known.
//   bench_trace [runs]   (default 9; medians, with the fastest and slowest run)
// On a shared machine the wall-clock time includes waiting for a core; the processor time
// printed for the traces is the program's own.
// Targets: a trace at most 150 ms, a hover move once the region is known at most 30 ms.
#include "trace/ColourFill.h"
#include "trace/OuterOutline.h"
#include "trace/OutlineSimplifier.h"
#include "trace/RegionTracer.h"

#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
const QPoint kBlobCentre(2600, 1900);
constexpr double kBlobRadius = 560;
constexpr double kSmallRadius = 45;
const QPoint kSmallCentre(kBlobCentre.x() + int(kBlobRadius * 1.08) + 60, kBlobCentre.y());

// The blob's rim: a disc of about a megapixel with waves round it.
double blobRim(double angle)
{
    return kBlobRadius * (1 + 0.06 * std::sin(5 * angle) + 0.03 * std::sin(13 * angle + 1));
}

int channel(double value)
{
    return std::clamp(int(std::lround(value)), 0, 255);
}

// Warm gradients for the background, a blue blob with a gentle shading of its own, a
// yellow disc beside it; noise of +-6 on every channel.
QImage photoLikePicture()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    uint32_t noise = 22;
    for (int y = 0; y < kHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
            const int n = int(noise % 13) - 6;
            const double dx = x - kBlobCentre.x();
            const double dy = y - kBlobCentre.y();
            double r = 150 + 60 * std::sin(x / 700.0), g = 140 + 50 * std::sin(y / 500.0 + x / 900.0),
                   b = 60 + 30 * std::sin((x + y) / 800.0);
            if (std::hypot(dx, dy) <= blobRim(std::atan2(dy, dx)))
                r = 40 + 8 * std::sin(x / 150.0), g = 90 + 8 * std::cos(y / 170.0), b = 200;
            else if (std::hypot(x - kSmallCentre.x(), y - kSmallCentre.y()) <= kSmallRadius)
                r = 230, g = 220, b = 40;
            row[x] = qRgb(channel(r + n), channel(g + n), channel(b + n));
        }
    }
    return picture;
}

double milliseconds(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Spread {
    double median, fastest, slowest;
};

Spread spreadOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.front(), times.back() };
}

void print(const char* what, const Spread& spread, const char* unit = "ms")
{
    std::printf("%-52s %9.3f %s  (%.3f .. %.3f)\n", what, spread.median, unit, spread.fastest, spread.slowest);
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QImage picture = photoLikePicture();
    const TraceSettings settings;

    std::vector<double> fill, outline, simplify, trace, traceProcessor;
    RegionMask region;
    std::vector<QPoint> points;
    std::vector<Vertex> polygon;
    for (int run = 0; run < runs; ++run) {
        fill.push_back(
            milliseconds([&] { region = fillSimilarColour(picture, kBlobCentre, settings.colourTolerance); }));
        outline.push_back(milliseconds([&] { points = outerOutline(region); }));
        simplify.push_back(milliseconds([&] { polygon = simplifyOutline(points, settings.maxDeviation); }));
        RegionTracer tracer;
        tracer.setPicture(picture);
        const std::clock_t started = std::clock();
        trace.push_back(milliseconds([&] { tracer.polygonAt(kBlobCentre); }));
        traceProcessor.push_back(1000.0 * double(std::clock() - started) / CLOCKS_PER_SEC);
    }
    std::printf("picture %d x %d; region %lld pixels in %d x %d; outline %zu pixels; polygon %zu corners\n", kWidth,
        kHeight, static_cast<long long>(region.pixelCount()), region.bounds().width(), region.bounds().height(),
        points.size(), polygon.size() - 1);
    print("trace", spreadOf(trace));
    print("trace, processor time", spreadOf(traceProcessor));
    print("  finding the region", spreadOf(fill));
    print("  following its outline", spreadOf(outline));
    print("  simplifying", spreadOf(simplify));

    RegionTracer tracer;
    tracer.setPicture(picture);
    tracer.polygonAt(kBlobCentre);
    std::vector<double> inside, leaving, backAgain, background, backgroundProcessor;
    for (int move = 0; move < 2000; ++move) {
        const double angle = move * 0.01;
        const QPoint pointer = kBlobCentre + QPoint(int(400 * std::cos(angle)), int(400 * std::sin(angle)));
        inside.push_back(milliseconds([&] { tracer.polygonAt(pointer); }) * 1000);
    }
    for (int run = 0; run < runs; ++run) {
        tracer.setPicture(picture); // forgets both regions
        tracer.polygonAt(kBlobCentre);
        leaving.push_back(milliseconds([&] { tracer.polygonAt(kSmallCentre); }));
        backAgain.push_back(milliseconds([&] { tracer.polygonAt(kBlobCentre + QPoint(300, 0)); }));
        const std::clock_t started = std::clock();
        background.push_back(milliseconds([&] { tracer.polygonAt(kSmallCentre + QPoint(0, 200)); }));
        backgroundProcessor.push_back(1000.0 * double(std::clock() - started) / CLOCKS_PER_SEC);
    }
    print("hover, a move inside the known region", spreadOf(inside), "us");
    print("hover, a move onto the small region beside it", spreadOf(leaving));
    print("hover, a move back into the known region", spreadOf(backAgain));
    print("hover, a move onto the background, not yet known", spreadOf(background));
    print("  processor time", spreadOf(backgroundProcessor));
    return 0;
}
