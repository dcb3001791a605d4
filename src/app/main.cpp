// Start of the window program: the platform questions and the start routine, then the events until the
// main window has gone.
#include <QApplication>
#include <QIcon>
#include <QSessionManager>

#include "app/app_screenshot.h"
#include "app/program.h"
#include "base/version.h"
#include "calc/calculation_results.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"

namespace {

// The documentation picture shows the defaults: no last input is restored or written.
int drawScreenshot(tavrel::ui::Prompter& prompter, const QString& path) {
    tavrel::CalculationResults results;
    tavrel::ui::MainWindow window(results, prompter);
    return tavrel::app::saveScreenshot(window, path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tavrel::kProgramTitle));
    // The desktop matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tavrel")));
    tavrel::ui::QtPrompter prompter;

    if (const auto path = tavrel::app::screenshotPath(QApplication::arguments())) {
        return drawScreenshot(prompter, *path);
    }

    tavrel::app::Program program(prompter, tavrel::app::ProgramFolders::installed());
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&program](QSessionManager& manager) { program.commitData(manager); });
    program.window().show();
    if (const auto file = tavrel::app::fileToOpen(QApplication::arguments())) {
        program.openGivenFile(*file);
    }
    return QApplication::exec();
}
