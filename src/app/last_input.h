// The last-input file Date.dat: the input at exit, restored at the next start.
#pragma once

#include <QString>
#include <QStringList>

#include "base/expected.h"
#include "model/design_input.h"

namespace tavrel::app {

// The file lives beside the program. Where the program's folder cannot be written (an installed
// program), it lives in the per-user data folder instead, so the last input is never silently lost.
// Both places are looked up without regard to letter case: a "date.dat" or "DATE.DAT" found there is
// the file, read and rewritten under its own name; only where none exists is "Date.dat" created.
//
// Which one is read: the more recently written of the two, so the last exit wins whether it reached
// the program's folder or had to fall back to the per-user folder; the other one when that cannot be
// opened.
// Where it is written: the program's folder first; the per-user folder when that fails. A packaged program
// gives no program folder and writes the per-user folder only. A character
// the file cannot carry is written as "?", so the rest of the input is always kept.
class LastInputFile {
  public:
    LastInputFile(QString programFolder, QString userFolder);

    // The files the next start may restore, the more recently written first; empty when there is none.
    QStringList filesToRead() const;

    // Applies the file to `target` under the start-up rule: nothing stops the program; lines the file
    // does not deliver count as empty (texts become empty, lists and check boxes keep their state). A
    // file that cannot be opened at all delivers nothing: the older file is restored instead, or, when
    // there is none, the input is left as it is.
    void restore(InputTarget& target) const;

    // Writes `input`; fails (CannotWrite) with a message for the user saying why and where, for each
    // place tried.
    Expected<void> write(const DesignInput& input) const;

  private:
    QString m_programFolder;
    QString m_userFolder;
};

}  // namespace tavrel::app
