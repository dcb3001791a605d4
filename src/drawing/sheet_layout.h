// Where everything sits on the A3 landscape sheet, in paper millimetres from its lower-left corner, and the
// text heights of the sheet.
#pragma once

#include "design/bar_schedule.h"

namespace tavrel::drawing {

struct Box {
    double left;
    double bottom;
    double width;
    double height;

    double right() const { return left + width; }
    double top() const { return bottom + height; }
    double centreX() const { return left + width / 2; }
    double centreY() const { return bottom + height / 2; }
};

inline constexpr double kSheetWidthMm = 420;
inline constexpr double kSheetHeightMm = 297;
inline constexpr Box kSheet{0, 0, kSheetWidthMm, kSheetHeightMm};
inline constexpr Box kFrame{25, 5, 390, 287};  // binding margin 25 mm on the left
inline constexpr double kFrameLineweightMm = 0.70;
inline constexpr Box kTitleBlock{25, 5, 390, 18};

// The view boxes have the sizes the scale is chosen for.
inline constexpr Box kElevationBox{45, 212, kElevationBoxWidthMm, kElevationBoxHeightMm};
inline constexpr Box kPlanBox{45, 112, kElevationBoxWidthMm, kPlanBoxHeightMm};
inline constexpr Box kSectionBox{285, 212, kSectionBoxWidthMm, kElevationBoxHeightMm};
inline constexpr Box kDetailsBox{45, 30, 210, 62};

inline constexpr double kTablesLeft = 270;
inline constexpr double kTablesWidth = 140;
inline constexpr double kScheduleTop = 192;
inline constexpr double kTableGapMm = 8;  // between the schedule and the material table, and the notes
inline constexpr double kNotesBottom = 28;
inline constexpr double kTableRowMm = 5;

inline constexpr double kTitleTextMm = 5.0;   // view titles and the drawing's name
inline constexpr double kTableTextMm = 3.0;   // tables, notes, title block
inline constexpr double kLabelTextMm = 2.5;   // dimensions and bar labels
inline constexpr double kViewTitleGapMm = 8;  // from the top of a view's box to its title's baseline

// Exploded dimensions.
inline constexpr double kDimRowMm = 6;           // from the view to the first row, and between rows
inline constexpr double kExtensionGapMm = 1;     // between the object and its extension line
inline constexpr double kExtensionBeyondMm = 2;  // extension line past the dimension line
inline constexpr double kTickMm = 2;             // 45° tick
inline constexpr double kDimTextRaiseMm = 0.8;   // text above its dimension line

inline constexpr double kDotDiameterMm = 0.8;  // a bar cut across, when its own size is smaller

}  // namespace tavrel::drawing
