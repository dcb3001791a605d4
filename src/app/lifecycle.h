// The end of the program: the exit question, and the unloading of the main window with the window
// geometry record and the last-input file.
#pragma once

namespace tavrel::ui {
class MainWindow;
class Prompter;
}  // namespace tavrel::ui

namespace tavrel::app {

class LastInputFile;

class Lifecycle {
  public:
    Lifecycle(ui::MainWindow& window, ui::Prompter& prompter, const LastInputFile& lastInput);

    // Every request to close the main window: asks the exit question and, on Yes, unloads. True when the
    // window may go. Once unloaded, further requests let it go without asking again.
    bool closeRequested();

    // The desktop session ends. With `mayAsk` the exit question decides as for any close request;
    // without it nothing can be asked and the program unloads, keeping the input. True when the
    // session may end.
    bool endSession(bool mayAsk);

    // Unloads once: the other windows, newest first; the geometry unless minimised; Date.dat. A store
    // or file that cannot be written gets its message and the unloading goes on.
    void unload();

  private:
    void writeGeometry();
    void writeLastInput();

    ui::MainWindow& m_window;
    ui::Prompter& m_prompter;
    const LastInputFile& m_lastInput;
    bool m_unloaded = false;
};

}  // namespace tavrel::app
