// The code editions the program follows: JTG D60-2004 (loads) with JTG D62-2004 (reinforced concrete).
#include "calc/design_code.h"

#include "base/numbers.h"

namespace tavrel {

namespace {

// JTG D60-2004 4.3.1 (the vehicle: wheel contact 0.2 m × 0.6 m, 140 kN rear axles 1.4 m apart, wheels of
// an axle 1.8 m apart, 550 kN in all over 13 m) and 4.3.4 (spread through the fill at 30°; the report
// prints tan 30° as 0.577).
constexpr VehicleModel kHighwayVehicle{
    .wheelContactLengthM = 0.2,
    .wheelContactWidthM = 0.6,
    .twiceTan30 = 1.1547,
    .singleWheelKn = 140.0 / 2,
    .rearAxlesKn = 280,
    .wholeVehicleKn = 550,
    .rearAxlesLengthM = 1.6,
    .axleWidthM = 2.4,
    .vehicleLengthM = 13,
    .fillAxlesJoinM = 1.0392f,
    .fillVehicleJoinsM = 5.889f,
};

const DesignCode kJtg2004{
    .edition = Edition::Jtg2004,
    .titles =
        {
            .loadsCode = "JTG D60-2004",
            .membersCode = "JTG D62-2004",
            .loadsTitle = "《公路桥涵设计通用规范》",
            .membersTitle = "《公路钢筋混凝土及预应力混凝土桥涵设计规范》",
        },
    .clauses =
        {
            .vehicleLoad = "4.3.1",
            .impact = "4.3.2",
            .wheelSpread = "4.3.4",
            .combination = "4.1.6",
            .balancedZone = "5.2.1",
            .minimumReinforcement = "9.1.12",
            .flexure = "5.2.2",
            .shearBound = "5.2.10",
            .stirrups = "5.2.7",
            .detailingStirrups = "9.3.13",
            .crackWidth = "6.4",
        },
    .vehicle = kHighwayVehicle,
    // JTG D60-2004 4.1.6: γ0 = 0.9, permanent actions 1.2, vehicle 1.4; 4.3.2: μ = 0.3 for a local load.
    .loads = {.importance = 0.9, .permanent = 1.2, .vehicle = 1.4, .localImpact = 0.3},
    .section =
        {
            .trialMomentFactor = 1.25,
            // JTG D62-2004 5.2.10: 0.5×10⁻³·α2·ftd·b·h0, × 1.25 for plate members.
            .slabShearFactor = 1.25,
            .shearBoundCoefficient = 0.0005,
            .shearBoundAlpha2 = 1,
            // JTG D62-2004 6.4.3: Wfk = C1·C2·C3·σss/Es·(30 + d)/(0.28 + 10ρ), 0.006 ≤ ρ ≤ 0.02,
            // σss = Ms/(0.87·As·h0), C2 = 1.5 and C3 = 1.15 for the slab.
            .leverArmFactor = 0.87,
            .crackRatioMin = 0.006f,
            .crackRatioMax = 0.02f,
            .crackDiameterTerm = 30,
            .crackRatioConstant = 0.28,
            .crackRatioFactor = 10,
            .crackLongTermFactor = 1.5f,
            .crackMemberFormFactor = 1.15f,
            // JTG D62-2004 9.1.12: at least 45·ftd/fsd and 0.2 per cent.
            .minimumReinforcementFactor = 45,
            .absoluteMinimumPct = 0.2,
        },
    // JTG D62-2004 5.2.7: α1 = 1 (simply supported), α2 = 1 (reinforced concrete), α3 = 1.1, P ≤ 2.5.
    .stirrups =
        {
            .alpha1 = 1,
            .alpha2 = 1,
            .alpha3 = 1.1,
            .capacityCoefficient = 0.00045,
            .percentageBase = 2,
            .percentageFactor = 0.6,
            .percentageCap = 2.5f,
        },
};

std::string cited(std::string_view title, std::string_view code) {
    return std::string(title) + "(" + std::string(code) + ")";
}

}  // namespace

std::string DesignCode::loadsCodeCited() const {
    return cited(titles.loadsTitle, titles.loadsCode);
}

std::string DesignCode::membersCodeCited() const {
    return cited(titles.membersTitle, titles.membersCode);
}

std::string DesignCode::pairName() const {
    return std::string(titles.loadsCode) + "  " + std::string(titles.membersCode);
}

double DesignCode::stirrupCapacityCoefficient() const {
    return stirrups.alpha1 * stirrups.alpha2 * stirrups.alpha3 * stirrups.capacityCoefficient;
}

const DesignCode& designCode(Edition) {
    return kJtg2004;
}

const DesignCode& codeOf(const CalculationResults&) {
    return kJtg2004;
}

std::string factorText(double factor) {
    return formatGeneral(factor);
}

}  // namespace tavrel
