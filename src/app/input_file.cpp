// Input files on disk: the file-exists test and the writing of a record through the atomic-replace facade.
#include "app/input_file.h"

#include <QFileInfo>
#include <QStringList>

#include <optional>
#include <system_error>

#include "model/tvrl.h"
#include "report/platform_file.h"

namespace tavrel::app {

namespace {

bool isLineBreak(QChar character) {
    return character == QLatin1Char('\r') || character == QLatin1Char('\n');
}

// Characters as the message shows them: quoted, a line break by name, since it shows as nothing.
QString shownCharacters(const std::string& characters) {
    QString quoted;
    bool lineBreak = false;
    for (const QChar character : QString::fromStdString(characters)) {
        if (isLineBreak(character)) {
            lineBreak = true;
        } else {
            quoted += character;
        }
    }
    QStringList shown;
    if (!quoted.isEmpty()) {
        shown << QStringLiteral("“%1”").arg(quoted);
    }
    if (lineBreak) {
        shown << QStringLiteral("换行符");
    }
    return shown.join(QStringLiteral("、"));
}

// Why the writer refused the record: each field the file cannot carry, by its term in the file, with the
// characters to correct.
QString unwritableTextReason(const DesignInput& input) {
    QString reason = QStringLiteral("以下输入含有不能以GBK编码保存的字符，请修改后再保存：");
    for (const tvrl::UnwritableValue& value : tvrl::unwritableValues(input)) {
        reason += QLatin1Char('\n') +
                  QString::fromUtf8(value.term.data(), static_cast<qsizetype>(value.term.size())) +
                  QStringLiteral("：") + shownCharacters(value.characters);
    }
    return reason;
}

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

FileWriteResult fileFailure(const QString& reason) {
    return {FileWriteResult::Error::File, reason};
}

}  // namespace

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

FileWriteResult writeInputFile(const QString& path, const DesignInput& input, tvrl::Unwritable unwritable) {
    const std::optional<std::string> bytes = tvrl::write(input, unwritable);
    if (!bytes) {
        return {FileWriteResult::Error::Text, unwritableTextReason(input)};
    }
    const QString target = resolvedTarget(path);
    const bool existed = fileExists(target);
    const platform::ReplaceResult written = platform::writeFileAtomically(target.toStdString(), *bytes);
    if (!written.ok()) {
        return fileFailure(replaceFailureReason(written, existed));
    }
    return {};
}

}  // namespace tavrel::app
