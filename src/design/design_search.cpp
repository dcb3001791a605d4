// Design mode: the search over end thickness, diameter and bar count, each candidate judged by the
// calculate command's own input checks and calculation.
//
// How the search may skip candidates without calculating them. For one end thickness d1 and one bar
// size, the calculation depends on the bar count n only through the steel area As = n·aBar, and:
//  (a) the input checks read the count only to see that it is a positive whole number that fits 16
//      bits, which every count tried here is: a refusal by the input checks holds for every count;
//  (b) the shear check compares the design shear, which the loads give without any bar, with the
//      capacity of the concrete section, which grows with h0 = d1 - c - dOut/20 (and under the 2018
//      rules also with the upper limit of the section, which grows with h0 too): it does not depend on
//      n, and where it fails for one bar it fails for every bar of a larger outer diameter;
//  (c) the compression zone x = fsd·As/(fcd·b) grows with As, against a fixed limit ξb·h0: the counts
//      that pass check 1 are those up to some count;
//  (d) the reinforcement percentage, and so check 2, grows with As; the crack width falls as As grows
//      (the steel stress falls, the ratio ρ rises); the capacity Mu = fcd·b·x·(h0 - x/2) grows with x
//      while x < h0, which holds wherever check 1 passes (ξb < 1): among the counts that pass check 1,
//      those that pass checks 2, 3 and 4 are those from some count on.
// Every rounding to single precision is monotone, so these hold for the stored values too. So for one
// d1 and one bar the passing counts are one interval, and the least of them is found by a bisection on
// "check 1 fails, or checks 2, 3 and 4 pass", which is false below that count and true from it on; the
// count found passes all five checks exactly when the engine says so there. Where the engine refuses a
// candidate for a value out of range, nothing is assumed: every count of that bar is calculated.
// Across thicknesses nothing is assumed except for the cheapest objective: the concrete grows with d1
// and the steel is at least that of the fewest bars the rules admit, so once that bound reaches the best
// price found, no thicker slab can be cheaper. A slab's steel is its bar schedule's: the main bars N1 with
// the distribution bars N2 and the lifting rings N3, which depend on the thickness only, so within one
// thickness the steel still grows with the count and ranks the bars as the main bars alone do; the bound
// counts only the fewest main bars, which N2 and N3 can only add to. The tests compare the search with
// findDesignExhaustively.
#include "design/design_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "base/numbers.h"
#include "base/units.h"
#include "calc/calculate.h"
#include "calc/span.h"
#include "model/tvrl.h"

namespace tavrel {

std::optional<std::string> valueText(double value) {
    const std::string general = formatGeneral(value);
    if (general.size() <= tvrl::kValueWidth) {
        return general;
    }
    if (general.find_first_of("eE") != std::string::npos) {
        return std::nullopt;
    }
    for (int decimals = static_cast<int>(tvrl::kValueWidth); decimals >= 0; --decimals) {
        std::string fixed = formatFixed(value, decimals);
        if (fixed.find('.') != std::string::npos) {
            fixed.erase(fixed.find_last_not_of('0') + 1);
            if (fixed.back() == '.') {
                fixed.pop_back();
            }
        }
        if (fixed.size() <= tvrl::kValueWidth) {
            return fixed;
        }
    }
    return std::nullopt;
}

namespace {

// ---------------------------------------------------------------------------------------------------
// Texts of a candidate

// d2 - d1 of the record, cm; none when either text is no number.
std::optional<double> thicknessOffsetCm(const DesignInput& record) {
    const auto d1 = parseStrict(record.txtBDH);
    const auto d2 = parseStrict(record.txtBZH);
    if (!d1 || !d2) {
        return std::nullopt;
    }
    return *d2 - *d1;
}

// ---------------------------------------------------------------------------------------------------
// Bars

struct BarOption {
    std::string text;  // the list entry
    BarSize size;
    CountRange counts;
};

// A dimension of the record as the calculation stores it: the single of its text; 0 when it is no number.
float recordSingle(const std::string& text) {
    double value = 0;
    return tryParseStrict(text, value) ? toSingle(value) : 0.0f;
}

// The request's bar sizes in order of outer diameter, which the shear argument (b) walks.
std::vector<BarOption> barOptions(const DesignRequest& request) {
    const float widthM = recordSingle(request.record.txtGBK);
    const float coverCm = recordSingle(request.record.txtBHC);
    std::vector<BarOption> bars;
    for (const std::string& entry : triedDiameters(request)) {
        const auto size = findBarSize(toSingle(parseLenient(entry)));
        const bool listed =
            std::any_of(bars.begin(), bars.end(), [&](const BarOption& b) { return b.text == entry; });
        if (size && !listed) {
            bars.push_back({entry, *size, admissibleCounts(widthM, coverCm, *size, request.detailing)});
        }
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const BarOption& a, const BarOption& b) { return a.size.dOut < b.size.dOut; });
    return bars;
}

// ---------------------------------------------------------------------------------------------------
// Judging candidates

struct Judgement {
    std::optional<Refusal> refusal;
    std::array<bool, 5> passed{};

