// The main window frmMain: built from its layout table; slab-type reconfiguration, override boxes,
// derived span, the calculate command and the result area.
#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <array>
#include <span>

#include "base/tables.h"
#include "base/version.h"
#include "calc/design_code.h"
#include "calc/span.h"
#include "platform/program.h"
#include "ui/about_dialog.h"
#include "ui/accessible_names.h"
#include "ui/control_names.h"
#include "ui/design_dialog.h"
#include "ui/drawing_dialog.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"
#include "ui/menu_table.h"
#include "ui/report_dialog.h"
#include "ui/stirrup_dialog.h"

namespace tavrel::ui {

namespace {

// The line of our own text after the program caption and its 30 blanks.
constexpr const char* kCaptionLine = "公路钢筋混凝土盖板涵盖板设计计算";
constexpr int kCaptionBlanks = 30;

// The picture box of each slab type's diagram, indexed by the type.
constexpr std::string_view kFigurePictures[] = {frmMain::Picture1, frmMain::Picture2, frmMain::Picture3};

// The three panels of the status bar: what the program does, the code pair in force, the version.
constexpr std::string_view kStatusPanels[] = {frmMain::Panel1, frmMain::Panel2, frmMain::Panel3};
constexpr std::string_view kCodePanel = kStatusPanels[1];
constexpr const char* kProgramPurpose = "钢筋混凝土盖板涵盖板计算";

// The 设置 menu's choice of each code edition and each structural safety class.
struct EditionItem {
    Edition edition;
    std::string_view item;
};
constexpr EditionItem kEditionItems[] = {{Edition::Jtg2004, frmMain::mnuCode2004},
                                         {Edition::Jtg2018, frmMain::mnuCode2018}};
struct SafetyClassItem {
    SafetyClass safetyClass;
    std::string_view item;
};
constexpr SafetyClassItem kSafetyClassItems[] = {{SafetyClass::First, frmMain::mnuSafety1},
                                                 {SafetyClass::Second, frmMain::mnuSafety2},
                                                 {SafetyClass::Third, frmMain::mnuSafety3}};

// The result area: each result box and the text of the calculate command's outcome it shows.
struct ResultBox {
    std::string_view name;
    std::string ResultTexts::*text;
};
constexpr ResultBox kResultBoxes[] = {
    {frmMain::txtKZWJ, &ResultTexts::txtKZWJ}, {frmMain::txtZDJL, &ResultTexts::txtZDJL},
    {frmMain::txtWJKL, &ResultTexts::txtWJKL}, {frmMain::txtJLKL, &ResultTexts::txtJLKL},
    {frmMain::txtWfk, &ResultTexts::txtWfk},   {frmMain::txtWfk1, &ResultTexts::txtWfk1},
};
constexpr std::string_view kResultCaptions[] = {frmMain::Label20, frmMain::Label21, frmMain::Label22,
                                                frmMain::Label23, frmMain::Label26, frmMain::Label27};
constexpr std::string_view kResultHeading = frmMain::Label19;

// One step of the slab-type reconfiguration: what happens to its controls for each type. The inputs
// among the controls go by the names the core gives them.
struct ReconfigurationStep {
    enum Effect { Show, Enable, ClearThenEnable } effect;
    std::array<std::string_view, 4> controls;
    std::array<bool, 3> forType;  // buried, open, custom load
};

const ReconfigurationStep kStepsBeforeReset[] = {
    {ReconfigurationStep::Show, {frmMain::Label2, controlName(TextField::txtTTG)}, {true, false, false}},
    {ReconfigurationStep::Show, {frmMain::Picture1}, {true, false, false}},
    {ReconfigurationStep::Show, {frmMain::Picture2}, {false, true, false}},
    {ReconfigurationStep::Show,
     {frmMain::Label29, frmMain::Label30, frmMain::Label31, frmMain::Label32},
     {false, true, false}},
    {ReconfigurationStep::Show,
     {controlName(TextField::txtPZH), controlName(TextField::txtBCH), controlName(TextField::txtPZRZ),
      controlName(TextField::txtBCRZ)},
     {false, true, false}},
    {ReconfigurationStep::Show,
     {controlName(CheckField::chkPZRZ), controlName(CheckField::chkBCRZ)},
     {false, true, false}},
    {ReconfigurationStep::Show, {frmMain::Picture3}, {false, false, true}},
    {ReconfigurationStep::Show, {frmMain::Label38, frmMain::Label39, frmMain::Label40}, {false, false, true}},
    {ReconfigurationStep::Show,
     {controlName(TextField::txtJBHZ), controlName(TextField::txtJBHZKD), controlName(TextField::txtJZL)},
     {false, false, true}},
    {ReconfigurationStep::Enable, {frmMain::Label18, controlName(ListField::CboSJHZ)}, {true, true, false}},
};

// The soil unit weight is an input of the buried type only.
const ReconfigurationStep kStepsAfterReset[] = {
    {ReconfigurationStep::Enable, {frmMain::Label16}, {true, false, false}},
    {ReconfigurationStep::Enable, {controlName(TextField::txtTRZ)}, {false, false, false}},
    {ReconfigurationStep::ClearThenEnable, {controlName(CheckField::chkTRZ)}, {true, false, false}},
};

// The three boxes whose leaving derives the calculation span again.
constexpr TextField kSpanInputs[] = {TextField::txtJKJ, TextField::txtGZCD, TextField::txtBDH};

// Order in which the window loads its lists and then selects their defaults.
constexpr ListField kListLoadOrder[] = {ListField::CboHNTDJ, ListField::CboZJDJ, ListField::CboSJHZ,
                                        ListField::CboZJZJ, ListField::CboHJLB};

constexpr SlabType kSlabTypes[] = {SlabType::Buried, SlabType::Open, SlabType::Custom};

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void enableControls(const QWidget& window, std::span<const std::string_view> names, bool enabled) {
    for (std::string_view name : names) {
        control<QWidget>(window, name).setEnabled(enabled);
    }
}

void showVerdictLabels(const QWidget& window, bool visible) {
    for (Check check : kChecksInOrder) {
        control<QWidget>(window, verdictLabel(check)).setVisible(visible);
    }
}

void enableResultBoxes(const QWidget& window, bool enabled) {
    for (const ResultBox& box : kResultBoxes) {
        control<QWidget>(window, box.name).setEnabled(enabled);
    }
}

// One reconfiguration step for a slab type: `on` is the step's entry for that type.
void applyStep(const QWidget& window, const ReconfigurationStep& step, bool on) {
    for (std::string_view name : step.controls) {
        if (name.empty()) {
            continue;
        }
        QWidget& widget = control<QWidget>(window, name);
        switch (step.effect) {
            case ReconfigurationStep::Show:
                widget.setVisible(on);
                break;
            case ReconfigurationStep::ClearThenEnable:
                // Clearing a ticked box runs its own handler, which locks the box it unlocks.
                static_cast<QCheckBox&>(widget).setChecked(false);
                widget.setEnabled(on);
                break;
            case ReconfigurationStep::Enable:
                widget.setEnabled(on);
                break;
        }
    }
}

// A focus loss that moves the focus to another control, not one caused by a menu, a popup list or
// another window taking over for a while.
bool movesToAnotherControl(const QFocusEvent& event) {
    switch (event.reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return false;
        default:
            return true;
    }
}

}  // namespace

QString programCaption() {
    return QString::fromUtf8(kProgramTitle) + QLatin1Char('V') + QString::fromUtf8(kVersion);
}

QString defaultFigureFolder() {
    return QString::fromStdString(figureFolderOf(platform::programFolder()));
}

MainWindow::MainWindow(CalculationResults& results, Prompter& prompter, const QString& figureFolder,
                       QWidget* parent)
    : QMainWindow(parent),
      m_results(results),
      m_prompter(prompter),
      m_figureFolder(figureFolder),
      m_stirrupDesign(results) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(logicalDpi(*this)));
    setWindowTitle(programCaption() + QString(kCaptionBlanks, QLatin1Char(' ')) +
                   QString::fromUtf8(kCaptionLine));

    createClientArea();
    createMenus();
    createStatusBar();
    showSettings();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectHandlers();
    Form_Load();
    loadFigure(SlabType::Buried);
    placeAtDesignedPosition();
}

