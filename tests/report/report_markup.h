// Reads a report paragraph as one line of markup for comparison with expected lines: "_{..}" subscript,
// "^{..}" superscript, "*{..}" bold, "!{..}" red, "[figure]" a picture. Markup left as literal text in a
// run (a subscript that was not typed as one) shows as "?{..}" and so never matches an expected line.
#pragma once

#include <string>

#include "report/report_document.h"

namespace tavrel::test {

inline std::string markup(const ReportParagraph& paragraph) {
    std::string line;
    for (const ReportRun& run : paragraph.runs) {
        std::string text = run.text;
        if (text.find("_{") != std::string::npos || text.find("^{") != std::string::npos) {
            text = "?{" + text + "}";
        }
        if (run.script == ReportRun::Script::Subscript) {
            text = "_{" + text + "}";
        } else if (run.script == ReportRun::Script::Superscript) {
            text = "^{" + text + "}";
        }
        if (run.bold) {
            text = "*{" + text + "}";
        }
        if (run.red) {
            text = "!{" + text + "}";
        }
        line += text;
    }
    if (paragraph.picture) {
        line += "[figure]";
    }
    return line;
}

}  // namespace tavrel::test
