// Input files on disk: the file-exists test of the save commands and the safe writing of a record.
#pragma once

#include <QString>

#include "base/expected.h"
#include "model/design_input.h"
#include "model/tvrl.h"

namespace tavrel::app {

// Description and pattern of the one filter of every file dialog, in the form the Qt dialogs take.
inline constexpr const char* kInputFileFilter = "盖板计算文件(*.tvrl)";

// True when `path` names an ordinary file (a link to one included); a folder, or any error while
// looking, counts as not existing. A hidden or system file counts as existing too, so that the save
// commands never replace one without asking the replace question first.
bool fileExists(const QString& path);

// Writes the 47 lines of `input` to `path`. The bytes go to a temporary file in the same folder, which
// replaces the target only when every byte reached the disk, so a failure leaves an existing file
// byte for byte as it was. A read-only file, a folder or a device of that name is left alone and
// named as the reason; a symbolic link to a file is written through.
// Errors: UnwritableText (with Refuse, a field holds a character without a GBK form or a line break;
// nothing is written, and the message names each such field by its term and the characters), or
// CannotWrite with a reason the user can act on.
Expected<void> writeInputFile(const QString& path, const DesignInput& input, tvrl::Unwritable unwritable);

}  // namespace tavrel::app
