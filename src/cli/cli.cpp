// The command-line front end: runs the calculate command (and the report) on an input file, headless.
#include "cli/cli.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "base/edition.h"
#include "base/numbers.h"
#include "base/tables.h"
#include "base/version.h"
#include "calc/calculate.h"
#include "calc/result_fields.h"
#include "calc/stirrup.h"
#include "cli/cli_support.h"
#include "cli/design_command.h"
#include "cli/design_options.h"
#include "model/slab_type.h"
#include "model/tvrl.h"
#include "platform/files.h"
#include "platform/program.h"
#include "report/report.h"

namespace tavrel::cli {

namespace {

constexpr const char* kHelp =
    "用法 / usage:\n"
    "  tavrel-cli calc FILE.tvrl [--json] [--stirrup GRADE,DIAMETER,SPACING] [EDITION OPTIONS]\n"
    "      Reads FILE as the open command does and runs the calculate command: input checks, loads,\n"
    "      section design, the five checks. Prints the six results, the five verdicts and the messages\n"
    "      in order; --json prints one JSON object instead. --stirrup runs the stirrup dialog when the\n"
    "      shear check fails: GRADE R235 or HRB335 (2004 edition), HPB300 or HRB400 (2018 edition),\n"
    "      DIAMETER in mm (8..20), SPACING in cm, e.g. --stirrup R235,10,10; closing the dialog then\n"
    "      updates the shear result and verdict.\n"
    "  tavrel-cli report FILE.tvrl -o OUT.docx [--stirrup GRADE,DIAMETER,SPACING] [EDITION OPTIONS]\n"
    "      Calculates as above and writes the calculation report (计算书) to OUT.docx. An existing\n"
    "      OUT.docx is replaced when it is an ordinary file that may be written; it keeps its permission\n"
    "      bits. Refused, and left as they are: the input file itself (by any path or link), a read-only\n"
    "      file, a folder, a device, a pipe and a symbolic link (name the file it leads to instead).\n"
    "      A stirrup spacing the dialog refuses is an input refused; a report written without its figure\n"
    "      says so on stderr. On Windows also refused: a file with the read-only attribute, NUL, CON and\n"
    "      the other device names, and a file another program holds open (Word, Excel: close it there\n"
    "      and run again); the old file stays as it was.\n"
    "  Edition options: the code edition and the safety class come from FILE (lines 48 and 49; a file\n"
    "  without them is of the 2004 edition); these override them, as the 设置 menu would:\n"
    "      --edition 2004|2018   JTG D60-2004 + JTG D62-2004, or JTG D60-2015 + JTG 3362-2018\n"
    "      --safety-class 1|2|3  一级, 二级, 三级 (γ0 = 1.1, 1.0, 0.9); 2018 edition only\n"
    "  tavrel-cli --help      this text\n"
    "  tavrel-cli --version   the program version\n"
    "Exit codes of calc and report: 0 calculated (whatever the verdicts), 1 file error, 2 usage,\n"
    "3 input refused.\n"
    "Output is UTF-8 text with LF line ends when it goes to a file or a pipe, on every system (--json\n"
    "always so); a Windows console shows it through its Unicode interface, whatever its code page.\n";

struct StirrupRequest {
    std::string grade;
    std::string diameter;
    std::string spacing;
};

struct Options {
    std::string command;
    std::string file;
    std::string output;
    bool json = false;
    std::optional<StirrupRequest> stirrup;
    std::optional<Edition> edition;
    std::optional<SafetyClass> safetyClass;
};

// The stirrup dialog as it stands when it is closed.
struct StirrupState {
    std::string txtZDJL;
    std::string txtJLKL;
    std::optional<std::string> message;
};

// The main window as it stands after the calculate command (and the stirrup dialog, if it ran).
struct Session {
    DesignInput input;
    CalculationResults results;
    Expected<void, Refusal> calculation;  // fails with the calculate command's refusal
    CalculateOutcome outcome;             // empty when refused
    ResultTexts display;
    std::vector<std::string> messages;
    std::optional<StirrupState> stirrup;
};

struct ResultBox {
    const char* caption;
    std::string ResultTexts::*text;
    const char* name;
};
constexpr std::array kResultBoxes{
    ResultBox{"跨中弯矩     (kNm)", &ResultTexts::txtKZWJ, "txtKZWJ"},
    ResultBox{"正截面抗弯承载力(kNm)", &ResultTexts::txtWJKL, "txtWJKL"},
    ResultBox{"边墙内侧边缘处剪力(kN)", &ResultTexts::txtZDJL, "txtZDJL"},
    ResultBox{"斜截面抗剪承载力(kN)", &ResultTexts::txtJLKL, "txtJLKL"},
    ResultBox{"允许裂缝宽度(mm)", &ResultTexts::txtWfk1, "txtWfk1"},
    ResultBox{"最大裂缝宽度(mm)", &ResultTexts::txtWfk, "txtWfk"},
};

bool isStirrupGrade(Edition edition, const std::string& text) {
    return findStirrupStrength(edition, text).has_value();
}

bool isStirrupGradeOfAnyEdition(const std::string& text) {
    return isStirrupGrade(Edition::Jtg2004, text) || isStirrupGrade(Edition::Jtg2018, text);
}

bool isStirrupDiameter(const std::string& text) {
    for (const StirrupSize& size : stirrupSizes()) {
        if (formatGeneral(size.diameter) == text) {
            return true;
        }
    }
    return false;
}

// The parts between commas as typed, empty ones included ("HRB335,10," has an empty third part).
std::vector<std::string> commaSeparated(const std::string& text) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (std::string::size_type comma; (comma = text.find(',', start)) != std::string::npos;
         start = comma + 1) {
        parts.push_back(text.substr(start, comma - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Grade and diameter are picked from the dialog's lists, so only their entries can be given; the spacing
// is a text box that takes anything, and the dialog's own rules answer it.
std::optional<StirrupRequest> parseStirrup(const std::string& text, std::ostream& err) {
    const std::vector<std::string> parts = commaSeparated(text);
    if (parts.size() != 3) {
        err << "--stirrup expects GRADE,DIAMETER,SPACING, e.g. R235,10,10\n";
        return std::nullopt;
    }
    if (!isStirrupGradeOfAnyEdition(parts[0]) || !isStirrupDiameter(parts[1])) {
        err << "--stirrup: the grade must be R235 or HRB335 (2004 edition), HPB300 or HRB400 (2018 edition), "
               "and the diameter one of 8, 10, 12, 14, 16, 18, 20\n";
        return std::nullopt;
    }
    return StirrupRequest{parts[0], parts[1], parts[2]};
}

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    options.command = args.at(0);
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--json" && options.command == "calc") {
            options.json = true;
        } else if (arg == "--stirrup" && hasValue) {
            auto stirrup = parseStirrup(args[++i], err);
            if (!stirrup) {
                return std::nullopt;
            }
            options.stirrup = std::move(stirrup);
        } else if (arg == "--edition" && hasValue) {
            options.edition = editionOfYear(args[++i]);
            if (!options.edition) {
                err << "--edition expects 2004 or 2018\n";
                return std::nullopt;
            }
        } else if (arg == "--safety-class" && hasValue) {
            options.safetyClass = safetyClassOfNumber(args[++i]);
            if (!options.safetyClass) {
                err << "--safety-class expects 1, 2 or 3\n";
                return std::nullopt;
            }
        } else if ((arg == "-o" || arg == "--output") && hasValue && options.command == "report") {
            options.output = args[++i];
        } else if (!arg.starts_with("-") && options.file.empty()) {
            options.file = arg;
        } else {
            err << "unknown or incomplete argument: " << arg << "\n";
            return std::nullopt;
        }
    }
    if (options.file.empty() || (options.command == "report" && options.output.empty())) {
        err << "missing " << (options.file.empty() ? "input file" : "-o OUT.docx") << "\n";
        return std::nullopt;
    }
    return options;
}

// The stirrup dialog: load, pick grade and diameter, type the spacing, press, close.
void runStirrupDialog(Session& session, const StirrupRequest& request) {
    StirrupDesign design(session.results);
    StirrupState state;
    state.txtZDJL = design.load();
    design.selectGrade(request.grade);
    design.selectDiameter(request.diameter);
    const Expected<std::string, Refusal> vcsText = design.press(request.spacing, session.input.CboHNTDJ);
    if (!vcsText) {
        state.message = vcsText.error().message;
        session.messages.push_back(vcsText.error().message);
    } else {
        state.txtJLKL = *vcsText;
    }
    applyClosingUpdate(design.close(state.txtJLKL), session.display, session.outcome.verdicts.back());
    session.stirrup = std::move(state);
}

// The edition options, applied after the file as choosing them in the 设置 menu would be. A safety class
// has no meaning under the 2004 edition, whose γ0 is fixed, and is refused there.
bool applyEditionOptions(const Options& options, DesignInput& input, std::ostream& err) {
    DesignInputTarget target(input);
    if (options.edition) {
        target.selectEdition(*options.edition);
    }
    if (options.safetyClass) {
        if (input.edition != Edition::Jtg2018) {
            err << "--safety-class applies to the 2018 edition only (the input is of the 2004 edition; add "
                   "--edition 2018)\n";
            return false;
        }
        target.selectSafetyClass(*options.safetyClass);
    }
    return true;
}

// The stirrup dialog offers the grades of the edition in force.
bool stirrupGradeOfTheEdition(const Options& options, const DesignInput& input, std::ostream& err) {
    if (options.stirrup && !isStirrupGrade(input.edition, options.stirrup->grade)) {
        err << "--stirrup: " << options.stirrup->grade << " is no stirrup grade of the "
            << editionYearText(input.edition) << " edition\n";
        return false;
    }
    return true;
}

Session calculateInput(const DesignInput& input, const Options& options) {
    Session session;
    session.input = input;
    initialiseCrackWidthFactors(session.results);
    recordConcreteGrade(session.results, input.CboHNTDJ);
    Expected<CalculateOutcome, Refusal> calculated = runCalculateCommand(input, session.results);
    if (!calculated) {
        session.messages = {calculated.error().message};
        session.calculation = unexpected(calculated.error());
        return session;
    }
    session.outcome = std::move(*calculated);
    session.display = session.outcome.texts;
    session.messages = session.outcome.messages();
    if (session.outcome.opensStirrupDialog && options.stirrup) {
        runStirrupDialog(session, *options.stirrup);
    }
    return session;
}

// The record's texts and numbers. A 2004 calculation's output stays as it has always been: the edition,
// its texts and the fields only a 2018 calculation writes appear under the 2018 edition alone.
Json resultsJson(const CalculationResults& r) {
    const bool under2018 = r.edition == Edition::Jtg2018;
    Json j;
    if (under2018) {
        j["edition"] = editionYear(r.edition);
    }
    j["loadLevel"] = r.loadLevel;
    j["concreteGrade"] = r.concreteGrade;
    j["barGrade"] = r.barGrade;
    j["envClass"] = r.envClass;
    j["stirrupGrade"] = r.stirrupGrade;
    if (under2018) {
        j["safetyName"] = r.safetyName;
        j["envName"] = r.envName;
    }
    j["isBuried"] = r.isBuried;
    j["isOpen"] = r.isOpen;
    j["isCustom"] = r.isCustom;
    for (const SingleResultField& field : singleResultFields()) {
        if (writtenUnder(field.writtenUnder, r.edition)) {
            j[std::string(field.name)] = singleJson(r.*field.member);
        }
    }
    for (const CountResultField& field : countResultFields()) {
        if (writtenUnder(field.writtenUnder, r.edition)) {
            j[std::string(field.name)] = r.*field.member;
        }
    }
    return j;
}

Json sessionJson(const Session& session) {
    const bool valid = session.calculation.has_value();
    Json j;
    j["valid"] = valid;
    j["error"] = nullptr;
    if (!valid) {
        const Refusal& refusal = session.calculation.error();
        j["error"] = {
            {"field", refusal.field ? Json(std::string(controlName(*refusal.field))) : Json(nullptr)},
            {"message", refusal.message}};
    }
    j["results"] = valid ? resultsJson(session.results) : Json(nullptr);
    Json display = Json::object();
    for (const ResultBox& box : kResultBoxes) {
        display[box.name] = session.display.*box.text;
    }
    j["display"] = display;
    Json verdictsJson = Json::object();
    for (const Verdict& verdict : session.outcome.verdicts) {
        verdictsJson[std::string(verdict.label)] = {{"caption", verdict.caption}, {"passed", verdict.passed}};
    }
    j["verdicts"] = verdictsJson;
    j["messages"] = session.messages;
    j["stirrupDialogOpened"] = session.outcome.opensStirrupDialog;
    j["stirrup"] = nullptr;
    if (session.stirrup) {
        j["stirrup"] = {
            {"txtZDJL", session.stirrup->txtZDJL},
            {"txtJLKL", session.stirrup->txtJLKL},
            {"message", session.stirrup->message ? Json(*session.stirrup->message) : Json(nullptr)}};
    }
    return j;
}

void printPlain(const Session& session, std::ostream& out) {
    for (const ResultBox& box : kResultBoxes) {
        out << box.caption << "\t" << session.display.*box.text << "\n";
    }
    for (const Verdict& verdict : session.outcome.verdicts) {
        out << verdict.caption << "\n";
    }
    for (const std::string& message : session.messages) {
        out << message << "\n";
    }
}

int writeReport(const Session& session, const Options& options, std::ostream& err) {
    if (session.stirrup && session.stirrup->message) {
        err << *session.stirrup->message << "\n";
        return kInputRefused;
    }
    const std::string figures = figureFolderOf(platform::programFolder());
    const StirrupCheck stirrupCheck = session.stirrup ? StirrupCheck::Current : StirrupCheck::NotDone;
    const Expected<WrittenReport> written =
        writeDocx(buildReport(session.results, stirrupCheck, figures), options.output);
    if (!written) {
        err << written.error().message << "\n";
        return kFileError;
    }
    for (const LeftOutPicture& picture : written->leftOut) {
        err << leftOutPictureMessage(picture) << "\n";
    }
    return kCalculated;
}

int runCommand(const Options& options, std::ostream& out, std::ostream& err) {
    // The report must never take the place of the design it is made from.
    if (options.command == "report" && outputReplacesInput(options.file, options.output, err, "计算书文件")) {
        return kFileError;
    }
    std::optional<DesignInput> input = readRecord(options.file, err);
    if (!input) {
        return kFileError;
    }
    if (!applyEditionOptions(options, *input, err) || !stirrupGradeOfTheEdition(options, *input, err)) {
        return kUsage;
    }
    const Session session = calculateInput(*input, options);
    if (options.json) {
        out << sessionJson(session).dump(2) << "\n";
        return session.calculation ? kCalculated : kInputRefused;
    }
    if (!session.calculation) {
        err << session.calculation.error().message << "\n";
        return kInputRefused;
    }
    if (options.command == "report") {
        return writeReport(session, options, err);
    }
    printPlain(session, out);
    return kCalculated;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kHelp;
        return kUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << kHelp << kDesignCommandsHelp << kSearchOptionsHelp;
        return kCalculated;
    }
    if (args[0] == "design") {
        return runDesignCommand(args, out, err);
    }
    if (args[0] == "table") {
        return runTableCommand(args, out, err);
    }
    if (args[0] == "--version") {
        out << "tavrel-cli " << kVersion << "\n";
        return kCalculated;
    }
    if (args[0] != "calc" && args[0] != "report") {
        err << "unknown command: " << args[0] << "\n" << kHelp;
        return kUsage;
    }
    const auto options = parseOptions(args, err);
    if (!options) {
        return kUsage;
    }
    return runCommand(*options, out, err);
}

}  // namespace tavrel::cli
