// What a design table shows, whatever file it goes into: its title, the headings with their units, the
// texts and numbers of each cell, the fixed inputs and the notes on what is not designed.
#pragma once

#include <string>
#include <vector>

#include "design/design_table.h"

namespace tavrel {

// One cell as text: the design, or the reason there is none in `remark`.
struct DesignCellTexts {
    bool found = false;
    std::string thickness;  // "96/101": d1/d2, cm
    std::string bars;       // "18Φ22": count and diameter, mm
    std::string spacing;    // "69.0": centre spacing s1 of the drawing, mm
    std::string concrete;   // "4.00": m³ per slab
    std::string steel;      // "257.3": kg of steel per slab, the bar schedule's total
    std::string remark;  // the governing check, or why nothing passes; "（不能出图）", "（未设吊环）" added
};
DesignCellTexts designCellTexts(const DesignOutcome& outcome);

// "暗涵盖板设计表", "明涵盖板设计表", "自定义荷载盖板设计表".
std::string designTableTitle(SlabType type);

inline constexpr const char* kSpanHeading = "净跨径 L0 (m)";
// Headings of a column group of the designs and of the quantities, each with its unit.
const std::vector<std::string>& designColumnHeadings();
const std::vector<std::string>& quantityColumnHeadings();
// The heading of a column group: "填土高 H = 0.5 m" for a buried slab, the slab type otherwise.
std::string fillGroupHeading(const DesignTable& table, std::size_t fill);

// A fixed input of the table, e.g. {"混凝土强度等级", "C30 (fcd = 13.8 MPa, ftd = 1.39 MPa)"}.
struct LabelledValue {
    std::string label;
    std::string value;
};
// The pair of codes the designs of `record` follow, as the status bar names it.
std::string codeEditionName(const DesignInput& record);

// The inputs every cell shares and the search options, as the table documents print them.
std::vector<LabelledValue> fixedInputs(const TableRequest& request);
// The input record line by line as the input file names it (heading lines with an empty value).
std::vector<LabelledValue> recordLines(const DesignInput& record);

// What the quantities hold, said wherever they are shown.
inline constexpr const char* kQuantitiesNote =
    "主筋间距为钢筋构造图中主筋的中距（两侧保护层至主筋外缘，中距取整毫米）。混凝土与钢筋数量均为每块盖板；"
    "钢筋数量含主筋、分布钢筋和吊环，按钢筋数量表计。";

// What the table does not design, and how to read it.
const std::vector<std::string>& designTableNotes();

}  // namespace tavrel