// The stirrup dialog works on the window's stirrup design, so it goes before the window's members do.
MainWindow::~MainWindow() {
    delete m_stirrupDialog.data();
}

// The controls of the layout table on a surface that draws the group outlines.
void MainWindow::createClientArea() {
    const TwipsRect clientArea{0, 0, kMainClientArea.width, kMainStatusBar.top};
    setCentralWidget(&createSurface(*this, clientArea, mainWindowTables()));
    control<QWidget>(*this, frmMain::Label8).setToolTip(QString::fromUtf8(kSpanTooltip));
    textBox(TextField::txtJSKJ).setToolTip(QString::fromUtf8(kSpanTooltip));
    nameOverrideCheckBoxes();
}

// A caption-less check box is said as the change it allows to the value beside it: "修改 盖板宽 b".
void MainWindow::nameOverrideCheckBoxes() {
    for (int i = 0; i < kCheckFieldCount; ++i) {
        const auto field = static_cast<CheckField>(i);
        checkBox(field).setAccessibleName(
            overrideCheckBoxName(textBox(unlockedField(field)).accessibleName()));
    }
}

// The menus of the layout table, each item connected to its command; choosing an edition or a safety
// class is the same as setting it from a file.
void MainWindow::createMenus() {
    buildMenuBar(*menuBar(), mainWindowMenus());
    struct MenuCommand {
        std::string_view item;
        void (MainWindow::*handler)();
    };
    const MenuCommand commands[] = {
        {frmMain::mnuFileSave, &MainWindow::mnuFileSave_Click},
        {frmMain::mnuFileSaveAs, &MainWindow::mnuFileSaveAs_Click},
        {frmMain::mnuFileOpen, &MainWindow::mnuFileOpen_Click},
        {frmMain::mnuFileClose, &MainWindow::mnuFileClose_Click},
        {frmMain::mnuToolsDesign, &MainWindow::mnuToolsDesign_Click},
        {frmMain::mnuToolsDrawing, &MainWindow::mnuToolsDrawing_Click},
        {frmMain::mnuReportOptions, &MainWindow::mnuReportOptions_Click},
        {frmMain::mnuHelpAbout, &MainWindow::mnuHelpAbout_Click},
    };
    for (const MenuCommand& command : commands) {
        connect(&menuItem(*this, command.item), &QAction::triggered, this, command.handler);
    }
    for (const EditionItem& choice : kEditionItems) {
        connect(&menuItem(*this, choice.item), &QAction::triggered, this,
                [this, edition = choice.edition] { selectEdition(edition); });
    }
    for (const SafetyClassItem& choice : kSafetyClassItems) {
        connect(&menuItem(*this, choice.item), &QAction::triggered, this,
                [this, safetyClass = choice.safetyClass] { selectSafetyClass(safetyClass); });
    }
}

