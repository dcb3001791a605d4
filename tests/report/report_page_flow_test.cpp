// Page flow of the report: which paragraphs the word processor keeps on one page, read from the report's
// own text (headings, captions, quoted clauses, formulas with their "=…" lines, verdicts).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "calc/worked_inputs_2018.h"
#include "report/report_builder.h"
#include "report_markup.h"
#include "worked_results.h"

namespace tavrel {
namespace {

// A page holds some 45 lines; a group kept together is at most this many paragraphs, so the page it
// leaves early never ends in a blank of more than about a fifth of its height.
constexpr std::size_t kLongestKeptGroup = 8;

std::string withoutLeadingBlanks(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// Chinese characters (CJK unified ideographs) start with the UTF-8 lead bytes E4 to E9.
bool hasChineseCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte >= 0xE4 && byte <= 0xE9;
    });
}

bool isSectionHeading(const ReportParagraph& p) {
    return !p.runs.empty() && p.runs.front().bold;
}

bool isItemHeading(const ReportParagraph& p) {
    static const std::regex kNumbered(R"(^ ?\(?\d\) )");
    return std::regex_search(p.text(), kNumbered);
}

// "  根据《…》(JTG …)中5.2.1关于…的规定:" introduces what follows; a clause quoted as a statement of its own
// ("…中4.3.2的规定，…不计冲击力，1+μ=1.0") does not end in a colon and introduces nothing.
bool isQuotedClause(const ReportParagraph& p) {
    const std::string text = p.text();
    return text.starts_with("  根据《") && (text.ends_with(":") || text.ends_with("："));
}

// "M1=(q+g)·L2/8=…": a symbol, not words, before the first "=".
bool isFormula(const ReportParagraph& p) {
    const std::string text = withoutLeadingBlanks(p.text());
    const std::size_t equals = text.find('=');
    return equals != std::string::npos && equals > 0 && !hasChineseCharacter(text.substr(0, equals)) &&
           text.substr(0, equals).find("：") == std::string::npos;
}

bool isContinuation(const ReportParagraph& p) {
    return withoutLeadingBlanks(p.text()).starts_with("=");
}

bool isLegend(const ReportParagraph& p) {
    return withoutLeadingBlanks(p.text()).starts_with("其中");
}

bool isVerdict(const ReportParagraph& p) {
    const std::string text = p.text();
    return text.find("满足规范") != std::string::npos || text.starts_with("  可不进行") ||
           (!p.runs.empty() && p.runs.front().red);
}

// A caption names in words the quantity the formula below computes ("  跨中弯矩").
bool isCaption(const ReportParagraph& p) {
    const std::string text = p.text();
    return hasChineseCharacter(text) && text.find('=') == std::string::npos;
}

struct KeepRule {
    const char* reason;
    bool (*applies)(const ReportParagraph& paragraph, const ReportParagraph& next);
};

// A paragraph is kept on the page of the next one exactly where one of these holds.
const KeepRule kKeepWithNextRules[] = {
    {"section heading", [](const ReportParagraph& p, const ReportParagraph&) { return isSectionHeading(p); }},
    {"item heading", [](const ReportParagraph& p, const ReportParagraph&) { return isItemHeading(p); }},
    {"code clause quoted for what follows",
     [](const ReportParagraph& p, const ReportParagraph&) { return isQuotedClause(p); }},
    {"caption of the formula below",
     [](const ReportParagraph& p, const ReportParagraph& next) { return isCaption(p) && isFormula(next); }},
    {"line before a \"=…\" continuation",
     [](const ReportParagraph&, const ReportParagraph& next) { return isContinuation(next); }},
    {"formula before the legend of its symbols",
     [](const ReportParagraph&, const ReportParagraph& next) { return isLegend(next); }},
    {"result before its verdict",
     [](const ReportParagraph&, const ReportParagraph& next) { return isVerdict(next); }},
};

std::optional<const char*> keepReason(const ReportParagraph& paragraph, const ReportParagraph* next) {
    if (next == nullptr) {
        return std::nullopt;
    }
    for (const KeepRule& rule : kKeepWithNextRules) {
        if (rule.applies(paragraph, *next)) {
            return rule.reason;
        }
    }
    return std::nullopt;
}

struct ReportCase {
    const char* name;
    ReportDocument document;
};

ReportDocument calculatedReport(const DesignInput& input,
                                const std::optional<std::string>& stirrupSpacingCm) {
    const test::CalculatedForReport calculated = test::calculatedForReport(input, stirrupSpacingCm);
    return buildReport(calculated.results, calculated.stirrupCheck, "/figures");
}

std::vector<ReportCase> reportCases() {
    return {
        {"buried default", buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "/figures")},
        {"open default", buildReport(test::openWorkedExample(), StirrupCheck::NotDone, "/figures")},
        {"custom default", buildReport(test::customWorkedExample(), StirrupCheck::NotDone, "/figures")},
        {"failing design with the stirrup check",
         buildReport(test::failingEveryCheck(), StirrupCheck::Current, "/figures")},
        {"failing design without the stirrup check",
         buildReport(test::failingEveryCheck(), StirrupCheck::NotDone, "/figures")},
        {"2018 buried default", calculatedReport(test::buriedDefault2018(), std::nullopt)},
        {"2018 open with the stirrup check", calculatedReport(test::openNeedingStirrups2018(), "10")},
        {"2018 open without the stirrup check",
         calculatedReport(test::openNeedingStirrups2018(), std::nullopt)},
        {"2018 custom", calculatedReport(test::customHpb300FirstClass2018(), std::nullopt)},
        {"2018 section too small for the shear", calculatedReport(test::sectionTooSmallForShear2018(), "10")},
    };
}

TEST(ReportPageFlow, ParagraphsKeepWithTheNextExactlyWhereTheyIntroduceOrAwaitIt) {
    for (const ReportCase& c : reportCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<ReportParagraph>& paragraphs = c.document.paragraphs;
        for (std::size_t index = 0; index < paragraphs.size(); ++index) {
            const ReportParagraph* next = index + 1 < paragraphs.size() ? &paragraphs[index + 1] : nullptr;
            const std::optional<const char*> reason = keepReason(paragraphs[index], next);
            EXPECT_EQ(paragraphs[index].keepWithNext, reason.has_value())
                << "paragraph " << index << " \"" << test::markup(paragraphs[index]) << "\" "
                << (reason ? *reason : "introduces nothing and awaits nothing");
        }
    }
}

TEST(ReportPageFlow, EveryParagraphOfAKeptGroupIsKeptWholeAndNoOtherIs) {
    for (const ReportCase& c : reportCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<ReportParagraph>& paragraphs = c.document.paragraphs;
        for (std::size_t index = 0; index < paragraphs.size(); ++index) {
            const bool tied =
                paragraphs[index].keepWithNext || (index > 0 && paragraphs[index - 1].keepWithNext);
            EXPECT_EQ(paragraphs[index].keepLinesTogether, tied)
                << "paragraph " << index << " \"" << test::markup(paragraphs[index]) << "\"";
        }
    }
}

TEST(ReportPageFlow, KeptGroupsStayShort) {
    for (const ReportCase& c : reportCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<ReportParagraph>& paragraphs = c.document.paragraphs;
        std::size_t group = 1;
        for (std::size_t index = 0; index < paragraphs.size(); ++index) {
            group = index > 0 && paragraphs[index - 1].keepWithNext ? group + 1 : 1;
            EXPECT_LE(group, kLongestKeptGroup)
                << "group ending at \"" << test::markup(paragraphs[index]) << "\"";
        }
    }
}

}  // namespace
}  // namespace tavrel
