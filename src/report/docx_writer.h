// Writes a report document as a WordprocessingML file (.docx).
#pragma once

#include <string>
#include <string_view>

#include "report/report_document.h"

namespace tavrel {

// The outcome of writing a file: ok, or what went wrong with a message for the user.
struct WriteResult {
    enum class Error { None, Package, File };

    Error error = Error::None;
    std::string message;  // empty when ok
    std::string path;     // the file written, when ok

    bool ok() const { return error == Error::None; }
};

// Writes the document to `path`. The file is written next to its target under a temporary name and then
// renamed over it, so a failed write leaves any existing file as it was and no partial file behind.
// A picture that cannot be read or is not a JPEG is left out; its paragraph stays empty.
// Messages name the file by its kind ("计算书", "设计表").
WriteResult writeDocx(const ReportDocument& document, const std::string& path,
                      std::string_view fileKind = "计算书");

}  // namespace tavrel
