// What the commands of the command-line tool share: the input file and singles in JSON.
#include "cli/cli_support.h"

#include <cstdio>
#include <cstdlib>

#include "model/tvrl.h"

namespace tavrel::cli {

Expected<DesignInput> readInputFile(const std::string& path) {
    const Expected<tvrl::Values> read = tvrl::readCompleteFile(path);
    if (!read) {
        return unexpected(read.error());
    }
    DesignInput input;
    DesignInputTarget target(input);
    tvrl::apply(*read, target);
    return input;
}

Json singleJson(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return Json(std::strtod(buffer, nullptr));
}

}  // namespace tavrel::cli
