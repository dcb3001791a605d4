// How the report quotes the design code of a calculation.
#include "report/report_code_text.h"

namespace tavrel {

namespace {

constexpr std::string_view kCitationOpening = "  根据";
constexpr double kThousand = 1000;

// The 2004 report's words, typed as they always have been: it names the design strength fsd a
// characteristic value (标准值) and ends the caption of the buried culvert's wheel pressure with a stray "L".
constexpr ReportWording kWording2004{
    .barStrength = "抗拉强度标准值",
    .buriedWheelPressureEnd = "L",
    .combinationHeading = "作用效应组合",
    .basicCombination = "作用效应组合",
    .customActions = "",
    .slabShearMembers = "板式受弯构件",
    .steelStressCaption = "  受拉钢筋的应力",
};

// JTG D60-2015 names the combinations of actions 作用组合 and the ultimate one 作用基本组合; JTG 3362-2018
// 5.2.12 raises the bound of plates without stirrups, and 6.4.4 takes the steel stress under the frequent
// combination. A user-defined load is taken as permanent load and a vehicle force at midspan.
constexpr ReportWording kWording2018{
    .barStrength = "抗拉强度设计值",
    .buriedWheelPressureEnd = "",
    .combinationHeading = "作用组合",
    .basicCombination = "作用基本组合",
    .customActions = "（均布荷载和盖板自重按永久作用计，集中力按车辆荷载计）",
    .slabShearMembers = "不配置箍筋的板式受弯构件",
    .steelStressCaption = "  作用频遇组合下受拉钢筋的应力",
};

std::string clauseCited(const std::string& codeCited, std::string_view clause) {
    return std::string(kCitationOpening) + codeCited + "中" + std::string(clause);
}

}  // namespace

std::string loadsClauseCited(const DesignCode& code, std::string_view clause) {
    return clauseCited(code.loadsCodeCited(), clause);
}

std::string membersClauseCited(const DesignCode& code, std::string_view clause) {
    return clauseCited(code.membersCodeCited(), clause);
}

std::string thousandthsText(double coefficient) {
    return factorText(coefficient * kThousand) + "×10^{-3}";
}

std::string localImpactFactorText(const DesignCode& code) {
    return factorText(1.0 + code.loads.localImpact);
}

bool reportsCurrentCodeMethod(const CalculationResults& r) {
    return codeOf(r).edition == Edition::Jtg2018;
}

const ReportWording& reportWording(const CalculationResults& r) {
    return reportsCurrentCodeMethod(r) ? kWording2018 : kWording2004;
}

}  // namespace tavrel
