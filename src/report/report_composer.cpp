// Composes report paragraphs run by run.
#include "report/report_composer.h"

#include <algorithm>
#include <utility>

#include "base/numbers.h"

namespace tavrel {

namespace {

constexpr std::string_view kSubscriptOpening = "_{";
constexpr std::string_view kSuperscriptOpening = "^{";
constexpr char kScriptClosing = '}';

// A paragraph kept on the page of the next one is kept whole too.
void keepOnPageOfNext(ReportParagraph& paragraph) {
    paragraph.keepWithNext = true;
    paragraph.keepLinesTogether = true;
}

bool sameFormatting(const ReportRun& run, ReportRun::Script script, bool red) {
    return run.script == script && !run.bold && run.red == red && run.field == ReportRun::Field::None;
}

}  // namespace

void ReportLine::append(std::string_view text, ReportRun::Script script, bool red) {
    if (text.empty()) {
        return;
    }
    std::vector<ReportRun>& runs = m_paragraphs[m_index].runs;
    if (!runs.empty() && sameFormatting(runs.back(), script, red)) {
        runs.back().text += text;
        return;
    }
    ReportRun run;
    run.text = std::string(text);
    run.script = script;
    run.red = red;
    runs.push_back(std::move(run));
}

ReportLine& ReportLine::text(std::string_view text) {
    while (!text.empty()) {
        const std::size_t subscript = text.find(kSubscriptOpening);
        const std::size_t superscript = text.find(kSuperscriptOpening);
        const std::size_t opening = std::min(subscript, superscript);
        const std::size_t closing = text.find(kScriptClosing, opening);
        if (opening == std::string_view::npos || closing == std::string_view::npos) {
            append(text, ReportRun::Script::Normal);
            return *this;
        }
        append(text.substr(0, opening), ReportRun::Script::Normal);
        const std::size_t start = opening + kSubscriptOpening.size();
        append(text.substr(start, closing - start),
               opening == subscript ? ReportRun::Script::Subscript : ReportRun::Script::Superscript);
        text.remove_prefix(closing + 1);
    }
    return *this;
}

ReportLine& ReportLine::red(std::string_view text) {
    append(text, ReportRun::Script::Normal, true);
    return *this;
}

ReportLine& ReportLine::value(float number) {
    append(formatGeneral(number), ReportRun::Script::Normal);
    return *this;
}

ReportLine& ReportLine::value(float number, int decimals) {
    append(formatFixed(number, decimals), ReportRun::Script::Normal);
    return *this;
}

ReportLine& ReportLine::value(std::int16_t number) {
    append(std::to_string(number), ReportRun::Script::Normal);
    return *this;
}

ReportLine& ReportLine::value(const std::string& text) {
    append(text, ReportRun::Script::Normal);
    return *this;
}

ReportLine ReportComposer::append(ReportParagraph paragraph) {
    if (!m_paragraphs.empty() && m_paragraphs.back().keepWithNext) {
        paragraph.keepLinesTogether = true;
    }
    m_paragraphs.push_back(std::move(paragraph));
    return ReportLine(m_paragraphs, m_paragraphs.size() - 1);
}

ReportLine ReportComposer::line() {
    return append({});
}

ReportLine ReportComposer::introduction() {
    ReportParagraph paragraph;
    keepOnPageOfNext(paragraph);
    return append(std::move(paragraph));
}

ReportLine ReportComposer::continuation() {
    if (!m_paragraphs.empty()) {
        keepOnPageOfNext(m_paragraphs.back());
    }
    return append({});
}

void ReportComposer::verdict(bool passes, std::string_view success, std::string_view failure) {
    if (passes) {
        continuation().text(success);
    } else {
        continuation().red(failure);
    }
}

void ReportComposer::emptyLine() {
    append({});
}

void ReportComposer::heading(std::string_view text) {
    ReportParagraph paragraph;
    keepOnPageOfNext(paragraph);
    paragraph.sectionHeading = true;
    ReportRun run;
    run.text = std::string(text);
    run.bold = true;
    paragraph.runs.push_back(std::move(run));
    append(std::move(paragraph));
}

void ReportComposer::figure(const ReportPicture* picture) {
    ReportParagraph paragraph;
    paragraph.alignment = ReportParagraph::Alignment::Centre;
    if (picture != nullptr) {
        paragraph.picture = *picture;
    }
    append(std::move(paragraph));
}

float singleQuotient(float dividend, float divisor) {
    return toSingle(static_cast<double>(dividend) / static_cast<double>(divisor));
}

float singleProduct(float left, float right) {
    return toSingle(static_cast<double>(left) * right);
}

}  // namespace tavrel
