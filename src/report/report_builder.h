// Builds the calculation report of the last calculation, line by line, from the results record.
#pragma once

#include <string>

#include "calc/calculation_results.h"
#include "calc/stirrup.h"
#include "model/design_input.h"
#include "report/report_document.h"

namespace tavrel {

// The frame of every document the program writes: A4 portrait with the report's margins, its fonts and
// styles, the header with `title` and the date, the footer "第 X 页 共 Y 页", and `title` as the first
// body paragraph.
ReportDocument reportFrame(const std::string& title);

// The whole report: page set-up, header with the title and the date, footer "第 X 页 共 Y 页", title
// and the six sections. The slab type is read from the flags in the order isBuried, isOpen, isCustom
// (a record without any flag set is reported as the custom-load type). The figure of the slab type is
// referred to inside `figureFolder`; an empty folder name leaves the figure paragraph empty.
// `stirrupCheck` says whether the stirrup values in the record were computed for this calculation; where
// the slab needs stirrups and they were not, the report asks for the stirrup check instead of printing
// values that belong to no stirrups of this slab.
ReportDocument buildReport(const CalculationResults& r, StirrupCheck stirrupCheck,
                           const std::string& figureFolder);

// The title line of the slab type, e.g. " 2.5米净跨径3米填土暗涵盖板计算".
std::string reportTitle(const CalculationResults& r);

}  // namespace tavrel
