// The bars of one cover slab, their schedule and material table, the drawing scale and the refusals.
#include "design/bar_schedule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "base/numbers.h"
#include "calc/design_code.h"
#include "calc/section.h"
#include "design/slab_quantities.h"

namespace tavrel {

namespace {

constexpr std::int64_t kMilliPerCm2 = 1000;  // aBar in thousandths of cm²
// Nominal density of steel bars (GB/T 1499.2: nominal mass 0.00785 kg per mm² per m), kg/m³. A bar of
// aBar cm² weighs aBar·0.785 kg/m, so a thousandth of a cm² weighs 0.785 g/m: 785 in thousandths of g/m.
constexpr std::int64_t kSteelDensityKgPerM3 = 7850;
constexpr std::int64_t kSteelGPerMPerMilli = kSteelDensityKgPerM3 / 10;
constexpr std::int64_t kRounding = 1000;  // the "+ 500) div 1000" of masses and lengths

constexpr std::string_view kToolHint = "或用自动设计（工具 → 自动设计，或 tavrel-cli design）";

// a div b, half up, for a ≥ 0 and b > 0.
std::int64_t halfUpDiv(std::int64_t a, std::int64_t b) {
    return (2 * a + b) / (2 * b);
}

// ⌊a/b⌋ for b > 0, also for a < 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t quotient = a / b;
    return (a % b != 0 && a < 0) ? quotient - 1 : quotient;
}

const DetailingRules& rulesOf(Edition edition) {
    return designCode(edition).detailing;
}

SlabOutline outlineOf(const SlabGeometry& g) {
    SlabOutline s;
    s.edition = g.edition;
    s.clearSpan = lengthOf(g.L0, kUPerM);
    s.bearingLength = lengthOf(g.Lseat, kUPerM);
    s.slabLength = s.clearSpan + 2 * s.bearingLength;
    s.width = lengthOf(g.b, kUPerM);
    s.endThickness = lengthOf(g.d1, kUPerCm);
    s.midspanThickness = lengthOf(g.d2, kUPerCm);
    s.maxThickness = std::max(s.endThickness, s.midspanThickness);
    s.cover = lengthOf(g.c, kUPerCm);
    s.concreteM3 = slabConcreteM3(g.b, g.L0, g.Lseat, g.d1, g.d2);
    s.selfWeightKN = toSingle(static_cast<double>(g.gammaSlab) * s.concreteM3);
    s.concreteGrade = g.concreteGrade;
    return s;
}

// A 180° hook of a plain bar (bend diameter 2.5d, straight tail 3d) adds 6.25d of length.
Length hookOf(int diameterMm) {
    return kHookAllowancePerMm * diameterMm;
}

// E.1: outer bars with side cover c to their outer surface, equal whole-mm spacing, the rest of the
// width shared by the two edges.
MainBarLayout layoutOf(const SlabOutline& s, const MainBar& bar, int count) {
    MainBarLayout n1;
    n1.grade = bar.grade;
    n1.plain = bar.grade == rulesOf(s.edition).plainGrade;
    n1.diameterMm = static_cast<int>(std::lround(bar.size.dBar));
    n1.outerDiameter = lengthOf(bar.size.dOut, kUPerMm);
    n1.count = count;
    n1.spacingMm = laidOutSpacingMm(s.width, s.cover, n1.outerDiameter, count);
    n1.edgeDistance = halfUpDiv(s.width - (count - 1) * n1.spacingMm * kUPerMm, 2);
    n1.centreHeight = s.cover + halfUpDiv(n1.outerDiameter, 2);
    n1.straightLength = s.slabLength - 2 * s.cover;
    n1.hookLength = n1.plain ? hookOf(n1.diameterMm) : 0;
    n1.length = n1.straightLength + 2 * n1.hookLength;
    return n1;
}

// Per metre of span, aBar(mm²)·100/s ≥ tmax(mm), in integers: aBarMilli·1000 ≥ tmax_u·s.
bool distributionSuffices(std::int64_t aBarMilli, Length maxThickness, int spacingCm) {
    return aBarMilli * 1000 >= maxThickness * spacingCm;
}

// E.2: the first diameter, at its largest whole-cm spacing, whose area per metre reaches 0.1 % of the
// thickest section; the bars keep the spacing and the remainder goes to the two ends equally.
std::optional<DistributionBars> distributionOf(const SlabOutline& s, const MainBarLayout& n1) {
    for (const int d : kDistributionDiametersMm) {
        const std::int64_t aBarMilli = barAreaMilli(*findBarArea(static_cast<float>(d)));
        for (int spacing = kDistributionSpacingLastCm; spacing >= kDistributionSpacingFirstCm; --spacing) {
            if (!distributionSuffices(aBarMilli, s.maxThickness, spacing)) {
                continue;
            }
            DistributionBars n2;
            n2.diameterMm = d;
            n2.spacingCm = spacing;
            const Length run = s.slabLength - 2 * s.cover;
            const Length pitch = spacing * kUPerCm;
            n2.count = static_cast<int>(floorDiv(run, pitch) + 1);
            n2.firstOffset = s.cover + halfUpDiv(run - (n2.count - 1) * pitch, 2);
            n2.centreHeight = s.cover + n1.outerDiameter + d * kUPerMm / 2;
            n2.straightLength = s.width - 2 * s.cover;
            n2.hookLength = hookOf(d);
            n2.length = n2.straightLength + 2 * n2.hookLength;
            n2.requiredMm2PerM = s.maxThickness;
            n2.providedTenthsMm2PerM = static_cast<int>(halfUpDiv(aBarMilli * 100, spacing));
            return n2;
        }
    }
    return std::nullopt;
}

// JTG 3362-2018 9.8.2: three of the four rings carry, each with two legs, at most σlim under the
// self-weight: capacity = 3·2·(aBar·100 mm²)·σlim / 1000, kN.
double ringCapacityKN(float aBarCm2, int stressLimitMPa) {
    return 3 * 2 * (static_cast<double>(aBarCm2) * 100) * stressLimitMPa / 1000;
}

// The ring's shape (a loop of inner diameter max(3d, 60) whose centreline apex stands 100 mm above the
// top face, two legs embedded 35d, each ending in a 180° hook) and its position (a = Ls/(2 + 2√2), where
// the hogging moment over the lifting point equals the sagging moment at mid-span; e = b/4).
LiftingRings ringOf(const SlabOutline& s, int d, double capacityKN, int stressLimitMPa) {
    LiftingRings n3;
    n3.diameterMm = d;
    n3.capacityKN = capacityKN;
    n3.stressLimitMPa = stressLimitMPa;
    n3.innerDiameterMm = std::max(kRingInnerDiameterD * d, kRingMinInnerDiameterMm);
    n3.centrelineRadiusMm = (n3.innerDiameterMm + d) / 2;
    const double rc = n3.centrelineRadiusMm;
    n3.lengthMm =
        std::numbers::pi * rc + 2 * (kRingLoopHeightMm - rc) + 2.0 * kRingEmbedmentD * d + 2 * 6.25 * d;
    n3.lengthCm = static_cast<int>(std::floor(n3.lengthMm / 10 + 0.5));
    n3.fromEndCm = static_cast<int>(
        std::floor(static_cast<double>(s.slabLength) / (2 + 2 * std::sqrt(2.0)) / 1000 + 0.5));
    n3.fromEdgeCm = static_cast<int>((s.width + 2000) / 4000);
    return n3;
}

// E.3: the first ring diameter of the plain grade that lifts the slab; none when even the largest does
// not (the slab is then drawn without rings), with what the largest carries.
void chooseRings(BarSchedule& schedule) {
    const DetailingRules& rules = rulesOf(schedule.slab.edition);
    for (const int d : kRingDiametersMm) {
        if (d > rules.ringLargestDiameterMm) {
            break;
        }
        const double capacity = ringCapacityKN(*findBarArea(static_cast<float>(d)), rules.ringStressLimitMPa);
        schedule.ringShortfall = {d, capacity, rules.ringStressLimitMPa};
        if (capacity >= schedule.slab.selfWeightKN) {
            schedule.rings = ringOf(schedule.slab, d, capacity, rules.ringStressLimitMPa);
            return;
        }
    }
}

ScheduleLine lineOf(std::string mark, std::string grade, bool plain, int diameterMm, Length length,
                    std::int64_t count) {
    ScheduleLine line;
    line.mark = std::move(mark);
    line.grade = std::move(grade);
    line.symbol = plain ? kPlainSymbol : kRibbedSymbol;
    line.diameterMm = diameterMm;
    line.lengthCm = halfUpDiv(length, kUPerCm);
    line.count = count;
    line.totalCm = count * line.lengthCm;
    line.unitGPerM = unitWeightGPerM(barAreaMilli(*findBarArea(static_cast<float>(diameterMm))));
    line.massCents = (line.totalCm * line.unitGPerM + kRounding / 2) / kRounding;
    return line;
}

void addLinesAndTotals(BarSchedule& schedule) {
    const std::string plain{schedule.plainGrade()};
    const MainBarLayout& n1 = schedule.mainBars;
    schedule.lines.push_back(lineOf("N1", n1.grade, n1.plain, n1.diameterMm, n1.length, n1.count));
    if (const auto& n2 = schedule.distribution) {
        schedule.lines.push_back(lineOf("N2", plain, true, n2->diameterMm, n2->length, n2->count));
    }
    if (const auto& n3 = schedule.rings) {
        schedule.lines.push_back(lineOf("N3", plain, true, n3->diameterMm,
                                        static_cast<Length>(n3->lengthCm) * kUPerCm, kRingCount));
    }
    for (const ScheduleLine& line : schedule.lines) {
        auto total = std::find_if(schedule.totals.begin(), schedule.totals.end(),
                                  [&](const GradeTotal& t) { return t.grade == line.grade; });
        if (total == schedule.totals.end()) {
            total = schedule.totals.insert(schedule.totals.end(), GradeTotal{line.grade, 0});
        }
        total->massCents += line.massCents;
        schedule.steelCents += line.massCents;
    }
}

std::string lengthText(Length value, Length unitsPerWhole) {
    int decimals = 0;
    for (Length unit = unitsPerWhole; unit > 1; unit /= 10) {
        ++decimals;
    }
    return shortText(value, decimals);
}

std::string layoutMessage(const BarSchedule& schedule, DrawingRefusal refusal) {
    const MainBarLayout& n1 = schedule.mainBars;
    const std::string head = "主筋" + std::to_string(n1.count) + "根按保护层" +
                             lengthText(schedule.slab.cover, kUPerCm) + "cm排列时中距为" +
                             std::to_string(n1.spacingMm) + "mm";
    if (refusal == DrawingRefusal::SpacingTooWide) {
        return head + "，大于" + formatGeneral(BarDetailing{}.maxCentreSpacingMm) +
               "mm，不能出图；请增加主筋根数。";
    }
    const double leastClearMm =
        std::max(BarDetailing{}.minClearSpacingMm, static_cast<double>(n1.diameterMm));
    return head + "、净距" + lengthText(n1.spacingMm * kUPerMm - n1.outerDiameter, kUPerMm) + "mm，小于" +
           formatGeneral(leastClearMm) + "mm，不能出图；请减少主筋根数或增大盖板宽。";
}

std::string noDistributionMessage(const SlabOutline& s) {
    const int d = std::end(kDistributionDiametersMm)[-1];
    const int spacing = kDistributionSpacingFirstCm;
    const std::int64_t provided = halfUpDiv(barAreaMilli(*findBarArea(static_cast<float>(d))) * 100, spacing);
    return "最大板厚" + lengthText(s.maxThickness, kUPerCm) + "cm的分布钢筋需" +
           lengthText(s.maxThickness, kUPerMm) + "mm²/m，" + std::string{kPlainSymbol} + std::to_string(d) +
           "@" + std::to_string(spacing) + "仅" + shortText(provided, 1) + "mm²/m，不能出图；请减小板厚。";
}

void refuse(BarSchedule& schedule, DrawingRefusal refusal, std::string message) {
    if (schedule.drawn()) {
        schedule.refusal = refusal;
        schedule.message = std::move(message);
    }
}

// Refusals 3–8 in their order, and the ring warning.
void judgeDrawing(BarSchedule& schedule, const BarSize& bar) {
    const SlabOutline& s = schedule.slab;
    const DrawingRefusal layout = layoutRefusal(s.width, s.cover, bar, schedule.mainBars.count);
    if (layout == DrawingRefusal::TooFewBars) {
        refuse(schedule, layout, "主筋少于2根，不能出图。");
    } else if (layout != DrawingRefusal::None) {
        refuse(schedule, layout, layoutMessage(schedule, layout));
    }
    if (!schedule.distribution) {
        refuse(schedule, DrawingRefusal::NoDistributionBar, noDistributionMessage(s));
    }
    if (schedule.scale == 0) {
        refuse(schedule, DrawingRefusal::NoScale, "盖板按1:50绘制仍超出A3图幅的视图范围，不能出图。");
    }
    if (!schedule.rings) {
        schedule.warnings.push_back(noRingWarning(schedule));
    }
}

// The bars, their lines and totals, before the drawing is judged.
BarSchedule scheduledBars(const SlabGeometry& geometry, const MainBar& bar, int count) {
    BarSchedule schedule;
    schedule.slab = outlineOf(geometry);
    schedule.mainBars = layoutOf(schedule.slab, bar, count);
    schedule.distribution = distributionOf(schedule.slab, schedule.mainBars);
    chooseRings(schedule);
    addLinesAndTotals(schedule);
    return schedule;
}

std::string failedCheckNames(const CalculationResults& r) {
    std::string names;
    for (const Check check : kChecksInOrder) {
        if (!checkPasses(r, check)) {
            names += (names.empty() ? "" : "、") + checkName(check);
        }
    }
    return names;
}

// Refusals 1 and 2: verdicts of the calculate command without stirrups.
void judgeChecks(BarSchedule& schedule, const CalculationResults& r) {
    const bool firstFourPass = std::all_of(std::begin(kChecksInOrder), std::end(kChecksInOrder) - 1,
                                           [&](Check check) { return checkPasses(r, check); });
    if (!firstFourPass) {
        schedule.refusal = DrawingRefusal::ChecksFailed;
        schedule.message = "盖板未通过" + failedCheckNames(r) + "验算，不能出图。请先修改设计，" +
                           std::string{kToolHint} + "选出通过全部验算的盖板。";
    } else if (!checkPasses(r, Check::Shear)) {
        schedule.refusal = DrawingRefusal::ShearNeedsStirrups;
        schedule.message =
            "盖板不设箍筋时斜截面抗剪承载力验算未通过，本版本不绘制配置箍筋的盖板。请增大板厚，" +
            std::string{kToolHint} + "选出不需箍筋的盖板。";
    }
}

}  // namespace

