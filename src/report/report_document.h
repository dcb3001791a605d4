// The calculation report as data: page set-up, paragraph styles, header, footer and body paragraphs of
// formatted runs. The report builder fills it; the .docx writer turns it into a file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

// One piece of text with uniform formatting, or a field the word processor computes when it opens the file.
struct ReportRun {
    enum class Script { Normal, Subscript, Superscript };
    enum class Field { None, Date, PageNumber, PageCount };

    std::string text;  // UTF-8; a tab character becomes a tab; ignored for fields
    Script script = Script::Normal;
    bool bold = false;
    bool red = false;
    Field field = Field::None;

    bool operator==(const ReportRun&) const = default;
};

// A picture file placed inline at the end of a paragraph. A file that cannot be read or is not a JPEG
// leaves the paragraph without a picture.
struct ReportPicture {
    std::string path;

    bool operator==(const ReportPicture&) const = default;
};

struct ReportParagraph {
    // Heading 2, Normal, header, footer, and heading 3 (a section heading the navigation pane lists)
    enum class Style { Title, Body, Header, Footer, Heading };
    enum class Alignment { Justify, Centre };

    Style style = Style::Body;
    Alignment alignment = Alignment::Justify;
    bool rightTabAtMargin = false;  // a right-aligned tab stop at the right edge of the text area
    // Page flow: a page may not end between this paragraph and the next one (a heading and its first
    // line, a formula and its "=…" line, a result and its verdict) ...
    bool keepWithNext = false;
    // ... nor inside this paragraph, where it wraps onto a second line.
    bool keepLinesTogether = false;
    bool pageBreakBefore = false;  // the paragraph starts a new page
    // A numbered section heading of the report body; the original format types it as a bold body line,
    // the full format gives it the heading style.
    bool sectionHeading = false;
    std::vector<ReportRun> runs;
    std::optional<ReportPicture> picture;

    // All text of the runs, fields left out.
    std::string text() const;
    bool operator==(const ReportParagraph&) const = default;
};

// Page geometry in twips (1/1440 inch).
struct PageSetup {
    int width = 0;
    int height = 0;
    int marginTop = 0;
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int gutter = 0;
    int headerDistance = 0;
    int footerDistance = 0;
    bool lineGrid = false;   // lines snap to the document grid
    bool landscape = false;  // width and height are those of the turned page

    int textWidth() const { return width - marginLeft - marginRight - gutter; }
    bool operator==(const PageSetup&) const = default;
};

// Font and line spacing of one paragraph style.
struct StyleFormat {
    std::string font;
    int sizeHalfPoints = 0;
    double lineSpacing = 1.0;  // multiple of single spacing
    bool bold = false;

    bool operator==(const StyleFormat&) const = default;
};

// A table of text cells with single borders, centred on the page, its heading rows repeated on every page
// it runs onto. Its lines ignore the document grid.
struct ReportTableCell {
    std::vector<std::string> lines;  // one centred paragraph each
    int columnSpan = 1;
    bool bold = false;
    bool red = false;          // a failure, in red as the verdicts are
    bool leftAligned = false;  // text read as a sentence rather than a figure

    bool operator==(const ReportTableCell&) const = default;
};

struct ReportTable {
    std::vector<int> columnWidths;  // twips
    std::vector<std::vector<ReportTableCell>> rows;
    int headingRows = 0;
    int sizeHalfPoints = 0;           // of the cell text; 0 for the body size
    std::size_t beforeParagraph = 0;  // stands before this body paragraph, or after the last
    bool keepTogether = false;        // a short table the page does not divide

    bool operator==(const ReportTable&) const = default;
};

struct ReportDocument {
    std::string title;    // document property
    std::string creator;  // document property
    PageSetup page;
    StyleFormat titleStyle;
    StyleFormat bodyStyle;
    StyleFormat headerFooterStyle;
    ReportParagraph header;
    ReportParagraph footer;
    std::vector<ReportParagraph> paragraphs;
    std::vector<ReportTable> tables;  // in the order they stand
    // The file names a substitute for each font Word may lack (仿宋 / FangSong for 仿宋_GB2312), so that
    // a machine without the report's font shows a Song-style face rather than its default.
    bool namesFontSubstitutes = false;

    bool operator==(const ReportDocument&) const = default;
};

}  // namespace tavrel
