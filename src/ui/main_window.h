// The main window frmMain: the design input, the calculate command and the result area.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "calc/calculate.h"
#include "calc/calculation_results.h"
#include "calc/stirrup.h"
#include "model/design_input.h"
#include "ui/command_handler.h"
#include "ui/prompter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tavrel::ui {

class AboutDialog;
class StirrupDialog;

// The program's title and version ("TavrelV0.2"), the start of every caption of the main window.
QString programCaption();

// The folder of the diagrams beside the executable.
QString defaultFigureFolder();

// The one input screen. It edits the design input through its controls (and so implements InputTarget
// with the side effects of a person's changes), runs the calculate command on the program's one results
// record and shows the outcome.
class MainWindow : public QMainWindow, public InputTarget {
    Q_OBJECT
  public:
    MainWindow(CalculationResults& results, Prompter& prompter,
               const QString& figureFolder = defaultFigureFolder(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The design input record as the controls hold it now.
    DesignInput designInput() const;

    // InputTarget: through the controls, so the handlers of the controls run. Like a click, selecting the
    // slab type already selected, or setting a check box to the state it has, runs nothing.
    // Another edition or safety class unloads the stirrup dialog and resets the result area, so that no
    // result of one setting is ever shown under another; another edition also refills the grade and
    // environment lists and selects by entryAfterEditionChange. The 设置 menu runs these too, and its
    // checked items and the status bar's code panel follow every change.
    void selectEdition(Edition edition) override;
    void selectSafetyClass(SafetyClass safetyClass) override;
    void selectSlabType(SlabType type) override;
    void selectListEntry(ListField field, int position) override;
    void setCheckState(CheckField field, bool checked) override;
    void setText(TextField field, const std::string& text) override;
    // The file's project information and report format, kept with the input and written with it; the
    // report options dialog edits them.
    void setProject(const ProjectInfo& project, ReportFormat format) override;

    // Empties the six result boxes, then greys the result area.
    void resetResultArea();
    // Greys the result captions and boxes and the report button and hides the verdicts; texts stay.
    void greyResultArea();

    // Opens the stirrup dialog without blocking; a dialog still open is only shown again.
    void showStirrupDialog();

    // Whether the stirrup values in the results record were computed, by the stirrup dialog's button,
    // for the calculation now shown and the stirrups now selected; the dialog may have closed since.
    StirrupCheck stirrupCheck() const;

    // The File menu, the report button and every request to close go to `handler`; without one the
    // commands do nothing and the window closes without asking. The handler must outlive the window
    // or be reset first.
    void setCommandHandler(CommandHandler* handler);

    // Unloads the other windows of the program that are still loaded, the most recent first, each
    // with its own closing rule.
    void unloadOtherWindows();

  public slots:
    void Command1_Click();
    void Command2_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuToolsDesign_Click();
    void mnuToolsDrawing_Click();
    void mnuReportOptions_Click();
    void mnuHelpAbout_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void createClientArea();
    void nameOverrideCheckBoxes();
    void createMenus();
    void createStatusBar();
    void showSettings();
    void placeAtDesignedPosition();
    void loadFigure(SlabType type);
    void connectHandlers();

    void fillEditionLists(Edition edition);
    void unloadStirrupDialog();
    void Option_Click(SlabType type);
    void chkOverride_Click(CheckField field);
    void CboHNTDJ_Click();
    void spanInput_LostFocus();
    void StirrupDialog_Unload(const StirrupClosingUpdate& update);

    void showRefusal(const Refusal& refusal);
    void showResults(const CalculateOutcome& outcome);
    void showResultTexts(const ResultTexts& texts);
    void showCaption(const Verdict& verdict);
    void showVerdict(const Verdict& verdict, bool opensStirrupDialog);
    void showResultArea();
    void runCommand(void (CommandHandler::*command)());

    QLineEdit& textBox(TextField field) const;
    QComboBox& list(ListField field) const;
    QCheckBox& checkBox(CheckField field) const;
    QRadioButton& option(SlabType type) const;

    CalculationResults& m_results;
    Prompter& m_prompter;
    Edition m_edition = Edition::Jtg2004;
    SafetyClass m_safetyClass = kDefaultSafetyClass;
    ProjectInfo m_project;
    ReportFormat m_reportFormat = ReportFormat::Original;
    QString m_figureFolder;
    StirrupDesign m_stirrupDesign;
    QPointer<StirrupDialog> m_stirrupDialog;
    QPointer<AboutDialog> m_aboutDialog;
    CommandHandler* m_commands = nullptr;
};

}  // namespace tavrel::ui
