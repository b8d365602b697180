#include "view/CanvasView.h"

#include "editor/MapEditor.h"
#include "preview/BrowserMap.h"
#include "preview/LinkText.h"
#include "view/ScrollGeometry.h"
#include "view/ZoomLevels.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Where the viewport shows no picture.
constexpr QRgb kOutsideColour = qRgb(160, 160, 160);

// A screen pixel's coordinate stays far inside int, wherever a grabbed pointer wanders.
constexpr double kFarthestPixel = 1 << 30;

// Touchpads and scaled screens report fractions of a pixel; the canvas works on the whole
// pixel under the pointer.
int wholePixel(qreal coordinate)
{
    return std::isfinite(coordinate)
        ? static_cast<int>(std::clamp(std::floor(coordinate), -kFarthestPixel, kFarthestPixel))
        : 0;
}

void setSteps(QScrollBar* bar, const ScrollSteps& steps)
{
    bar->setRange(0, steps.maximum);
    bar->setPageStep(steps.pageStep);
    bar->setSingleStep(steps.singleStep);
}

} // namespace

CanvasView::CanvasView(MapEditor& editor, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_editor(editor)
{
    setStyle(&m_style);
    horizontalScrollBar()->setStyle(&m_style);
    verticalScrollBar()->setStyle(&m_style);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    showScrollBars(false, false);
    viewport()->setMouseTracking(true);
    // Every exposed pixel is painted: the picture, or grey beside it.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    m_editor.addMapObserver(this);
    connect(&m_editor, &MapEditor::stateChanged, this, &CanvasView::showState);
    // A level without a copy of its own is drawn from the smallest larger copy, so a copy of
    // any level may change what a reduced view shows: all of it is drawn again, or parts
    // repainted later would differ in shade from the rest.
    connect(&m_picture, &ZoomedPicture::copyMade, this, [this] {
        if (m_zoom.denominator() != 1)
            viewport()->update();
    });
    m_shownLook = overlayLook(m_editor.map(), m_editor.state(), m_zoom);
    m_editor.setView({ m_zoom, QSizeF(), QPointF() });
}

CanvasView::~CanvasView()
{
    m_editor.removeMapObserver(this);
    // The style is a member, gone before the widgets that use it.
    horizontalScrollBar()->setStyle(nullptr);
    verticalScrollBar()->setStyle(nullptr);
    setStyle(nullptr);
}

void CanvasView::setPicture(const QImage& picture)
{
    m_picture.setPicture(picture);
    showAt(ZoomMapping(), QPoint());
}

void CanvasView::zoomTo(const ZoomMapping& zoom, QPoint anchor)
{
    if (!hasPicture() || zoom == m_zoom)
        return;
    const QPoint scroll = scrollOffset();
    showAt(zoom,
        QPoint(scrollKeepingPoint(m_zoom, zoom, scroll.x(), anchor.x()),
            scrollKeepingPoint(m_zoom, zoom, scroll.y(), anchor.y())));
}

void CanvasView::scrollToShow(const QRectF& picturePart)
{
    const QRectF screen = m_zoom.screenRect(picturePart);
    const QRectF shown(QPointF(scrollOffset()), QSizeF(viewport()->size()));
    if (!hasPicture() || shown.contains(screen))
        return;
    // The bars keep the values within their ranges.
    horizontalScrollBar()->setValue(qRound(screen.center().x() - shown.width() / 2));
    verticalScrollBar()->setValue(qRound(screen.center().y() - shown.height() / 2));
}

QPoint CanvasView::viewportCentre() const
{
    return QPoint(viewport()->width() / 2, viewport()->height() / 2);
}

void CanvasView::zoomIn()
{
    zoomTo(zoomStepped(m_zoom, 1), viewportCentre());
}

void CanvasView::zoomOut()
{
    zoomTo(zoomStepped(m_zoom, -1), viewportCentre());
}

void CanvasView::zoomToActualSize()
{
    zoomTo(ZoomMapping(), viewportCentre());
}

void CanvasView::zoomToFit()
{
    // A bar takes its thickness from the viewport; without it the viewport has that room back.
    const QSize room = viewport()->size()
        + QSize(m_showVertical ? kScrollBarThickness : 0, m_showHorizontal ? kScrollBarThickness : 0);
    zoomTo(fitZoom(room, pictureSize()), viewportCentre());
}

// The canvas at a new zoom or with a new picture, scrolled to scroll once the window has laid
// itself out around the new canvas size.
void CanvasView::showAt(const ZoomMapping& zoom, QPoint scroll)
{
    m_moving = true;
    m_zoom = zoom;
    m_picture.prepare(zoom);
    updateScrollBars();
    emit zoomChanged();
    horizontalScrollBar()->setValue(scroll.x());
    verticalScrollBar()->setValue(scroll.y());
    m_moving = false;
    viewport()->update();
    m_shownLook = overlayLook(m_editor.map(), m_editor.state(), m_zoom);
    viewMoved();
}

void CanvasView::showScrollBars(bool horizontal, bool vertical)
{
    m_showHorizontal = horizontal;
    m_showVertical = vertical;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    updateScrollBars();
}

void CanvasView::updateScrollBars()
{
    const QSize canvas = canvasSize();
    const QSize view = viewport()->size();
    setSteps(horizontalScrollBar(), scrollStepsAlong(view.width(), canvas.width(), m_showHorizontal));
    setSteps(verticalScrollBar(), scrollStepsAlong(view.height(), canvas.height(), m_showVertical));
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    viewMoved();
}

void CanvasView::scrollContentsBy(int dx, int dy)
{
    if (m_moving)
        return;
    viewport()->scroll(dx, dy);
    viewMoved();
}

void CanvasView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        viewport()->update(); // the window's text colour is drawn with
}

