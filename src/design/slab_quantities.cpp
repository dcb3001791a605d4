// Quantities of one cover slab for comparing designs: concrete volume, steel mass, price, utilisation.
#include "design/slab_quantities.h"

#include <algorithm>
#include <string_view>

#include "base/numbers.h"
#include "base/units.h"
#include "calc/design_code.h"
#include "calc/presentation.h"
#include "design/bar_schedule.h"

namespace tavrel {

namespace {

constexpr std::string_view kFailedCaptionEnding = "验算未通过";

// Used / available, stored as a single; a capacity of 0 counts as fully used many times over.
float ratio(double used, double available) {
    if (available <= 0) {
        return used > 0 ? toSingle(1e30) : 0.0f;
    }
    return toSingle(used / available);
}

}  // namespace

float slabConcreteM3(float widthM, float clearSpanM, float bearingLengthM, float d1Cm, float d2Cm) {
    const double lengthM = static_cast<double>(clearSpanM) + 2.0 * bearingLengthM;
    const double meanThicknessM = (static_cast<double>(d1Cm) + d2Cm) / 2 / units::kCmPerM;
    return toSingle(widthM * lengthM * meanThicknessM);
}

SlabQuantities slabQuantities(const CalculationResults& r) {
    return {slabConcreteM3(r.b, r.L0, r.Lseat, r.d1, r.d2), barSchedule(r).steelKg()};
}

float slabCost(const SlabQuantities& quantities, const UnitPrices& prices) {
    return toSingle(prices.concretePerM3 * quantities.concreteM3 + prices.steelPerKg * quantities.steelKg);
}

CheckUtilisation checkUtilisation(const CalculationResults& r) {
    const double minimumPct =
        std::max<double>(minimumReinforcementPercentage(r), codeOf(r).section.absoluteMinimumPct);
    CheckUtilisation u;
    u.byCheck[static_cast<std::size_t>(Check::CompressionZone)] =
        ratio(r.x, toSingle(static_cast<double>(r.xiB) * r.h0));
    u.byCheck[static_cast<std::size_t>(Check::MinimumReinforcement)] =
        ratio(minimumPct, reinforcementPercentage(r));
    u.byCheck[static_cast<std::size_t>(Check::FlexuralCapacity)] = ratio(r.gamma0Md, r.Mu);
    u.byCheck[static_cast<std::size_t>(Check::CrackWidth)] = ratio(r.Wfk, r.Wlim);
    u.shearBound = ratio(r.gamma0Vd, r.Vc);
    if (codeOf(r).section.shearUpperLimitCoefficient > 0) {
        u.shearUpperLimit = ratio(r.gamma0Vd, r.Vmax);
    }
    u.byCheck[static_cast<std::size_t>(Check::Shear)] = std::max(u.shearBound, u.shearUpperLimit);
    return u;
}

std::string_view utilisationLabel(Check check) {
    switch (check) {
        case Check::CompressionZone:
            return "x/(ξb·h0)";
        case Check::MinimumReinforcement:
            return "ρmin/ρ";
        case Check::FlexuralCapacity:
            return "γ0Md/Mu";
        case Check::CrackWidth:
            return "Wfk/Wlim";
        case Check::Shear:
            break;
    }
    return "γ0Vd/Vc";
}

std::string_view utilisationLabel(Check check, const CheckUtilisation& utilisation) {
    if (check == Check::Shear && utilisation.shearUpperLimitGoverns()) {
        return kShearUpperLimitLabel;
    }
    return utilisationLabel(check);
}

Check governingCheck(const CheckUtilisation& utilisation) {
    Check governing = kChecksInOrder[0];
    for (Check check : kChecksInOrder) {
        if (utilisation.of(check) > utilisation.of(governing)) {
            governing = check;
        }
    }
    return governing;
}

std::string checkName(Check check) {
    std::string caption = verdictCaption(check, false);
    if (caption.ends_with(kFailedCaptionEnding)) {
        caption.resize(caption.size() - kFailedCaptionEnding.size());
    }
    return caption;
}

}  // namespace tavrel
