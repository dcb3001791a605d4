// What the commands of the command-line tool share: reading the input file as the open command does, and
// stored singles in JSON.
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "base/expected.h"
#include "model/design_input.h"

namespace tavrel::cli {

using Json = nlohmann::ordered_json;

// Reads the file into the default record as the open command does.
Expected<DesignInput> readInputFile(const std::string& path);

// True, after a message, when `output` names the input file itself (by any path or link): a file made
// from the input must never take its place.
bool outputReplacesInput(const std::string& input, const std::string& output, std::ostream& err);

// A stored single with 9 significant digits, so that the value read back is the same single.
Json singleJson(float value);

}  // namespace tavrel::cli