// The picture moved under the pointer, or the view changed size: the editor learns what it
// now shows, and the pointer stands for another picture pixel.
void CanvasView::viewMoved()
{
    if (m_moving)
        return;
    const QPoint scroll = scrollOffset();
    m_editor.setView({ m_zoom, QSizeF(pictureSize()),
        QPointF(0.0 - m_zoom.pictureLength(scroll.x()), 0.0 - m_zoom.pictureLength(scroll.y())) });
    rereadPointer();
}

void CanvasView::rereadPointer()
{
    if (!isVisible() || !hasPicture())
        return;
    const QPointF at = viewport()->mapFromGlobal(QPointF(QCursor::pos()));
    if (m_press == Press::OnPicture || (m_press == Press::None && onPicture(at)))
        pointTo(pointerAt(at));
    else
        follow(-1);
}

void CanvasView::showState()
{
    const EditorState& state = m_editor.state();
    if (std::exchange(m_shownTool, state.tool) != state.tool && state.tool == Tool::Trace)
        rereadPointer(); // the outline under the pointer, shown as the state is shown again
    if (viewport()->cursor().shape() != cursorShape())
        viewport()->setCursor(cursorShape());
    const OverlayLook look = overlayLook(m_editor.map(), state, m_zoom);
    const OverlayDamage damage = overlayDamage(m_shownLook, look, m_editor.map(), m_zoom);
    m_shownLook = look;
    if (damage.everything)
        viewport()->update();
    for (int i = 0; i < damage.count; ++i)
        repaintCanvas(damage.parts[size_t(i)]);
}

QPoint CanvasView::scrollOffset() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

MapScene CanvasView::scene() const
{
    return { m_editor.map(), m_editor.index(), m_editor.state(), m_zoom, palette().color(QPalette::WindowText) };
}