Length lengthOf(float value, Length unitsPerWhole) {
    return static_cast<Length>(
        std::floor(static_cast<double>(value) * static_cast<double>(unitsPerWhole) + 0.5));
}

std::int64_t barAreaMilli(float aBarCm2) {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(aBarCm2) * kMilliPerCm2 + 0.5));
}

std::int64_t unitWeightGPerM(std::int64_t aBarMilli) {
    return (aBarMilli * kSteelGPerMPerMilli + kRounding / 2) / kRounding;
}

SlabGeometry slabGeometry(const CalculationResults& r) {
    return {r.edition, r.L0, r.Lseat, r.b, r.d1, r.d2, r.c, r.gammaSlab, r.concreteGrade};
}

int laidOutSpacingMm(Length width, Length cover, Length outerDiameter, int count) {
    if (count < 2) {
        return 0;
    }
    return static_cast<int>(floorDiv(width - 2 * cover - outerDiameter, (count - 1) * kUPerMm));
}

DrawingRefusal layoutRefusal(Length width, Length cover, const BarSize& bar, int count,
                             const BarDetailing& detailing) {
    if (count < 2) {
        return DrawingRefusal::TooFewBars;
    }
    const Length outer = lengthOf(bar.dOut, kUPerMm);
    const Length spacing = laidOutSpacingMm(width, cover, outer, count) * kUPerMm;
    if (static_cast<double>(spacing) > detailing.maxCentreSpacingMm * kUPerMm) {
        return DrawingRefusal::SpacingTooWide;
    }
    const double leastClearMm = std::max(detailing.minClearSpacingMm, static_cast<double>(bar.dBar));
    if (static_cast<double>(spacing - outer) < leastClearMm * kUPerMm) {
        return DrawingRefusal::ClearSpacingTooSmall;
    }
    return DrawingRefusal::None;
}

