// What the main window shows after a calculation: result texts, verdict captions, colours and messages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calculation_results.h"
#include "calc/section.h"

namespace tavrel {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kPassColour{18, 8, 0};  // near-black brown of a passed verdict
inline constexpr Rgb kFailColour{255, 0, 0};

// The six result boxes, each "0.00".
struct ResultTexts {
    std::string txtKZWJ;  // gamma0Md, kNm
    std::string txtWJKL;  // Mu, kNm
    std::string txtZDJL;  // gamma0Vd, kN
    std::string txtJLKL;  // Vc, kN
    std::string txtWfk1;  // Wlim, mm
    std::string txtWfk;   // Wfk, mm
    bool operator==(const ResultTexts&) const = default;
};
ResultTexts resultTexts(const CalculationResults& r);

struct Verdict {
    Check check;
    std::string_view label;  // "Label36", "Label37", "Label33", "Label35", "Label34"
    bool passed;
    std::string caption;
    Rgb colour;
    std::optional<std::string> message;  // shown when the check fails
};

std::string_view verdictLabel(Check check);
std::string verdictCaption(Check check, bool passed);
Rgb verdictColour(bool passed);

// The five verdicts in check order, with their messages.
std::array<Verdict, 5> verdicts(const CalculationResults& r);

// The composed failure messages of checks 1 and 2, citing the code of the record's edition.
std::string compressionZoneMessage(const CalculationResults& r);
std::string minimumReinforcementMessage(const CalculationResults& r);
// The upper limit of the section in shear (JTG 3362-2018 5.2.11) as the messages name it.
inline constexpr std::string_view kShearSectionName = "抗剪截面尺寸";

// The failure message of check 5 when the section is too small for the design shear (JTG 3362-2018
// 5.2.11); the stirrup dialog then stays closed.
std::string shearSectionMessage(const CalculationResults& r);

}  // namespace tavrel
