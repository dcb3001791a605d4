// The table command: a design per span (and fill), written as a workbook, text, document or JSON, with a
// progress bar on a terminal.
#include <chrono>
#include <cmath>
#include <functional>
#include <ostream>
#include <optional>
#include <thread>

#include "base/numbers.h"
#include "calc/design_table.h"
#include "cli/cli.h"
#include "cli/cli_support.h"
#include "cli/design_command.h"
#include "cli/design_options.h"
#include "platform/console.h"
#include "platform/terminal.h"
#include "report/design_table_files.h"

namespace tavrel::cli {

namespace {

constexpr auto kQuietStart = std::chrono::seconds(1);  // runs shorter than this draw no bar
constexpr int kBarWidth = 40;
constexpr unsigned kMostThreads = 256;

struct TableOptions {
    std::string file;
    TableRequest request;
    std::optional<AxisRange> spans;
    std::optional<AxisRange> fills;
    std::string output;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
};

std::optional<AxisRange> readRange(const std::string& option, const std::string& text, std::ostream& err) {
    const auto values = numberList(text, ':', 3);
    if (!values) {
        err << option << " expects MIN:MAX:STEP in m, e.g. 1.0:6.0:0.5\n";
        return std::nullopt;
    }
    return AxisRange{(*values)[0], (*values)[1], (*values)[2]};
}

bool readThreads(const std::string& text, unsigned& threads, std::ostream& err) {
    const std::optional<double> value = parseStrict(text);
    if (!value || *value < 1 || *value > kMostThreads || *value != std::floor(*value)) {
        err << "--threads expects a whole number from 1 to " << kMostThreads << "\n";
        return false;
    }
    threads = static_cast<unsigned>(*value);
    return true;
}

// Reads one argument (and its value) of the table command; false after a message when it is wrong.
bool readTableArgument(const std::vector<std::string>& args, std::size_t& i, TableOptions& options,
                       std::ostream& err) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    bool failed = false;
    if (readSearchOption(args, i, options.request.design, failed, err)) {
        return !failed;
    }
    if ((arg == "--spans" || arg == "--fills") && hasValue) {
        auto& range = arg == "--spans" ? options.spans : options.fills;
        range = readRange(arg, args[++i], err);
        return range.has_value();
    }
    if (arg == "--threads" && hasValue) {
        return readThreads(args[++i], options.threads, err);
    }
    if ((arg == "-o" || arg == "--output") && hasValue) {
        options.output = args[++i];
        return true;
    }
    if (!arg.starts_with("-") && options.file.empty()) {
        options.file = arg;
        return true;
    }
    err << "unknown or incomplete argument: " << arg << "\n";
    return false;
}

std::optional<TableOptions> parseTableOptions(const std::vector<std::string>& args, std::ostream& err) {
    TableOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!readTableArgument(args, i, options, err)) {
            return std::nullopt;
        }
    }
    if (options.file.empty() || !options.spans || options.output.empty()) {
        err << "missing "
            << (options.file.empty() ? "input file"
                : !options.spans     ? "--spans"
                                     : "-o TABLE")
            << "\n";
        return std::nullopt;
    }
    if (!tableFormatOf(options.output)) {
        err << "-o must name a .xlsx, .csv, .docx or .json file\n";
        return std::nullopt;
    }
    return options;
}

// The axes of the table; false after a message when a range is bad.
bool readAxes(TableOptions& options, std::ostream& err) {
    const AxisValues spans = clearSpanValues(*options.spans);
    const AxisValues fills = options.fills ? fillHeightValues(*options.fills) : AxisValues{};
    for (const AxisValues* axis : {&spans, &fills}) {
        if (!axis->problem.empty()) {
            err << axis->problem << "\n";
            return false;
        }
    }
    options.request.spans = spans.texts;
    options.request.fills = fills.texts;
    return true;
}

// A bar on standard error once a run has taken more than a second, and only on a terminal.
class ProgressBar {
  public:
    explicit ProgressBar(bool terminal) : m_terminal(terminal) {}
    ~ProgressBar() {
        if (m_drawn) {
            platform::standardError() << "\n";
        }
    }

    void operator()(std::size_t done, std::size_t total) {
        if (!m_terminal || std::chrono::steady_clock::now() - m_start < kQuietStart || total == 0) {
            return;
        }
        const auto filled = static_cast<int>(done * kBarWidth / total);
        platform::standardError() << "\r设计表 [" << std::string(static_cast<std::size_t>(filled), '#')
                                  << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] "
                                  << done << "/" << total << std::flush;
        m_drawn = true;
    }

  private:
    bool m_terminal;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

std::size_t cellsWithoutDesign(const DesignTable& table) {
    std::size_t count = 0;
    for (const DesignOutcome& cell : table.cells) {
        count += cell.design ? 0 : 1;
    }
    return count;
}

}  // namespace

int runTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto options = parseTableOptions(args, err);
    if (!options || !readAxes(*options, err)) {
        return kUsage;
    }
    if (const auto problem = requestProblem(options->request.design)) {
        err << *problem << "\n";
        return kUsage;
    }
    if (outputReplacesInput(options->file, options->output, err)) {
        return kFileError;
    }
    const std::optional<DesignInput> record = readRecord(options->file, err);
    if (!record) {
        return kFileError;
    }
    options->request.design.record = *record;
    if (const auto problem = tableRequestProblem(options->request)) {
        err << *problem << "\n";
        return kUsage;
    }
    const DesignTable table = [&] {
        // The bar goes to the program's own standard error only, never into a stream a caller passed in.
        ProgressBar progress(&err == &platform::standardError() && platform::standardErrorIsTerminal());
        return runDesignTable(options->request, options->threads, std::ref(progress));
    }();
    if (const Expected<void> written = writeDesignTable(table, options->request, options->output); !written) {
        err << written.error().message << "\n";
        return kFileError;
    }
    out << "设计表已写入 " << options->output << "：" << table.spans.size() << " 个净跨径 × "
        << table.fills.size() << " 列，" << cellsWithoutDesign(table) << " 格无解\n";
    return kCalculated;
}

}  // namespace tavrel::cli
