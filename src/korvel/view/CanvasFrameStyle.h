#pragma once

#include <QProxyStyle>

// The canvas's frame: one plain line around the viewport only, with the scroll bars outside
// it and touching it, each 17 pixels thick. So the viewport keeps the size the window's layout
// works out for it, whatever the desktop's style would do.
class CanvasFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kBarThickness = 17;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
        QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(
        PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
};
