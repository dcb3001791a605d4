// Golden results: every stored field of the results record, bit for bit, for designs of all three slab
// types, against values evaluated apart from this code (tests/calc/golden/reference.py). The same values
// must come out of every build type and compiler.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "calc/calculate.h"
#include "calc/result_fields.h"
#include "calc/stirrup.h"
#include "test_support.h"

namespace tavrel {
namespace {

using Json = nlohmann::json;
using R = CalculationResults;

// The record's texts and flags; its numbers are listed once, in calc/result_fields.h.
template <typename Member>
struct Field {
    const char* name;
    Member R::*member;
};
constexpr Field<std::string> kTexts[] = {
    {"loadLevel", &R::loadLevel}, {"concreteGrade", &R::concreteGrade}, {"barGrade", &R::barGrade},
    {"envClass", &R::envClass},   {"stirrupGrade", &R::stirrupGrade},   {"safetyName", &R::safetyName},
    {"envName", &R::envName}};
constexpr Field<bool> kFlags[] = {
    {"isBuried", &R::isBuried}, {"isOpen", &R::isOpen}, {"isCustom", &R::isCustom}};
constexpr std::pair<Check, const char*> kCheckNames[] = {
    {Check::CompressionZone, "CompressionZone"},
    {Check::MinimumReinforcement, "MinimumReinforcement"},
    {Check::FlexuralCapacity, "FlexuralCapacity"},
    {Check::CrackWidth, "CrackWidth"},
    {Check::Shear, "Shear"}};

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

// The code edition of a design, by its year; 2004 where the design names none.
Edition editionOf(const Json& design) {
    return design.value("edition", 2004) == 2018 ? Edition::Jtg2018 : Edition::Jtg2004;
}

// The default record, switched to the design's edition and safety class as from the menu, then edited.
DesignInput designInput(const Json& design) {
    DesignInput input;
    DesignInputTarget settings(input);
    settings.selectEdition(editionOf(design));
    settings.selectSafetyClass(static_cast<SafetyClass>(design.value("safetyClass", 2)));
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
    EXPECT_TRUE(runCalculateCommand(input, r));
    if (design.contains("stirrup")) {
        const Json& stirrup = design.at("stirrup");
        StirrupDesign dialog(r);
        dialog.load();
        dialog.selectGrade(stirrup.at("grade"));
        dialog.selectDiameter(stirrup.at("diameter"));
        EXPECT_TRUE(dialog.press(stirrup.at("spacing"), input.CboHNTDJ));
    }
    return r;
}

float singleFromText(const Json& text) {
    return std::strtof(text.get<std::string>().c_str(), nullptr);
}

void expectEveryStoredField(const std::string& design, const CalculationResults& r, const Json& expected) {
    EXPECT_EQ(r.edition, editionOf(expected)) << design << ", edition";
    const Json& singles = expected.at("singles");
    EXPECT_EQ(singles.size(), singleResultFields().size()) << design << ": the data and the record differ";
    for (const SingleResultField& field : singleResultFields()) {
        const std::string name(field.name);
        EXPECT_TRUE(test::sameSingle(r.*field.member, singleFromText(singles.at(name))))
            << design << ", " << name;
    }
    for (const CountResultField& field : countResultFields()) {
        const std::string name(field.name);
        EXPECT_EQ(r.*field.member, expected.at("integers").at(name).get<int>()) << design << ", " << name;
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
