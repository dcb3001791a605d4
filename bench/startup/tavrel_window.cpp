// Start-up of the program's main window, built as the program builds it, shown and painted once.
#include <QApplication>

#include "calc/calculation_results.h"
#include "quit_when_painted.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tavrel::CalculationResults results;
    tavrel::ui::QtPrompter prompter;
    tavrel::ui::MainWindow window(results, prompter);
    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
