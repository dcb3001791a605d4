// The parts of a WordprocessingML package (.docx) for a report document: content types, relationships,
// document, styles, settings, header, footer, pictures and document properties.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "report/jpeg_info.h"
#include "report/report_document.h"

namespace tavrel {

// A picture file read for one body paragraph.
struct EmbeddedPicture {
    std::string fileName;  // shown as the picture's name
    std::string bytes;     // the JPEG file
    JpegInfo info;
};

// Body paragraph index -> its picture; paragraphs whose picture could not be read are absent.
using EmbeddedPictures = std::map<std::size_t, EmbeddedPicture>;

struct PackagePart {
    std::string name;     // path inside the package, e.g. "word/document.xml"
    std::string content;  // UTF-8 XML or the picture bytes
    bool compressed = true;
};

// Every part of the package, "[Content_Types].xml" first. `now` dates the document properties and gives
// the date field its initial text (the word processor refreshes fields when it opens the file).
std::vector<PackagePart> docxParts(const ReportDocument& document, const EmbeddedPictures& pictures,
                                   std::chrono::system_clock::time_point now);

// Text made safe for XML character data and attribute values.
std::string escapeXml(const std::string& text);

}  // namespace tavrel
