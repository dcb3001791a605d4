// Golden results: every stored field of the results record, bit for bit, for designs of all three slab
// types, against values evaluated apart from this code (tests/calc/golden/reference.py). The same values
// must come out of every build type and compiler.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

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
// A field of the record under its own name, the key of the golden data.
#define FIELD(member) \
    { #member, &R::member }

constexpr Field<float> kSingles[] = {
    FIELD(H),         FIELD(L0),  FIELD(L),      FIELD(Lseat),     FIELD(d1),        FIELD(d2),
    FIELD(b),         FIELD(c),   FIELD(dBar),   FIELD(fcd),       FIELD(ftd),       FIELD(gammaSlab),
    FIELD(gammaSoil), FIELD(H1),  FIELD(H2),     FIELD(gammaPave), FIELD(gammaSurf), FIELD(qK),
    FIELD(qKc),       FIELD(PK),  FIELD(dOut),   FIELD(aBar),      FIELD(fsd),       FIELD(xiB),
    FIELD(C1),        FIELD(Es),  FIELD(C2),     FIELD(C3),        FIELD(Wlim),      FIELD(q),
    FIELD(g),         FIELD(M1),  FIELD(V1),     FIELD(La),        FIELD(Lb),        FIELD(P),
    FIELD(p),         FIELD(M2),  FIELD(V2),     FIELD(M3),        FIELD(V3),        FIELD(gamma0Md),
    FIELD(gamma0Vd),  FIELD(h0),  FIELD(x0),     FIELD(As0),       FIELD(As),        FIELD(x),
    FIELD(Mu),        FIELD(Vc),  FIELD(rhoPct), FIELD(rho),       FIELD(sigmaSs),   FIELD(Wfk),
    FIELD(dSv),       FIELD(Asv), FIELD(rhoSv),  FIELD(Vcs),
};
constexpr Field<std::int16_t> kIntegers[] = {FIELD(nBars), FIELD(sv), FIELD(fcuk), FIELD(fsv)};
constexpr Field<std::string> kTexts[] = {FIELD(loadLevel), FIELD(concreteGrade), FIELD(barGrade),
                                         FIELD(envClass), FIELD(stirrupGrade)};
constexpr Field<bool> kFlags[] = {FIELD(isBuried), FIELD(isOpen), FIELD(isCustom)};
#undef FIELD
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
