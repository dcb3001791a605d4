// The last-input file Date.dat: found by name without regard to case, in the program's folder or the
// per-user folder, written through a temporary file.
#include "app/last_input.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "app/input_file.h"
#include "model/tvrl.h"

namespace tavrel::app {

namespace {

// The name the file is created with; any other case of it is the same file.
constexpr const char* kLastInputName = "Date.dat";

// A character the file cannot carry (one damaged byte read from an earlier file is enough) is written as
// "?": refusing it would lose the whole input of every session from then on.
constexpr tvrl::Unwritable kUnwritable = tvrl::Unwritable::Replace;

// The last-input file in `folder`, whatever the case of its name; the most recently written one when a
// case-sensitive file system holds several.
QFileInfo findIn(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    // Name filters of QDir compare without regard to case unless told otherwise.
    const QFileInfoList found = QDir(folder).entryInfoList({QString::fromUtf8(kLastInputName)},
                                                           QDir::Files | QDir::Hidden, QDir::Time);
    return found.isEmpty() ? QFileInfo() : found.first();
}

// The existing file of `folder`, or the name it is created with.
QString pathToWrite(const QString& folder) {
    const QFileInfo existing = findIn(folder);
    return existing.exists() ? existing.filePath() : QDir(folder).filePath(QString::fromUtf8(kLastInputName));
}

// One place that failed, for the message: the path as the system shows it, then the reason.
std::string failureLine(const QString& path, const Error& error) {
    return QDir::toNativeSeparators(path).toStdString() + "：" + error.message;
}

}  // namespace

LastInputFile::LastInputFile(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder)), m_userFolder(std::move(userFolder)) {}

QStringList LastInputFile::filesToRead() const {
    const QFileInfo inProgramFolder = findIn(m_programFolder);
    const QFileInfo inUserFolder = findIn(m_userFolder);
    QStringList files;
    for (const QFileInfo& found : {inProgramFolder, inUserFolder}) {
        if (found.exists()) {
            files << found.filePath();
        }
    }
    if (files.size() == 2 && inUserFolder.lastModified() > inProgramFolder.lastModified()) {
        files.swapItemsAt(0, 1);
    }
    return files;
}

void LastInputFile::restore(InputTarget& target) const {
    for (const QString& path : filesToRead()) {
        if (const Expected<tvrl::Values> read = tvrl::readFile(path.toStdString())) {
            tvrl::apply(*read, target);  // the start-up restore shows no message
            return;
        }
    }
}

Expected<void> LastInputFile::write(const DesignInput& input) const {
    std::string failures;
    const auto writeIn = [&](const QString& folder) {
        const QString path = pathToWrite(folder);
        const Expected<void> written = writeInputFile(path, input, kUnwritable);
        if (!written) {
            failures += "\n" + failureLine(path, written.error());
        }
        return written.has_value();
    };
    if (!m_programFolder.isEmpty() && writeIn(m_programFolder)) {
        return {};
    }
    if (!m_userFolder.isEmpty()) {
        QDir().mkpath(m_userFolder);
        if (writeIn(m_userFolder)) {
            return {};
        }
    }
    return failure(ErrorCode::CannotWrite, "本次的输入未能保存，下次启动时将不会恢复。" + failures);
}

}  // namespace tavrel::app
