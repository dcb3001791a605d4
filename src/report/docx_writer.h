// Writes a report document as a WordprocessingML file (.docx).
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "report/report_document.h"

namespace tavrel {

// A picture of the document that the file does not hold, and why ("文件不存在", "不是JPEG图片").
struct LeftOutPicture {
    std::string path;
    std::string reason;
};

// What the user is told about a report written without one of its pictures.
std::string leftOutPictureMessage(const LeftOutPicture& picture);

// A report file that was written: where, and the pictures it lacks.
struct WrittenReport {
    std::string path;
    std::vector<LeftOutPicture> leftOut;
};

// Writes the document to `path`. The file is written next to its target under a temporary name and then
// renamed over it, so a failed write leaves any existing file as it was and no partial file behind.
// A picture that cannot be read or is not a JPEG is left out; its paragraph stays empty, and the result
// names it. `now` dates the document properties and gives the header's date field its first text.
// Errors: Package (the zip container could not be built) or CannotWrite.
// Messages of a failed write name the file by its kind ("计算书", "设计表").
Expected<WrittenReport> writeDocx(
    const ReportDocument& document, const std::string& path,
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
    std::string_view fileKind = "计算书");

}  // namespace tavrel
