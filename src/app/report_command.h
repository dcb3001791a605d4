// The report button: the calculation report of the last calculation as a new document on the desktop.
#pragma once

#include <QString>

#include <optional>

#include "calc/calculation_results.h"
#include "calc/stirrup.h"
#include "model/design_input.h"

namespace tavrel::ui {
class Prompter;
}

namespace tavrel::app {

// What the full format prints beyond the results: the input (its project information and override boxes)
// and the input file's name for the footer (empty while the input has no file).
struct FullReportInput {
    DesignInput input;
    QString inputFileName;
};

// Builds the report from the one results record, in the full format when `full` is given, (figures from
// `figureFolder`; `stirrupCheck` says whether its stirrup values belong to this calculation), writes it as a
// new document with a name of its own in `reportFolder` (earlier reports are never touched) and hands it to
// the desktop's default application. A report that cannot be written or opened gets one message with the
// reason and the path; nothing else changes.
void WriteCalcReport(const CalculationResults& results, StirrupCheck stirrupCheck, ui::Prompter& prompter,
                     const QString& figureFolder, const QString& reportFolder,
                     const std::optional<FullReportInput>& full = std::nullopt);

}  // namespace tavrel::app
