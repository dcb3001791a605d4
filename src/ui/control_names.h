// The design names of the windows' controls and menu items: one constant for each, in a namespace named
// after its window (frmMain::txtJLKL, Form3::txtJLKL), taken by the layout tables and by every piece of
// code that finds a control, so that a misspelt name no longer compiles. Each window's names are written
// once, in a list macro in table order: the constants are made from it, and a test holds it against the
// window's table.
#pragma once

#include <string_view>

// Defines the constant of one design name. Its text is made from its identifier, so the name the code
// writes and the object name the control gets cannot differ.
#define TAVREL_DESIGN_NAME(name) inline constexpr std::string_view name = #name;

// The lists are laid out by hand.
// clang-format off
// The rows of frmMain's layout table that the window names itself, in table order. Its input controls
// are named by the core (controlName of each field and slab type), and so are its five verdict labels
// (verdictLabel of each check).
#define TAVREL_FRM_MAIN_CONTROLS(X)                                                                       \
    X(Label9) X(Label1) X(Label19) X(Label28) X(Label18) X(Label10) X(Label11) X(Label12) X(Label13)      \
    X(Label14) X(Label15) X(Label17) X(Label16) X(Label25) X(Label2) X(Label29) X(Label40) X(Label30)     \
    X(Label39) X(Label31) X(Label38) X(Label32) X(Label3) X(Label4) X(Label7) X(Label5) X(Label6)         \
    X(Label8) X(Label24) X(Command1) X(Command2) X(Label20) X(txtKZWJ) X(Label21) X(txtWJKL) X(Label22)   \
    X(txtZDJL) X(Label23) X(txtJLKL) X(Label26) X(txtWfk1) X(Label27) X(txtWfk) X(Picture1) X(Picture2)  \
    X(Picture3)

// The rows of frmMain's menu table, in table order.
#define TAVREL_FRM_MAIN_MENUS(X)                                                                          \
    X(mnuFile) X(mnuFileSave) X(mnuFileSaveAs) X(mnuFileOpen) X(mnuFileBar0) X(mnuFileClose)              \
    X(mnuSettings) X(mnuCode) X(mnuCode2004) X(mnuCode2018) X(mnuSafety) X(mnuSafety1) X(mnuSafety2)      \
    X(mnuSafety3) X(mnuReportOptions) X(mnuTools) X(mnuToolsDesign) X(mnuToolsDrawing) X(mnuHelp) X(mnuHelpAbout)

// The rows of Form3's layout table, in table order.
#define TAVREL_FORM3_CONTROLS(X)                                                                          \
    X(Label9) X(Label19) X(Label13) X(CboGJDJ) X(Label14) X(CboGJZJ) X(Label15) X(txtGJJJ) X(Command1)    \
    X(Label22) X(txtZDJL) X(Label23) X(txtJLKL)

// The rows of frmDesign's layout table, in table order.
#define TAVREL_FRM_DESIGN_CONTROLS(X)                                                                     \
    X(lblRanges) X(lblThickness) X(txtMinBDH) X(lblThicknessTo) X(txtMaxBDH) X(lblDiameters)              \
    X(chkZJZJ16) X(chkZJZJ18) X(chkZJZJ20) X(chkZJZJ22) X(chkZJZJ25) X(chkZJZJ28) X(chkZJZJ32)            \
    X(lblObjective) X(optThinnest) X(optCheapest) X(lblConcretePrice) X(txtConcretePrice)                 \
    X(lblSteelPrice) X(txtSteelPrice) X(cmdDesign) X(lblResult) X(lblResultBDH) X(txtResultBDH)           \
    X(lblResultBZH) X(txtResultBZH) X(lblResultBars) X(txtResultBars) X(lblResultSpacing)                 \
    X(txtResultSpacing) X(lblResultConcrete) X(txtResultConcrete) X(lblResultSteel) X(txtResultSteel)     \
    X(lblResultCost) X(txtResultCost) X(lblUseCompressionZone) X(txtUseCompressionZone)                   \
    X(lblUseMinimumReinforcement) X(txtUseMinimumReinforcement) X(lblUseFlexure) X(txtUseFlexure)         \
    X(lblUseCrackWidth) X(txtUseCrackWidth) X(lblUseShear) X(txtUseShear) X(lblNote) X(lblAlternatives)   \
    X(lblAlternative1) X(lblAlternative2) X(lblAlternative3) X(lblAlternative4) X(cmdAdopt) X(cmdClose)

// The rows of frmDrawing's layout table, in table order.
#define TAVREL_FRM_DRAWING_CONTROLS(X) X(cmdSaveDxf) X(cmdSaveSvg) X(cmdClose)
// The rows of frmReport's layout table, in table order.
#define TAVREL_FRM_REPORT_CONTROLS(X)                                                                     \
    X(lblFormat) X(optOriginal) X(optFull) X(lblProject) X(txtProject) X(lblStructure) X(txtStructure)    \
    X(lblStage) X(txtStage) X(lblReportNumber) X(txtReportNumber) X(lblRevision) X(txtRevision)           \
    X(lblCompany) X(txtCompany) X(lblCalculatedBy) X(txtCalculatedBy) X(lblCheckedBy) X(txtCheckedBy)     \
    X(lblApprovedBy) X(txtApprovedBy) X(lblIssueDate) X(txtIssueDate) X(cmdOK) X(cmdCancel)

// The rows of frmAbout's layout table, in table order.
#define TAVREL_FRM_ABOUT_CONTROLS(X)                                                                      \
    X(cmdOK) X(lblTitle) X(lblVersion) X(lblDescription) X(Label1) X(Label3) X(Label2) X(Label4)          \
    X(lblDisclaimer)

// clang-format on

namespace tavrel::ui {

// The main window.
namespace frmMain {
TAVREL_FRM_MAIN_CONTROLS(TAVREL_DESIGN_NAME)
TAVREL_FRM_MAIN_MENUS(TAVREL_DESIGN_NAME)
// The status bar and its three panels, which the window makes without a table.
TAVREL_DESIGN_NAME(StatusBar1)
TAVREL_DESIGN_NAME(Panel1)
TAVREL_DESIGN_NAME(Panel2)
TAVREL_DESIGN_NAME(Panel3)
}  // namespace frmMain

// The stirrup dialog.
namespace Form3 {
TAVREL_FORM3_CONTROLS(TAVREL_DESIGN_NAME)
}  // namespace Form3

// The design dialog.
namespace frmDesign {
TAVREL_FRM_DESIGN_CONTROLS(TAVREL_DESIGN_NAME)
}  // namespace frmDesign

// The drawing dialog.
namespace frmDrawing {
TAVREL_FRM_DRAWING_CONTROLS(TAVREL_DESIGN_NAME)
}  // namespace frmDrawing
// The report options dialog.
namespace frmReport {
TAVREL_FRM_REPORT_CONTROLS(TAVREL_DESIGN_NAME)
}  // namespace frmReport

// The About dialog.
namespace frmAbout {
TAVREL_FRM_ABOUT_CONTROLS(TAVREL_DESIGN_NAME)
// The program icon's box, which the dialog makes without a table.
TAVREL_DESIGN_NAME(picIcon)
}  // namespace frmAbout

}  // namespace tavrel::ui
