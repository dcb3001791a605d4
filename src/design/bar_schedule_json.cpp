// The bar schedule in JSON: numbers as their printed texts show them.
#include "design/bar_schedule_json.h"

#include <cstdlib>

namespace tavrel {

namespace {

using Json = nlohmann::ordered_json;

// The number a printed text shows, as a JSON number.
Json decimalJson(const std::string& text) {
    return Json(std::strtod(text.c_str(), nullptr));
}

Json distributionJson(const std::optional<DistributionBars>& n2) {
    if (!n2) {
        return nullptr;
    }
    return {{"diameter", n2->diameterMm},
            {"spacingCm", n2->spacingCm},
            {"requiredMm2PerM", decimalJson(shortText(n2->requiredMm2PerM, 2))},
            {"providedMm2PerM", decimalJson(fixedText(n2->providedTenthsMm2PerM, 1))}};
}

Json ringsJson(const BarSchedule& schedule) {
    const auto& n3 = schedule.rings;
    if (!n3) {
        return nullptr;
    }
    return {{"diameter", n3->diameterMm},
            {"selfWeightKN", decimalJson(exactFixedText(schedule.slab.selfWeightKN, 2))},
            {"stressLimitMPa", n3->stressLimitMPa},
            {"capacityKN", decimalJson(exactFixedText(n3->capacityKN, 2))},
            {"fromEndCm", n3->fromEndCm},
            {"fromEdgeCm", n3->fromEdgeCm}};
}

}  // namespace

Json scheduleLinesJson(const BarSchedule& schedule) {
    Json lines = Json::array();
    for (const ScheduleLine& line : schedule.lines) {
        const ScheduleLineTexts texts = scheduleLineTexts(line);
        lines.push_back({{"mark", line.mark},
                         {"grade", line.grade},
                         {"diameter", line.diameterMm},
                         {"lengthCm", line.lengthCm},
                         {"count", line.count},
                         {"totalM", decimalJson(texts.totalM)},
                         {"unitKgPerM", decimalJson(texts.unitWeight)},
                         {"totalKg", decimalJson(texts.mass)}});
    }
    return lines;
}

void appendScheduleJson(const BarSchedule& schedule, Json& object) {
    object["bars"] = scheduleLinesJson(schedule);
    Json totals = Json::array();
    for (const GradeTotal& total : schedule.totals) {
        totals.push_back({{"grade", total.grade}, {"kg", decimalJson(fixedText(total.massCents, 2))}});
    }
    object["totals"] = totals;
    object["steelKg"] = decimalJson(fixedText(schedule.steelCents, 2));
    object["concreteGrade"] = schedule.slab.concreteGrade;
    object["concreteM3"] = decimalJson(exactFixedText(schedule.slab.concreteM3, 3));
    object["mainBars"] = {{"spacingMm", schedule.mainBars.spacingMm},
                          {"edgeMm", decimalJson(shortText(schedule.mainBars.edgeDistance, 2))}};
    object["distribution"] = distributionJson(schedule.distribution);
    object["rings"] = ringsJson(schedule);
    object["warnings"] = schedule.warnings;
}

}  // namespace tavrel
