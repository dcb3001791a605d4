// The input file (.tvrl, and the last-input file Date.dat): GBK text, CR LF, one value per line; 47 lines
// under the 2004 edition, two more (edition and safety class) under the 2018 edition, then, only when the
// calculation has project information, its block from line 50 on.
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

inline constexpr int kLineCount = 47;           // lines every input file has
inline constexpr int kEditionLine = 48;         // "2018" under the 2018 edition; absent under the 2004 one
inline constexpr int kSafetyClassLine = 49;     // "1", "2" or "3" (一级, 二级, 三级), with line 48
inline constexpr int kLinesRead = 49;           // lines a reader of the design reads; the rest it ignores
inline constexpr int kProjectHeadingLine = 50;  // "计算书信息", then one line per value, value first
inline constexpr int kMostProjectLines = 32;    // lines read after line 49; later ones are ignored
inline constexpr std::size_t kValueWidth = 10;  // characters of a line that carry its value
inline constexpr int kSpacesBeforeTerm = 20;

// The values of lines 1..49 (index 0 is line 1), each the first ten characters of its line, trimmed of
// spaces, in UTF-8. linesRead counts the lines the file delivered; lines beyond it are empty.
// budgetSpent: reading stopped at the byte budget before line 49, not at the end of the file.
// A line of the project block, decoded whole (UTF-8); `whole` is false when it was longer than any project
// line can be and only its start was kept.
struct ProjectLine {
    std::string text;
    bool whole = true;
};

struct Values {
    std::array<std::string, kLinesRead> lines;
    std::vector<ProjectLine> projectLines;  // lines 50, 51, ... as far as the file delivers them
    int linesRead = 0;
    bool budgetSpent = false;
    // Every file has lines 1..47; a 2004 file ends there.
    bool complete() const { return linesRead >= kLineCount; }
};

// What the writer does with a character the file cannot carry: one without a GBK form, or a line break
// (it would shift every later line on reading).
enum class Unwritable {
    Refuse,   // write nothing, so that a save never puts anything but the input into a file
    Replace,  // write "?" in its place, so that the rest of the record still reaches the file
};

// The file's bytes for a record: 47 lines under the 2004 edition, byte for byte as files have always been,
// 49 under the 2018 edition; GBK, CR LF after every line. A record with project information (or the full
// report format) adds its block from line 50 on; under the 2004 edition lines 48 and 49 are then empty,
// which every reader takes for the 2004 edition. With Refuse, a value holding a
// character the file cannot carry fails the whole record (UnwritableText); the message names each such
// value by its term and its characters, a line break by name since it shows as nothing.
Expected<std::string> write(const DesignInput& input, Unwritable unwritable = Unwritable::Refuse);

// The lines of the project block of a record, without line ends (UTF-8): none when the record has no
// project information and the original report format; else the heading "计算书信息", the report format
// ("完整格式                    计算书格式") and the ten values in field order, each the value as typed,
// 20 spaces and the field's term. The value comes first as on every line of the file; the term at the end
// identifies the line, so a value keeps its spaces and may be as long as its limit.
std::vector<std::string> projectBlock(const DesignInput& input);

// The bytes of an input file with its project block replaced by that of `input`, every byte of lines 1..49
// kept as the file has it (line ends and values longer than ten characters included): the design is
// untouched whatever wrote it. A file shorter than 49 lines is padded with empty lines up to line 49 when
// a block follows (empty lines read as the 2004 edition, as the file already did). Fails as write does
// for a value the file cannot carry.
Expected<std::string> withProjectBlock(std::string_view fileBytes, const DesignInput& input);

// The project block read back: the information and format its recognised lines give, and the numbers of
// the lines it could not recognise (an unknown term, bytes that are not GBK, a value its field refuses).
struct ProjectBlock {
    ProjectInfo project;
    ReportFormat format = ReportFormat::Original;
    std::vector<int> ignoredLines;
};
ProjectBlock readProjectBlock(const std::vector<ProjectLine>& lines);

// A value the writer refuses: the term that names its line in the file ("净跨径(m)") and the characters
// the file cannot carry, each once, in the order they first appear (UTF-8).
struct UnwritableValue {
    std::string_view term;
    std::string characters;
};

// The values of `input` that the writer refuses, in line order; empty exactly when write succeeds.
std::vector<UnwritableValue> unwritableValues(const DesignInput& input);

// Reads at most 49 lines from a stream. A line ends at CR LF, at a bare LF or a bare CR, and at CR CR LF
// (a CR LF file whose line ends were converted once more). Only the start of each line is kept, and
// reading stops after 49 lines or a fixed byte budget, so a huge file is never loaded whole.
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

// Every value line of the file, in line order, lines 48 and 49 of the 2018 edition included (the
// settings of the 设置 menu, named by its submenus).
std::vector<ValueLine> valueLines();

// Applies the file: first the edition of line 48 (empty: 2004; "2018": 2018; anything else: 2004, with a
// message), then the safety class of line 49 (under 2018 "1".."3", anything else 二级 with a message;
// under 2004 always 二级, so that the state after reading depends on the file alone), then lines 2..47 in
// line order: slab type lines (only "1" selects; the exclusive buttons make the others follow; a line not
// starting with 1 changes nothing), exact list matches by position in the lists of the edition, check
// states from a number that rounds, halves to even, to 0 or 1 ("0.6" checks, "0.5" unchecks; any other
// value changes nothing), texts as they are.
// Last, the project block (setProject; empty and the original format when the file has none).
// Returns the messages about lines 48 and 49 that were not recognised, in line order, and one message
// naming every project line that was ignored: the open command shows them after the file has been
// applied; the start-up restore shows nothing.
std::vector<std::string> apply(const Values& values, InputTarget& target);

}  // namespace tavrel::tvrl
