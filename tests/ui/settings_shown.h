// What the main window shows of the code edition and the safety class in force: the checked items of
// the 设置 menu, whether the safety classes can be chosen, and the status bar's code panel.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace tavrel::ui::test {

struct SettingsShown {
    QString edition;            // the checked item of 设计规范
    QString safetyClass;        // the checked item of 结构安全等级
    bool safetyClassesEnabled;  // whether 结构安全等级 can be opened
    QString codePanel;          // the status bar's second panel

    bool operator==(const SettingsShown&) const = default;
};

inline QString checkedItem(const QMainWindow& window, const char* menu) {
    for (QAction* item : window.findChild<QMenu*>(menu)->actions()) {
        if (item->isChecked()) {
            return item->objectName();
        }
    }
    return {};
}

inline SettingsShown settingsShown(const QMainWindow& window) {
    return {checkedItem(window, "mnuCode"), checkedItem(window, "mnuSafety"),
            window.findChild<QMenu*>("mnuSafety")->menuAction()->isEnabled(),
            window.statusBar()->findChild<QLabel*>("Panel2")->text()};
}

inline const QString k2004Pair = QStringLiteral("JTG D60-2004  JTG D62-2004");
inline const QString k2018Pair = QStringLiteral("JTG D60-2015  JTG 3362-2018");

// For QCOMPARE's failure message.
inline char* toString(const SettingsShown& shown) {
    return qstrdup(
        qPrintable(QStringLiteral("{%1, %2, %3, \"%4\"}")
                       .arg(shown.edition, shown.safetyClass,
                            shown.safetyClassesEnabled ? QStringLiteral("enabled") : QStringLiteral("greyed"),
                            shown.codePanel)));
}

}  // namespace tavrel::ui::test
