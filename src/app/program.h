// The start routine: the one results record, the main window loaded and restored, and the commands the
// window hands on (File menu, closing, report).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

#include "app/file_commands.h"
#include "app/last_input.h"
#include "app/lifecycle.h"
#include "calc/calculation_results.h"
#include "ui/command_handler.h"
#include "ui/main_window.h"

class QSessionManager;

namespace tavrel::app {

// The folders the program works with; tests point them at temporary folders.
struct ProgramFolders {
    QString program;   // beside the executable: the last-input file first of all; empty when installed
    QString userData;  // per-user data folder: the last-input file where `program` cannot be written
    QString figures;   // the diagrams the report embeds
    QString reports;   // where each report is written as a new file

    // The folders of the running program.
    static ProgramFolders installed();
    // The folders of a program whose executable lies in `programFolder` (UTF-8).
    static ProgramFolders ofProgramIn(const std::string& programFolder);
};

// The input file named on the command line, as an absolute path: what the menu entry passes for a .tvrl
// file opened from the desktop. The first argument after the program name that is no option ("--" ends
// the options); none when there is no such argument.
std::optional<QString> fileToOpen(const QStringList& arguments);

class Program final : public ui::CommandHandler {
  public:
    // Loads the main window (lists, defaults, crack-width factors), then restores the last input.
    // The window is not shown yet.
    Program(ui::Prompter& prompter, const ProgramFolders& folders);
    ~Program() override;

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ui::MainWindow& window() { return m_window; }
    const CalculationResults& results() const { return m_results; }
    const QString& currentFileName() const { return m_fileCommands.currentFileName(); }

    // The desktop session is ending: ask when the session allows it, then close like the close box;
    // cancels the shutdown on No.
    void commitData(QSessionManager& manager);

    // Opens the file given at start as 打开 does after its dialog, without the question first: nothing
    // has been entered yet that could be lost.
    void openGivenFile(const QString& path);

    void save() override;
    void saveAs() override;
    void open() override;
    bool closeRequested() override;
    void writeReport() override;
    QString inputFileName() const override { return currentFileName(); }

  private:
    ui::Prompter& m_prompter;
    ProgramFolders m_folders;
    CalculationResults m_results;
    ui::MainWindow m_window;
    LastInputFile m_lastInput;
    FileCommands m_fileCommands;
    Lifecycle m_lifecycle;
};

}  // namespace tavrel::app
