// Layout of the About dialog frmAbout.
#include "ui/layouts.h"

#include "ui/control_names.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using namespace frmAbout;

// Left, top, width, height in twips. lblTitle, lblVersion, Label1 and Label3 receive the program title, its
// version and the codes of the edition in force when the dialog loads.
const ControlRow kControls[] = {
    {cmdOK, Button, "确定", {4245, 2880, 1467, 345}},
    {lblTitle, Label, "", {1050, 240, 4455, 330}},
    {lblVersion, Label, "", {1050, 555, 4455, 330}},
    {lblDescription, Label, "公路钢筋混凝土盖板涵盖板设计与验算", {1050, 885, 4695, 330}},
    {Label1, Label, "", {1050, 1200, 4455, 330}},
    {Label3, Label, "", {1050, 1515, 4455, 330}},
    {Label2, Label, "暗涵、明涵与自定义荷载三种盖板", {1050, 1845, 4455, 330}},
    {Label4, Label, "计算书以 .docx 文档输出", {1050, 2160, 4455, 330}},
    {lblDisclaimer,
     Label,
     "计算结果须由设计人员复核，并对照现行规范审定后方可使用。",
     {240, 2760, 3870, 825}},
};

}  // namespace

FormTables aboutDialogTables() {
    return {kControls, {}, {}, {}};
}

}  // namespace tavrel::ui
