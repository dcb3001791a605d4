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

}  // namespace

LastInputFile::LastInputFile(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder)), m_userFolder(std::move(userFolder)) {}

QString LastInputFile::fileToRead() const {
    const QFileInfo inProgramFolder = findIn(m_programFolder);
    const QFileInfo inUserFolder = findIn(m_userFolder);
    if (!inUserFolder.exists()) {
        return inProgramFolder.filePath();
    }
    if (!inProgramFolder.exists() || inUserFolder.lastModified() > inProgramFolder.lastModified()) {
        return inUserFolder.filePath();
    }
    return inProgramFolder.filePath();
}

void LastInputFile::restore(InputTarget& target) const {
    const QString path = fileToRead();
    if (path.isEmpty()) {
        return;
    }
    const tvrl::ReadResult read = tvrl::readFile(path.toStdString());
    if (read.error == tvrl::ReadError::CannotOpen) {
        return;
    }
    tvrl::apply(read.values, target);
}

std::optional<QString> LastInputFile::write(const DesignInput& input) const {
    const QString programPath = pathToWrite(m_programFolder);
    const FileWriteResult inProgramFolder = writeInputFile(programPath, input);
    if (inProgramFolder.ok()) {
        return std::nullopt;
    }
    QString message = QStringLiteral("本次的输入未能保存，下次启动时将不会恢复。\n");
    if (inProgramFolder.error == FileWriteResult::Error::Text || m_userFolder.isEmpty()) {
        return message + programPath + QStringLiteral("：") + inProgramFolder.reason;
    }
    QDir().mkpath(m_userFolder);
    const QString userPath = pathToWrite(m_userFolder);
    const FileWriteResult inUserFolder = writeInputFile(userPath, input);
    if (inUserFolder.ok()) {
        return std::nullopt;
    }
    return message + programPath + QStringLiteral("：") + inProgramFolder.reason + QLatin1Char('\n') +
           userPath + QStringLiteral("：") + inUserFolder.reason;
}

}  // namespace tavrel::app
