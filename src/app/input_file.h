// Input files on disk: the file-exists test of the save commands and the safe writing of a record.
#pragma once

#include <QString>

#include "model/design_input.h"
#include "model/tvrl.h"

namespace tavrel::app {

// Description and pattern of the one filter of every file dialog, in the form the Qt dialogs take.
inline constexpr const char* kInputFileFilter = "盖板计算文件(*.tvrl)";

// True when `path` names an ordinary file (a link to one included); a folder, or any error while
// looking, counts as not existing. A hidden or system file counts as existing too, so that the save
// commands never replace one without asking the replace question first.
bool fileExists(const QString& path);

struct FileWriteResult {
    enum class Error { None, Text, File };

    Error error = Error::None;
    QString reason;  // for the user, empty when ok

    bool ok() const { return error == Error::None; }
};

// Writes the 47 lines of `input` to `path`. The bytes go to a temporary file in the same folder, which
// replaces the target only when every byte reached the disk, so a failure leaves an existing file
// byte for byte as it was. A read-only file, a folder or a device of that name is left alone and
// named as the reason; a symbolic link to a file is written through.
// Text: with Refuse, a field holds a character without a GBK form or a line break; nothing is written
// then, and the reason names each such field by its term in the file and the characters.
FileWriteResult writeInputFile(const QString& path, const DesignInput& input, tvrl::Unwritable unwritable);

}  // namespace tavrel::app
