// The bars of one cover slab and their schedule: main bars N1 laid out across the width, distribution bars
// N2, lifting rings N3, the bar schedule (钢筋数量表), the material table (材料数量表), the drawing scale and
// the reasons a slab is not drawn. Design mode, the drawing, its tables and the report read this one model.
//
// Number model. Lengths are whole hundredths of a millimetre (`Length`, "u": 1 m = 100 000 u, 1 cm = 1000 u,
// 1 mm = 100 u), converted once from the record's stored singles (their double value times the factor,
// half up), so every length but the ring's is exact and two implementations agree to the last digit.
// Masses are whole hundredths of a kilogram, unit weights whole grams per metre. The concrete volume and
// the self-weight are the stored singles of design mode; the ring's capacity and length hold π and √2
// and stay doubles, evaluated in the order written in the source.
//
// Formatting. Each printed number of the schedule has one text, made here (`scheduleLineTexts`,
// `totalRowTexts`, `materialRows`, `fixedText`, `shortText`, `exactFixedText`): the drawing's tables, the
// CSV, the report and design mode print these texts, the JSON (bar_schedule_json.h) carries the same
// values as numbers, and the notes (bar_schedule_notes.h) quote them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/edition.h"
#include "base/tables.h"
#include "calc/calculation_results.h"

