// Writes a report document as a WordprocessingML file (.docx).
#pragma once

#include <string>
#include <vector>

#include "report/report_document.h"

namespace tavrel {

// A picture of the document that the file does not hold, and why ("文件不存在", "不是JPEG图片").
struct LeftOutPicture {
    std::string path;
    std::string reason;
};

// What the user is told about a report written without one of its pictures.
std::string leftOutPictureMessage(const LeftOutPicture& picture);

// The outcome of writing a file: ok, or what went wrong with a message for the user.
struct WriteResult {
    enum class Error { None, Package, File };

    Error error = Error::None;
    std::string message;                  // empty when ok
    std::string path;                     // the file written, when ok
    std::vector<LeftOutPicture> leftOut;  // pictures the written file lacks

    bool ok() const { return error == Error::None; }
};

// Writes the document to `path`. The file is written next to its target under a temporary name and then
// renamed over it, so a failed write leaves any existing file as it was and no partial file behind.
// A picture that cannot be read or is not a JPEG is left out; its paragraph stays empty, and the result
// names it.
WriteResult writeDocx(const ReportDocument& document, const std::string& path);

}  // namespace tavrel
