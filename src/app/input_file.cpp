// Input files on disk: the file-exists test and the writing of a record through a temporary file.
#include "app/input_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <optional>

#include "model/tvrl.h"

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

// A reason the user can act on when the file could not be created beside its target.
QString openFailureReason(const QString& path, const QSaveFile& file) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return QStringLiteral("已有同名的文件夹。");
    }
    if (!target.absoluteDir().exists()) {
        return QStringLiteral("文件夹不存在。");
    }
    if (target.exists() && !target.isWritable()) {
        return QStringLiteral("文件是只读的，不能替换。");
    }
    return QStringLiteral("无法在该文件夹中创建文件（%1）。").arg(file.errorString());
}

// The temporary file takes the target's name only on commit: a rename error leaves the file on disk as
// it was (or absent); any other error means the bytes did not reach the disk.
QString writeFailureReason(const QString& path, const QSaveFile& file) {
    if (file.error() != QFileDevice::RenameError) {
        return QStringLiteral("写入文件失败（%1）。").arg(file.errorString());
    }
    if (QFileInfo::exists(path)) {
        return QStringLiteral("未能替换原文件（%1）。原文件保持不变。").arg(file.errorString());
    }
    return QStringLiteral("未能创建文件（%1）。").arg(file.errorString());
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fileFailure(openFailureReason(path, file));
    }
    // An uncommitted temporary file is removed when `file` goes out of scope.
    const auto size = static_cast<qint64>(bytes->size());
    if (file.write(bytes->data(), size) != size || !file.commit()) {
        return fileFailure(writeFailureReason(path, file));
    }
    return {};
}

}  // namespace tavrel::app
