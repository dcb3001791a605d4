// The drawing command of the command-line tool: the slab's reinforcement drawing, its tables or its JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::cli {

inline constexpr const char* kDrawingCommandHelp =
    "  tavrel-cli drawing FILE.tvrl [-o OUT] [--json] [--issue-date YYYY-MM-DD] [EDITION OPTIONS]\n"
    "      Calculates as calc does and draws the slab's reinforcement (盖板钢筋构造图, A3): elevation, "
    "plan,\n"
    "      section, bar details, the bar schedule and material table, notes and title block. The extension\n"
    "      of OUT chooses what is written: .dxf the drawing (AutoCAD 2000, GBK texts), .svg the drawing,\n"
    "      .csv the two tables, .json the schedule as JSON; --json prints that JSON on stdout. Give -o,\n"
    "      --json or both. OUT is replaced under the rules of report. --issue-date sets the title block's\n"
    "      date (default: today). A slab too heavy for four lifting rings is drawn without them; the\n"
    "      warning goes to stderr. Exit 0 written, 1 file error, 2 usage, 3 input refused, 4 drawing "
    "refused\n"
    "      (the reason on stderr; with --json \"drawn\": false and the reason; nothing is written).\n";

// `args` starts with the command name "drawing".
int runDrawingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavrel::cli
