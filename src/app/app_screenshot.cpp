// Saves a picture of the main window after a calculation with the defaults.
#include "app/app_screenshot.h"

#include <QCoreApplication>
#include <QPixmap>

#include "ui/main_window.h"

namespace tavrel::app {

namespace {
const QString kOption = QStringLiteral("--screenshot");
}

std::optional<QString> screenshotPath(const QStringList& arguments) {
    const auto position = arguments.indexOf(kOption);
    if (position < 0 || position + 1 >= arguments.size()) {
        return std::nullopt;
    }
    return arguments.at(position + 1);
}

int saveScreenshot(ui::MainWindow& window, const QString& path) {
    window.show();
    QCoreApplication::processEvents();
    window.Command1_Click();
    QCoreApplication::processEvents();
    return window.grab().save(path, "PNG") ? 0 : 1;
}

}  // namespace tavrel::app
