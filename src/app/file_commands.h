// The File menu's save, save as and open commands, and the current file name they share.
#pragma once

#include <QString>

namespace tavrel::ui {
class MainWindow;
class Prompter;
}  // namespace tavrel::ui

namespace tavrel::app {

// Caption of the main window once a file has been saved or opened: the program's title, its version
// and two blanks before the file's path.
QString fileCaption(const QString& path);

class FileCommands {
  public:
    FileCommands(ui::MainWindow& window, ui::Prompter& prompter);

    // Asks for a name only while there is no current file name.
    void save();
    // Always asks for a name.
    void saveAs();
    // Asks before anything is lost, then reads the chosen file into the window.
    void open();
    // Reads `path` into the window as open does once its dialog has returned the name: the same
    // messages, and a file that cannot be read whole changes nothing.
    void openFile(const QString& path);

    // The path last chosen in a file dialog; empty at start and after No or Cancel to a replace
    // question. It is also the initial name of the dialogs.
    const QString& currentFileName() const { return m_currentFileName; }

  private:
    enum class Replace { Write, AskAgain, Stop };

    void saveWithDialog(const QString& dialogTitle, bool askFirst);
    Replace confirmReplace();
    bool writeCurrentFile();

    ui::MainWindow& m_window;
    ui::Prompter& m_prompter;
    QString m_currentFileName;
};

}  // namespace tavrel::app
