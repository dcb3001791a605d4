// Worked examples of the JTG D60-2015 + JTG 3362-2018 edition for the calculation and report tests: the
// design inputs and the results records as the window leaves them (calculate, then the stirrup dialog where
// the shear check opens it).
#pragma once

#include <optional>
#include <string>

#include "calc/calculate.h"
#include "calc/stirrup.h"
#include "calculated.h"
#include "model/design_input.h"

namespace tavrel::test {

// The input as the window holds it after switching to the 2018 edition (HRB335 has become HRB400).
inline DesignInput under2018(DesignInput input = {}, SafetyClass safetyClass = kDefaultSafetyClass) {
    DesignInputTarget target(input);
    target.selectEdition(Edition::Jtg2018);
    target.selectSafetyClass(safetyClass);
    return input;
}

inline DesignInput withSlabType(DesignInput input, SlabType type) {
    input.slabType = type;
    return input;
}

// The default buried slab under 22 m of fill with HRB400: every check passes.
inline DesignInput buriedDefault2018() {
    return under2018();
}

// An open culvert of 2 m clear span with a 30 cm slab and twelve 20 mm bars: the section is large enough
// for the shear, the slab bound is not, and the stirrup dialog opens.
inline DesignInput openNeedingStirrups2018() {
    DesignInput input = withSlabType(under2018(), SlabType::Open);
    input.txtJKJ = "2";
    input.txtGZCD = "0.25";
    input.txtBDH = "30";
    input.txtBZH = "30";
    input.txtJSKJ = "2.25";
    input.txtZJGS = "12";
    input.CboZJZJ = "20";
    return input;
}

// The default custom load with fourteen 20 mm HPB300 bars in safety class 一级.
inline DesignInput customHpb300FirstClass2018() {
    DesignInput input = withSlabType(under2018({}, SafetyClass::First), SlabType::Custom);
    input.CboZJDJ = "HPB300";
    input.CboZJZJ = "20";
    return input;
}

// The default buried slab made 30 cm thick: too small for the design shear (5.2.11).
inline DesignInput sectionTooSmallForShear2018() {
    DesignInput input = under2018();
    input.txtBDH = "30";
    input.txtBZH = "30";
    return input;
}

struct CalculatedForReport {
    CalculationResults results;
    StirrupCheck stirrupCheck = StirrupCheck::NotDone;
};

// Calculates as the window does; where the stirrup dialog opens and a spacing is given, presses its button
// with the dialog's default grade and diameter (HPB300, 10 mm).
inline CalculatedForReport calculatedForReport(const DesignInput& input,
                                               const std::optional<std::string>& stirrupSpacingCm = {}) {
    CalculatedForReport calculated{freshResults(), StirrupCheck::NotDone};
    CalculationResults& r = calculated.results;
    recordConcreteGrade(r, input.CboHNTDJ);
    const auto outcome = runCalculateCommand(input, r);
    if (outcome && outcome->opensStirrupDialog && stirrupSpacingCm) {
        StirrupDesign dialog(r);
        dialog.load();
        if (dialog.press(*stirrupSpacingCm, input.CboHNTDJ) && dialog.hasCurrentCapacity()) {
            calculated.stirrupCheck = StirrupCheck::Current;
        }
    }
    return calculated;
}

}  // namespace tavrel::test
