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

// {"concreteM3", "steelKg"} of one slab.
Json quantitiesJson(const SlabQuantities& quantities);

}  // namespace tavrel
