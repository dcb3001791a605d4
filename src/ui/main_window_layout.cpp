// Layout of the main window frmMain: every control with caption, place and initial state, the group
// outlines, the tab order and the menus.
#include "ui/layouts.h"

#include "calc/presentation.h"
#include "model/design_input.h"
#include "ui/control_names.h"
#include "ui/menu_table.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using enum MenuKind;
using enum ListField;
using enum CheckField;
using enum TextField;
using enum Check;
using namespace frmMain;  // the controls the window names; the core names its inputs and verdicts

// Left, top, width, height in twips.
const ControlRow kControls[] = {
    // Group headings.
    {Label9, Label, "计算参数", {480, 240, 855, 255}},
    {Label1, Label, "盖板尺寸", {480, 2880, 855, 255}},
    {Label19, Label, "计算结果", {480, 5280, 855, 255}},

    // Calculation parameters.
    {Label28, Label, " 盖板类型", {480, 840, 1005, 375}},
    {controlName(SlabType::Buried), OptionButton, "暗涵盖板", {1440, 550, 1095, 255}, kSelected},
    {controlName(SlabType::Open), OptionButton, "明涵盖板", {1440, 800, 1095, 255}},
    {controlName(SlabType::Custom), OptionButton, "自定义荷载", {1440, 1050, 1215, 255}},
    {Label18, Label, "  　汽车　　荷载等级", {2760, 765, 1005, 375}},
    {controlName(CboSJHZ), DropDownList, "", {3735, 780, 1200, 300}},
    {Label10, Label, "　混凝土　  强度等级", {5175, 765, 960, 375}},
    {controlName(CboHNTDJ), DropDownList, "", {6135, 780, 1095, 300}},
    {Label11, Label, "混凝土抗压强度(Mpa)", {7605, 765, 1005, 375}},
    {controlName(txtHNTKY), TextBox, "13.8", {8565, 780, 615, 280}, kDisabled},
    {controlName(chkHNTKY), CheckBox, "", {9285, 735, 255, 375}},
    {Label12, Label, "混凝土抗拉强度(Mpa)", {9915, 765, 1005, 375}},
    {controlName(txtHNTKL), TextBox, "1.39", {10875, 780, 615, 280}, kDisabled},
    {controlName(chkHNTKL), CheckBox, "", {11565, 735, 255, 375}},
    {Label13, Label, " 主筋等级", {480, 1500, 1005, 375}},
    {controlName(CboZJDJ), DropDownList, "", {1395, 1440, 1095, 300}},
    {Label14, Label, " 主筋直径", {2775, 1500, 1005, 375}},
    {controlName(CboZJZJ), DropDownList, "", {3735, 1440, 855, 300}},
    {Label15, Label, " 主筋根数", {5175, 1500, 1005, 375}},
    {controlName(txtZJGS), TextBox, "14", {6135, 1440, 600, 280}},
    {Label17, Label, " 盖板容重    (KN/m^3)", {7605, 1440, 1005, 375}},
    {controlName(txtGBRZ), TextBox, "25", {8565, 1440, 615, 280}, kDisabled},
    {controlName(chkGBRZ), CheckBox, "", {9285, 1410, 255, 375}},
    {Label16, Label, " 土容重  (KN/m^3)", {9915, 1440, 1005, 375}},
    {controlName(txtTRZ), TextBox, "18", {10875, 1440, 615, 280}, kDisabled},
    {controlName(chkTRZ), CheckBox, "", {11565, 1410, 255, 375}},
    {Label25, Label, " 环境类别", {480, 2160, 1005, 375}},
    {controlName(CboHJLB), DropDownList, "", {1395, 2100, 1200, 300}},

    // Slot 1 of the slab-type row: buried, open, custom load.
    {Label2, Label, "填土高H(m)", {2775, 2160, 1005, 375}},
    {controlName(txtTTG), TextBox, "22", {3735, 2100, 600, 280}},
    {Label29, Label, "涵顶铺装厚    H1(cm)", {2775, 2085, 1005, 375}, kHidden},
    {controlName(txtPZH), TextBox, "8", {3735, 2100, 600, 280}, kHidden},
    {Label40, Label, " 均布荷载    qk(KN/m)", {2775, 2085, 1005, 375}, kHidden},
    {controlName(txtJBHZ), TextBox, "10", {3735, 2100, 600, 280}, kHidden},
    // Slot 2: open, custom load.
    {Label30, Label, "涵顶表处厚    H2(cm)", {5160, 2085, 1005, 375}, kHidden},
    {controlName(txtBCH), TextBox, "9", {6135, 2100, 600, 280}, kHidden},
    {Label39, Label, " 均布荷载   宽度qKc(m)", {5160, 2085, 1005, 375}, kHidden},
    {controlName(txtJBHZKD), TextBox, "2", {6135, 2100, 600, 280}, kHidden},
    // Slot 3: open, custom load.
    {Label31, Label, "涵顶铺装容重(KN/m^3)", {7605, 2085, 1005, 375}, kHidden},
    {controlName(txtPZRZ), TextBox, "25", {8565, 2100, 615, 280}, kHidden | kDisabled},
    {controlName(chkPZRZ), CheckBox, "", {9285, 2085, 255, 375}, kHidden},
    {Label38, Label, "  集中力      Pk(KN)", {7605, 2085, 1005, 375}, kHidden},
    {controlName(txtJZL), TextBox, "10", {8565, 2100, 615, 280}, kHidden},
    // Slot 4: open.
    {Label32, Label, "涵顶表处容重(KN/m^3)", {9915, 2085, 1005, 375}, kHidden},
    {controlName(txtBCRZ), TextBox, "23", {10875, 2100, 615, 280}, kHidden | kDisabled},
    {controlName(chkBCRZ), CheckBox, "", {11565, 2085, 255, 375}, kHidden},

    // Slab dimensions.
    {Label3, Label, "  板端厚      d1(cm)", {480, 3300, 1005, 375}},
    {controlName(txtBDH), TextBox, "108", {1440, 3290, 600, 280}},
    {Label4, Label, " 板中厚      d2(cm)", {2415, 3300, 1005, 375}},
    {controlName(txtBZH), TextBox, "113", {3375, 3290, 600, 280}},
    {Label7, Label, " 盖板宽       b(m)", {4380, 3300, 1005, 375}},
    {controlName(txtGBK), TextBox, "0.99", {5325, 3290, 615, 280}, kDisabled},
    {controlName(chkGBK), CheckBox, "", {6045, 3240, 255, 375}},
    {Label5, Label, " 净跨径       L0(m)", {480, 3885, 1005, 375}},
    {controlName(txtJKJ), TextBox, "3.5", {1440, 3890, 600, 280}},
    {Label6, Label, " 单侧搁置     长度(m)", {2415, 3885, 1005, 375}},
    {controlName(txtGZCD), TextBox, "0.3", {3375, 3890, 600, 280}},
    {Label8, Label, "计算跨径(m)", {4320, 3950, 1005, 375}},
    {controlName(txtJSKJ), TextBox, "3.8", {5325, 3890, 615, 280}, kDisabled},
    {controlName(chkJSKJ), CheckBox, "", {6045, 3840, 255, 375}},
    {Label24, Label, " 保护层     厚度c(cm)", {480, 4440, 1005, 375}},
    {controlName(txtBHC), TextBox, "3", {1440, 4490, 600, 280}},
    {Command1, Button, "计　算", {3885, 4560, 975, 375}},
    {Command2, Button, "计算书", {5085, 4560, 975, 375}, kDisabled},

    // Calculation results.
    {Label20, Label, "跨中弯矩     (kNm)", {480, 5760, 1005, 375}, kDisabled},
    {txtKZWJ, ResultBox, "", {1440, 5760, 800, 280}, kDisabled},
    {Label21, Label, "正截面抗弯承载力(kNm)", {2535, 5760, 1005, 375}, kDisabled},
    {txtWJKL, ResultBox, "", {3600, 5760, 800, 280}, kDisabled},
    {verdictLabel(FlexuralCapacity), Label, "正截面抗弯承载力验算通过√", {4560, 5835, 2415, 255}, kHidden},
    {Label22, Label, "边墙内侧边缘处剪力(kN)", {360, 6480, 1100, 375}, kDisabled},
    {txtZDJL, ResultBox, "", {1440, 6480, 800, 280}, kDisabled},
    {Label23, Label, "斜截面抗剪承载力(kN)", {2535, 6480, 1005, 375}, kDisabled},
    {txtJLKL, ResultBox, "", {3600, 6480, 800, 280}, kDisabled},
    {verdictLabel(Shear), Label, "斜截面抗剪承载力验算通过√", {4560, 6525, 2415, 255}, kHidden},
    {Label26, Label, "允许裂缝宽度(mm)", {480, 7200, 1005, 375}, kDisabled},
    {txtWfk1, ResultBox, "", {1440, 7200, 600, 280}, kDisabled},
    {Label27, Label, "最大裂缝宽度(mm)", {2535, 7200, 1005, 375}, kDisabled},
    {txtWfk, ResultBox, "", {3600, 7200, 600, 280}, kDisabled},
    {verdictLabel(CrackWidth), Label, "最大裂缝宽度验算通过√", {4560, 7260, 2175, 255}, kHidden},
    {verdictLabel(CompressionZone), Label, "砼受压区高度验算通过√", {1080, 7800, 2415, 255}, kHidden},
    {verdictLabel(MinimumReinforcement), Label, "最小配筋率验算通过√", {3840, 7800, 2415, 255}, kHidden},

    // Diagrams of the three slab types, on top of each other.
    {Picture1, Picture, "", {7200, 3000, 4815, 5145}},
    {Picture2, Picture, "", {7200, 3000, 4815, 5145}, kHidden},
    {Picture3, Picture, "", {7200, 3000, 4815, 5145}, kHidden},
};