void CanvasView::repaintCanvas(const QRect& screen)
{
    const QRect part = screen.translated(-scrollOffset()).intersected(viewport()->rect());
    if (!part.isEmpty())
        viewport()->update(part);
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = scrollOffset();
    painter.translate(-scroll);
    const QRegion exposed = event->region().translated(scroll);
    const QRect canvas(QPoint(), canvasSize());
    for (const QRect& part : exposed) {
        const QRect onPicture = part.intersected(canvas);
        if (onPicture != part || m_picture.hasAlpha())
            painter.fillRect(part, QColor(kOutsideColour));
        if (!onPicture.isEmpty())
            m_picture.draw(painter, onPicture, m_zoom);
    }
    if (!hasPicture())
        return;
    if (!m_preview) {
        m_painter.paint(painter, exposed, scene());
        return;
    }
    const std::shared_ptr<const BrowserLayout> layout = m_preview->layout();
    const PreviewLook preview { *layout, m_preview->reach(), m_followed < int(layout->areas.size()) ? m_followed : -1 };
    MapScene shown = scene();
    shown.preview = &preview;
    m_painter.paint(painter, exposed, shown);
}

// Screen pixels: whole viewport pixels plus the scroll offset.
QPoint CanvasView::screenPixelAt(QPointF position) const
{
    const QPoint scroll = scrollOffset();
    return QPoint(wholePixel(position.x() + scroll.x()), wholePixel(position.y() + scroll.y()));
}

bool CanvasView::onPicture(QPointF position) const
{
    const QPoint viewportPixel(wholePixel(position.x()), wholePixel(position.y()));
    return viewport()->rect().contains(viewportPixel)
        && QRect(QPoint(), canvasSize()).contains(screenPixelAt(position));
}

Pointer CanvasView::pointerAt(QPointF position) const
{
    const QPoint screen = screenPixelAt(position);
    return { double(m_zoom.pointerPixel(screen.x())), double(m_zoom.pointerPixel(screen.y())), screen };
}

// A press or release with no move to its position first (events sent by a program) counts the
// position as a move, so that hover and click act where the button went.
void CanvasView::moveTo(const Pointer& pointer)
{
    if (pointer.screen != m_editor.state().pointer.screen)
        m_editor.pointerMoved(pointer);
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    press(event, false);
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event)
{
    press(event, true); // in place of the second press
}

void CanvasView::press(QMouseEvent* event, bool doubleClick)
{
    if (m_preview)
        return; // the preview edits nothing
    // Only this button down: the release of an earlier press never came (a popup took it).
    if (m_press != Press::None && event->buttons() == event->button())
        release(false);
    if (m_press != Press::None)
        return; // another button joined the press, and acts with it
    if (!onPicture(event->position())) {
        m_press = Press::OffPicture;
        return;
    }
    m_press = Press::OnPicture;
    const Pointer pointer = pointerAt(event->position());
    moveTo(pointer);
    if (doubleClick)
        m_editor.doubleClicked(pointer, event->modifiers());
    else
        m_editor.buttonPressed(pointer, event->modifiers());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    // Over the picture; while a press of the picture lasts, anywhere (the grab).
    if (m_press == Press::OffPicture || (m_press == Press::None && !onPicture(event->position()))) {
        follow(-1);
        return;
    }
    pointTo(pointerAt(event->position()));
}

void CanvasView::pointTo(const Pointer& pointer)
{
    m_editor.pointerMoved(pointer);
    if (m_preview && QRect(QPoint(), pictureSize()).contains(QPoint(int(pointer.x), int(pointer.y))))
        follow(m_preview->areaAt(QPoint(int(pointer.x), int(pointer.y))));
    else
        follow(-1);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_preview && m_press == Press::None)
        return;
    if (m_press == Press::None || event->buttons() != Qt::NoButton)
        return; // the press's last button is still down
    const bool clicked = onPicture(event->position());
    if (m_press == Press::OnPicture)
        moveTo(pointerAt(event->position()));
    release(clicked);
}

void CanvasView::release(bool clicked)
{
    const Press press = std::exchange(m_press, Press::None);
    if (press == Press::OnPicture)
        m_editor.buttonReleased(clicked);
}

