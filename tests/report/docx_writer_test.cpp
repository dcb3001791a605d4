// The .docx package: parts, relationships, page set-up, fields, formatting, the embedded picture, and
// writing that never leaves a damaged or partial file.
#include "report/docx_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "report/report_builder.h"
#include "temporary_folder.h"
#include "test_support.h"
#include "worked_results.h"
#include "zip_entries.h"

namespace tavrel {
namespace {

using test::Package;
using test::unzip;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kFigures = test::sourcePath("tests/report/data/计算书图例");

class DocxPackage : public ::testing::Test {
  protected:
    Package write(const ReportDocument& document) {
        const std::string path = m_folder.file("report.docx");
        const Expected<WrittenReport> result = writeDocx(document, path);
        if (!result) {
            ADD_FAILURE() << result.error().message;
            return {};
        }
        EXPECT_EQ(result->path, path);
        return unzip(path);
    }

    test::TemporaryFolder m_folder;
};

TEST_F(DocxPackage, HoldsThePartsOfAWordDocumentWithTheirContentTypes) {
    Package package = write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, kFigures));
    for (const char* part :
         {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
          "word/styles.xml", "word/settings.xml", "word/header1.xml", "word/footer1.xml",
          "word/media/image1.jpeg", "docProps/core.xml", "docProps/app.xml"}) {
        EXPECT_TRUE(package.count(part)) << part;
    }
    const std::string& types = package["[Content_Types].xml"];
    EXPECT_TRUE(has(types, "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"));
    EXPECT_TRUE(has(types, "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>"));
    EXPECT_TRUE(has(types,
                    "PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-"
                    "officedocument.wordprocessingml.document.main+xml\""));
    EXPECT_TRUE(has(types,
                    "PartName=\"/word/header1.xml\" ContentType=\"application/vnd.openxmlformats-"
                    "officedocument.wordprocessingml.header+xml\""));
    EXPECT_TRUE(has(types,
                    "PartName=\"/word/footer1.xml\" ContentType=\"application/vnd.openxmlformats-"
                    "officedocument.wordprocessingml.footer+xml\""));
    EXPECT_TRUE(
        has(package["_rels/.rels"],
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
            "Target=\"word/document.xml\""));
    const std::string& relationships = package["word/_rels/document.xml.rels"];
    EXPECT_TRUE(has(relationships, "relationships/header\" Target=\"header1.xml\""));
    EXPECT_TRUE(has(relationships, "relationships/footer\" Target=\"footer1.xml\""));
    EXPECT_TRUE(has(relationships, "relationships/image\" Target=\"media/image1.jpeg\""));
}

TEST_F(DocxPackage, PageIsA4PortraitWithTheMarginsHeaderFooterAndLineGrid) {
    const std::string document =
        write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, ""))["word/document.xml"];
    EXPECT_TRUE(has(document, "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"));
    EXPECT_TRUE(
        has(document,
            "<w:pgMar w:top=\"1417\" w:right=\"1134\" w:bottom=\"1417\" w:left=\"1701\" w:header=\"1191\" "
            "w:footer=\"1191\" w:gutter=\"0\"/>"));
    EXPECT_TRUE(has(document, "<w:docGrid w:type=\"lines\""));
    EXPECT_TRUE(has(document, "<w:headerReference w:type=\"default\" r:id=\"rId3\"/>"));
    EXPECT_TRUE(has(document, "<w:footerReference w:type=\"default\" r:id=\"rId4\"/>"));
}

TEST_F(DocxPackage, HeaderRightAlignsTheDateFieldAtTheTextWidthAndFooterCountsPages) {
    Package package = write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, ""));
    const std::string& header = package["word/header1.xml"];
    EXPECT_TRUE(
        has(header, "<w:pStyle w:val=\"Header\"/><w:tabs><w:tab w:val=\"right\" w:pos=\"9071\"/></w:tabs>"));
    EXPECT_TRUE(has(header, " 3.5米净跨径22米填土暗涵盖板计算  </w:t><w:tab/>"));
    EXPECT_TRUE(
        has(header, "<w:instrText xml:space=\"preserve\"> DATE \\@ &quot;yyyy-MM-dd&quot; </w:instrText>"));
    const std::string& footer = package["word/footer1.xml"];
    EXPECT_TRUE(has(footer, "<w:jc w:val=\"center\"/>"));
    EXPECT_TRUE(has(footer, "<w:t xml:space=\"preserve\">第 </w:t>"));
    EXPECT_TRUE(has(footer, "<w:instrText xml:space=\"preserve\"> PAGE </w:instrText>"));
    EXPECT_TRUE(has(footer, "<w:t xml:space=\"preserve\"> 页 共 </w:t>"));
    EXPECT_TRUE(has(footer, "<w:instrText xml:space=\"preserve\"> NUMPAGES </w:instrText>"));
    for (const std::string* part : {&header, &footer}) {
        EXPECT_TRUE(has(*part, "<w:fldChar w:fldCharType=\"begin\"/>"));
        EXPECT_TRUE(has(*part, "<w:fldChar w:fldCharType=\"separate\"/>"));
        EXPECT_TRUE(has(*part, "<w:fldChar w:fldCharType=\"end\"/>"));
    }
}

