// Shared helpers of the widget tests: a shown main window with a scripted prompter, and control access.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "calc/calculation_results.h"
#include "scripted_prompter.h"
#include "ui/form_layout.h"
#include "ui/main_window.h"

namespace tavrel::ui::test {

// The main window as the program starts it, shown and active, with its own results record.
struct MainWindowFixture {
    CalculationResults results;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;

    bool start() {
        window = std::make_unique<MainWindow>(results, prompter, QString());
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    // A fresh record, prompter and window, as for the next test.
    bool restart() {
        window.reset();
        results = {};
        prompter = {};
        return start();
    }

    template <typename Widget = QWidget>
    Widget& get(std::string_view name) const {
        return control<Widget>(*window, name);
    }

    QString text(std::string_view name) const { return get<QLineEdit>(name).text(); }
    QString caption(std::string_view name) const { return get<QLabel>(name).text(); }
    void type(std::string_view name, const QString& text) const { get<QLineEdit>(name).setText(text); }
    void click(std::string_view name) const {
        QTest::mouseClick(&get<QAbstractButton>(name), Qt::LeftButton);
    }
    void calculate() const { click("Command1"); }
};

// The named widgets in focus-chain order, starting at `first`; other widgets of the chain are passed over.
inline QStringList focusChain(QWidget& first, const QStringList& names) {
    QStringList chain;
    QWidget* widget = &first;
    do {
        if (names.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != &first);
    return chain;
}

inline QColor textColour(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

inline const QColor kPassed{18, 8, 0};
inline const QColor kFailed{255, 0, 0};

}  // namespace tavrel::ui::test
