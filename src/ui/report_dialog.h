// The report options dialog frmReport (设置 → 计算书选项): the report format and the project information
// that the full report prints on its cover page, header and footer.
#pragma once

#include <QDialog>

#include "model/project_info.h"
#include "ui/prompter.h"

namespace tavrel::ui {

// The per-user settings keys of the two values a new file starts with: the design office and the person
// who calculates are the same from one culvert to the next.
inline constexpr const char* kCompanySetting = "ReportCompany";
inline constexpr const char* kCalculatedBySetting = "ReportCalculatedBy";

// What a file without project information starts with in the dialog: the default stage and revision, and
// the remembered design office and calculating engineer.
ProjectInfo newFileProject(Prompter& prompter);

// Modal; shows `project` and `format`, and on 确定 refuses, with a message naming the field, its limit or
// the character, any value the input file cannot hold, keeping the dialog open at that box.
class ReportDialog : public QDialog {
    Q_OBJECT
  public:
    ReportDialog(const ProjectInfo& project, ReportFormat format, Prompter& prompter, QWidget* mainWindow);

    // The values as the boxes hold them.
    ProjectInfo project() const;
    ReportFormat format() const;

  public slots:
    void cmdOK_Click();

  private:
    Prompter& m_prompter;
};

}  // namespace tavrel::ui