std::optional<int> drawingScale(Length slabLength, Length width, Length maxThickness) {
    const Length loop = kRingLoopHeightMm * kUPerMm;
    for (const int scale : kDrawingScales) {
        const auto fits = [&](Length real, int paperMm) { return real <= paperMm * kUPerMm * scale; };
        const bool elevation =
            fits(slabLength, kElevationBoxWidthMm) && fits(maxThickness + loop, kElevationBoxHeightMm);
        const bool plan = fits(slabLength, kElevationBoxWidthMm) && fits(width, kPlanBoxHeightMm);
        const bool section = fits(width, kSectionBoxWidthMm) && fits(maxThickness, kElevationBoxHeightMm);
        if (elevation && plan && section) {
            return scale;
        }
    }
    return std::nullopt;
}

BarSchedule barScheduleFor(const SlabGeometry& geometry, const MainBar& bar, int count) {
    BarSchedule schedule = scheduledBars(geometry, bar, count);
    const SlabOutline& s = schedule.slab;
    schedule.scale = drawingScale(s.slabLength, s.width, s.maxThickness).value_or(0);
    judgeDrawing(schedule, bar.size);
    return schedule;
}

float scheduleSteelKg(const SlabGeometry& geometry, const MainBar& bar, int count) {
    return scheduledBars(geometry, bar, count).steelKg();
}