namespace tavrel {

// A length in hundredths of a millimetre.
using Length = std::int64_t;
inline constexpr Length kUPerMm = 100;
inline constexpr Length kUPerCm = 1000;
inline constexpr Length kUPerM = 100000;

// Detailing rules a design office applies to the main bars of a slab, mm.
struct BarDetailing {
    // JTG D62-2004 9.2.1 (JTG 3362-2018 9.2.2): the main bars of a slab at most 200 mm apart, centre to
    // centre.
    double maxCentreSpacingMm = 200;
    // JTG D62-2004 9.3.3: the clear spacing of the main bars at least 30 mm and at least the diameter.
    double minClearSpacingMm = 30;
    bool operator==(const BarDetailing&) const = default;
};

// Program conventions of the detailing, printed in the drawing's notes.
inline constexpr Length kHookAllowancePerMm =
    625;                                    // u per mm of d: a 180° hook (D = 2.5d, tail 3d) adds 6.25d
inline constexpr int kRingEmbedmentD = 35;  // JTG 3362-2018 9.8.2: a ring leg embedded at least 35d
inline constexpr int kRingMinInnerDiameterMm = 60;  // JTG 3362-2018 9.8.2: bend diameter ≥ 3d and ≥ 60 mm
inline constexpr int kRingInnerDiameterD = 3;
inline constexpr int kRingLoopHeightMm = 100;  // centreline apex of the loop above the top face
inline constexpr int kRingCount = 4;
inline constexpr int kRingsCounted = 3;              // JTG 3362-2018 9.8.2: of four rings only three carry
inline constexpr int kRingLegs = 2;                  // each ring carries with both legs
inline constexpr double kDistributionRatio = 0.001;  // 0.1 % of the slab section per metre of span
inline constexpr int kDistributionDiametersMm[] = {8, 10, 12, 14, 16};
inline constexpr int kDistributionSpacingFirstCm = 10;
inline constexpr int kDistributionSpacingLastCm = 20;
inline constexpr int kRingDiametersMm[] = {12, 14, 16, 18, 20, 22, 25};
inline constexpr int kDrawingScales[] = {10, 15, 20, 25, 30, 40, 50};
inline constexpr std::string_view kPlainSymbol = "φ";   // U+03C6, plain bars (R235, HPB300)
inline constexpr std::string_view kRibbedSymbol = "Φ";  // U+03A6, every ribbed grade

// The paper each view of the drawing gets, mm: the elevation and the plan 210 wide, the section 115 wide;
// the elevation and the section 55 high, the plan 70.
inline constexpr int kElevationBoxWidthMm = 210;
inline constexpr int kElevationBoxHeightMm = 55;
inline constexpr int kPlanBoxHeightMm = 70;
inline constexpr int kSectionBoxWidthMm = 115;

// The slab as the schedule reads it: the record's stored singles and the lengths taken from them.
struct SlabOutline {
    Edition edition = Edition::Jtg2004;
    Length clearSpan = 0;         // L0
    Length bearingLength = 0;     // Lseat, each end
    Length slabLength = 0;        // Ls = L0 + 2·Lseat
    Length width = 0;             // b
    Length endThickness = 0;      // d1
    Length midspanThickness = 0;  // d2
    Length maxThickness = 0;      // tmax = max(d1, d2)
    Length cover = 0;             // c, to the main bars' outer surface, at the ends and the sides
    float concreteM3 = 0;         // V, design mode's volume (slabConcreteM3)
    float selfWeightKN = 0;       // G = single(γslab · V)
    std::string concreteGrade;    // "C30"
    bool operator==(const SlabOutline&) const = default;
};

// The slab fields of a record that the schedule reads (the record's or a design candidate's).
struct SlabGeometry {
    Edition edition = Edition::Jtg2004;
    float L0 = 0, Lseat = 0, b = 0;  // m
    float d1 = 0, d2 = 0, c = 0;     // cm
    float gammaSlab = 0;             // kN/m³
    std::string concreteGrade;
};
SlabGeometry slabGeometry(const CalculationResults& r);

// The main bar of a design: its grade and size (dBar, dOut mm; aBar cm²).
struct MainBar {
    std::string grade;
    BarSize size;
};

// N1: main bars along the span in the bottom layer.
struct MainBarLayout {
    std::string grade;
    bool plain = false;         // the edition's plain grade: hooked at both ends
    int diameterMm = 0;         // dBar
    Length outerDiameter = 0;   // dOut
    float areaCm2 = 0;          // aBar, the bar table's area of one bar
    int count = 0;              // n
    int spacingMm = 0;          // s1 = ⌊(b − 2c − dOut)/(n − 1)⌋, whole mm (0 when n < 2)
    Length edgeDistance = 0;    // e1 = (b − (n − 1)·s1)/2, centre of an edge bar from the long edge
    Length centreHeight = 0;    // c + dOut/2 above the bottom face
    Length straightLength = 0;  // Ls − 2c
    Length hookLength = 0;      // 6.25d per hook when plain, else 0
    Length length = 0;          // straight + 2 hooks
    bool operator==(const MainBarLayout&) const = default;
};

// N2: transverse distribution bars of the plain grade, directly on the main bars.
struct DistributionBars {
    int diameterMm = 0;
    int spacingCm = 0;
    int count = 0;                  // ⌊(Ls − 2c)/s⌋ + 1
    Length firstOffset = 0;         // first bar's centre from the slab end: c + remainder/2
    Length centreHeight = 0;        // c + dOut + d/2 above the bottom face
    Length straightLength = 0;      // b − 2c
    Length hookLength = 0;          // 6.25d per hook
    Length length = 0;              // straight + 2 hooks
    Length requiredMm2PerM = 0;     // tmax: 0.1 % of tmax × 1000 mm, in u (1130 mm²/m → 113000)
    int providedTenthsMm2PerM = 0;  // aBar (mm²) · 100/s, half up to tenths (1131.0 → 11310)
    bool operator==(const DistributionBars&) const = default;
};

// N3: four lifting rings of the plain grade, never cold-worked.
struct LiftingRings {
    int diameterMm = 0;
    double capacityKN = 0;          // 3 · 2 · aBar · σlim, the legs of three rings
    int stressLimitMPa = 0;         // σlim of the edition
    double innerDiameterMm = 0;     // Di = max(3d, 60)
    double centrelineRadiusMm = 0;  // rc = (Di + d)/2
    double lengthMm = 0;            // π·rc + 2·(100 − rc) + 2·35d + 2·6.25d
    int lengthCm = 0;               // ⌊ℓ3/10 + 0.5⌋
    int fromEndCm = 0;              // a = Ls/(2 + 2√2), half up to whole cm, from each slab end
    int fromEdgeCm = 0;             // e = b/4, half up to whole cm, from each long edge
    bool operator==(const LiftingRings&) const = default;
};

// The ring check when no ring fits: the largest diameter tried and what it carries.
struct RingShortfall {
    int largestDiameterMm = 0;
    double capacityKN = 0;
    int stressLimitMPa = 0;
    bool operator==(const RingShortfall&) const = default;
};

// One row of the bar schedule.
struct ScheduleLine {
    std::string mark;         // "N1", "N2", "N3"
    std::string grade;        // "HRB335"
    std::string_view symbol;  // kPlainSymbol or kRibbedSymbol
    int diameterMm = 0;
    std::int64_t lengthCm = 0;  // each bar, half up from the exact mm length
    std::int64_t count = 0;
    std::int64_t totalCm = 0;    // count × lengthCm
    std::int64_t unitGPerM = 0;  // (aBarMilli·785 + 500) div 1000
    std::int64_t massCents = 0;  // (totalCm·unitGPerM + 500) div 1000, hundredths of kg
    bool operator==(const ScheduleLine&) const = default;
};

// The mass of one grade, summed from its printed line masses, in order of first appearance.
struct GradeTotal {
    std::string grade;
    std::int64_t massCents = 0;
    bool operator==(const GradeTotal&) const = default;
};

// Why a slab is not drawn, by the number of its rule; the rules are checked in this order.
enum class DrawingRefusal {
    None = 0,
    ChecksFailed = 1,          // one of checks 1–4 fails
    ShearNeedsStirrups = 2,    // only the shear check fails
    TooFewBars = 3,            // fewer than two main bars
    SpacingTooWide = 4,        // s1 > 200 mm
    ClearSpacingTooSmall = 5,  // s1 − dOut < max(30 mm, d)
    NoDistributionBar = 6,     // no distribution bar reaches 0.1 %
    NoScale = 8,               // no scale puts the views on the A3 sheet
};

struct BarSchedule {
    SlabOutline slab;
    MainBarLayout mainBars;
    std::optional<DistributionBars> distribution;  // none: refusal 6
    std::optional<LiftingRings> rings;             // none: the slab is drawn without rings (warning)
    RingShortfall ringShortfall;                   // what the largest ring carries when none fits
    std::vector<ScheduleLine> lines;               // N1, N2 (if any), N3 (if any)
    std::vector<GradeTotal> totals;
    std::int64_t steelCents = 0;  // sum of the line masses
    int scale = 0;                // 1:scale of the three views; 0 when none fits (refusal 8)
    DrawingRefusal refusal = DrawingRefusal::None;
    std::string message;                // the refusal's message; empty when drawn
    std::vector<std::string> warnings;  // the no-ring warning, else empty
    bool operator==(const BarSchedule&) const = default;

