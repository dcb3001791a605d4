// The six sections of the report body, each composed from the results record.
#pragma once

#include "calc/calculation_results.h"
#include "calc/stirrup.h"
#include "model/design_input.h"
#include "report/report_composer.h"

namespace tavrel {

// The flags are tested in the order isBuried, isOpen, isCustom; a record without a flag counts as custom.
SlabType slabTypeOf(const CalculationResults& r);

// 1 design data (with the figure paragraph), 2 external forces, 3 internal forces and load combination.
void composeDesignData(ReportComposer& out, const CalculationResults& r, const ReportPicture* figure);
void composeExternalForces(ReportComposer& out, const CalculationResults& r);
void composeInternalForces(ReportComposer& out, const CalculationResults& r);
// The load combinations that end section 3, as its item `item` ("3) ", "4) ").
void composeLoadCombinations(ReportComposer& out, const CalculationResults& r, const char* item);

// 4 section design, 5 ultimate limit state checks, 6 crack width; the same for every slab type. The
// stirrup check of section 5 is printed only from stirrup values computed for this calculation.
void composeSectionDesign(ReportComposer& out, const CalculationResults& r);
void composeUltimateLimitState(ReportComposer& out, const CalculationResults& r, StirrupCheck stirrupCheck);
void composeCrackWidth(ReportComposer& out, const CalculationResults& r);

// The verdict of the stirrup check: concrete and stirrups carry the design shear, Vcs >= γ0·Vd.
bool stirrupsCarryTheShear(const CalculationResults& r);

}  // namespace tavrel
