// Widget tests of the main window's code edition and safety class, set as a file or the menu sets them:
// the refilled lists, the strengths, the result area, the stirrup dialog and a refusal that blames a list;
// and the window under the 2018 pair: the worked numbers, the messages in check order and the stirrup
// dialog.
#include <QDialog>
#include <QTest>

#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

namespace {

const QString kShearMessage = QStringLiteral("斜截面抗剪承载力不足，请输入箍筋数据并验算斜截面抗剪承载力");

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
    QDialog* stirrupDialog() const { return f.window->findChild<QDialog*>("Form3"); }
    void chooseFromMenu(const char* item) const { f.window->findChild<QAction*>(item)->trigger(); }

    QStringList resultTexts() const {
        QStringList texts;
        for (const char* box : kResultBoxes) {
            texts << f.text(box);
        }
        return texts;
    }

    // The open slab of the stirrup example under the 2018 pair: L0 2 m, bearing 0.25 m, d1 = d2 = 30 cm,
    // span 2.25 m, 12 bars of 20 mm HRB400 (the 2018 default grade).
    void enterOpenSlabNeedingStirrups() const {
        chooseFromMenu("mnuCode2018");
        f.window->selectSlabType(SlabType::Open);
        f.type("txtJKJ", "2");
        f.type("txtGZCD", "0.25");
        f.type("txtBDH", "30");
        f.type("txtBZH", "30");
        f.type("txtJSKJ", "2.25");
        f.type("txtZJGS", "12");
        f.get<QComboBox>("CboZJZJ").setCurrentText(QStringLiteral("20"));
    }

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

    // The default input under the 2018 pair in each safety class; 一级 leaves the section short in shear
    // (γ0Vd 970.57 > Vc 891.45), which opens the stirrup dialog as under the 2004 rules.
    void theResultBoxesShowTheWorkedNumbersOfEachSafetyClass_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("二级") << "mnuSafety2"
                              << QStringList{"910.07", "2162.49", "882.34", "891.45", "0.20", "0.12"}
                              << QStringList{};
        QTest::newRow("三级") << "mnuSafety3"
                              << QStringList{"819.06", "2162.49", "794.11", "891.45", "0.20", "0.12"}
                              << QStringList{};
        QTest::newRow("一级") << "mnuSafety1"
                              << QStringList{"1001.08", "2162.49", "970.57", "891.45", "0.20", "0.12"}
                              << QStringList{kShearMessage};
    }
    void theResultBoxesShowTheWorkedNumbersOfEachSafetyClass() {
        QFETCH(QString, item);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, messages);
        chooseFromMenu("mnuCode2018");
        chooseFromMenu(qPrintable(item));
        f.calculate();
        QCOMPARE(resultTexts(), texts);
        QCOMPARE(f.prompter.messageTexts(), messages);
        QCOMPARE(stirrupDialog() != nullptr, !messages.isEmpty());
        QCOMPARE(f.caption("Label34").endsWith(QStringLiteral("√")), messages.isEmpty());
    }

    // A section too small for the design shear (d1 = d2 = 30 cm under 22 m of fill): the messages come in
    // check order, the shear message names 5.2.11, stirrups cannot help, so no dialog opens, and the box
    // shows Vc.
    void aSectionBelowTheUpperLimitInShearIsSaidLastAndOpensNoStirrupDialog() {
        chooseFromMenu("mnuCode2018");
        f.type("txtBDH", "30");
        f.type("txtBZH", "30");
        bool dialogWhileSaid = false;
        f.prompter.onMessage = [&](const AskedMessage&) { dialogWhileSaid |= stirrupDialog() != nullptr; };
        f.calculate();
        const QString code = QStringLiteral("《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG 3362-2018)");
        QCOMPARE(f.prompter.messageTexts(),
                 (QStringList{
                     "受压区高度为0.17，大于" + code +
                         "中5.2.1对于HRB400钢筋的相对界限受压区高度0.53×截面有效高度0.2565=0.14，"
                         "应减小主筋面积、减少主筋根数或增大截面尺寸。",
                     "正截面抗弯承载力验算未通过，应增大主筋面积、增加主筋根数或增大截面尺寸。",
                     "最大裂缝宽度验算未通过。",
                     "抗剪截面尺寸不满足" + code + "中5.2.11的要求，应增大截面尺寸或提高混凝土强度等级。"}));
        QVERIFY(!dialogWhileSaid);
        QVERIFY(!stirrupDialog());
        QCOMPARE(f.text("txtZDJL"), QStringLiteral("840.50"));
        QCOMPARE(f.text("txtJLKL"), QStringLiteral("220.61"));
        QCOMPARE(f.caption("Label34"), QStringLiteral("斜截面抗剪承载力验算未通过"));
        QCOMPARE(textColour(f.get<QLabel>("Label34")), kFailed);
        QCOMPARE(f.caption("Label37"), QStringLiteral("最小配筋率验算通过√"));
        QVERIFY(f.get("Command2").isEnabled());
    }

    // The upper limit passes (716.25 ≥ 273.10) and the bound fails (222.76): the dialog opens with the 2018
    // stirrup grades, HPB300 first; 10 mm at 10 cm give Vcs 288.67 with α3 = 1.0, which closing hands to
    // the main window as a passed check.
    void anOpenSlabNeedingStirrupsPassesWithTheStirrupsOfThe2018Dialog() {
        enterOpenSlabNeedingStirrups();
        f.calculate();
        QCOMPARE(resultTexts(), (QStringList{"155.44", "265.60", "273.10", "222.76", "0.20", "0.05"}));
        QCOMPARE(f.prompter.messageTexts(), QStringList{kShearMessage});
        QDialog* dialog = stirrupDialog();
        QVERIFY(dialog);
        auto& grades = control<QComboBox>(*dialog, "CboGJDJ");
        QCOMPARE(entries(grades), (QStringList{"HPB300", "HRB400"}));
        QCOMPARE(grades.currentText(), QStringLiteral("HPB300"));
        QCOMPARE(control<QComboBox>(*dialog, "CboGJZJ").currentText(), QStringLiteral("10"));
        QCOMPARE(control<QLineEdit>(*dialog, "txtGJJJ").text(), QStringLiteral("10"));
        QCOMPARE(control<QLineEdit>(*dialog, "txtZDJL").text(), QStringLiteral("273.10"));
        QTest::mouseClick(&control<QAbstractButton>(*dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(*dialog, "txtJLKL").text(), QStringLiteral("288.67"));
        QCOMPARE(f.results.Vcs, 288.66736f);
        dialog->close();
        QCOMPARE(f.text("txtJLKL"), QStringLiteral("288.67"));
        QCOMPARE(f.caption("Label34"), QStringLiteral("斜截面抗剪承载力验算通过√"));
        QCOMPARE(textColour(f.get<QLabel>("Label34")), kPassed);
        QCOMPARE(f.window->stirrupCheck(), StirrupCheck::Current);
    }
};

QTEST_MAIN(MainWindowEditionTest)
#include "main_window_edition_test.moc"