    bool passes(Check check) const { return !refusal && passed[static_cast<std::size_t>(check)]; }
    bool passesAll() const {
        return !refusal && std::all_of(passed.begin(), passed.end(), [](bool p) { return p; });
    }
    // False below the least passing count and true from it on (arguments (c) and (d)).
    bool atOrAboveLeastCount() const {
        return !passes(Check::CompressionZone) ||
               (passes(Check::MinimumReinforcement) && passes(Check::FlexuralCapacity) &&
                passes(Check::CrackWidth));
    }
    int failedChecks() const { return static_cast<int>(std::count(passed.begin(), passed.end(), false)); }
};

// A results record for `record`, started as the main window starts its own.
CalculationResults startedResults(const DesignInput& record) {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    recordConcreteGrade(results, record.CboHNTDJ);
    return results;
}

// One record, edited in place from candidate to candidate, and one results record; every candidate goes
// through validateAndCalculate like the command.
class CandidateJudge {
  public:
    explicit CandidateJudge(const DesignInput& record)
        : m_record(record), m_input(record), m_results(startedResults(record)) {}

    // Puts the thickness texts of d1 into the record; the reason when they cannot be written.
    std::string setEndThickness(int d1Cm) {
        const CandidateTexts candidate = candidateTexts(m_record, d1Cm, m_record.CboZJZJ, 1);
        if (!candidate.problem.empty()) {
            return candidate.problem;
        }
        m_endThicknessCm = d1Cm;
        m_input.txtBDH = candidate.texts.txtBDH;
        m_input.txtBZH = candidate.texts.txtBZH;
        if (candidate.texts.txtJSKJ) {
            m_input.txtJSKJ = *candidate.texts.txtJSKJ;
        }
        return {};
    }

    Judgement judge(const BarOption& bar, int count) {
        m_input.CboZJZJ = bar.text;
        m_input.txtZJGS = std::to_string(count);
        ++m_evaluations;
        Judgement judgement;
        if (const Expected<void, Refusal> accepted = validateAndCalculate(m_input, m_results); !accepted) {
            judgement.refusal = accepted.error();
        } else {
            for (Check check : kChecksInOrder) {
                judgement.passed[static_cast<std::size_t>(check)] = checkPasses(m_results, check);
            }
        }
        return judgement;
    }

    // The record calculated by the last judgement that was not refused by the input checks.
    const CalculationResults& results() const { return m_results; }
    const DesignInput& input() const { return m_input; }
    int endThicknessCm() const { return m_endThicknessCm; }
    long evaluations() const { return m_evaluations; }

