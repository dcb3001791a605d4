// The input checks of the calculate command, in their fixed order, with their messages.
#include "calc/validation.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/numbers.h"
#include "base/tables.h"
#include "calc/design_code.h"
#include "calc/section.h"

namespace tavrel {

namespace {

enum class Applies { AllTypes, Buried, Open, Custom };
enum class Condition { Positive, AtLeastMinimumFill, NotNegative };

struct Rule {
    TextField field;
    Applies applies;
    Condition condition;
    std::string_view quantity;  // the quantity's name as the messages say it
    std::string_view message;
};

// The soil unit weight is tested for every slab type, although only the buried slab uses it.
constexpr std::array kRules{
    Rule{TextField::txtHNTKY, Applies::AllTypes, Condition::Positive, "混凝土抗压强度",
         "混凝土抗压强度应大于0,请重新输入"},
    Rule{TextField::txtHNTKL, Applies::AllTypes, Condition::Positive, "混凝土抗拉强度",
         "混凝土抗拉强度应大于0,请重新输入"},
    Rule{TextField::txtZJGS, Applies::AllTypes, Condition::Positive, "主筋根数",
         "主筋根数应大于0,请重新输入"},
    Rule{TextField::txtTRZ, Applies::AllTypes, Condition::Positive, "土容重", "土容重应大于0,请重新输入"},
    Rule{TextField::txtGBRZ, Applies::AllTypes, Condition::Positive, "盖板容重",
         "盖板容重应大于0,请重新输入"},
    Rule{TextField::txtTTG, Applies::Buried, Condition::AtLeastMinimumFill, "暗盖板涵填土高",
         "暗盖板涵填土高应大于0.5,请重新输入"},
    Rule{TextField::txtBDH, Applies::AllTypes, Condition::Positive, "板端厚", "板端厚应大于0,请重新输入"},
    Rule{TextField::txtBZH, Applies::AllTypes, Condition::Positive, "板中厚", "板中厚应大于0,请重新输入"},
    Rule{TextField::txtGBK, Applies::AllTypes, Condition::Positive, "盖板宽", "盖板宽应大于0,请重新输入"},
    Rule{TextField::txtJKJ, Applies::AllTypes, Condition::Positive, "净跨径", "净跨径应大于0,请重新输入"},
    Rule{TextField::txtGZCD, Applies::AllTypes, Condition::Positive, "单侧搁置长度",
         "单侧搁置长度应大于0,请重新输入"},
    Rule{TextField::txtJSKJ, Applies::AllTypes, Condition::Positive, "计算跨径",
         "计算跨径应大于0,请重新输入"},
    Rule{TextField::txtBHC, Applies::AllTypes, Condition::Positive, "保护层厚度",
         "保护层厚度应大于0,请重新输入"},
    Rule{TextField::txtPZH, Applies::Open, Condition::Positive, "涵顶铺装厚", "涵顶铺装厚应大于0,请重新输入"},
    Rule{TextField::txtBCH, Applies::Open, Condition::Positive, "涵顶表处厚", "涵顶表处厚应大于0,请重新输入"},
    Rule{TextField::txtPZRZ, Applies::Open, Condition::Positive, "涵顶铺装容重",
         "涵顶铺装容重应大于0,请重新输入"},
    Rule{TextField::txtBCRZ, Applies::Open, Condition::Positive, "涵顶表处容重",
         "涵顶表处容重应大于0,请重新输入"},
    Rule{TextField::txtJBHZ, Applies::Custom, Condition::NotNegative, "均布荷载",
         "均布荷载应大于0,请重新输入"},
    Rule{TextField::txtJBHZKD, Applies::Custom, Condition::NotNegative, "均布荷载宽度",
         "均布荷载宽度应大于0,请重新输入"},
    Rule{TextField::txtJZL, Applies::Custom, Condition::NotNegative, "集中力", "集中力应大于0,请重新输入"},
};

constexpr std::string_view kBarCountMessage = "主筋根数应大于0,请重新输入";
constexpr std::string_view kEffectiveDepthMessage = "板端厚应大于保护层厚度与主筋外径一半之和,请重新输入";

bool applies(Applies scope, SlabType type) {
    switch (scope) {
        case Applies::AllTypes:
            return true;
        case Applies::Buried:
            return type == SlabType::Buried;
        case Applies::Open:
            return type == SlabType::Open;
        case Applies::Custom:
            return type == SlabType::Custom;
    }
    return false;
}

bool satisfies(Condition condition, double value) {
    switch (condition) {
        case Condition::Positive:
            return value > 0;
        case Condition::AtLeastMinimumFill:
            return value >= kMinimumFillM;
        case Condition::NotNegative:
            return value >= 0;
    }
    return false;
}

// The bar count is stored in 16 bits, every other quantity in single precision.
bool storable(TextField field, double value) {
    if (field == TextField::txtZJGS) {
        return toInt16HalfEven(value).has_value();
    }
    return fitsSingle(value);
}

// The numbers the value checks accepted, by field. Reading one that no check accepted is a programming
// error (a rule removed or made conditional) and throws, rather than reading a number never checked.
using AcceptedNumbers = std::map<TextField, double>;

Expected<double, Refusal> checkRule(const Rule& rule, const DesignInput& input) {
    const auto value = parseStrict(input.text(rule.field));
    if (!value || !satisfies(rule.condition, *value)) {
        return refuseInput(rule.field, std::string(rule.message));
    }
    if (!storable(rule.field, *value)) {
        return refuseInput(rule.field, std::string(rule.quantity) + "超出允许范围,请重新输入");
    }
    return *value;
}

// Beyond the value checks: a bar count below 0.5 rounds to no bar at all, and cover plus half the bar
// reaching the end thickness leaves no effective depth; either makes the steel stress meaningless.
Expected<void, Refusal> checkSection(const DesignInput& input, const AcceptedNumbers& accepted) {
    const std::optional<std::int16_t> bars = toInt16HalfEven(accepted.at(TextField::txtZJGS));
    if (!bars || *bars == 0) {
        return refuseInput(TextField::txtZJGS, std::string(kBarCountMessage));
    }
    const auto barSize = findBarSize(toSingle(parseLenient(input.CboZJZJ)));
    const float dOut = barSize ? barSize->dOut : 0.0f;
    const float h0 = effectiveDepth(toSingle(accepted.at(TextField::txtBDH)),
                                    toSingle(accepted.at(TextField::txtBHC)), dOut);
    if (h0 <= 0) {
        return refuseInput(TextField::txtBHC, std::string(kEffectiveDepthMessage));
    }
    return {};
}

// --- Checks of the 2018 edition ---------------------------------------------------------------------

// The input's grades and class under the 2018 edition. A text its tables do not have (a record built by
// hand, never one from the lists) gives no value, and the checks that need it do not judge.
struct Materials2018 {
    std::optional<ConcreteGrade> concrete;
    std::optional<BarGrade> bars;
    std::optional<EnvironmentClass> environment;
    double barDiameterMm;
    double coverCm;
};

// "HRB400、HRBF400、RRB400或HRB500": the grades of at least `fsk`, as the message lists them.
std::string gradesOfAtLeast(std::int16_t fsk) {
    std::vector<std::string_view> names;
    for (const BarGrade& grade : materialTables(Edition::Jtg2018).barGrades) {
        if (grade.fsk >= fsk) {
            names.push_back(grade.name);
        }
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : (i + 1 == names.size() ? "或" : "、"));
        text += names[i];
    }
    return text;
}

// JTG 3362-2018 3.1.2: bars of 400 MPa and more need at least C30.
Expected<void, Refusal> checkConcreteForBars(const Materials2018& m) {
    const MaterialRules& rules = designCode(Edition::Jtg2018).materials;
    if (!m.bars || !m.concrete || m.bars->fsk < rules.strongBarFsk ||
        m.concrete->fcuk >= rules.concreteForStrongBarsFcuk) {
        return {};
    }
    return refuseInput(ListField::CboHNTDJ,
                       "采用" + gradesOfAtLeast(rules.strongBarFsk) + "钢筋时混凝土强度等级不应低于C" +
                           std::to_string(rules.concreteForStrongBarsFcuk) + ",请重新选择");
}

// JTG 3362-2018 table 4.5.3: the lowest grade of the environment class.
Expected<void, Refusal> checkConcreteForEnvironment(const Materials2018& m) {
    if (!m.environment || !m.concrete || m.concrete->fcuk >= m.environment->lowestConcreteFcuk) {
        return {};
    }
    return refuseInput(ListField::CboHNTDJ,
                       std::string(m.environment->name) + "下盖板混凝土强度等级不应低于C" +
                           std::to_string(m.environment->lowestConcreteFcuk) + ",请重新选择");
}

// JTG 3362-2018 table 3.2.2-1: a grade is defined up to its largest diameter (HPB300: 22 mm).
Expected<void, Refusal> checkBarDiameter(const Materials2018& m) {
    if (!m.bars || m.bars->largestDiameterMm == 0 || m.barDiameterMm <= m.bars->largestDiameterMm) {
        return {};
    }
    return refuseInput(ListField::CboZJZJ, std::string(m.bars->name) + "钢筋直径不应大于" +
                                               formatGeneral(m.bars->largestDiameterMm) + "mm,请重新选择");
}

// JTG 3362-2018 9.1.1 and table 9.1.1: the cover of the main bars, the outermost bars of the slab, is at
// least the table value of the environment class. Both limits in double, in cm, as the text is compared.
Expected<void, Refusal> checkCoverForEnvironment(const Materials2018& m) {
    if (!m.environment) {
        return {};
    }
    const double minimumCm = m.environment->minimumCoverMm / 10.0;
    if (m.coverCm >= minimumCm) {
        return {};
    }
    return refuseInput(TextField::txtBHC, std::string(m.environment->name) + "下保护层厚度不应小于" +
                                              formatGeneral(minimumCm) + "cm,请重新输入");
}

// JTG 3362-2018 9.1.1: the cover is at least the nominal diameter of the bar.
Expected<void, Refusal> checkCoverForBar(const Materials2018& m) {
    if (m.coverCm >= m.barDiameterMm / 10.0) {
        return {};
    }
    return refuseInput(TextField::txtBHC, "保护层厚度不应小于主筋直径,请重新输入");
}

// Checks 21 to 25, in their order: the grade for the bars, the grade for the environment, the bar's
// diameter, the cover for the environment, the cover for the bar.
using MaterialCheck = Expected<void, Refusal> (*)(const Materials2018&);
constexpr MaterialCheck kMaterialChecks2018[] = {checkConcreteForBars, checkConcreteForEnvironment,
                                                 checkBarDiameter, checkCoverForEnvironment,
                                                 checkCoverForBar};

Expected<void, Refusal> checkMaterials2018(const DesignInput& input, const AcceptedNumbers& accepted) {
    const Materials2018 materials{findConcreteGrade(Edition::Jtg2018, input.CboHNTDJ),
                                  findBarGrade(Edition::Jtg2018, input.CboZJDJ),
                                  findEnvironmentClass(Edition::Jtg2018, input.CboHJLB),
                                  parseLenient(input.CboZJZJ), accepted.at(TextField::txtBHC)};
    for (const MaterialCheck check : kMaterialChecks2018) {
        if (Expected<void, Refusal> passed = check(materials); !passed) {
            return passed;
        }
    }
    return {};
}

}  // namespace

Unexpected<Refusal> refuseInput(std::optional<InputControl> field, std::string message) {
    return unexpected(Refusal{{ErrorCode::InputRefused, std::move(message)}, field});
}

Expected<void, Refusal> validateInput(const DesignInput& input) {
    AcceptedNumbers accepted;
    for (const Rule& rule : kRules) {
        if (!applies(rule.applies, input.slabType)) {
            continue;
        }
        const Expected<double, Refusal> value = checkRule(rule, input);
        if (!value) {
            return unexpected(value.error());
        }
        accepted[rule.field] = *value;
    }
    if (input.edition == Edition::Jtg2018) {
        if (const Expected<void, Refusal> materials = checkMaterials2018(input, accepted); !materials) {
            return materials;
        }
    }
    return checkSection(input, accepted);
}

}  // namespace tavrel
