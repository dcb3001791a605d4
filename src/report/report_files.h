// Report files in a folder: a new unique name for every report, and writing a file in one step.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "report/docx_writer.h"
#include "report/report_document.h"

namespace tavrel {

// Reserves a new file "计算书-YYYYMMDD-HHMMSS-N.docx" (local time of `now`, N counting from 1) in `folder`
// by creating it empty and exclusively, so that no existing file is ever overwritten, also when two
// reports are written in the same second. Gives the reserved file's path.
Expected<std::string> uniqueReportPath(
    const std::string& folder, std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// Reserves a unique name in `folder` and writes the document there; when the writing fails, the
// reserved empty file is removed again.
Expected<WrittenReport> writeReportInFolder(const ReportDocument& document, const std::string& folder);

// Replaces `path` by a file holding `bytes`: written under a temporary name in the same folder, flushed
// to the disk, then renamed over the target. On failure (CannotWrite) the temporary file is removed and
// the target is as it was; a folder, a device, a pipe, a symbolic link or a read-only file of that name
// is refused.
// Messages name the file by its kind ("计算书", "设计表", "盖板计算").
Expected<void> replaceFileAtomically(const std::string& path, std::string_view bytes,
                                     std::string_view fileKind = "计算书");

}  // namespace tavrel
