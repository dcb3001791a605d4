// The last-input file Date.dat: the input at exit, restored at the next start.
#pragma once

#include <QString>

#include <optional>

#include "model/design_input.h"

namespace tavrel::app {

// The file lives beside the program. Where the program's folder cannot be written (an installed
// program), it lives in the per-user data folder instead, so the last input is never silently lost.
// Both places are looked up without regard to letter case: a "date.dat" or "DATE.DAT" found there is
// the file, read and rewritten under its own name; only where none exists is "Date.dat" created.
//
// Which one is read: the more recently written of the two, so the last exit wins whether it reached
// the program's folder or had to fall back to the per-user folder.
// Where it is written: the program's folder first; the per-user folder when that fails.
class LastInputFile {
  public:
    LastInputFile(QString programFolder, QString userFolder);

    // The file the next start restores; empty when there is none.
    QString fileToRead() const;

    // Applies the file to `target` under the start-up rule: nothing stops the program; lines the file
    // does not deliver count as empty (texts become empty, lists and check boxes keep their state). A
    // file that cannot be opened at all delivers nothing and leaves the input as it is.
    void restore(InputTarget& target) const;

    // Writes `input`; on failure a message for the user saying why and where.
    std::optional<QString> write(const DesignInput& input) const;

  private:
    QString m_programFolder;
    QString m_userFolder;
};

}  // namespace tavrel::app
