// The XML parts of a WordprocessingML package for a report document.
#include "report/docx_parts.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string_view>

#include "platform/files.h"

namespace tavrel {

namespace {

constexpr const char* kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kNamespaceW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kNamespaceR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kNamespaceWp = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr const char* kNamespaceA = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kNamespacePic = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr const char* kRelationshipBase =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

// Relationship ids of word/_rels/document.xml.rels; pictures follow from kFirstPictureRelationship.
constexpr const char* kStylesRelationship = "rId1";
constexpr const char* kSettingsRelationship = "rId2";
constexpr const char* kHeaderRelationship = "rId3";
constexpr const char* kFooterRelationship = "rId4";
constexpr int kFirstPictureRelationship = 5;
constexpr const char* kFontTableRelationship = "rIdFonts";  // only in a document naming font substitutes

constexpr const char* kRed = "FF0000";
constexpr int kSingleLineSpacing = 240;   // w:line with lineRule "auto": 240 is single spacing
constexpr int kChineseLinePitch = 312;    // twips, the line grid of a Chinese A4 page (15.6 pt)
constexpr int kColumnSpace = 425;         // twips, the word processor's default column gap
constexpr int kDefaultTabStop = 420;      // twips, two Chinese characters of 10.5 pt
constexpr int kHeadingSpaceAround = 260;  // twips before and after a built-in heading 2
constexpr long kEmuPerInch = 914400;      // DrawingML lengths
constexpr long kEmuPerTwip = 635;

constexpr const char* kDateFormat = "yyyy-MM-dd";  // ten characters

std::string pictureRelationshipId(std::size_t order) {
    return "rId" + std::to_string(kFirstPictureRelationship + static_cast<int>(order));
}

std::string picturePartName(std::size_t order) {
    return "media/image" + std::to_string(order + 1) + ".jpeg";
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escapeXml(value) + "\"";
}

std::string attribute(const char* name, long value) {
    return attribute(name, std::to_string(value));
}

std::string styleId(ReportParagraph::Style style) {
    switch (style) {
        case ReportParagraph::Style::Title:
            return "Heading2";
        case ReportParagraph::Style::Header:
            return "Header";
        case ReportParagraph::Style::Footer:
            return "Footer";
        case ReportParagraph::Style::Heading:
            return "Heading3";
        case ReportParagraph::Style::Body:
            break;
    }
    return "Normal";
}

std::string localTimeText(std::chrono::system_clock::time_point now, const char* pattern) {
    const std::tm parts = platform::localTime(std::chrono::system_clock::to_time_t(now));
    char text[32];
    std::strftime(text, sizeof text, pattern, &parts);
    return text;
}

std::string utcTimeText(std::chrono::system_clock::time_point now) {
    const std::tm parts = platform::utcTime(std::chrono::system_clock::to_time_t(now));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

// ---------------------------------------------------------------------------------------------------
// Runs and paragraphs

struct ParagraphContext {
    const PageSetup& page;
    std::chrono::system_clock::time_point now;
};

std::string runProperties(const ReportRun& run) {
    std::string properties;
    if (run.bold) {
        properties += "<w:b/><w:bCs/>";
    }
    if (run.red) {
        properties += std::string("<w:color w:val=\"") + kRed + "\"/>";
    }
    if (run.script == ReportRun::Script::Subscript) {
        properties += "<w:vertAlign w:val=\"subscript\"/>";
    } else if (run.script == ReportRun::Script::Superscript) {
        properties += "<w:vertAlign w:val=\"superscript\"/>";
    }
    return properties.empty() ? properties : "<w:rPr>" + properties + "</w:rPr>";
}

// Text of a run with its tabs as tab elements.
std::string runContent(const std::string& text) {
    std::string content;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t tab = std::min(text.find('\t', start), text.size());
        if (tab > start) {
            content += "<w:t xml:space=\"preserve\">" + escapeXml(text.substr(start, tab - start)) + "</w:t>";
        }
        if (tab == text.size()) {
            break;
        }
        content += "<w:tab/>";
        start = tab + 1;
    }
    return content;
}

// A complex field: instruction and the text shown until the word processor updates it.
std::string fieldRuns(const ReportRun& run, const ParagraphContext& context) {
    std::string instruction;
    std::string shown;
    switch (run.field) {
        case ReportRun::Field::Date:
            instruction = std::string(" DATE \\@ \"") + kDateFormat + "\" ";
            shown = localTimeText(context.now, "%Y-%m-%d");
            break;
        case ReportRun::Field::PageNumber:
            instruction = " PAGE ";
            shown = "1";
            break;
        case ReportRun::Field::PageCount:
            instruction = " NUMPAGES ";
            shown = "1";
            break;
        case ReportRun::Field::None:
            return {};
    }
    const std::string properties = runProperties(run);
    auto fieldCharacter = [&](const char* type) {
        return "<w:r>" + properties + "<w:fldChar w:fldCharType=\"" + type + "\"/></w:r>";
    };
    return fieldCharacter("begin") + "<w:r>" + properties + "<w:instrText xml:space=\"preserve\">" +
           escapeXml(instruction) + "</w:instrText></w:r>" + fieldCharacter("separate") + "<w:r>" +
           properties + "<w:t>" + shown + "</w:t></w:r>" + fieldCharacter("end");
}

std::string runXml(const ReportRun& run, const ParagraphContext& context) {
    if (run.field != ReportRun::Field::None) {
        return fieldRuns(run, context);
    }
    return "<w:r>" + runProperties(run) + runContent(run.text) + "</w:r>";
}

// Display size in EMU at the picture's resolution, scaled down to the text width when wider.
std::pair<long, long> pictureExtent(const JpegInfo& info, const PageSetup& page) {
    double width = info.widthPx / info.dpiX * kEmuPerInch;
    double height = info.heightPx / info.dpiY * kEmuPerInch;
    const double maximumWidth = static_cast<double>(page.textWidth()) * kEmuPerTwip;
    if (maximumWidth > 0 && width > maximumWidth) {
        height *= maximumWidth / width;
        width = maximumWidth;
    }
    return {std::lround(width), std::lround(height)};
}

std::string pictureRun(const EmbeddedPicture& picture, std::size_t order, const PageSetup& page) {
    const auto [width, height] = pictureExtent(picture.info, page);
    const std::string id = std::to_string(order + 1);
    const std::string extent = attribute("cx", width) + attribute("cy", height);
    return "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent" + extent +
           "/><wp:docPr" + attribute("id", id) + attribute("name", "Picture " + id) +
           "/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>"
           "<a:graphic><a:graphicData uri=\"" +
           kNamespacePic + "\"><pic:pic><pic:nvPicPr><pic:cNvPr id=\"0\"" +
           attribute("name", picture.fileName) + "/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip" +
           attribute("r:embed", pictureRelationshipId(order)) +
           "/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
           "<a:ext" +
           extent +
           "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData>"
           "</a:graphic></wp:inline></w:drawing></w:r>";
}

// The children of w:pPr in the order the WordprocessingML schema requires (CT_PPrBase): pStyle, keepNext,
// keepLines, ..., tabs, ..., jc.
std::string paragraphProperties(const ReportParagraph& paragraph, const PageSetup& page) {
    std::string properties;
    if (paragraph.style != ReportParagraph::Style::Body) {
        properties += "<w:pStyle w:val=\"" + styleId(paragraph.style) + "\"/>";
    }
    if (paragraph.keepWithNext) {
        properties += "<w:keepNext/>";
    }
    if (paragraph.keepLinesTogether) {
        properties += "<w:keepLines/>";
    }
    if (paragraph.pageBreakBefore) {
        properties += "<w:pageBreakBefore/>";
    }
    if (paragraph.rightTabAtMargin) {
        properties += "<w:tabs><w:tab w:val=\"right\"" + attribute("w:pos", page.textWidth()) + "/></w:tabs>";
    }
    const bool centred = paragraph.alignment == ReportParagraph::Alignment::Centre;
    properties += std::string("<w:jc w:val=\"") + (centred ? "center" : "both") + "\"/>";
    return "<w:pPr>" + properties + "</w:pPr>";
}

struct PlacedPicture {
    const EmbeddedPicture* picture = nullptr;
    std::size_t order = 0;
};

std::string paragraphXml(const ReportParagraph& paragraph, const ParagraphContext& context,
                         PlacedPicture placed = {}) {
    std::string xml = "<w:p>" + paragraphProperties(paragraph, context.page);
    for (const ReportRun& run : paragraph.runs) {
        xml += runXml(run, context);
    }
    if (placed.picture != nullptr) {
        xml += pictureRun(*placed.picture, placed.order, context.page);
    }
    return xml + "</w:p>";
}

// ---------------------------------------------------------------------------------------------------
// Tables

constexpr int kTableBorderEighthPoints = 4;  // half-point borders
constexpr int kCellMarginTwips = 57;         // 0.1 cm left and right of the text

std::string tableBordersXml() {
    std::string xml = "<w:tblBorders>";
    for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        xml += std::string("<w:") + edge + " w:val=\"single\"" + attribute("w:sz", kTableBorderEighthPoints) +
               " w:space=\"0\" w:color=\"auto\"/>";
    }
    return xml + "</w:tblBorders>";
}

std::string tablePropertiesXml(const ReportTable& table) {
    long width = 0;
    for (int column : table.columnWidths) {
        width += column;
    }
    return "<w:tblPr><w:tblW" + attribute("w:w", width) + " w:type=\"dxa\"/><w:jc w:val=\"center\"/>" +
           tableBordersXml() + "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left" +
           attribute("w:w", kCellMarginTwips) + " w:type=\"dxa\"/><w:right" +
           attribute("w:w", kCellMarginTwips) + " w:type=\"dxa\"/></w:tblCellMar></w:tblPr>";
}

// keepWithNext keeps the row on the page of the next one: set in every row but the last of a table kept
// together.
std::string cellParagraphXml(const std::string& line, const ReportTableCell& cell, int sizeHalfPoints,
                             bool keepWithNext) {
    std::string runProperties = cell.bold ? "<w:b/><w:bCs/>" : "";
    if (cell.red) {
        runProperties += std::string("<w:color w:val=\"") + kRed + "\"/>";
    }
    if (sizeHalfPoints > 0) {
        runProperties += "<w:sz" + attribute("w:val", sizeHalfPoints) + "/><w:szCs" +
                         attribute("w:val", sizeHalfPoints) + "/>";
    }
    std::string xml = std::string("<w:p><w:pPr>") + (keepWithNext ? "<w:keepNext/>" : "") +
                      "<w:snapToGrid w:val=\"0\"/><w:spacing w:before=\"0\" w:after=\"0\"/><w:jc " +
                      (cell.leftAligned ? "w:val=\"left\"/></w:pPr>" : "w:val=\"center\"/></w:pPr>");
    if (!line.empty()) {
        xml += "<w:r>" + (runProperties.empty() ? "" : "<w:rPr>" + runProperties + "</w:rPr>") +
               runContent(line) + "</w:r>";
    }
    return xml + "</w:p>";
}

std::string tableCellXml(const ReportTableCell& cell, int width, int sizeHalfPoints, bool keepWithNext) {
    std::string xml = "<w:tc><w:tcPr><w:tcW" + attribute("w:w", width) + " w:type=\"dxa\"/>";
    if (cell.columnSpan > 1) {
        xml += "<w:gridSpan" + attribute("w:val", cell.columnSpan) + "/>";
    }
    xml += "<w:vAlign w:val=\"center\"/></w:tcPr>";
    if (cell.lines.empty()) {
        xml += cellParagraphXml("", cell, sizeHalfPoints, keepWithNext);  // a cell holds a paragraph
    }
    for (const std::string& line : cell.lines) {
        xml += cellParagraphXml(line, cell, sizeHalfPoints, keepWithNext);
    }
    return xml + "</w:tc>";
}

std::string tableRowXml(const ReportTable& table, std::size_t rowIndex) {
    const bool heading = static_cast<int>(rowIndex) < table.headingRows;
    std::string xml =
        std::string("<w:tr><w:trPr><w:cantSplit/>") + (heading ? "<w:tblHeader/>" : "") + "</w:trPr>";
    std::size_t column = 0;
    for (const ReportTableCell& cell : table.rows[rowIndex]) {
        int width = 0;
        for (int spanned = 0; spanned < cell.columnSpan && column < table.columnWidths.size(); ++spanned) {
            width += table.columnWidths[column++];
        }
        const bool keepWithNext = table.keepTogether && rowIndex + 1 < table.rows.size();
        xml += tableCellXml(cell, width, table.sizeHalfPoints, keepWithNext);
    }
    return xml + "</w:tr>";
}

std::string tableXml(const ReportTable& table) {
    std::string xml = "<w:tbl>" + tablePropertiesXml(table) + "<w:tblGrid>";
    for (int width : table.columnWidths) {
        xml += "<w:gridCol" + attribute("w:w", width) + "/>";
    }
    xml += "</w:tblGrid>";
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        xml += tableRowXml(table, row);
    }
    return xml + "</w:tbl>";
}

