// The calculate command: result texts, verdicts in order, messages, and a refusal that writes nothing.
#include "calc/calculate.h"

#include <gtest/gtest.h>

#include "calculated.h"

namespace tavrel {
namespace {

using test::freshResults;

TEST(CalculateCommand, DefaultsShowTheWorkedResultsAndPassEveryCheck) {
    auto r = freshResults();
    const auto outcome = runCalculateCommand(DesignInput{}, r);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->texts, (ResultTexts{"818.73", "1859.04", "793.78", "891.45", "0.20", "0.18"}));
    ASSERT_EQ(outcome->verdicts.size(), 5u);
    const char* labels[] = {"Label36", "Label37", "Label33", "Label35", "Label34"};
    const char* captions[] = {"砼受压区高度验算通过√", "最小配筋率验算通过√", "正截面抗弯承载力验算通过√",
                              "最大裂缝宽度验算通过√", "斜截面抗剪承载力验算通过√"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(outcome->verdicts[i].label, labels[i]);
        EXPECT_EQ(outcome->verdicts[i].caption, captions[i]);
        EXPECT_TRUE(outcome->verdicts[i].passed);
        EXPECT_EQ(outcome->verdicts[i].colour, (Rgb{18, 8, 0}));
    }
    EXPECT_TRUE(outcome->messages().empty());
    EXPECT_FALSE(outcome->opensStirrupDialog);
}

// A heavily reinforced thin slab under a 10 m fill: the compression zone is too high, the percentage is
// fine, and the shear needs stirrups. Thirty-two bars of 32 mm in a 0.99 m wide, 40 cm slab.
DesignInput failingSection() {
    DesignInput input;
    input.txtBDH = "40";
    input.txtBZH = "40";
    input.CboZJZJ = "32";
    input.txtZJGS = "30";
    input.txtTTG = "10";
    return input;
}

TEST(CalculateCommand, FailedChecksGiveTheirMessagesInOrderAndOpenTheStirrupDialog) {
    auto r = freshResults();
    DesignInput input = failingSection();
    const auto outcome = runCalculateCommand(input, r);
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->verdicts[0].passed);
    EXPECT_EQ(outcome->verdicts[0].caption, "砼受压区高度验算未通过");
    EXPECT_EQ(outcome->verdicts[0].colour, (Rgb{255, 0, 0}));
    EXPECT_FALSE(outcome->verdicts[4].passed);
    EXPECT_TRUE(outcome->opensStirrupDialog);
    const auto messages = outcome->messages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages.front().rfind("受压区高度为", 0), 0u);
    EXPECT_EQ(messages.back(), "斜截面抗剪承载力不足，请输入箍筋数据并验算斜截面抗剪承载力");
}

TEST(CalculateCommand, ComposedMessagesQuoteTheNumbersAndTheBarGrade) {
    CalculationResults r = freshResults();
    calculate(DesignInput{}, r);
    r.x = 0.7f;
    EXPECT_EQ(
        compressionZoneMessage(r),
        "受压区高度为0.70，大于《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG D62-2004)中5.2.1对于HRB335"
        "钢筋的相对界限受压区高度0.56×截面有效高度1.0365=0.58，应减小主筋面积、减少主筋根数或增大截面尺寸。");
    EXPECT_EQ(minimumReinforcementMessage(r),
              "主筋配筋率为0.67%，不满足《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG "
              "D62-2004)中9.1.12关于受弯构件"
              "最小配筋率的要求，应增大主筋面积、增加主筋根数或减小截面尺寸。");
}

TEST(CalculateCommand, RefusedInputWritesNothingIntoTheRecord) {
    auto r = freshResults();
    ASSERT_TRUE(runCalculateCommand(DesignInput{}, r));
    const CalculationResults before = r;
    DesignInput bad;
    bad.slabType = SlabType::Open;
    bad.txtHNTKY = "";
    const auto outcome = runCalculateCommand(bad, r);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.error().field, TextField::txtHNTKY);
    EXPECT_EQ(outcome.error().message, "混凝土抗压强度应大于0,请重新输入");
    EXPECT_EQ(r, before);
}

// Too large and too small alike: the message names neither, only that the calculation cannot handle it.
TEST(CalculateCommand, ResultsThatOverflowAreRefusedInsteadOfShowingInfinity) {
    struct Case {
        const char* what;
        TextField field;
        const char* text;
    };
    const Case cases[] = {
        {"huge soil unit weight", TextField::txtTRZ, "3e38"},
        {"tiny slab width", TextField::txtGBK, "1e-45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = freshResults();
        const CalculationResults before = r;
        DesignInput input;
        input.chkGBK = true;
        input.text(c.field) = c.text;
        const auto outcome = runCalculateCommand(input, r);
        ASSERT_FALSE(outcome);
        EXPECT_EQ(outcome.error().message, "输入数值超出计算所能处理的范围,请重新输入");
        EXPECT_FALSE(outcome.error().field.has_value());
        EXPECT_EQ(r, before);
    }
}

TEST(CalculateCommand, UnconvertibleFieldsOfAnotherTypeKeepTheirEarlierSnapshot) {
    auto r = freshResults();
    static_cast<void>(runCalculateCommand(DesignInput{}, r));
    DesignInput open;
    open.slabType = SlabType::Open;
    open.txtTTG = "abc";
    ASSERT_TRUE(runCalculateCommand(open, r));
    EXPECT_EQ(r.H, 22.0f);
    EXPECT_TRUE(r.isOpen);
    EXPECT_FALSE(r.isBuried);
}

TEST(CalculateCommand, BarCountRoundsHalvesToEvenInTheSnapshot) {
    auto r = freshResults();
    DesignInput input;
    input.txtZJGS = "14.5";
    static_cast<void>(runCalculateCommand(input, r));
    EXPECT_EQ(r.nBars, 14);
    input.txtZJGS = "15.5";
    static_cast<void>(runCalculateCommand(input, r));
    EXPECT_EQ(r.nBars, 16);
}

}  // namespace
}  // namespace tavrel
