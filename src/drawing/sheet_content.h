// What the sheet of a slab shows, taken from its bar schedule: the figures of the views, the tables' texts
// as the schedule prints them, the notes, and the title block.
#pragma once

#include <string>
#include <vector>

#include "design/bar_schedule.h"
#include "drawing/sheet.h"

namespace tavrel::drawing {

// The sheet of a schedule that is drawn (`schedule.drawn()`).
SheetContent sheetContent(const BarSchedule& schedule, const TitleBlockTexts& title);

// The notes 附注 in order, without their numbers: the ring notes give way to the warning when the slab
// carries no rings.
std::vector<std::string> drawingNotes(const BarSchedule& schedule);

// The schedule's table as drawn and as the CSV writes it: the header, one row per bar, the total rows
// with their label across the first six columns.
std::vector<Row> scheduleTableRows(const BarSchedule& schedule);
std::vector<Row> materialTableRows(const BarSchedule& schedule, CubicMetre cubicMetre);

// The sheet of a drawn schedule, ready for the writers.
Drawing drawingOf(const BarSchedule& schedule, const TitleBlockTexts& title);

}  // namespace tavrel::drawing
