// Generating the HTML of the largest map Korvel holds, and showing it in the output window.
#include "output/HtmlGenerator.h"
#include "outputwindow/GenerateDialog.h"
#include "outputwindow/OutputWindowHost.h"
#include "support/LargestMap.h"

#include <QApplication>

#include <cstdio>

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
