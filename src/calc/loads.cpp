// Loads on the slab, internal forces of each load group and the design values of the load combinations.
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
    // The 2004 rules put the impact of the wheel on the pavement into the pressure; under the 2018 edition
    // the pressure stays static, because the serviceability combinations take the vehicle without impact.
    if (r.isOpen && code.edition == Edition::Jtg2004) {
        r.p = toSingle(r.p * (1.0 + code.loads.localImpact));
    }
    const Forces vehicle = forcesOfCentredLoad(r.p, r.La, r.L, r.L0);
    r.M2 = vehicle.moment;
    r.V2 = vehicle.shear;
}

// JTG D60-2004 4.1.6: γ0·(γG·permanent + γQ·vehicle) with γ0 = 0.9 as a double; every action of a
// user-defined load is taken as permanent.
void combineActions2004(CalculationResults& r, const DesignCode& code) {
    const LoadFactors& factors = code.loads;
    const double importance = code.importanceFactor(kDefaultSafetyClass);  // the same for every class
    if (r.isCustom) {
        r.gamma0Md = toSingle(importance * factors.permanent * (static_cast<double>(r.M1) + r.M2 + r.M3));
        r.gamma0Vd = toSingle(importance * factors.permanent * (static_cast<double>(r.V1) + r.V2 + r.V3));
        return;
    }
    r.gamma0Md = toSingle((factors.permanent * r.M1 + factors.vehicle * r.M2) * importance);
    r.gamma0Vd = toSingle((factors.permanent * r.V1 + factors.vehicle * r.V2) * importance);
}

// 1+μ of the basic combination (JTG D60-2015 4.3.2): 1.3 for the wheel on the pavement of an open
// culvert, none under the fill of a buried one (at least 0.5 m, which the input checks ensure).
float impactFactor(const CalculationResults& r, const LoadFactors& factors) {
    return r.isOpen ? toSingle(1.0 + factors.localImpact) : 1.0f;
}

// JTG D60-2015 basic combination γ0·(γG·G + γQ·(1+μ)·Q) with the stored single γ0 of the safety class,
// and the frequent and quasi-permanent midspan moments G + ψf·Q and G + ψq·Q with the static vehicle.
// Of a user-defined load the uniform load and the self-weight are permanent and the force at midspan is
// a vehicle action (a wheel or an axle), taken without impact.
void combineActions2018(CalculationResults& r, const LoadFactors& factors) {
    if (r.isCustom) {
        const double permanentMoment = static_cast<double>(r.M1) + r.M3;
        r.gamma0Md = toSingle((factors.permanent * permanentMoment + factors.vehicle * r.M2) * r.gamma0);
        r.gamma0Vd = toSingle(
            (factors.permanent * (static_cast<double>(r.V1) + r.V3) + factors.vehicle * r.V2) * r.gamma0);
        r.Ms = toSingle(permanentMoment + factors.frequent * r.M2);
        r.Ml = toSingle(permanentMoment + factors.quasiPermanent * r.M2);
        return;
    }
    r.impact = impactFactor(r, factors);
    r.gamma0Md = toSingle((factors.permanent * r.M1 + factors.vehicle * r.impact * r.M2) * r.gamma0);
    r.gamma0Vd = toSingle((factors.permanent * r.V1 + factors.vehicle * r.impact * r.V2) * r.gamma0);
    r.Ms = toSingle(r.M1 + factors.frequent * r.M2);
    r.Ml = toSingle(r.M1 + factors.quasiPermanent * r.M2);
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
    if (code.edition == Edition::Jtg2018) {
        combineActions2018(r, code.loads);
    } else {
        combineActions2004(r, code);
    }
}

}  // namespace tavrel
