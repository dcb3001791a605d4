// The four views of the sheet: elevation, plan, section Ⅰ-Ⅰ at mid-span and the bar details.
#pragma once

#include "drawing/sheet.h"

namespace tavrel::drawing {

void drawElevation(Drawing& sheet, const SheetContent& content);
void drawPlan(Drawing& sheet, const SheetContent& content);
void drawSection(Drawing& sheet, const SheetContent& content);
void drawDetails(Drawing& sheet, const SheetContent& content);

}  // namespace tavrel::drawing
