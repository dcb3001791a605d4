// The command-line front end: runs the calculate command (and the report) on an input file, headless.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::cli {

enum ExitCode : int { kCalculated = 0, kFileError = 1, kUsage = 2, kInputRefused = 3, kDrawingRefused = 4 };

// Runs the tool with its arguments (without the program name); writes results to out, errors to err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavrel::cli
