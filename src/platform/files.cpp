// File operations of the program: POSIX descriptors on Linux, wide-character CRT and Win32 calls on Windows,
// so that UTF-8 paths with Chinese names work on both.
#include "platform/files.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <algorithm>
#include <climits>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavrel::platform {

namespace {

std::error_code lastCrtError() {
    return {errno, std::generic_category()};
}

}  // namespace

std::filesystem::path pathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

#ifdef _WIN32

namespace {

constexpr int kNewFileMode = _S_IREAD | _S_IWRITE;
constexpr DWORD kMostReasonChars = 512;  // FormatMessageW limits its own texts to far less

// The system's text without the line break that FormatMessageW ends it with.
std::string trimmedUtf8(std::wstring text) {
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return utf8FromPath(std::filesystem::path(text));
}

std::string win32Reason(DWORD code) {
    wchar_t text[kMostReasonChars];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, 0, text, kMostReasonChars, nullptr);
    if (length == 0) {
        return "Windows error " + std::to_string(code);
    }
    return trimmedUtf8(std::wstring(text, length));
}

}  // namespace

NewFile createExclusive(const std::string& path) {
    const int descriptor = _wopen(pathFromUtf8(path).c_str(),
                                  _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, kNewFileMode);
    if (descriptor < 0) {
        return {-1, lastCrtError()};
    }
    return {descriptor, {}};
}

std::error_code writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<unsigned int>(std::min<std::size_t>(bytes.size(), INT_MAX));
        const int written = _write(descriptor, bytes.data(), chunk);
        if (written < 0) {
            return lastCrtError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code flushToDisk(int descriptor) {
    return _commit(descriptor) == 0 ? std::error_code() : lastCrtError();
}

std::error_code close(int descriptor) {
    return _close(descriptor) == 0 ? std::error_code() : lastCrtError();
}

std::error_code replaceFile(const std::string& from, const std::string& to) {
    const BOOL moved = MoveFileExW(pathFromUtf8(from).c_str(), pathFromUtf8(to).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
}

void removeFile(const std::string& path) {
    _wunlink(pathFromUtf8(path).c_str());
}

unsigned long long processId() {
    return GetCurrentProcessId();
}

std::tm localTime(std::time_t seconds) {
    std::tm parts{};
    localtime_s(&parts, &seconds);
    return parts;
}

std::tm utcTime(std::time_t seconds) {
    std::tm parts{};
    gmtime_s(&parts, &seconds);
    return parts;
}

std::string reason(const std::error_code& error) {
    if (error.category() == std::system_category()) {
        return win32Reason(static_cast<DWORD>(error.value()));
    }
    return trimmedUtf8(_wcserror(error.value()));
}

#else

namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask

std::filesystem::path folderOf(const std::string& path) {
    const std::filesystem::path parent = pathFromUtf8(path).parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
}

// Makes a completed rename durable; a folder that cannot be flushed changes nothing of the result.
void flushFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

}  // namespace

NewFile createExclusive(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (descriptor < 0) {
        return {-1, lastCrtError()};
    }
    return {descriptor, {}};
}

std::error_code writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastCrtError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code flushToDisk(int descriptor) {
    return ::fsync(descriptor) == 0 ? std::error_code() : lastCrtError();
}

std::error_code close(int descriptor) {
    return ::close(descriptor) == 0 ? std::error_code() : lastCrtError();
}

std::error_code replaceFile(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return lastCrtError();
    }
    flushFolder(folderOf(to));
    return {};
}

void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}

unsigned long long processId() {
    return static_cast<unsigned long long>(::getpid());
}

std::tm localTime(std::time_t seconds) {
    std::tm parts{};
    localtime_r(&seconds, &parts);
    return parts;
}

std::tm utcTime(std::time_t seconds) {
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    return parts;
}

std::string reason(const std::error_code& error) {
    return std::strerror(error.value());
}

#endif

}  // namespace tavrel::platform
