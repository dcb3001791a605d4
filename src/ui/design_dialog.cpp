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
#include "ui/form_layout.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

constexpr const char* kCaption = "自动设计";
constexpr const char* kNotDesignedNote = "钢筋数量只计主筋，分布钢筋未设计。全部验算均不设箍筋。";
constexpr std::size_t kAlternativeLines = 4;

// The result box of each check's utilisation, in check order.
constexpr std::array<std::string_view, 5> kUtilisationBoxes = {"txtUseCompressionZone",
                                                               "txtUseMinimumReinforcement", "txtUseFlexure",
                                                               "txtUseCrackWidth", "txtUseShear"};

constexpr std::string_view kResultBoxes[] = {
    "txtResultBDH",     "txtResultBZH",          "txtResultBars",
    "txtResultSpacing", "txtResultConcrete",     "txtResultSteel",
    "txtResultCost",    "txtUseCompressionZone", "txtUseMinimumReinforcement",
    "txtUseFlexure",    "txtUseCrackWidth",      "txtUseShear"};

std::string diameterBox(std::string_view diameter) {
    return "chkZJZJ" + std::string(diameter);
}

QString alternativeLine(const SlabDesign& d) {
    return QString::fromStdString(d.texts.txtZJGS + "Φ" + d.texts.CboZJZJ + "    d1/d2 = " + d.texts.txtBDH +
                                  "/" + d.texts.txtBZH + " cm    " + formatFixed(d.quantities.concreteM3, 2) +
                                  " m³    " + formatFixed(d.quantities.steelKg, 1) + " kg    " +
                                  formatFixed(d.cost, 2) + " 元");
}

}  // namespace

DesignDialog::DesignDialog(const DesignInput& record, Prompter& prompter, QWidget* mainWindow)
    : QDialog(mainWindow), m_record(record), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    setModal(true);
    resize(createSurface(*this, toPixels(kDesignClientArea).size(), designDialogTables()).size());
    for (std::string_view diameter : barDiameterEntries()) {
        QCheckBox& box = control<QCheckBox>(*this, diameterBox(diameter));
        box.setChecked(true);
        box.setAccessibleName(QStringLiteral("主筋直径 ") + toQString(diameter) + QStringLiteral(" mm"));
    }
    control<QWidget>(*this, "txtMinBDH").setAccessibleName(QStringLiteral("板端厚下限 (cm)"));
    control<QWidget>(*this, "txtMaxBDH").setAccessibleName(QStringLiteral("板端厚上限 (cm)"));
    clearResults();
    connect(&control<QPushButton>(*this, "cmdDesign"), &QPushButton::clicked, this,
            &DesignDialog::cmdDesign_Click);
    connect(&control<QPushButton>(*this, "cmdAdopt"), &QPushButton::clicked, this,
            &DesignDialog::cmdAdopt_Click);
    connect(&control<QPushButton>(*this, "cmdClose"), &QPushButton::clicked, this, &QDialog::reject);
    if (mainWindow) {
        centreOver(*this, *mainWindow);
    }
}

// The request of the boxes as they stand; none, after a message, when a box holds no usable value.
std::optional<DesignRequest> DesignDialog::request() {
    DesignRequest request;
    request.record = m_record;
    const auto minCm = parseStrict(control<QLineEdit>(*this, "txtMinBDH").text().toStdString());
    const auto maxCm = parseStrict(control<QLineEdit>(*this, "txtMaxBDH").text().toStdString());
    const auto concrete = parseStrict(control<QLineEdit>(*this, "txtConcretePrice").text().toStdString());
    const auto steel = parseStrict(control<QLineEdit>(*this, "txtSteelPrice").text().toStdString());
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
        request.objective = control<QRadioButton>(*this, "optCheapest").isChecked()
                                ? DesignObjective::Cheapest
                                : DesignObjective::Thinnest;
        for (std::string_view diameter : barDiameterEntries()) {
            if (control<QCheckBox>(*this, diameterBox(diameter)).isChecked()) {
                request.diameters.emplace_back(diameter);
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
        control<QLabel>(*this, "lblNote").setText(QString::fromStdString(outcome.message));
        return;
    }
    m_found = outcome.design;
    showDesign(*outcome.design, designRequest->objective);
    std::vector<SlabDesign> others = bestDesignPerDiameter(*designRequest);
    std::erase(others, *outcome.design);
    showAlternatives(others);
    control<QPushButton>(*this, "cmdAdopt").setEnabled(true);
}

void DesignDialog::cmdAdopt_Click() {
    m_adopted = m_found;
    accept();
}

void DesignDialog::showDesign(const SlabDesign& d, DesignObjective objective) {
    const std::pair<std::string_view, std::string> texts[] = {
        {"txtResultBDH", d.texts.txtBDH},
        {"txtResultBZH", d.texts.txtBZH},
        {"txtResultBars", d.texts.txtZJGS + "Φ" + d.texts.CboZJZJ},
        {"txtResultSpacing", formatFixed(d.centreSpacingMm, 1)},
        {"txtResultConcrete", formatFixed(d.quantities.concreteM3, 2)},
        {"txtResultSteel", formatFixed(d.quantities.steelKg, 1)},
        {"txtResultCost", objective == DesignObjective::Cheapest ? formatFixed(d.cost, 2) : std::string()},
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
    control<QLabel>(*this, "lblNote")
        .setText(QString::fromStdString("控制验算：" + governingCheckText(d) + "。") +
                 QString::fromUtf8(kNotDesignedNote));
}

void DesignDialog::showAlternatives(const std::vector<SlabDesign>& designs) {
    for (std::size_t i = 0; i < kAlternativeLines && i < designs.size(); ++i) {
        control<QLabel>(*this, "lblAlternative" + std::to_string(i + 1)).setText(alternativeLine(designs[i]));
    }
}

void DesignDialog::clearResults() {
    m_found.reset();
    for (std::string_view box : kResultBoxes) {
        control<QLineEdit>(*this, box).clear();
    }
    for (Check check : kChecksInOrder) {
        control<QWidget>(*this, kUtilisationBoxes[static_cast<std::size_t>(check)])
            .setToolTip(toQString(utilisationLabel(check)));
    }
    for (std::size_t i = 1; i <= kAlternativeLines; ++i) {
        control<QLabel>(*this, "lblAlternative" + std::to_string(i)).clear();
    }
    control<QLabel>(*this, "lblNote").setText(QString::fromUtf8(kNotDesignedNote));
    control<QPushButton>(*this, "cmdAdopt").setEnabled(false);
}

}  // namespace tavrel::ui
