// The calculation report as data.
#include "report/report_document.h"

namespace tavrel {

std::string ReportParagraph::text() const {
    std::string all;
    for (const ReportRun& run : runs) {
        if (run.field == ReportRun::Field::None) {
            all += run.text;
        }
    }
    return all;
}

}  // namespace tavrel
