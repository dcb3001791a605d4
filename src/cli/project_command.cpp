// The project command: the project information of an input file, printed or written in place.
#include "cli/project_command.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_support.h"
#include "model/tvrl.h"
#include "platform/files.h"
#include "report/report_files.h"

namespace tavrel::cli {

const char* const kProjectCommandHelp =
    "  tavrel-cli project FILE.tvrl [--json]\n"
    "      Prints the project information of FILE (the cover page of the full report): one line per key,\n"
    "      or one JSON object with the keys project, structure, stage, reportNumber, revision, company,\n"
    "      calculatedBy, checkedBy, approvedBy, issueDate.\n"
    "  tavrel-cli project FILE.tvrl --set KEY=VALUE [--set KEY=VALUE ...]\n"
    "      Writes the values into FILE, which is replaced in one step; the design's lines stay byte for\n"
    "      byte. issueDate is YYYY-MM-DD, or empty for the date the report is written. A value the file\n"
    "      cannot hold (a character without a GBK form, a line break, more characters than the cover\n"
    "      page holds, no calendar date) is refused and FILE is left as it was (exit code 3).\n";

namespace {

constexpr const char* kInputFileKind = "盖板计算";

struct ProjectOptions {
    std::string file;
    bool json = false;
    std::vector<std::pair<const ProjectField*, std::string>> values;
};

std::optional<std::pair<const ProjectField*, std::string>> parseSetting(const std::string& text,
                                                                        std::ostream& err) {
    const std::size_t equals = text.find('=');
    const ProjectField* field =
        equals == std::string::npos ? nullptr : findProjectField(std::string_view(text).substr(0, equals));
    if (field == nullptr) {
        err << "--set expects KEY=VALUE with KEY one of project, structure, stage, reportNumber, revision, "
               "company, calculatedBy, checkedBy, approvedBy, issueDate: "
            << text << "\n";
        return std::nullopt;
    }
    return std::pair{field, text.substr(equals + 1)};
}

std::optional<ProjectOptions> parseProjectOptions(const std::vector<std::string>& args, std::ostream& err) {
    ProjectOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--set" && i + 1 < args.size()) {
            auto setting = parseSetting(args[++i], err);
            if (!setting) {
                return std::nullopt;
            }
            options.values.push_back(std::move(*setting));
        } else if (!arg.starts_with("-") && options.file.empty()) {
            options.file = arg;
        } else {
            err << "unknown or incomplete argument: " << arg << "\n";
            return std::nullopt;
        }
    }
    if (options.file.empty() || (options.json && !options.values.empty())) {
        err << (options.file.empty() ? "missing input file\n" : "--json prints; it does not go with --set\n");
        return std::nullopt;
    }
    return options;
}

void printProject(const ProjectInfo& project, std::ostream& out) {
    for (const ProjectField& field : projectFields()) {
        out << field.key << "\t" << project.*field.member << "\n";
    }
}

std::optional<std::string> fileBytes(const std::string& path) {
    std::ifstream in(platform::pathFromUtf8(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets the values, refusing the first that the file cannot hold; then replaces the file's project block.
int setProject(const ProjectOptions& options, DesignInput input, std::ostream& err) {
    for (const auto& [field, value] : options.values) {
        if (const auto problem = projectValueProblem(*field, value)) {
            err << *problem << "\n";
            return kInputRefused;
        }
        input.project.*field->member = value;
    }
    const std::optional<std::string> original = fileBytes(options.file);
    if (!original) {
        err << "无法读取文件：" << options.file << "\n";
        return kFileError;
    }
    const Expected<std::string> bytes = tvrl::withProjectBlock(*original, input);
    if (!bytes) {
        err << bytes.error().message << "\n";
        return kInputRefused;
    }
    if (const Expected<void> written = replaceFileAtomically(options.file, *bytes, kInputFileKind);
        !written) {
        err << written.error().message << "\n";
        return kFileError;
    }
    return kCalculated;
}

}  // namespace

Json projectJson(const ProjectInfo& project) {
    Json j = Json::object();
    for (const ProjectField& field : projectFields()) {
        j[std::string(field.key)] = project.*field.member;
    }
    return j;
}

int runProjectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<ProjectOptions> options = parseProjectOptions(args, err);
    if (!options) {
        return kUsage;
    }
    std::optional<DesignInput> input = readRecord(options->file, err);
    if (!input) {
        return kFileError;
    }
    if (!options->values.empty()) {
        return setProject(*options, std::move(*input), err);
    }
    if (options->json) {
        out << projectJson(input->project).dump(2) << "\n";
    } else {
        printProject(input->project, out);
    }
    return kCalculated;
}

}  // namespace tavrel::cli