void MainWindow::createStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(toQString(frmMain::StatusBar1));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(toPixels(kMainStatusBar.height, logicalDpi(*this)));
    // The code panel is written by showSettings.
    const QString texts[] = {QString::fromUtf8(kProgramPurpose), QString(),
                             QStringLiteral("版本 ") + QString::fromUtf8(kVersion)};
    for (std::size_t i = 0; i < std::size(kStatusPanels); ++i) {
        auto* panel = new QLabel(texts[i], bar);
        panel->setObjectName(toQString(kStatusPanels[i]));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->addWidget(panel, 1);
    }
    setStatusBar(bar);
}

// The 设置 menu and the status bar show the settings in force, however they were set (the menu, a file,
// the last input): the checked edition and safety class, the safety classes greyed under the 2004 rules,
// which take a fixed γ0 and keep the class only for a later switch, and the code pair's name.
void MainWindow::showSettings() {
    for (const EditionItem& choice : kEditionItems) {
        if (choice.edition == m_edition) {
            menuItem(*this, choice.item).setChecked(true);
        }
    }
    for (const SafetyClassItem& choice : kSafetyClassItems) {
        if (choice.safetyClass == m_safetyClass) {
            menuItem(*this, choice.item).setChecked(true);
        }
    }
    menuNamed(*this, frmMain::mnuSafety).menuAction()->setEnabled(m_edition == Edition::Jtg2018);
    statusBar()
        ->findChild<QLabel*>(toQString(kCodePanel))
        ->setText(QString::fromStdString(designCode(m_edition).pairName()));
}

