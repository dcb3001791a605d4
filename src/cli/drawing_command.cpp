// The drawing command: calculates the input file as calc does, then writes the slab's reinforcement
// drawing (DXF, SVG), its tables (CSV) or its JSON.
#include "cli/drawing_command.h"

#include <chrono>
#include <ctime>
#include <optional>

#include "cli/cli.h"
#include "cli/cli_support.h"
#include "design/bar_schedule.h"
#include "drawing/drawing_files.h"
#include "drawing/sheet_content.h"
#include "platform/files.h"
#include "report/report_files.h"

namespace tavrel::cli {

namespace {

struct DrawingOptions {
    std::string file;
    std::string output;
    bool json = false;
    std::optional<std::string> issueDate;  // "YYYY.MM" of the title block
    EditionChoice editions;
};

bool isDigits(const std::string& text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

// "YYYY-MM-DD", a real calendar day, as the title block's "YYYY.MM".
std::optional<std::string> titleBlockDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !isDigits(text, 0, 4) ||
        !isDigits(text, 5, 2) || !isDigits(text, 8, 2)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day day{
        std::chrono::year{std::stoi(text.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(std::stoi(text.substr(5, 2)))},
        std::chrono::day{static_cast<unsigned>(std::stoi(text.substr(8, 2)))}};
    if (!day.ok()) {
        return std::nullopt;
    }
    return drawing::titleBlockMonth(text);
}

std::string todayForTitleBlock() {
    const std::tm now = platform::localTime(std::time(nullptr));
    char text[32];
    std::strftime(text, sizeof text, "%Y.%m", &now);
    return text;
}

// Reads one argument (and its value); false after a message when it is wrong.
bool readDrawingArgument(const std::vector<std::string>& args, std::size_t& i, DrawingOptions& options,
                         std::ostream& err) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (bool failed = false; readEditionOption(args, i, options.editions, failed, err)) {
        return !failed;
    }
    if (arg == "--json") {
        options.json = true;
        return true;
    }
    if ((arg == "-o" || arg == "--output") && hasValue) {
        options.output = args[++i];
        return true;
    }
    if (arg == "--issue-date" && hasValue) {
        options.issueDate = titleBlockDate(args[++i]);
        if (!options.issueDate) {
            err << "--issue-date expects a date YYYY-MM-DD\n";
        }
        return options.issueDate.has_value();
    }
    if (!arg.starts_with("-") && options.file.empty()) {
        options.file = arg;
        return true;
    }
    err << "unknown or incomplete argument: " << arg << "\n";
    return false;
}

std::optional<DrawingOptions> parseDrawingOptions(const std::vector<std::string>& args, std::ostream& err) {
    DrawingOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!readDrawingArgument(args, i, options, err)) {
            return std::nullopt;
        }
    }
    if (options.file.empty()) {
        err << "missing input file\n";
        return std::nullopt;
    }
    if (options.output.empty() && !options.json) {
        err << "missing -o OUT.dxf|.svg|.csv|.json or --json\n";
        return std::nullopt;
    }
    if (!options.output.empty() && !drawing::drawingFormatOf(options.output)) {
        err << "-o: the output must end in .dxf, .svg, .csv or .json: " << options.output << "\n";
        return std::nullopt;
    }
    return options;
}

// The month of the title block, by the rule of the report's issue date: --issue-date, else the date the
// file fixes, else this month.
std::string titleBlockDateOf(const DrawingOptions& options, const ProjectInfo& project) {
    if (options.issueDate) {
        return *options.issueDate;
    }
    return project.issueDate.empty() ? todayForTitleBlock() : drawing::titleBlockMonth(project.issueDate);
}

int writeDrawing(const BarSchedule& schedule, const ProjectInfo& project, const DrawingOptions& options,
                 std::ostream& err) {
    const drawing::TitleBlockTexts title = drawing::titleBlockOf(project, titleBlockDateOf(options, project));
    const std::string bytes =
        drawing::drawingBytes(schedule, title, *drawing::drawingFormatOf(options.output));
    if (const Expected<void> written =
            replaceFileAtomically(options.output, bytes, drawing::kDrawingFileKind);
        !written) {
        err << written.error().message << "\n";
        return kFileError;
    }
    return kCalculated;
}

}  // namespace

int runDrawingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<DrawingOptions> options = parseDrawingOptions(args, err);
    if (!options) {
        return kUsage;
    }
    // The drawing must never take the place of the design it is made from.
    if (outputReplacesInput(options->file, options->output, err,
                            std::string(drawing::kDrawingFileKind) + "文件")) {
        return kFileError;
    }
    std::optional<DesignInput> input = readRecord(options->file, err);
    if (!input) {
        return kFileError;
    }
    if (!applyEditionChoice(options->editions, *input, err)) {
        return kUsage;
    }
    CalculationResults results;
    if (const auto calculated = calculateRecord(*input, results); !calculated) {
        err << calculated.error().message << "\n";
        return kInputRefused;
    }
    const BarSchedule schedule = barSchedule(results);
    if (options->json) {
        out << drawing::drawingJson(schedule) << "\n";
    }
    if (!schedule.drawn()) {
        err << schedule.message << "\n";
        return kDrawingRefused;
    }
    for (const std::string& warning : schedule.warnings) {
        err << warning << "\n";
    }
    return options->output.empty() ? kCalculated : writeDrawing(schedule, input->project, *options, err);
}

}  // namespace tavrel::cli
