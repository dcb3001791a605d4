// Layout of the report options dialog frmReport.
#include "ui/control_names.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

using enum ControlKind;
using namespace frmReport;

// Left, top, width, height in twips: the format, then one caption and box per value, 375 twips apart.
// clang-format off
const ControlRow kControls[] = {
    {lblFormat,       Label,        "计算书格式",        {240, 270, 1860, 255}},
    {optOriginal,     OptionButton, "原格式(&O)",        {2160, 240, 1500, 300}, kSelected},
    {optFull,         OptionButton, "完整格式(&F)",      {3780, 240, 1800, 300}},
    {lblProject,      Label,        "项目名称",          {240, 765, 1860, 255}},
    {txtProject,      TextBox,      "",                  {2160, 720, 4200, 300}},
    {lblStructure,    Label,        "构造物名称及桩号",  {240, 1140, 1860, 255}},
    {txtStructure,    TextBox,      "",                  {2160, 1095, 4200, 300}},
    {lblStage,        Label,        "设计阶段",          {240, 1515, 1860, 255}},
    {txtStage,        TextBox,      "",                  {2160, 1470, 4200, 300}},
    {lblReportNumber, Label,        "计算书编号",        {240, 1890, 1860, 255}},
    {txtReportNumber, TextBox,      "",                  {2160, 1845, 4200, 300}},
    {lblRevision,     Label,        "版本",              {240, 2265, 1860, 255}},
    {txtRevision,     TextBox,      "",                  {2160, 2220, 4200, 300}},
    {lblCompany,      Label,        "设计单位",          {240, 2640, 1860, 255}},
    {txtCompany,      TextBox,      "",                  {2160, 2595, 4200, 300}},
    {lblCalculatedBy, Label,        "计算",              {240, 3015, 1860, 255}},
    {txtCalculatedBy, TextBox,      "",                  {2160, 2970, 4200, 300}},
    {lblCheckedBy,    Label,        "复核",              {240, 3390, 1860, 255}},
    {txtCheckedBy,    TextBox,      "",                  {2160, 3345, 4200, 300}},
    {lblApprovedBy,   Label,        "审核",              {240, 3765, 1860, 255}},
    {txtApprovedBy,   TextBox,      "",                  {2160, 3720, 4200, 300}},
    {lblIssueDate,    Label,        "出具日期",          {240, 4140, 1860, 255}},
    {txtIssueDate,    TextBox,      "",                  {2160, 4095, 4200, 300}},
    {cmdOK,           Button,       "确定",              {3480, 4635, 1335, 345}},
    {cmdCancel,       Button,       "取消",              {5025, 4635, 1335, 345}},
};
// clang-format on

const CaptionLink kCaptions[] = {
    {lblProject, txtProject},           {lblStructure, txtStructure}, {lblStage, txtStage},
    {lblReportNumber, txtReportNumber}, {lblRevision, txtRevision},   {lblCompany, txtCompany},
    {lblCalculatedBy, txtCalculatedBy}, {lblCheckedBy, txtCheckedBy}, {lblApprovedBy, txtApprovedBy},
    {lblIssueDate, txtIssueDate},
};

}  // namespace

FormTables reportDialogTables() {
    return {kControls, {}, {}, kCaptions};
}

}  // namespace tavrel::ui
