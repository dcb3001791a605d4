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
constexpr int kMostTemporaryNames = 1000;

WriteResult fileFailure(const std::string& message) {
    return {WriteResult::Error::File, message, ""};
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

struct TemporaryFile {
    platform::NewFile file;
    std::string path;
};

// A new hidden file beside the target: ".<name>.<pid>-<n>.part".
TemporaryFile createTemporaryBeside(const std::string& target) {
    std::string stem = ".";
    stem += platform::utf8FromPath(platform::pathFromUtf8(target).filename());
    stem += '.';
    stem += std::to_string(platform::processId());
    stem += '-';
    for (int attempt = 0; attempt < kMostTemporaryNames; ++attempt) {
        const std::string path = joinPath(folderOf(target), stem + std::to_string(attempt) + ".part");
        const platform::NewFile file = platform::createExclusive(path);
        if (file.open() || file.error != std::errc::file_exists) {
            return {file, path};
        }
    }
    return {{-1, std::make_error_code(std::errc::file_exists)}, ""};
}

// The first free name 计算书-<date>-<time>-N.docx, created empty and exclusively.
WriteResult reserveNumberedName(const std::string& folder, std::chrono::system_clock::time_point now) {
    const std::string stem = "计算书-" + timestampText(now) + "-";
    std::error_code failure = std::make_error_code(std::errc::file_exists);
    for (int number = 1; number <= kMostReportsPerSecond && failure == std::errc::file_exists; ++number) {
        const std::string path = joinPath(folder, stem + std::to_string(number) + ".docx");
        const platform::NewFile file = platform::createExclusive(path);
        if (file.open()) {
            platform::close(file.descriptor);
            return {WriteResult::Error::None, "", path};
        }
        failure = file.error;
    }
    return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + platform::reason(failure));
}

// Writes, flushes and closes the temporary file; the first failure, if any.
std::error_code completeFile(const platform::NewFile& file, std::string_view bytes) {
    std::error_code failure = platform::writeAll(file.descriptor, bytes);
    if (!failure) {
        failure = platform::flushToDisk(file.descriptor);
    }
    const std::error_code closeFailure = platform::close(file.descriptor);
    return failure ? failure : closeFailure;
}

}  // namespace

WriteResult replaceFileAtomically(const std::string& path, std::string_view bytes,
                                  std::string_view fileKind) {
    const std::string kind(fileKind);
    const TemporaryFile temporary = createTemporaryBeside(path);
    if (!temporary.file.open()) {
        return fileFailure("无法在文件夹“" + folderOf(path) + "”中创建" + kind + "文件：" +
                           platform::reason(temporary.file.error));
    }
    if (const std::error_code failure = completeFile(temporary.file, bytes)) {
        platform::removeFile(temporary.path);
        return fileFailure(kind + "文件写入失败：" + path + "：" + platform::reason(failure));
    }
    if (const std::error_code failure = platform::replaceFile(temporary.path, path)) {
        platform::removeFile(temporary.path);
        return fileFailure(kind + "文件无法保存为“" + path + "”：" + platform::reason(failure));
    }
    return {WriteResult::Error::None, "", path};
}

WriteResult uniqueReportPath(const std::string& folder, std::chrono::system_clock::time_point now) {
    try {
        return reserveNumberedName(folder, now);
    } catch (const std::exception& exception) {
        return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + exception.what());
    }
}

WriteResult writeReportInFolder(const ReportDocument& document, const std::string& folder) {
    const WriteResult reserved = uniqueReportPath(folder);
    if (!reserved.ok()) {
        return reserved;
    }
    WriteResult written = writeDocx(document, reserved.path);
    if (!written.ok()) {
        platform::removeFile(reserved.path);
    }
    return written;
}

}  // namespace tavrel
