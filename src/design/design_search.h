// Design mode: the lightest cover slab that passes all five checks without stirrups, found among end
// thicknesses, main-bar diameters and bar counts, every candidate judged by the calculate command's own
// input checks and calculation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/tables.h"
#include "calc/section.h"
#include "design/bar_schedule.h"
#include "design/slab_quantities.h"
#include "model/design_input.h"

namespace tavrel {

// thinnest: least end thickness, then least main steel (what a standard drawing does);
// cheapest: least price of concrete and main steel.
enum class DesignObjective { Thinnest, Cheapest };

inline constexpr int kDefaultMinEndThicknessCm = 20;
inline constexpr int kDefaultMaxEndThicknessCm = 150;
inline constexpr int kLargestEndThicknessCm = 1000;  // no cover slab is thicker; keeps the text short

struct DesignRequest {
    DesignInput record;  // every other input as set, override boxes included
    int minEndThicknessCm = kDefaultMinEndThicknessCm;
    int maxEndThicknessCm = kDefaultMaxEndThicknessCm;
    std::vector<std::string> diameters;  // entries of the main-bar list, mm; empty: every entry
    DesignObjective objective = DesignObjective::Thinnest;
    UnitPrices prices;
    BarDetailing detailing;
};

// The main-bar diameters the request tries: its own list, or every entry of the main-bar list.
std::vector<std::string> triedDiameters(const DesignRequest& request);

// What is wrong with the request's thickness range, diameters or prices, as a message for the user;
// nothing when the request can be searched.
std::optional<std::string> requestProblem(const DesignRequest& request);

// The bar counts the detailing rules admit across the slab width b (m, stored single) with the side cover
// c (cm) for one bar size, laid out as the drawing lays them out (laidOutSpacingMm): at least two bars,
// the centre spacing s1 at most the largest, the clear spacing s1 - dOut at least max(smallest, d).
struct CountRange {
    int first = 1;
    int last = 0;
    bool empty() const { return first > last; }
};
CountRange admissibleCounts(float widthM, float coverCm, const BarSize& bar, const BarDetailing& detailing);

// The texts a design puts into the record and into its .tvrl file, each at most ten characters, the
// longest value the file reader keeps.
struct DesignTexts {
    std::string txtBDH;                  // end thickness d1, whole cm
    std::string txtBZH;                  // midspan thickness: d1 plus the record's d2 - d1, cm
    std::string CboZJZJ;                 // main-bar diameter, an entry of the list, mm
    std::string txtZJGS;                 // bar count
    std::optional<std::string> txtJSKJ;  // derived span for d1; none while chkJSKJ keeps the typed span
    bool operator==(const DesignTexts&) const = default;
};

// The texts of one candidate, or the reason it cannot be written (a value longer than ten characters).
struct CandidateTexts {
    DesignTexts texts;
    std::string problem;  // empty when the texts can be written
};
CandidateTexts candidateTexts(const DesignInput& record, int endThicknessCm, const std::string& diameter,
                              int barCount);

// The shortest text of `value` that the input file keeps whole (at most ten characters): its general
// form, or else rounded to as many decimals as fit. None when not even the whole number fits.
std::optional<std::string> valueText(double value);

// Writes a design's texts into a record through `target`, as a person would enter them: the two
// thicknesses, the diameter chosen from its list, the count, and the derived span when there is one.
void applyDesign(const DesignTexts& texts, InputTarget& target);

// The record with a design's texts in place.
DesignInput withDesign(const DesignInput& record, const DesignTexts& texts);

struct SlabDesign {
    DesignTexts texts;
    int endThicknessCm = 0;
    float midspanThicknessCm = 0;
    float barDiameterMm = 0;
    std::int16_t barCount = 0;
    float centreSpacingMm = 0;  // s1, the main bars' centre spacing on the drawing, whole mm
    SlabQuantities quantities;  // steel: the schedule's total
    BarSchedule schedule;       // the bars of the slab; whether and why it cannot be drawn
    float cost = 0;             // yuan, at the request's prices
    CheckUtilisation utilisation;
    Check governing = Check::Shear;
    bool operator==(const SlabDesign&) const = default;
};

// A design's figures as every view prints them: "96/101" (d1/d2, cm), "18Φ22" (count and diameter, mm),
// centre spacing "55.0" (mm), concrete "4.00" (m³ per slab), steel "257.3" (kg per slab) and
// price "2487.50" (yuan per slab).
struct DesignFigures {
    std::string thickness;
    std::string bars;
    std::string spacing;
    std::string concrete;
    std::string steel;
    std::string cost;
};
DesignFigures designFigures(const SlabDesign& design);

// The governing check by name; the shear check names the upper limit of the section where that governs
// it ("斜截面抗剪承载力（抗剪截面尺寸，γ0Vd/Vmax）").
std::string governingCheckText(const SlabDesign& design);

// True when `a` comes before `b` by the objective (ties broken by thickness, steel, diameter, count).
bool ranksBefore(const SlabDesign& a, const SlabDesign& b, DesignObjective objective);

struct DesignOutcome {
    std::optional<SlabDesign> design;
    std::string message;           // why there is no design; empty when there is one
    long candidatesEvaluated = 0;  // calculations run
};

// The best design of the request, searched with the structure of the checks (see the source).
DesignOutcome findDesign(const DesignRequest& request);

// The same design by the calculate command on every candidate of the ranges: the reference of the
// search and the naive way it is measured against.
DesignOutcome findDesignExhaustively(const DesignRequest& request);

// The best design with each diameter of the request, best first: the first is findDesign's design.
std::vector<SlabDesign> bestDesignPerDiameter(const DesignRequest& request);

}  // namespace tavrel
