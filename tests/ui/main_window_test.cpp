// Widget tests of the main window: initial state, slab types, override boxes, derived span, the
// calculate command, layout, tab order and menus, driven offscreen with scripted questions.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>

#include "calc/span.h"
#include "ui/layouts.h"
#include "ui/menu_table.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

Q_DECLARE_METATYPE(tavrel::SlabType)
Q_DECLARE_METATYPE(tavrel::CheckField)

namespace {

const char* const kBuriedOnly[] = {"Label2", "txtTTG", "Picture1"};
const char* const kOpenOnly[] = {"Picture2", "Label29", "Label30", "Label31", "Label32", "txtPZH",
                                 "txtBCH",   "txtPZRZ", "txtBCRZ", "chkPZRZ", "chkBCRZ"};
const char* const kCustomOnly[] = {"Picture3", "Label38",   "Label39", "Label40",
                                   "txtJBHZ",  "txtJBHZKD", "txtJZL"};

// The result area as a refused calculation or a slab-type switch leaves it.
void verifyResultAreaCleared(const MainWindowFixture& f) {
    for (const char* name : kResultBoxes) {
        QVERIFY2(f.text(name).isEmpty(), name);
        QVERIFY2(!f.get(name).isEnabled(), name);
    }
    for (const char* name : kResultCaptions) {
        QVERIFY2(!f.get(name).isEnabled(), name);
    }
    for (const char* name : kVerdicts) {
        QVERIFY2(f.get(name).isHidden(), name);
    }
    QVERIFY(!f.get("Command2").isEnabled());
}

QString shownText(const QWidget& widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    if (auto* list = qobject_cast<const QComboBox*>(&widget)) {
        return list->currentText();
    }
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    return qobject_cast<const QAbstractButton*>(&widget)->text();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    // In every build, not only where assertions are on: a child process asks for a control the window
    // does not have, and must stop naming it instead of going on with a null pointer.
    void aControlTheWindowDoesNotHaveStopsTheProgramNamingIt() {
#ifdef Q_OS_WIN
        QSKIP("the child process is made by fork, which Windows does not have");
#else
        int errorPipe[2];  // what the child prints
        QCOMPARE(::pipe(errorPipe), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGABRT, SIG_DFL);  // no crash report of the test framework for the child
            ::dup2(errorPipe[1], STDERR_FILENO);
            ::dup2(errorPipe[1], STDOUT_FILENO);  // the test framework logs a fatal message there
            control<QLineEdit>(*f.window, "txtNoSuchBox").setText(QStringLiteral("x"));
            ::_exit(0);
        }
        ::close(errorPipe[1]);
        QByteArray printed;
        char buffer[512];
        for (ssize_t n; (n = ::read(errorPipe[0], buffer, sizeof buffer)) > 0;) {
            printed.append(buffer, n);
        }
        ::close(errorPipe[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(!(WIFEXITED(status) && WEXITSTATUS(status) == 0), printed.constData());
        QVERIFY2(printed.contains("txtNoSuchBox"), printed.constData());
#endif
    }

    void aControlStartsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, bool shown, bool enabled, const char* text) {
            QTest::newRow(name) << name << shown << enabled << QString::fromUtf8(text);
        };
        row("Option1", true, true, "暗涵盖板");
        row("Label18", true, true, "  　汽车　　荷载等级");
        row("CboSJHZ", true, true, "公路-I级");
        row("CboHNTDJ", true, true, "C30");
        row("txtHNTKY", true, false, "13.8");
        row("txtHNTKL", true, false, "1.39");
        row("CboZJDJ", true, true, "HRB335");
        row("CboZJZJ", true, true, "25");
        row("txtZJGS", true, true, "14");
        row("txtGBRZ", true, false, "25");
        row("Label16", true, true, " 土容重  (KN/m^3)");
        row("txtTRZ", true, false, "18");
        row("CboHJLB", true, true, "I类环境");
        row("txtTTG", true, true, "22");
        row("txtPZH", false, true, "8");
        row("txtPZRZ", false, false, "25");
        row("txtBCRZ", false, false, "23");
        row("txtJBHZ", false, true, "10");
        row("txtJZL", false, true, "10");
        row("txtBDH", true, true, "108");
        row("txtGBK", true, false, "0.99");
        row("txtJSKJ", true, false, "3.8");
        row("txtBHC", true, true, "3");
        row("Command1", true, true, "计　算");
        row("Command2", true, false, "计算书");
        row("Label19", true, true, "计算结果");
        row("Label20", true, false, "跨中弯矩     (kNm)");
        row("txtKZWJ", true, false, "");
        row("txtWfk", true, false, "");
        row("Label33", false, true, "正截面抗弯承载力验算通过√");
        row("Label37", false, true, "最小配筋率验算通过√");
    }
    void aControlStartsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QFETCH(bool, enabled);
        QFETCH(QString, text);
        const QWidget& widget = f.get(name.toStdString());
        QCOMPARE(!widget.isHidden(), shown);
        QCOMPARE(widget.isEnabled(), enabled);
        QCOMPARE(shownText(widget), text);
    }

    void theWindowStartsBuriedWithEveryOverrideBoxCleared() {
        QVERIFY(f.get<QRadioButton>("Option1").isChecked());
        for (int i = 0; i < kCheckFieldCount; ++i) {
            const auto name = controlName(static_cast<CheckField>(i));
            QVERIFY2(!f.get<QCheckBox>(name).isChecked(), name.data());
        }
        for (const char* name : kResultBoxes) {
            QVERIFY(f.get<QLineEdit>(name).isReadOnly());
        }
        QCOMPARE(f.window->designInput(), DesignInput{});
        QCOMPARE(f.results.C2, 1.5f);
        QCOMPARE(f.results.C3, 1.15f);
        QCOMPARE(f.results.concreteGrade, std::string("C30"));
        QCOMPARE(f.get("Label8").toolTip(), QString::fromUtf8(kSpanTooltip));
        QCOMPARE(f.get("txtJSKJ").toolTip(), QString::fromUtf8(kSpanTooltip));
    }

    void theCaptionIsTheProgramTitleAndThirtyBlanksAndALine() {
        const QString caption = f.window->windowTitle();
        QVERIFY(caption.startsWith(QStringLiteral("TavrelV0.2") + QString(30, QLatin1Char(' '))));
        QVERIFY(caption.size() > 40 && caption.at(40) != QLatin1Char(' '));
    }

    void choosingASlabTypeShowsItsInputsAndResetsTheResults_data() {
        QTest::addColumn<SlabType>("from");
        QTest::addColumn<SlabType>("to");
        QTest::addColumn<bool>("byClick");
        QTest::newRow("buried to open, by a click") << SlabType::Buried << SlabType::Open << true;
        QTest::newRow("open to custom, by a click") << SlabType::Open << SlabType::Custom << true;
        QTest::newRow("custom to buried, by a click") << SlabType::Custom << SlabType::Buried << true;
        QTest::newRow("buried to custom, from code") << SlabType::Buried << SlabType::Custom << false;
        QTest::newRow("open to buried, from code") << SlabType::Open << SlabType::Buried << false;
    }
    void choosingASlabTypeShowsItsInputsAndResetsTheResults() {
        QFETCH(SlabType, from);
        QFETCH(SlabType, to);
        QFETCH(bool, byClick);
        f.window->selectSlabType(from);
        f.type("txtTTG", "7.5");
        f.type("txtPZH", "11");
        f.type("txtJZL", "40");
        f.window->setCheckState(CheckField::chkTRZ, true);
        f.type("txtTRZ", "19.5");
        f.calculate();
        QVERIFY(f.get("Command2").isEnabled());

        if (byClick) {
            f.click(controlName(to));
        } else {
            f.window->selectSlabType(to);
        }

        QVERIFY(f.get<QRadioButton>(controlName(to)).isChecked());
        const std::pair<std::span<const char* const>, SlabType> groups[] = {
            {kBuriedOnly, SlabType::Buried}, {kOpenOnly, SlabType::Open}, {kCustomOnly, SlabType::Custom}};
        for (const auto& [names, type] : groups) {
            for (const char* name : names) {
                QVERIFY2(f.get(name).isHidden() == (type != to), name);
            }
        }
        QCOMPARE(f.get("CboSJHZ").isEnabled(), to != SlabType::Custom);
        QCOMPARE(f.get("Label18").isEnabled(), to != SlabType::Custom);
        QCOMPARE(f.get<QComboBox>("CboSJHZ").currentText(), QStringLiteral("公路-I级"));
        QCOMPARE(f.get("Label16").isEnabled(), to == SlabType::Buried);
        QVERIFY(!f.get<QCheckBox>("chkTRZ").isChecked());
        QCOMPARE(f.get("chkTRZ").isEnabled(), to == SlabType::Buried);
        QVERIFY(!f.get("txtTRZ").isEnabled());
        verifyResultAreaCleared(f);

        // Hidden inputs keep their texts, and so does the soil unit weight.
        QCOMPARE(f.text("txtTTG"), QStringLiteral("7.5"));
        QCOMPARE(f.text("txtPZH"), QStringLiteral("11"));
        QCOMPARE(f.text("txtJZL"), QStringLiteral("40"));
        QCOMPARE(f.text("txtTRZ"), QStringLiteral("19.5"));
    }

    void thePavementWeightsAreEditableAgainOnlyWhenTheirBoxesAreTicked() {
        f.window->selectSlabType(SlabType::Open);
        f.window->setCheckState(CheckField::chkPZRZ, true);
        f.window->selectSlabType(SlabType::Buried);
        f.window->selectSlabType(SlabType::Open);
        QVERIFY(f.get("txtPZRZ").isEnabled());
        QVERIFY(!f.get("txtBCRZ").isEnabled());
    }

    void anOverrideBoxUnlocksItsFieldAndFreezesItsText_data() {
        QTest::addColumn<CheckField>("box");
        QTest::addColumn<bool>("byClick");
        for (int i = 0; i < kCheckFieldCount; ++i) {
            const auto field = static_cast<CheckField>(i);
            const QByteArray name = toQString(controlName(field)).toUtf8();
            QTest::newRow(name + ", by a click") << field << true;
            QTest::newRow(name + ", from code") << field << false;
        }
    }
    void anOverrideBoxUnlocksItsFieldAndFreezesItsText() {
        QFETCH(CheckField, box);
        QFETCH(bool, byClick);
        if (box == CheckField::chkPZRZ || box == CheckField::chkBCRZ) {
            f.window->selectSlabType(SlabType::Open);
        }
        const auto boxName = controlName(box);
        const auto fieldName = controlName(unlockedField(box));
        auto setBox = [&](bool ticked) {
            if (byClick) {
                f.click(boxName);
            } else {
                f.window->setCheckState(box, ticked);
            }
        };
        QVERIFY(!f.get(fieldName).isEnabled());
        setBox(true);
        QVERIFY(f.get<QCheckBox>(boxName).isChecked());
        QVERIFY(f.get(fieldName).isEnabled());
        f.type(fieldName, "1.2");
        setBox(false);
        QVERIFY(!f.get(fieldName).isEnabled());
        QCOMPARE(f.text(fieldName), QStringLiteral("1.2"));
    }

    void choosingAConcreteGradeRewritesBothStrengthsEvenWhenUnlocked() {
        f.window->setCheckState(CheckField::chkHNTKY, true);
        f.type("txtHNTKY", "20");
        f.window->selectListEntry(ListField::CboHNTDJ, 4);
        QCOMPARE(f.text("txtHNTKY"), QStringLiteral("18.4"));
        QCOMPARE(f.text("txtHNTKL"), QStringLiteral("1.65"));
        QVERIFY(f.get("txtHNTKY").isEnabled());
        QCOMPARE(f.results.concreteGrade, std::string("C40"));
    }

    void eachSlabTypeShowsItsOwnDiagramAndAMissingImageLeavesTheBoxEmpty() {
        QVERIFY(f.get<QLabel>("Picture1").pixmap().isNull());
        MainWindow window(f.results, f.prompter, QStringLiteral(TAVREL_SOURCE_DIR "/assets/计算书图例"));
        QCOMPARE(control<QLabel>(window, "Picture1").pixmap().size(), QSize(319, 340));
        window.selectSlabType(SlabType::Custom);
        QCOMPARE(control<QLabel>(window, "Picture3").pixmap().size(), QSize(321, 340));
        window.selectSlabType(SlabType::Open);
        QCOMPARE(control<QLabel>(window, "Picture2").pixmap().size(), QSize(319, 340));
    }

    void aListPositionOutsideTheListKeepsTheSelection() {
        f.window->selectListEntry(ListField::CboZJZJ, 7);
        f.window->selectListEntry(ListField::CboZJZJ, -1);
        QCOMPARE(f.get<QComboBox>("CboZJZJ").currentText(), QStringLiteral("25"));
    }

    void leavingASpanBoxDerivesTheCalculationSpan_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("clearSpan");
        QTest::addColumn<QString>("endThickness");
        QTest::addColumn<QString>("span");
        QTest::newRow("initial texts, bearing length smaller") << "txtJKJ"
                                                               << "3.5"
                                                               << "108"
                                                               << "3.8";
        QTest::newRow("end thickness smaller") << "txtBDH"
                                               << "3.5"
                                               << "20"
                                               << "3.7";
        QTest::newRow("a tie takes the end thickness") << "txtGZCD"
                                                       << "3.5"
                                                       << "30"
                                                       << "3.8";
        QTest::newRow("an empty clear span counts as 0") << "txtJKJ"
                                                         << ""
                                                         << "108"
                                                         << "0.3";
        QTest::newRow("letters count as 0") << "txtBDH"
                                            << "abc"
                                            << "108"
                                            << "0.3";
    }
    void leavingASpanBoxDerivesTheCalculationSpan() {
        QFETCH(QString, left);
        QFETCH(QString, clearSpan);
        QFETCH(QString, endThickness);
        QFETCH(QString, span);
        f.type("txtJSKJ", "9");
        f.type("txtJKJ", clearSpan);
        f.type("txtBDH", endThickness);
        QCOMPARE(f.text("txtJSKJ"), QStringLiteral("9"));  // writing a text derives nothing
        f.get(left.toStdString()).setFocus();
        QTest::keyClick(&f.get(left.toStdString()), Qt::Key_Tab);
        QCOMPARE(f.text("txtJSKJ"), span);
    }

    void leavingTheEndThicknessOverwritesAHandTypedSpan() {
        f.window->setCheckState(CheckField::chkJSKJ, true);
        f.get("txtJSKJ").setFocus();
        QTest::keyClicks(&f.get("txtJSKJ"), "4.1");
        f.get("txtBDH").setFocus();
        f.get("txtBZH").setFocus();
        QCOMPARE(f.text("txtJSKJ"), QStringLiteral("3.8"));
    }

    void theSpanIsDerivedBeforeTheButtonThatTakesTheFocusActs() {
        f.get("txtJKJ").setFocus();
        f.type("txtJKJ", "4.5");
        f.calculate();
        QCOMPARE(f.text("txtJSKJ"), QStringLiteral("4.8"));
        QCOMPARE(f.results.L, 4.8f);
    }

    void calculatingTheDefaultsShowsSixResultsAndFivePassedChecks_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::newRow("midspan moment") << "txtKZWJ"
                                        << "818.73";
        QTest::newRow("flexural capacity") << "txtWJKL"
                                           << "1859.04";
        QTest::newRow("design shear") << "txtZDJL"
                                      << "793.78";
        QTest::newRow("shear capacity") << "txtJLKL"
                                        << "891.45";
        QTest::newRow("maximum crack width") << "txtWfk"
                                             << "0.18";
        QTest::newRow("allowable crack width") << "txtWfk1"
                                               << "0.20";
    }
    void calculatingTheDefaultsShowsSixResultsAndFivePassedChecks() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        f.calculate();
        QVERIFY(f.prompter.messages.empty());
        QCOMPARE(f.text(box.toStdString()), value);
        QVERIFY(f.get(box.toStdString()).isEnabled());
        const std::pair<const char*, const char*> verdicts[] = {
            {"Label36", "砼受压区高度验算通过√"},     {"Label37", "最小配筋率验算通过√"},
            {"Label33", "正截面抗弯承载力验算通过√"}, {"Label35", "最大裂缝宽度验算通过√"},
            {"Label34", "斜截面抗剪承载力验算通过√"},
        };
        for (const auto& [label, caption] : verdicts) {
            QVERIFY2(!f.get(label).isHidden(), label);
            QCOMPARE(f.caption(label), QString::fromUtf8(caption));
            QCOMPARE(textColour(f.get<QLabel>(label)), kPassed);
        }
        for (const char* name : kResultCaptions) {
            QVERIFY(f.get(name).isEnabled());
        }
        QVERIFY(f.get("Command2").isEnabled());
        QVERIFY(!f.window->findChild<QDialog*>("Form3"));
    }

    void aRefusedFieldIsUnlockedAndFocusedWhileItsBoxStaysCleared_data() {
        QTest::addColumn<SlabType>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty locked compressive strength") << SlabType::Buried << "txtHNTKY"
                                                           << ""
                                                           << "chkHNTKY"
                                                           << "混凝土抗压强度应大于0,请重新输入";
        QTest::newRow("soil weight 0 with the open type") << SlabType::Open << "txtTRZ"
                                                          << "0"
                                                          << "chkTRZ"
                                                          << "土容重应大于0,请重新输入";
        QTest::newRow("negative force with the custom type") << SlabType::Custom << "txtJZL"
                                                             << "-1"
                                                             << ""
                                                             << "集中力应大于0,请重新输入";
    }
    void aRefusedFieldIsUnlockedAndFocusedWhileItsBoxStaysCleared() {
        QFETCH(SlabType, type);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, box);
        QFETCH(QString, message);
        f.window->selectSlabType(type);
        f.calculate();
        const CalculationResults before = f.results;
        f.type(field.toStdString(), text);
        f.calculate();

        QCOMPARE(f.prompter.messageTexts(), QStringList{message});
        QCOMPARE(f.prompter.messages.front().title, QStringLiteral("Tavrel"));
        QCOMPARE(f.prompter.messages.front().buttons, MessageButtons::Ok);
        QVERIFY(f.get(field.toStdString()).isEnabled());
        QCOMPARE(QApplication::focusWidget(), &f.get(field.toStdString()));
        if (!box.isEmpty()) {
            QVERIFY(!f.get<QCheckBox>(box.toStdString()).isChecked());
        }
        verifyResultAreaCleared(f);
        QVERIFY(f.get("Label19").isEnabled());
        QCOMPARE(f.results, before);
    }

    // fcd 0.5 MPa, ftd 0.1 MPa and three bars of 25 mm under the custom load: x = 280 × 14.727 cm² /
    // (0.5 MPa × 0.99 m) = 0.83 m exceeds 0.56 × 1.0365 m, 100 As/(b h0) = 0.14 % is below 0.2 %, and
    // Vc = 625 × 0.1 × 0.99 × 1.0365 = 64.13 kN is below the design shear.
    void aSectionFailingThreeChecksShowsItsMessagesInCheckOrderThenTheStirrupDialog() {
        f.enterSectionFailingShear();
        QStringList seen;
        f.prompter.onMessage = [&](const AskedMessage& asked) {
            const bool dialogOpen = f.window->findChild<QDialog*>("Form3") != nullptr;
            seen << asked.text.left(6) + (dialogOpen ? " +dialog" : "") + " | " + f.caption("Label36") +
                        " | " + f.caption("Label37");
        };
        f.calculate();

        QCOMPARE(seen, (QStringList{
                           "受压区高度为 | 砼受压区高度验算未通过 | 最小配筋率验算通过√",
                           "主筋配筋率为 | 砼受压区高度验算未通过 | 最小配筋率验算未通过",
                           "斜截面抗剪承 | 砼受压区高度验算未通过 | 最小配筋率验算未通过",
                       }));
        QVERIFY(f.prompter.messages[0].text.startsWith(QStringLiteral("受压区高度为0.83，")));
        QVERIFY(f.prompter.messages[1].text.startsWith(QStringLiteral("主筋配筋率为0.14%")));
        auto* dialog = f.window->findChild<QDialog*>("Form3");
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        QCOMPARE(f.caption("Label34"), QStringLiteral("斜截面抗剪承载力验算未通过"));
        QCOMPARE(textColour(f.get<QLabel>("Label34")), kFailed);
        QCOMPARE(textColour(f.get<QLabel>("Label36")), kFailed);
        QCOMPARE(textColour(f.get<QLabel>("Label33")), kPassed);
        QCOMPARE(f.text("txtJLKL"), QStringLiteral("64.13"));
        QVERIFY(f.get("Command2").isEnabled());
    }

    // Form3 belongs to the main window and has controls of the same names; each window finds its own,
    // and the main window never finds a control that only the dialog has.
    void namesAreLocalToEachWindowWhileTheStirrupDialogIsOpen() {
        f.calculate();
        f.window->showStirrupDialog();
        auto* dialog = f.window->findChild<QDialog*>("Form3");
        QVERIFY(dialog && dialog->isVisible());
        for (const char* name : {"Command1", "txtJLKL", "txtZDJL", "Label22", "Label23"}) {
            QWidget* inMain = findControl<QWidget>(*f.window, name);
            QWidget* inDialog = findControl<QWidget>(*dialog, name);
            QVERIFY2(inMain && inMain->window() == f.window.get(), name);
            QVERIFY2(inDialog && inDialog->window() == dialog, name);
        }
        QCOMPARE(findControl<QWidget>(*f.window, "CboGJDJ"), nullptr);
        QCOMPARE(f.text("txtJLKL"), QStringLiteral("891.45"));
    }

    void controlsStandAtTheirDesignedPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Twips divided by 15, each rounded to the nearest pixel.
        QTest::newRow("CboSJHZ 3735, 780, 1200, 300") << "CboSJHZ" << QRect(249, 52, 80, 20);
        QTest::newRow("txtBDH 1440, 3290, 600, 280") << "txtBDH" << QRect(96, 219, 40, 19);
        QTest::newRow("txtJKJ 1440, 3890, 600, 280") << "txtJKJ" << QRect(96, 259, 40, 19);
        QTest::newRow("chkJSKJ 6045, 3840, 255, 375") << "chkJSKJ" << QRect(403, 256, 17, 25);
        QTest::newRow("Label8 4320, 3950, 1005, 375") << "Label8" << QRect(288, 263, 67, 25);
        QTest::newRow("Command1 3885, 4560, 975, 375") << "Command1" << QRect(259, 304, 65, 25);
        QTest::newRow("Label22 360, 6480, 1100, 375") << "Label22" << QRect(24, 432, 73, 25);
        QTest::newRow("Label33 4560, 5835, 2415, 255") << "Label33" << QRect(304, 389, 161, 17);
        QTest::newRow("Label29 2775, 2085, 1005, 375") << "Label29" << QRect(185, 139, 67, 25);
        QTest::newRow("Label2 2775, 2160, 1005, 375") << "Label2" << QRect(185, 144, 67, 25);
        QTest::newRow("Picture3 7200, 3000, 4815, 5145") << "Picture3" << QRect(480, 200, 321, 343);
    }
    void controlsStandAtTheirDesignedPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(f.get(name.toStdString()).geometry(), pixels);
    }

    void theWindowHasItsDesignedFixedSizeAndPlace() {
        QWidget& client = *f.window->centralWidget();
        QCOMPARE(client.size(), QSize(824, 556));
        QCOMPARE(f.window->statusBar()->geometry(), QRect(0, client.y() + 556, 824, 25));
        QCOMPARE(client.mapToGlobal(QPoint(0, 0)), QPoint(85, 136));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QVERIFY(f.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(f.window->statusBar()->findChildren<QLabel*>().size(), 3);
    }

    // Pixels of the calculation-parameters outline: its top edge at y 24 from x 16 to 800, open from
    // x 24 to 88 under the heading.
    void groupOutlinesAreDrawnInTheWorkspaceColourWithAGapUnderTheHeading() {
        const QImage image = f.window->centralWidget()->grab().toImage();
        const QColor workspace(171, 171, 171);
        QCOMPARE(image.pixelColor(16, 24), workspace);
        QCOMPARE(image.pixelColor(20, 24), workspace);
        QVERIFY(image.pixelColor(26, 24) != workspace);
        QCOMPARE(image.pixelColor(95, 24), workspace);
        QCOMPARE(image.pixelColor(800, 100), workspace);
        // The slab-dimension outline's notch: its step at (152, 296) to (152, 336).
        QCOMPARE(image.pixelColor(152, 320), workspace);
        QVERIFY(image.pixelColor(300, 340) != workspace);
    }

    // Without a CJK font every Chinese character would be drawn as an empty box (and γ0 of the safety
    // classes as a box and a 0).
    void everyCaptionOfTheThreeWindowsAndTheMenusHasGlyphsInTheWindowFont() {
        const QFontMetrics metrics(windowFont(kDesignDpi));
        QStringList captions;
        for (const auto& table : {mainWindowTables(), stirrupDialogTables(), aboutDialogTables()}) {
            for (const ControlRow& row : table.controls) {
                captions << toQString(row.caption);
            }
        }
        for (const MenuRow& row : mainWindowMenus()) {
            captions << toQString(row.caption);
        }
        for (const QString& caption : captions) {
            for (char32_t c : caption.toUcs4()) {
                QVERIFY2(metrics.inFontUcs4(c), qPrintable(caption));
            }
        }
    }

    void theFocusChainFollowsTheDesignedTabOrder() {
        QStringList designed;
        for (std::string_view name : mainWindowTables().tabOrder) {
            designed << toQString(name);
        }
        QCOMPARE(focusChain(f.get(mainWindowTables().tabOrder.front()), designed), designed);
    }

    void tabSkipsHiddenAndDisabledControls_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("the environment class skips the hidden open and custom inputs") << "CboHJLB"
                                                                                       << "txtBDH";
        QTest::newRow("the cover reaches the calculate button") << "txtBHC"
                                                                << "Command1";
        QTest::newRow("the fill height comes after the greyed results") << "Command1"
                                                                        << "txtTTG";
        QTest::newRow("the slab width is skipped while locked") << "chkGBK"
                                                                << "txtJKJ";
    }
    void tabSkipsHiddenAndDisabledControls() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        f.get(from.toStdString()).setFocus();
        QTest::keyClick(&f.get(from.toStdString()), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void theMenusCarryTheirCaptionsAccessKeysAndShortcut() {
        const std::pair<const char*, const char*> items[] = {
            {"mnuFileSave", "保存(&S)"},  {"mnuFileSaveAs", "另存为(&A)..."}, {"mnuFileOpen", "打开(&O)..."},
            {"mnuFileClose", "关闭(&C)"}, {"mnuHelpAbout", "关于(&A) "},
        };
        for (const auto& [name, caption] : items) {
            auto* action = f.window->findChild<QAction*>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromUtf8(caption));
        }
        QCOMPARE(f.window->findChild<QMenu*>("mnuFile")->title(), QStringLiteral("文件(&F)"));
        QCOMPARE(f.window->findChild<QMenu*>("mnuHelp")->title(), QStringLiteral("帮助(&H)"));
        QVERIFY(f.window->findChild<QAction*>("mnuFileBar0")->isSeparator());
        QCOMPARE(f.window->findChild<QAction*>("mnuFileSave")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+S")));
    }

    void ctrlSAnywhereInTheWindowRunsTheSaveCommand() {
        QSignalSpy saves(f.window->findChild<QAction*>("mnuFileSave"), &QAction::triggered);
        f.get("txtZJGS").setFocus();
        QTest::keyClick(&f.get("txtZJGS"), Qt::Key_S, Qt::ControlModifier);
        f.get("CboHJLB").setFocus();
        QTest::keyClick(&f.get("CboHJLB"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves.count(), 2);
    }

    void theFileMenuCloseCommandClosesTheWindow() {
        f.window->findChild<QAction*>("mnuFileClose")->trigger();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
