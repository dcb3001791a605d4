// What a screen reader says for the controls of the three windows: names from the captions, the caption
// labels as buddies, check boxes named after the value they unlock, verdicts reading their caption; and
// for the main window's menu entries, the 设置 menu's choices with their checked and greyed states.
#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "ui/about_dialog.h"
#include "ui/accessible_names.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

namespace {

QAccessibleInterface& accessible(QWidget& widget) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(&widget);
    Q_ASSERT(interface);
    return *interface;
}

// The name the accessibility interface gives a control. Qt on Linux names a list after its selected
// entry, as GTK lists are named, and gives its caption through the label relation; there the name set
// on the list is what the Windows and macOS bridges give.
QString spokenName(QWidget& widget) {
    const QString name = accessible(widget).text(QAccessible::Name);
    const auto* list = qobject_cast<QComboBox*>(&widget);
    return list && name == list->currentText() ? widget.accessibleName() : name;
}

// The label a screen reader announces with the control (the label whose buddy it is), or null.
QWidget* labellingWidget(QWidget& widget) {
    for (const auto& [other, relation] : accessible(widget).relations(QAccessible::Label)) {
        if (other->object()->isWidgetType()) {
            return static_cast<QWidget*>(other->object());
        }
    }
    return nullptr;
}

// The words of a caption as written: what is left between its blanks and parentheses.
QStringList captionWords(const QString& caption) {
    static const QRegularExpression separators(QStringLiteral("[ \u3000()]+"));
    return caption.split(separators, Qt::SkipEmptyParts);
}

std::optional<CheckField> checkFieldNamed(const QString& name) {
    for (int i = 0; i < kCheckFieldCount; ++i) {
        const auto field = static_cast<CheckField>(i);
        if (toQString(controlName(field)) == name) {
            return field;
        }
    }
    return std::nullopt;
}

// The controls that take the keyboard focus on a window's client surface, hidden ones included (an
// option button not selected takes it only by a click or the arrow keys).
QList<QWidget*> focusableControls(const QWidget& window) {
    QList<QWidget*> controls;
    const auto* surface = window.findChild<FormSurface*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* widget : surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            controls << widget;
        }
    }
    return controls;
}

// Every focusable control has a name; one beside a caption contains every word of that caption, a
// check box every word of the caption of the value it unlocks but the unit.
void verifyEveryControlSaysItsCaption(const QWidget& window, const QString& windowName) {
    const QList<QWidget*> controls = focusableControls(window);
    QVERIFY2(!controls.isEmpty(), qPrintable(windowName));
    for (QWidget* control : controls) {
        const QString where = windowName + QLatin1Char('.') + control->objectName();
        const QString name = spokenName(*control);
        QVERIFY2(!name.isEmpty(), qPrintable(where));
        QString caption;
        if (QWidget* label = labellingWidget(*control)) {
            caption = qobject_cast<QLabel*>(label)->text();
        } else if (const auto field = checkFieldNamed(control->objectName())) {
            const QString unlocked = toQString(controlName(unlockedField(*field)));
            const QString valueCaption =
                qobject_cast<QLabel*>(labellingWidget(*window.findChild<QWidget*>(unlocked)))->text();
            caption = valueCaption.left(valueCaption.lastIndexOf(QLatin1Char('(')));  // without the unit
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
        }
        QVERIFY2(!caption.isEmpty(), qPrintable(where + QStringLiteral(": no caption found")));
        for (const QString& word : captionWords(caption)) {
            QVERIFY2(name.contains(word), qPrintable(where + QStringLiteral(": \"") + name +
                                                     QStringLiteral("\" lacks \"") + word + '"'));
        }
    }
}