const GroupOutline kOutlines[] = {
    // Calculation parameters, under Label9.
    {{{240, 360}, {12000, 360}, {12000, 2640}, {240, 2640}}, 360, 1320},
    // Slab dimensions, under Label1; the two buttons stand in the notch.
    {{{240, 3000}, {6480, 3000}, {6480, 4440}, {2280, 4440}, {2280, 5040}, {240, 5040}}, 360, 1320},
    // Calculation results, under Label19.
    {{{240, 5400}, {7080, 5400}, {7080, 8160}, {240, 8160}}, 360, 1320},
};

const std::string_view kTabOrder[] = {
    controlName(SlabType::Buried),
    controlName(SlabType::Open),
    controlName(SlabType::Custom),
    controlName(CboSJHZ),
    controlName(CboHNTDJ),
    controlName(chkHNTKY),
    controlName(txtHNTKY),
    controlName(chkHNTKL),
    controlName(txtHNTKL),
    controlName(CboZJDJ),
    controlName(CboZJZJ),
    controlName(txtZJGS),
    controlName(chkGBRZ),
    controlName(txtGBRZ),
    controlName(chkTRZ),
    controlName(txtTRZ),
    controlName(CboHJLB),
    controlName(txtPZH),
    controlName(txtBCH),
    controlName(chkPZRZ),
    controlName(txtPZRZ),
    controlName(chkBCRZ),
    controlName(txtBCRZ),
    controlName(txtJBHZ),
    controlName(txtJBHZKD),
    controlName(txtJZL),
    controlName(txtBDH),
    controlName(txtBZH),
    controlName(chkGBK),
    controlName(txtGBK),
    controlName(txtJKJ),
    controlName(txtGZCD),
    controlName(chkJSKJ),
    controlName(txtJSKJ),
    txtKZWJ,
    controlName(txtBHC),
    Command1,
    txtJLKL,
    Command2,
    txtZDJL,
    txtWJKL,
    controlName(txtTTG),
    txtWfk1,
    txtWfk,
};

