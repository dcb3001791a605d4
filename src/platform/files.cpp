// The files' operating-system calls: POSIX descriptors on Linux, wide-character CRT and Win32 calls on
// Windows, so that UTF-8 paths with Chinese names work on both; atomic replacement built on them.
#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cwctype>
#include <iterator>

#include "platform/windows_api.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavrel::platform {

namespace {

std::error_code lastCrtError() {
    return {errno, std::generic_category()};
}

std::filesystem::path folderOf(const std::string& path) {
    const std::filesystem::path parent = pathFromUtf8(path).parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
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
// Longer paths need the \\?\ prefix: MAX_PATH (260) less the 12 characters of an 8.3 name that a
// folder's path must leave room for.
constexpr std::size_t kLongestPlainPath = 248;
constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

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

std::error_code lastWin32Error() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// The names Windows gives to devices in every folder, also with an extension or trailing spaces
// ("NUL", "con.docx", "COM1 .txt").
bool isDeviceName(const std::filesystem::path& path) {
    std::wstring stem = path.filename().wstring();
    stem = stem.substr(0, stem.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    std::transform(stem.begin(), stem.end(), stem.begin(), [](wchar_t ch) { return std::towupper(ch); });
    constexpr std::wstring_view kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::find(std::begin(kDevices), std::end(kDevices), stem) != std::end(kDevices)) {
        return true;
    }
    const bool numbered = stem.size() == 4 && stem[3] >= L'1' && stem[3] <= L'9';
    return numbered && (stem.starts_with(L"COM") || stem.starts_with(L"LPT"));
}

// The path as the wide API takes it: a long one made absolute and given the \\?\ prefix, which lifts
// the limit of 260 characters (and with it the parsing of '/' and "..", done here instead).
std::wstring win32Path(const std::string& utf8) {
    const std::filesystem::path path = pathFromUtf8(utf8);
    std::wstring text = path.wstring();
    if (text.size() < kLongestPlainPath || text.starts_with(kLongPathPrefix)) {
        return text;
    }
    std::error_code error;
    const std::wstring absolute =
        std::filesystem::absolute(path, error).lexically_normal().make_preferred().wstring();
    if (error) {
        return text;
    }
    if (absolute.starts_with(L"\\\\")) {
        return std::wstring(kLongUncPrefix) + absolute.substr(2);
    }
    return std::wstring(kLongPathPrefix) + absolute;
}

// Another program has the file open and shares it with no one who would replace it.
bool isSharingViolation(const std::error_code& error) {
    if (error.category() != std::system_category()) {
        return false;
    }
    switch (static_cast<DWORD>(error.value())) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_USER_MAPPED_FILE:
            return true;
        default:
            return false;
    }
}

// What identifies a file on Windows whatever the spelling of its path: the volume and the file's index.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;

    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const std::string& path) {
    const HANDLE file =
        CreateFileW(win32Path(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                        information.nFileIndexLow};
}

}  // namespace

