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

// The lines of a file's bytes, each without its CR LF.
inline std::vector<std::string> crLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace tavrel::test
