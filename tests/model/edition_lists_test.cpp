// Switching the code edition of the design input record: which entry each list keeps or takes, the
// concrete strengths, the grade tables behind the entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/tables.h"
#include "model/design_input.h"
#include "test_support.h"

namespace tavrel {
namespace {

struct SelectionCase {
    const char* name;
    ListField field;
    const char* shown;
    Edition to;
    const char* expected;
};

using test::PrintTo;

class EditionSelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(EditionSelectionTest, ListSelectsTheSuccessorTheSameTextOrTheDefault) {
    const SelectionCase& c = GetParam();
    EXPECT_EQ(entryAfterEditionChange(c.field, c.shown, c.to), c.expected);
}

constexpr Edition k2004 = Edition::Jtg2004;
constexpr Edition k2018 = Edition::Jtg2018;

INSTANTIATE_TEST_SUITE_P(
    Rules, EditionSelectionTest,
    ::testing::Values(
        // A grade the other edition dropped goes to its successor, both ways.
        SelectionCase{"R235BecomesHpb300", ListField::CboZJDJ, "R235", k2018, "HPB300"},
        SelectionCase{"Kl400BecomesRrb400", ListField::CboZJDJ, "KL400", k2018, "RRB400"},
        SelectionCase{"Hpb300BecomesR235", ListField::CboZJDJ, "HPB300", k2004, "R235"},
        SelectionCase{"Rrb400BecomesKl400", ListField::CboZJDJ, "RRB400", k2004, "KL400"},
        // Otherwise the same text, where the new list has it.
        SelectionCase{"Hrb400Stays", ListField::CboZJDJ, "HRB400", k2018, "HRB400"},
        SelectionCase{"Hrb400StaysBack", ListField::CboZJDJ, "HRB400", k2004, "HRB400"},
        SelectionCase{"C25Stays", ListField::CboHNTDJ, "C25", k2018, "C25"},
        SelectionCase{"C30Stays", ListField::CboHNTDJ, "C30", k2018, "C30"},
        SelectionCase{"C40StaysBack", ListField::CboHNTDJ, "C40", k2004, "C40"},
        SelectionCase{"ClassIIStays", ListField::CboHJLB, "II类环境", k2018, "II类环境"},
        SelectionCase{"ClassIVStaysBack", ListField::CboHJLB, "IV类环境", k2004, "IV类环境"},
        // Otherwise the default of the new edition.
        SelectionCase{"C20GoesToC30", ListField::CboHNTDJ, "C20", k2018, "C30"},
        SelectionCase{"Hrb335GoesToHrb400", ListField::CboZJDJ, "HRB335", k2018, "HRB400"},
        SelectionCase{"C45GoesToC30", ListField::CboHNTDJ, "C45", k2004, "C30"},
        SelectionCase{"C50GoesToC30", ListField::CboHNTDJ, "C50", k2004, "C30"},
        SelectionCase{"Hrbf400GoesToHrb335", ListField::CboZJDJ, "HRBF400", k2004, "HRB335"},
        SelectionCase{"Hrb500GoesToHrb335", ListField::CboZJDJ, "HRB500", k2004, "HRB335"},
        SelectionCase{"ClassVGoesToClassI", ListField::CboHJLB, "V类环境", k2004, "I类环境"},
        SelectionCase{"ClassVIIGoesToClassI", ListField::CboHJLB, "VII类环境", k2004, "I类环境"},
        SelectionCase{"NothingSelectedTakesTheDefault", ListField::CboZJDJ, "", k2018, "HRB400"},
        // Lists the editions share keep their entry.
        SelectionCase{"LoadClassStays", ListField::CboSJHZ, "公路-II级", k2018, "公路-II级"},
        SelectionCase{"DiameterStays", ListField::CboZJZJ, "32", k2018, "32"}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

// Every entry fits the ten characters the file reader keeps, and every default is an entry.
TEST(EditionListsTest, EntriesFitTheFileAndDefaultsAreEntries) {
    for (const Edition edition : {k2004, k2018}) {
        for (int i = 0; i < kListFieldCount; ++i) {
            for (const std::string_view entry : listEntries(static_cast<ListField>(i), edition)) {
                int characters = 0;
                for (const char byte : entry) {
                    characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
                }
                EXPECT_LE(characters, 10) << entry;
            }
        }
        for (const ListField field : {ListField::CboHNTDJ, ListField::CboZJDJ, ListField::CboHJLB}) {
            const auto entries = listEntries(field, edition);
            const std::string chosen = entryAfterEditionChange(field, "", edition);
            EXPECT_NE(std::find(entries.begin(), entries.end(), chosen), entries.end()) << chosen;
        }
    }
}

// The record's own defaults are the 2004 tables' defaults.
TEST(EditionListsTest, DefaultRecordHoldsThe2004Defaults) {
    const DesignInput input;
    const MaterialTables& tables = materialTables(k2004);
    EXPECT_EQ(input.edition, k2004);
    EXPECT_EQ(input.safetyClass, SafetyClass::Second);
    EXPECT_EQ(input.CboHNTDJ, tables.defaultConcreteGrade);
    EXPECT_EQ(input.CboZJDJ, tables.defaultBarGrade);
    EXPECT_EQ(input.CboHJLB, tables.defaultEnvironment);
    const auto grade = findConcreteGrade(k2004, input.CboHNTDJ);
    ASSERT_TRUE(grade);
    EXPECT_EQ(input.txtHNTKY, grade->fcdText);
    EXPECT_EQ(input.txtHNTKL, grade->ftdText);
}

TEST(EditionTargetTest, SwitchingKeepsTypedStrengthsOfAGradeBothEditionsHave) {
    DesignInput input;
    input.chkHNTKY = true;
    input.txtHNTKY = "15";
    input.CboZJDJ = "R235";
    input.CboHJLB = "III类环境";
    DesignInputTarget(input).selectEdition(k2018);
    EXPECT_EQ(input.edition, k2018);
    EXPECT_EQ(input.CboHNTDJ, "C30");
    EXPECT_EQ(input.txtHNTKY, "15");
    EXPECT_EQ(input.txtHNTKL, "1.39");
    EXPECT_EQ(input.CboZJDJ, "HPB300");
    EXPECT_EQ(input.CboHJLB, "III类环境");
}

TEST(EditionTargetTest, AGradeThatChangesTakesTheCodeStrengthsOfTheNewEdition) {
    DesignInput input;
    input.CboHNTDJ = "C20";
    input.txtHNTKY = "9.2";
    input.txtHNTKL = "1.06";
    DesignInputTarget target(input);
    target.selectEdition(k2018);
    EXPECT_EQ(input.CboHNTDJ, "C30");
    EXPECT_EQ(input.txtHNTKY, "13.8");
    EXPECT_EQ(input.txtHNTKL, "1.39");

    target.selectListEntry(ListField::CboHNTDJ, 5);  // positions are those of the 2018 list
    EXPECT_EQ(input.CboHNTDJ, "C50");
    EXPECT_EQ(input.txtHNTKY, "22.4");
    EXPECT_EQ(input.txtHNTKL, "1.83");
    target.selectEdition(k2004);
    EXPECT_EQ(input.CboHNTDJ, "C30");
    EXPECT_EQ(input.txtHNTKY, "13.8");
}

// Back and forth is not a round trip: a grade the first switch replaced by the default stays replaced.
TEST(EditionTargetTest, SwitchingBackAndForthFollowsTheRuleEachWay) {
    DesignInput input;
    input.CboZJDJ = "HRB335";
    input.CboHNTDJ = "C40";
    DesignInputTarget target(input);
    target.selectEdition(k2018);
    target.selectEdition(k2004);
    EXPECT_EQ(input.CboZJDJ, "HRB400");
    EXPECT_EQ(input.CboHNTDJ, "C40");
    EXPECT_EQ(input.edition, k2004);
}

TEST(EditionTargetTest, TheEditionInForceAndTheSafetyClassChangeNothingElse) {
    DesignInput input;
    input.txtHNTKY = "15";
    DesignInput expected = input;
    DesignInputTarget target(input);
    target.selectEdition(k2004);
    EXPECT_EQ(input, expected);
    target.selectSafetyClass(SafetyClass::Third);
    expected.safetyClass = SafetyClass::Third;
    EXPECT_EQ(input, expected);
}

}  // namespace
}  // namespace tavrel