BarSchedule barSchedule(const CalculationResults& r) {
    BarSchedule checked;
    judgeChecks(checked, r);
    BarSchedule schedule = barScheduleFor(slabGeometry(r), {r.barGrade, {r.dBar, r.dOut, r.aBar}}, r.nBars);
    if (!checked.drawn()) {
        schedule.refusal = checked.refusal;
        schedule.message = checked.message;
    }
    return schedule;
}

float BarSchedule::steelKg() const {
    return toSingle(static_cast<double>(steelCents) / 100);
}

std::string_view BarSchedule::plainGrade() const {
    return rulesOf(slab.edition).plainGrade;
}

std::string fixedText(std::int64_t value, int decimals) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals)) {
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    }
    return (value < 0 ? "-" : "") + digits;
}

std::string shortText(std::int64_t value, int decimals) {
    std::string text = fixedText(value, decimals);
    if (decimals > 0) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string exactFixedText(double value, int decimals) {
    // The exact decimal expansion of a double of the magnitudes met here ends within 60 decimals; round
    // it half up (away from zero) by its digits, not by another binary operation.
    char buffer[512];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 80);
    std::string digits(buffer, error == std::errc{} ? end : buffer);
    const std::size_t point = digits.find('.');
    const bool roundUp = digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    digits.resize(point + 1 + static_cast<std::size_t>(decimals));
    digits.erase(point, 1);
    std::int64_t scaled = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), scaled);
    scaled += roundUp ? 1 : 0;
    return (value < 0 && scaled != 0 ? "-" : "") + fixedText(scaled, decimals);
}

