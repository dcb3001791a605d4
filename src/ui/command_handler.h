// The main window's commands that the program carries out outside the window: the File menu, the
// closing of the window and the calculation report. The window only passes its menu and button events on.
#pragma once

#include <QString>

namespace tavrel::ui {

class CommandHandler {
  public:
    virtual ~CommandHandler() = default;

    virtual void save() = 0;
    virtual void saveAs() = 0;
    virtual void open() = 0;

    // Asked by every request to close the main window, whatever its source; false keeps the window open.
    virtual bool closeRequested() = 0;

    virtual void writeReport() = 0;

    // The path of the input file the window holds (opened or saved); empty for an unnamed input.
    virtual QString inputFileName() const = 0;
};

}  // namespace tavrel::ui
