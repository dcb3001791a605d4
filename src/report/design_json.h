// A design in JSON, as the design command prints it and the table file holds it: stored singles that read
// back as the same single, the texts a design writes and its quantities.
#pragma once

#include <nlohmann/json.hpp>

#include "design/design_search.h"

namespace tavrel {

using Json = nlohmann::ordered_json;

// A stored single with 9 significant digits, so that the value read back is the same single.
Json singleJson(float value);

// {"txtBDH", "txtBZH", "CboZJZJ", "txtZJGS", "txtJSKJ"}; txtJSKJ is null while the typed span is kept.
Json designTextsJson(const DesignTexts& texts);

// {"concreteM3", "steelKg", "bars", "drawing"} of one slab: its quantities, the lines of its bar schedule
// and, when the slab cannot be drawn, why (else null).
Json quantitiesJson(const SlabDesign& design);

}  // namespace tavrel