TEST_F(DocxPackage, StylesAreHeadingTwoAndNormalInTheReportFont) {
    const std::string styles =
        write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, ""))["word/styles.xml"];
    EXPECT_TRUE(has(styles, "w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"));
    EXPECT_TRUE(has(styles, "w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"));
    EXPECT_TRUE(has(styles, "w:eastAsia=\"仿宋_GB2312\""));
    EXPECT_TRUE(has(styles, "w:line=\"360\" w:lineRule=\"auto\"/><w:outlineLvl w:val=\"1\"/>"));
    EXPECT_TRUE(has(styles, "<w:b/><w:bCs/><w:sz w:val=\"32\"/>"));
    EXPECT_TRUE(has(styles, "<w:sz w:val=\"24\"/>"));
}

TEST_F(DocxPackage, FigureIsEmbeddedInlineAtItsResolution) {
    Package package = write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, kFigures));
    EXPECT_EQ(package["word/media/image1.jpeg"], test::readFile(kFigures + "/暗涵盖板.JPG"));
    const std::string& document = package["word/document.xml"];
    // 319 x 340 pixels at 96 dpi, 9525 EMU a pixel.
    EXPECT_TRUE(has(document, "<w:jc w:val=\"center\"/></w:pPr><w:r><w:drawing><wp:inline"));
    EXPECT_TRUE(has(document, "<wp:extent cx=\"3038475\" cy=\"3238500\"/>"));
    EXPECT_TRUE(has(document, "<a:blip r:embed=\"rId5\"/>"));
    EXPECT_TRUE(has(document, "name=\"暗涵盖板.JPG\""));
}

TEST_F(DocxPackage, MissingFigureLeavesAnEmptyCentredParagraphAndACompleteReport) {
    Package package =
        write(buildReport(test::openWorkedExample(), StirrupCheck::NotDone, m_folder.file("no such folder")));
    EXPECT_FALSE(package.count("word/media/image1.jpeg"));
    EXPECT_FALSE(has(package["[Content_Types].xml"], "jpeg"));
    EXPECT_FALSE(has(package["word/_rels/document.xml.rels"], "image"));
    const std::string& document = package["word/document.xml"];
    EXPECT_FALSE(has(document, "<w:drawing>"));
    EXPECT_TRUE(
        has(document,
            "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr></w:p><w:p><w:pPr><w:keepNext/><w:keepLines/>"
            "<w:jc w:val=\"both\"/></w:pPr><w:r><w:rPr><w:b/><w:bCs/></w:rPr>"
            "<w:t xml:space=\"preserve\">2.外力计算"));
    EXPECT_TRUE(has(document, "裂缝宽度满足规范要求"));
}

TEST_F(DocxPackage, FileThatIsNoJpegIsLeftOut) {
    const std::string fake = m_folder.file("暗涵盖板.JPG");
    test::writeFile(fake, "this is not a picture");
    Package package = write(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, m_folder.path()));
    EXPECT_FALSE(package.count("word/media/image1.jpeg"));
    EXPECT_TRUE(has(package["word/document.xml"], "裂缝宽度满足规范要求"));
}

