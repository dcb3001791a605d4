// Composes report paragraphs run by run in the order they are read: formula text with its subscripts and
// superscripts, numbers in the report's number forms and red verdicts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_document.h"

namespace tavrel {

// One body paragraph under construction. Neighbouring runs of the same formatting are merged.
class ReportLine {
  public:
    ReportLine(std::vector<ReportParagraph>& paragraphs, std::size_t index)
        : m_paragraphs(paragraphs), m_index(index) {}

    // Literal text in which "_{...}" is typed as a subscript and "^{...}" as a superscript:
    // "M_{1}=(q+g)·L^{2}/8" is M, subscript 1, "=(q+g)·L", superscript 2, "/8".
    ReportLine& text(std::string_view text);
    // A verdict that states a failure, typed in red.
    ReportLine& red(std::string_view text);
    // General form: up to seven significant digits, no trailing zeros (2.5 -> "2.5", 3 -> "3").
    ReportLine& value(float number);
    // Fixed decimals ("0.00" is 2): at least one integer digit, exactly that many decimals.
    ReportLine& value(float number, int decimals);
    // Counts and other 16-bit integers: plain digits.
    ReportLine& value(std::int16_t number);
    // Selection texts, inserted unchanged.
    ReportLine& value(const std::string& text);

  private:
    void append(std::string_view text, ReportRun::Script script, bool red = false);

    std::vector<ReportParagraph>& m_paragraphs;
    std::size_t m_index;
};

// The body of the report, paragraph after paragraph. Lines that belong together are kept on one page:
// a heading, an item heading, a caption or a quoted clause with the line it introduces; a formula with
// its "=…" continuation lines and the verdict that ends the check. Every paragraph of such a group is
// also kept whole where it wraps.
class ReportComposer {
  public:
    explicit ReportComposer(std::vector<ReportParagraph>& paragraphs) : m_paragraphs(paragraphs) {}

    // A new justified body paragraph.
    ReportLine line();
    // A new body line kept on the page of the line after it: an item heading ("2) 最小配筋率"), the
    // caption of the quantity computed next ("  跨中弯矩") or a code clause quoted for what follows.
    ReportLine introduction();
    // A new body line that completes the line before it and keeps that line on its own page: a formula's
    // "=…" continuation, the legend of its symbols, or the verdict of a check.
    ReportLine continuation();
    // The verdict that ends a check: `success` in the normal colour, or `failure` in red; a continuation.
    void verdict(bool passes, std::string_view success, std::string_view failure);
    void emptyLine();
    // A section heading in bold, kept on the page of the line after it.
    void heading(std::string_view text);
    // A centred paragraph holding the picture, or left empty without one.
    void figure(const ReportPicture* picture);

  private:
    // Appends the paragraph; one that follows a paragraph kept with it is kept whole as well.
    ReportLine append(ReportParagraph paragraph);

    std::vector<ReportParagraph>& m_paragraphs;
};

// Quotient of two stored values in single precision, as the expressions written out in the report
// ({dOut/10}, {H1/100:0.00}) are evaluated while the report is typed.
float singleQuotient(float dividend, float divisor);
float singleProduct(float left, float right);

}  // namespace tavrel
