// The design dialog frmDesign, built from its layout table; the search itself is the core's.
#include "ui/design_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cmath>

#include "base/numbers.h"
#include "calc/presentation.h"
#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

constexpr const char* kCaption = "自动设计";
constexpr const char* kQuantitiesNote = "钢筋数量含主筋、分布钢筋和吊环。全部验算均不设箍筋。";
// The lines of the next best designs, best first.
constexpr std::string_view kAlternativeLines[] = {frmDesign::lblAlternative1, frmDesign::lblAlternative2,
                                                  frmDesign::lblAlternative3, frmDesign::lblAlternative4};

// The result box of each check's utilisation, in check order.
constexpr std::array<std::string_view, 5> kUtilisationBoxes = {
    frmDesign::txtUseCompressionZone, frmDesign::txtUseMinimumReinforcement, frmDesign::txtUseFlexure,
    frmDesign::txtUseCrackWidth, frmDesign::txtUseShear};

// The result boxes of the design and its quantities.
constexpr std::string_view kResultBoxes[] = {frmDesign::txtResultBDH,      frmDesign::txtResultBZH,
                                             frmDesign::txtResultBars,     frmDesign::txtResultSpacing,
                                             frmDesign::txtResultConcrete, frmDesign::txtResultSteel,
                                             frmDesign::txtResultCost};

// The check box of each main-bar diameter, in the order of the diameter list.
constexpr std::array<std::string_view, 7> kDiameterBoxes = {
    frmDesign::chkZJZJ16, frmDesign::chkZJZJ18, frmDesign::chkZJZJ20, frmDesign::chkZJZJ22,
    frmDesign::chkZJZJ25, frmDesign::chkZJZJ28, frmDesign::chkZJZJ32};

// The check box of the diameter at `position` in the main-bar diameter list; a diameter without a box
// throws.
std::string_view diameterBox(std::size_t position) {
    return kDiameterBoxes.at(position);
}

QString alternativeLine(const SlabDesign& d) {
    const DesignFigures f = designFigures(d);
    return QString::fromStdString(f.bars + "    d1/d2 = " + f.thickness + " cm    " + f.concrete + " m³    " +
                                  f.steel + " kg    " + f.cost + " 元");
}

// Why the design cannot be drawn, or that it has no lifting rings; empty for a slab drawn in full.
std::string drawingNote(const BarSchedule& schedule) {
    if (!schedule.drawn()) {
        return schedule.message;
    }
    std::string note;
    for (const std::string& warning : schedule.warnings) {
        note += warning;
    }
    return note;
}

}  // namespace

DesignDialog::DesignDialog(const DesignInput& record, Prompter& prompter, QWidget* mainWindow)
    : QDialog(mainWindow), m_record(record), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(logicalDpi(*this)));
    setModal(true);
    resize(createSurface(*this, kDesignClientArea, designDialogTables()).size());
    const std::span<const std::string_view> diameters = barDiameterEntries();
    for (std::size_t i = 0; i < diameters.size(); ++i) {
        const std::string_view diameter = diameters[i];
        QCheckBox& box = control<QCheckBox>(*this, diameterBox(i));
        box.setChecked(true);
        box.setAccessibleName(QStringLiteral("主筋直径 ") + toQString(diameter) + QStringLiteral(" mm"));
    }
    control<QWidget>(*this, frmDesign::txtMinBDH).setAccessibleName(QStringLiteral("板端厚下限 (cm)"));
    control<QWidget>(*this, frmDesign::txtMaxBDH).setAccessibleName(QStringLiteral("板端厚上限 (cm)"));
    clearResults();
    connect(&control<QPushButton>(*this, frmDesign::cmdDesign), &QPushButton::clicked, this,
            &DesignDialog::cmdDesign_Click);
    connect(&control<QPushButton>(*this, frmDesign::cmdAdopt), &QPushButton::clicked, this,
            &DesignDialog::cmdAdopt_Click);
    connect(&control<QPushButton>(*this, frmDesign::cmdClose), &QPushButton::clicked, this, &QDialog::reject);
    if (mainWindow) {
        centreOver(*this, *mainWindow);
    }
}

