// The design dialog frmDesign: the ranges and the objective of design mode, the design it finds for the
// main window's input with its quantities and utilisations, and the best design with each other diameter.
#pragma once

#include <QDialog>

#include <optional>

#include "design/design_search.h"
#include "ui/prompter.h"

namespace tavrel::ui {

class DesignDialog : public QDialog {
    Q_OBJECT
  public:
    // `record` is the main window's input when the dialog opens; the dialog never changes the window.
    DesignDialog(const DesignInput& record, Prompter& prompter, QWidget* mainWindow);

    // The design to write into the main window, once 采用 has closed the dialog.
    const std::optional<SlabDesign>& adopted() const { return m_adopted; }

  public slots:
    void cmdDesign_Click();
    void cmdAdopt_Click();

  private:
    std::optional<DesignRequest> request();
    void showDesign(const SlabDesign& design, DesignObjective objective);
    void showAlternatives(const std::vector<SlabDesign>& designs);
    void clearResults();

    DesignInput m_record;
    Prompter& m_prompter;
    std::optional<SlabDesign> m_found;
    std::optional<SlabDesign> m_adopted;
};

}  // namespace tavrel::ui
