// What a design table shows: cell texts, headings with units, fixed inputs, the record and the notes.
#include "report/design_table_content.h"

#include <sstream>

#include "base/numbers.h"
#include "calc/design_code.h"
#include "model/gbk.h"
#include "model/tvrl.h"

namespace tavrel {

namespace {

std::string joined(const std::vector<std::string>& texts, const char* separator) {
    std::string result;
    for (const std::string& text : texts) {
        result += (result.empty() ? "" : separator) + text;
    }
    return result;
}

std::string slabTypeName(SlabType type) {
    switch (type) {
        case SlabType::Buried:
            return "暗涵盖板";
        case SlabType::Open:
            return "明涵盖板";
        case SlabType::Custom:
            break;
    }
    return "自定义荷载盖板";
}

std::string objectiveName(DesignObjective objective) {
    return objective == DesignObjective::Thinnest ? "板最薄（再取主筋最省）" : "造价最低";
}

std::string diametersText(const DesignRequest& request) {
    return joined(triedDiameters(request), "、") + " mm";
}

std::string number(double value) {
    return formatGeneral(value);
}

// The loads that are fixed across the table, by slab type.
void addLoadInputs(std::vector<LabelledValue>& inputs, const DesignInput& r) {
    switch (r.slabType) {
        case SlabType::Buried:
            inputs.push_back({"汽车荷载等级", r.CboSJHZ});
            inputs.push_back({"土容重", r.txtTRZ + " kN/m³"});
            break;
        case SlabType::Open:
            inputs.push_back({"汽车荷载等级", r.CboSJHZ});
            inputs.push_back({"涵顶铺装厚、容重", r.txtPZH + " cm、" + r.txtPZRZ + " kN/m³"});
            inputs.push_back({"涵顶表处厚、容重", r.txtBCH + " cm、" + r.txtBCRZ + " kN/m³"});
            break;
        case SlabType::Custom:
            inputs.push_back({"均布荷载、作用长度", r.txtJBHZ + " kN/m、" + r.txtJBHZKD + " m"});
            inputs.push_back({"跨中集中力", r.txtJZL + " kN"});
            break;
    }
}

// What a cell adds to its remark when its slab cannot be drawn, or is drawn without lifting rings.
std::string drawingRemark(const BarSchedule& schedule) {
    if (!schedule.drawn()) {
        return "（不能出图）";
    }
    return schedule.warnings.empty() ? "" : "（未设吊环）";
}

}  // namespace

// The code pair the record follows.
std::string codeEditionName(const DesignInput& record) {
    return designCode(record.edition).pairName();
}

DesignCellTexts designCellTexts(const DesignOutcome& outcome) {
    DesignCellTexts texts;
    if (!outcome.design) {
        texts.thickness = "—";
        texts.remark = outcome.message;
        return texts;
    }
    DesignFigures figures = designFigures(*outcome.design);
    texts.found = true;
    texts.thickness = std::move(figures.thickness);
    texts.bars = std::move(figures.bars);
    texts.spacing = std::move(figures.spacing);
    texts.concrete = std::move(figures.concrete);
    texts.steel = std::move(figures.steel);
    texts.remark = governingCheckText(*outcome.design) + drawingRemark(outcome.design->schedule);
    return texts;
}

std::string designTableTitle(SlabType type) {
    return slabTypeName(type) + "设计表";
}

const std::vector<std::string>& designColumnHeadings() {
    static const std::vector<std::string> headings = {"板端厚/板中厚 d1/d2 (cm)", "主筋 根数Φ直径 (mm)",
                                                      "主筋间距 (mm)", "控制验算"};
    return headings;
}

const std::vector<std::string>& quantityColumnHeadings() {
    static const std::vector<std::string> headings = {"混凝土 (m³/块)", "钢筋 (kg/块)"};
    return headings;
}

std::string fillGroupHeading(const DesignTable& table, std::size_t fill) {
    if (table.slabType == SlabType::Buried) {
        return "填土高 H = " + table.fills[fill] + " m";
    }
    return slabTypeName(table.slabType);
}

std::vector<LabelledValue> fixedInputs(const TableRequest& request) {
    const DesignRequest& design = request.design;
    const DesignInput& r = design.record;
    std::vector<LabelledValue> inputs = {
        {"设计规范", codeEditionName(r)},
        {"盖板类型", slabTypeName(r.slabType)},
        {"混凝土强度等级", r.CboHNTDJ + " (fcd = " + r.txtHNTKY + " MPa, ftd = " + r.txtHNTKL + " MPa)"},
        {"主筋等级", r.CboZJDJ},
        {"环境类别", r.CboHJLB},
        {"盖板宽 b", r.txtGBK + " m"},
        {"单侧搁置长度", r.txtGZCD + " m"},
        {"保护层厚度", r.txtBHC + " cm"},
        {"盖板容重", r.txtGBRZ + " kN/m³"},
    };
    addLoadInputs(inputs, r);
    inputs.push_back({"板中厚 − 板端厚", r.txtBZH + " − " + r.txtBDH + " cm（各设计保持此差）"});
    inputs.push_back({"计算跨径", "净跨径＋板端厚或净跨径＋单侧搁置长度中较小值"});
    inputs.push_back({"设计目标", objectiveName(design.objective)});
    inputs.push_back({"板端厚范围", std::to_string(design.minEndThicknessCm) + "～" +
                                        std::to_string(design.maxEndThicknessCm) + " cm，按整厘米"});
    inputs.push_back({"主筋直径", diametersText(design)});
    inputs.push_back({"主筋间距规定", "中心距不大于" + number(design.detailing.maxCentreSpacingMm) +
                                          " mm，净距不小于" + number(design.detailing.minClearSpacingMm) +
                                          " mm且不小于主筋直径"});
    if (design.objective == DesignObjective::Cheapest) {
        inputs.push_back({"单价", "混凝土 " + number(design.prices.concretePerM3) + " 元/m³，钢筋 " +
                                      number(design.prices.steelPerKg) + " 元/kg"});
    }
    return inputs;
}

std::vector<LabelledValue> recordLines(const DesignInput& record) {
    const std::string bytes = *tvrl::write(record, tvrl::Unwritable::Replace);
    const std::string spaces(tvrl::kSpacesBeforeTerm, ' ');
    std::vector<LabelledValue> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string text = gbk::decode(line);
        const std::size_t gap = text.find(spaces);
        if (gap == std::string::npos) {
            lines.push_back({text, ""});
        } else {
            lines.push_back({text.substr(gap + spaces.size()), text.substr(0, gap)});
        }
    }
    return lines;
}

const std::vector<std::string>& designTableNotes() {
    static const std::vector<std::string> notes = {
        "每格为该净跨径（及填土高）下通过全部五项验算且不设箍筋的设计：板端厚按整厘米取值，"
        "计算跨径按规则推算。",
        kQuantitiesNote,
        "控制验算为利用率最高的验算；无解的格内说明最大板端厚时仍不满足的验算。",
    };
    return notes;
}

}  // namespace tavrel
