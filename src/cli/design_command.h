// The design and table commands of the command-line tool: design mode on an input file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::cli {

inline constexpr const char* kDesignCommandsHelp =
    "  tavrel-cli design FILE.tvrl [search options] [--json] [-o DESIGN.tvrl] [--report DESIGN.docx]\n"
    "      Finds the design that passes all five checks without stirrups: end thickness d1 in whole cm\n"
    "      (d2 keeps the file's d2 - d1; the calculation span follows d1 unless its box is ticked), "
    "main-bar\n"
    "      diameter and count within the spacing rules. Prints d1, d2, bars, spacing, quantities and the\n"
    "      utilisation of each check; --json prints one object instead. -o writes the design as an input\n"
    "      file, --report its calculation report. Exit 0 found, 3 none found, 2 usage, 1 file error.\n"
    "  tavrel-cli table FILE.tvrl --spans MIN:MAX:STEP [--fills MIN:MAX:STEP] [search options]\n"
    "                   [--threads N] -o TABLE.xlsx|.csv|.docx|.json\n"
    "      A design per clear span (m), and per fill height (m) for a buried slab, like the tables of a\n"
    "      standard drawing. Exit 0 written, 2 usage, 1 file error.\n"
    "  No output of design or table may name the input file itself.\n"
    "  search options:\n";

// `args` starts with the command name ("design" or "table").
int runDesignCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavrel::cli
