// Start-up baseline: a bare Qt main window of the same client size, shown and painted once. With
// "--caption" it also shows one Chinese caption in the windows' font, to tell the cost of loading and
// drawing the CJK font apart from the rest of the main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "quit_when_painted.h"
#include "ui/form_layout.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(824, 581);
    if (QApplication::arguments().contains(QStringLiteral("--caption"))) {
        auto* caption = new QLabel(QStringLiteral("计算参数"), &window);
        caption->setFont(tavrel::ui::windowFont(tavrel::ui::logicalDpi(window)));
        caption->move(32, 16);
    }
    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
