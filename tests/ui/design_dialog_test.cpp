// Widget tests of the design dialog: the Tools menu, the design it shows under the edition in force,
// refused ranges, and adopting a design into the main window, whose calculate command then shows the
// verdicts.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/design_dialog.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

class DesignDialogTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

    // Runs Tools > 自动设计; `whileOpen` sees the modal dialog and closes it.
    void showDesignDialog(const std::function<void(QDialog&)>& whileOpen) {
        f.showModal("mnuToolsDesign", whileOpen);
    }

    static QString boxText(QDialog& dialog, std::string_view name) {
        return control<QLineEdit>(dialog, name).text();
    }
    static void click(QDialog& dialog, std::string_view name) {
        QTest::mouseClick(&control<QAbstractButton>(dialog, name), Qt::LeftButton);
    }

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void theToolsMenuStandsBeforeTheHelpMenu() {
        QStringList titles;
        for (QAction* menu : f.window->menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, (QStringList{"文件(&F)", "设置(&S)", "工具(&T)", "帮助(&H)"}));
        QCOMPARE(f.window->findChild<QAction*>("mnuToolsDesign")->text(), QStringLiteral("自动设计(&D)..."));
    }

    void designShowsTheThinnestSlabItsQuantitiesUtilisationsAndOtherDiameters() {
        showDesignDialog([](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmDesign"));
            QVERIFY(!control<QPushButton>(dialog, "cmdAdopt").isEnabled());
            click(dialog, "cmdDesign");
            QCOMPARE(boxText(dialog, "txtResultBDH"), QStringLiteral("96"));
            QCOMPARE(boxText(dialog, "txtResultBZH"), QStringLiteral("101"));
            QCOMPARE(boxText(dialog, "txtResultBars"), QStringLiteral("14Φ25"));
            QCOMPARE(boxText(dialog, "txtResultConcrete"), QStringLiteral("4.00"));
            QCOMPARE(boxText(dialog, "txtResultSteel"), QStringLiteral("253.5"));  // N1 + N2
            QVERIFY(boxText(dialog, "txtResultCost").isEmpty());  // a price only for the cheapest objective
            QCOMPARE(boxText(dialog, "txtUseShear"), QStringLiteral("1.00"));
            QVERIFY(control<QLineEdit>(dialog, "txtUseShear").font().bold());
            const QString note = control<QLabel>(dialog, "lblNote").text();
            QVERIFY(note.contains(QStringLiteral("钢筋数量含主筋、分布钢筋和吊环")));
            QVERIFY(note.contains(QStringLiteral("仅能吊起94.26kN，本图未设吊环")));  // no R235 ring lifts it
            QVERIFY(!note.contains(QStringLiteral("分布钢筋未设计")));
            QVERIFY(!control<QLabel>(dialog, "lblAlternative1").text().isEmpty());
            QVERIFY(!control<QLabel>(dialog, "lblAlternative1").text().startsWith(QStringLiteral("14Φ25")));
            QVERIFY(control<QPushButton>(dialog, "cmdAdopt").isEnabled());
            click(dialog, "cmdClose");
        });
        QCOMPARE(f.text("txtBDH"), QStringLiteral("108"));  // closing adopts nothing
    }

    // The dialog designs the window's record, edition included: the 2018 pair (HRB400, γ0 1.0, vehicle
    // factor 1.8) needs a thicker slab, and a slab too thin for the upper limit in shear is said so.
    void theDesignFollowsTheEditionInForce_data() {
        QTest::addColumn<QString>("editionItem");
        QTest::addColumn<QString>("largestCm");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("bars");
        QTest::addColumn<QString>("note");
        QTest::newRow("2004 pair") << "mnuCode2004"
                                   << "150"
                                   << "96"
                                   << "14Φ25"
                                   << "控制验算：斜截面抗剪承载力。";
        QTest::newRow("2018 pair") << "mnuCode2018"
                                   << "150"
                                   << "107"
                                   << "19Φ16"
                                   << "控制验算：斜截面抗剪承载力。";
        QTest::newRow("2018 pair, 30 cm at most")
            << "mnuCode2018"
            << "30"
            << ""
            << ""
            << "板端厚至30 cm 仍不满足正截面抗弯承载力、最大裂缝宽度、斜截面抗剪承载力、抗剪截面尺寸要求"
               "（最接近的配筋19Φ16：γ0Md/Mu=3.20，Wfk/Wlim=3.71，γ0Vd/Vc=3.75，γ0Vd/Vmax=1.17）";
    }
    void theDesignFollowsTheEditionInForce() {
        QFETCH(QString, editionItem);
        QFETCH(QString, largestCm);
        QFETCH(QString, thickness);
        QFETCH(QString, bars);
        QFETCH(QString, note);
        f.window->findChild<QAction*>(editionItem)->trigger();
        showDesignDialog([&](QDialog& dialog) {
            control<QLineEdit>(dialog, "txtMaxBDH").setText(largestCm);
            click(dialog, "cmdDesign");
            QCOMPARE(boxText(dialog, "txtResultBDH"), thickness);
            QCOMPARE(boxText(dialog, "txtResultBars"), bars);
            QVERIFY2(control<QLabel>(dialog, "lblNote").text().startsWith(note),
                     qPrintable(control<QLabel>(dialog, "lblNote").text()));
            click(dialog, "cmdClose");
        });
    }

    // With a typed tensile strength of 5 MPa the concrete's shear bound outgrows the section's upper
    // limit, which then is the shear utilisation the dialog shows and names.
    void theShearBoxNamesTheUpperLimitWhereItGoverns() {
        f.window->findChild<QAction*>("mnuCode2018")->trigger();
        f.window->setCheckState(CheckField::chkHNTKL, true);
        f.type("txtHNTKL", "5");
        showDesignDialog([](QDialog& dialog) {
            click(dialog, "cmdDesign");
            QCOMPARE(boxText(dialog, "txtResultBDH"), QStringLiteral("48"));
            QCOMPARE(boxText(dialog, "txtUseShear"), QStringLiteral("0.71"));
            QCOMPARE(control<QWidget>(dialog, "txtUseShear").toolTip(), QStringLiteral("γ0Vd/Vmax"));
            control<QLineEdit>(dialog, "txtMaxBDH").setText(QStringLiteral("20"));
            click(dialog, "cmdDesign");  // nothing passes: the box is empty and names its ratio again
            QVERIFY(boxText(dialog, "txtUseShear").isEmpty());
            QCOMPARE(control<QWidget>(dialog, "txtUseShear").toolTip(), QStringLiteral("γ0Vd/Vc"));
            click(dialog, "cmdClose");
        });
    }

    void everyControlThatTakesTheFocusHasANameToBeSpoken() {
        showDesignDialog([](QDialog& dialog) {
            const auto* surface = dialog.findChild<FormSurface*>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* widget : surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (widget->focusPolicy() != Qt::NoFocus) {
                    QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
                }
            }
            QCOMPARE(control<QWidget>(dialog, "txtUseShear").accessibleName(),
                     QStringLiteral("斜截面抗剪承载力"));
            QCOMPARE(control<QWidget>(dialog, "chkZJZJ25").accessibleName(),
                     QStringLiteral("主筋直径 25 mm"));
            click(dialog, "cmdClose");
        });
    }

    void badRangesAreRefusedWithAMessageAndNothingFound() {
        showDesignDialog([this](QDialog& dialog) {
            control<QLineEdit>(dialog, "txtMinBDH").setText(QStringLiteral("60"));
            control<QLineEdit>(dialog, "txtMaxBDH").setText(QStringLiteral("50"));
            click(dialog, "cmdDesign");
            QCOMPARE(f.prompter.messages.size(), std::size_t{1});
            QCOMPARE(f.prompter.messages.back().text, QStringLiteral("板端厚范围的下限60 cm大于上限50 cm"));
            control<QLineEdit>(dialog, "txtMaxBDH").setText(QStringLiteral("70"));
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
                box->setChecked(false);
            }
            click(dialog, "cmdDesign");
            QCOMPARE(f.prompter.messages.back().text, QStringLiteral("请至少选择一种主筋直径"));
            QVERIFY(!control<QPushButton>(dialog, "cmdAdopt").isEnabled());
            click(dialog, "cmdClose");
        });
    }

    void noPassingDesignSaysWhyAtTheLargestThickness() {
        showDesignDialog([](QDialog& dialog) {
            control<QLineEdit>(dialog, "txtMaxBDH").setText(QStringLiteral("40"));
            click(dialog, "cmdDesign");
            QVERIFY(control<QLabel>(dialog, "lblNote")
                        .text()
                        .startsWith(QStringLiteral("板端厚至40 cm 仍不满足")));
            QVERIFY(boxText(dialog, "txtResultBDH").isEmpty());
            QVERIFY(!control<QPushButton>(dialog, "cmdAdopt").isEnabled());
            click(dialog, "cmdClose");
        });
    }

    void adoptingWritesTheDesignIntoTheWindowAndCalculatesIt() {
        f.get<QLineEdit>("txtJKJ").setText(QStringLiteral("3"));  // the span typed, not yet derived again
        showDesignDialog([](QDialog& dialog) {
            control<QRadioButton>(dialog, "optCheapest").setChecked(true);
            click(dialog, "cmdDesign");
            QVERIFY(!boxText(dialog, "txtResultCost").isEmpty());
            click(dialog, "cmdAdopt");
        });
        const DesignInput input = f.window->designInput();
        DesignRequest request;
        request.record = input;
        request.objective = DesignObjective::Cheapest;
        const DesignOutcome expected = findDesign(request);
        QVERIFY(expected.design);
        QCOMPARE(input, withDesign(input, expected.design->texts));
        QCOMPARE(f.text("txtBDH").toStdString(), expected.design->texts.txtBDH);
        QCOMPARE(f.text("txtJSKJ").toStdString(), *expected.design->texts.txtJSKJ);
        for (const char* label : kVerdicts) {
            QVERIFY2(f.get<QLabel>(label).isVisible(), label);
            QVERIFY2(f.caption(label).endsWith(QStringLiteral("√")), label);
        }
        QVERIFY(f.get("Command2").isEnabled());
        QVERIFY(f.prompter.messages.empty());
    }
};

QTEST_MAIN(DesignDialogTest)
#include "design_dialog_test.moc"
