// The project command of the command-line tool: prints the project information of an input file, or
// writes new values into it without touching its design lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/project_info.h"
#include "report/design_json.h"

namespace tavrel::cli {

extern const char* const kProjectCommandHelp;

// tavrel-cli project FILE [--json] | tavrel-cli project FILE --set KEY=VALUE ...
int runProjectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// {"project": ..., "issueDate": ...}: the ten fields by their keys, as typed.
Json projectJson(const ProjectInfo& project);

}  // namespace tavrel::cli