  private:
    const DesignInput& m_record;
    DesignInput m_input;
    CalculationResults m_results;
    int m_endThicknessCm = 0;
    long m_evaluations = 0;
};

// ---------------------------------------------------------------------------------------------------
// Ranking

// A passing candidate as the search compares it, before its full design is drawn up.
struct Candidate {
    int endThicknessCm = 0;
    const BarOption* bar = nullptr;
    int count = 0;
    SlabQuantities quantities;
    float cost = 0;
};

struct RankKey {
    int endThicknessCm;
    float cost;
    float steelKg;
    float barDiameterMm;
    int barCount;
};

bool keyRanksBefore(const RankKey& a, const RankKey& b, DesignObjective objective) {
    if (objective == DesignObjective::Cheapest && a.cost != b.cost) {
        return a.cost < b.cost;
    }
    return std::tie(a.endThicknessCm, a.steelKg, a.barDiameterMm, a.barCount) <
           std::tie(b.endThicknessCm, b.steelKg, b.barDiameterMm, b.barCount);
}

RankKey keyOf(const Candidate& c) {
    return {c.endThicknessCm, c.cost, c.quantities.steelKg, c.bar->size.dBar, c.count};
}

RankKey keyOf(const SlabDesign& d) {
    return {d.endThicknessCm, d.cost, d.quantities.steelKg, d.barDiameterMm, d.barCount};
}

// The steel of `count` bars at the thickness the record `r` was calculated for, kg.
float steelKgAt(const CalculationResults& r, const BarOption& bar, int count) {
    return scheduleSteelKg(slabGeometry(r), {r.barGrade, bar.size}, count);
}

// The quantities of `count` bars at the thickness the record `r` was calculated for.
Candidate candidateAt(const CalculationResults& r, int d1Cm, const BarOption& bar, int count,
                      const UnitPrices& prices) {
    Candidate c{d1Cm, &bar, count, {}, 0};
    c.quantities.concreteM3 = slabConcreteM3(r.b, r.L0, r.Lseat, r.d1, r.d2);
    c.quantities.steelKg = steelKgAt(r, bar, count);
    c.cost = slabCost(c.quantities, prices);
    return c;
}

void keepBetter(std::optional<Candidate>& best, const Candidate& candidate, DesignObjective objective) {
    if (!best || keyRanksBefore(keyOf(candidate), keyOf(*best), objective)) {
        best = candidate;
    }
}

// ---------------------------------------------------------------------------------------------------
// The search

// Every count of the bar, calculated in turn: the least that passes, or none.
std::optional<int> scanCounts(CandidateJudge& judge, const BarOption& bar) {
    for (int count = bar.counts.first; count <= bar.counts.last; ++count) {
        if (judge.judge(bar, count).passesAll()) {
            return count;
        }
    }
    return std::nullopt;
}

// The least count that passes, by bisection (arguments (c) and (d)); `atFirst` is the calculated
// judgement of the first count.
std::optional<int> leastPassingCount(CandidateJudge& judge, const BarOption& bar, const Judgement& atFirst) {
    if (atFirst.atOrAboveLeastCount()) {
        return atFirst.passesAll() ? std::optional(bar.counts.first) : std::nullopt;
    }
    int below = bar.counts.first;     // known to lie below the least count
    int above = bar.counts.last + 1;  // at or above it (beyond the range until found)
    bool passesAtAbove = false;
    while (above - below > 1) {
        const int middle = below + (above - below) / 2;
        const Judgement judgement = judge.judge(bar, middle);
        if (judgement.refusal) {
            return scanCounts(judge, bar);
        }
        if (judgement.atOrAboveLeastCount()) {
            above = middle;
            passesAtAbove = judgement.passesAll();
        } else {
            below = middle;
        }
    }
    return above <= bar.counts.last && passesAtAbove ? std::optional(above) : std::nullopt;
}

// The least main steel (N1 alone) any admissible count gives, at the bar lengths of the record `r`; the
// main bars' length does not depend on the thickness.
float leastSteelKg(const std::vector<BarOption>& bars, const CalculationResults& r) {
    float least = std::numeric_limits<float>::infinity();
    for (const BarOption& bar : bars) {
        if (!bar.counts.empty()) {
            const BarSchedule fewest =
                barScheduleFor(slabGeometry(r), {r.barGrade, bar.size}, bar.counts.first);
            least = std::min(least, toSingle(static_cast<double>(fewest.lines.front().massCents) / 100));
        }
    }
    return least;
}

// Cheapest objective: true when no slab of the thickness just calculated in `r`, nor any thicker one,
// can cost less than `best`. The concrete grows with d1 and the steel is at least that of the fewest
// bars the rules admit; a tie in price goes to the thinner slab, which `best` is.
bool thickerCannotBeCheaper(const std::vector<BarOption>& bars, const CalculationResults& r,
                            const Candidate& best, const UnitPrices& prices) {
    const SlabQuantities bound{slabConcreteM3(r.b, r.L0, r.Lseat, r.d1, r.d2), leastSteelKg(bars, r)};
    return slabCost(bound, prices) >= best.cost;
}

struct ThicknessBest {
    std::optional<Candidate> best;
    bool searchEnds = false;  // cheapest objective: no thicker slab can beat `bestSoFar`
};

// The best passing candidate at the thickness set in the judge.
ThicknessBest bestAtThickness(CandidateJudge& judge, const std::vector<BarOption>& bars,
                              const DesignRequest& request, const std::optional<Candidate>& bestSoFar) {
    ThicknessBest result;
    bool boundTested = request.objective != DesignObjective::Cheapest || !bestSoFar;
    for (const BarOption& bar : bars) {
        if (bar.counts.empty()) {
            continue;
        }
        const Judgement probe = judge.judge(bar, bar.counts.first);
        if (probe.refusal && probe.refusal->code == ErrorCode::InputRefused) {
            continue;  // argument (a): the input checks refuse every count of this bar
        }
        if (!boundTested) {
            boundTested = true;
            if (thickerCannotBeCheaper(bars, judge.results(), *bestSoFar, request.prices)) {
                result.searchEnds = true;
                return result;
            }
        }
        std::optional<int> count;
        if (probe.refusal) {
            count = scanCounts(judge, bar);
        } else if (!probe.passes(Check::Shear)) {
            break;  // argument (b): this bar and every thicker one fail in shear
        } else {
            count = leastPassingCount(judge, bar, probe);
        }
        if (count) {
            keepBetter(result.best,
                       candidateAt(judge.results(), judge.endThicknessCm(), bar, *count, request.prices),
                       request.objective);
        }
    }
    return result;
}

// ---------------------------------------------------------------------------------------------------
// Outcome

// A candidate that fails, as the message of a search without a design describes it.
struct FailingCandidate {
    Judgement judgement;
    CheckUtilisation utilisation;
    float worstFailed = 0;  // the highest utilisation among the failed checks
    std::string bars;       // "15Φ28"
    // The parts of a failed shear check: the bound without stirrups, and the 2018 upper limit of the
    // section, which no stirrup can cure.
    bool shearBoundFails = false;
    bool shearSectionTooSmall = false;

