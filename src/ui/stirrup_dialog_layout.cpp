// Layout of the stirrup dialog Form3: controls, the two group outlines and the tab order.
#include "ui/layouts.h"

#include "ui/control_names.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using namespace Form3;

// Left, top, width, height in twips.
const ControlRow kControls[] = {
    {Label9, Label, "箍筋参数", {480, 240, 855, 255}},
    {Label19, Label, "计算结果", {525, 2280, 855, 255}},
    {Label13, Label, "箍筋等级", {480, 765, 900, 375}},
    {CboGJDJ, DropDownList, "", {1485, 720, 1095, 300}},
    {Label14, Label, "箍筋直径", {2880, 765, 900, 375}},
    {CboGJZJ, DropDownList, "", {3765, 720, 855, 300}},
    {Label15, Label, "箍筋间距　　(cm)", {480, 1320, 900, 375}},
    {txtGJJJ, TextBox, "10", {1485, 1320, 855, 280}},
    {Command1, Button, "计　算", {3240, 1560, 975, 375}},
    {Label22, Label, "边墙内侧边缘处剪力(kN)", {435, 2760, 1095, 375}},
    {txtZDJL, ResultBox, "", {1530, 2760, 855, 280}},
    {Label23, Label, "斜截面抗弯承载力(kN)", {2805, 2760, 900, 375}},
    {txtJLKL, ResultBox, "", {3690, 2760, 855, 280}},
};

const GroupOutline kOutlines[] = {
    // Stirrup parameters, under Label9; the button stands in the notch.
    {{{240, 360}, {4800, 360}, {4800, 1320}, {2520, 1320}, {2520, 1920}, {240, 1920}}, 360, 1320},
    // Calculation results, under Label19.
    {{{240, 2400}, {4800, 2400}, {4800, 3360}, {240, 3360}}, 360, 1440},
};

constexpr std::string_view kTabOrder[] = {Command1, txtZDJL, txtJLKL, txtGJJJ, CboGJDJ, CboGJZJ};

// The caption beside each box and list.
constexpr CaptionLink kCaptions[] = {
    {Label13, CboGJDJ}, {Label14, CboGJZJ}, {Label15, txtGJJJ}, {Label22, txtZDJL}, {Label23, txtJLKL},
};

}  // namespace

FormTables stirrupDialogTables() {
    return {kControls, kOutlines, kTabOrder, kCaptions};
}

}  // namespace tavrel::ui
