// The notes (附注) that go with a slab's bar schedule: units, bar symbols, concrete and cover, codes, hooks,
// distribution bars, lifting rings and quantities, filled from the schedule. The drawing numbers them;
// the full report prints the notes on the bars as paragraphs.
#pragma once

#include <string>
#include <vector>

#include "design/bar_schedule.h"

namespace tavrel {

// The notes in order, without their numbers. Eleven for a slab with lifting rings; without rings the four
// ring notes give way to the warning, eight in all. `units` writes mm² "mm2" on the drawing (GBK).
std::vector<std::string> scheduleNotes(const BarSchedule& schedule, UnitForm units);

// The position in scheduleNotes of the note on hooks, the first of the notes on the bars themselves
// (hooks, distribution bars, rings); the notes before it are on the drawing as a whole.
inline constexpr std::size_t kFirstBarNote = 4;

}  // namespace tavrel
