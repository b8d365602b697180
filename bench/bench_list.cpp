// The area list on the largest map, 32,766 rectangles and 32,766 polygons on a 6000 x 4000
// picture, in the real main window with real events:
//  1. milliseconds from showing the list until it is painted, and from scrolling it to its end
//     until painted;
//  2. a press on an area of the canvas until its row is chosen, scrolled to and painted
//     (the first apart, then median and slowest of the others, areas all over the list);
//  3. moving the chosen area last and back (End, Home) with the list shown;
//  4. starting the preview (finding the areas no pixel leads to) and a pointer move in it.
//   bench_list
#include "list/AreaListView.h"
#include "list/AreaPanel.h"
#include "support/DragTiming.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

const QSize kPicture(6000, 4000);
const QSize kViewport(1280, 800);

std::vector<Area> largestMap()
{
    QRandomGenerator random(19);
    std::vector<Area> areas;
    for (int i = 0; i < kMaxAreasPerKind; ++i) {
        const Box box { float(random.bounded(kPicture.width() - 60)), float(random.bounded(kPicture.height() - 60)),
            float(10 + random.bounded(50)), float(10 + random.bounded(50)) };
        areas.push_back(Area::rectangle(box));
        const int16_t x = int16_t(random.bounded(kPicture.width() - 60)), y = int16_t(random.bounded(kPicture.height() - 60));
        areas.push_back(Area::polygon({ { x, y }, { int16_t(x + 40), y }, { int16_t(x + 50), int16_t(y + 30) },
            { int16_t(x + 10), int16_t(y + 45) }, { x, y } }));
    }
    return areas;
}

template <typename Action> double millisecondsUntilPainted(Action&& action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void sendKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

bool openPicture(MainWindow& window, const QString& path)
{
    QImage picture(kPicture, QImage::Format_RGB32);
    picture.fill(QColor(90, 140, 60));
    if (!picture.save(path))
        return false;
    QEventLoop loop;
    bool opened = false;
    QObject::connect(&window, &MainWindow::pictureOpened, &loop, [&](bool ok) {
        opened = ok;
        loop.quit();
    });
    window.openPicture(path);
    loop.exec();
    return opened;
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    MainWindow window;
    window.resize(kViewport.width() + 2 + 17 + 460, 144 + kViewport.height() + 2 + 17 + 17);
    window.show();
    if (!openPicture(window, folder.filePath(QStringLiteral("picture.png"))))
        return 1;
    window.editor().apply([](Editing& e) { e.map.reset(largestMap()); });
    QApplication::processEvents();
    std::printf("%d areas\n", window.editor().map().count());

    std::printf("show the list:          %7.2f ms\n", millisecondsUntilPainted([&] { window.showAreaList(true); }));
    AreaListView* list = window.areaPanel()->list();
    std::printf("scroll it to the end:   %7.2f ms\n", millisecondsUntilPainted([&] { list->scrollToBottom(); }));

    // Boxes in the visible part of the canvas, from all over the map's order.
    QWidget* port = window.controls().canvas->viewport();
    std::vector<QPointF> targets;
    const ImageMap& map = window.editor().map();
    for (int i = 0; i < map.count() && targets.size() < 40; i += 1 + map.count() / 200) {
        const Area& area = map.at(i);
        const QPointF centre(area.box().left + area.box().width / 2, area.box().top + area.box().height / 2);
        if (area.isBox() && centre.x() < kViewport.width() && centre.y() < kViewport.height())
            targets.push_back(centre);
    }
    std::vector<double> presses;
    for (const QPointF& at : targets)
        presses.push_back(millisecondsUntilPainted([&] {
            sendMouse(port, QEvent::MouseMove, at, Qt::NoButton);
            sendMouse(port, QEvent::MouseButtonPress, at, Qt::LeftButton);
            sendMouse(port, QEvent::MouseButtonRelease, at, Qt::NoButton);
        }));
    // The first choice ever shown recolours every polygon in view, so the whole canvas is
    // painted again once; the presses after it repaint only the two areas.
    const double first = presses.front();
    presses.erase(presses.begin());
    std::printf("first press on the canvas: %.2f ms (the whole canvas painted again)\n", first);
    std::printf("press on the canvas:    %7.2f ms median, %.2f ms slowest of %zu more, row %d of the list chosen last\n",
        median(presses), *std::max_element(presses.begin(), presses.end()), presses.size(),
        list->currentIndex().row() + 1);

    window.controls().canvas->setFocus();
    std::printf("End, then Home:         %7.2f ms, %.2f ms\n",
        millisecondsUntilPainted([&] { sendKey(window.controls().canvas, Qt::Key_End); }),
        millisecondsUntilPainted([&] { sendKey(window.controls().canvas, Qt::Key_Home); }));

    std::printf("start the preview:      %7.2f ms\n", millisecondsUntilPainted([&] { window.setPreviewing(true); }));
    QElapsedTimer search;
    search.start();
    while (!window.browserMap().reach())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::vector<AreaReach>& reach = *window.browserMap().reach();
    std::printf("areas no pixel leads to: %.0f ms on a worker; %d found, %d left unchecked\n", search.nsecsElapsed() / 1e6,
        int(std::count_if(reach.begin(), reach.end(), [](AreaReach r) { return r == AreaReach::Hidden || r == AreaReach::NoPixel; })),
        int(std::count(reach.begin(), reach.end(), AreaReach::Unchecked)));
    std::vector<double> moves;
    for (int i = 0; i < 200; ++i)
        moves.push_back(millisecondsUntilPainted(
            [&] { sendMouse(port, QEvent::MouseMove, QPointF(100 + 5 * i, 100 + 3 * i), Qt::NoButton); }));
    std::printf("a move in the preview:  %7.2f ms median\n", median(moves));
    return 0;
}
