// A design in JSON: singles that read back exactly, a design's texts and its quantities.
#include "report/design_json.h"

#include <cstdio>
#include <cstdlib>

#include "design/bar_schedule_json.h"

namespace tavrel {

Json singleJson(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return Json(std::strtod(buffer, nullptr));
}

Json designTextsJson(const DesignTexts& texts) {
    return {{"txtBDH", texts.txtBDH},
            {"txtBZH", texts.txtBZH},
            {"CboZJZJ", texts.CboZJZJ},
            {"txtZJGS", texts.txtZJGS},
            {"txtJSKJ", texts.txtJSKJ ? Json(*texts.txtJSKJ) : Json(nullptr)}};
}

Json quantitiesJson(const SlabDesign& design) {
    const BarSchedule& schedule = design.schedule;
    return {{"concreteM3", singleJson(design.quantities.concreteM3)},
            {"steelKg", singleJson(design.quantities.steelKg)},
            {"bars", scheduleLinesJson(schedule)},
            {"drawing", schedule.drawn() ? Json(nullptr) : Json(schedule.message)}};
}

}  // namespace tavrel