// The client area below the menu bar opens at its designed place on the screen.
void MainWindow::placeAtDesignedPosition() {
    layout()->activate();
    const QPoint clientTopLeft =
        toPixels(TwipsPoint{kMainClientArea.left, kMainClientArea.top}, logicalDpi(*this));
    setGeometry(QRect(clientTopLeft - QPoint(0, centralWidget()->y()), size()));
}

// Each diagram is read when its type is first shown, which keeps the start short. A missing or unreadable
// image leaves its picture box empty.
void MainWindow::loadFigure(SlabType type) {
    QLabel& picture = control<QLabel>(*this, kFigurePictures[static_cast<std::size_t>(type)]);
    if (picture.pixmap().isNull()) {
        picture.setPixmap(
            QPixmap(m_figureFolder + QLatin1Char('/') + QString::fromUtf8(figureFileName(type))));
    }
}

void MainWindow::connectHandlers() {
    for (SlabType type : kSlabTypes) {
        connect(&option(type), &QRadioButton::toggled, this, [this, type](bool selected) {
            if (selected) {
                Option_Click(type);
            }
        });
    }
    for (int i = 0; i < kCheckFieldCount; ++i) {
        const auto field = static_cast<CheckField>(i);
        connect(&checkBox(field), &QCheckBox::toggled, this, [this, field] { chkOverride_Click(field); });
    }
    connect(&list(ListField::CboHNTDJ), &QComboBox::currentIndexChanged, this, &MainWindow::CboHNTDJ_Click);
    for (TextField field : kSpanInputs) {
        textBox(field).installEventFilter(this);
    }
    connect(&control<QPushButton>(*this, frmMain::Command1), &QPushButton::clicked, this,
            &MainWindow::Command1_Click);
    connect(&control<QPushButton>(*this, frmMain::Command2), &QPushButton::clicked, this,
            &MainWindow::Command2_Click);
}

// Fills the lists, selects their defaults (the concrete grade's handling writes both strengths) and sets
// the crack-width factors of the results record.
void MainWindow::Form_Load() {
    for (ListField field : kListLoadOrder) {
        for (std::string_view entry : listEntries(field, m_edition)) {
            list(field).addItem(toQString(entry));
        }
    }
    const DesignInput defaults;
    for (ListField field : kListLoadOrder) {
        QComboBox& box = list(field);
        box.setCurrentIndex(box.findText(QString::fromStdString(defaults.list(field))));
    }
    initialiseCrackWidthFactors(m_results);
}

DesignInput MainWindow::designInput() const {
    DesignInput input;
    input.edition = m_edition;
    input.safetyClass = m_safetyClass;
    input.project = m_project;
    input.reportFormat = m_reportFormat;
    for (SlabType type : kSlabTypes) {
        if (option(type).isChecked()) {
            input.slabType = type;
        }
    }
    for (int i = 0; i < kListFieldCount; ++i) {
        const auto field = static_cast<ListField>(i);
        input.list(field) = list(field).currentText().toStdString();
    }
    for (int i = 0; i < kCheckFieldCount; ++i) {
        const auto field = static_cast<CheckField>(i);
        input.check(field) = checkBox(field).isChecked();
    }
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        input.text(field) = textBox(field).text().toStdString();
    }
    return input;
}

void MainWindow::setProject(const ProjectInfo& project, ReportFormat format) {
    m_project = project;
    m_reportFormat = format;
}

