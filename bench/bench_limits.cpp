// The largest map Korvel holds (32,766 boxes and 32,766 polygons, with texts) in the real
// main window, offscreen: milliseconds for a press that selects, a move of a drag, Generate
// and Copy, and the process's peak memory. The last line ends with the slowest median.
#include "canvas/CanvasWidget.h"
#include "mainwindow/MainForm.h"
#include "outputwindow/GenerateDialog.h"
#include "support/LargestMap.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>

namespace {

void Send(QWidget* canvas, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
    QApplication::processEvents();
}

// The largest the process has been, from the kernel's own count.
double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainForm form;
    form.resize(1299, 980);
    form.show();
    QImage picture(6000, 5000, QImage::Format_RGB32);
    picture.fill(QColor(200, 200, 180));
    CanvasWidget* canvas = form.Controls().InnerPict;
    canvas->SetPicture(picture);
    canvas->setEnabled(true);
    const ImagemapDocument map = LargestMap();
    form.Session().Apply([&map](Editor& e) { e.map = map; });
    form.Form_Resize();
    QApplication::processEvents();

    // Presses on box 1 and box 2 by turns: each selects, which redraws every polygon.
    int turn = 0;
    const double press = MedianMilliseconds(21, [&] {
        const QPointF at = ++turn % 2 ? QPointF(5, 5) : QPointF(35, 5);
        Send(canvas, QEvent::MouseMove, at, Qt::NoButton);
        Send(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Send(canvas, QEvent::MouseButtonRelease, at, Qt::NoButton);
    });
    Send(canvas, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    int step = 0;
    const double drag = MedianMilliseconds(101, [&] {
        ++step;
        Send(canvas, QEvent::MouseMove, QPointF(5 + step % 40, 5 + step % 30), Qt::LeftButton);
    });
    Send(canvas, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::NoButton);
    const double generate = MedianMilliseconds(5, [&] {
        form.Output().Unload(); // each time a fresh window, so the text does not pile up
        form.generateButton_Click();
    });
    const double copy = MedianMilliseconds(5, [&] { form.Output().Dialog()->CopyButton_Click(); });
    const qsizetype copied = QGuiApplication::clipboard()->text().size();

    std::printf("map: %d boxes and %d polygons of 8 vertices, with texts; %lld characters of HTML\n",
        form.editor().map.boxCount, form.editor().map.polyCount, static_cast<long long>(copied));
    std::printf("press that selects: median %8.2f ms\n", press);
    std::printf("move of a drag:     median %8.2f ms\n", drag);
    std::printf("Generate:           median %8.2f ms\n", generate);
    std::printf("Copy:               median %8.2f ms\n", copy);
    std::printf("peak memory: %.0f MB\n", PeakMegabytes());
    std::printf("slowest median, ms: %.2f\n", std::max({ press, drag, generate, copy }));
    return 0;
}