// The tables that stand before body paragraph `index` (or after the last, when it is their count).
std::string tablesBefore(const ReportDocument& document, std::size_t index) {
    std::string xml;
    for (const ReportTable& table : document.tables) {
        if (table.beforeParagraph == index) {
            xml += tableXml(table);
        }
    }
    return xml;
}

// ---------------------------------------------------------------------------------------------------
// Parts

std::string contentTypesXml(bool hasPictures, bool hasFontTable) {
    const std::string wordprocessing = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    auto override = [](const char* part, const std::string& type) {
        return std::string("<Override PartName=\"") + part + "\" ContentType=\"" + type + "\"/>";
    };
    std::string xml = std::string(kXmlDeclaration) +
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" "
                      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    if (hasPictures) {
        xml += "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>";
    }
    xml += override("/word/document.xml", wordprocessing + "document.main+xml");
    xml += override("/word/styles.xml", wordprocessing + "styles+xml");
    xml += override("/word/settings.xml", wordprocessing + "settings+xml");
    xml += override("/word/header1.xml", wordprocessing + "header+xml");
    xml += override("/word/footer1.xml", wordprocessing + "footer+xml");
    if (hasFontTable) {
        xml += override("/word/fontTable.xml", wordprocessing + "fontTable+xml");
    }
    xml += override("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
    xml += override("/docProps/app.xml",
                    "application/vnd.openxmlformats-officedocument.extended-properties+xml");
    return xml + "</Types>";
}

std::string relationship(const std::string& id, const std::string& type, const std::string& target) {
    return "<Relationship" + attribute("Id", id) + attribute("Type", type) + attribute("Target", target) +
           "/>";
}

std::string packageRelationshipsXml() {
    return std::string(kXmlDeclaration) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           relationship("rId1", std::string(kRelationshipBase) + "officeDocument", "word/document.xml") +
           relationship(
               "rId2",
               "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
               "docProps/core.xml") +
           relationship("rId3", std::string(kRelationshipBase) + "extended-properties", "docProps/app.xml") +
           "</Relationships>";
}

std::string documentRelationshipsXml(std::size_t pictureCount, bool hasFontTable) {
    std::string xml =
        std::string(kXmlDeclaration) +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
        relationship(kStylesRelationship, std::string(kRelationshipBase) + "styles", "styles.xml") +
        relationship(kSettingsRelationship, std::string(kRelationshipBase) + "settings", "settings.xml") +
        relationship(kHeaderRelationship, std::string(kRelationshipBase) + "header", "header1.xml") +
        relationship(kFooterRelationship, std::string(kRelationshipBase) + "footer", "footer1.xml");
    for (std::size_t order = 0; order < pictureCount; ++order) {
        xml += relationship(pictureRelationshipId(order), std::string(kRelationshipBase) + "image",
                            picturePartName(order));
    }
    if (hasFontTable) {
        xml += relationship(kFontTableRelationship, std::string(kRelationshipBase) + "fontTable",
                            "fontTable.xml");
    }
    return xml + "</Relationships>";
}

std::string sectionPropertiesXml(const PageSetup& page) {
    std::string xml = std::string("<w:sectPr><w:headerReference w:type=\"default\" r:id=\"") +
                      kHeaderRelationship + "\"/><w:footerReference w:type=\"default\" r:id=\"" +
                      kFooterRelationship + "\"/>";
    xml += "<w:pgSz" + attribute("w:w", page.width) + attribute("w:h", page.height) +
           (page.landscape ? " w:orient=\"landscape\"" : "") + "/>";
    xml += "<w:pgMar" + attribute("w:top", page.marginTop) + attribute("w:right", page.marginRight) +
           attribute("w:bottom", page.marginBottom) + attribute("w:left", page.marginLeft) +
           attribute("w:header", page.headerDistance) + attribute("w:footer", page.footerDistance) +
           attribute("w:gutter", page.gutter) + "/>";
    xml += "<w:cols" + attribute("w:space", kColumnSpace) + "/>";
    if (page.lineGrid) {
        xml += "<w:docGrid w:type=\"lines\"" + attribute("w:linePitch", kChineseLinePitch) + "/>";
    }
    return xml + "</w:sectPr>";
}

std::string namespaceDeclarations() {
    return attribute("xmlns:w", kNamespaceW) + attribute("xmlns:r", kNamespaceR) +
           attribute("xmlns:wp", kNamespaceWp) + attribute("xmlns:a", kNamespaceA) +
           attribute("xmlns:pic", kNamespacePic);
}

std::string documentXml(const ReportDocument& document, const EmbeddedPictures& pictures,
                        const ParagraphContext& context) {
    std::string xml = std::string(kXmlDeclaration) + "<w:document" + namespaceDeclarations() + "><w:body>";
    std::size_t order = 0;
    for (std::size_t index = 0; index < document.paragraphs.size(); ++index) {
        const auto found = pictures.find(index);
        PlacedPicture placed;
        if (found != pictures.end()) {
            placed = {&found->second, order++};
        }
        xml += tablesBefore(document, index) + paragraphXml(document.paragraphs[index], context, placed);
    }
    xml += tablesBefore(document, document.paragraphs.size());
    return xml + sectionPropertiesXml(document.page) + "</w:body></w:document>";
}

std::string headerFooterXml(const char* element, const ReportParagraph& paragraph,
                            const ParagraphContext& context) {
    return std::string(kXmlDeclaration) + "<" + element + namespaceDeclarations() + ">" +
           paragraphXml(paragraph, context) + "</" + element + ">";
}

std::string fontsXml(const std::string& font) {
    return "<w:rFonts" + attribute("w:ascii", font) + attribute("w:eastAsia", font) +
           attribute("w:hAnsi", font) + attribute("w:cs", font) + "/>";
}

std::string sizeXml(int halfPoints) {
    return "<w:sz" + attribute("w:val", halfPoints) + "/><w:szCs" + attribute("w:val", halfPoints) + "/>";
}

std::string styleRunProperties(const StyleFormat& format) {
    return "<w:rPr>" + fontsXml(format.font) + (format.bold ? "<w:b/><w:bCs/>" : "") +
           sizeXml(format.sizeHalfPoints) + "</w:rPr>";
}

std::string lineSpacingXml(const StyleFormat& format, int before = 0, int after = 0) {
    const long line = std::lround(format.lineSpacing * kSingleLineSpacing);
    return "<w:spacing" + attribute("w:before", before) + attribute("w:after", after) +
           attribute("w:line", line) + " w:lineRule=\"auto\"/>";
}

bool usesSectionHeadings(const ReportDocument& document) {
    return std::any_of(document.paragraphs.begin(), document.paragraphs.end(),
                       [](const ReportParagraph& p) { return p.style == ReportParagraph::Style::Heading; });
}

// Heading 3 (标题 3) in the body's font and size, bold, at outline level 3 under the title's heading 2: the
// numbered sections of the report as the navigation pane and a table of contents list them.
std::string sectionHeadingStyleXml(const ReportDocument& document) {
    StyleFormat format = document.bodyStyle;
    format.bold = true;
    return "<w:style w:type=\"paragraph\" w:styleId=\"Heading3\"><w:name w:val=\"heading 3\"/>"
           "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:uiPriority w:val=\"9\"/>"
           "<w:unhideWhenUsed/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>" +
           lineSpacingXml(format) + "<w:outlineLvl w:val=\"2\"/></w:pPr>" + styleRunProperties(format) +
           "</w:style>";
}

// The report's font and the faces Word takes in its place where it is missing: 仿宋_GB2312 is the old
// GB 2312 cut of FangSong that newer systems no longer ship; 仿宋 (FangSong) is its successor.
std::string fontTableXml(const ReportDocument& document) {
    return std::string(kXmlDeclaration) + "<w:fonts" + attribute("xmlns:w", kNamespaceW) + "><w:font" +
           attribute("w:name", document.bodyStyle.font) +
           "><w:altName w:val=\"仿宋\"/>"
           "<w:panose1 w:val=\"02010609030101010101\"/><w:charset w:val=\"86\"/><w:family w:val=\"modern\"/>"
           "<w:pitch w:val=\"fixed\"/></w:font><w:font w:name=\"仿宋\"><w:altName w:val=\"FangSong\"/>"
           "<w:panose1 w:val=\"02010609060101010101\"/><w:charset w:val=\"86\"/><w:family w:val=\"modern\"/>"
           "<w:pitch w:val=\"fixed\"/></w:font></w:fonts>";
}

// Normal (正文), heading 2 (标题 2), header and footer, with the names the word processor knows them by.
std::string stylesXml(const ReportDocument& document) {
    std::string xml = std::string(kXmlDeclaration) + "<w:styles" + attribute("xmlns:w", kNamespaceW) + ">";
    xml += "<w:docDefaults><w:rPrDefault><w:rPr>" + fontsXml(document.bodyStyle.font) +
           "<w:kern w:val=\"2\"/>" + sizeXml(document.bodyStyle.sizeHalfPoints) +
           "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
           "<w:pPrDefault/></w:docDefaults>";
    xml +=
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name "
        "w:val=\"Normal\"/><w:qFormat/>"
        "<w:pPr><w:widowControl w:val=\"0\"/>" +
        lineSpacingXml(document.bodyStyle) + "<w:jc w:val=\"both\"/></w:pPr>" +
        styleRunProperties(document.bodyStyle) + "</w:style>";
    xml +=
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:uiPriority w:val=\"9\"/>"
        "<w:unhideWhenUsed/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>" +
        lineSpacingXml(document.titleStyle, kHeadingSpaceAround, kHeadingSpaceAround) +
        "<w:outlineLvl w:val=\"1\"/></w:pPr>" + styleRunProperties(document.titleStyle) + "</w:style>";
    xml +=
        "<w:style w:type=\"paragraph\" w:styleId=\"Header\"><w:name w:val=\"header\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:uiPriority w:val=\"99\"/><w:unhideWhenUsed/><w:pPr>"
        "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"6\" w:space=\"1\" w:color=\"auto\"/></w:pBdr>"
        "<w:snapToGrid w:val=\"0\"/></w:pPr>" +
        styleRunProperties(document.headerFooterStyle) + "</w:style>";
    xml +=
        "<w:style w:type=\"paragraph\" w:styleId=\"Footer\"><w:name w:val=\"footer\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:uiPriority w:val=\"99\"/><w:unhideWhenUsed/><w:pPr>"
        "<w:snapToGrid w:val=\"0\"/></w:pPr>" +
        styleRunProperties(document.headerFooterStyle) + "</w:style>";
    if (usesSectionHeadings(document)) {
        xml += sectionHeadingStyleXml(document);
    }
    xml +=
        "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
        "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/>"
        "<w:unhideWhenUsed/></w:style>";
    return xml + "</w:styles>";
}

std::string settingsXml() {
    return std::string(kXmlDeclaration) + "<w:settings" + attribute("xmlns:w", kNamespaceW) +
           "><w:zoom w:percent=\"100\"/><w:defaultTabStop" + attribute("w:val", kDefaultTabStop) +
           "/><w:characterSpacingControl w:val=\"compressPunctuation\"/><w:compat><w:useFELayout/>"
           "<w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
           "w:val=\"15\"/></w:compat></w:settings>";
}

std::string corePropertiesXml(const ReportDocument& document, std::chrono::system_clock::time_point now) {
    const std::string timestamp = utcTimeText(now);
    return std::string(kXmlDeclaration) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" +
           escapeXml(document.title) + "</dc:title><dc:creator>" + escapeXml(document.creator) +
           "</dc:creator><dcterms:created xsi:type=\"dcterms:W3CDTF\">" + timestamp +
           "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + timestamp +
           "</dcterms:modified></cp:coreProperties>";
}

std::string appPropertiesXml(const ReportDocument& document) {
    return std::string(kXmlDeclaration) +
           "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
           "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\"><Application>" +
           escapeXml(document.creator) + "</Application></Properties>";
}

}  // namespace

