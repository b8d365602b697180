#pragma once

// The canvas of the main window.
//
// A QAbstractScrollArea whose viewport shows the picture at the top-left, zoomed, and above it
// everything MapEditor's map and state say, painted by one path (view/MapPainter in the
// library). It forwards the mouse to the editor, keeps the editor's ViewGeometry up to date,
// repaints only what changed, and after anything moves the picture under a still pointer
// (wheel scroll, zoom, resize, new picture) re-reads the pointer and runs the move path.
//
// Its frame is one plain line around the viewport; the scroll bars lie outside it, each
// kScrollBarThickness pixels thick, and show only when showScrollBars says so.

#include "map/MapObserver.h"
#include "view/CanvasFrameStyle.h"
#include "view/MapPainter.h"
#include "view/OverlayDamage.h"
#include "view/WheelTurns.h"
#include "view/ZoomMapping.h"
#include "view/ZoomedPicture.h"

#include <QAbstractScrollArea>

class BrowserMap;
class MapEditor;
class QImage;
struct Pointer;

class CanvasView : public QAbstractScrollArea, private MapObserver {
    Q_OBJECT
public:
    static constexpr int kScrollBarThickness = CanvasFrameStyle::kBarThickness;

    // The editor outlives the view.
    explicit CanvasView(MapEditor& editor, QWidget* parent = nullptr);
    ~CanvasView() override;

    // A new picture, at 100 %, scrolled to its top-left corner.
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    QSize pictureSize() const { return m_picture.size(); }
    // The zoomed picture's size in screen pixels, which the window's layout needs.
    QSize canvasSize() const { return m_zoom.screenSize(m_picture.size()); }
    // A smoothly scaled copy is still being made on a worker; the canvas repaints when the
    // copy for its level arrives.
    bool scalingPicture() const { return m_picture.makingCopies(); }

    const ZoomMapping& zoom() const { return m_zoom; }
    // Zooms keeping the picture point under anchor (viewport pixels) where it is.
    void zoomTo(const ZoomMapping& zoom, QPoint anchor);
    // The zoom commands: a step in or out around the viewport's centre, 100 %, and the largest
    // level at which the whole picture fits the room the view has without its scroll bars.
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    void zoomToFit();

    // Scrolls so that the part of the picture shows, in the middle of the view, unless it
    // shows whole already.
    void scrollToShow(const QRectF& picturePart);

    // The window's layout decides which bars show (its own rules); the view sets the
    // bars' ranges and steps itself: a page step is the viewport, an arrow step a fifth of it
    // (1 under 5 pixels).
    void showScrollBars(bool horizontal, bool vertical);

    // Scrolls as little as it takes to show the part of the picture, its top-left corner
    // first when it is larger than the view.
    void showPart(const QRectF& picturePart);

    // The browser preview shows the map as browser reads it (nullptr: the preview ends): the
    // area a browser follows under the pointer, filled, its link in a tooltip, and the areas no
    // pixel leads to, hatched. Given again, the view shows the browser map's new answers.
    void setPreview(const BrowserMap* browser);
    // The map index of the area under the pointer in the preview, or -1.
    int followedArea() const { return m_followed; }

signals:
    // The zoom changed (also to 100 % for a new picture): the window lays out again and shows
    // the level. The view keeps the zoom's anchor once the slots connected directly have run,
    // so the layout belongs there.
    void zoomChanged();
    // The preview's area under the pointer changed (-1: none).
    void followedAreaChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Where the last press went: its release and the moves until then follow it.
    enum class Press { None, OnPicture, OffPicture };

    void showAt(const ZoomMapping& zoom, QPoint scroll);
    void updateScrollBars();
    void viewMoved();
    void rereadPointer();
    void showState();
    void press(QMouseEvent* event, bool doubleClick);
    void release(bool clicked);
    void moveTo(const Pointer& pointer);
    void pointTo(const Pointer& pointer);
    void follow(int index);
    Qt::CursorShape cursorShape() const;

    QPoint scrollOffset() const;
    QPoint viewportCentre() const;
    QPoint screenPixelAt(QPointF position) const;
    bool onPicture(QPointF position) const;
    Pointer pointerAt(QPointF position) const;
    MapScene scene() const;
    void repaintCanvas(const QRect& screen);

    void areaInserted(const ImageMap& map, int index) override;
    void areaRemoved(const ImageMap& map, int index, const Area& removed) override;
    void areaChanged(const ImageMap& map, int index, const Area& before) override;
    void areaMoved(const ImageMap& map, int from, int to) override;
    void mapReset(const ImageMap& map) override;

    MapEditor& m_editor;
    CanvasFrameStyle m_style;
    ZoomedPicture m_picture;
    ZoomMapping m_zoom;
    MapPainter m_painter;
    OverlayLook m_shownLook; // the overlay as the last repaints asked for it
    Tool m_shownTool = Tool::Arrow; // a newly armed tool hovers at once where the pointer is
    WheelTurns m_wheel;
    bool m_showHorizontal = false;
    bool m_showVertical = false;
    bool m_moving = false; // the whole view is being moved and will be repainted as a whole
    Press m_press = Press::None;
    const BrowserMap* m_preview = nullptr;
    int m_followed = -1;
};
