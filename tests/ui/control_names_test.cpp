// The design-name constants of each window against its layout or menu table: every constant names a row
// and every row is named once, so a constant cannot outlive its control nor two controls share a name.
#include <QTest>

#include <initializer_list>

#include "calc/presentation.h"
#include "model/design_input.h"
#include "ui/control_names.h"
#include "ui/layouts.h"
#include "ui/menu_table.h"

using namespace tavrel;
using namespace tavrel::ui;

namespace {

template <typename Rows>
QStringList rowNames(const Rows& rows) {
    QStringList names;
    for (const auto& row : rows) {
        names << toQString(row.name);
    }
    names.sort();
    return names;
}

QStringList sorted(std::initializer_list<std::string_view> constants, QStringList more = {}) {
    for (std::string_view constant : constants) {
        more << toQString(constant);
    }
    more.sort();
    return more;
}

// The main window's inputs and verdict labels, which the core names.
QStringList mainWindowNamesOfTheCore() {
    QStringList names;
    for (int i = 0; i < kListFieldCount; ++i) {
        names << toQString(controlName(static_cast<ListField>(i)));
    }
    for (int i = 0; i < kCheckFieldCount; ++i) {
        names << toQString(controlName(static_cast<CheckField>(i)));
    }
    for (int i = 0; i < kTextFieldCount; ++i) {
        names << toQString(controlName(static_cast<TextField>(i)));
    }
    for (SlabType type : {SlabType::Buried, SlabType::Open, SlabType::Custom}) {
        names << toQString(controlName(type));
    }
    for (Check check : kChecksInOrder) {
        names << toQString(verdictLabel(check));
    }
    return names;
}

}  // namespace

#define FRM_MAIN(name) frmMain::name,
#define FORM3(name) Form3::name,
#define FRM_DESIGN(name) frmDesign::name,
#define FRM_DRAWING(name) frmDrawing::name,
#define FRM_ABOUT(name) frmAbout::name,

class ControlNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyRowIsNamedByExactlyOneConstantOfItsWindow_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("constants");
        QTest::newRow("frmMain controls")
            << rowNames(mainWindowTables().controls)
            << sorted({TAVREL_FRM_MAIN_CONTROLS(FRM_MAIN)}, mainWindowNamesOfTheCore());
        QTest::newRow("frmMain menus")
            << rowNames(mainWindowMenus()) << sorted({TAVREL_FRM_MAIN_MENUS(FRM_MAIN)});
        QTest::newRow("Form3") << rowNames(stirrupDialogTables().controls)
                               << sorted({TAVREL_FORM3_CONTROLS(FORM3)});
        QTest::newRow("frmDesign") << rowNames(designDialogTables().controls)
                                   << sorted({TAVREL_FRM_DESIGN_CONTROLS(FRM_DESIGN)});
        QTest::newRow("frmDrawing") << rowNames(drawingDialogTables().controls)
                                    << sorted({TAVREL_FRM_DRAWING_CONTROLS(FRM_DRAWING)});
        QTest::newRow("frmAbout") << rowNames(aboutDialogTables().controls)
                                  << sorted({TAVREL_FRM_ABOUT_CONTROLS(FRM_ABOUT)});
    }
    void everyRowIsNamedByExactlyOneConstantOfItsWindow() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, constants);
        QCOMPARE(rows, constants);
    }
};

QTEST_GUILESS_MAIN(ControlNamesTest)
#include "control_names_test.moc"
