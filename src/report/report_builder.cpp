// The frame of the calculation report: page set-up, styles, header, footer, title, then the six sections.
#include "report/report_builder.h"

#include <cmath>

#include "base/numbers.h"
#include "base/units.h"
#include "base/version.h"
#include "report/report_sections.h"

namespace tavrel {

namespace {

// A4 portrait with the margins of the report, in cm.
constexpr double kPageWidthCm = 21.0;
constexpr double kPageHeightCm = 29.7;
constexpr double kMarginTopCm = 2.5;
constexpr double kMarginBottomCm = 2.5;
constexpr double kMarginLeftCm = 3.0;
constexpr double kMarginRightCm = 2.0;
constexpr double kGutterCm = 0.0;
constexpr double kHeaderDistanceCm = 2.1;
constexpr double kFooterDistanceCm = 2.1;

constexpr const char* kReportFont = "仿宋_GB2312";
constexpr int kTitleSizeHalfPoints = 32;         // 16 pt
constexpr int kBodySizeHalfPoints = 24;          // 12 pt
constexpr int kHeaderFooterSizeHalfPoints = 18;  // 9 pt, the word processor's header and footer size
constexpr double kTitleLineSpacing = 1.5;
constexpr double kSingleLineSpacing = 1.0;

// The end of the title of a slab type, after " {L0}米净跨径" (the buried type puts "{H}米填土" before it).
const char* titleEnding(SlabType kind) {
    switch (kind) {
        case SlabType::Buried:
            return "暗涵盖板计算";
        case SlabType::Open:
            return "明涵盖板计算";
        case SlabType::Custom:
            break;
    }
    return "自定义荷载盖板计算";
}

int twipsFromCentimetres(double centimetres) {
    constexpr double kTwipsPerInch = 1440;
    return static_cast<int>(std::lround(centimetres * kTwipsPerInch / units::kCmPerInch));
}

PageSetup reportPage() {
    PageSetup page;
    page.width = twipsFromCentimetres(kPageWidthCm);
    page.height = twipsFromCentimetres(kPageHeightCm);
    page.marginTop = twipsFromCentimetres(kMarginTopCm);
    page.marginBottom = twipsFromCentimetres(kMarginBottomCm);
    page.marginLeft = twipsFromCentimetres(kMarginLeftCm);
    page.marginRight = twipsFromCentimetres(kMarginRightCm);
    page.gutter = twipsFromCentimetres(kGutterCm);
    page.headerDistance = twipsFromCentimetres(kHeaderDistanceCm);
    page.footerDistance = twipsFromCentimetres(kFooterDistanceCm);
    page.lineGrid = true;
    return page;
}

ReportRun textRun(std::string text) {
    ReportRun run;
    run.text = std::move(text);
    return run;
}

ReportRun fieldRun(ReportRun::Field field) {
    ReportRun run;
    run.field = field;
    return run;
}

// The title, then the date pushed to the right-hand end of the header line.
ReportParagraph headerParagraph(const std::string& title) {
    ReportParagraph header;
    header.style = ReportParagraph::Style::Header;
    header.rightTabAtMargin = true;
    header.runs = {textRun(title + "  \t"), fieldRun(ReportRun::Field::Date)};
    return header;
}

// "第 X 页 共 Y 页" with the page number and the page count as fields.
ReportParagraph footerParagraph() {
    ReportParagraph footer;
    footer.style = ReportParagraph::Style::Footer;
    footer.alignment = ReportParagraph::Alignment::Centre;
    footer.runs = {textRun("第 "), fieldRun(ReportRun::Field::PageNumber), textRun(" 页 共 "),
                   fieldRun(ReportRun::Field::PageCount), textRun(" 页")};
    return footer;
}

ReportParagraph titleParagraph(const std::string& text) {
    ReportParagraph title;
    title.style = ReportParagraph::Style::Title;
    title.alignment = ReportParagraph::Alignment::Centre;
    title.runs = {textRun(text)};
    return title;
}

std::string joinPath(const std::string& folder, const std::string& file) {
    if (!folder.empty() && folder.back() == '/') {
        return folder + file;
    }
    return folder + "/" + file;
}

}  // namespace

SlabType slabTypeOf(const CalculationResults& r) {
    if (r.isBuried) {
        return SlabType::Buried;
    }
    if (r.isOpen) {
        return SlabType::Open;
    }
    return SlabType::Custom;
}

std::string reportTitle(const CalculationResults& r) {
    const SlabType kind = slabTypeOf(r);
    std::string title = " ";
    title += formatGeneral(r.L0);
    title += "米净跨径";
    if (kind == SlabType::Buried) {
        title += formatGeneral(r.H) + "米填土";
    }
    return title + titleEnding(kind);
}

ReportDocument reportFrame(const std::string& title) {
    ReportDocument document;
    document.title = title;
    document.creator = kProgramTitle;
    document.page = reportPage();
    document.titleStyle = {kReportFont, kTitleSizeHalfPoints, kTitleLineSpacing, true};
    document.bodyStyle = {kReportFont, kBodySizeHalfPoints, kSingleLineSpacing, false};
    document.headerFooterStyle = {kReportFont, kHeaderFooterSizeHalfPoints, kSingleLineSpacing, false};
    document.header = headerParagraph(title);
    document.footer = footerParagraph();
    document.paragraphs.push_back(titleParagraph(title));
    return document;
}

ReportDocument buildReport(const CalculationResults& r, StirrupCheck stirrupCheck,
                           const std::string& figureFolder) {
    ReportDocument document = reportFrame(reportTitle(r));

    std::optional<ReportPicture> figure;
    if (!figureFolder.empty()) {
        figure = ReportPicture{joinPath(figureFolder, std::string(figureFileName(slabTypeOf(r))))};
    }
    ReportComposer out(document.paragraphs);
    composeDesignData(out, r, figure ? &*figure : nullptr);
    composeExternalForces(out, r);
    composeInternalForces(out, r);
    composeSectionDesign(out, r);
    composeUltimateLimitState(out, r, stirrupCheck);
    composeCrackWidth(out, r);
    return document;
}

}  // namespace tavrel
