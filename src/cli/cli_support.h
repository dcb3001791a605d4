// What the commands of the command-line tool share: reading the input file as the open command does, and
// stored singles in JSON (those of report/design_json.h, which the table file writes too).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/edition.h"
#include "base/expected.h"
#include "calc/calculate.h"
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

// The edition options of the commands that calculate: the code edition and the safety class, which override
// the file's lines 48 and 49 as the 设置 menu would.
struct EditionChoice {
    std::optional<Edition> edition;
    std::optional<SafetyClass> safetyClass;
};

// Reads --edition or --safety-class at args[i] into `choice`, advancing i past its value. Returns false
// when args[i] is neither; sets `failed` after a message when its value is malformed.
bool readEditionOption(const std::vector<std::string>& args, std::size_t& i, EditionChoice& choice,
                       bool& failed, std::ostream& err);

// Applies the choice to the record read from the file; false after a message when a safety class is given
// for the 2004 edition, whose γ0 is fixed.
bool applyEditionChoice(const EditionChoice& choice, DesignInput& input, std::ostream& err);

// Runs the calculate command on the record as the main window does once the file is open, filling `results`.
Expected<CalculateOutcome, Refusal> calculateRecord(const DesignInput& input, CalculationResults& results);

}  // namespace tavrel::cli
