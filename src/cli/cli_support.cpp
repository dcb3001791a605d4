// What the commands of the command-line tool share: the input file and singles in JSON.
#include "cli/cli_support.h"

#include <cstdio>
#include <cstdlib>

#include "model/tvrl.h"

namespace tavrel::cli {

std::optional<DesignInput> readInputFile(const std::string& path, std::ostream& err) {
    const tvrl::ReadResult read = tvrl::readFile(path);
    if (read.error != tvrl::ReadError::None) {
        err << tvrl::describe(read.error, path) << "\n";
        return std::nullopt;
    }
    DesignInput input;
    DesignInputTarget target(input);
    tvrl::apply(read.values, target);
    return input;
}

Json singleJson(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return Json(std::strtod(buffer, nullptr));
}

}  // namespace tavrel::cli
