// The design command: the best slab for an input file, printed, written as an input file and reported.
#include "cli/design_command.h"

#include <optional>

#include "base/numbers.h"
#include "calc/calculate.h"
#include "cli/cli.h"
#include "cli/cli_support.h"
#include "cli/design_options.h"
#include "model/slab_type.h"
#include "model/tvrl.h"
#include "platform/program.h"
#include "report/report.h"

namespace tavrel::cli {

namespace {

constexpr const char* kInputFileKind = "盖板计算";

struct DesignOptions {
    std::string file;
    DesignRequest request;
    bool json = false;
    std::string inputOutput;   // -o DESIGN.tvrl
    std::string reportOutput;  // --report DESIGN.docx
};

std::optional<DesignOptions> parseDesignOptions(const std::vector<std::string>& args, std::ostream& err) {
    DesignOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool failed = false;
        if (readSearchOption(args, i, options.request, failed, err)) {
            if (failed) {
                return std::nullopt;
            }
        } else if (arg == "--json") {
            options.json = true;
        } else if ((arg == "-o" || arg == "--output") && hasValue) {
            options.inputOutput = args[++i];
        } else if (arg == "--report" && hasValue) {
            options.reportOutput = args[++i];
        } else if (!arg.starts_with("-") && options.file.empty()) {
            options.file = arg;
        } else {
            err << "unknown or incomplete argument: " << arg << "\n";
            return std::nullopt;
        }
    }
    if (options.file.empty()) {
        err << "missing input file\n";
        return std::nullopt;
    }
    return options;
}

// The shear utilisation is the larger of its parts; shearRatio says which one ("γ0Vd/Vc", or "γ0Vd/Vmax"
// where the 2018 upper limit of the section governs).
Json utilisationJson(const CheckUtilisation& u) {
    return {{"compressionZone", singleJson(u.of(Check::CompressionZone))},
            {"minimumReinforcement", singleJson(u.of(Check::MinimumReinforcement))},
            {"flexure", singleJson(u.of(Check::FlexuralCapacity))},
            {"crackWidth", singleJson(u.of(Check::CrackWidth))},
            {"shear", singleJson(u.of(Check::Shear))},
            {"shearRatio", std::string(utilisationLabel(Check::Shear, u))}};
}

Json outcomeJson(const DesignOutcome& outcome) {
    Json j;
    j["found"] = outcome.design.has_value();
    j["message"] = outcome.design ? Json(nullptr) : Json(outcome.message);
    j["design"] = nullptr;
    j["quantities"] = nullptr;
    j["utilisation"] = nullptr;
    if (const auto& d = outcome.design) {
        j["design"] = designTextsJson(d->texts);
        j["quantities"] = quantitiesJson(*d);
        j["utilisation"] = utilisationJson(d->utilisation);
    }
    j["candidatesEvaluated"] = outcome.candidatesEvaluated;
    return j;
}

// The schedule's lines with their masses, then why the slab cannot be drawn or has no lifting rings.
void printBarLines(const BarSchedule& schedule, std::ostream& out) {
    for (const ScheduleLine& line : schedule.lines) {
        out << "  " << designLineLabel(schedule, line) << "\t" << scheduleLineTexts(line).mass << "\n";
    }
    if (!schedule.drawn()) {
        out << "出图\t" << schedule.message << "\n";
    }
    for (const std::string& warning : schedule.warnings) {
        out << "吊环\t" << warning << "\n";
    }
}

void printDesign(const SlabDesign& d, const DesignRequest& request, long candidates, std::ostream& out) {
    const DesignFigures figures = designFigures(d);
    out << "板端厚 d1 (cm)\t" << d.texts.txtBDH << "\n";
    out << "板中厚 d2 (cm)\t" << d.texts.txtBZH << "\n";
    out << "主筋\t" << figures.bars << " (" << request.record.CboZJDJ << ")\n";
    out << "主筋间距 (mm)\t" << figures.spacing << "\n";
    out << "计算跨径 (m)\t" << d.texts.txtJSKJ.value_or(request.record.txtJSKJ) << "\n";
    out << "混凝土 (m³/块)\t" << figures.concrete << "\n";
    out << "钢筋 (kg/块)\t" << figures.steel << "\n";
    printBarLines(d.schedule, out);
    if (request.objective == DesignObjective::Cheapest) {
        out << "造价 (元/块)\t" << figures.cost << "\n";
    }
    out << "利用率\n";
    for (Check check : kChecksInOrder) {
        out << "  " << utilisationLabel(check, d.utilisation) << "\t"
            << formatTwoDecimals(d.utilisation.of(check)) << "\t" << checkName(check)
            << (check == d.governing ? "（控制）" : "") << "\n";
    }
    out << "试算方案\t" << candidates << "\n";
}

Expected<void> writeDesignInput(const DesignInput& design, const std::string& path) {
    const Expected<std::string> bytes = tvrl::write(design);
    if (!bytes) {
        return unexpected(bytes.error());
    }
    return replaceFileAtomically(path, *bytes, kInputFileKind);
}

// The report of the design, from the calculate command as the window runs it; no stirrups are needed. A
// report written without its figure says so, as the report command does.
Expected<void> writeDesignReport(const DesignInput& design, const std::string& path, std::ostream& err) {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    recordConcreteGrade(results, design.CboHNTDJ);
    // The design passed every check, so the command calculates it; a refusal would be a fault of the search.
    if (const Expected<CalculateOutcome, Refusal> calculated = runCalculateCommand(design, results);
        !calculated) {
        return failure(ErrorCode::InputRefused, calculated.error().message);
    }
    const std::string figures = figureFolderOf(platform::programFolder());
    const Expected<WrittenReport> written =
        writeDocx(buildReport(results, StirrupCheck::NotDone, figures), path);
    if (!written) {
        return unexpected(written.error());
    }
    for (const LeftOutPicture& picture : written->leftOut) {
        err << leftOutPictureMessage(picture) << "\n";
    }
    return {};
}

int writeOutputs(const DesignOptions& options, const SlabDesign& design, std::ostream& err) {
    const DesignInput record = withDesign(options.request.record, design.texts);
    Expected<void> written;
    if (!options.inputOutput.empty()) {
        written = writeDesignInput(record, options.inputOutput);
    }
    if (written && !options.reportOutput.empty()) {
        written = writeDesignReport(record, options.reportOutput, err);
    }
    if (!written) {
        err << written.error().message << "\n";
        return kFileError;
    }
    return kCalculated;
}

}  // namespace

int runDesignCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto options = parseDesignOptions(args, err);
    if (!options) {
        return kUsage;
    }
    if (const auto problem = requestProblem(options->request)) {
        err << *problem << "\n";
        return kUsage;
    }
    if (outputReplacesInput(options->file, options->inputOutput, err) ||
        outputReplacesInput(options->file, options->reportOutput, err)) {
        return kFileError;
    }
    const std::optional<DesignInput> record = readRecord(options->file, err);
    if (!record) {
        return kFileError;
    }
    options->request.record = *record;
    const DesignOutcome outcome = findDesign(options->request);
    if (options->json) {
        out << outcomeJson(outcome).dump(2) << "\n";
    } else if (outcome.design) {
        printDesign(*outcome.design, options->request, outcome.candidatesEvaluated, out);
    } else {
        err << outcome.message << "\n";
    }
    if (!outcome.design) {
        return kInputRefused;
    }
    return writeOutputs(*options, *outcome.design, err);
}

}  // namespace tavrel::cli
