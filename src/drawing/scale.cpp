// The one scale of the sheet's three views.
#include "drawing/scale.h"

#include "drawing/sheet_layout.h"

namespace tavrel::drawing {

namespace {

constexpr int kScales[] = {10, 15, 20, 25, 30, 40, 50};
constexpr std::int64_t kUPerMm = 100;
constexpr std::int64_t kRingLoopHeightU = 100 * kUPerMm;  // apex of a lifting loop above the top face

// True when `realU` drawn at 1:S is no longer than `paperMm` (real ≤ paper × S, in whole u).
bool fits(std::int64_t realU, double paperMm, int scale) {
    return realU <= static_cast<std::int64_t>(paperMm) * kUPerMm * scale;
}

}  // namespace

// The elevation holds Ls by the thickest section and the room of a lifting loop above it, the plan Ls by b,
// the section b by tmax, each within its box of the sheet.
std::optional<int> sheetScale(const SlabExtent& slab) {
    const std::int64_t elevationHeightU = slab.thickestU + kRingLoopHeightU;
    for (const int s : kScales) {
        if (fits(slab.lengthU, kElevationBox.width, s) && fits(elevationHeightU, kElevationBox.height, s) &&
            fits(slab.lengthU, kPlanBox.width, s) && fits(slab.widthU, kPlanBox.height, s) &&
            fits(slab.widthU, kSectionBox.width, s) && fits(slab.thickestU, kSectionBox.height, s)) {
            return s;
        }
    }
    return std::nullopt;
}

}  // namespace tavrel::drawing
