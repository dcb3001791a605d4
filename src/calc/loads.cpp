// Loads on the slab, internal forces of each load group and the design values of the load combination.
// The slab is a simply supported beam: moments use the calculation span L, shears the clear span L0.
#include "calc/loads.h"

#include <cmath>

#include "base/numbers.h"
#include "calc/design_code.h"

namespace tavrel {

namespace {

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

// Spread of the wheel loads under the fill height H, by the bands where the spread areas of neighbouring
// wheels, axles and the whole vehicle join: one wheel, the two rear axles, the whole vehicle.
void spreadUnderFill(CalculationResults& r, const VehicleModel& vehicle) {
    const double spread = vehicle.twiceTan30 * r.H;
    if (r.H < vehicle.fillAxlesJoinM) {
        r.La = toSingle(vehicle.wheelContactLengthM + spread);
        r.Lb = toSingle(vehicle.wheelContactWidthM + spread);
        r.P = toSingle(vehicle.singleWheelKn);
    } else if (r.H < vehicle.fillVehicleJoinsM) {
        r.La = toSingle(vehicle.rearAxlesLengthM + spread);
        r.Lb = toSingle(vehicle.axleWidthM + spread);
        r.P = toSingle(vehicle.rearAxlesKn);
    } else {
        r.La = toSingle(vehicle.vehicleLengthM + spread);
        r.Lb = toSingle(vehicle.axleWidthM + spread);
        r.P = toSingle(vehicle.wholeVehicleKn);
    }
}

void computeVehicleActions(CalculationResults& r, const DesignCode& code) {
    if (r.isBuried) {
        spreadUnderFill(r, code.vehicle);
    } else {
        r.La = toSingle(code.vehicle.wheelContactLengthM);
        r.Lb = toSingle(code.vehicle.wheelContactWidthM);
        r.P = toSingle(code.vehicle.singleWheelKn);
    }
    r.p = toSingle(static_cast<double>(r.P) / r.La / r.Lb);
    if (r.isOpen) {
        r.p = toSingle(r.p * (1.0 + code.loads.localImpact));
    }
    const Forces vehicle = forcesOfCentredLoad(r.p, r.La, r.L, r.L0);
    r.M2 = vehicle.moment;
    r.V2 = vehicle.shear;
}

// γ0·(γG·permanent + γQ·vehicle); every action of a user-defined load is taken as permanent.
void combineActions(CalculationResults& r, const LoadFactors& factors) {
    if (r.isCustom) {
        r.gamma0Md =
            toSingle(factors.importance * factors.permanent * (static_cast<double>(r.M1) + r.M2 + r.M3));
        r.gamma0Vd =
            toSingle(factors.importance * factors.permanent * (static_cast<double>(r.V1) + r.V2 + r.V3));
        return;
    }
    r.gamma0Md = toSingle((factors.permanent * r.M1 + factors.vehicle * r.M2) * factors.importance);
    r.gamma0Vd = toSingle((factors.permanent * r.V1 + factors.vehicle * r.V2) * factors.importance);
}

}  // namespace

void computeLoadsAndForces(CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    if (r.isCustom) {
        computeCustomActions(r);
    } else {
        computePermanentActions(r);
        computeVehicleActions(r, code);
    }
    combineActions(r, code.loads);
}

}  // namespace tavrel