ScheduleLineTexts scheduleLineTexts(const ScheduleLine& line) {
    return {line.mark,
            std::string{line.symbol} + std::to_string(line.diameterMm),
            std::to_string(line.lengthCm),
            std::to_string(line.count),
            fixedText(line.totalCm, 2),
            fixedText(line.unitGPerM, 3),
            fixedText(line.massCents, 2)};
}

std::vector<TotalRowText> totalRowTexts(const BarSchedule& schedule) {
    std::vector<TotalRowText> rows;
    for (const GradeTotal& total : schedule.totals) {
        rows.push_back({total.grade + "钢筋合计", fixedText(total.massCents, 2)});
    }
    if (schedule.totals.size() > 1) {
        rows.push_back({"钢筋总计", fixedText(schedule.steelCents, 2)});
    }
    return rows;
}

std::vector<MaterialRow> materialRows(const BarSchedule& schedule, UnitForm units) {
    std::vector<MaterialRow> rows;
    rows.push_back({schedule.slab.concreteGrade + "混凝土", units == UnitForm::Ascii ? "m3" : "m³",
                    exactFixedText(schedule.slab.concreteM3, 3)});
    for (const GradeTotal& total : schedule.totals) {
        rows.push_back({total.grade + "钢筋", "kg", fixedText(total.massCents, 2)});
    }
    return rows;
}

std::string noRingWarning(const BarSchedule& schedule) {
    const RingShortfall& shortfall = schedule.ringShortfall;
    return "盖板自重标准值G=" + exactFixedText(schedule.slab.selfWeightKN, 2) + "kN，" +
           std::string{schedule.plainGrade()} + "钢筋" + std::string{kPlainSymbol} +
           std::to_string(shortfall.largestDiameterMm) + "吊环（四个按三个计，每个两肢，应力不大于" +
           std::to_string(shortfall.stressLimitMPa) + "MPa）仅能吊起" +
           exactFixedText(shortfall.capacityKN, 2) + "kN，本图未设吊环，吊装方式应另行设计。";
}

std::string designLineLabel(const BarSchedule& schedule, const ScheduleLine& line) {
    const std::string bar = std::string{line.symbol} + std::to_string(line.diameterMm);
    if (line.mark == "N1") {
        return "N1 主筋 " + std::to_string(line.count) + bar;
    }
    if (line.mark == "N2") {
        return "N2 分布钢筋 " + bar + "@" + std::to_string(schedule.distribution->spacingCm);
    }
    return "N3 吊环 " + std::to_string(kRingCount) + bar;
}

}  // namespace tavrel
