// Writes the report of a worked example, for the checks by independent readers:
//   tavrel_report_sample [full]passing|failing|open|custom|passing2018|shear2018 OUT.docx [FIGURE_FOLDER]
// "failing" is the buried example with every check failing (stirrups included); "passing2018" the default
// buried slab under JTG D60-2015 + JTG 3362-2018, "shear2018" the same slab too small for the shear. The
// prefix "full" writes the full format with a fixed project (张三, 李四, 王五; JS-2024-017; K12+345 1-3.0 m
// 盖板涵), issued 2024-05-06 from the input file 涵洞K12+345.tvrl.
#include <iostream>
#include <string>

#include "calc/worked_inputs_2018.h"
#include "report/report.h"
#include "worked_results.h"

namespace {

constexpr const char* kUsage =
    "usage: tavrel_report_sample [full]passing|failing|open|custom|passing2018|shear2018 OUT.docx "
    "[FIGURE_FOLDER]\n";

bool sampleResults(const std::string& name, tavrel::CalculationResults& r) {
    if (name == "passing2018") {
        r = tavrel::test::calculatedForReport(tavrel::test::buriedDefault2018()).results;
    } else if (name == "shear2018") {
        r = tavrel::test::calculatedForReport(tavrel::test::sectionTooSmallForShear2018()).results;
    } else if (name == "passing") {
        r = tavrel::test::buriedWorkedExample();
    } else if (name == "open") {
        r = tavrel::test::openWorkedExample();
    } else if (name == "custom") {
        r = tavrel::test::customWorkedExample();
    } else if (name == "failing") {
        r = tavrel::test::failingEveryCheck();
    } else {
        return false;
    }
    return true;
}

constexpr std::string_view kFullPrefix = "full";

// The input of the full format: the edition of the results, no override box ticked, a fixed project.
tavrel::DesignInput fullInput(const tavrel::CalculationResults& r) {
    tavrel::DesignInput input;
    tavrel::DesignInputTarget(input).selectEdition(r.edition);
    input.reportFormat = tavrel::ReportFormat::Full;
    input.project.project = "G15 沈海高速改扩建工程";
    input.project.structure = "K12+345 1-3.0 m 盖板涵";
    input.project.reportNumber = "JS-2024-017";
    input.project.calculatedBy = "张三";
    input.project.checkedBy = "李四";
    input.project.approvedBy = "王五";
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    tavrel::CalculationResults r;
    std::string name = argc > 1 ? argv[1] : "";
    const bool full = name.starts_with(kFullPrefix);
    if (full) {
        name.erase(0, kFullPrefix.size());
    }
    if (argc < 3 || !sampleResults(name, r)) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string figures = argc > 3 ? argv[3] : "";
    // The worked examples carry the stirrup values computed for them; the 2018 ones need no stirrups.
    const tavrel::StirrupCheck stirrups = tavrel::StirrupCheck::Current;
    const tavrel::ReportDocument document =
        full ? tavrel::buildFullReport(fullInput(r), r, stirrups, figures, {"2024-05-06", "涵洞K12+345.tvrl"})
             : tavrel::buildReport(r, stirrups, figures);
    const tavrel::Expected<tavrel::WrittenReport> result = tavrel::writeDocx(document, argv[2]);
    if (!result) {
        std::cerr << result.error().message << '\n';
        return 1;
    }
    return 0;
}
