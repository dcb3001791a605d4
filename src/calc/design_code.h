// The design codes the calculation follows, as one description per code edition: the factors of the loads
// and of the section checks, the vehicle and its spread through the fill, the codes' titles and the clause
// numbers that the report, the messages and the window quote. The formulas read their factors from here and
// the report prints the same numbers, so a factor shown as 1.4 is the double 1.4 in the formula.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/edition.h"
#include "calc/calculation_results.h"

namespace tavrel {

// The design vehicle (the heavy lorry of the highway load classes) and how its wheel loads spread through
// the fill. The fill bands are the heights at which the spread areas of neighbouring wheels and axles join.
struct VehicleModel {
    double wheelContactLengthM;  // contact length of one wheel along the span
    double wheelContactWidthM;   // contact width across the span
    double twiceTan30;        // 2·tan 30°, the spread of the wheel load through the fill per metre of fill
    double singleWheelKn;     // one wheel of a rear axle
    double rearAxlesKn;       // the two rear axles
    double wholeVehicleKn;    // the whole vehicle
    double rearAxlesLengthM;  // contact length plus the 1.4 m between the two rear axles
    double axleWidthM;        // contact width plus the 1.8 m between the wheels of an axle
    double vehicleLengthM;    // length along the span that the whole vehicle covers
    float fillAxlesJoinM;     // single precision: 1.2 / (2·tan 30°)
    float fillVehicleJoinsM;  // single precision: 6.8 / (2·tan 30°)
};

// Factors of the ultimate limit state combination, of the serviceability combinations and of the local
// wheel load.
struct LoadFactors {
    // γ0, the structural importance factor, of the safety classes 一级, 二级, 三级; the 2004 rules take
    // 0.9 whatever the class.
    std::array<double, 3> importance;
    double permanent;        // partial factor of permanent actions
    double vehicle;          // partial factor of the vehicle load
    double localImpact;      // impact coefficient μ of a wheel load acting directly on the pavement
    double impactFreeFillM;  // m, a culvert under at least this much fill (pavement included) takes no impact
    double frequent;         // ψf of the vehicle load in the frequent combination (2018 only)
    double quasiPermanent;   // ψq of the vehicle load in the quasi-permanent combination (2018 only)
};

// Factors of the section design and of the five checks.
struct SectionFactors {
    double trialMomentFactor;           // γc on the design moment of the trial compression zone
    double slabShearFactor;             // raise of the no-stirrup shear bound for plate members
    double shearBoundCoefficient;       // 0.5×10⁻³ (b, h0 in mm)
    double shearBoundAlpha2;            // α2 of the shear bound (1 for reinforced concrete)
    double shearUpperLimitCoefficient;  // 0.51×10⁻³ of the section's upper limit (b, h0 in mm); 0: none
    double leverArmFactor;              // σss = Ms / (0.87·As·h0)
    float crackRatioMin;  // bounds of the reinforcement ratio (ρ, or ρte) in the crack formula
    float crackRatioMax;
    double crackDiameterTerm;   // 30 in (30 + d) of the 2004 formula; the 2018 formula takes the cover
    double crackCoverCapMm;     // the cover of the 2018 formula is taken as at most this
    double tensionAreaDepths;   // the effective tension area of ρte is this many aS deep: Ate = 2·aS·b
    double crackRatioConstant;  // 0.28 in (0.28 + 10·ρ), 0.36 in (0.36 + 1.7·ρte)
    double crackRatioFactor;    // 10, 1.7
    float crackLongTermFactor;  // C2 of the 2004 rules, fixed
    double longTermBase;        // C2 = 1 + 0.5·Ml/Ms of the 2018 rules
    double longTermFactor;
    float crackMemberFormFactor;        // C3
    double minimumReinforcementFactor;  // Pmin = 45·ftd/fsd, %
    double absoluteMinimumPct;          // and at least 0.2 %
};

// What the 2018 edition asks of the materials before anything is calculated.
struct MaterialRules {
    std::int16_t strongBarFsk;               // bars of at least this characteristic strength, MPa ..
    std::int16_t concreteForStrongBarsFcuk;  // .. need at least this concrete grade (its cube strength)
};

// The shear capacity of concrete and stirrups: α1·α2·α3·0.45×10⁻³·b·h0·((2 + 0.6·P)·√fcu,k·ρsv·fsv)^½.
struct StirrupFactors {
    double alpha1;               // simply supported member
    double alpha2;               // reinforced concrete
    double alpha3;               // form of the compression zone
    double capacityCoefficient;  // 0.45×10⁻³ (b, h0 in mm)
    double percentageBase;       // 2 in (2 + 0.6·P)
    double percentageFactor;     // 0.6 in (2 + 0.6·P)
    float percentageCap;         // P above this is taken as this
};

// What an edition asks of the bars the drawing adds to the main bars: distribution bars and lifting rings,
// and the plain grade they (and hooked main bars) are made of.
struct DetailingRules {
    std::string_view plainGrade;          // plain hot-rolled bar: "R235", "HPB300"
    std::int16_t ringStressLimitMPa;      // stress in a lifting ring under the slab's self-weight
    std::string_view ringClause;          // clause of the lifting rings; empty: the note names the code only
    std::int16_t ringLargestDiameterMm;   // the plain grade's largest rolled diameter
    std::string_view distributionClause;  // distribution bars of a slab: at least 0.1 % of the section
};

// The clause numbers quoted in the report and the messages; empty where the edition has no such clause.
struct Clauses {
    std::string_view vehicleLoad;
    std::string_view impact;
    std::string_view wheelSpread;
    std::string_view combination;
    std::string_view serviceCombinations;  // frequent and quasi-permanent combinations (2018)
    std::string_view importanceFactor;     // γ0 by safety class (2018)
    std::string_view balancedZone;
    std::string_view minimumReinforcement;
    std::string_view flexure;
    std::string_view shearUpperLimit;  // upper limit of the section in shear (2018)
    std::string_view shearBound;
    std::string_view stirrups;
    std::string_view detailingStirrups;
    std::string_view crackWidth;
    std::string_view concreteForStrongBars;  // lowest grade with bars of 400 MPa and more (2018)
    std::string_view concreteByEnvironment;  // lowest grade of an environment class (2018, a table)
    std::string_view cover;                  // least cover (2018)
};

// The two codes by designation and by title.
struct CodeTitles {
    std::string_view loadsCode;     // "JTG D60-2004"
    std::string_view membersCode;   // "JTG D62-2004"
    std::string_view loadsTitle;    // 《公路桥涵设计通用规范》
    std::string_view membersTitle;  // 《公路钢筋混凝土及预应力混凝土桥涵设计规范》
};

struct DesignCode {
    Edition edition;
    CodeTitles titles;
    Clauses clauses;
    VehicleModel vehicle;
    LoadFactors loads;
    SectionFactors section;
    StirrupFactors stirrups;
    MaterialRules materials;
    DetailingRules detailing;

    // "《公路桥涵设计通用规范》(JTG D60-2004)" and "《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG
    // D62-2004)".
    std::string loadsCodeCited() const;
    std::string membersCodeCited() const;
    // "JTG D60-2004  JTG D62-2004", the pair as the status bar names it.
    std::string pairName() const;
    // α1·α2·α3·0.45×10⁻³ as one coefficient of the stirrup formula.
    double stirrupCapacityCoefficient() const;
    // γ0 of a safety class, as the double the factor table holds.
    double importanceFactor(SafetyClass safetyClass) const;
};

const DesignCode& designCode(Edition edition);

// The code a calculation in the record follows: the edition the calculation copied from the input.
const DesignCode& codeOf(const CalculationResults& r);

// A factor as the report prints it: its shortest decimal form ("1.4", "0.0005"), which reads back as the
// very double the formula uses.
std::string factorText(double factor);

}  // namespace tavrel
