// Layout of the design dialog frmDesign: the search ranges, the chosen design with its quantities and
// utilisations, the next best designs, and the buttons.
#include "ui/layouts.h"

#include "ui/control_names.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using namespace frmDesign;

// Left, top, width, height in twips.
// clang-format off
const ControlRow kControls[] = {
    {lblRanges, Label, "设计范围", {480, 120, 855, 255}},
    {lblThickness, Label, "板端厚(cm)", {360, 480, 1200, 255}},
    {txtMinBDH, TextBox, "20", {1560, 450, 720, 285}},
    {lblThicknessTo, Label, "～", {2340, 480, 240, 255}},
    {txtMaxBDH, TextBox, "150", {2580, 450, 720, 285}},
    {lblDiameters, Label, "主筋直径(mm)", {360, 900, 1200, 255}},
    {chkZJZJ16, CheckBox, "16", {1560, 870, 720, 285}},
    {chkZJZJ18, CheckBox, "18", {2280, 870, 720, 285}},
    {chkZJZJ20, CheckBox, "20", {3000, 870, 720, 285}},
    {chkZJZJ22, CheckBox, "22", {3720, 870, 720, 285}},
    {chkZJZJ25, CheckBox, "25", {4440, 870, 720, 285}},
    {chkZJZJ28, CheckBox, "28", {5160, 870, 720, 285}},
    {chkZJZJ32, CheckBox, "32", {5880, 870, 720, 285}},
    {lblObjective, Label, "设计目标", {360, 1320, 1200, 255}},
    {optThinnest, OptionButton, "板最薄（再取主筋最省）", {1560, 1290, 2400, 285}, kSelected},
    {optCheapest, OptionButton, "造价最低", {4080, 1290, 1320, 285}},
    {lblConcretePrice, Label, "混凝土单价(元/m³)", {360, 1740, 1800, 255}},
    {txtConcretePrice, TextBox, "600", {2160, 1710, 720, 285}},
    {lblSteelPrice, Label, "钢筋单价(元/kg)", {3000, 1740, 1560, 255}},
    {txtSteelPrice, TextBox, "5", {4560, 1710, 720, 285}},
    {cmdDesign, Button, "设　计", {5880, 1680, 1200, 375}},

    {lblResult, Label, "设计结果", {480, 2400, 855, 255}},
    {lblResultBDH, Label, "板端厚 d1(cm)", {360, 2790, 1320, 255}},
    {txtResultBDH, ResultBox, "", {1680, 2760, 900, 285}},
    {lblResultBZH, Label, "板中厚 d2(cm)", {360, 3150, 1320, 255}},
    {txtResultBZH, ResultBox, "", {1680, 3120, 900, 285}},
    {lblResultBars, Label, "主筋", {360, 3510, 1320, 255}},
    {txtResultBars, ResultBox, "", {1680, 3480, 900, 285}},
    {lblResultSpacing, Label, "主筋间距(mm)", {360, 3870, 1320, 255}},
    {txtResultSpacing, ResultBox, "", {1680, 3840, 900, 285}},
    {lblResultConcrete, Label, "混凝土(m³/块)", {2760, 2790, 1200, 255}},
    {txtResultConcrete, ResultBox, "", {3960, 2760, 780, 285}},
    {lblResultSteel, Label, "钢筋(kg/块)", {2760, 3150, 1200, 255}},
    {txtResultSteel, ResultBox, "", {3960, 3120, 780, 285}},
    {lblResultCost, Label, "造价(元/块)", {2760, 3510, 1200, 255}},
    {txtResultCost, ResultBox, "", {3960, 3480, 780, 285}},
    {lblUseCompressionZone, Label, "砼受压区高度", {4920, 2790, 1500, 255}},
    {txtUseCompressionZone, ResultBox, "", {6420, 2760, 660, 285}},
    {lblUseMinimumReinforcement, Label, "最小配筋率", {4920, 3150, 1500, 255}},
    {txtUseMinimumReinforcement, ResultBox, "", {6420, 3120, 660, 285}},
    {lblUseFlexure, Label, "正截面抗弯承载力", {4920, 3510, 1500, 255}},
    {txtUseFlexure, ResultBox, "", {6420, 3480, 660, 285}},
    {lblUseCrackWidth, Label, "最大裂缝宽度", {4920, 3870, 1500, 255}},
    {txtUseCrackWidth, ResultBox, "", {6420, 3840, 660, 285}},
    {lblUseShear, Label, "斜截面抗剪承载力", {4920, 4230, 1500, 255}},
    {txtUseShear, ResultBox, "", {6420, 4200, 660, 285}},
    {lblNote, Label, "", {360, 4620, 6720, 1200}},

    {lblAlternatives, Label, "其他方案", {480, 5940, 855, 255}},
    {lblAlternative1, Label, "", {360, 6300, 6720, 255}},
    {lblAlternative2, Label, "", {360, 6570, 6720, 255}},
    {lblAlternative3, Label, "", {360, 6840, 6720, 255}},
    {lblAlternative4, Label, "", {360, 7110, 6720, 255}},

    {cmdAdopt, Button, "采　用", {4560, 7560, 1200, 375}, kDisabled},
    {cmdClose, Button, "关　闭", {5880, 7560, 1200, 375}},
};

const GroupOutline kOutlines[] = {
    {{{240, 240}, {7200, 240}, {7200, 2160}, {240, 2160}}, 360, 1440},  // the ranges, under lblRanges
    {{{240, 2520}, {7200, 2520}, {7200, 5880}, {240, 5880}}, 360, 1440},  // the design, under lblResult
    {{{240, 6060}, {7200, 6060}, {7200, 7440}, {240, 7440}}, 360, 1440},  // the others, under lblAlternatives
};
// clang-format on

constexpr std::string_view kTabOrder[] = {
    txtMinBDH, txtMaxBDH,   chkZJZJ16,   chkZJZJ18,        chkZJZJ20,     chkZJZJ22, chkZJZJ25, chkZJZJ28,
    chkZJZJ32, optThinnest, optCheapest, txtConcretePrice, txtSteelPrice, cmdDesign, cmdAdopt,  cmdClose};

// The caption beside each box; the two thickness boxes and the diameter boxes are named by the dialog.
constexpr CaptionLink kCaptions[] = {
    {lblConcretePrice, txtConcretePrice},
    {lblSteelPrice, txtSteelPrice},
    {lblResultBDH, txtResultBDH},
    {lblResultBZH, txtResultBZH},
    {lblResultBars, txtResultBars},
    {lblResultSpacing, txtResultSpacing},
    {lblResultConcrete, txtResultConcrete},
    {lblResultSteel, txtResultSteel},
    {lblResultCost, txtResultCost},
    {lblUseCompressionZone, txtUseCompressionZone},
    {lblUseMinimumReinforcement, txtUseMinimumReinforcement},
    {lblUseFlexure, txtUseFlexure},
    {lblUseCrackWidth, txtUseCrackWidth},
    {lblUseShear, txtUseShear},
};

}  // namespace

FormTables designDialogTables() {
    return {kControls, kOutlines, kTabOrder, kCaptions};
}

}  // namespace tavrel::ui
