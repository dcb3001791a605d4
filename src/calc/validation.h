// The input checks of the calculate command, in their fixed order, with their messages.
#pragma once

#include <optional>
#include <string>

#include "model/design_input.h"

namespace tavrel {

// JTG D60-2004 4.3.4 spreads the wheel load through at least this much fill, m.
inline constexpr double kMinimumFillM = 0.5;

// A refused input: the field to enable and focus, and the message to show.
struct Refusal {
    TextField field;
    std::string message;
};

// Runs the checks in order and returns the first failure, or nothing when the input may be calculated.
// Beyond the value checks it refuses numbers that cannot be stored (beyond single precision, a bar
// count beyond 16 bits), a bar count that rounds to 0 and an effective depth h0 <= 0.
std::optional<Refusal> validateInput(const DesignInput& input);

}  // namespace tavrel