    // Fewer failed checks, then failed less far.
    bool closerThan(const FailingCandidate& other) const {
        const int failed = judgement.failedChecks();
        const int otherFailed = other.judgement.failedChecks();
        return failed < otherFailed || (failed == otherFailed && worstFailed < other.worstFailed);
    }
};

FailingCandidate failingCandidate(const Judgement& judgement, const CalculationResults& r, std::string bars) {
    FailingCandidate candidate{judgement, checkUtilisation(r), 0, std::move(bars)};
    candidate.shearBoundFails = r.Vc < r.gamma0Vd;
    candidate.shearSectionTooSmall = !shearSectionLargeEnough(r);
    for (Check check : kChecksInOrder) {
        if (!judgement.passes(check)) {
            candidate.worstFailed = std::max(candidate.worstFailed, candidate.utilisation.of(check));
        }
    }
    return candidate;
}

// The closest candidate of the thickness set in the judge; `refusal` keeps the first refusal met.
std::optional<FailingCandidate> closestCandidate(CandidateJudge& judge, const std::vector<BarOption>& bars,
                                                 std::optional<std::string>& refusal) {
    std::optional<FailingCandidate> closest;
    for (const BarOption& bar : bars) {
        for (int count = bar.counts.first; count <= bar.counts.last; ++count) {
            const Judgement judgement = judge.judge(bar, count);
            if (judgement.refusal) {
                refusal = refusal.value_or(judgement.refusal->message);
                continue;
            }
            FailingCandidate candidate =
                failingCandidate(judgement, judge.results(), std::to_string(count) + "Φ" + bar.text);
            if (!closest || candidate.closerThan(*closest)) {
                closest = std::move(candidate);
            }
        }
    }
    if (!closest && !refusal && !bars.empty()) {
        // No count is admitted: a width the input checks refuse is the first thing to say.
        const Judgement judgement = judge.judge(bars.front(), 1);
        refusal = judgement.refusal ? std::optional(judgement.refusal->message) : std::nullopt;
    }
    return closest;
}

// "板端厚至150 cm 仍不满足斜截面抗剪承载力要求（最接近的配筋15Φ28：γ0Vd/Vc=1.25）". A failed shear check
// names each part that fails; the upper limit of the section as 抗剪截面尺寸 with γ0Vd/Vmax.
std::string failureText(const FailingCandidate& closest, int largestCm) {
    std::string names;
    std::string ratios;
    auto name = [&](const std::string& failed, std::string_view label, float utilisation) {
        names += (names.empty() ? "" : "、") + failed;
        ratios += std::string(ratios.empty() ? "" : "，") + std::string(label) + "=" +
                  formatTwoDecimals(utilisation);
    };
    const CheckUtilisation& u = closest.utilisation;
    for (Check check : kChecksInOrder) {
        if (closest.judgement.passes(check)) {
            continue;
        }
        if (check != Check::Shear) {
            name(checkName(check), utilisationLabel(check), u.of(check));
            continue;
        }
        if (closest.shearBoundFails) {
            name(checkName(check), utilisationLabel(check), u.shearBound);
        }
        if (closest.shearSectionTooSmall) {
            name(std::string(kShearSectionName), kShearUpperLimitLabel, u.shearUpperLimit);
        }
    }
    return "板端厚至" + std::to_string(largestCm) + " cm 仍不满足" + names + "要求（最接近的配筋" +
           closest.bars + "：" + ratios + "）";
}

// Why nothing passed: among the candidates of the largest thickness, the one failing the fewest
// checks (then failing them least) names the checks and how far they are used.
std::string noDesignMessage(CandidateJudge& judge, const std::vector<BarOption>& bars, int largestCm) {
    if (std::string problem = judge.setEndThickness(largestCm); !problem.empty()) {
        return problem;
    }
    std::optional<std::string> refusal;
    if (const std::optional<FailingCandidate> closest = closestCandidate(judge, bars, refusal)) {
        return failureText(*closest, largestCm);
    }
    return refusal.value_or("盖板宽度内按主筋间距规定排不下所选直径的主筋");
}

// The full design of a passing candidate, calculated once more for its utilisation.
SlabDesign designOf(CandidateJudge& judge, const Candidate& candidate, const DesignRequest& request) {
    judge.setEndThickness(candidate.endThicknessCm);
    judge.judge(*candidate.bar, candidate.count);
    const CalculationResults& r = judge.results();
    SlabDesign design;
    design.texts =
        candidateTexts(request.record, candidate.endThicknessCm, candidate.bar->text, candidate.count).texts;
    design.endThicknessCm = candidate.endThicknessCm;
    design.midspanThicknessCm = r.d2;
    design.barDiameterMm = r.dBar;
    design.barCount = r.nBars;
    design.schedule = barSchedule(r);
    design.centreSpacingMm = static_cast<float>(design.schedule.mainBars.spacingMm);
    design.quantities = {design.schedule.slab.concreteM3, design.schedule.steelKg()};
    design.cost = slabCost(design.quantities, request.prices);
    design.utilisation = checkUtilisation(r);
    design.governing = governingCheck(design.utilisation);
    return design;
}

DesignOutcome outcomeOf(CandidateJudge& judge, const std::optional<Candidate>& best,
                        const std::vector<BarOption>& bars, const DesignRequest& request) {
    DesignOutcome outcome;
    if (best) {
        outcome.design = designOf(judge, *best, request);
    } else {
        outcome.message = noDesignMessage(judge, bars, request.maxEndThicknessCm);
    }
    outcome.candidatesEvaluated = judge.evaluations();
    return outcome;
}

std::string recordProblem(const DesignInput& record) {
    return thicknessOffsetCm(record) ? std::string() : "板端厚和板中厚应为数值：设计保持板中厚与板端厚之差";
}

// The entries of a list as one text, `separator` between them.
std::string joined(std::span<const std::string_view> entries, std::string_view separator) {
    std::string text;
    for (std::string_view entry : entries) {
        text.append(text.empty() ? "" : separator).append(entry);
    }
    return text;
}

}  // namespace

