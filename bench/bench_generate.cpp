// Generating the HTML of the largest map Korvel holds, and showing it in the output window.
#include "dialogs/OutputWindow.h"
#include "html/MapWriter.h"
#include "support/DragTiming.h"
#include "support/Measuring.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    const ImageMap map = largestMap();
    QString html;
    const double generate = medianMilliseconds(9, [&] { html = mapElement(map, HtmlForm::Literal); });
    const double show = medianMilliseconds(9, [&] {
        OutputWindowHost host;
        host.appendAndShow(html);
        host.window()->repaint(); // the window with its first lines on screen
    });
    const double complete = medianMilliseconds(5, [&] {
        OutputWindowHost host;
        host.appendAndShow(html);
        host.window()->text(); // everything in the text box
    });
    std::printf("map: %d boxes, %d polygons of 8 vertices, %lld characters of HTML\n", map.boxCount(),
        map.polygonCount(), static_cast<long long>(html.size()));
    std::printf("generate the HTML:            median %8.2f ms\n", generate);
    std::printf("append and show the window:   median %8.2f ms\n", show);
    std::printf(
        "the whole text in the window: median %8.2f ms (it follows in slices while the window is usable)\n", complete);
    return 0;
}
