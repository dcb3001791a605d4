// The start routine and the commands of the main window that live outside it.
#include "app/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>
#include <QStandardPaths>

#include "app/report_command.h"
#include "model/slab_type.h"
#include "platform/program.h"

namespace tavrel::app {

ProgramFolders ProgramFolders::installed() {
    return ofProgramIn(platform::programFolder());
}

ProgramFolders ProgramFolders::ofProgramIn(const std::string& programFolder) {
    // An installed program keeps the last input in the per-user folder only (~/.local/share/Tavrel,
    // %APPDATA%\Tavrel), also where the user may write the program's folder (the superuser, an
    // administrator): a file left in /usr/bin or Program Files belongs to no package and no user.
    const bool packaged = platform::installedProgram(programFolder, kFigureFolderName);
    return {
        packaged ? QString() : QString::fromStdString(programFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        // In Qt's form (forward slashes) on every platform, as the other folders are.
        QDir::cleanPath(QString::fromStdString(figureFolderOf(programFolder))),
        QDir::tempPath(),
    };
}

std::optional<QString> fileToOpen(const QStringList& arguments) {
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (optionsEnded || !argument.startsWith(QLatin1Char('-'))) {
            return QFileInfo(argument).absoluteFilePath();
        }
    }
    return std::nullopt;
}

Program::Program(ui::Prompter& prompter, const ProgramFolders& folders)
    : m_prompter(prompter),
      m_folders(folders),
      m_window(m_results, prompter, folders.figures),
      m_lastInput(folders.program, folders.userData),
      m_fileCommands(m_window, prompter),
      m_lifecycle(m_window, prompter, m_lastInput) {
    m_lastInput.restore(m_window);
    m_window.setCommandHandler(this);
}

Program::~Program() {
    m_window.setCommandHandler(nullptr);
}

void Program::commitData(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    const bool ends = m_lifecycle.endSession(mayAsk);
    if (mayAsk) {
        manager.release();
    }
    if (!ends) {
        manager.cancel();
        return;
    }
    m_window.close();
}

void Program::openGivenFile(const QString& path) {
    m_fileCommands.openFile(path);
}

void Program::save() {
    m_fileCommands.save();
}

void Program::saveAs() {
    m_fileCommands.saveAs();
}

void Program::open() {
    m_fileCommands.open();
}

bool Program::closeRequested() {
    return m_lifecycle.closeRequested();
}

// The format the input's report options chose; the full one names the input file in its footer.
void Program::writeReport() {
    std::optional<FullReportInput> full;
    if (DesignInput input = m_window.designInput(); input.reportFormat == ReportFormat::Full) {
        full = FullReportInput{std::move(input), QFileInfo(currentFileName()).fileName()};
    }
    WriteCalcReport(m_results, m_window.stirrupCheck(), m_prompter, m_folders.figures, m_folders.reports,
                    full);
}

}  // namespace tavrel::app
