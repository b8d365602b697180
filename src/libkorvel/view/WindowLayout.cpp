#include "view/WindowLayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int clampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

WindowLayout layOutWindow(const LayoutInput& in)
{
    // In 64 bits, so that no size, however odd, overflows.
    const int64_t neededWidth = int64_t { in.border } + in.canvas.width();
    const int64_t neededHeight = int64_t { in.border } + in.canvas.height();
    const int panelWidth = std::clamp(in.panelWidth, 0, std::max(in.window.width(), 0));
    int64_t width = int64_t { in.window.width() } - panelWidth;
    int64_t height = int64_t { in.window.height() } - in.viewportTop - in.statusBarHeight;
    bool horizontal = neededWidth > width;
    if (horizontal)
        height -= in.barThickness;
    const bool vertical = neededHeight > height;
    if (vertical) {
        width -= in.barThickness;
        if (!horizontal && neededWidth > width) {
            horizontal = true;
            height -= in.barThickness;
        }
    }
    WindowLayout layout;
    layout.viewport = QRect(0, in.viewportTop, clampToInt(std::max<int64_t>(width, 0)),
        clampToInt(std::max<int64_t>(height, 0)));
    // A viewport squeezed to a line or nothing gets no bars, whatever the picture needs.
    const bool room = layout.viewport.width() > 1 && layout.viewport.height() > 1;
    layout.horizontalBar = room && horizontal;
    layout.verticalBar = room && vertical;
    if (panelWidth > 0) {
        const int left = in.window.width() - panelWidth;
        const int top = left >= in.controlsRight ? in.panelTop : in.viewportTop;
        layout.panel = QRect(left, top, panelWidth, std::max(in.window.height() - top - in.statusBarHeight, 0));
    }
    return layout;
}
