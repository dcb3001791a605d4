// Input files on disk: the file-exists test and the writing of a record through a temporary file.
#include "app/input_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#include "model/gbk.h"
#include "model/tvrl.h"

namespace tavrel::app {

namespace {

bool isLineBreak(char32_t character) {
    return character == U'\r' || character == U'\n';
}

bool hasGbkForm(char32_t character) {
    const QString text = QString::fromUcs4(&character, 1);
    return gbk::encode(text.toStdString()).has_value();
}

// Why the writer refused the record: the characters of the text fields that the file cannot carry.
QString unwritableTextReason(const DesignInput& input) {
    QString characters;
    bool lineBreak = false;
    for (int i = 0; i < kTextFieldCount; ++i) {
        const QString text = QString::fromStdString(input.text(static_cast<TextField>(i)));
        for (const char32_t character : text.toUcs4()) {
            const QString shown = QString::fromUcs4(&character, 1);
            if (isLineBreak(character)) {
                lineBreak = true;
            } else if (!hasGbkForm(character) && !characters.contains(shown)) {
                characters += shown;
            }
        }
    }
    if (!characters.isEmpty()) {
        return QStringLiteral("输入中的字符“%1”不能以GBK编码保存。请修改含有这些字符的输入后再保存。")
            .arg(characters);
    }
    if (lineBreak) {
        return QStringLiteral("输入中含有换行符，不能保存。请删除换行后再保存。");
    }
    return QStringLiteral("输入中含有不能以GBK编码保存的文字。");
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
    return QStringLiteral("无法在该文件夹中创建文件（%1）。").arg(file.errorString());
}

QString writeFailureReason(const QSaveFile& file) {
    return QStringLiteral("写入文件或替换原文件失败（%1）。").arg(file.errorString());
}

FileWriteResult fileFailure(const QString& reason) {
    return {FileWriteResult::Error::File, reason};
}

}  // namespace

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

FileWriteResult writeInputFile(const QString& path, const DesignInput& input) {
    const std::optional<std::string> bytes = tvrl::write(input);
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
        return fileFailure(writeFailureReason(file));
    }
    return {};
}

}  // namespace tavrel::app
