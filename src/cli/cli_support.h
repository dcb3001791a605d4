// What the commands of the command-line tool share: reading the input file as the open command does, and
// stored singles in JSON (those of report/design_json.h, which the table file writes too).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "model/design_input.h"
#include "report/design_json.h"

namespace tavrel::cli {

// A file read as the open command reads it, with the messages the open command shows about its edition
// and safety class lines.
struct FileInput {
    DesignInput input;
    std::vector<std::string> messages;
};

// Reads the file into the default record as the open command does.
Expected<FileInput> readInputFile(const std::string& path);

// The record of the input file for a command: the open command's messages about its edition lines go to
// err; empty, after the reason on err, when the file cannot be read.
std::optional<DesignInput> readRecord(const std::string& path, std::ostream& err);

// True, after a message naming the output by `kind`, when `output` names the input file itself (by any
// path or link): a file made from the input must never take its place.
bool outputReplacesInput(const std::string& input, const std::string& output, std::ostream& err,
                         std::string_view kind = "输出文件");

}  // namespace tavrel::cli
