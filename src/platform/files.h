// The operating-system calls of the program's files (create, write, make durable, replace), the process id
// and calendar time, behind one facade: POSIX on Linux, the wide-character API on Windows. Every path is
// UTF-8 text.
#pragma once

#include <ctime>
#include <filesystem>
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

unsigned long long processId();

// The local and the universal (UTC) calendar time of `seconds`.
std::tm localTime(std::time_t seconds);
std::tm utcTime(std::time_t seconds);

// The system's own text for an error, in UTF-8.
std::string reason(const std::error_code& error);

}  // namespace tavrel::platform
