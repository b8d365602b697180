#include "view/CanvasFrameStyle.h"

int CanvasFrameStyle::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const
{
    if (hint == SH_ScrollView_FrameOnlyAroundContents)
        return true;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int CanvasFrameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ScrollView_ScrollBarSpacing:
    case PM_ScrollView_ScrollBarOverlap:
        return 0;
    case PM_ScrollBarExtent:
        return kBarThickness;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
