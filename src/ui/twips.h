// The design unit of the window layouts, the twip (1/1440 inch), and its one conversion to pixels.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>

#include <cmath>

namespace tavrel::ui {

inline constexpr double kTwipsPerInch = 1440.0;
// The logical resolution the layouts were drawn at (100 % display scaling): 15 twips to a pixel.
inline constexpr double kDesignDpi = 96.0;

struct TwipsPoint {
    int x, y;
};

struct TwipsRect {
    int left, top, width, height;
};

struct TwipsLine {
    TwipsPoint from, to;
};

// Pixels at the screen's logical resolution. Qt's high-DPI scaling makes that 96 at any display scaling
// and enlarges the device-independent pixels itself; where a rounding policy leaves part of the scaling
// to the program (120 dpi at 125 %), the layout grows with it, so the windows keep their proportions.
// Each coordinate and extent is rounded on its own, to the nearest pixel.
inline int toPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

inline QPoint toPixels(TwipsPoint point, double logicalDpi) {
    return {toPixels(point.x, logicalDpi), toPixels(point.y, logicalDpi)};
}

inline QRect toPixels(TwipsRect rect, double logicalDpi) {
    return {toPixels(rect.left, logicalDpi), toPixels(rect.top, logicalDpi), toPixels(rect.width, logicalDpi),
            toPixels(rect.height, logicalDpi)};
}

inline QLine toPixels(TwipsLine line, double logicalDpi) {
    return {toPixels(line.from, logicalDpi), toPixels(line.to, logicalDpi)};
}

// The other way, for the window's place recorded in the settings store.
inline int toTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi));
}

}  // namespace tavrel::ui
