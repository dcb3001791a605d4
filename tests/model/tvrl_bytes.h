// The bytes of a .tvrl file read and applied to a record as opening the file does, with no file on disk.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/tvrl.h"

namespace tavrel::test {

struct AppliedBytes {
    DesignInput input;
    std::vector<std::string> messages;  // what the reader says of values it did not recognise
};

// Reads `bytes` and applies them to a record that starts as `start`.
inline AppliedBytes appliedBytes(const std::string& bytes, DesignInput start = {}) {
    std::istringstream in(bytes);
    AppliedBytes applied{std::move(start), {}};
    DesignInputTarget target(applied.input);
    applied.messages = tvrl::apply(tvrl::read(in), target);
    return applied;
}

}  // namespace tavrel::test
