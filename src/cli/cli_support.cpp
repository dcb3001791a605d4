// What the commands of the command-line tool share: the input file and the output beside it.
#include "cli/cli_support.h"

#include "calc/stirrup.h"
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

bool readEditionOption(const std::vector<std::string>& args, std::size_t& i, EditionChoice& choice,
                       bool& failed, std::ostream& err) {
    const std::string& arg = args[i];
    if (i + 1 >= args.size() || (arg != "--edition" && arg != "--safety-class")) {
        return false;
    }
    const std::string& value = args[++i];
    if (arg == "--edition") {
        choice.edition = editionOfYear(value);
        failed = !choice.edition;
        if (failed) {
            err << "--edition expects 2004 or 2018\n";
        }
        return true;
    }
    choice.safetyClass = safetyClassOfNumber(value);
    failed = !choice.safetyClass;
    if (failed) {
        err << "--safety-class expects 1, 2 or 3\n";
    }
    return true;
}

bool applyEditionChoice(const EditionChoice& choice, DesignInput& input, std::ostream& err) {
    DesignInputTarget target(input);
    if (choice.edition) {
        target.selectEdition(*choice.edition);
    }
    if (choice.safetyClass) {
        if (input.edition != Edition::Jtg2018) {
            err << "--safety-class applies to the 2018 edition only (the input is of the 2004 edition; add "
                   "--edition 2018)\n";
            return false;
        }
        target.selectSafetyClass(*choice.safetyClass);
    }
    return true;
}

Expected<CalculateOutcome, Refusal> calculateRecord(const DesignInput& input, CalculationResults& results) {
    initialiseCrackWidthFactors(results);
    recordConcreteGrade(results, input.CboHNTDJ);
    return runCalculateCommand(input, results);
}

}  // namespace tavrel::cli
