// Design tables: the axes of spans and fills, the shape of the table, and cells that do not depend on
// the number of threads.
#include "design/design_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include <string>
#include <vector>

namespace tavrel {
namespace {

using Texts = std::vector<std::string>;

TEST(DesignTableAxes, RangesGiveTheirValuesAsTheInputFileKeepsThem) {
    EXPECT_EQ(clearSpanValues({1.0, 3.0, 0.5}).texts, (Texts{"1", "1.5", "2", "2.5", "3"}));
    // Tenths accumulate rounding (0.1 · 3 = 0.30000000000000004) that the texts do not show.
    EXPECT_EQ(clearSpanValues({1.0, 1.3, 0.1}).texts, (Texts{"1", "1.1", "1.2", "1.3"}));
    EXPECT_EQ(fillHeightValues({0.5, 2.0, 0.75}).texts, (Texts{"0.5", "1.25", "2"}));
    EXPECT_EQ(fillHeightValues({0.5, 1.9, 0.5}).texts, (Texts{"0.5", "1", "1.5"}));
    EXPECT_EQ(clearSpanValues({2.0, 2.0, 1.0}).texts, (Texts{"2"}));
}

TEST(DesignTableAxes, BadRangesAreRefusedWithTheirReason) {
    struct Case {
        AxisValues values;
        const char* problem;
    };
    const Case cases[] = {
        {clearSpanValues({6.0, 1.0, 0.5}), "净跨径范围的起点大于终点"},
        {clearSpanValues({1.0, 6.0, 0.0}), "净跨径范围的步长应大于0"},
        {clearSpanValues({1.0, 6.0, -0.5}), "净跨径范围的步长应大于0"},
        {clearSpanValues({0.0, 6.0, 0.5}), "净跨径应大于0"},
        {clearSpanValues({-1.0, 6.0, 0.5}), "净跨径应大于0"},
        {clearSpanValues({1.0, 6000.0, 0.5}), "净跨径范围内的数值过多（最多1000个）"},
        {fillHeightValues({0.4, 6.0, 0.5}), "填土高应不小于0.5 m"},
        {fillHeightValues({0.5, 6.0, std::nan("")}), "填土高范围应为数值"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.values.problem, c.problem);
        EXPECT_TRUE(c.values.texts.empty());
    }
}

TEST(DesignTableRequest, FillsBelongToBuriedSlabsAndTheSpanMustBeDerived) {
    TableRequest request;
    request.spans = {"2", "3"};
    request.fills = {"1", "2"};
    EXPECT_FALSE(tableRequestProblem(request));
    request.design.record.slabType = SlabType::Open;
    EXPECT_EQ(tableRequestProblem(request), "只有暗涵盖板按填土高分列");
    request.fills.clear();
    EXPECT_FALSE(tableRequestProblem(request));
    request.design.record.chkJSKJ = true;
    EXPECT_TRUE(tableRequestProblem(request));
    request.design.record.chkJSKJ = false;
    request.spans.clear();
    EXPECT_EQ(tableRequestProblem(request), "设计表至少需要一个净跨径");
}

TableRequest buriedTable() {
    TableRequest request;
    request.spans = {"1", "2.5", "4"};
    request.fills = {"0.5", "5.889", "12"};
    request.design.maxEndThicknessCm = 80;
    return request;
}

TEST(DesignTable, BuriedSlabHasARowPerSpanAndAColumnPerFill) {
    const DesignTable table = runDesignTable(buriedTable(), 1);
    ASSERT_EQ(table.cells.size(), 9u);
    // Each cell is the design of the record with that span and fill.
    for (std::size_t span = 0; span < 3; ++span) {
        for (std::size_t fill = 0; fill < 3; ++fill) {
            DesignRequest single = buriedTable().design;
            single.record.txtJKJ = table.spans[span];
            single.record.txtTTG = table.fills[fill];
            EXPECT_EQ(table.cell(span, fill).design, findDesign(single).design) << span << " " << fill;
        }
    }
    // Longer spans and deeper fills need thicker slabs.
    EXPECT_LT(table.cell(0, 2).design->endThicknessCm, table.cell(2, 2).design->endThicknessCm);
    EXPECT_LT(table.cell(2, 1).design->endThicknessCm, table.cell(2, 2).design->endThicknessCm);
}

TEST(DesignTable, CellsDoNotDependOnTheNumberOfThreads) {
    const DesignTable one = runDesignTable(buriedTable(), 1);
    for (unsigned threads : {2u, 3u, 16u}) {
        const DesignTable many = runDesignTable(buriedTable(), threads);
        ASSERT_EQ(many.cells.size(), one.cells.size());
        for (std::size_t i = 0; i < one.cells.size(); ++i) {
            EXPECT_EQ(many.cells[i].design, one.cells[i].design) << threads << " threads, cell " << i;
            EXPECT_EQ(many.cells[i].message, one.cells[i].message);
        }
    }
}

TEST(DesignTable, OpenSlabHasOneColumnAndBuriedWithoutFillsKeepsItsOwnFill) {
    TableRequest open;
    open.design.record.slabType = SlabType::Open;
    open.spans = {"2", "3"};
    const DesignTable openTable = runDesignTable(open, 2);
    EXPECT_EQ(openTable.fills, (Texts{""}));
    EXPECT_EQ(openTable.cells.size(), 2u);

    TableRequest buried;
    buried.spans = {"3.5"};
    const DesignTable buriedTable = runDesignTable(buried, 2);
    EXPECT_EQ(buriedTable.fills, (Texts{"22"}));
    EXPECT_EQ(buriedTable.cell(0, 0).design, findDesign(DesignRequest{}).design);
}

TEST(DesignTable, ProgressIsReportedOnTheCallingThreadUpToTheWholeTable) {
    std::size_t lastDone = 0;
    std::size_t reportedTotal = 0;
    const auto caller = std::this_thread::get_id();
    runDesignTable(buriedTable(), 2, [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        EXPECT_GE(done, lastDone);
        lastDone = done;
        reportedTotal = total;
    });
    EXPECT_EQ(lastDone, 9u);
    EXPECT_EQ(reportedTotal, 9u);
}

}  // namespace
}  // namespace tavrel
