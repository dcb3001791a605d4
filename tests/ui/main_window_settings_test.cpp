// Widget tests of the 设置 menu: where it stands and what it holds, the settings it and the status bar show
// after every way of changing them, and what choosing from it does to the lists, the results and the
// stirrup dialog.
#include <QActionGroup>
#include <QDialog>
#include <QMenuBar>
#include <QTest>

#include "settings_shown.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

namespace {

QStringList titlesOf(const QList<QAction*>& actions) {
    QStringList titles;
    for (const QAction* action : actions) {
        titles << action->text();
    }
    return titles;
}

}  // namespace

class MainWindowSettingsTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

    void trigger(const QString& item) const { f.window->findChild<QAction*>(item)->trigger(); }
    bool resultAreaShown() const { return f.get("Command2").isEnabled() && f.get("Label33").isVisible(); }
    QDialog* stirrupDialog() const { return f.window->findChild<QDialog*>("Form3"); }

    // A step that changes a setting: a menu item by its name, or "edition 2018" / "class 3" set as a file
    // or the last input sets it, through the window's InputTarget.
    void apply(const QString& step) const {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words.front() == QStringLiteral("edition")) {
            f.window->selectEdition(*editionOfYear(words.back().toStdString()));
        } else if (words.front() == QStringLiteral("class")) {
            f.window->selectSafetyClass(*safetyClassOfNumber(words.back().toStdString()));
        } else {
            trigger(step);
        }
    }

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void theSettingsMenuStandsBetweenFileAndToolsWithItsTwoSubmenusAndTheReportOptions() {
        QCOMPARE(titlesOf(f.window->menuBar()->actions()),
                 (QStringList{"文件(&F)", "设置(&S)", "工具(&T)", "帮助(&H)"}));
        QCOMPARE(titlesOf(f.window->findChild<QMenu*>("mnuSettings")->actions()),
                 (QStringList{"设计规范(&D)", "结构安全等级(&L)", "计算书选项(&R)..."}));
    }

    void eachChoiceIsAnExclusiveItemOfItsSubmenu_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::newRow("2004 pair") << "mnuCode2004"
                                   << "mnuCode" << k2004Pair;
        QTest::newRow("2018 pair") << "mnuCode2018"
                                   << "mnuCode" << k2018Pair;
        QTest::newRow("一级") << "mnuSafety1"
                              << "mnuSafety"
                              << "一级(γ0=1.1)";
        QTest::newRow("二级") << "mnuSafety2"
                              << "mnuSafety"
                              << "二级(γ0=1.0)";
        QTest::newRow("三级") << "mnuSafety3"
                              << "mnuSafety"
                              << "三级(γ0=0.9)";
    }
    void eachChoiceIsAnExclusiveItemOfItsSubmenu() {
        QFETCH(QString, item);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        auto* action = f.window->findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QVERIFY(action->isCheckable());
        QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive());
        QVERIFY(f.window->findChild<QMenu*>(menu)->actions().contains(action));
        QCOMPARE(action->actionGroup()->actions(), f.window->findChild<QMenu*>(menu)->actions());
    }

    // The checked items, the greyed safety classes and the status bar follow the settings however they
    // change; under the 2004 pair the safety classes keep their checked item.
    void theMenuAndStatusBarShowTheSettingsInForce_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<SettingsShown>("shown");
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("safetyClass");
        QTest::newRow("at start") << QStringList{}
                                  << SettingsShown{"mnuCode2004", "mnuSafety2", false, k2004Pair} << 2004
                                  << 2;
        QTest::newRow("menu: 2018") << QStringList{"mnuCode2018"}
                                    << SettingsShown{"mnuCode2018", "mnuSafety2", true, k2018Pair} << 2018
                                    << 2;
        QTest::newRow("menu: 2018, 一级")
            << QStringList{"mnuCode2018", "mnuSafety1"}
            << SettingsShown{"mnuCode2018", "mnuSafety1", true, k2018Pair} << 2018 << 1;
        QTest::newRow("menu: 2018, 三级, back to 2004")
            << QStringList{"mnuCode2018", "mnuSafety3", "mnuCode2004"}
            << SettingsShown{"mnuCode2004", "mnuSafety3", false, k2004Pair} << 2004 << 3;
        QTest::newRow("menu: the checked edition again")
            << QStringList{"mnuCode2004"} << SettingsShown{"mnuCode2004", "mnuSafety2", false, k2004Pair}
            << 2004 << 2;
        QTest::newRow("as a file sets it: 2018, 一级")
            << QStringList{"edition 2018", "class 1"}
            << SettingsShown{"mnuCode2018", "mnuSafety1", true, k2018Pair} << 2018 << 1;
        QTest::newRow("as a 2004 file sets it after 2018 三级")
            << QStringList{"mnuCode2018", "mnuSafety3", "edition 2004", "class 2"}
            << SettingsShown{"mnuCode2004", "mnuSafety2", false, k2004Pair} << 2004 << 2;
    }
    void theMenuAndStatusBarShowTheSettingsInForce() {
        QFETCH(QStringList, steps);
        QFETCH(SettingsShown, shown);
        QFETCH(int, edition);
        QFETCH(int, safetyClass);
        for (const QString& step : steps) {
            apply(step);
        }
        QCOMPARE(settingsShown(*f.window), shown);
        const DesignInput input = f.window->designInput();
        QCOMPARE(editionYear(input.edition), edition);
        QCOMPARE(safetyClassNumber(input.safetyClass), safetyClass);
    }

    // From a 2018 calculation with the stirrup dialog open: another setting unloads the dialog and resets
    // the results; the setting already checked changes nothing.
    void choosingAnotherSettingResetsTheResultsAndTheCheckedOneDoesNothing_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("resets");
        QTest::newRow("the edition in force") << "mnuCode2018" << false;
        QTest::newRow("the class in force") << "mnuSafety2" << false;
        QTest::newRow("another class") << "mnuSafety1" << true;
        QTest::newRow("another edition") << "mnuCode2004" << true;
    }
    void choosingAnotherSettingResetsTheResultsAndTheCheckedOneDoesNothing() {
        QFETCH(QString, item);
        QFETCH(bool, resets);
        trigger(QStringLiteral("mnuCode2018"));
        f.calculate();
        f.window->showStirrupDialog();
        QVERIFY(resultAreaShown() && stirrupDialog());
        trigger(item);
        QTest::qWait(0);  // an unloaded dialog deletes itself
        QCOMPARE(resultAreaShown(), !resets);
        QCOMPARE(f.text("txtKZWJ").isEmpty(), resets);
        QCOMPARE(stirrupDialog() == nullptr, resets);
        QVERIFY(f.prompter.messages.empty());
    }

    // Each list keeps its entry where the other edition has it, goes to the successor of a renamed bar
    // grade, and otherwise to the edition's default; the way back follows the same rule.
    void switchingBackAndForthSelectsByTheRule_data() {
        QTest::addColumn<QString>("startItem");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("afterSwitch");
        QTest::addColumn<QString>("afterSwitchBack");
        const char* const rows[][5] = {
            // clang-format off
            {"mnuCode2004", "CboZJDJ",  "R235",      "HPB300",   "R235"},
            {"mnuCode2004", "CboZJDJ",  "KL400",     "RRB400",   "KL400"},
            {"mnuCode2004", "CboZJDJ",  "HRB335",    "HRB400",   "HRB400"},
            {"mnuCode2004", "CboHNTDJ", "C20",       "C30",      "C30"},
            {"mnuCode2004", "CboHNTDJ", "C40",       "C40",      "C40"},
            {"mnuCode2004", "CboHJLB",  "IV类环境",  "IV类环境", "IV类环境"},
            {"mnuCode2018", "CboZJDJ",  "HRBF400",   "HRB335",   "HRB400"},
            {"mnuCode2018", "CboZJDJ",  "HRB500",    "HRB335",   "HRB400"},
            {"mnuCode2018", "CboZJDJ",  "RRB400",    "KL400",    "RRB400"},
            {"mnuCode2018", "CboHNTDJ", "C45",       "C30",      "C30"},
            {"mnuCode2018", "CboHNTDJ", "C25",       "C25",      "C25"},
            {"mnuCode2018", "CboHJLB",  "VI类环境",  "I类环境",  "I类环境"},
            // clang-format on
        };
        for (const auto& [start, list, chosen, after, back] : rows) {
            QTest::addRow("%s from %s", list, chosen) << start << list << chosen << after << back;
        }
    }
    void switchingBackAndForthSelectsByTheRule() {
        QFETCH(QString, startItem);
        QFETCH(QString, list);
        QFETCH(QString, chosen);
        QFETCH(QString, afterSwitch);
        QFETCH(QString, afterSwitchBack);
        const QString otherItem = startItem == QStringLiteral("mnuCode2004") ? QStringLiteral("mnuCode2018")
                                                                             : QStringLiteral("mnuCode2004");
        trigger(startItem);
        auto& box = f.get<QComboBox>(list.toStdString());
        box.setCurrentIndex(box.findText(chosen));
        QCOMPARE(box.currentText(), chosen);
        trigger(otherItem);
        QCOMPARE(box.currentText(), afterSwitch);
        trigger(startItem);
        QCOMPARE(box.currentText(), afterSwitchBack);
    }
};

QTEST_MAIN(MainWindowSettingsTest)
#include "main_window_settings_test.moc"
