// Start of the window program: the one results record, the platform questions and the main window.
#include <QApplication>

#include "app/app_screenshot.h"
#include "calc/calculation_results.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));

    tavrel::CalculationResults results;
    tavrel::ui::QtPrompter prompter;
    tavrel::ui::MainWindow window(results, prompter);

    if (const auto path = tavrel::app::screenshotPath(QApplication::arguments())) {
        return tavrel::app::saveScreenshot(window, *path);
    }
    window.show();
    return QApplication::exec();
}
