// What the commands of the command-line tool share: the input file and the output beside it.
#include "cli/cli_support.h"

#include "model/tvrl.h"
#include "platform/files.h"

namespace tavrel::cli {

Expected<FileInput> readInputFile(const std::string& path) {
    const Expected<tvrl::Values> read = tvrl::readCompleteFile(path);
    if (!read) {
        return unexpected(read.error());
    }
    FileInput file;
    DesignInputTarget target(file.input);
    file.messages = tvrl::apply(*read, target);
    return file;
}

std::optional<DesignInput> readRecord(const std::string& path, std::ostream& err) {
    Expected<FileInput> file = readInputFile(path);
    if (!file) {
        err << file.error().message << "\n";
        return std::nullopt;
    }
    for (const std::string& message : file->messages) {
        err << message << "\n";
    }
    return std::move(file->input);
}

bool outputReplacesInput(const std::string& input, const std::string& output, std::ostream& err,
                         std::string_view kind) {
    if (output.empty() || !platform::sameFile(input, output)) {
        return false;
    }
    err << kind << "不能替换输入文件：" << output << "\n";
    return true;
}

}  // namespace tavrel::cli
