// The design unit of the window layouts, the twip (1/1440 inch), and its one conversion to pixels.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>

#include <cmath>

namespace tavrel::ui {

inline constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 pixels per inch

struct TwipsPoint {
    int x, y;
};

struct TwipsRect {
    int left, top, width, height;
};

struct TwipsLine {
    TwipsPoint from, to;
};

// Each coordinate and extent is rounded on its own, to the nearest device-independent pixel.
inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QPoint toPixels(TwipsPoint point) {
    return {toPixels(point.x), toPixels(point.y)};
}

inline QRect toPixels(TwipsRect rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

inline QLine toPixels(TwipsLine line) {
    return {toPixels(line.from), toPixels(line.to)};
}

}  // namespace tavrel::ui