// The caption beside each box and list. An override check box is named after the value it unlocks, by
// the window, which knows the pairs.
const CaptionLink kCaptions[] = {
    {Label18, controlName(CboSJHZ)},
    {Label10, controlName(CboHNTDJ)},
    {Label11, controlName(txtHNTKY)},
    {Label12, controlName(txtHNTKL)},
    {Label13, controlName(CboZJDJ)},
    {Label14, controlName(CboZJZJ)},
    {Label15, controlName(txtZJGS)},
    {Label17, controlName(txtGBRZ)},
    {Label16, controlName(txtTRZ)},
    {Label25, controlName(CboHJLB)},
    {Label2, controlName(txtTTG)},
    {Label29, controlName(txtPZH)},
    {Label40, controlName(txtJBHZ)},
    {Label30, controlName(txtBCH)},
    {Label39, controlName(txtJBHZKD)},
    {Label31, controlName(txtPZRZ)},
    {Label38, controlName(txtJZL)},
    {Label32, controlName(txtBCRZ)},
    {Label3, controlName(txtBDH)},
    {Label4, controlName(txtBZH)},
    {Label7, controlName(txtGBK)},
    {Label5, controlName(txtJKJ)},
    {Label6, controlName(txtGZCD)},
    {Label8, controlName(txtJSKJ)},
    {Label24, controlName(txtBHC)},
    {Label20, txtKZWJ},
    {Label21, txtWJKL},
    {Label22, txtZDJL},
    {Label23, txtJLKL},
    {Label26, txtWfk1},
    {Label27, txtWfk},
};

