#include "FuzzTarget.h"

#include "editor/EditorInvariants.h"
#include "html/MapWriter.h"
#include "list/AreaListView.h"
#include "list/AreaPanel.h"
#include "support/WindowWaits.h"
#include "view/MapPainter.h"
#include "view/CanvasView.h"
#include "window/MainWindow.h"
#include "window/MapFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

namespace {

const QSize kPictureSizes[] = { { 320, 240 }, { 1000, 800 }, { 40, 30 } };

QString picturePath(const QTemporaryDir& folder, int which)
{
    return folder.filePath(QStringLiteral("picture%1.png").arg(which));
}

// A picture of one colour with a few regions of others on it, for the trace tool.
void writeRegions(const QString& path, QSize size, const QColor& colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(200));
    painter.drawEllipse(QRect(QPoint(), size / 2));
    painter.setBrush(colour.lighter(150));
    painter.drawRect(QRect(QPoint(size.width() / 2, size.height() / 3), size / 3));
    painter.drawEllipse(QRect(QPoint(size.width() / 8, size.height() / 8), size / 8)); // a hole in the disc
    painter.end();
    picture.save(path);
}

// Every area gets exactly one line, and every coordinate is a plain decimal number.
QString checkHtml(const ImageMap& map)
{
    ImageMap plain;
    plain.setName(QStringLiteral("m"));
    for (Area area : map.areas()) {
        area.setAttribute(QLatin1String("href"), QString());
        area.setAttribute(QLatin1String("alt"), QString());
        plain.append(area);
    }
    static const QRegularExpression line(QStringLiteral(
        "^<area href=\"\" alt=\"\" coords=\"-?\\d+(\\.\\d+)?(,-?\\d+(\\.\\d+)?)*\"( shape=\"(circle|poly)\")?>$"));
    const QStringList lines = mapElement(plain, HtmlForm::Literal).split(QStringLiteral("\r\n"));
    if (lines.size() != plain.count() + 2 || lines.front() != QLatin1String("<map name=\"m\">")
        || lines.back() != QLatin1String("</map>"))
        return QStringLiteral("the HTML has %1 lines for %2 areas").arg(lines.size()).arg(plain.count());
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        if (!line.match(lines[i]).hasMatch())
            return QStringLiteral("malformed area line: ") + lines[i].left(200);
    return QString();
}

// Whether pixel (x, y) of one image shows up in the other within two pixels. A long line that
// crosses the edge of a repainted part may come out a pixel aside there, where Qt's line
// drawing starts again at the edge; the trace outline with its shadow is two pixels wide, so
// what lay beside it may then be two pixels away. Anything left unpainted differs by more.
bool foundNearby(const QImage& in, int x, int y, QRgb colour)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (in.valid(x + dx, y + dy) && in.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

// Until a reduced copy of the picture is made, each repainted part is scaled on its own, and
// its edges round a few shades differently from a whole repaint.
bool nearShade(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 && std::abs(qBlue(a) - qBlue(b)) <= 8;
}

bool isOverlayColour(QRgb colour, QRgb text)
{
    return colour == text || colour == kNormalColour || colour == kSelectedColour || colour == kTraceColour
        || colour == kTraceShadowColour;
}

bool lineNearby(const QImage& in, int x, int y, QRgb text)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (in.valid(x + dx, y + dy) && isOverlayColour(in.pixel(x + dx, y + dy), text))
                return true;
    return false;
}

// Whether the two differ only where a line came out a pixel or two aside: each differing
// pixel's colours show up near it in the other image, or, over a smoothly reduced picture
// whose pixels are all shades of their own, a line shows up near a line.
bool sameNearly(const QImage& a, const QImage& b, QRgb text)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb inA = a.pixel(x, y), inB = b.pixel(x, y);
            if (nearShade(inA, inB) || (foundNearby(b, x, y, inA) && foundNearby(a, x, y, inB)))
                continue;
            // Where lines of two areas cross or run side by side, which one is drawn on top
            // depends on where a repaint cut them: a line pixel in one image needs a line
            // pixel of any colour near it in the other.
            const bool lineInA = isOverlayColour(inA, text), lineInB = isOverlayColour(inB, text);
            if ((!lineInA || lineNearby(b, x, y, text)) && (!lineInB || lineNearby(a, x, y, text))
                && (lineInA || lineInB))
                continue;
            return false;
        }
    return true;
}

} // namespace

