// The hidden option "--screenshot FILE": a picture of the main window after a calculation with the
// defaults, for the documentation.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrel::ui {
class MainWindow;
}

namespace tavrel::app {

// The FILE of "--screenshot FILE" among the program's arguments.
std::optional<QString> screenshotPath(const QStringList& arguments);

// Shows the window, presses "计　算" and saves the window's picture as PNG; the process exit code.
int saveScreenshot(ui::MainWindow& window, const QString& path);

}  // namespace tavrel::app
