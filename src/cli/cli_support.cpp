// What the commands of the command-line tool share: the input file and singles in JSON.
#include "cli/cli_support.h"

#include <cstdio>
#include <cstdlib>

#include "model/tvrl.h"
#include "platform/files.h"

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

bool outputReplacesInput(const std::string& input, const std::string& output, std::ostream& err) {
    if (output.empty() || !platform::sameFile(input, output)) {
        return false;
    }
    err << "输出文件不能替换输入文件：" << output << "\n";
    return true;
}

Json singleJson(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return Json(std::strtod(buffer, nullptr));
}

}  // namespace tavrel::cli
