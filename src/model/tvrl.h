// The 47-line input file (.tvrl, and the last-input file Date.dat): GBK text, CR LF, one value per line.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>

#include "model/design_input.h"

namespace tavrel::tvrl {

inline constexpr int kLineCount = 47;
inline constexpr std::size_t kValueWidth = 10;   // characters of a line that carry its value
inline constexpr int kSpacesBeforeTerm = 20;

// The values of lines 1..47 (index 0 is line 1), each the first ten characters of its line, trimmed of
// spaces, in UTF-8. linesRead counts the lines the file delivered; lines beyond it are empty.
struct Values {
    std::array<std::string, kLineCount> lines;
    int linesRead = 0;
    bool complete() const { return linesRead == kLineCount; }
};

// The file's bytes for a record: 47 lines, GBK, CR LF after every line. Empty when a text cannot be
// written in GBK or holds a line break (it would shift every later line on reading).
std::optional<std::string> write(const DesignInput& input);

// Reads at most 47 lines from a stream. Line ends CR LF, bare LF and bare CR are all accepted. Only the
// start of each line is kept, and reading stops after 47 lines or a fixed byte budget, so a huge file is
// never loaded whole.
Values read(std::istream& in);

enum class ReadError { None, CannotOpen, TooShort };
struct ReadResult {
    Values values;
    ReadError error = ReadError::None;
};
// Reads a file by path; TooShort when it ends before line 47.
ReadResult readFile(const std::string& path);

// A message for the open command, naming the path.
std::string describe(ReadError error, const std::string& path);

// Applies lines 2..47 in line order: slab type lines (only "1" selects; the exclusive buttons make the
// others follow; a line not starting with 1 changes nothing), exact list matches by position, check states
// from whole numbers 0 or 1 (other values change nothing), texts as they are.
void apply(const Values& values, InputTarget& target);

}  // namespace tavrel::tvrl
