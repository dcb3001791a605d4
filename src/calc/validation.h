// The input checks of the calculate command, in their fixed order, with their messages.
#pragma once

#include <optional>
#include <string>

#include "base/expected.h"
#include "model/design_input.h"

namespace tavrel {

// JTG D60-2004 4.3.4 spreads the wheel load through at least this much fill, m.
inline constexpr double kMinimumFillM = 0.5;

// A refused input, of the calculate command or the stirrup dialog: the code (InputRefused, or
// ResultOutOfRange when every check passed yet a result overflowed) and the message to show, and the
// main window's control to enable and focus (a text box, or a list whose choice is to blame); none when
// no single control is to blame.
struct Refusal : Error {
    std::optional<InputControl> field;

    bool operator==(const Refusal&) const = default;
};

Unexpected<Refusal> refuseInput(std::optional<InputControl> field, std::string message);

// Runs the checks in order and fails with the first refusal; succeeds when the input may be calculated.
// The twenty value checks of the 2004 rules run under both editions; under the 2018 edition five checks
// of the materials and the cover follow (JTG 3362-2018 3.1.2, table 4.5.3, table 3.2.2-1, 9.1.1). Beyond
// them it refuses numbers that cannot be stored (beyond single precision, a bar count beyond 16 bits), a
// bar count that rounds to 0 and an effective depth h0 <= 0.
Expected<void, Refusal> validateInput(const DesignInput& input);

}  // namespace tavrel
