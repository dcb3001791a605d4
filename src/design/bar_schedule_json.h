// The bar schedule in JSON: the drawing's JSON output, and the bar lines design mode reports. Integers stay
// integers; every decimal is the value its printed text shows (217.98, not the single 217.979996).
#pragma once

#include <nlohmann/json.hpp>

#include "design/bar_schedule.h"

namespace tavrel {

// [{"mark", "grade", "diameter", "lengthCm", "count", "totalM", "unitKgPerM", "totalKg"}] of the schedule.
nlohmann::ordered_json scheduleLinesJson(const BarSchedule& schedule);

// Adds to `object`, in this order: "bars", "totals", "steelKg", "concreteGrade", "concreteM3", "mainBars",
// "distribution", "rings" (null without rings) and "warnings". The drawing puts "edition", "drawn",
// "message", "sheet" and "scale" before them; a refused drawing carries none of them.
void appendScheduleJson(const BarSchedule& schedule, nlohmann::ordered_json& object);

}  // namespace tavrel
