// What the main window shows after a calculation: result texts, verdict captions, colours and messages.
#include "calc/presentation.h"

#include "base/numbers.h"
#include "calc/design_code.h"

namespace tavrel {

namespace {

struct VerdictText {
    Check check;
    std::string_view label;
    std::string_view passedCaption;
    std::string_view failedCaption;
    std::string_view failureMessage;  // empty: the message is composed from the values
};

constexpr VerdictText kVerdictTexts[] = {
    {Check::CompressionZone, "Label36", "砼受压区高度验算通过√", "砼受压区高度验算未通过", ""},
    {Check::MinimumReinforcement, "Label37", "最小配筋率验算通过√", "最小配筋率验算未通过", ""},
    {Check::FlexuralCapacity, "Label33", "正截面抗弯承载力验算通过√", "正截面抗弯承载力验算未通过",
     "正截面抗弯承载力验算未通过，应增大主筋面积、增加主筋根数或增大截面尺寸。"},
    {Check::CrackWidth, "Label35", "最大裂缝宽度验算通过√", "最大裂缝宽度验算未通过",
     "最大裂缝宽度验算未通过。"},
    {Check::Shear, "Label34", "斜截面抗剪承载力验算通过√", "斜截面抗剪承载力验算未通过",
     "斜截面抗剪承载力不足，请输入箍筋数据并验算斜截面抗剪承载力"},
};

const VerdictText& textsOf(Check check) {
    for (const VerdictText& texts : kVerdictTexts) {
        if (texts.check == check) {
            return texts;
        }
    }
    return kVerdictTexts[0];
}

std::string failureMessage(const CalculationResults& r, Check check) {
    switch (check) {
        case Check::CompressionZone:
            return compressionZoneMessage(r);
        case Check::MinimumReinforcement:
            return minimumReinforcementMessage(r);
        case Check::Shear:
            if (!shearSectionLargeEnough(r)) {
                return shearSectionMessage(r);
            }
            return std::string(textsOf(check).failureMessage);
        default:
            return std::string(textsOf(check).failureMessage);
    }
}

}  // namespace

ResultTexts resultTexts(const CalculationResults& r) {
    ResultTexts texts;
    texts.txtWJKL = formatTwoDecimals(r.Mu);
    texts.txtJLKL = formatTwoDecimals(r.Vc);
    texts.txtKZWJ = formatTwoDecimals(r.gamma0Md);
    texts.txtZDJL = formatTwoDecimals(r.gamma0Vd);
    texts.txtWfk = formatTwoDecimals(r.Wfk);
    texts.txtWfk1 = formatTwoDecimals(r.Wlim);
    return texts;
}

std::string_view verdictLabel(Check check) {
    return textsOf(check).label;
}

std::string verdictCaption(Check check, bool passed) {
    const VerdictText& texts = textsOf(check);
    return std::string(passed ? texts.passedCaption : texts.failedCaption);
}

Rgb verdictColour(bool passed) {
    return passed ? kPassColour : kFailColour;
}

std::array<Verdict, 5> verdicts(const CalculationResults& r) {
    std::array<Verdict, 5> result{};
    for (size_t i = 0; i < result.size(); ++i) {
        const Check check = kChecksInOrder[i];
        const bool passed = checkPasses(r, check);
        result[i] = Verdict{check,
                            verdictLabel(check),
                            passed,
                            verdictCaption(check, passed),
                            verdictColour(passed),
                            passed ? std::nullopt : std::optional(failureMessage(r, check))};
    }
    return result;
}

std::string compressionZoneMessage(const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    const float limit = toSingle(static_cast<double>(r.xiB) * r.h0);
    return "受压区高度为" + formatTwoDecimals(r.x) + "，大于" + code.membersCodeCited() + "中" +
           std::string(code.clauses.balancedZone) + "对于" + r.barGrade + "钢筋的相对界限受压区高度" +
           formatTwoDecimals(r.xiB) + "×截面有效高度" + formatGeneral(r.h0) + "=" + formatTwoDecimals(limit) +
           "，应减小主筋面积、减少主筋根数或增大截面尺寸。";
}

std::string minimumReinforcementMessage(const CalculationResults& r) {
    const float percentage = toSingle(100.0 * r.As / r.b / r.h0);
    const DesignCode& code = codeOf(r);
    return "主筋配筋率为" + formatTwoDecimals(percentage) + "%，不满足" + code.membersCodeCited() + "中" +
           std::string(code.clauses.minimumReinforcement) +
           "关于受弯构件最小配筋率的要求，应增大主筋面积、增加主筋根数或减小截面尺寸。";
}

std::string shearSectionMessage(const CalculationResults& r) {
    const DesignCode& code = codeOf(r);
    return std::string(kShearSectionName) + "不满足" + code.membersCodeCited() + "中" +
           std::string(code.clauses.shearUpperLimit) + "的要求，应增大截面尺寸或提高混凝土强度等级。";
}

}  // namespace tavrel