// The report is written all the same; the result names each picture left out and why.
TEST_F(DocxPackage, EachPictureLeftOutIsNamedWithTheReason) {
    test::writeFile(m_folder.file("暗涵盖板.JPG"), "this is not a picture");
    const struct {
        const char* what;
        std::string folder;
        const char* reason;
    } cases[] = {
        {"folder missing", m_folder.file("no such folder"), "文件不存在"},
        {"not a JPEG", m_folder.path(), "不是JPEG图片"},
        {"figure present", kFigures, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Expected<WrittenReport> written =
            writeDocx(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, c.folder),
                      m_folder.file("r.docx"));
        ASSERT_TRUE(written) << written.error().message;
        if (c.reason == nullptr) {
            EXPECT_TRUE(written->leftOut.empty());
            continue;
        }
        ASSERT_EQ(written->leftOut.size(), 1u);
        const std::string figure = c.folder + "/暗涵盖板.JPG";
        EXPECT_EQ(written->leftOut[0].path, figure);
        EXPECT_EQ(leftOutPictureMessage(written->leftOut[0]),
                  "计算书中没有示意图：" + figure + "（" + c.reason + "）");
    }
}

// The writer knows nothing of culverts: a small hand-made document shows how runs are written.
ReportDocument smallDocument() {
    ReportDocument document;
    document.page = {11906, 16838, 1417, 1417, 1701, 1134, 0, 1191, 1191, true};
    document.bodyStyle = {"仿宋_GB2312", 24, 1.0, false};
    ReportParagraph paragraph;
    ReportRun plain;
    plain.text = "x<y & \"z\"";
    ReportRun sub;
    sub.text = "0";
    sub.script = ReportRun::Script::Subscript;
    ReportRun sup;
    sup.text = "2";
    sup.script = ReportRun::Script::Superscript;
    ReportRun red;
    red.text = "不满足";
    red.red = true;
    ReportRun bold;
    bold.text = "标题";
    bold.bold = true;
    paragraph.runs = {plain, sub, sup, red, bold};
    document.paragraphs.push_back(paragraph);
    return document;
}

TEST_F(DocxPackage, RunsCarryTheirSubscriptSuperscriptRedAndBold) {
    const std::string document = write(smallDocument())["word/document.xml"];
    EXPECT_TRUE(has(document, "<w:t xml:space=\"preserve\">x&lt;y &amp; &quot;z&quot;</w:t>"));
    EXPECT_TRUE(has(document,
                    "<w:rPr><w:vertAlign w:val=\"subscript\"/></w:rPr><w:t xml:space=\"preserve\">0</w:t>"));
    EXPECT_TRUE(
        has(document, "<w:rPr><w:vertAlign w:val=\"superscript\"/></w:rPr><w:t xml:space=\"preserve\">2"));
    EXPECT_TRUE(
        has(document, "<w:rPr><w:color w:val=\"FF0000\"/></w:rPr><w:t xml:space=\"preserve\">不满足"));
    EXPECT_TRUE(has(document, "<w:rPr><w:b/><w:bCs/></w:rPr><w:t xml:space=\"preserve\">标题"));
}

