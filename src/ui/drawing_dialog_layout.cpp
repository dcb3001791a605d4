// Layout of the drawing dialog frmDrawing: the sheet above, the save and close buttons below it.
#include "ui/control_names.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using namespace frmDrawing;

// Left, top, width, height in twips.
// clang-format off
const ControlRow kControls[] = {
    {cmdSaveDxf, Button, "保存DXF(&D)...", {7080, 8760, 1680, 375}},
    {cmdSaveSvg, Button, "保存SVG(&S)...", {8880, 8760, 1680, 375}},
    {cmdClose, Button, "关闭(&C)", {10680, 8760, 1200, 375}},
};
// clang-format on

constexpr std::string_view kTabOrder[] = {cmdSaveDxf, cmdSaveSvg, cmdClose};

}  // namespace

FormTables drawingDialogTables() {
    return {kControls, {}, kTabOrder, {}};
}

}  // namespace tavrel::ui