std::vector<std::string> triedDiameters(const DesignRequest& request) {
    if (!request.diameters.empty()) {
        return request.diameters;
    }
    const auto all = barDiameterEntries();
    return std::vector<std::string>(all.begin(), all.end());
}

std::optional<std::string> requestProblem(const DesignRequest& request) {
    if (request.minEndThicknessCm < 1 || request.maxEndThicknessCm > kLargestEndThicknessCm) {
        return "板端厚范围应在1至" + std::to_string(kLargestEndThicknessCm) + " cm之间";
    }
    if (request.minEndThicknessCm > request.maxEndThicknessCm) {
        return "板端厚范围的下限" + std::to_string(request.minEndThicknessCm) + " cm大于上限" +
               std::to_string(request.maxEndThicknessCm) + " cm";
    }
    const auto entries = barDiameterEntries();
    for (const std::string& diameter : request.diameters) {
        if (std::find(entries.begin(), entries.end(), diameter) == entries.end()) {
            return "主筋直径" + diameter + "不在主筋直径表中（" + joined(entries, "、") + "）";
        }
    }
    const UnitPrices& prices = request.prices;
    if (!(prices.concretePerM3 > 0 && prices.steelPerKg > 0 && std::isfinite(prices.concretePerM3) &&
          std::isfinite(prices.steelPerKg))) {
        return "混凝土和钢筋单价应大于0";
    }
    return std::nullopt;
}

