// Shared helpers of the widget tests: a shown main window with a scripted prompter, and control access.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "calc/calculation_results.h"
#include "scripted_prompter.h"
#include "ui/form_layout.h"
#include "ui/main_window.h"

namespace tavrel::ui::test {

// The main window's six result boxes, their captions and the five verdict labels, in window order.
inline const char* const kResultBoxes[] = {"txtKZWJ", "txtWJKL", "txtZDJL", "txtJLKL", "txtWfk1", "txtWfk"};
inline const char* const kResultCaptions[] = {"Label20", "Label21", "Label22",
                                              "Label23", "Label26", "Label27"};
inline const char* const kVerdicts[] = {"Label33", "Label34", "Label35", "Label36", "Label37"};

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

    // fcd 0.5 MPa, ftd 0.1 MPa and three bars under the custom load fail the shear check (Vc 64.13 kN).
    void enterSectionFailingShear() const {
        window->selectSlabType(SlabType::Custom);
        window->setCheckState(CheckField::chkHNTKY, true);
        window->setCheckState(CheckField::chkHNTKL, true);
        type("txtHNTKY", "0.5");
        type("txtHNTKL", "0.1");
        type("txtZJGS", "3");
    }

    // Triggers the menu entry `action`, which opens a modal dialog; `whileOpen` sees the dialog and must
    // close it.
    void showModal(const char* action, const std::function<void(QDialog&)>& whileOpen) const {
        bool closedInTime = true;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            whileOpen(*dialog);
            if (dialog->isVisible()) {
                closedInTime = false;
                dialog->reject();
            }
        });
        window->findChild<QAction*>(action)->trigger();
        QVERIFY2(closedInTime, "the dialog was still open");
    }
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
