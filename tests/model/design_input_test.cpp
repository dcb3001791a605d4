// Tests of the design input record: names, list entries, field access and the side effects of the plain
// target.
#include "model/design_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tavrel {
namespace {

TEST(DesignInputTest, ControlNamesAreTheWindowNames) {
    EXPECT_EQ(controlName(SlabType::Buried), "Option1");
    EXPECT_EQ(controlName(SlabType::Open), "Option2");
    EXPECT_EQ(controlName(SlabType::Custom), "Option3");
    EXPECT_EQ(controlName(ListField::CboSJHZ), "CboSJHZ");
    EXPECT_EQ(controlName(ListField::CboHJLB), "CboHJLB");
    EXPECT_EQ(controlName(CheckField::chkHNTKY), "chkHNTKY");
    EXPECT_EQ(controlName(CheckField::chkJSKJ), "chkJSKJ");
    EXPECT_EQ(controlName(TextField::txtHNTKY), "txtHNTKY");
    EXPECT_EQ(controlName(TextField::txtJBHZKD), "txtJBHZKD");
    EXPECT_EQ(controlName(TextField::txtBHC), "txtBHC");
}

struct ListCase {
    ListField field;
    std::vector<std::string_view> entries;
};

void PrintTo(const ListCase& row, std::ostream* out) {
    *out << controlName(row.field);
}

class DesignInputListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(DesignInputListTest, ListOffersItsEntriesInWindowOrder) {
    const auto entries = listEntries(GetParam().field);
    EXPECT_EQ(std::vector<std::string_view>(entries.begin(), entries.end()), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DesignInputListTest,
    ::testing::Values(ListCase{ListField::CboSJHZ, {"公路-I级", "公路-II级"}},
                      ListCase{ListField::CboHNTDJ, {"C20", "C25", "C30", "C35", "C40"}},
                      ListCase{ListField::CboZJDJ, {"R235", "HRB335", "HRB400", "KL400"}},
                      ListCase{ListField::CboZJZJ, {"16", "18", "20", "22", "25", "28", "32"}},
                      ListCase{ListField::CboHJLB, {"I类环境", "II类环境", "III类环境", "IV类环境"}}),
    [](const ::testing::TestParamInfo<ListCase>& info) {
        return std::string(controlName(info.param.field));
    });

TEST(DesignInputTest, EveryDefaultListTextIsAnEntryOfItsList) {
    const DesignInput input;
    for (const ListField field : {ListField::CboSJHZ, ListField::CboHNTDJ, ListField::CboZJDJ,
                                  ListField::CboZJZJ, ListField::CboHJLB}) {
        const auto entries = listEntries(field);
        EXPECT_NE(std::find(entries.begin(), entries.end(), input.list(field)), entries.end())
            << controlName(field);
    }
}

TEST(DesignInputTest, EachOverrideBoxUnlocksItsOwnTextBox) {
    const std::vector<std::pair<CheckField, TextField>> pairs = {
        {CheckField::chkHNTKY, TextField::txtHNTKY}, {CheckField::chkHNTKL, TextField::txtHNTKL},
        {CheckField::chkGBRZ, TextField::txtGBRZ},   {CheckField::chkTRZ, TextField::txtTRZ},
        {CheckField::chkPZRZ, TextField::txtPZRZ},   {CheckField::chkBCRZ, TextField::txtBCRZ},
        {CheckField::chkGBK, TextField::txtGBK},     {CheckField::chkJSKJ, TextField::txtJSKJ}};
    for (const auto& [check, text] : pairs) {
        EXPECT_EQ(unlockedField(check), text) << controlName(check);
    }
}

TEST(DesignInputTest, AccessorsReachTheNamedMembers) {
    DesignInput input;
    input.text(TextField::txtJKJ) = "4.2";
    input.text(TextField::txtJBHZKD) = "1.1";
    input.list(ListField::CboZJZJ) = "32";
    input.check(CheckField::chkPZRZ) = true;
    EXPECT_EQ(input.txtJKJ, "4.2");
    EXPECT_EQ(input.txtJBHZKD, "1.1");
    EXPECT_EQ(input.CboZJZJ, "32");
    EXPECT_TRUE(input.chkPZRZ);
    EXPECT_FALSE(input.chkBCRZ);
    EXPECT_EQ(std::as_const(input).text(TextField::txtBHC), "3");
}

struct GradeCase {
    int position;
    const char* grade;
    const char* fcd;  // JTG D62-2004 table 3.1.4, MPa
    const char* ftd;
};

void PrintTo(const GradeCase& row, std::ostream* out) {
    *out << row.grade;
}

class DesignInputTargetGradeTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(DesignInputTargetGradeTest, SelectingAGradeRewritesBothStrengthsEvenWhenUnlocked) {
    DesignInput input;
    input.chkHNTKY = true;
    input.chkHNTKL = true;
    input.txtHNTKY = "99";
    input.txtHNTKL = "9";
    DesignInputTarget(input).selectListEntry(ListField::CboHNTDJ, GetParam().position);
    EXPECT_EQ(input.CboHNTDJ, GetParam().grade);
    EXPECT_EQ(input.txtHNTKY, GetParam().fcd);
    EXPECT_EQ(input.txtHNTKL, GetParam().ftd);
    EXPECT_TRUE(input.chkHNTKY);
    EXPECT_TRUE(input.chkHNTKL);
}

INSTANTIATE_TEST_SUITE_P(Grades, DesignInputTargetGradeTest,
                         ::testing::Values(GradeCase{0, "C20", "9.2", "1.06"},
                                           GradeCase{3, "C35", "16.1", "1.52"},
                                           GradeCase{4, "C40", "18.4", "1.65"}),
                         [](const ::testing::TestParamInfo<GradeCase>& info) {
                             return std::string(info.param.grade);
                         });

TEST(DesignInputTargetTest, SelectingAnotherListLeavesTheStrengthsAlone) {
    DesignInput input;
    input.txtHNTKY = "20";
    DesignInputTarget target(input);
    target.selectListEntry(ListField::CboZJDJ, 3);
    target.selectListEntry(ListField::CboHJLB, 2);
    EXPECT_EQ(input.CboZJDJ, "KL400");
    EXPECT_EQ(input.CboHJLB, "III类环境");
    EXPECT_EQ(input.txtHNTKY, "20");
}

// Like the window's list, which runs nothing for the entry it already shows.
TEST(DesignInputTargetTest, SelectingTheGradeAlreadySelectedKeepsTypedStrengths) {
    DesignInput input;
    input.txtHNTKY = "20";
    DesignInputTarget(input).selectListEntry(ListField::CboHNTDJ, 2);
    EXPECT_EQ(input.CboHNTDJ, "C30");
    EXPECT_EQ(input.txtHNTKY, "20");
}

TEST(DesignInputTargetTest, PositionOutsideTheListChangesNothing) {
    DesignInput input;
    input.txtHNTKY = "20";
    DesignInputTarget target(input);
    target.selectListEntry(ListField::CboHNTDJ, 5);
    target.selectListEntry(ListField::CboHNTDJ, -1);
    EXPECT_EQ(input, [] {
        DesignInput expected;
        expected.txtHNTKY = "20";
        return expected;
    }());
}

// Another type runs the window's reconfiguration, which clears chkTRZ; the type already selected runs
// nothing on the window and changes nothing here.
TEST(DesignInputTargetTest, SelectingAnotherSlabTypeClearsTheSoilWeightOverrideOnly) {
    constexpr SlabType kTypes[] = {SlabType::Buried, SlabType::Open, SlabType::Custom};
    for (const SlabType from : kTypes) {
        for (const SlabType to : kTypes) {
            DesignInput input;
            input.slabType = from;
            input.chkTRZ = true;
            input.chkGBRZ = true;
            input.txtTRZ = "19.5";
            DesignInputTarget(input).selectSlabType(to);
            const std::string pair = std::string(controlName(from)) + " to " + std::string(controlName(to));
            EXPECT_EQ(input.slabType, to) << pair;
            EXPECT_EQ(input.chkTRZ, from == to) << pair;
            EXPECT_TRUE(input.chkGBRZ) << pair;
            EXPECT_EQ(input.txtTRZ, "19.5") << pair;
        }
    }
}

TEST(DesignInputTargetTest, ChecksAndTextsAreSetWithoutSideEffects) {
    DesignInput input;
    DesignInputTarget target(input);
    target.setCheckState(CheckField::chkJSKJ, true);
    target.setText(TextField::txtJKJ, "5");
    EXPECT_TRUE(input.chkJSKJ);
    EXPECT_EQ(input.txtJKJ, "5");
    EXPECT_EQ(input.txtJSKJ, "3.8");
}

}  // namespace
}  // namespace tavrel
