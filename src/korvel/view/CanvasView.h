#pragma once

// The canvas of the main window.
//
// A QAbstractScrollArea whose viewport shows the picture at the top-left, zoomed, and above it
// everything MapEditor's map and state say, painted by one path (view/MapPainter in the
// library). It forwards the mouse to the editor, keeps the editor's ViewGeometry up to date,
// repaints only what changed, and after anything moves the picture under a still pointer
// (wheel scroll, zoom, resize, new picture) re-reads the pointer and runs the move path.

#include "view/ZoomMapping.h"

#include <QAbstractScrollArea>

class MapEditor;
class QImage;

class CanvasView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CanvasView(MapEditor& editor, QWidget* parent = nullptr);
    ~CanvasView() override;

    // A new picture, at 100 %, scrolled to its top-left corner.
    void setPicture(const QImage& picture);
    bool hasPicture() const;
    QSize pictureSize() const;
    // The zoomed picture's size in screen pixels, which the window's layout needs.
    QSize canvasSize() const;

    const ZoomMapping& zoom() const;
    // Zooms keeping the picture point under anchor (viewport pixels) where it is.
    void zoomTo(const ZoomMapping& zoom, QPoint anchor);
    // The zoom commands: a step in or out around the viewport's centre, 100 %, and the largest
    // level at which the whole picture fits the room the view has without its scroll bars.
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    void zoomToFit();

    // The window's layout decides which bars show (its own rules); the view sets the
    // bars' ranges and steps itself: a page step is the viewport, an arrow step a fifth of it
    // (1 under 5 pixels).
    void showScrollBars(bool horizontal, bool vertical);

signals:
    // The zoom changed (also to 100 % for a new picture): the window lays out again and shows
    // the level.
    void zoomChanged();
};
