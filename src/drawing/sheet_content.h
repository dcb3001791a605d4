// What the sheet of a slab shows, taken from its bar schedule: the figures of the views, the tables' texts
// and the notes as the schedule writes them, and the title block.
#pragma once

#include <string>
#include <vector>

#include "design/bar_schedule.h"
#include "drawing/sheet.h"
#include "model/project_info.h"

namespace tavrel::drawing {

// The sheet of a schedule that is drawn (`schedule.drawn()`).
SheetContent sheetContent(const BarSchedule& schedule, const TitleBlockTexts& title);

// The schedule's table as drawn and as the CSV writes it: the header, one row per bar, the total rows
// with their label across the first six columns.
std::vector<Row> scheduleTableRows(const BarSchedule& schedule);
std::vector<Row> materialTableRows(const BarSchedule& schedule, UnitForm units);

// The title block of a sheet drawn for `project`: its design office, project, structure (name and
// station), the names of the calculating, checking and approving engineers under 设计, 复核 and 审核, the
// report number as 图号; dated `month` ("YYYY.MM"). Fields not given stay empty cells.
TitleBlockTexts titleBlockOf(const ProjectInfo& project, std::string month);

// The month a title block prints of a date "YYYY-MM-DD": "YYYY.MM".
std::string titleBlockMonth(const std::string& isoDate);

// The sheet of a drawn schedule, ready for the writers.
Drawing drawingOf(const BarSchedule& schedule, const TitleBlockTexts& title);

}  // namespace tavrel::drawing
