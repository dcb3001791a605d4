// Quantities of one cover slab for comparing designs: concrete volume, steel mass and their price, and how
// far each of the five checks is used.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/calculation_results.h"
#include "calc/section.h"

namespace tavrel {

// Concrete of one slab, m³: width b (m) × slab length L0 + 2a (m) × mean thickness. The thickness runs
// straight from d1 at each end to d2 at midspan (cm), as the slab diagrams draw it, so its mean is
// (d1 + d2)/2, the same mean the self-weight takes.
float slabConcreteM3(float widthM, float clearSpanM, float bearingLengthM, float d1Cm, float d2Cm);

struct SlabQuantities {
    float concreteM3 = 0;
    float steelKg = 0;
    bool operator==(const SlabQuantities&) const = default;
};

// The quantities of the slab that the record `r` was calculated for; its steel is the bar schedule's total
// (main bars, distribution bars and lifting rings, bar_schedule.h).
SlabQuantities slabQuantities(const CalculationResults& r);

// Unit prices of the cheapest-design objective. Only their ratio steers the choice. The defaults are
// round installed prices of a Chinese highway budget of the 2020s: precast C30 slab concrete placed with
// its formwork about 600 yuan/m³, HRB400 bars bought, cut, bent and placed about 5000 yuan/t; a cubic
// metre of concrete then costs as much as 120 kg of steel.
struct UnitPrices {
    double concretePerM3 = 600;  // yuan/m³
    double steelPerKg = 5;       // yuan/kg
    bool operator==(const UnitPrices&) const = default;
};

// Price of the concrete and steel of one slab, yuan.
float slabCost(const SlabQuantities& quantities, const UnitPrices& prices);

// How far each check is used; a check passes about where its utilisation reaches 1 (the verdicts
// themselves come from the checks, never from these ratios):
//   compression zone x/(ξb·h0), minimum reinforcement ρmin/ρ, flexure γ0Md/Mu, crack width Wfk/Wlim,
//   shear γ0Vd/Vc, and under the 2018 rules the larger of γ0Vd/Vc and γ0Vd/Vmax: the shear check has two
//   parts there, the bound without stirrups (JTG 3362-2018 5.2.12) and the upper limit of the section
//   (5.2.11).
struct CheckUtilisation {
    std::array<float, 5> byCheck{};  // in the order of kChecksInOrder
    float shearBound = 0;            // γ0Vd/Vc
    float shearUpperLimit = 0;       // γ0Vd/Vmax; 0 under the 2004 rules, which set no upper limit

    float of(Check check) const { return byCheck[static_cast<std::size_t>(check)]; }
    // Whether the shear utilisation is the upper limit's: the section, not the concrete's shear
    // strength, is what runs out first.
    bool shearUpperLimitGoverns() const { return shearUpperLimit > shearBound; }
    bool operator==(const CheckUtilisation&) const = default;
};

CheckUtilisation checkUtilisation(const CalculationResults& r);

// The ratio each utilisation stands for, as printed: "x/(ξb·h0)", "ρmin/ρ", "γ0Md/Mu", "Wfk/Wlim", "γ0Vd/Vc".
std::string_view utilisationLabel(Check check);
// The same for one slab's utilisation: its shear is "γ0Vd/Vmax" where the upper limit governs.
std::string_view utilisationLabel(Check check, const CheckUtilisation& utilisation);
inline constexpr std::string_view kShearUpperLimitLabel = "γ0Vd/Vmax";

// The check with the highest utilisation; the first in check order on a tie.
Check governingCheck(const CheckUtilisation& utilisation);

// The check's name as the verdict captions say it ("斜截面抗剪承载力").
std::string checkName(Check check);

}  // namespace tavrel