    bool drawn() const { return refusal == DrawingRefusal::None; }
    // The steel of one slab, kg: the schedule's total as a single of cents/100.
    float steelKg() const;
    // The edition's plain grade, "R235" or "HPB300".
    std::string_view plainGrade() const;
};

// The schedule of the slab the record was calculated for, with every refusal (checks 1–5 as the
// calculate command judges them without stirrups).
BarSchedule barSchedule(const CalculationResults& r);

// The schedule of a design candidate: the slab of `geometry` with `count` bars of `bar`. The checks are
// the design search's business; refusals 3–8 and the ring warning apply.
BarSchedule barScheduleFor(const SlabGeometry& geometry, const MainBar& bar, int count);
// The same schedule's steelKg(), without judging whether the slab can be drawn: what the design search
// compares its candidates by.
float scheduleSteelKg(const SlabGeometry& geometry, const MainBar& bar, int count);

// E.1's spacing of n bars across the width, whole mm (0 for fewer than two bars), and which refusal of
// 3–5 the layout meets (None when the count can be drawn). Design mode admits the same counts.
int laidOutSpacingMm(Length width, Length cover, Length outerDiameter, int count);
DrawingRefusal layoutRefusal(Length width, Length cover, const BarSize& bar, int count,
                             const BarDetailing& detailing = {});

// The first scale of kDrawingScales at which the elevation, the plan and the section fit their boxes;
// none when even 1:50 is too small.
std::optional<int> drawingScale(Length slabLength, Length width, Length maxThickness);

// A stored single as a length: its double value times `unitsPerWhole` (kUPerM, kUPerCm, kUPerMm), half up.
Length lengthOf(float value, Length unitsPerWhole);

// The bar table's area in thousandths of cm², and the unit weight in g/m: aBar × 0.785, half up.
std::int64_t barAreaMilli(float aBarCm2);
std::int64_t unitWeightGPerM(std::int64_t aBarMilli);

// Texts. `fixedText(value, decimals)`: an integer count of 10^-decimals as a fixed decimal ("21798", 2 →
// "217.98"). `shortText`: the shortest form with at most `decimals` decimals ("4650", 3 → "4.65").
std::string fixedText(std::int64_t value, int decimals);
std::string shortText(std::int64_t value, int decimals);
// A single or double with fixed decimals, rounded half up from its exact binary value.
std::string exactFixedText(double value, int decimals);

// The column titles of the bar schedule and the material table, on the drawing, in the CSV and the report.
inline constexpr const char* kScheduleColumnTitles[] = {"编号",    "直径(mm)",     "每根长(cm)", "根数",
                                                        "共长(m)", "单位重(kg/m)", "共重(kg)"};
inline constexpr const char* kMaterialColumnTitles[] = {"材料", "单位", "数量"};

// A schedule row as printed on the drawing, in the CSV and in the report.
struct ScheduleLineTexts {
    std::string mark;        // "N1"
    std::string diameter;    // "Φ25"
    std::string lengthCm;    // "404"
    std::string count;       // "14"
    std::string totalM;      // "56.56"
    std::string unitWeight;  // "3.854"
    std::string mass;        // "217.98"
};
ScheduleLineTexts scheduleLineTexts(const ScheduleLine& line);
// The total rows: "{grade}钢筋合计" per grade, then "钢筋总计" when there are two grades; with masses.
struct TotalRowText {
    std::string label;
    std::string mass;
};
std::vector<TotalRowText> totalRowTexts(const BarSchedule& schedule);

// How a text writes mm² and m³: the drawing "mm2", "m3" (² and ³ are not in GBK), the CSV and the report
// "mm²", "m³".
enum class UnitForm { Ascii, Superscript };

// The material table.
struct MaterialRow {
    std::string material;  // "C30混凝土", "HRB335钢筋"
    std::string unit;      // "m3" / "m³", "kg"
    std::string quantity;  // "4.485", "217.98"
};
std::vector<MaterialRow> materialRows(const BarSchedule& schedule, UnitForm units);

// The warning of a slab drawn without lifting rings, as the user reads it (also in `warnings`).
std::string noRingWarning(const BarSchedule& schedule);

// Design mode's line of a schedule row: "N1 主筋 14Φ25", "N2 分布钢筋 φ12@10", "N3 吊环 4φ12".
std::string designLineLabel(const BarSchedule& schedule, const ScheduleLine& line);

}  // namespace tavrel
