// The parameter summary of the full report: every input the calculation uses, with where its value comes
// from, and the codes the calculation follows.
#include <optional>

#include "base/numbers.h"
#include "calc/design_code.h"
#include "calc/span.h"
#include "report/full_report.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

constexpr const char* kTyped = "输入";
constexpr const char* kCodeTable = "规范表值";
constexpr const char* kProgramValue = "程序取值";
constexpr const char* kProgramRule = "程序计算";

// Where a program-filled value comes from: its source, or the user's change with the table's value.
std::string sourceOf(bool overridden, float value, const std::string& tableText, const char* tableSource) {
    double tableValue = 0;
    if (overridden && (!tryParseStrict(tableText, tableValue) || toSingle(tableValue) != value)) {
        return "用户修改（表值 " + tableText + "）";
    }
    return tableSource;
}

std::string strengthTableText(const DesignInput& input, const CalculationResults& r, TextField field) {
    for (const TextEdit& edit : concreteGradeStrengths(input.edition, r.concreteGrade)) {
        if (edit.field == field) {
            return std::string(edit.text);
        }
    }
    return {};
}

ParameterRow number(const char* symbol, const char* meaning, float value, const char* unit,
                    std::string source) {
    return {symbol, meaning, formatGeneral(value), unit, std::move(source)};
}

ParameterRow text(const char* symbol, const char* meaning, const std::string& value, std::string source) {
    return {symbol, meaning, value, "—", std::move(source)};
}

void addLoadRows(std::vector<ParameterRow>& rows, const DesignInput& input, const CalculationResults& r) {
    const DesignInput defaults;
    switch (slabTypeOf(r)) {
        case SlabType::Buried:
            rows.push_back(text("—", "汽车荷载等级", r.loadLevel, kTyped));
            rows.push_back(number("H", "填土高", r.H, "m", kTyped));
            rows.push_back(number("γ2", "土容重", r.gammaSoil, "kN/m³",
                                  sourceOf(input.chkTRZ, r.gammaSoil, defaults.txtTRZ, kCodeTable)));
            break;
        case SlabType::Open:
            rows.push_back(text("—", "汽车荷载等级", r.loadLevel, kTyped));
            rows.push_back(number("H1", "涵顶铺装厚", r.H1, "cm", kTyped));
            rows.push_back(number("H2", "涵顶表处厚", r.H2, "cm", kTyped));
            rows.push_back(number("γ3", "涵顶铺装容重", r.gammaPave, "kN/m³",
                                  sourceOf(input.chkPZRZ, r.gammaPave, defaults.txtPZRZ, kCodeTable)));
            rows.push_back(number("γ4", "涵顶表处容重", r.gammaSurf, "kN/m³",
                                  sourceOf(input.chkBCRZ, r.gammaSurf, defaults.txtBCRZ, kCodeTable)));
            break;
        case SlabType::Custom:
            rows.push_back(number("qK", "均布荷载", r.qK, "kN/m", kTyped));
            rows.push_back(number("—", "均布荷载宽度", r.qKc, "m", kTyped));
            rows.push_back(number("PK", "集中力", r.PK, "kN", kTyped));
            break;
    }
}

}  // namespace

std::vector<ParameterRow> parameterRows(const DesignInput& input, const CalculationResults& r) {
    const DesignInput defaults;
    std::vector<ParameterRow> rows;
    if (r.edition == Edition::Jtg2018) {
        rows.push_back(
            number("γ0", ("结构重要性系数（" + r.safetyName + "）").c_str(), r.gamma0, "—", kCodeTable));
    }
    rows.push_back(text("—", "混凝土强度等级", r.concreteGrade, kTyped));
    rows.push_back(number(
        "fcd", "混凝土轴心抗压强度设计值", r.fcd, "MPa",
        sourceOf(input.chkHNTKY, r.fcd, strengthTableText(input, r, TextField::txtHNTKY), kCodeTable)));
    rows.push_back(number(
        "ftd", "混凝土轴心抗拉强度设计值", r.ftd, "MPa",
        sourceOf(input.chkHNTKL, r.ftd, strengthTableText(input, r, TextField::txtHNTKL), kCodeTable)));
    rows.push_back(text("—", "主筋等级", r.barGrade, kTyped));
    rows.push_back(number("fsd", "主筋抗拉强度设计值", r.fsd, "MPa", kCodeTable));
    rows.push_back(number("d", "主筋直径", r.dBar, "mm", kTyped));
    rows.push_back({"n", "主筋根数", std::to_string(r.nBars), "根", kTyped});
    rows.push_back(number("γ1", "盖板容重", r.gammaSlab, "kN/m³",
                          sourceOf(input.chkGBRZ, r.gammaSlab, defaults.txtGBRZ, kCodeTable)));
    rows.push_back(text("—", "环境类别", r.envClass, kTyped));
    addLoadRows(rows, input, r);
    rows.push_back(number("d1", "板端厚", r.d1, "cm", kTyped));
    rows.push_back(number("d2", "板中厚", r.d2, "cm", kTyped));
    rows.push_back(
        number("b", "盖板宽", r.b, "m", sourceOf(input.chkGBK, r.b, defaults.txtGBK, kProgramValue)));
    rows.push_back(number("L0", "净跨径", r.L0, "m", kTyped));
    rows.push_back(number("a", "单侧搁置长度", r.Lseat, "m", kTyped));
    rows.push_back(
        number("L", "计算跨径", r.L, "m",
               sourceOf(input.chkJSKJ, r.L, derivedSpanText(input.txtJKJ, input.txtGZCD, input.txtBDH),
                        kProgramRule)));
    rows.push_back(number("c", "保护层厚度", r.c, "cm", kTyped));
    return rows;
}

std::vector<std::string> designBasis(const CalculationResults& r) {
    const CodeTitles& titles = codeOf(r).titles;
    return {
        std::string(titles.loadsCode) + " " + std::string(titles.loadsTitle),
        std::string(titles.membersCode) + " " + std::string(titles.membersTitle),
        "JTG/T D65-04-2007 《公路涵洞设计细则》",
    };
}

}  // namespace tavrel
