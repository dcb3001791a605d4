// The full calculation report (完整格式): cover page, codes followed, summary of the parameters, the
// original report's sections with heading styles, summary of the checks and conclusion, beside the
// original format, which stays as it is.
#pragma once

#include <string>
#include <vector>

#include "calc/calculation_results.h"
#include "calc/stirrup.h"
#include "model/design_input.h"
#include "report/report_document.h"

namespace tavrel {

// What the full report prints that is neither input nor result.
struct FullReportContext {
    std::string issueDate;      // YYYY-MM-DD, printed as plain text (never a field that changes)
    std::string inputFileName;  // the input file's name, shown in the footer; empty: not shown
};

// The date a report is issued on: the project's fixed date, or else `today` (YYYY-MM-DD).
std::string issueDateOf(const ProjectInfo& project, const std::string& today);

// The full report of the calculation in `r`, made from `input` (its project information, and the override
// boxes that mark values the user changed from the table's) with the figure from `figureFolder` and the
// stirrup check as for buildReport.
ReportDocument buildFullReport(const DesignInput& input, const CalculationResults& r,
                               StirrupCheck stirrupCheck, const std::string& figureFolder,
                               const FullReportContext& context);

// One row of the parameter summary: symbol, meaning, value, unit and where the value comes from
// ("输入", "规范表值", "程序取值", "程序计算", or "用户修改（表值 13.8）" when an override box changed it).
struct ParameterRow {
    std::string symbol;
    std::string meaning;
    std::string value;
    std::string unit;
    std::string source;
};

// Every input the calculation of `r` uses, in the order of the input file.
std::vector<ParameterRow> parameterRows(const DesignInput& input, const CalculationResults& r);

// The codes the calculation follows, with their numbers and titles: the loads code, the members code and,
// for a culvert, JTG/T D65-04-2007 《公路涵洞设计细则》.
std::vector<std::string> designBasis(const CalculationResults& r);

}  // namespace tavrel