FuzzTarget::FuzzTarget(const QTemporaryDir& folder)
    : m_folder(folder)
    , m_window(std::make_unique<MainWindow>(&m_dialogs))
{
    for (int i = 0; i < int(std::size(kPictureSizes)); ++i)
        if (!QFile::exists(picturePath(folder, i)))
            writeRegions(picturePath(folder, i), kPictureSizes[i], QColor(60 * i, 120, 200));
    QObject::connect(&m_window->editor().undoStack(), &QUndoStack::indexChanged, [this] { m_historyMoved = true; });
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    openPicture(0);
}

FuzzTarget::~FuzzTarget() = default;

bool FuzzTarget::busy() const
{
    return m_window->editor().state().buttonDown || m_window->isReadingPicture();
}

void FuzzTarget::openPicture(int which)
{
    openPictureAndWait(*m_window, picturePath(m_folder, which));
    historyStarts();
}

void FuzzTarget::historyStarts()
{
    m_historyStart = m_window->editor().map().areas();
    m_lastChecked = m_historyStart;
}

bool FuzzTarget::historyMoved() const
{
    // A gesture under way is checked once it has ended.
    return !busy() && (m_historyMoved || m_window->editor().map().areas() != m_lastChecked);
}

void FuzzTarget::play(const FuzzEvent& event)
{
    const WindowControls& c = m_window->controls();
    switch (event.kind) {
    case FuzzEvent::Move:
    case FuzzEvent::Press:
    case FuzzEvent::Release:
    case FuzzEvent::DoubleClick:
        playPointer(event);
        break;
    case FuzzEvent::Tool: {
        QToolButton* tools[] = { c.rectangleButton, c.circleButton, c.polygonButton, c.traceButton };
        tools[event.a & 3]->click();
        break;
    }
    case FuzzEvent::Wheel:
        playWheel(event);
        break;
    case FuzzEvent::Key:
        playKey(event);
        break;
    case FuzzEvent::Type:
        playType(event);
        break;
    case FuzzEvent::NewMap:
        openPicture(event.a);
        break;
    case FuzzEvent::Generate:
        m_window->generate();
        break;
    case FuzzEvent::Scroll: {
        QScrollBar* bar = event.a == 0 ? c.canvas->horizontalScrollBar() : c.canvas->verticalScrollBar();
        bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * event.b / 1000);
        break;
    }
    case FuzzEvent::Resize:
        m_window->resize(event.a, event.b);
        break;
    case FuzzEvent::SaveAndOpen:
        m_lastFault = saveAndOpen();
        break;
    case FuzzEvent::Zoom: {
        const int keys[] = { Qt::Key_Plus, Qt::Key_Minus, Qt::Key_0, Qt::Key_9 };
        activate();
        c.canvas->setFocus();
        QTest::keyClick(c.canvas, Qt::Key(keys[event.a & 3]), Qt::ControlModifier);
        break;
    }
    }
    // Painting now and then, so that what changed is also drawn, and checked on screen.
    if (++m_eventCount % 64 == 0) {
        QApplication::processEvents();
        if (m_lastFault.isEmpty())
            m_lastFault = checkScreen();
    }
}

void FuzzTarget::playPointer(const FuzzEvent& event)
{
    CanvasView* canvas = m_window->controls().canvas;
    // Events are made in picture pixels, so that handles are reached at every zoom.
    const ZoomMapping& zoom = canvas->zoom();
    const QPoint scroll(canvas->horizontalScrollBar()->value(), canvas->verticalScrollBar()->value());
    const QPointF at(zoom.screenPixel(event.a) - scroll.x(), zoom.screenPixel(event.b) - scroll.y());
    const bool press = event.kind == FuzzEvent::Press || event.kind == FuzzEvent::DoubleClick;
    const QEvent::Type type = event.kind == FuzzEvent::Move ? QEvent::MouseMove
        : event.kind == FuzzEvent::Release                  ? QEvent::MouseButtonRelease
        : event.kind == FuzzEvent::Press                    ? QEvent::MouseButtonPress
                                                            : QEvent::MouseButtonDblClick;
    const Qt::MouseButtons held
        = m_window->editor().state().buttonDown && type != QEvent::MouseButtonRelease ? Qt::LeftButton : Qt::NoButton;
    QWidget* port = canvas->viewport();
    QMouseEvent mouse(type, at, port->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        press ? Qt::LeftButton : held, Qt::KeyboardModifiers(event.c));
    QApplication::sendEvent(port, &mouse);
}

