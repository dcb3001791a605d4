// Input files on disk: the file-exists test and the writing of a record through the atomic-replace facade.
#include "app/input_file.h"

#include <QFileInfo>

#include <system_error>

#include "model/tvrl.h"
#include "platform/files.h"

namespace tavrel::app {

namespace {

QString systemReason(const std::error_code& error) {
    return QString::fromStdString(platform::reason(error));
}

bool folderMissing(const std::error_code& error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

// A reason the user can act on, for each step at which replacing the file stopped; `existed` says whether
// there is an old file that stays as it was.
QString replaceFailureReason(const platform::ReplaceResult& result, bool existed) {
    switch (result.step) {
        case platform::ReplaceStep::CreateTemporary:
            if (folderMissing(result.error)) {
                return QStringLiteral("文件夹不存在。");
            }
            return QStringLiteral("无法在该文件夹中创建文件（%1）。").arg(systemReason(result.error));
        case platform::ReplaceStep::WriteTemporary:
            return QStringLiteral("写入文件失败（%1）。").arg(systemReason(result.error)) +
                   (existed ? QStringLiteral("原文件保持不变。") : QString());
        case platform::ReplaceStep::Rename:
            if (existed) {
                return QStringLiteral("未能替换原文件（%1）。原文件保持不变。")
                    .arg(systemReason(result.error));
            }
            return QStringLiteral("未能创建文件（%1）。").arg(systemReason(result.error));
        case platform::ReplaceStep::Done:
        case platform::ReplaceStep::TargetIsFolder:
        case platform::ReplaceStep::TargetNotAFile:
        case platform::ReplaceStep::TargetReadOnly:
        case platform::ReplaceStep::TargetInUse:
            break;
    }
    return QString::fromStdString(platform::refusalReason(result.step));
}

// A symbolic link to a file is written through, so that the link stays and its file gets the input.
QString resolvedTarget(const QString& path) {
    const QFileInfo target(path);
    const QString resolved = target.isSymLink() ? target.canonicalFilePath() : QString();
    return resolved.isEmpty() ? path : resolved;
}

}  // namespace

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

Expected<void> writeInputFile(const QString& path, const DesignInput& input, tvrl::Unwritable unwritable) {
    const Expected<std::string> bytes = tvrl::write(input, unwritable);
    if (!bytes) {
        return unexpected(bytes.error());
    }
    const QString target = resolvedTarget(path);
    const bool existed = fileExists(target);
    const platform::ReplaceResult written = platform::writeFileAtomically(target.toStdString(), *bytes);
    if (!written.ok()) {
        return failure(ErrorCode::CannotWrite, replaceFailureReason(written, existed).toStdString());
    }
    return {};
}

}  // namespace tavrel::app