TEST_F(DocxPackage, ParagraphsKeptTogetherCarryKeepNextAndKeepLines) {
    struct Case {
        const char* name;
        bool keepWithNext;
        bool keepLinesTogether;
        const char* properties;
    };
    const Case cases[] = {
        {"free", false, false, "<w:pPr><w:jc w:val=\"both\"/></w:pPr>"},
        {"kept with the next", true, true,
         "<w:pPr><w:keepNext/><w:keepLines/><w:jc w:val=\"both\"/></w:pPr>"},
        {"kept whole only", false, true, "<w:pPr><w:keepLines/><w:jc w:val=\"both\"/></w:pPr>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportDocument document = smallDocument();
        document.paragraphs.front().keepWithNext = c.keepWithNext;
        document.paragraphs.front().keepLinesTogether = c.keepLinesTogether;
        const std::string xml = write(document)["word/document.xml"];
        EXPECT_TRUE(has(xml, std::string("<w:p>") + c.properties + "<w:r>")) << xml;
    }
}

// The direct children of every w:pPr element in `part`, by name without the prefix.
std::vector<std::vector<std::string>> paragraphPropertyChildren(const std::string& part) {
    const std::string opening = "<w:pPr>";
    std::vector<std::vector<std::string>> all;
    for (std::size_t start = part.find(opening); start != std::string::npos;
         start = part.find(opening, start + 1)) {
        std::vector<std::string> children;
        int depth = 0;
        for (std::size_t tag = start + opening.size(); part.compare(tag, 8, "</w:pPr>") != 0 || depth > 0;
             tag = part.find('<', tag + 1)) {
            const bool closing = part[tag + 1] == '/';
            const bool empty = part[part.find('>', tag) - 1] == '/';
            if (!closing && depth == 0) {
                children.push_back(part.substr(tag + 3, part.find_first_of(" />", tag) - tag - 3));
            }
            depth += closing ? -1 : (empty ? 0 : 1);
        }
        all.push_back(children);
    }
    return all;
}

// Places of the paragraph properties in the sequence of the schema (CT_PPrBase); -1 for an unknown one.
std::vector<int> schemaPlaces(const std::vector<std::string>& children) {
    static const std::string kSchemaOrder =
        " pStyle keepNext keepLines pageBreakBefore framePr widowControl numPr suppressLineNumbers pBdr shd "
        "tabs"
        " suppressAutoHyphens kinsoku wordWrap overflowPunct topLinePunct autoSpaceDE autoSpaceDN bidi"
        " adjustRightInd snapToGrid spacing ind contextualSpacing mirrorIndents suppressOverlap jc "
        "textDirection"
        " textAlignment textboxTightWrap outlineLvl divId cnfStyle rPr sectPr pPrChange ";
    std::vector<int> places;
    for (const std::string& child : children) {
        const std::size_t found = kSchemaOrder.find(" " + child + " ");
        places.push_back(found == std::string::npos ? -1 : static_cast<int>(found));
    }
    return places;
}

// Word refuses a file whose paragraph properties stand out of the order of the schema.
TEST_F(DocxPackage, ParagraphPropertiesFollowTheSchemaOrder) {
    ReportDocument document = buildReport(test::buriedWithStirrups(), StirrupCheck::Current, kFigures);
    ReportParagraph& title = document.paragraphs.front();  // a style, page flow, a tab stop and centring
    title.keepWithNext = true;
    title.keepLinesTogether = true;
    title.rightTabAtMargin = true;
    Package package = write(document);
    for (const char* part :
         {"word/document.xml", "word/header1.xml", "word/footer1.xml", "word/styles.xml"}) {
        SCOPED_TRACE(part);
        const std::vector<std::vector<std::string>> properties = paragraphPropertyChildren(package[part]);
        EXPECT_FALSE(properties.empty());
        const auto misordered = std::find_if(properties.begin(), properties.end(), [](const auto& children) {
            const std::vector<int> places = schemaPlaces(children);
            return std::count(places.begin(), places.end(), -1) > 0 ||
                   std::adjacent_find(places.begin(), places.end(), std::greater_equal<>()) != places.end();
        });
        EXPECT_TRUE(misordered == properties.end())
            << "out of order: " << ::testing::PrintToString(*misordered);
    }
}

TEST_F(DocxPackage, PictureWiderThanTheTextIsScaledToTheTextWidth) {
    ReportDocument document = smallDocument();
    document.paragraphs.front().picture = ReportPicture{test::sourcePath("tests/report/data/wide.jpg")};
    const std::string xml = write(document)["word/document.xml"];
    // 2000 x 100 pixels at 96 dpi is 20.8 cm wide; the text is 9071 twips = 5760085 EMU wide.
    EXPECT_TRUE(has(xml, "<wp:extent cx=\"5760085\" cy=\"288004\"/>"));
}

TEST_F(DocxPackage, WritingReplacesAnExistingFileCompletely) {
    const std::string path = m_folder.file("report.docx");
    test::writeFile(path, std::string(200000, 'x'));
    ASSERT_TRUE(writeDocx(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, ""), path));
    EXPECT_EQ(test::readFile(path).substr(0, 2), "PK");
    EXPECT_FALSE(unzip(path).empty());
    EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"report.docx"});
}

TEST_F(DocxPackage, FailedWriteReportsWhyAndLeavesNothingBehind) {
    struct Case {
        const char* name;
        std::string path;
    };
    std::filesystem::create_directory(m_folder.file("a folder"));
    const Case cases[] = {
        {"folder missing", m_folder.file("missing/report.docx")},
        {"target is a folder", m_folder.file("a folder")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Expected<WrittenReport> result =
            writeDocx(buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, ""), c.path);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().code, ErrorCode::CannotWrite);
        EXPECT_NE(result.error().message.find("计算书文件"), std::string::npos) << result.error().message;
        EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"a folder"});
        EXPECT_TRUE(std::filesystem::is_empty(m_folder.file("a folder")));
    }
}

}  // namespace
}  // namespace tavrel
