// Report files in a folder: unique names reserved by exclusive creation, and replacement in one step.
#include "report/report_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>

namespace tavrel {

namespace {

constexpr int kMostReportsPerSecond = 10000;  // numbered names tried before giving up
constexpr int kMostTemporaryNames = 1000;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask

std::string systemReason(int error) {
    return std::strerror(error);
}

WriteResult fileFailure(const std::string& message) {
    return {WriteResult::Error::File, message, ""};
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

std::string joinPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

std::string timestampText(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts{};
    localtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    return text;
}

// Creates `path` exclusively for writing; -1 with errno set when it exists or cannot be created.
int createExclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes a completed rename durable; a folder that cannot be flushed changes nothing of the result.
void flushFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

struct TemporaryFile {
    int descriptor = -1;
    std::string path;
};

// A new hidden file beside the target: ".<name>.<pid>-<n>.part".
TemporaryFile createTemporaryBeside(const std::string& target) {
    const std::filesystem::path targetPath(target);
    std::string stem = ".";
    stem += targetPath.filename().string();
    stem += '.';
    stem += std::to_string(::getpid());
    stem += '-';
    for (int attempt = 0; attempt < kMostTemporaryNames; ++attempt) {
        const std::string path = joinPath(folderOf(target), stem + std::to_string(attempt) + ".part");
        const int descriptor = createExclusive(path);
        if (descriptor >= 0) {
            return {descriptor, path};
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    errno = EEXIST;
    return {};
}

// The first free name 计算书-<date>-<time>-N.docx, created empty and exclusively.
WriteResult reserveNumberedName(const std::string& folder, std::chrono::system_clock::time_point now) {
    const std::string stem = "计算书-" + timestampText(now) + "-";
    for (int number = 1; number <= kMostReportsPerSecond; ++number) {
        const std::string path = joinPath(folder, stem + std::to_string(number) + ".docx");
        const int descriptor = createExclusive(path);
        if (descriptor >= 0) {
            ::close(descriptor);
            return {WriteResult::Error::None, "", path};
        }
        if (errno != EEXIST) {
            return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + systemReason(errno));
        }
    }
    return fileFailure("无法在文件夹“" + folder + "”中创建计算书文件：" + systemReason(EEXIST));
}

}  // namespace

WriteResult replaceFileAtomically(const std::string& path, std::string_view bytes) {
    TemporaryFile temporary = createTemporaryBeside(path);
    if (temporary.descriptor < 0) {
        return fileFailure("无法在文件夹“" + folderOf(path) + "”中创建计算书文件：" + systemReason(errno));
    }
    const bool written = writeAll(temporary.descriptor, bytes) && ::fsync(temporary.descriptor) == 0;
    const int writeError = errno;
    const bool closed = ::close(temporary.descriptor) == 0;
    if (!written || !closed) {
        ::unlink(temporary.path.c_str());
        return fileFailure("计算书文件写入失败：" + path + "：" + systemReason(written ? errno : writeError));
    }
    if (::rename(temporary.path.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.path.c_str());
        return fileFailure("计算书文件无法保存为“" + path + "”：" + systemReason(renameError));
    }
    flushFolder(folderOf(path));
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
        ::unlink(reserved.path.c_str());
    }
    return written;
}

}  // namespace tavrel