NewFile createExclusive(const std::string& path) {
    const int descriptor = _wopen(win32Path(path).c_str(),
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
    const BOOL moved = MoveFileExW(win32Path(from).c_str(), win32Path(to).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? std::error_code() : lastWin32Error();
}

void removeFile(const std::string& path) {
    _wunlink(win32Path(path).c_str());
}

Node inspect(const std::string& path) {
    if (isDeviceName(pathFromUtf8(path))) {
        return {NodeKind::Other, false};
    }
    const DWORD attributes = GetFileAttributesW(win32Path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return {NodeKind::SymbolicLink, false};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {NodeKind::Folder, false};
    }
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        return {NodeKind::Other, false};
    }
    return {NodeKind::RegularFile, (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

// The new file inherits the folder's access rules; the read-only attribute is never copied, since a
// read-only target is refused before.
void copyAccess(int, const std::string&) {}

bool sameFile(const std::string& first, const std::string& second) {
    const std::optional<FileIdentity> one = identityOf(first);
    return one && one == identityOf(second);
}

std::string shortSpelling(const std::string& path) {
    const std::wstring full = win32Path(path);
    std::wstring shortened(GetShortPathNameW(full.c_str(), nullptr, 0), L'\0');
    const DWORD length =
        GetShortPathNameW(full.c_str(), shortened.data(), static_cast<DWORD>(shortened.size()));
    if (length == 0 || length >= shortened.size()) {
        return path;
    }
    shortened.resize(length);
    return utf8FromPath(std::filesystem::path(shortened));
}

HeldFile::HeldFile(const std::string& path) {
    const HANDLE file = CreateFileW(win32Path(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_handle = file == INVALID_HANDLE_VALUE ? nullptr : file;
}

HeldFile::~HeldFile() {
    if (m_handle != nullptr) {
        CloseHandle(m_handle);
    }
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

void setTimeZone(const std::optional<std::string>& zone) {
    _wputenv_s(L"TZ", zone ? pathFromUtf8(*zone).c_str() : L"");
    _tzset();
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
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = 07777;

// Nobody may write it by its bits, or this user may not (the superuser passes every access test).
bool readOnlyFile(const std::string& path, mode_t mode) {
    return (mode & kAnyWriteBit) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
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

Node inspect(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return {};
    }
    if (S_ISREG(status.st_mode)) {
        return {NodeKind::RegularFile, readOnlyFile(path, status.st_mode)};
    }
    if (S_ISDIR(status.st_mode)) {
        return {NodeKind::Folder, false};
    }
    return {S_ISLNK(status.st_mode) ? NodeKind::SymbolicLink : NodeKind::Other, false};
}

// The owner first: changing it clears the set-user-id and set-group-id bits, which the mode then
// restores. Only the superuser may give a file away, so for everyone else the owner stays theirs.
void copyAccess(int descriptor, const std::string& model) {
    struct stat status {};
    if (::stat(model.c_str(), &status) != 0) {
        return;
    }
    static_cast<void>(::fchown(descriptor, status.st_uid, status.st_gid));
    static_cast<void>(::fchmod(descriptor, status.st_mode & kPermissionBits));
}

bool sameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return std::filesystem::equivalent(pathFromUtf8(first), pathFromUtf8(second), error) && !error;
}

std::string shortSpelling(const std::string& path) {
    return path;
}

// Linux has no mandatory locks a writer must respect: nothing to hold.
HeldFile::HeldFile(const std::string&) {}

HeldFile::~HeldFile() = default;

namespace {

// No file is ever held against replacing on Linux.
bool isSharingViolation(const std::error_code&) {
    return false;
}

}  // namespace

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

void setTimeZone(const std::optional<std::string>& zone) {
    if (zone) {
        ::setenv("TZ", zone->c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

std::string reason(const std::error_code& error) {
    return std::strerror(error.value());
}

#endif

namespace {

constexpr int kMostTemporaryNames = 1000;

struct TemporaryFile {
    NewFile file;
    std::string path;
};

// A new hidden file beside the target, ".tavrel-<pid>-<n>.tmp": a short name of its own, so that a target
// whose name is as long as the file system allows still gets one.
TemporaryFile createTemporaryBeside(const std::string& target) {
    const std::string stem = ".tavrel-" + std::to_string(processId()) + "-";
    for (int attempt = 0; attempt < kMostTemporaryNames; ++attempt) {
        const std::string path =
            utf8FromPath(folderOf(target) / pathFromUtf8(stem + std::to_string(attempt) + ".tmp"));
        const NewFile file = createExclusive(path);
        if (file.open() || file.error != std::errc::file_exists) {
            return {file, path};
        }
    }
    return {{-1, std::make_error_code(std::errc::file_exists)}, ""};
}

// Writes, flushes and closes the file; the first failure, if any. The file is closed in every case.
std::error_code completeFile(const NewFile& file, std::string_view bytes) {
    std::error_code failure = writeAll(file.descriptor, bytes);
    if (!failure) {
        failure = flushToDisk(file.descriptor);
    }
    const std::error_code closeFailure = close(file.descriptor);
    return failure ? failure : closeFailure;
}

// Why an existing node of the target's name is not replaced; Done when it may be.
ReplaceStep refusalFor(const Node& target) {
    switch (target.kind) {
        case NodeKind::Missing:
            return ReplaceStep::Done;
        case NodeKind::RegularFile:
            return target.readOnly ? ReplaceStep::TargetReadOnly : ReplaceStep::Done;
        case NodeKind::Folder:
            return ReplaceStep::TargetIsFolder;
        case NodeKind::SymbolicLink:
        case NodeKind::Other:
            break;
    }
    return ReplaceStep::TargetNotAFile;
}

}  // namespace

std::string refusalReason(ReplaceStep step) {
    switch (step) {
        case ReplaceStep::TargetIsFolder:
            return "已有同名的文件夹。";
        case ReplaceStep::TargetNotAFile:
            return "同名的不是普通文件（设备、管道或符号链接），不能替换。";
        case ReplaceStep::TargetReadOnly:
            return "文件是只读的，不能替换。";
        case ReplaceStep::TargetInUse:
            return "文件正被其他程序打开，请关闭后重试。";
        case ReplaceStep::Done:
        case ReplaceStep::CreateTemporary:
        case ReplaceStep::WriteTemporary:
        case ReplaceStep::Rename:
            break;
    }
    return {};
}

ReplaceResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    const Node target = inspect(path);
    if (const ReplaceStep refusal = refusalFor(target); refusal != ReplaceStep::Done) {
        return {refusal, {}};
    }
    const TemporaryFile temporary = createTemporaryBeside(path);
    if (!temporary.file.open()) {
        return {ReplaceStep::CreateTemporary, temporary.file.error};
    }
    if (target.kind == NodeKind::RegularFile) {
        copyAccess(temporary.file.descriptor, path);
    }
    if (const std::error_code failure = completeFile(temporary.file, bytes)) {
        removeFile(temporary.path);
        return {ReplaceStep::WriteTemporary, failure};
    }
    if (const std::error_code failure = replaceFile(temporary.path, path)) {
        removeFile(temporary.path);
        return {isSharingViolation(failure) ? ReplaceStep::TargetInUse : ReplaceStep::Rename, failure};
    }
    return {};
}

}  // namespace tavrel::platform