// The request of the boxes as they stand; none, after a message, when a box holds no usable value.
std::optional<DesignRequest> DesignDialog::request() {
    DesignRequest request;
    request.record = m_record;
    const auto minCm = parseStrict(control<QLineEdit>(*this, frmDesign::txtMinBDH).text().toStdString());
    const auto maxCm = parseStrict(control<QLineEdit>(*this, frmDesign::txtMaxBDH).text().toStdString());
    const auto concrete =
        parseStrict(control<QLineEdit>(*this, frmDesign::txtConcretePrice).text().toStdString());
    const auto steel = parseStrict(control<QLineEdit>(*this, frmDesign::txtSteelPrice).text().toStdString());
    std::optional<std::string> problem;
    if (!minCm || !maxCm || std::floor(*minCm) != *minCm || std::floor(*maxCm) != *maxCm ||
        std::abs(*minCm) > kLargestEndThicknessCm || std::abs(*maxCm) > kLargestEndThicknessCm) {
        problem = "板端厚范围应为1至" + std::to_string(kLargestEndThicknessCm) + "之间的整厘米数";
    } else if (!concrete || !steel) {
        problem = "混凝土和钢筋单价应大于0";
    } else {
        request.minEndThicknessCm = static_cast<int>(*minCm);
        request.maxEndThicknessCm = static_cast<int>(*maxCm);
        request.prices = {*concrete, *steel};
        request.objective = control<QRadioButton>(*this, frmDesign::optCheapest).isChecked()
                                ? DesignObjective::Cheapest
                                : DesignObjective::Thinnest;
        const std::span<const std::string_view> diameters = barDiameterEntries();
        for (std::size_t i = 0; i < diameters.size(); ++i) {
            if (control<QCheckBox>(*this, diameterBox(i)).isChecked()) {
                request.diameters.emplace_back(diameters[i]);
            }
        }
        problem = request.diameters.empty() ? std::optional<std::string>("请至少选择一种主筋直径")
                                            : requestProblem(request);
    }
    if (problem) {
        m_prompter.message(QString::fromStdString(*problem), QString::fromUtf8(kMessageTitle),
                           MessageButtons::Ok);
        return std::nullopt;
    }
    return request;
}

void DesignDialog::cmdDesign_Click() {
    clearResults();
    const auto designRequest = request();
    if (!designRequest) {
        return;
    }
    const DesignOutcome outcome = findDesign(*designRequest);
    if (!outcome.design) {
        control<QLabel>(*this, frmDesign::lblNote).setText(QString::fromStdString(outcome.message));
        return;
    }
    m_found = outcome.design;
    showDesign(*outcome.design, designRequest->objective);
    std::vector<SlabDesign> others = bestDesignPerDiameter(*designRequest);
    std::erase(others, *outcome.design);
    showAlternatives(others);
    control<QPushButton>(*this, frmDesign::cmdAdopt).setEnabled(true);
}

void DesignDialog::cmdAdopt_Click() {
    m_adopted = m_found;
    accept();
}

void DesignDialog::showDesign(const SlabDesign& d, DesignObjective objective) {
    const DesignFigures f = designFigures(d);
    const std::pair<std::string_view, std::string> texts[] = {
        {frmDesign::txtResultBDH, d.texts.txtBDH},
        {frmDesign::txtResultBZH, d.texts.txtBZH},
        {frmDesign::txtResultBars, f.bars},
        {frmDesign::txtResultSpacing, f.spacing},
        {frmDesign::txtResultConcrete, f.concrete},
        {frmDesign::txtResultSteel, f.steel},
        {frmDesign::txtResultCost, objective == DesignObjective::Cheapest ? f.cost : std::string()},
    };
    for (const auto& [box, text] : texts) {
        control<QLineEdit>(*this, box).setText(QString::fromStdString(text));
    }
    for (Check check : kChecksInOrder) {
        auto& box = control<QLineEdit>(*this, kUtilisationBoxes[static_cast<std::size_t>(check)]);
        box.setText(QString::fromStdString(formatTwoDecimals(d.utilisation.of(check))));
        box.setToolTip(toQString(utilisationLabel(check, d.utilisation)));
        QFont font = box.font();
        font.setBold(check == d.governing);  // the governing check stands out
        box.setFont(font);
    }
    control<QLabel>(*this, frmDesign::lblNote)
        .setText(QString::fromStdString("控制验算：" + governingCheckText(d) + "。") +
                 QString::fromUtf8(kQuantitiesNote) + QString::fromStdString(drawingNote(d.schedule)));
}

void DesignDialog::showAlternatives(const std::vector<SlabDesign>& designs) {
    for (std::size_t i = 0; i < std::size(kAlternativeLines) && i < designs.size(); ++i) {
        control<QLabel>(*this, kAlternativeLines[i]).setText(alternativeLine(designs[i]));
    }
}

void DesignDialog::clearResults() {
    m_found.reset();
    for (std::string_view box : kResultBoxes) {
        control<QLineEdit>(*this, box).clear();
    }
    for (Check check : kChecksInOrder) {
        auto& box = control<QLineEdit>(*this, kUtilisationBoxes[static_cast<std::size_t>(check)]);
        box.clear();
        box.setToolTip(toQString(utilisationLabel(check)));
    }
    for (std::string_view line : kAlternativeLines) {
        control<QLabel>(*this, line).clear();
    }
    control<QLabel>(*this, frmDesign::lblNote).setText(QString::fromUtf8(kQuantitiesNote));
    control<QPushButton>(*this, frmDesign::cmdAdopt).setEnabled(false);
}

}  // namespace tavrel::ui