// The menu bar reads 文件 设置 工具 帮助. The 设置 menu holds the two settings of the design input that
// are not controls of the client area: the code edition (the loads code with the members code, two
// blanks apart, as the status bar names the pair) and the structural safety class with its γ0. The safety
// classes are greyed while the 2004 pair is chosen, whose rules take a fixed γ0. 计算书选项 opens the
// report options: the format and the project information the full report's cover page prints.
// clang-format off
constexpr MenuRow kMenus[] = {
    {mnuFile,        "",          Menu,      "文件(&F)",                    ""},
    {mnuFileSave,    mnuFile,     Item,      "保存(&S)",                    "Ctrl+S"},
    {mnuFileSaveAs,  mnuFile,     Item,      "另存为(&A)...",               ""},
    {mnuFileOpen,    mnuFile,     Item,      "打开(&O)...",                 ""},
    {mnuFileBar0,    mnuFile,     Separator, "",                            ""},
    {mnuFileClose,   mnuFile,     Item,      "关闭(&C)",                    ""},
    {mnuSettings,    "",          Menu,      "设置(&S)",                    ""},
    {mnuCode,        mnuSettings, Menu,      "设计规范(&D)",                ""},
    {mnuCode2004,    mnuCode,     RadioItem, "JTG D60-2004  JTG D62-2004",  "", kSelected},
    {mnuCode2018,    mnuCode,     RadioItem, "JTG D60-2015  JTG 3362-2018", ""},
    {mnuSafety,      mnuSettings, Menu,      "结构安全等级(&L)",            "", kDisabled},
    {mnuSafety1,     mnuSafety,   RadioItem, "一级(γ0=1.1)",                ""},
    {mnuSafety2,     mnuSafety,   RadioItem, "二级(γ0=1.0)",                "", kSelected},
    {mnuSafety3,     mnuSafety,   RadioItem, "三级(γ0=0.9)",                ""},
    {mnuReportOptions, mnuSettings, Item,    "计算书选项(&R)...",           ""},
    {mnuTools,       "",          Menu,      "工具(&T)",                    ""},
    {mnuToolsDesign, mnuTools,    Item,      "自动设计(&D)...",             ""},
    {mnuToolsDrawing, mnuTools,   Item,      "钢筋构造图(&R)...",           "", kDisabled},
    {mnuHelp,        "",          Menu,      "帮助(&H)",                    ""},
    {mnuHelpAbout,   mnuHelp,     Item,      "关于(&A) ",                   ""},
};
// clang-format on

}  // namespace

FormTables mainWindowTables() {
    return {kControls, kOutlines, kTabOrder, kCaptions};
}

std::span<const MenuRow> mainWindowMenus() {
    return kMenus;
}

}  // namespace tavrel::ui
