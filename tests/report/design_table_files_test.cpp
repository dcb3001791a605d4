// The design table's files: cell texts, formats by extension, quoting in the text table, and the table
// document's landscape page and tables in the package.
#include "report/design_table_files.h"

#include <gtest/gtest.h>

#include <chrono>

#include "report/design_table_content.h"
#include "report/docx_parts.h"

namespace tavrel {
namespace {

DesignOutcome passing() {
    SlabDesign d;
    d.texts = {"96", "101", "22", "18", "3.8"};
    d.centreSpacingMm = 55.0f;
    d.quantities = {3.99812f, 216.981f};
    d.governing = Check::Shear;
    return {d, "", 103};
}

// One span under two fills: a design and a cell whose reason holds a comma and a quote.
DesignTable handMadeTable() {
    DesignTable table;
    table.spans = {"3.5"};
    table.fills = {"1", "2"};
    table.cells = {passing(), {std::nullopt, "bad, \"very\" bad", 40}};
    return table;
}

TEST(DesignTableContent, CellShowsThicknessesBarsSpacingQuantitiesAndTheGoverningCheck) {
    const DesignCellTexts t = designCellTexts(passing());
    EXPECT_TRUE(t.found);
    EXPECT_EQ(t.thickness, "96/101");
    EXPECT_EQ(t.bars, "18Φ22");
    EXPECT_EQ(t.spacing, "55.0");
    EXPECT_EQ(t.concrete, "4.00");
    EXPECT_EQ(t.steel, "217.0");
    EXPECT_EQ(t.remark, "斜截面抗剪承载力");
    const DesignCellTexts none = designCellTexts({std::nullopt, "板端厚至150 cm 仍不满足…", 9});
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.thickness, "—");
    EXPECT_EQ(none.remark, "板端厚至150 cm 仍不满足…");
}

TEST(DesignTableContent, RemarkSaysWhenTheSlabCannotBeDrawnOrHasNoLiftingRings) {
    DesignOutcome refused = passing();
    refused.design->schedule.refusal = DrawingRefusal::NoScale;
    EXPECT_EQ(designCellTexts(refused).remark, "斜截面抗剪承载力（不能出图）");
    DesignOutcome withoutRings = passing();
    withoutRings.design->schedule.warnings = {"盖板自重标准值…"};
    EXPECT_EQ(designCellTexts(withoutRings).remark, "斜截面抗剪承载力（未设吊环）");
}

TEST(DesignTableFiles, FormatFollowsTheExtensionInAnyLetterCase) {
    EXPECT_EQ(tableFormatOf("a/表.XLSX"), TableFormat::Xlsx);
    EXPECT_EQ(tableFormatOf("t.Csv"), TableFormat::Csv);
    EXPECT_EQ(tableFormatOf("t.docx"), TableFormat::Docx);
    EXPECT_EQ(tableFormatOf("t.json"), TableFormat::Json);
    EXPECT_FALSE(tableFormatOf("t.txt"));
    EXPECT_FALSE(tableFormatOf("xlsx"));
}

TEST(DesignTableFiles, TextTableQuotesFieldsWithCommasAndQuotes) {
    const std::string csv = designTableCsv(handMadeTable());
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF,填土高 H = 1 m,,,,,,填土高 H = 2 m,,,,,\r\n", 0), 0u);
    EXPECT_NE(
        csv.find("\r\n3.5,96/101,18Φ22,55.0,4.00,217.0,斜截面抗剪承载力,—,,,,,\"bad, \"\"very\"\" bad\"\r\n"),
        std::string::npos);
}

TEST(DesignTableFiles, DocumentPageIsTurnedAndTablesStandBeforeTheirParagraphs) {
    const DesignTable table = handMadeTable();
    const ReportDocument document = designTableDocument(table, TableRequest{});
    EXPECT_TRUE(document.page.landscape);
    EXPECT_GT(document.page.width, document.page.height);
    ASSERT_EQ(document.tables.size(), 2u);
    EXPECT_EQ(document.tables[1].headingRows, 2);
    const auto parts = docxParts(document, {}, std::chrono::system_clock::now());
    const std::string& xml = parts[2].content;
    ASSERT_EQ(parts[2].name, "word/document.xml");
    EXPECT_NE(xml.find("w:orient=\"landscape\""), std::string::npos);
    EXPECT_LT(xml.find("设计条件"), xml.find("<w:tbl>"));
    EXPECT_LT(xml.find("<w:tbl>"), xml.find("表1"));
    EXPECT_LT(xml.find("表1"), xml.rfind("<w:tbl>"));
    EXPECT_LT(xml.rfind("</w:tbl>"), xml.find("分布钢筋未设计"));
    EXPECT_NE(xml.find("<w:gridSpan w:val=\"3\"/>"), std::string::npos);  // the legend over all columns
}

}  // namespace
}  // namespace tavrel
