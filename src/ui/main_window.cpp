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
#include <QStatusBar>

#include "calc/span.h"
#include "calc/tables.h"
#include "report/report_builder.h"
#include "ui/about_dialog.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"
#include "ui/stirrup_dialog.h"

namespace tavrel::ui {

namespace {

// The line of our own text after the program caption and its 30 blanks.
constexpr const char* kCaptionLine = "公路钢筋混凝土盖板涵盖板设计计算";
constexpr int kCaptionBlanks = 30;

// The diagram of each slab type, indexed by the type.
struct Figure {
    std::string_view picture;
    const char* file;
};
constexpr Figure kFigures[] = {
    {"Picture1", "暗涵盖板.JPG"},
    {"Picture2", "明涵盖板.JPG"},
    {"Picture3", "自定义荷载.JPG"},
};

constexpr const char* kStatusPanels[] = {"钢筋混凝土盖板涵盖板计算", "JTG D60-2004  JTG D62-2004",
                                         "版本 0.2"};

// The result area.
constexpr std::string_view kResultBoxes[] = {"txtKZWJ", "txtZDJL", "txtWJKL", "txtJLKL", "txtWfk", "txtWfk1"};
constexpr std::string_view kResultCaptions[] = {"Label20", "Label21", "Label22",
                                                "Label23", "Label26", "Label27"};
constexpr std::string_view kResultHeading = "Label19";
constexpr std::string_view kVerdictLabels[] = {"Label33", "Label34", "Label35", "Label36", "Label37"};
constexpr std::string_view kShearVerdictLabel = "Label34";

// One step of the slab-type reconfiguration: what happens to its controls for each type.
struct ReconfigurationStep {
    enum Effect { Show, Enable, ClearThenEnable } effect;
    std::array<std::string_view, 4> controls;
    std::array<bool, 3> forType;  // buried, open, custom load
};

constexpr ReconfigurationStep kStepsBeforeReset[] = {
    {ReconfigurationStep::Show, {"Label2", "txtTTG"}, {true, false, false}},
    {ReconfigurationStep::Show, {"Picture1"}, {true, false, false}},
    {ReconfigurationStep::Show, {"Picture2"}, {false, true, false}},
    {ReconfigurationStep::Show, {"Label29", "Label30", "Label31", "Label32"}, {false, true, false}},
    {ReconfigurationStep::Show, {"txtPZH", "txtBCH", "txtPZRZ", "txtBCRZ"}, {false, true, false}},
    {ReconfigurationStep::Show, {"chkPZRZ", "chkBCRZ"}, {false, true, false}},
    {ReconfigurationStep::Show, {"Picture3"}, {false, false, true}},
    {ReconfigurationStep::Show, {"Label38", "Label39", "Label40"}, {false, false, true}},
    {ReconfigurationStep::Show, {"txtJBHZ", "txtJBHZKD", "txtJZL"}, {false, false, true}},
    {ReconfigurationStep::Enable, {"Label18", "CboSJHZ"}, {true, true, false}},
};

// The soil unit weight is an input of the buried type only.
constexpr ReconfigurationStep kStepsAfterReset[] = {
    {ReconfigurationStep::Enable, {"Label16"}, {true, false, false}},
    {ReconfigurationStep::Enable, {"txtTRZ"}, {false, false, false}},
    {ReconfigurationStep::ClearThenEnable, {"chkTRZ"}, {true, false, false}},
};

// The three boxes whose leaving derives the calculation span again.
constexpr std::string_view kSpanInputs[] = {"txtJKJ", "txtGZCD", "txtBDH"};

// Order in which the window loads its lists and then selects their defaults.
constexpr ListField kListLoadOrder[] = {ListField::CboHNTDJ, ListField::CboZJDJ, ListField::CboSJHZ,
                                        ListField::CboZJZJ, ListField::CboHJLB};

constexpr SlabType kSlabTypes[] = {SlabType::Buried, SlabType::Open, SlabType::Custom};

void setTextColour(QLabel& label, Rgb colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    label.setPalette(palette);
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

QString defaultFigureFolder() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(kFigureFolderName);
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
    setFont(windowFont());
    setWindowTitle(QString::fromUtf8(kProgramCaption) + QString(kCaptionBlanks, QLatin1Char(' ')) +
                   QString::fromUtf8(kCaptionLine));

    createClientArea();
    createMenus();
    createStatusBar();
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
    auto* surface =
        new FormSurface(QSize(toPixels(kMainClientArea.width), toPixels(kMainStatusBar.top)), this);
    createControls(*surface, mainWindowControls());
    for (const GroupOutline& outline : mainWindowOutlines()) {
        surface->addLines(outlineSegments(outline), kAppWorkspaceColour);
    }
    setCentralWidget(surface);
    applyTabOrder(*this, mainWindowTabOrder());
    control<QWidget>(*this, "Label8").setToolTip(QString::fromUtf8(kSpanTooltip));
    control<QWidget>(*this, "txtJSKJ").setToolTip(QString::fromUtf8(kSpanTooltip));
}

void MainWindow::createMenus() {
    struct MenuItem {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (MainWindow::*handler)();
    };
    const MenuItem fileItems[] = {
        {"mnuFileSave", "保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::mnuFileSave_Click},
        {"mnuFileSaveAs", "另存为(&A)...", {}, &MainWindow::mnuFileSaveAs_Click},
        {"mnuFileOpen", "打开(&O)...", {}, &MainWindow::mnuFileOpen_Click},
        {"mnuFileBar0", nullptr, {}, nullptr},
        {"mnuFileClose", "关闭(&C)", {}, &MainWindow::mnuFileClose_Click},
    };
    const MenuItem helpItems[] = {
        {"mnuHelpAbout", "关于(&A) ", {}, &MainWindow::mnuHelpAbout_Click},
    };

    auto addMenu = [this](const char* name, const char* title, std::span<const MenuItem> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromUtf8(name));
        for (const MenuItem& item : items) {
            QAction* action =
                item.caption ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
            action->setObjectName(QString::fromUtf8(item.name));
            action->setShortcut(item.shortcut);
            if (item.handler) {
                connect(action, &QAction::triggered, this, item.handler);
            }
        }
    };
    addMenu("mnuFile", "文件(&F)", fileItems);
    addMenu("mnuHelp", "帮助(&H)", helpItems);
}

void MainWindow::createStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(toPixels(kMainStatusBar.height));
    for (const char* text : kStatusPanels) {
        auto* panel = new QLabel(QString::fromUtf8(text), bar);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->addWidget(panel, 1);
    }
    setStatusBar(bar);
}

// The client area below the menu bar opens at its designed place on the screen.
void MainWindow::placeAtDesignedPosition() {
    layout()->activate();
    const QPoint clientTopLeft = toPixels(TwipsPoint{kMainClientArea.left, kMainClientArea.top});
    setGeometry(QRect(clientTopLeft - QPoint(0, centralWidget()->y()), size()));
}

// Each diagram is read when its type is first shown, which keeps the start short. A missing or unreadable
// image leaves its picture box empty.
void MainWindow::loadFigure(SlabType type) {
    const Figure& figure = kFigures[static_cast<std::size_t>(type)];
    QLabel& picture = control<QLabel>(*this, figure.picture);
    if (picture.pixmap().isNull()) {
        picture.setPixmap(QPixmap(m_figureFolder + QLatin1Char('/') + QString::fromUtf8(figure.file)));
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
    for (std::string_view name : kSpanInputs) {
        control<QLineEdit>(*this, name).installEventFilter(this);
    }
    connect(&control<QPushButton>(*this, "Command1"), &QPushButton::clicked, this,
            &MainWindow::Command1_Click);
    connect(&control<QPushButton>(*this, "Command2"), &QPushButton::clicked, this,
            &MainWindow::Command2_Click);
}

// Fills the lists, selects their defaults (the concrete grade's handling writes both strengths) and sets
// the crack-width factors of the results record.
void MainWindow::Form_Load() {
    for (ListField field : kListLoadOrder) {
        for (std::string_view entry : listEntries(field)) {
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
    for (std::string_view name : kResultBoxes) {
        control<QLineEdit>(*this, name).clear();
    }
    greyResultArea();
}

void MainWindow::greyResultArea() {
    for (std::string_view name : kResultCaptions) {
        control<QWidget>(*this, name).setEnabled(false);
    }
    for (std::string_view name : kResultBoxes) {
        control<QWidget>(*this, name).setEnabled(false);
    }
    control<QWidget>(*this, "Command2").setEnabled(false);
    for (std::string_view name : kVerdictLabels) {
        control<QWidget>(*this, name).hide();
    }
}

void MainWindow::showResultArea() {
    control<QWidget>(*this, kResultHeading).setEnabled(true);
    for (std::string_view name : kResultCaptions) {
        control<QWidget>(*this, name).setEnabled(true);
    }
    for (std::string_view name : kResultBoxes) {
        control<QWidget>(*this, name).setEnabled(true);
    }
    for (std::string_view name : kVerdictLabels) {
        control<QWidget>(*this, name).show();
    }
    control<QWidget>(*this, "Command2").setEnabled(true);
}

// The same steps for the three types; the tables give what each step does for which type.
void MainWindow::Option_Click(SlabType type) {
    const auto column = static_cast<std::size_t>(type);
    auto apply = [this, column](std::span<const ReconfigurationStep> steps) {
        for (const ReconfigurationStep& step : steps) {
            const bool on = step.forType[column];
            for (std::string_view name : step.controls) {
                if (name.empty()) {
                    continue;
                }
                QWidget& widget = control<QWidget>(*this, name);
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
    if (const auto found = findConcreteGrade(grade)) {
        textBox(TextField::txtHNTKY).setText(toQString(found->fcdText));
        textBox(TextField::txtHNTKL).setText(toQString(found->ftdText));
    }
    recordConcreteGrade(m_results, grade);
}

void MainWindow::calculatedSpan_LostFocus() {
    textBox(TextField::txtJSKJ)
        .setText(QString::fromStdString(derivedSpanText(textBox(TextField::txtJKJ).text().toStdString(),
                                                        textBox(TextField::txtGZCD).text().toStdString(),
                                                        textBox(TextField::txtBDH).text().toStdString())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && movesToAnotherControl(*static_cast<QFocusEvent*>(event))) {
        calculatedSpan_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Command1_Click() {
    const CalculateOutcome outcome = runCalculateCommand(designInput(), m_results);
    if (outcome.refusal) {
        showRefusal(*outcome.refusal);
        return;
    }
    m_stirrupDesign.sectionRecalculated();
    showResults(outcome);
}

// The field to blame becomes editable (its override box stays as it is) and takes the focus.
void MainWindow::showRefusal(const CalculationRefusal& refusal) {
    m_prompter.message(QString::fromStdString(refusal.message), QString::fromUtf8(kMessageTitle),
                       MessageButtons::Ok);
    if (refusal.field) {
        QLineEdit& box = textBox(*refusal.field);
        box.setEnabled(true);
        box.setFocus();
    }
    resetResultArea();
}

void MainWindow::showResults(const CalculateOutcome& outcome) {
    const ResultTexts& texts = outcome.texts;
    control<QLineEdit>(*this, "txtWJKL").setText(QString::fromStdString(texts.txtWJKL));
    control<QLineEdit>(*this, "txtJLKL").setText(QString::fromStdString(texts.txtJLKL));
    control<QLineEdit>(*this, "txtKZWJ").setText(QString::fromStdString(texts.txtKZWJ));
    control<QLineEdit>(*this, "txtZDJL").setText(QString::fromStdString(texts.txtZDJL));
    control<QLineEdit>(*this, "txtWfk").setText(QString::fromStdString(texts.txtWfk));
    control<QLineEdit>(*this, "txtWfk1").setText(QString::fromStdString(texts.txtWfk1));
    for (const Verdict& verdict : outcome.verdicts) {
        showVerdict(verdict, outcome.opensStirrupDialog);
    }
    showResultArea();
}

// A failed check shows its message after its caption, except the shear check: its message comes first,
// then the stirrup dialog, then the caption.
void MainWindow::showVerdict(const Verdict& verdict, bool opensStirrupDialog) {
    QLabel& label = control<QLabel>(*this, verdict.label);
    auto showCaption = [&] {
        label.setText(QString::fromStdString(verdict.caption));
        setTextColour(label, verdict.colour);
    };
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
        showCaption();
    } else {
        showCaption();
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
    if (update.mainJLKLText) {
        control<QLineEdit>(*this, "txtJLKL").setText(QString::fromStdString(*update.mainJLKLText));
    }
    if (update.mainZDJLText) {
        control<QLineEdit>(*this, "txtZDJL").setText(QString::fromStdString(*update.mainZDJLText));
    }
    QLabel& label = control<QLabel>(*this, kShearVerdictLabel);
    label.setText(QString::fromStdString(update.caption));
    setTextColour(label, verdictColour(update.passed));
}

void MainWindow::setCommandHandler(CommandHandler* handler) {
    m_commands = handler;
}

void MainWindow::Command2_Click() {
    if (m_commands) {
        m_commands->writeReport();
    }
}

void MainWindow::mnuFileSave_Click() {
    if (m_commands) {
        m_commands->save();
    }
}

void MainWindow::mnuFileSaveAs_Click() {
    if (m_commands) {
        m_commands->saveAs();
    }
}

void MainWindow::mnuFileOpen_Click() {
    if (m_commands) {
        m_commands->open();
    }
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
    if (m_stirrupDialog && !m_stirrupDialog->isUnloaded()) {
        m_stirrupDialog->reject();
    }
}

void MainWindow::mnuHelpAbout_Click() {
    AboutDialog dialog(this);
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
