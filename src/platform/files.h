// The few operating-system calls the program needs for its files (atomic replacement, file kinds, process
// id, calendar time), behind one facade: POSIX on Linux, the wide-character API on Windows. Every path is
// UTF-8 text.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tavrel::platform {

// The file-system path named by UTF-8 text, and back; on Windows a plain std::string would be read in the
// ANSI code page and Chinese names would be lost.
std::filesystem::path pathFromUtf8(const std::string& utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// A file open for writing, made by createExclusive; -1 when there is none.
struct NewFile {
    int descriptor = -1;
    std::error_code error;  // why it could not be made; std::errc::file_exists when the name is taken

    bool open() const { return descriptor >= 0; }
};

// Creates `path` empty for writing, failing when anything of that name exists already.
NewFile createExclusive(const std::string& path);

std::error_code writeAll(int descriptor, std::string_view bytes);
std::error_code flushToDisk(int descriptor);
std::error_code close(int descriptor);

// Puts the finished file `from` in place of `to` in one step, replacing any file of that name, and makes the
// change durable. On failure both files stay as they were.
std::error_code replaceFile(const std::string& from, const std::string& to);

// Removes the file `path`; a file that cannot be removed is left.
void removeFile(const std::string& path);

// What a name in the file system is, without following a symbolic link of that name.
enum class NodeKind { Missing, RegularFile, Folder, SymbolicLink, Other /* device, pipe, socket */ };

struct Node {
    NodeKind kind = NodeKind::Missing;
    // A regular file whose permission bits (on Windows: its read-only attribute) forbid writing, for
    // every user or for this one. Decided by the bits, not by trying, so that the superuser, who may
    // write anything, still leaves a file alone that its owner marked read-only.
    bool readOnly = false;
};

Node inspect(const std::string& path);

// True when both names exist and lead to one and the same file: through another spelling of the
// path, a symbolic link or a hard link.
bool sameFile(const std::string& first, const std::string& second);

// Gives the new file open at `descriptor` the permission bits and, where the system allows it, the
// owner of the existing file `model`, so that replacing a file does not change who may read it.
void copyAccess(int descriptor, const std::string& model);

// Where writeFileAtomically stopped. At every step but Done the target is exactly as it was before.
enum class ReplaceStep {
    Done,
    TargetIsFolder,   // a folder has the target's name
    TargetNotAFile,   // a device, pipe, socket or symbolic link has the target's name
    TargetReadOnly,   // the existing file is read-only (see Node::readOnly)
    TargetInUse,      // another program holds the file open without sharing it (Word, Excel; Windows)
    CreateTemporary,  // no temporary file could be made beside the target
    WriteTemporary,   // not every byte reached the disk
    Rename,           // the finished file could not take the target's name
};

struct ReplaceResult {
    ReplaceStep step = ReplaceStep::Done;
    std::error_code error;  // the system's reason, for the three last steps

    bool ok() const { return step == ReplaceStep::Done; }
};

// Why writeFileAtomically left an existing node of the target's name alone, for the user ("文件是只读的，
// 不能替换。"); empty for the other steps, whose reason is the system's (see reason below).
std::string refusalReason(ReplaceStep step);

// Puts a file holding exactly `bytes` at `path`, in the manner that cannot lose the old file: a temporary
// file in the same folder gets every byte, is flushed to the disk and closed, and only then is renamed
// over the target; any error removes it again. Only a missing target or a regular file is replaced: a
// caller that means to write through a symbolic link resolves it first. An existing file keeps its
// permission bits.
ReplaceResult writeFileAtomically(const std::string& path, std::string_view bytes);

// The same path as the system's short spelling where it has one (the 8.3 name on Windows); else the
// path as it is.
std::string shortSpelling(const std::string& path);

// A file held open with no sharing, as Word or Excel hold the document they show, until destroyed. Only
// Windows refuses others a file held this way; elsewhere nothing is held and held() is false.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool held() const { return m_handle != nullptr; }

  private:
    void* m_handle = nullptr;
};

unsigned long long processId();

// The local and the universal (UTC) calendar time of `seconds`.
std::tm localTime(std::time_t seconds);
std::tm utcTime(std::time_t seconds);

// Sets the time zone localTime follows, as the TZ variable gives it ("UTC0"); no zone restores the
// system's own.
void setTimeZone(const std::optional<std::string>& zone);

// The system's own text for an error, in UTF-8.
std::string reason(const std::error_code& error);

}  // namespace tavrel::platform