void MainWindow::selectEdition(Edition edition) {
    if (edition == m_edition) {
        return;
    }
    unloadStirrupDialog();
    m_edition = edition;
    fillEditionLists(edition);
    showSettings();
    resetResultArea();
}

void MainWindow::selectSafetyClass(SafetyClass safetyClass) {
    if (safetyClass == m_safetyClass) {
        return;
    }
    unloadStirrupDialog();
    m_safetyClass = safetyClass;
    showSettings();
    resetResultArea();
}

// Refills the lists that change with the edition without running their handlers, selects each list's
// entry by the rule the plain record follows too, and runs the concrete grade's handling only when the
// grade's text changed, so strengths typed for a grade both editions have survive.
void MainWindow::fillEditionLists(Edition edition) {
    for (ListField field : kListLoadOrder) {
        if (!dependsOnEdition(field)) {
            continue;
        }
        QComboBox& box = list(field);
        const std::string shown = box.currentText().toStdString();
        const std::string entry = entryAfterEditionChange(field, shown, edition);
        {
            const QSignalBlocker quiet(box);
            box.clear();
            for (std::string_view name : listEntries(field, edition)) {
                box.addItem(toQString(name));
            }
            box.setCurrentIndex(box.findText(QString::fromStdString(entry)));
        }
        if (field == ListField::CboHNTDJ && entry != shown) {
            CboHNTDJ_Click();
        }
    }
}

void MainWindow::selectSlabType(SlabType type) {
    option(type).setChecked(true);
}

// A position outside the list selects nothing and keeps the selection.
void MainWindow::selectListEntry(ListField field, int position) {
    QComboBox& box = list(field);
    if (position >= 0 && position < box.count()) {
        box.setCurrentIndex(position);
    }
}

void MainWindow::setCheckState(CheckField field, bool checked) {
    checkBox(field).setChecked(checked);
}

void MainWindow::setText(TextField field, const std::string& text) {
    textBox(field).setText(QString::fromStdString(text));
}

void MainWindow::resetResultArea() {
    for (const ResultBox& box : kResultBoxes) {
        control<QLineEdit>(*this, box.name).clear();
    }
    greyResultArea();
}

// The heading stays as it is: only a calculation enables it.
void MainWindow::greyResultArea() {
    enableControls(*this, kResultCaptions, false);
    enableResultBoxes(*this, false);
    control<QWidget>(*this, frmMain::Command2).setEnabled(false);
    menuItem(*this, frmMain::mnuToolsDrawing).setEnabled(false);
    showVerdictLabels(*this, false);
}

void MainWindow::showResultArea() {
    control<QWidget>(*this, kResultHeading).setEnabled(true);
    enableControls(*this, kResultCaptions, true);
    enableResultBoxes(*this, true);
    showVerdictLabels(*this, true);
    control<QWidget>(*this, frmMain::Command2).setEnabled(true);
    // The drawing is made of the results shown, as the report is.
    menuItem(*this, frmMain::mnuToolsDrawing).setEnabled(true);
}

// The same steps for the three types; the tables give what each step does for which type.
void MainWindow::Option_Click(SlabType type) {
    const auto column = static_cast<std::size_t>(type);
    auto apply = [this, column](std::span<const ReconfigurationStep> steps) {
        for (const ReconfigurationStep& step : steps) {
            applyStep(*this, step, step.forType[column]);
        }
    };
    apply(kStepsBeforeReset);
    resetResultArea();
    apply(kStepsAfterReset);
    loadFigure(type);
}

// Only the ticked state unlocks; the text is neither checked nor restored.
void MainWindow::chkOverride_Click(CheckField field) {
    textBox(unlockedField(field)).setEnabled(checkBox(field).isChecked());
}

// Writes the code strengths of the chosen grade, whatever the override boxes say, and records the grade.
void MainWindow::CboHNTDJ_Click() {
    const std::string grade = list(ListField::CboHNTDJ).currentText().toStdString();
    for (const TextEdit& edit : concreteGradeStrengths(m_edition, grade)) {
        textBox(edit.field).setText(toQString(edit.text));
    }
    recordConcreteGrade(m_results, grade);
}

