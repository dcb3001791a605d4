// The stirrup dialog Form3: stirrup grade, diameter and spacing, the shear capacity Vcs of concrete and
// stirrups, and the shear verdict it hands to the main window when it closes.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "calc/stirrup.h"
#include "ui/prompter.h"

namespace tavrel::ui {

class StirrupDialog : public QDialog {
    Q_OBJECT
  public:
    // The design is the main window's and outlives the dialog, so the main window still knows after the
    // dialog has closed whether Vcs was computed for its calculation; the load step starts it afresh.
    // mainConcreteGrade reads the grade selected on the main window when the button is pressed.
    StirrupDialog(StirrupDesign& design, Prompter& prompter, std::function<std::string()> mainConcreteGrade,
                  QWidget* mainWindow);

    // True once closed: the dialog is gone, and the next failed shear check loads a new one.
    bool isUnloaded() const { return m_unloaded; }

  public slots:
    void Command1_Click();
    // Every way of closing (close box, close()) ends here; the closing rule runs once.
    void done(int result) override;

  signals:
    void unloaded(const tavrel::StirrupClosingUpdate& update);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void CboGJDJ_Click();
    void CboGJZJ_Click();

    StirrupDesign& m_design;
    Prompter& m_prompter;
    std::function<std::string()> m_mainConcreteGrade;
    bool m_unloaded = false;
};

}  // namespace tavrel::ui
