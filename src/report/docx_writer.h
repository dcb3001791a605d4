// Writes a report document as a WordprocessingML file (.docx).
#pragma once

#include <chrono>
#include <string>

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
// A picture that cannot be read or is not a JPEG is left out; its paragraph stays empty. `now` dates the
// document properties and gives the header's date field its first text.
WriteResult writeDocx(const ReportDocument& document, const std::string& path,
                      std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

}  // namespace tavrel