CountRange admissibleCounts(float widthM, float coverCm, const BarSize& bar, const BarDetailing& detailing) {
    const Length width = lengthOf(widthM, kUPerM);
    const Length cover = lengthOf(coverCm, kUPerCm);
    CountRange range;
    // The laid-out spacing falls as the count grows: too wide, then admitted, then too tight.
    for (int count = 2; count <= std::numeric_limits<std::int16_t>::max(); ++count) {
        const DrawingRefusal refusal = layoutRefusal(width, cover, bar, count, detailing);
        if (refusal == DrawingRefusal::ClearSpacingTooSmall) {
            break;
        }
        if (refusal == DrawingRefusal::None) {
            range.first = range.empty() ? count : range.first;
            range.last = count;
        }
    }
    return range;
}

CandidateTexts candidateTexts(const DesignInput& record, int endThicknessCm, const std::string& diameter,
                              int barCount) {
    CandidateTexts candidate;
    DesignTexts& texts = candidate.texts;
    texts.txtBDH = std::to_string(endThicknessCm);
    texts.CboZJZJ = diameter;
    texts.txtZJGS = std::to_string(barCount);
    const auto midspan = valueText(endThicknessCm + thicknessOffsetCm(record).value_or(0));
    if (!midspan) {
        candidate.problem = "板中厚无法写成十个字符以内的数值";
        return candidate;
    }
    texts.txtBZH = *midspan;
    if (!record.chkJSKJ) {
        const std::string derived = derivedSpanText(record.txtJKJ, record.txtGZCD, texts.txtBDH);
        texts.txtJSKJ =
            derived.size() <= tvrl::kValueWidth ? std::optional(derived) : valueText(parseLenient(derived));
        if (!texts.txtJSKJ) {
            candidate.problem = "计算跨径无法写成十个字符以内的数值";
        }
    }
    return candidate;
}

void applyDesign(const DesignTexts& texts, InputTarget& target) {
    target.setText(TextField::txtBDH, texts.txtBDH);
    target.setText(TextField::txtBZH, texts.txtBZH);
    const auto diameters = barDiameterEntries();
    const auto entry = std::find(diameters.begin(), diameters.end(), texts.CboZJZJ);
    target.selectListEntry(ListField::CboZJZJ, static_cast<int>(entry - diameters.begin()));
    target.setText(TextField::txtZJGS, texts.txtZJGS);
    if (texts.txtJSKJ) {
        target.setText(TextField::txtJSKJ, *texts.txtJSKJ);
    }
}

