// Widget tests of the main window's code edition and safety class, set as a file or the menu sets them:
// the refilled lists, the strengths, the result area, the stirrup dialog and a refusal that blames a list.
#include <QDialog>
#include <QTest>

#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

namespace {

QStringList entries(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

}  // namespace

class MainWindowEditionTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

    bool resultAreaShown() const { return f.get("Command2").isEnabled() && f.get("Label33").isVisible(); }

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void switchingEditionRefillsTheListsAndSelectsByTheRule() {
        f.get<QComboBox>("CboZJDJ").setCurrentIndex(0);  // R235
        f.get<QComboBox>("CboHJLB").setCurrentIndex(1);  // II类环境
        f.window->selectEdition(Edition::Jtg2018);
        QCOMPARE(entries(f.get<QComboBox>("CboHNTDJ")),
                 (QStringList{"C25", "C30", "C35", "C40", "C45", "C50"}));
        QCOMPARE(entries(f.get<QComboBox>("CboZJDJ")),
                 (QStringList{"HPB300", "HRB400", "HRBF400", "RRB400", "HRB500"}));
        QCOMPARE(f.get<QComboBox>("CboHJLB").count(), 7);
        QCOMPARE(f.get<QComboBox>("CboZJDJ").currentText(), QStringLiteral("HPB300"));
        QCOMPARE(f.get<QComboBox>("CboHJLB").currentText(), QStringLiteral("II类环境"));
        QCOMPARE(f.get<QComboBox>("CboHNTDJ").currentText(), QStringLiteral("C30"));
        const DesignInput input = f.window->designInput();
        QCOMPARE(input.edition, Edition::Jtg2018);
        QCOMPARE(input.CboZJDJ, std::string("HPB300"));

        f.get<QComboBox>("CboHNTDJ").setCurrentIndex(4);  // C45
        QCOMPARE(f.text("txtHNTKY"), QStringLiteral("20.5"));
        f.window->selectEdition(Edition::Jtg2004);
        QCOMPARE(f.get<QComboBox>("CboHNTDJ").currentText(), QStringLiteral("C30"));
        QCOMPARE(f.text("txtHNTKY"), QStringLiteral("13.8"));
        QCOMPARE(f.get<QComboBox>("CboZJDJ").currentText(), QStringLiteral("R235"));
        QCOMPARE(f.window->designInput().edition, Edition::Jtg2004);
    }

    // The concrete grade's handling runs only when its text changes: strengths typed for C30 survive.
    void typedStrengthsOfAGradeBothEditionsHaveSurvive() {
        f.window->setCheckState(CheckField::chkHNTKY, true);
        f.type("txtHNTKY", "15");
        f.window->selectEdition(Edition::Jtg2018);
        QCOMPARE(f.text("txtHNTKY"), QStringLiteral("15"));
        QCOMPARE(f.results.concreteGrade, std::string("C30"));
    }

    void switchingEditionOrSafetyClassResetsTheResultsAndTheSameChoiceDoesNothing() {
        f.calculate();
        QVERIFY(resultAreaShown());
        f.window->selectEdition(Edition::Jtg2004);
        f.window->selectSafetyClass(SafetyClass::Second);
        QVERIFY(resultAreaShown());
        f.window->selectEdition(Edition::Jtg2018);
        QVERIFY(!resultAreaShown());
        QVERIFY(f.text("txtKZWJ").isEmpty());

        f.calculate();
        QCOMPARE(f.text("txtKZWJ"), QStringLiteral("910.07"));
        f.window->selectSafetyClass(SafetyClass::First);
        QVERIFY(!resultAreaShown());
        QCOMPARE(f.window->designInput().safetyClass, SafetyClass::First);
        f.calculate();
        QCOMPARE(f.text("txtKZWJ"), QStringLiteral("1001.08"));
    }

    void switchingEditionUnloadsTheStirrupDialogAndItOpensWithTheNewGrades() {
        f.calculate();
        f.window->showStirrupDialog();
        QVERIFY(f.window->findChild<QDialog*>("Form3"));
        f.window->selectEdition(Edition::Jtg2018);
        QTest::qWait(0);  // the unloaded dialog deletes itself
        QVERIFY(!f.window->findChild<QDialog*>("Form3"));
        f.calculate();
        f.window->showStirrupDialog();
        auto* dialog = f.window->findChild<QDialog*>("Form3");
        QVERIFY(dialog);
        auto& grades = control<QComboBox>(*dialog, "CboGJDJ");
        QCOMPARE(entries(grades), (QStringList{"HPB300", "HRB400"}));
        QCOMPARE(grades.currentText(), QStringLiteral("HPB300"));
    }

    // C25 with HRB400 under the 2018 edition: the concrete list is to blame and takes the focus.
    void aRefusalThatBlamesAListFocusesTheList() {
        f.window->selectEdition(Edition::Jtg2018);
        f.get<QComboBox>("CboHNTDJ").setCurrentIndex(0);
        f.calculate();
        QCOMPARE(
            f.prompter.messageTexts(),
            QStringList{"采用HRB400、HRBF400、RRB400或HRB500钢筋时混凝土强度等级不应低于C30,请重新选择"});
        QCOMPARE(QApplication::focusWidget(), &f.get("CboHNTDJ"));
        QVERIFY(!resultAreaShown());
    }
};

QTEST_MAIN(MainWindowEditionTest)
#include "main_window_edition_test.moc"
