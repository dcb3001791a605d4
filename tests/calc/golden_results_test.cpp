// Golden results: every stored field of the results record, bit for bit, for designs of all three slab
// types, against values evaluated apart from this code (tests/calc/golden/reference.py). The same values
// must come out of every build type and compiler.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "calc/calculate.h"
#include "calc/stirrup.h"
#include "test_support.h"

namespace tavrel {
namespace {

using Json = nlohmann::json;
using R = CalculationResults;

template <typename Member>
struct Field {
    const char* name;
    Member R::*member;
};

// clang-format off
constexpr Field<float> kSingles[] = {
    {"H", &R::H}, {"L0", &R::L0}, {"L", &R::L}, {"Lseat", &R::Lseat}, {"d1", &R::d1}, {"d2", &R::d2},
    {"b", &R::b}, {"c", &R::c}, {"dBar", &R::dBar}, {"fcd", &R::fcd}, {"ftd", &R::ftd},
    {"gammaSlab", &R::gammaSlab}, {"gammaSoil", &R::gammaSoil}, {"H1", &R::H1}, {"H2", &R::H2},
    {"gammaPave", &R::gammaPave}, {"gammaSurf", &R::gammaSurf}, {"qK", &R::qK}, {"qKc", &R::qKc},
    {"PK", &R::PK}, {"dOut", &R::dOut}, {"aBar", &R::aBar}, {"fsd", &R::fsd}, {"xiB", &R::xiB},
    {"C1", &R::C1}, {"Es", &R::Es}, {"C2", &R::C2}, {"C3", &R::C3}, {"Wlim", &R::Wlim},
    {"q", &R::q}, {"g", &R::g}, {"M1", &R::M1}, {"V1", &R::V1}, {"La", &R::La}, {"Lb", &R::Lb},
    {"P", &R::P}, {"p", &R::p}, {"M2", &R::M2}, {"V2", &R::V2}, {"M3", &R::M3}, {"V3", &R::V3},
    {"gamma0Md", &R::gamma0Md}, {"gamma0Vd", &R::gamma0Vd}, {"h0", &R::h0}, {"x0", &R::x0},
    {"As0", &R::As0}, {"As", &R::As}, {"x", &R::x}, {"Mu", &R::Mu}, {"Vc", &R::Vc},
    {"rhoPct", &R::rhoPct}, {"rho", &R::rho}, {"sigmaSs", &R::sigmaSs}, {"Wfk", &R::Wfk},
    {"dSv", &R::dSv}, {"Asv", &R::Asv}, {"rhoSv", &R::rhoSv}, {"Vcs", &R::Vcs},
};
constexpr Field<std::int16_t> kIntegers[] = {{"nBars", &R::nBars}, {"sv", &R::sv}, {"fcuk", &R::fcuk},
                                             {"fsv", &R::fsv}};
constexpr Field<std::string> kTexts[] = {{"loadLevel", &R::loadLevel}, {"concreteGrade", &R::concreteGrade},
                                         {"barGrade", &R::barGrade}, {"envClass", &R::envClass},
                                         {"stirrupGrade", &R::stirrupGrade}};
constexpr Field<bool> kFlags[] = {{"isBuried", &R::isBuried}, {"isOpen", &R::isOpen}, {"isCustom", &R::isCustom}};
constexpr std::pair<Check, const char*> kCheckNames[] = {
    {Check::CompressionZone, "CompressionZone"}, {Check::MinimumReinforcement, "MinimumReinforcement"},
    {Check::FlexuralCapacity, "FlexuralCapacity"}, {Check::CrackWidth, "CrackWidth"}, {Check::Shear, "Shear"}};
// clang-format on

const Json& goldenDesigns() {
    static const Json designs = [] {
        std::ifstream file(test::sourcePath("tests/calc/golden/golden_results.json"));
        return Json::parse(file).at("designs");
    }();
    return designs;
}

SlabType slabTypeNamed(const std::string& name) {
    return name == "Open" ? SlabType::Open : name == "Custom" ? SlabType::Custom : SlabType::Buried;
}

// Writes the text of the text box or list named `control`; false when no field has that name.
bool edit(DesignInput& input, const std::string& control, const std::string& text) {
    for (int i = 0; i < kTextFieldCount; ++i) {
        if (controlName(static_cast<TextField>(i)) == control) {
            input.text(static_cast<TextField>(i)) = text;
            return true;
        }
    }
    for (int i = 0; i < kListFieldCount; ++i) {
        if (controlName(static_cast<ListField>(i)) == control) {
            input.list(static_cast<ListField>(i)) = text;
            return true;
        }
    }
    return false;
}

DesignInput designInput(const Json& design) {
    DesignInput input;
    input.slabType = slabTypeNamed(design.at("slabType"));
    for (const auto& [control, text] : design.at("edits").items()) {
        EXPECT_TRUE(edit(input, control, text.get<std::string>())) << "no input field " << control;
    }
    return input;
}

// The record after the calculate command of a freshly loaded main window and, where the design has
// stirrups, after the stirrup dialog's button.
CalculationResults calculatedRecord(const Json& design) {
    const DesignInput input = designInput(design);
    CalculationResults r;
    initialiseCrackWidthFactors(r);
    recordConcreteGrade(r, input.CboHNTDJ);
    EXPECT_TRUE(runCalculateCommand(input, r).calculated());
    if (design.contains("stirrup")) {
        const Json& stirrup = design.at("stirrup");
        StirrupDesign dialog(r);
        dialog.load();
        dialog.selectGrade(stirrup.at("grade"));
        dialog.selectDiameter(stirrup.at("diameter"));
        EXPECT_FALSE(dialog.press(stirrup.at("spacing"), input.CboHNTDJ).refusal);
    }
    return r;
}

float singleFromText(const Json& text) {
    return std::strtof(text.get<std::string>().c_str(), nullptr);
}

void expectEveryStoredField(const std::string& design, const CalculationResults& r, const Json& expected) {
    const Json& singles = expected.at("singles");
    EXPECT_EQ(singles.size(), std::size(kSingles)) << design << ": the data and the record differ in fields";
    for (const auto& [name, member] : kSingles) {
        EXPECT_TRUE(test::sameSingle(r.*member, singleFromText(singles.at(name)))) << design << ", " << name;
    }
    for (const auto& [name, member] : kIntegers) {
        EXPECT_EQ(r.*member, expected.at("integers").at(name).get<int>()) << design << ", " << name;
    }
    for (const auto& [name, member] : kTexts) {
        EXPECT_EQ(r.*member, expected.at("texts").at(name).get<std::string>()) << design << ", " << name;
    }
    for (const auto& [name, member] : kFlags) {
        EXPECT_EQ(r.*member, expected.at("flags").at(name).get<bool>()) << design << ", " << name;
    }
    for (const auto& [check, name] : kCheckNames) {
        EXPECT_EQ(checkPasses(r, check), expected.at("verdicts").at(name).get<bool>())
            << design << ", " << name;
    }
}

TEST(GoldenResults, EveryStoredFieldIsTheSingleTheArithmeticRuleGives) {
    ASSERT_GE(goldenDesigns().size(), 30u);
    for (const Json& design : goldenDesigns()) {
        const std::string name = design.at("name");
        expectEveryStoredField(name, calculatedRecord(design), design);
    }
}

}  // namespace
}  // namespace tavrel
