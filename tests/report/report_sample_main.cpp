// Writes the report of a worked example, for the checks by independent readers:
//   tavrel_report_sample passing|failing|open|custom|passing2018|shear2018 OUT.docx [FIGURE_FOLDER]
// "failing" is the buried example with every check failing (stirrups included); "passing2018" the default
// buried slab under JTG D60-2015 + JTG 3362-2018, "shear2018" the same slab too small for the shear.
#include <iostream>
#include <string>

#include "calc/worked_inputs_2018.h"
#include "report/report.h"
#include "worked_results.h"

namespace {

constexpr const char* kUsage =
    "usage: tavrel_report_sample passing|failing|open|custom|passing2018|shear2018 OUT.docx "
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

}  // namespace

int main(int argc, char** argv) {
    tavrel::CalculationResults r;
    if (argc < 3 || !sampleResults(argv[1], r)) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string figures = argc > 3 ? argv[3] : "";
    // The worked examples carry the stirrup values computed for them; the 2018 ones need no stirrups.
    const tavrel::ReportDocument document = tavrel::buildReport(r, tavrel::StirrupCheck::Current, figures);
    const tavrel::Expected<tavrel::WrittenReport> result = tavrel::writeDocx(document, argv[2]);
    if (!result) {
        std::cerr << result.error().message << '\n';
        return 1;
    }
    return 0;
}
