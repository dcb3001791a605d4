// The program's standard output and standard error as streams of UTF-8 text, readable in a Windows console
// whatever its code page.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

namespace tavrel::platform {

// Standard output and standard error. On Windows a console gets the text as UTF-16 through the console
// API; a file or a pipe gets the UTF-8 bytes as they are, with "\n" line ends, exactly as on Linux (so
// JSON is always UTF-8). Standard error is written at once, standard output when flushed or at exit.
std::ostream& standardOutput();
std::ostream& standardError();

// How many bytes of `utf8` end with a whole character: a character cut by the end of a buffer waits for
// its last bytes instead of showing as two wrong ones.
std::size_t completeUtf8Length(std::string_view utf8);

}  // namespace tavrel::platform