std::string escapeXml(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                // Control characters other than tab, line feed and carriage return are not allowed in XML.
                if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r') {
                    escaped += ch;
                }
        }
    }
    return escaped;
}

std::vector<PackagePart> docxParts(const ReportDocument& document, const EmbeddedPictures& pictures,
                                   std::chrono::system_clock::time_point now) {
    const ParagraphContext context{document.page, now};
    const bool fontTable = document.namesFontSubstitutes;
    std::vector<PackagePart> parts = {
        {"[Content_Types].xml", contentTypesXml(!pictures.empty(), fontTable)},
        {"_rels/.rels", packageRelationshipsXml()},
        {"word/document.xml", documentXml(document, pictures, context)},
        {"word/_rels/document.xml.rels", documentRelationshipsXml(pictures.size(), fontTable)},
        {"word/styles.xml", stylesXml(document)},
        {"word/settings.xml", settingsXml()},
        {"word/header1.xml", headerFooterXml("w:hdr", document.header, context)},
        {"word/footer1.xml", headerFooterXml("w:ftr", document.footer, context)},
        {"docProps/core.xml", corePropertiesXml(document, now)},
        {"docProps/app.xml", appPropertiesXml(document)},
    };
    if (fontTable) {
        parts.push_back({"word/fontTable.xml", fontTableXml(document)});
    }
    std::size_t order = 0;
    for (const auto& [index, picture] : pictures) {
        // JPEG data is compressed already.
        parts.push_back({"word/" + picturePartName(order++), picture.bytes, false});
    }
    return parts;
}

}  // namespace tavrel