// The accessibility interface of a menu entry, as a child of the menu bar or the menu that holds it.
QAccessibleInterface* menuEntry(const QWidget& window, const QString& name) {
    QAction* action = window.findChild<QAction*>(name);
    if (auto* menu = window.findChild<QMenu*>(name)) {
        action = menu->menuAction();
    }
    if (action == nullptr) {
        return nullptr;
    }
    for (QObject* holder : action->associatedObjects()) {
        auto* widget = qobject_cast<QWidget*>(holder);
        if (widget == nullptr || widget == action->menu()) {
            continue;
        }
        QAccessibleInterface& container = accessible(*widget);
        for (int i = 0; i < container.childCount(); ++i) {
            if (QAccessibleInterface* child = container.child(i); child && child->object() == action) {
                return child;
            }
        }
    }
    return nullptr;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void aCaptionIsSpokenWithoutItsPadding_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("symbol and unit") << " 净跨径       L0(m)"
                                         << "净跨径 L0 (m)";
        QTest::newRow("ideographic blank in a button") << "计　算"
                                                       << "计算";
        QTest::newRow("mixed blanks between characters") << "  　汽车　　荷载等级"
                                                         << "汽车荷载等级";
        QTest::newRow("blanks before the unit") << "箍筋间距　　(cm)"
                                                << "箍筋间距 (cm)";
        QTest::newRow("unit without a blank") << "混凝土抗压强度(Mpa)"
                                              << "混凝土抗压强度 (Mpa)";
        QTest::newRow("line break inside a word") << " 均布荷载   宽度qKc(m)"
                                                  << "均布荷载宽度qKc (m)";
        QTest::newRow("nothing to remove") << "确定"
                                           << "确定";
        QTest::newRow("empty") << ""
                               << "";
    }
    void aCaptionIsSpokenWithoutItsPadding() {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(spokenCaption(caption), spoken);
    }

    void anOverrideCheckBoxIsNamedForTheValueWithoutUnit_data() {
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<QString>("checkBoxName");
        QTest::newRow("symbol kept") << "盖板宽 b (m)"
                                     << "修改 盖板宽 b";
        QTest::newRow("unit only") << "计算跨径 (m)"
                                   << "修改 计算跨径";
        QTest::newRow("no unit") << "汽车荷载等级"
                                 << "修改 汽车荷载等级";
        QTest::newRow("parenthesis inside") << "a (b) c"
                                            << "修改 a (b) c";
    }
    void anOverrideCheckBoxIsNamedForTheValueWithoutUnit() {
        QFETCH(QString, valueName);
        QFETCH(QString, checkBoxName);
        QCOMPARE(overrideCheckBoxName(valueName), checkBoxName);
    }

    void aMainWindowControlIsSaidByItsCaption_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");  // the caption beside it, its buddy; empty for none
        // clang-format off
        const char* const rows[][3] = {
            {"Option1", "暗涵盖板", ""},               {"Option2", "明涵盖板", ""},
            {"Option3", "自定义荷载", ""},             {"CboSJHZ", "汽车荷载等级", "Label18"},
            {"CboHNTDJ", "混凝土强度等级", "Label10"}, {"txtHNTKY", "混凝土抗压强度 (Mpa)", "Label11"},
            {"chkHNTKY", "修改 混凝土抗压强度", ""},   {"txtHNTKL", "混凝土抗拉强度 (Mpa)", "Label12"},
            {"chkHNTKL", "修改 混凝土抗拉强度", ""},   {"CboZJDJ", "主筋等级", "Label13"},
            {"CboZJZJ", "主筋直径", "Label14"},        {"txtZJGS", "主筋根数", "Label15"},
            {"txtGBRZ", "盖板容重 (KN/m^3)", "Label17"}, {"chkGBRZ", "修改 盖板容重", ""},
            {"txtTRZ", "土容重 (KN/m^3)", "Label16"},  {"chkTRZ", "修改 土容重", ""},
            {"CboHJLB", "环境类别", "Label25"},        {"txtTTG", "填土高H (m)", "Label2"},
            {"txtPZH", "涵顶铺装厚 H1 (cm)", "Label29"}, {"txtJBHZ", "均布荷载 qk (KN/m)", "Label40"},
            {"txtBCH", "涵顶表处厚 H2 (cm)", "Label30"}, {"txtJBHZKD", "均布荷载宽度qKc (m)", "Label39"},
            {"txtPZRZ", "涵顶铺装容重 (KN/m^3)", "Label31"}, {"chkPZRZ", "修改 涵顶铺装容重", ""},
            {"txtJZL", "集中力 Pk (KN)", "Label38"},   {"txtBCRZ", "涵顶表处容重 (KN/m^3)", "Label32"},
            {"chkBCRZ", "修改 涵顶表处容重", ""},      {"txtBDH", "板端厚 d1 (cm)", "Label3"},
            {"txtBZH", "板中厚 d2 (cm)", "Label4"},    {"txtGBK", "盖板宽 b (m)", "Label7"},
            {"chkGBK", "修改 盖板宽 b", ""},           {"txtJKJ", "净跨径 L0 (m)", "Label5"},
            {"txtGZCD", "单侧搁置长度 (m)", "Label6"}, {"txtJSKJ", "计算跨径 (m)", "Label8"},
            {"chkJSKJ", "修改 计算跨径", ""},          {"txtBHC", "保护层厚度c (cm)", "Label24"},
            {"Command1", "计算", ""},                  {"Command2", "计算书", ""},
            {"txtKZWJ", "跨中弯矩 (kNm)", "Label20"},  {"txtWJKL", "正截面抗弯承载力 (kNm)", "Label21"},
            {"txtZDJL", "边墙内侧边缘处剪力 (kN)", "Label22"}, {"txtJLKL", "斜截面抗剪承载力 (kN)", "Label23"},
            {"txtWfk1", "允许裂缝宽度 (mm)", "Label26"}, {"txtWfk", "最大裂缝宽度 (mm)", "Label27"},
        };
        // clang-format on
        for (const auto& [control, name, label] : rows) {
            QTest::newRow(control) << control << name << label;
        }
    }
    void aMainWindowControlIsSaidByItsCaption() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, label);
        QWidget& widget = f.get(control.toStdString());
        QCOMPARE(spokenName(widget), name);
        QWidget* labelling = labellingWidget(widget);
        QCOMPARE(labelling ? labelling->objectName() : QString(), label);
        if (labelling) {  // what AT-SPI gives a list as its label
            QCOMPARE(spokenName(*labelling), name);
        }
    }

    void everyFocusableControlOfTheMainWindowIsNamed() {
        QCOMPARE(focusableControls(*f.window).size(), 44);  // the whole tab order
        verifyEveryControlSaysItsCaption(*f.window, QStringLiteral("frmMain"));
    }

    void everyFocusableControlOfTheStirrupDialogIsNamed() {
        f.window->showStirrupDialog();
        auto* dialog = f.window->findChild<QDialog*>("Form3");
        QVERIFY(dialog);
        QCOMPARE(spokenName(control<QWidget>(*dialog, "txtGJJJ")), QStringLiteral("箍筋间距 (cm)"));
        QCOMPARE(spokenName(control<QWidget>(*dialog, "txtJLKL")), QStringLiteral("斜截面抗弯承载力 (kN)"));
        QCOMPARE(spokenName(control<QWidget>(*dialog, "Command1")), QStringLiteral("计算"));
        verifyEveryControlSaysItsCaption(*dialog, QStringLiteral("Form3"));
    }

    void everyFocusableControlOfTheAboutDialogIsNamed() {
        AboutDialog dialog(f.window.get(), Edition::Jtg2004);
        QCOMPARE(spokenName(control<QWidget>(dialog, "cmdOK")), QStringLiteral("确定"));
        verifyEveryControlSaysItsCaption(dialog, QStringLiteral("frmAbout"));
    }

    // Menu entries are said by their captions without the access-key mark; the access key is given apart.
    void aMenuEntryIsSaidByItsCaption_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accelerator");
        // clang-format off
        const char* const rows[][3] = {
            {"mnuFile", "文件(F)", "Alt+F"},          {"mnuFileSave", "保存(S)", "Ctrl+S"},
            {"mnuSettings", "设置(S)", "Alt+S"},      {"mnuCode", "设计规范(D)", "Alt+D"},
            {"mnuCode2004", "JTG D60-2004  JTG D62-2004", ""},
            {"mnuCode2018", "JTG D60-2015  JTG 3362-2018", ""},
            {"mnuSafety", "结构安全等级(L)", "Alt+L"}, {"mnuSafety1", "一级(γ0=1.1)", ""},
            {"mnuSafety2", "二级(γ0=1.0)", ""},       {"mnuSafety3", "三级(γ0=0.9)", ""},
            {"mnuTools", "工具(T)", "Alt+T"},         {"mnuHelpAbout", "关于(A) ", "Alt+A"},
        };
        // clang-format on
        for (const auto& [entry, name, accelerator] : rows) {
            QTest::newRow(entry) << entry << name << accelerator;
        }
    }
    void aMenuEntryIsSaidByItsCaption() {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, accelerator);
        QAccessibleInterface* said = menuEntry(*f.window, entry);
        QVERIFY(said);
        QCOMPARE(said->text(QAccessible::Name), name);
        QCOMPARE(said->text(QAccessible::Accelerator), accelerator);
    }

    // The choices say whether they are checked; the safety classes say they are greyed under the 2004
    // pair and not under the 2018 pair.
    void theSettingsChoicesSayTheirStates() {
        auto state = [this](const char* entry) { return menuEntry(*f.window, entry)->state(); };
        QVERIFY(state("mnuCode2004").checkable && state("mnuCode2004").checked);
        QVERIFY(state("mnuCode2018").checkable && !state("mnuCode2018").checked);
        QVERIFY(state("mnuSafety2").checked && !state("mnuSafety1").checked);
        QVERIFY(state("mnuSafety").disabled);
        f.window->findChild<QAction*>("mnuCode2018")->trigger();
        QVERIFY(state("mnuCode2018").checked && !state("mnuCode2004").checked);
        QVERIFY(!state("mnuSafety").disabled);
    }

    void aVerdictReadsTheCaptionTheCalculationGaveIt() {
        f.calculate();
        for (const char* name : kVerdicts) {
            QLabel& verdict = f.get<QLabel>(name);
            QVERIFY2(verdict.isVisible(), name);
            QVERIFY2(verdict.text().contains(QStringLiteral("验算")), name);
            QCOMPARE(spokenName(verdict), verdict.text());
        }
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
