// What the commands of the command-line tool share: reading the input file as the open command does, and
// stored singles in JSON.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>

#include "model/design_input.h"

namespace tavrel::cli {

using Json = nlohmann::ordered_json;

// Reads the file into the default record as the open command does; empty with a message on failure.
std::optional<DesignInput> readInputFile(const std::string& path, std::ostream& err);

// A stored single with 9 significant digits, so that the value read back is the same single.
Json singleJson(float value);

}  // namespace tavrel::cli
