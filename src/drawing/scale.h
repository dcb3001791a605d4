// The one scale of the sheet's three views: the first of the usual scales at which every view fits its box.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel::drawing {

// Lengths of the slab in hundredths of a millimetre (u).
struct SlabExtent {
    std::int64_t lengthU = 0;    // Ls, out to out
    std::int64_t widthU = 0;     // b
    std::int64_t thickestU = 0;  // tmax
};

// The scale denominator S (1:S), or none when the slab does not fit even at 1:50.
std::optional<int> sheetScale(const SlabExtent& slab);

inline constexpr const char* kNoScaleMessage = "盖板按1:50绘制仍超出A3图幅的视图范围，不能出图。";

}  // namespace tavrel::drawing
