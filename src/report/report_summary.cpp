// The summary of the checks and the conclusion of the full report. Utilisations come from
// checkUtilisation, the one source design mode ranks and reports designs by; verdicts from the checks.
#include "report/report_summary.h"

#include <algorithm>

#include "base/numbers.h"
#include "calc/design_code.h"
#include "calc/section.h"
#include "design/slab_quantities.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr int kTwoDecimals = 2;
constexpr int kThreeDecimals = 3;

// What to change when a check fails, in the words of the verdict lines and messages.
std::string remedyOf(Check check) {
    switch (check) {
        case Check::CompressionZone:
            return "减小主筋面积、减少主筋根数或增大截面尺寸";
        case Check::MinimumReinforcement:
            return "增大主筋面积、增加主筋根数或减小截面尺寸";
        case Check::FlexuralCapacity:
            return "增大截面尺寸、增大主筋面积或提高混凝土强度等级";
        case Check::CrackWidth:
            return "增加主筋根数、改用较小直径的主筋或增大截面尺寸";
        case Check::Shear:
            break;
    }
    return "增大截面尺寸或配置箍筋并进行箍筋抗剪承载力验算";
}

constexpr const char* kUpperLimitName = "抗剪截面尺寸";
constexpr const char* kUpperLimitRemedy = "增大截面尺寸或提高混凝土强度等级";
constexpr const char* kStirrupName = "斜截面抗剪承载力（配置箍筋）";
constexpr const char* kStirrupRemedy = "减小箍筋间距、增大箍筋直径或提高箍筋等级";

// "γ0Md=818.73 kN·m" with a no-break space before the unit, so that a narrow cell never parts a number
// from its unit.
std::string quantity(const char* symbol, float value, int decimals, const char* unit) {
    constexpr const char* kNoBreakSpace = "\u00A0";
    return std::string(symbol) + "=" + formatFixed(value, decimals) + kNoBreakSpace + unit;
}

CheckSummaryRow checkRow(const CalculationResults& r, Check check, const CheckUtilisation& u) {
    const DesignCode& code = codeOf(r);
    CheckSummaryRow row;
    row.name = checkName(check);
    row.utilisation = u.of(check);
    row.passes = checkPasses(r, check);
    row.remedy = remedyOf(check);
    switch (check) {
        case Check::CompressionZone:
            row.clause = std::string(code.clauses.balancedZone);
            row.demand = quantity("x", r.x, kThreeDecimals, "m");
            row.capacity =
                quantity("ξb·h0", toSingle(static_cast<double>(r.xiB) * r.h0), kThreeDecimals, "m");
            break;
        case Check::MinimumReinforcement: {
            const float minimum = toSingle(
                std::max<double>(minimumReinforcementPercentage(r), code.section.absoluteMinimumPct));
            row.clause = std::string(code.clauses.minimumReinforcement);
            row.demand = quantity("ρmin", minimum, kTwoDecimals, "%");
            row.capacity = quantity("ρ", reinforcementPercentage(r), kTwoDecimals, "%");
            break;
        }
        case Check::FlexuralCapacity:
            row.clause = std::string(code.clauses.flexure);
            row.demand = quantity("γ0Md", r.gamma0Md, kTwoDecimals, "kN·m");
            row.capacity = quantity("Mu", r.Mu, kTwoDecimals, "kN·m");
            break;
        case Check::CrackWidth:
            row.clause = std::string(code.clauses.crackWidth);
            row.demand = quantity("Wfk", r.Wfk, kThreeDecimals, "mm");
            row.capacity = quantity("Wlim", r.Wlim, kTwoDecimals, "mm");
            break;
        case Check::Shear:
            row.clause = std::string(code.clauses.shearBound);
            row.demand = quantity("γ0Vd", r.gamma0Vd, kTwoDecimals, "kN");
            row.capacity = quantity("Vc", r.Vc, kTwoDecimals, "kN");
            row.utilisation = u.shearBound;
            break;
    }
    return row;
}

// JTG 3362-2018 5.2.11: the section carries at most Vmax whatever its stirrups.
CheckSummaryRow upperLimitRow(const CalculationResults& r, const CheckUtilisation& u) {
    const DesignCode& code = codeOf(r);
    return {kUpperLimitName,
            std::string(code.clauses.shearUpperLimit),
            quantity("γ0Vd", r.gamma0Vd, kTwoDecimals, "kN"),
            quantity("Vmax", r.Vmax, kTwoDecimals, "kN"),
            u.shearUpperLimit,
            shearSectionLargeEnough(r),
            kUpperLimitRemedy};
}

// The shear capacity of concrete and the stirrups of the stirrup dialog (JTG D62-2004 5.2.7, JTG
// 3362-2018 5.2.9); stirrups are not part of design mode, so its utilisation is formed here alike.
CheckSummaryRow stirrupRow(const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const float utilisation = r.Vcs > 0 ? toSingle(static_cast<double>(r.gamma0Vd) / r.Vcs) : 0.0f;
    return {kStirrupName,
            std::string(code.clauses.stirrups),
            quantity("γ0Vd", r.gamma0Vd, kTwoDecimals, "kN"),
            quantity("Vcs", r.Vcs, kTwoDecimals, "kN"),
            utilisation,
            stirrupsCarryTheShear(r),
            kStirrupRemedy};
}

}  // namespace

std::vector<CheckSummaryRow> checkSummary(const CalculationResults& r, StirrupCheck stirrupCheck) {
    const CheckUtilisation u = checkUtilisation(r);
    std::vector<CheckSummaryRow> rows;
    for (Check check : kChecksInOrder) {
        if (check != Check::Shear) {
            rows.push_back(checkRow(r, check, u));
            continue;
        }
        if (codeOf(r).section.shearUpperLimitCoefficient > 0) {
            rows.push_back(upperLimitRow(r, u));
            if (!rows.back().passes) {
                continue;  // a section too small is cured by no stirrups; the bound is not reached
            }
        }
        rows.push_back(checkRow(r, check, u));
        if (!rows.back().passes && stirrupCheck == StirrupCheck::Current) {
            rows.back().leadsToStirrups = true;
            rows.push_back(stirrupRow(r));
        }
    }
    return rows;
}

std::string verdictWord(const CheckSummaryRow& row) {
    if (row.leadsToStirrups) {
        return "按配箍验算";
    }
    return row.passes ? "满足" : "不满足";
}

bool isFailure(const CheckSummaryRow& row) {
    return !row.passes && !row.leadsToStirrups;
}

std::string utilisationText(float utilisation) {
    return formatFixed(utilisation, kTwoDecimals);
}

std::string conclusionText(const std::vector<CheckSummaryRow>& rows) {
    std::string failed;
    for (const CheckSummaryRow& row : rows) {
        if (isFailure(row)) {
            failed += (failed.empty() ? "" : "；") + row.name + "不满足规范要求，应" + row.remedy;
        }
    }
    if (failed.empty()) {
        return "经验算，本盖板的各项验算均满足规范要求。";
    }
    return "经验算，本盖板的以下验算项目不满足规范要求：" + failed + "。修改设计后应重新计算并出具计算书。";
}

}  // namespace tavrel