DesignInput withDesign(const DesignInput& record, const DesignTexts& texts) {
    DesignInput input = record;
    DesignInputTarget target(input);
    applyDesign(texts, target);
    return input;
}

bool ranksBefore(const SlabDesign& a, const SlabDesign& b, DesignObjective objective) {
    return keyRanksBefore(keyOf(a), keyOf(b), objective);
}

DesignFigures designFigures(const SlabDesign& design) {
    return {
        design.texts.txtBDH + "/" + design.texts.txtBZH, design.texts.txtZJGS + "Φ" + design.texts.CboZJZJ,
        formatFixed(design.centreSpacingMm, 1),          formatFixed(design.quantities.concreteM3, 2),
        formatFixed(design.quantities.steelKg, 1),       formatFixed(design.cost, 2)};
}

std::string governingCheckText(const SlabDesign& design) {
    std::string text = checkName(design.governing);
    if (design.governing == Check::Shear && design.utilisation.shearUpperLimitGoverns()) {
        text += "（" + std::string(kShearSectionName) + "，" + std::string(kShearUpperLimitLabel) + "）";
    }
    return text;
}

DesignOutcome findDesign(const DesignRequest& request) {
    if (std::string problem = recordProblem(request.record); !problem.empty()) {
        return {std::nullopt, problem, 0};
    }
    const std::vector<BarOption> bars = barOptions(request);
    CandidateJudge judge(request.record);
    std::optional<Candidate> best;
    for (int d1 = request.minEndThicknessCm; d1 <= request.maxEndThicknessCm; ++d1) {
        if (!judge.setEndThickness(d1).empty()) {
            continue;
        }
        const ThicknessBest atThickness = bestAtThickness(judge, bars, request, best);
        if (atThickness.searchEnds) {
            break;
        }
        if (atThickness.best) {
            keepBetter(best, *atThickness.best, request.objective);
            if (request.objective == DesignObjective::Thinnest) {
                break;  // the first thickness that passes is the thinnest
            }
        }
    }
    return outcomeOf(judge, best, bars, request);
}

DesignOutcome findDesignExhaustively(const DesignRequest& request) {
    if (std::string problem = recordProblem(request.record); !problem.empty()) {
        return {std::nullopt, problem, 0};
    }
    const std::vector<BarOption> bars = barOptions(request);
    CandidateJudge judge(request.record);
    std::optional<Candidate> best;
    long evaluations = 0;
    for (int d1 = request.minEndThicknessCm; d1 <= request.maxEndThicknessCm; ++d1) {
        for (const BarOption& bar : bars) {
            for (int count = bar.counts.first; count <= bar.counts.last; ++count) {
                const CandidateTexts candidate = candidateTexts(request.record, d1, bar.text, count);
                if (!candidate.problem.empty()) {
                    continue;
                }
                CalculationResults r = startedResults(request.record);
                const Expected<CalculateOutcome, Refusal> outcome =
                    runCalculateCommand(withDesign(request.record, candidate.texts), r);
                ++evaluations;
                const bool passes = outcome && std::all_of(outcome->verdicts.begin(), outcome->verdicts.end(),
                                                           [](const Verdict& v) { return v.passed; });
                if (passes) {
                    keepBetter(best, candidateAt(r, d1, bar, count, request.prices), request.objective);
                }
            }
        }
    }
    DesignOutcome outcome = outcomeOf(judge, best, bars, request);
    outcome.candidatesEvaluated += evaluations;
    return outcome;
}

std::vector<SlabDesign> bestDesignPerDiameter(const DesignRequest& request) {
    std::vector<SlabDesign> designs;
    for (const BarOption& bar : barOptions(request)) {
        DesignRequest single = request;
        single.diameters = {bar.text};
        if (DesignOutcome outcome = findDesign(single); outcome.design) {
            designs.push_back(*outcome.design);
        }
    }
    std::stable_sort(designs.begin(), designs.end(), [&](const SlabDesign& a, const SlabDesign& b) {
        return ranksBefore(a, b, request.objective);
    });
    return designs;
}

}  // namespace tavrel