// Leaving txtJKJ, txtGZCD or txtBDH derives the calculation span again.
void MainWindow::spanInput_LostFocus() {
    textBox(TextField::txtJSKJ)
        .setText(QString::fromStdString(derivedSpanText(textBox(TextField::txtJKJ).text().toStdString(),
                                                        textBox(TextField::txtGZCD).text().toStdString(),
                                                        textBox(TextField::txtBDH).text().toStdString())));
}

// Only the span inputs are watched.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && movesToAnotherControl(*static_cast<QFocusEvent*>(event))) {
        spanInput_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Command1_Click() {
    const Expected<CalculateOutcome, Refusal> outcome = runCalculateCommand(designInput(), m_results);
    if (!outcome) {
        showRefusal(outcome.error());
        return;
    }
    m_stirrupDesign.sectionRecalculated();
    showResults(*outcome);
}

// The control to blame, a text box or a list, becomes editable (an override box stays as it is) and
// takes the focus.
void MainWindow::showRefusal(const Refusal& refusal) {
    m_prompter.message(QString::fromStdString(refusal.message), QString::fromUtf8(kMessageTitle),
                       MessageButtons::Ok);
    if (refusal.field) {
        QWidget& blamed = control<QWidget>(*this, controlName(*refusal.field));
        blamed.setEnabled(true);
        blamed.setFocus();
    }
    resetResultArea();
}

void MainWindow::showResultTexts(const ResultTexts& texts) {
    for (const ResultBox& box : kResultBoxes) {
        control<QLineEdit>(*this, box.name).setText(QString::fromStdString(texts.*box.text));
    }
}

void MainWindow::showCaption(const Verdict& verdict) {
    QLabel& label = control<QLabel>(*this, verdict.label);
    label.setText(QString::fromStdString(verdict.caption));
    setTextColour(label, toQColor(verdict.colour));
}

void MainWindow::showResults(const CalculateOutcome& outcome) {
    showResultTexts(outcome.texts);
    for (const Verdict& verdict : outcome.verdicts) {
        showVerdict(verdict, outcome.opensStirrupDialog);
    }
    showResultArea();
}

// A failed check shows its message after its caption, except the shear check: its message comes first,
// then the stirrup dialog, then the caption.
void MainWindow::showVerdict(const Verdict& verdict, bool opensStirrupDialog) {
    auto showMessage = [&] {
        if (!verdict.passed && verdict.message) {
            m_prompter.message(QString::fromStdString(*verdict.message), QString::fromUtf8(kMessageTitle),
                               MessageButtons::Ok);
        }
    };
    if (verdict.check == Check::Shear) {
        showMessage();
        if (opensStirrupDialog) {
            showStirrupDialog();
        }
        showCaption(verdict);
    } else {
        showCaption(verdict);
        showMessage();
    }
}

void MainWindow::showStirrupDialog() {
    if (!m_stirrupDialog || m_stirrupDialog->isUnloaded()) {
        m_stirrupDialog = new StirrupDialog(
            m_stirrupDesign, m_prompter,
            [this] { return list(ListField::CboHNTDJ).currentText().toStdString(); }, this);
        connect(m_stirrupDialog, &StirrupDialog::unloaded, this, &MainWindow::StirrupDialog_Unload);
    }
    m_stirrupDialog->show();
    m_stirrupDialog->raise();
    m_stirrupDialog->activateWindow();
}

StirrupCheck MainWindow::stirrupCheck() const {
    return m_stirrupDesign.hasCurrentCapacity() ? StirrupCheck::Current : StirrupCheck::NotDone;
}

void MainWindow::StirrupDialog_Unload(const StirrupClosingUpdate& update) {
    ResultTexts shown;
    for (const ResultBox& box : kResultBoxes) {
        shown.*box.text = control<QLineEdit>(*this, box.name).text().toStdString();
    }
    Verdict shear{Check::Shear, verdictLabel(Check::Shear), false, {}, {}, std::nullopt};
    applyClosingUpdate(update, shown, shear);
    showResultTexts(shown);
    showCaption(shear);
}