void FuzzTarget::playWheel(const FuzzEvent& event)
{
    QWidget* port = m_window->controls().canvas->viewport();
    const QPointF middle(port->width() / 2.0, port->height() / 2.0);
    QWheelEvent wheel(middle, port->mapToGlobal(middle), QPoint(), QPoint(0, 120 * event.a), Qt::NoButton,
        Qt::KeyboardModifiers(event.b), Qt::NoScrollPhase, false);
    QApplication::sendEvent(port, &wheel);
}

// The output window takes the activation when Generate shows it; a user goes back to the main
// window before typing there.
void FuzzTarget::activate()
{
    if (QApplication::activeWindow() != m_window.get())
        QApplication::setActiveWindow(m_window.get());
}

void FuzzTarget::playKey(const FuzzEvent& event)
{
    activate();
    const WindowControls& c = m_window->controls();
    QWidget* targets[] = { c.canvas, c.mapNameBox, c.hrefBox, c.altBox, c.polygonButton, m_window->areaPanel()->list() };
    QWidget* target = targets[std::clamp(event.c, 0, 5)];
    if (!target->isEnabled() || !target->isVisible())
        target = c.canvas;
    target->setFocus();
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
    QTest::keyClick(focused, Qt::Key(event.a), Qt::KeyboardModifiers(event.b));
}

void FuzzTarget::playType(const FuzzEvent& event)
{
    const WindowControls& c = m_window->controls();
    QLineEdit* box = event.c == 1 ? c.mapNameBox : (event.c == 2 ? c.hrefBox : c.altBox);
    if (!box->isEnabled())
        return;
    activate();
    box->setFocus();
    box->selectAll();
    box->insert(fuzzTexts()[static_cast<size_t>(event.a) % fuzzTexts().size()]); // as a paste does
    QTest::keyClick(box, Qt::Key_Q);
}

QString FuzzTarget::saveAndOpen()
{
    if (busy())
        return QString();
    const QString page = m_folder.filePath(QStringLiteral("saved.html"));
    const QString before = mapElement(m_window->editor().map(), HtmlForm::Literal);
    m_dialogs.answer = page;
    if (!m_window->files().saveAs())
        return QStringLiteral("saving %1 failed").arg(page);
    m_window->files().openPage(page);
    if (!waitForPicture(*m_window))
        return QStringLiteral("the saved page did not open");
    historyStarts();
    const QString after = mapElement(m_window->editor().map(), HtmlForm::Literal);
    return after == before ? QString() : QStringLiteral("the map changed on its way through a saved page");
}

// What is on the screen is what a fresh paint of the view gives: no change was left unpainted.
QString FuzzTarget::checkScreen() const
{
    QWidget* port = m_window->controls().canvas->viewport();
    if (!port->isVisible() || port->size().isEmpty() || !m_window->windowHandle())
        return QString();
    const QRect onWindow(port->mapTo(m_window.get(), QPoint(0, 0)), port->size());
    const QImage shown = m_window->screen()
                             ->grabWindow(m_window->winId(), onWindow.x(), onWindow.y(), onWindow.width(),
                                 onWindow.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage fresh = port->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != fresh.size() || sameNearly(shown, fresh, port->palette().color(QPalette::WindowText).rgb()))
        return QString();
    return QStringLiteral("the canvas on screen differs from a fresh paint of it");
}

QString FuzzTarget::check()
{
    QStringList faults;
    if (!m_lastFault.isEmpty())
        faults << std::exchange(m_lastFault, QString());
    faults << editorProblems(m_window->editor());
    if (const QString html = checkHtml(m_window->editor().map()); !html.isEmpty())
        faults << html;
    return faults.join(QLatin1Char('\n'));
}

QString FuzzTarget::checkUndoAllTheWayBack()
{
    if (busy())
        return QString();
    QUndoStack& stack = m_window->editor().undoStack();
    const std::vector<Area> now = m_window->editor().map().areas();
    const int steps = stack.index();
    stack.setIndex(0);
    const bool back = m_window->editor().map().areas() == m_historyStart;
    stack.setIndex(steps);
    const bool forth = m_window->editor().map().areas() == now;
    m_historyMoved = false;
    m_lastChecked = now;
    if (back && forth)
        return QString();
    return QStringLiteral("undoing %1 steps does not give the map the history began with%2")
        .arg(steps)
        .arg(forth ? QString() : QStringLiteral(", and redoing them does not give the map back"));
}
