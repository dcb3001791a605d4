// Loads on the slab, internal forces of each load group and the design values of the load combination.
// The slab is a simply supported beam: moments use the calculation span L, shears the clear span L0.
#include "calc/loads.h"

#include <cmath>

#include "base/numbers.h"

namespace tavrel {

namespace {

// Wheel contact area of the JTG D60-2004 vehicle (4.3.1): 0.2 m along the span, 0.6 m across it.
constexpr double kWheelContactLengthM = 0.2;
constexpr double kWheelContactWidthM = 0.6;
// JTG D60-2004 4.3.4: the wheel load spreads through the fill at 30°; 2·tan 30°.
constexpr double kTwiceTan30 = 1.1547;
// JTG D60-2004 4.3.1: one wheel of a 140 kN axle, the two 140 kN rear axles, the whole 550 kN vehicle.
constexpr double kSingleWheelKn = 140.0 / 2;
constexpr double kRearAxlesKn = 280;
constexpr double kWholeVehicleKn = 550;
// JTG D60-2004 4.3.2: impact factor of a local wheel load on the pavement.
constexpr double kLocalImpactFactor = 0.3;
// JTG D60-2004 4.1.6: structural importance factor and partial factors of permanent and vehicle actions.
constexpr double kImportanceFactor = 0.9;
constexpr double kPermanentActionFactor = 1.2;
constexpr double kVehicleActionFactor = 1.4;

// Self-weight per metre of span from the mean of end and midspan thickness (cm): g = (d1 + d2)/100/2·b·γ1.
float selfWeight(const CalculationResults& r) {
    return toSingle((static_cast<double>(r.d1) + r.d2) / 100 / 2 * r.b * r.gammaSlab);
}

// Vertical load of the fill (buried) or of pavement and surface course (open), kN/m over the width b.
float permanentLoad(const CalculationResults& r) {
    if (r.isBuried) {
        return toSingle(static_cast<double>(r.gammaSoil) * r.H * r.b);
    }
    return toSingle((static_cast<double>(r.H1) * r.gammaPave + static_cast<double>(r.H2) * r.gammaSurf) /
                    100 * r.b);
}

void computePermanentActions(CalculationResults& r) {
    r.q = permanentLoad(r);
    r.g = selfWeight(r);
    r.M1 = toSingle((static_cast<double>(r.q) + r.g) * square(r.L) / 8);
    r.V1 = toSingle((static_cast<double>(r.q) + r.g) * r.L0 / 2);
}

// A load spread over a length `a` centred at midspan: moment at midspan and shear at the wall face, or
// the full-span formulas once the length reaches the span.
struct Forces {
    float moment;
    float shear;
};
Forces forcesOfCentredLoad(double pressure, float a, float L, float L0) {
    if (a < L) {
        return {toSingle(pressure * a * (L - static_cast<double>(a) / 2) / 4),
                toSingle(pressure * a * (L0 - static_cast<double>(a) / 2) / L0)};
    }
    return {toSingle(pressure * square(L) / 8), toSingle(pressure * L0 / 2)};
}

void computeCustomActions(CalculationResults& r) {
    const Forces uniform = forcesOfCentredLoad(r.qK, r.qKc, r.L, r.L0);
    r.M1 = uniform.moment;
    r.V1 = uniform.shear;
    r.M2 = toSingle(static_cast<double>(r.PK) / 2 * r.L / 2);
    r.V2 = toSingle(static_cast<double>(r.PK) / 2);
    r.g = selfWeight(r);
    r.M3 = toSingle(r.g * square(r.L) / 8);
    r.V3 = toSingle(static_cast<double>(r.g) * r.L0 / 2);
}

// Spread of the wheel loads under the fill height H (JTG D60-2004 4.3.4), by the bands where the
// spread areas of neighbouring wheels, axles and the whole vehicle join.
void spreadUnderFill(CalculationResults& r) {
    const double spread = kTwiceTan30 * r.H;
    if (r.H < kFillAxlesJoin) {
        r.La = toSingle(kWheelContactLengthM + spread);
        r.Lb = toSingle(kWheelContactWidthM + spread);
        r.P = toSingle(kSingleWheelKn);
    } else if (r.H < kFillVehicleJoins) {
        r.La = toSingle(1.6 + spread);  // 0.2 m contact + 1.4 m between the rear axles
        r.Lb = toSingle(2.4 + spread);  // 0.6 m contact + 1.8 m between the wheels of an axle
        r.P = toSingle(kRearAxlesKn);
    } else {
        r.La = toSingle(13 + spread);  // the whole vehicle length along the span
        r.Lb = toSingle(2.4 + spread);
        r.P = toSingle(kWholeVehicleKn);
    }
}

void computeVehicleActions(CalculationResults& r) {
    if (r.isBuried) {
        spreadUnderFill(r);
    } else {
        r.La = toSingle(kWheelContactLengthM);
        r.Lb = toSingle(kWheelContactWidthM);
        r.P = toSingle(kSingleWheelKn);
    }
    r.p = toSingle(static_cast<double>(r.P) / r.La / r.Lb);
    if (r.isOpen) {
        r.p = toSingle(r.p * (1.0 + kLocalImpactFactor));
    }
    const Forces vehicle = forcesOfCentredLoad(r.p, r.La, r.L, r.L0);
    r.M2 = vehicle.moment;
    r.V2 = vehicle.shear;
}

void combineActions(CalculationResults& r) {
    if (r.isCustom) {
        // Every action of a user-defined load is taken as permanent.
        r.gamma0Md =
            toSingle(kImportanceFactor * kPermanentActionFactor * (static_cast<double>(r.M1) + r.M2 + r.M3));
        r.gamma0Vd =
            toSingle(kImportanceFactor * kPermanentActionFactor * (static_cast<double>(r.V1) + r.V2 + r.V3));
        return;
    }
    r.gamma0Md = toSingle((kPermanentActionFactor * r.M1 + kVehicleActionFactor * r.M2) * kImportanceFactor);
    r.gamma0Vd = toSingle((kPermanentActionFactor * r.V1 + kVehicleActionFactor * r.V2) * kImportanceFactor);
}

}  // namespace

void computeLoadsAndForces(CalculationResults& r) {
    if (r.isCustom) {
        computeCustomActions(r);
    } else {
        computePermanentActions(r);
        computeVehicleActions(r);
    }
    combineActions(r);
}

}  // namespace tavrel
