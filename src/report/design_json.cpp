// A design in JSON: singles that read back exactly, a design's texts and its quantities.
#include "report/design_json.h"

#include <cstdio>
#include <cstdlib>

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

Json quantitiesJson(const SlabQuantities& quantities) {
    return {{"concreteM3", singleJson(quantities.concreteM3)}, {"steelKg", singleJson(quantities.steelKg)}};
}

}  // namespace tavrel
