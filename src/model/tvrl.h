// The 47-line input file (.tvrl, and the last-input file Date.dat): GBK text, CR LF, one value per line.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.h"
#include "model/design_input.h"

namespace tavrel::tvrl {

inline constexpr int kLineCount = 47;
inline constexpr std::size_t kValueWidth = 10;  // characters of a line that carry its value
inline constexpr int kSpacesBeforeTerm = 20;

// The values of lines 1..47 (index 0 is line 1), each the first ten characters of its line, trimmed of
// spaces, in UTF-8. linesRead counts the lines the file delivered; lines beyond it are empty.
// budgetSpent: reading stopped at the byte budget before line 47, not at the end of the file.
struct Values {
    std::array<std::string, kLineCount> lines;
    int linesRead = 0;
    bool budgetSpent = false;
    bool complete() const { return linesRead == kLineCount; }
};

// What the writer does with a character the file cannot carry: one without a GBK form, or a line break
// (it would shift every later line on reading).
enum class Unwritable {
    Refuse,   // write nothing, so that a save never puts anything but the input into a file
    Replace,  // write "?" in its place, so that the rest of the record still reaches the file
};

// The file's bytes for a record: 47 lines, GBK, CR LF after every line. With Refuse, a value holding a
// character the file cannot carry fails the whole record (UnwritableText); the message names each such
// value by its term and its characters, a line break by name since it shows as nothing.
Expected<std::string> write(const DesignInput& input, Unwritable unwritable = Unwritable::Refuse);

// A value the writer refuses: the term that names its line in the file ("净跨径(m)") and the characters
// the file cannot carry, each once, in the order they first appear (UTF-8).
struct UnwritableValue {
    std::string_view term;
    std::string characters;
};

// The values of `input` that the writer refuses, in line order; empty exactly when write succeeds.
std::vector<UnwritableValue> unwritableValues(const DesignInput& input);

// Reads at most 47 lines from a stream. A line ends at CR LF, at a bare LF or a bare CR, and at CR CR LF
// (a CR LF file whose line ends were converted once more). Only the start of each line is kept, and
// reading stops after 47 lines or a fixed byte budget, so a huge file is never loaded whole.
Values read(std::istream& in);

// Reads a file by path: the lines it delivered, also when it ends early. Fails only when the file cannot
// be opened (CannotOpen); the message names `path` as given and the reason.
Expected<Values> readFile(const std::string& path);

// Reads a file that must deliver all 47 lines, as the open command does: one that ends before line 47 is
// FileTooShort, one whose byte budget ends first is FileTooLarge (no input file is that large). Every
// message names `path` as given, so pass it as the user should see it.
Expected<Values> readCompleteFile(const std::string& path);

// A value line of the file: its number (1-based), the control whose state it holds and its term.
struct ValueLine {
    int number;
    std::string_view control;
    std::string_view term;
};

// Every value line of the file, in line order.
std::vector<ValueLine> valueLines();

// Applies lines 2..47 in line order: slab type lines (only "1" selects; the exclusive buttons make the
// others follow; a line not starting with 1 changes nothing), exact list matches by position, check states
// from a number that rounds, halves to even, to 0 or 1 ("0.6" checks, "0.5" unchecks; any other value
// changes nothing), texts as they are.
void apply(const Values& values, InputTarget& target);

}  // namespace tavrel::tvrl
