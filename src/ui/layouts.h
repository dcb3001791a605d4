// The layout tables of the windows, in twips, row for row as designed, and the main window's menus.
#pragma once

#include <span>
#include <string_view>

#include "ui/form_layout.h"

namespace tavrel::ui {

struct MenuRow;

// frmMain: client area below the menu bar, status bar included.
inline constexpr TwipsRect kMainClientArea{1275, 2040, 12360, 8715};  // left, top on the screen
inline constexpr TwipsRect kMainStatusBar{0, 8340, 12360, 375};
FormTables mainWindowTables();
std::span<const MenuRow> mainWindowMenus();

// Form3, the stirrup dialog.
inline constexpr TwipsRect kStirrupClientArea{0, 0, 5235, 3630};
FormTables stirrupDialogTables();

// frmDesign, the design dialog.
inline constexpr TwipsRect kDesignClientArea{0, 0, 7440, 8100};
FormTables designDialogTables();

// frmDrawing, the drawing dialog: the sheet fills the area above the buttons.
inline constexpr TwipsRect kDrawingClientArea{0, 0, 12000, 9300};
inline constexpr TwipsRect kDrawingSheetArea{120, 120, 11760, 8520};
FormTables drawingDialogTables();
// frmReport, the report options dialog.
inline constexpr TwipsRect kReportClientArea{0, 0, 6600, 5220};
FormTables reportDialogTables();

// frmAbout.
inline constexpr TwipsRect kAboutClientArea{0, 0, 5955, 3375};
inline constexpr TwipsRect kAboutIcon{240, 360, 540, 540};
inline constexpr TwipsLine kAboutSeparator{{240, 2520}, {5640, 2520}};
FormTables aboutDialogTables();  // controls only

}  // namespace tavrel::ui
