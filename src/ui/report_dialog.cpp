// The report options dialog, built from its layout table: format, project information and issue date.
#include "ui/report_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

// The box of each project field, in the order of projectFields().
constexpr std::array<std::string_view, 10> kFieldBoxes = {
    frmReport::txtProject,    frmReport::txtStructure, frmReport::txtStage,        frmReport::txtReportNumber,
    frmReport::txtRevision,   frmReport::txtCompany,   frmReport::txtCalculatedBy, frmReport::txtCheckedBy,
    frmReport::txtApprovedBy, frmReport::txtIssueDate,
};

constexpr const char* kIssueDateHint = "YYYY-MM-DD；留空为出具计算书当天的日期";

}  // namespace

ProjectInfo newFileProject(Prompter& prompter) {
    ProjectInfo project;
    project.stage = std::string(kDefaultStage);
    project.revision = std::string(kDefaultRevision);
    project.company = prompter.readSetting(QString::fromUtf8(kCompanySetting)).toStdString();
    project.calculatedBy = prompter.readSetting(QString::fromUtf8(kCalculatedBySetting)).toStdString();
    return project;
}

ReportDialog::ReportDialog(const ProjectInfo& project, ReportFormat format, Prompter& prompter,
                           QWidget* mainWindow)
    : QDialog(mainWindow), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("计算书选项"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(logicalDpi(*this)));
    setModal(true);
    const FormSurface& surface = createSurface(*this, kReportClientArea, reportDialogTables());
    setFixedSize(surface.size());

    const auto fields = projectFields();
    for (std::size_t index = 0; index < kFieldBoxes.size(); ++index) {
        auto& box = control<QLineEdit>(*this, kFieldBoxes[index]);
        box.setText(QString::fromStdString(project.*fields[index].member));
    }
    control<QLineEdit>(*this, frmReport::txtIssueDate).setPlaceholderText(QString::fromUtf8(kIssueDateHint));
    control<QRadioButton>(*this, format == ReportFormat::Full ? frmReport::optFull : frmReport::optOriginal)
        .setChecked(true);

    auto& ok = control<QPushButton>(*this, frmReport::cmdOK);
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this, &ReportDialog::cmdOK_Click);
    connect(&control<QPushButton>(*this, frmReport::cmdCancel), &QPushButton::clicked, this,
            &QDialog::reject);
    if (mainWindow) {
        centreOver(*this, *mainWindow);
    }
}

ProjectInfo ReportDialog::project() const {
    ProjectInfo project;
    const auto fields = projectFields();
    for (std::size_t index = 0; index < kFieldBoxes.size(); ++index) {
        project.*fields[index].member = control<QLineEdit>(*this, kFieldBoxes[index]).text().toStdString();
    }
    return project;
}

ReportFormat ReportDialog::format() const {
    return control<QRadioButton>(*this, frmReport::optFull).isChecked() ? ReportFormat::Full
                                                                        : ReportFormat::Original;
}

// A value the file cannot hold is refused here, where it was typed, and nothing is taken over.
void ReportDialog::cmdOK_Click() {
    const ProjectInfo typed = project();
    const auto fields = projectFields();
    for (std::size_t index = 0; index < kFieldBoxes.size(); ++index) {
        if (const auto problem = projectValueProblem(fields[index], typed.*fields[index].member)) {
            m_prompter.message(QString::fromStdString(*problem), QString::fromUtf8(kMessageTitle),
                               MessageButtons::Ok);
            auto& box = control<QLineEdit>(*this, kFieldBoxes[index]);
            box.setFocus();
            box.selectAll();
            return;
        }
    }
    accept();
}

}  // namespace tavrel::ui