void MainWindow::setCommandHandler(CommandHandler* handler) {
    m_commands = handler;
}

void MainWindow::runCommand(void (CommandHandler::*command)()) {
    if (m_commands) {
        (m_commands->*command)();
    }
}

void MainWindow::Command2_Click() {
    runCommand(&CommandHandler::writeReport);
}

void MainWindow::mnuFileSave_Click() {
    runCommand(&CommandHandler::save);
}

void MainWindow::mnuFileSaveAs_Click() {
    runCommand(&CommandHandler::saveAs);
}

void MainWindow::mnuFileOpen_Click() {
    runCommand(&CommandHandler::open);
}

// Exactly like the close box: the request goes through closeEvent and its question.
void MainWindow::mnuFileClose_Click() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_commands && !m_commands->closeRequested()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// The About dialog is modal: while it is open no other window can have been loaded after it, so it goes
// first, then the modeless stirrup dialog.
void MainWindow::unloadOtherWindows() {
    if (m_aboutDialog) {
        m_aboutDialog->reject();
    }
    unloadStirrupDialog();
}

// The dialog's closing step runs as when the user closes it.
void MainWindow::unloadStirrupDialog() {
    if (m_stirrupDialog && !m_stirrupDialog->isUnloaded()) {
        m_stirrupDialog->reject();
    }
}

// Design mode on the input as it stands; an adopted design goes into the boxes as typed, and the
// calculate command then shows its verdicts the ordinary way.
void MainWindow::mnuToolsDesign_Click() {
    DesignDialog dialog(designInput(), m_prompter, this);
    if (dialog.exec() == QDialog::Accepted && dialog.adopted()) {
        applyDesign(dialog.adopted()->texts, *this);
        Command1_Click();
    }
}

// The reinforcement drawing of the results shown; a slab the drawing rules refuse gets the reason, a slab
// too heavy for four lifting rings is drawn without them and the warning follows the preview once.
void MainWindow::mnuToolsDrawing_Click() {
    const BarSchedule schedule = barSchedule(m_results);
    const QString title = QString::fromUtf8(kMessageTitle);
    if (!schedule.drawn()) {
        m_prompter.message(QString::fromStdString(schedule.message), title, MessageButtons::Ok);
        return;
    }
    DrawingDialog dialog(schedule, m_project, m_commands ? m_commands->inputFileName() : QString(),
                         m_prompter, this);
    for (const std::string& warning : schedule.warnings) {
        QTimer::singleShot(0, &dialog, [this, title, text = QString::fromStdString(warning)] {
            m_prompter.message(text, title, MessageButtons::Ok);
        });
    }
    dialog.exec();
}

// The options belong to the input and are saved with it; the design office and the calculating engineer
// are remembered for the next file that has none.
void MainWindow::mnuReportOptions_Click() {
    ReportDialog dialog(m_project.empty() ? newFileProject(m_prompter) : m_project, m_reportFormat,
                        m_prompter, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_project = dialog.project();
    m_reportFormat = dialog.format();
    m_prompter.writeSetting(QString::fromUtf8(kCompanySetting), QString::fromStdString(m_project.company));
    m_prompter.writeSetting(QString::fromUtf8(kCalculatedBySetting),
                            QString::fromStdString(m_project.calculatedBy));
}

void MainWindow::mnuHelpAbout_Click() {
    AboutDialog dialog(this, m_edition);
    m_aboutDialog = &dialog;
    dialog.exec();
}

QLineEdit& MainWindow::textBox(TextField field) const {
    return control<QLineEdit>(*this, controlName(field));
}
QComboBox& MainWindow::list(ListField field) const {
    return control<QComboBox>(*this, controlName(field));
}
QCheckBox& MainWindow::checkBox(CheckField field) const {
    return control<QCheckBox>(*this, controlName(field));
}
QRadioButton& MainWindow::option(SlabType type) const {
    return control<QRadioButton>(*this, controlName(type));
}

}  // namespace tavrel::ui
