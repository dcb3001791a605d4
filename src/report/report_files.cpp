// Report files in a folder: unique names reserved by exclusive creation, and replacement in one step.
#include "report/report_files.h"

#include <ctime>
#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace tavrel {

namespace {

constexpr int kMostReportsPerSecond = 10000;  // numbered names tried before giving up

Unexpected<Error> fileFailure(const std::string& message) {
    return failure(ErrorCode::CannotWrite, message);
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = platform::pathFromUtf8(path).parent_path();
    return parent.empty() ? "." : platform::utf8FromPath(parent);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    return platform::utf8FromPath(platform::pathFromUtf8(folder) / platform::pathFromUtf8(name));
}

std::string timestampText(std::chrono::system_clock::time_point now) {
    const std::tm parts = platform::localTime(std::chrono::system_clock::to_time_t(now));
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    return text;
}

// The first free name 计算书-<date>-<time>-N.docx, created empty and exclusively.
Expected<std::string> reserveNumberedName(const std::string& folder,
                                          std::chrono::system_clock::time_point now) {
    const std::string stem = "计算书-" + timestampText(now) + "-";
    std::error_code failure = std::make_error_code(std::errc::file_exists);
    for (int number = 1; number <= kMostReportsPerSecond && failure == std::errc::file_exists; ++number) {
        const std::string path = joinPath(folder, stem + std::to_string(number) + ".docx");
        const platform::NewFile file = platform::createExclusive(path);
        if (file.open()) {
            platform::close(file.descriptor);
            return path;
        }
        failure = file.error;
    }
    return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + platform::reason(failure));
}

}  // namespace

Expected<void> replaceFileAtomically(const std::string& path, std::string_view bytes,
                                     std::string_view fileKind) {
    const std::string kind(fileKind);
    const platform::ReplaceResult replaced = platform::writeFileAtomically(path, bytes);
    switch (replaced.step) {
        case platform::ReplaceStep::Done:
            return {};
        case platform::ReplaceStep::TargetIsFolder:
        case platform::ReplaceStep::TargetNotAFile:
        case platform::ReplaceStep::TargetReadOnly:
        case platform::ReplaceStep::TargetInUse:
            return fileFailure(kind + "文件无法保存为“" + path + "”：" +
                               platform::refusalReason(replaced.step));
        case platform::ReplaceStep::CreateTemporary:
            return fileFailure("无法在文件夹“" + folderOf(path) + "”中创建" + kind + "文件：" +
                               platform::reason(replaced.error));
        case platform::ReplaceStep::WriteTemporary:
            return fileFailure(kind + "文件写入失败：" + path + "：" + platform::reason(replaced.error));
        case platform::ReplaceStep::Rename:
            break;
    }
    return fileFailure(kind + "文件无法保存为“" + path + "”：" + platform::reason(replaced.error));
}

Expected<std::string> uniqueReportPath(const std::string& folder, std::chrono::system_clock::time_point now) {
    try {
        return reserveNumberedName(folder, now);
    } catch (const std::exception& exception) {
        return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + exception.what());
    }
}

Expected<WrittenReport> writeReportInFolder(const ReportDocument& document, const std::string& folder) {
    const Expected<std::string> reserved = uniqueReportPath(folder);
    if (!reserved) {
        return unexpected(reserved.error());
    }
    Expected<WrittenReport> written = writeDocx(document, *reserved);
    if (!written) {
        platform::removeFile(*reserved);
    }
    return written;
}

}  // namespace tavrel