void CanvasView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        event->accept();
        if (const int steps = m_wheel.zoomSteps(*event))
            zoomTo(zoomStepped(m_zoom, steps),
                QPoint(wholePixel(event->position().x()), wholePixel(event->position().y())));
        return;
    }
    if (m_editor.state().tool == Tool::Trace) {
        // The tolerance, or with Shift the deviation, in place of scrolling.
        event->accept();
        const int steps = m_wheel.settingSteps(*event);
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        if (steps != 0)
            m_editor.stepTraceSettings(shift ? 0 : steps, shift ? steps : 0);
        return;
    }
    event->setAccepted(m_wheel.scroll(*event, horizontalScrollBar(), verticalScrollBar()));
}

void CanvasView::keyPressEvent(QKeyEvent* event)
{
    event->ignore(); // the window's: arrows nudge, they do not scroll
}

bool CanvasView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        follow(-1);
    return QAbstractScrollArea::viewportEvent(event);
}

void CanvasView::showPart(const QRectF& picturePart)
{
    // A little room around the part, for its handles.
    constexpr int kMargin = 8;
    const QRect part = m_zoom.screenRect(picturePart).toAlignedRect().adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const QRect shown(scrollOffset(), viewport()->size());
    const auto scrollTo = [](int partStart, int partEnd, int shownStart, int shownEnd) {
        if (partStart < shownStart || partEnd - partStart > shownEnd - shownStart)
            return partStart;
        return partEnd > shownEnd ? shownStart + partEnd - shownEnd : shownStart;
    };
    horizontalScrollBar()->setValue(scrollTo(part.left(), part.right(), shown.left(), shown.right()));
    verticalScrollBar()->setValue(scrollTo(part.top(), part.bottom(), shown.top(), shown.bottom()));
}

void CanvasView::setPreview(const BrowserMap* browser)
{
    m_preview = browser;
    m_followed = -1;
    viewport()->setToolTip(QString());
    viewport()->update();
    showState();
    rereadPointer();
}

void CanvasView::follow(int index)
{
    if (index == m_followed || !m_preview)
        return;
    const std::shared_ptr<const BrowserLayout> layout = m_preview->layout();
    if (m_followed >= 0 && m_followed < int(layout->areas.size()))
        repaintCanvas(browserAreaBounds(*layout, m_followed, m_zoom));
    m_followed = index;
    if (index >= 0)
        repaintCanvas(browserAreaBounds(*layout, index, m_zoom));
    const QString text = index >= 0 ? linkText(m_editor.map().at(index)) : QString();
    viewport()->setToolTip(text);
    if (QToolTip::isVisible())
        QToolTip::showText(QCursor::pos(), text, viewport());
    if (viewport()->cursor().shape() != cursorShape())
        viewport()->setCursor(cursorShape());
    emit followedAreaChanged(index);
}

// In the preview, the hand over a link, as a browser shows it.
Qt::CursorShape CanvasView::cursorShape() const
{
    if (!m_preview)
        return m_editor.state().cursor;
    return m_followed >= 0 && followsLink(m_editor.map().at(m_followed)) ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

void CanvasView::areaInserted(const ImageMap& map, int index)
{
    repaintCanvas(areaDrawingBounds(map.at(index), m_zoom));
}

void CanvasView::areaRemoved(const ImageMap&, int, const Area& removed)
{
    repaintCanvas(areaDrawingBounds(removed, m_zoom));
}

void CanvasView::areaChanged(const ImageMap& map, int index, const Area& before)
{
    repaintCanvas(areaDrawingBounds(before, m_zoom));
    repaintCanvas(areaDrawingBounds(map.at(index), m_zoom));
}

void CanvasView::areaMoved(const ImageMap& map, int, int to)
{
    // Where it overlaps others, another area now lies on top.
    repaintCanvas(areaDrawingBounds(map.at(to), m_zoom));
}

void CanvasView::mapReset(const ImageMap&)
{
    m_followed = -1; // an index into the map that was
    viewport()->update();
}
