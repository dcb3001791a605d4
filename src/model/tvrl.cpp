// Writing, reading and applying the input file: lines 1..47, lines 48 and 49 of the 2018 edition and the
// project block from line 50 on.
#include "model/tvrl.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/numbers.h"
#include "model/gbk.h"

namespace tavrel::tvrl {

namespace {

enum class LineKind { Heading, Empty, SlabType, List, Check, Text, Edition, SafetyClass };

// One line of the file: what it holds and its fixed text (the whole heading, or the term after a value).
struct FileLine {
    LineKind kind;
    int field;  // the SlabType, ListField, CheckField or TextField of a value line
    std::string_view text;
};

constexpr FileLine heading(std::string_view text) {
    return {LineKind::Heading, 0, text};
}
constexpr FileLine emptyLine() {
    return {LineKind::Empty, 0, {}};
}
constexpr FileLine slabLine(SlabType type, std::string_view term) {
    return {LineKind::SlabType, static_cast<int>(type), term};
}
constexpr FileLine listLine(ListField field, std::string_view term) {
    return {LineKind::List, static_cast<int>(field), term};
}
constexpr FileLine checkLine(CheckField field, std::string_view term) {
    return {LineKind::Check, static_cast<int>(field), term};
}
constexpr FileLine textLine(TextField field, std::string_view term) {
    return {LineKind::Text, static_cast<int>(field), term};
}

// Lines 1..47. The reader goes by position alone; headings and empty lines are never looked at. The grade
// (line 8) comes before the strengths (lines 9..12) and the slab type before chkTRZ (line 18), so that
// the side effects of applying the earlier lines are overridden by the file's own later values.
constexpr std::array<FileLine, kLineCount> kLines = {
    heading("判断盖板类型"),
    slabLine(SlabType::Buried, "判断是否为暗涵盖板"),
    slabLine(SlabType::Open, "判断是否为明涵盖板"),
    slabLine(SlabType::Custom, "判断是否为自定义荷载盖板"),
    emptyLine(),
    heading("计算公共参数"),
    listLine(ListField::CboSJHZ, "汽车荷载等级"),
    listLine(ListField::CboHNTDJ, "混凝土强度等级"),
    checkLine(CheckField::chkHNTKY, "判断混凝土抗压强度是否可编辑"),
    textLine(TextField::txtHNTKY, "混凝土抗压强度(Mpa)"),
    checkLine(CheckField::chkHNTKL, "判断混凝土抗拉强度是否可编辑"),
    textLine(TextField::txtHNTKL, "混凝土抗拉强度(Mpa)"),
    listLine(ListField::CboZJDJ, "主筋等级"),
    listLine(ListField::CboZJZJ, "主筋直径"),
    textLine(TextField::txtZJGS, "主筋根数"),
    checkLine(CheckField::chkGBRZ, "判断盖板容重是否可编辑"),
    textLine(TextField::txtGBRZ, "盖板容重(KN/m^3)"),
    checkLine(CheckField::chkTRZ, "判断土容重是否可编辑"),
    textLine(TextField::txtTRZ, "土容重(KN/m^3)"),
    listLine(ListField::CboHJLB, "环境类别"),
    emptyLine(),
    heading("暗涵盖板参数"),
    textLine(TextField::txtTTG, "填土高(m)"),
    emptyLine(),
    heading("明涵盖板参数"),
    textLine(TextField::txtPZH, "涵顶铺装厚(cm)"),
    textLine(TextField::txtBCH, "涵顶表处厚(cm)"),
    checkLine(CheckField::chkPZRZ, "判断涵顶铺装容重是否可编辑"),
    textLine(TextField::txtPZRZ, "涵顶铺装容重(KN/m^3)"),
    checkLine(CheckField::chkBCRZ, "判断涵顶表处容重是否可编辑"),
    textLine(TextField::txtBCRZ, "涵顶表处容重(KN/m^3)"),
    emptyLine(),
    heading("自定义荷载盖板参数"),
    textLine(TextField::txtJBHZ, "均布荷载(KN/m)"),
    textLine(TextField::txtJBHZKD, "均布荷载宽度(m)"),
    textLine(TextField::txtJZL, "集中力(KN)"),
    emptyLine(),
    heading("盖板尺寸"),
    textLine(TextField::txtBDH, "板端厚(cm)"),
    textLine(TextField::txtBZH, "板中厚(cm)"),
    checkLine(CheckField::chkGBK, "判断盖板宽是否可编辑"),
    textLine(TextField::txtGBK, "盖板宽(m)"),
    textLine(TextField::txtJKJ, "净跨径(m)"),
    textLine(TextField::txtGZCD, "单侧搁置长度(m)"),
    checkLine(CheckField::chkJSKJ, "判断计算跨径是否可编辑"),
    textLine(TextField::txtJSKJ, "计算跨径(m)"),
    textLine(TextField::txtBHC, "保护层厚度(cm)"),
};

// Lines 48 and 49, written under the 2018 edition only, so that a 2004 file stays the 47 lines it has
// always been and older versions of the program, which read 47 lines, still open a 2018 file.
constexpr std::array<FileLine, kLinesRead - kLineCount> kEditionLines = {
    FileLine{LineKind::Edition, 0, "设计规范"},
    FileLine{LineKind::SafetyClass, 0, "结构安全等级"},
};

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::string_view kProjectHeading = "计算书信息";
constexpr std::string_view kFormatTerm = "计算书格式";
constexpr std::string_view kOriginalFormatText = "原格式";
constexpr std::string_view kFullFormatText = "完整格式";

// The longest project line: 50 characters of two bytes, the 20 spaces and a term of ten characters,
// with room to spare. A longer line is no project line, and only its start is kept.
constexpr std::size_t kProjectLineBytes = 400;

// A GBK character takes at most two bytes, and an invalid byte decodes to one character, so the first
// 20 bytes of a line always hold its first ten characters.
constexpr std::size_t kKeptBytesPerLine = 2 * kValueWidth;

// A real record is about 2 KB; beyond 1 MiB the file is not read further, and the lines it has not
// delivered by then count as missing.
constexpr std::size_t kReadBudgetBytes = std::size_t{1} << 20;

// Size of the default record's file, to reserve the writer's buffer at once.
constexpr std::size_t kTypicalFileBytes = 2048;

// The control a value line holds the state of.
std::string_view controlOf(const FileLine& line) {
    switch (line.kind) {
        case LineKind::SlabType:
            return controlName(static_cast<SlabType>(line.field));
        case LineKind::List:
            return controlName(static_cast<ListField>(line.field));
        case LineKind::Check:
            return controlName(static_cast<CheckField>(line.field));
        case LineKind::Text:
            return controlName(static_cast<TextField>(line.field));
        case LineKind::Edition:
            return "mnuCode";
        case LineKind::SafetyClass:
            return "mnuSafety";
        case LineKind::Heading:
        case LineKind::Empty:
            break;
    }
    return {};
}

// The value a value line writes: "1"/"0" for a slab type or check box, else the field's text.
std::string_view valueText(const FileLine& line, const DesignInput& input) {
    switch (line.kind) {
        case LineKind::SlabType:
            return input.slabType == static_cast<SlabType>(line.field) ? "1" : "0";
        case LineKind::List:
            return input.list(static_cast<ListField>(line.field));
        case LineKind::Check:
            return input.check(static_cast<CheckField>(line.field)) ? "1" : "0";
        case LineKind::Text:
            return input.text(static_cast<TextField>(line.field));
        case LineKind::Edition:
            return editionYearText(input.edition);
        case LineKind::SafetyClass:
            return safetyClassNumberText(input.safetyClass);
        case LineKind::Heading:
        case LineKind::Empty:
            break;
    }
    return {};
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// What the writer puts in place of a character the file cannot carry.
constexpr std::string_view kUnwritableMark = "?";

// Calls `visit` with each UTF-8 character of `text`: a lead byte with the continuation bytes after it
// (a stray continuation byte counts as a character of its own, one the file cannot carry).
template <typename Visit>
void forEachCharacter(std::string_view text, Visit visit) {
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start + 1;
        while (end < text.size() && gbk::isUtf8Continuation(text[end])) {
            ++end;
        }
        visit(text.substr(start, end - start));
        start = end;
    }
}

bool isWritable(std::string_view character) {
    return !holdsLineBreak(character) && gbk::encode(character).has_value();
}

// The value with every character the file cannot carry replaced by "?".
std::string writableValue(std::string_view value) {
    std::string writable;
    forEachCharacter(value, [&writable](std::string_view character) {
        writable.append(isWritable(character) ? character : kUnwritableMark);
    });
    return writable;
}

// The characters of the value that the file cannot carry, each once, in order of first appearance.
std::string unwritableCharacters(std::string_view value) {
    std::string found;
    forEachCharacter(value, [&found](std::string_view character) {
        if (!isWritable(character) && found.find(character) == std::string::npos) {
            found.append(character);
        }
    });
    return found;
}

// Appends a value in UTF-8; false when it holds a line break that Refuse keeps out of the file. A
// character without a GBK form is left for the encoding of the whole file to refuse.
bool appendValue(std::string_view value, Unwritable unwritable, std::string& utf8) {
    if (unwritable == Unwritable::Replace) {
        utf8.append(writableValue(value));
        return true;
    }
    if (holdsLineBreak(value)) {
        return false;
    }
    utf8.append(value);
    return true;
}

// Appends one line, without its line end, in UTF-8; false when a value is refused.
bool appendLine(const FileLine& line, const DesignInput& input, Unwritable unwritable, std::string& utf8) {
    if (line.kind == LineKind::Heading || line.kind == LineKind::Empty) {
        utf8.append(line.text);
        return true;
    }
    if (!appendValue(valueText(line, input), unwritable, utf8)) {
        return false;
    }
    utf8.append(kSpacesBeforeTerm, ' ');
    utf8.append(line.text);
    return true;
}

// Reads lines one by one and keeps the first bytes of each; the rest of a line is skipped. A byte budget
// bounds the whole reading.
class LineReader {
  public:
    explicit LineReader(std::streambuf& in) : m_in(in) {}

    // The start of the next line, at most `keptBytes` of it. Empty when the stream ends before the line
    // starts or the budget ends inside it; a last line without a line end is delivered.
    std::optional<std::string> next(std::size_t keptBytes = kKeptBytesPerLine);

    // True when reading stopped because the budget ran out before the end of the stream.
    bool budgetSpent() const { return m_budgetSpent; }

  private:
    using Traits = std::streambuf::traits_type;

    bool atEnd() { return Traits::eq_int_type(m_in.sgetc(), Traits::eof()); }
    bool take(char expected);
    void finishCarriageReturn();

    std::streambuf& m_in;
    std::size_t m_budget = kReadBudgetBytes;
    bool m_emptyLineEnded = false;  // a bare CR followed the line end: the next line is empty and ended
    bool m_budgetSpent = false;
};

std::optional<std::string> LineReader::next(std::size_t keptBytes) {
    if (m_emptyLineEnded) {
        m_emptyLineEnded = false;
        return std::string();
    }
    std::string kept;
    bool started = false;
    while (m_budget > 0) {
        const Traits::int_type c = m_in.sbumpc();
        if (Traits::eq_int_type(c, Traits::eof())) {
            return started ? std::optional<std::string>(kept) : std::nullopt;
        }
        --m_budget;
        started = true;
        if (c == '\n') {
            return kept;
        }
        if (c == '\r') {
            finishCarriageReturn();
            return kept;
        }
        if (kept.size() < keptBytes) {
            kept.push_back(Traits::to_char_type(c));
        }
    }
    if (atEnd()) {
        return started ? std::optional<std::string>(kept) : std::nullopt;
    }
    m_budgetSpent = true;
    return std::nullopt;
}

// Consumes the next byte when it is `expected` and the budget allows.
bool LineReader::take(char expected) {
    if (m_budget == 0 || !Traits::eq_int_type(m_in.sgetc(), Traits::to_int_type(expected))) {
        return false;
    }
    m_in.sbumpc();
    --m_budget;
    return true;
}

// After a CR: an LF completes CR LF; a second CR completes CR CR LF when an LF follows it, and is
// otherwise a bare CR that ends an empty line of its own.
void LineReader::finishCarriageReturn() {
    if (take('\n') || !take('\r')) {
        return;
    }
    m_emptyLineEnded = !take('\n');
}

std::string_view trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The value of a line: its first ten decoded characters without leading and trailing spaces.
std::string lineValue(std::string_view lineStart) {
    return std::string(trimSpaces(gbk::decode(lineStart, static_cast<int>(kValueWidth))));
}

// A check state from a number: the value is parsed strictly and rounded to a whole number, halves to even
// ("0.6" gives 1, "0.5" gives 0); 0 unchecks and 1 checks. Anything else (empty, "1.5", "2", letters)
// is no check state and leaves the box as it is.
std::optional<bool> checkState(const std::string& value) {
    const auto number = parseStrict(value);
    if (!number) {
        return std::nullopt;
    }
    const auto whole = toInt16HalfEven(*number);
    if (whole == 0 || whole == 1) {
        return whole == 1;
    }
    return std::nullopt;
}

// Only a value starting with "1" selects a slab type; the exclusive option buttons then deselect the
// others. "0", another digit, a non-digit or an empty line changes nothing, so the record always keeps
// exactly one type: a file in which no line says 1 keeps the current type, and when several say 1 the
// last one wins.
void applySlabType(SlabType type, const std::string& value, InputTarget& target) {
    if (!value.empty() && value.front() == '1') {
        target.selectSlabType(type);
    }
}

// Exact, case-sensitive comparison with the list's entries under the file's edition, in order; a match
// selects the entry by its position (which runs the list's selection handling), no match keeps the current
// selection.
void applyListEntry(ListField field, const std::string& value, Edition edition, InputTarget& target) {
    const auto entries = listEntries(field, edition);
    const auto match = std::find(entries.begin(), entries.end(), value);
    if (match != entries.end()) {
        target.selectListEntry(field, static_cast<int>(match - entries.begin()));
    }
}

void applyCheckState(CheckField field, const std::string& value, InputTarget& target) {
    if (const auto checked = checkState(value)) {
        target.setCheckState(field, *checked);
    }
}

void applyLine(const FileLine& line, const std::string& value, Edition edition, InputTarget& target) {
    switch (line.kind) {
        case LineKind::SlabType:
            applySlabType(static_cast<SlabType>(line.field), value, target);
            break;
        case LineKind::List:
            applyListEntry(static_cast<ListField>(line.field), value, edition, target);
            break;
        case LineKind::Check:
            applyCheckState(static_cast<CheckField>(line.field), value, target);
            break;
        case LineKind::Text:
            target.setText(static_cast<TextField>(line.field), value);
            break;
        case LineKind::Edition:
        case LineKind::SafetyClass:
        case LineKind::Heading:
        case LineKind::Empty:
            break;
    }
}

// Line 48: no value is the 2004 edition (every file written before there was a choice); "2018" is the
// 2018 edition; anything else (a later edition's mark, a damaged line) is read as 2004 and said so.
Edition applyEdition(const std::string& value, InputTarget& target, std::vector<std::string>& messages) {
    Edition edition = Edition::Jtg2004;
    if (value == editionYearText(Edition::Jtg2018)) {
        edition = Edition::Jtg2018;
    } else if (!value.empty()) {
        const CodePair codes = codePair(Edition::Jtg2004);
        messages.push_back("文件中的设计规范标记“" + value + "”不能识别，已按" +
                           std::string(codes.loadsCode) + "、" + std::string(codes.membersCode) + "读入。");
    }
    target.selectEdition(edition);
    return edition;
}

// Line 49, read under the 2018 edition only: "1", "2", "3"; anything else, an empty line too, is the
// default class and said so. A 2004 file sets the default class, so the state after reading a file
// depends on the file alone.
void applySafetyClass(Edition edition, const std::string& value, InputTarget& target,
                      std::vector<std::string>& messages) {
    SafetyClass safetyClass = kDefaultSafetyClass;
    if (edition == Edition::Jtg2018) {
        if (const auto named = safetyClassOfNumber(value)) {
            safetyClass = *named;
        } else {
            messages.push_back("文件中的结构安全等级标记“" + value + "”不能识别，已按" +
                               std::string(safetyClassName(kDefaultSafetyClass)) + "读入。");
        }
    }
    target.selectSafetyClass(safetyClass);
}

// The path as the file system names it; the program's texts, paths included, are UTF-8.
std::filesystem::path fromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// Why a file did not open, from the error number the attempt left: the two everyday cases in words, the
// rest in the system's own text.
std::string openFailureReason(int number) {
    if (number == ENOENT) {
        return "文件不存在";
    }
    if (number == 0) {
        return "原因不明";
    }
    return std::generic_category().message(number);
}

Unexpected<Error> cannotOpen(const std::string& path, const std::string& reason) {
    return failure(ErrorCode::CannotOpen, "无法打开文件：" + path + "（" + reason + "）");
}

// The characters of a refused value as the message shows them: quoted, a line break by name.
std::string shownCharacters(const std::string& characters) {
    std::string quoted;
    bool lineBreak = false;
    for (const char byte : characters) {
        if (byte == '\r' || byte == '\n') {
            lineBreak = true;
        } else {
            quoted += byte;
        }
    }
    std::string shown = quoted.empty() ? "" : "“" + quoted + "”";
    if (lineBreak) {
        shown += shown.empty() ? "换行符" : "、换行符";
    }
    return shown;
}

std::string_view formatText(ReportFormat format) {
    return format == ReportFormat::Full ? kFullFormatText : kOriginalFormatText;
}

std::string valueLine(std::string_view value, std::string_view term) {
    return std::string(value) + std::string(kSpacesBeforeTerm, ' ') + std::string(term);
}

bool hasProjectBlock(const DesignInput& input) {
    return !input.project.empty() || input.reportFormat != ReportFormat::Original;
}

// The value of a project line whose term is `term`: the text before the 20 spaces and the term.
std::optional<std::string> projectValue(std::string_view line, std::string_view term) {
    const std::string suffix = valueLine("", term);
    if (!line.ends_with(suffix)) {
        return std::nullopt;
    }
    return std::string(line.substr(0, line.size() - suffix.size()));
}

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD, a byte that is not GBK

// Reads one line of the block into `block`; false when the line is not recognised.
bool readProjectLine(const ProjectLine& line, ProjectBlock& block) {
    if (!line.whole || line.text.find(kReplacementCharacter) != std::string::npos) {
        return false;
    }
    if (line.text.empty() || line.text == kProjectHeading) {
        return true;
    }
    if (const auto format = projectValue(line.text, kFormatTerm)) {
        if (*format != kOriginalFormatText && *format != kFullFormatText) {
            return false;
        }
        block.format = *format == kFullFormatText ? ReportFormat::Full : ReportFormat::Original;
        return true;
    }
    for (const ProjectField& field : projectFields()) {
        const auto value = projectValue(line.text, field.term);
        if (value) {
            if (projectValueProblem(field, *value)) {
                return false;
            }
            block.project.*field.member = *value;
            return true;
        }
    }
    return false;
}

// "文件第52、60行的计算书信息不能识别，已忽略。": one message for every line that was ignored.
std::string ignoredProjectLinesMessage(const std::vector<int>& lines) {
    std::string numbers;
    for (const int line : lines) {
        numbers += (numbers.empty() ? "" : "、") + std::to_string(line);
    }
    return "文件第" + numbers + "行的计算书信息不能识别，已忽略；设计数据已读入。";
}

// Each value the file cannot carry, by its term in the file, with the characters to correct.
std::string unwritableMessage(const DesignInput& input) {
    std::string message = "以下输入含有不能以GBK编码保存的字符，请修改后再保存：";
    for (const UnwritableValue& value : unwritableValues(input)) {
        message += "\n" + std::string(value.term) + "：" + shownCharacters(value.characters);
    }
    return message;
}

}  // namespace

Expected<std::string> write(const DesignInput& input, Unwritable unwritable) {
    std::string utf8;
    utf8.reserve(kTypicalFileBytes);
    for (const FileLine& line : kLines) {
        if (!appendLine(line, input, unwritable, utf8)) {
            return failure(ErrorCode::UnwritableText, unwritableMessage(input));
        }
        utf8.append(kLineEnd);
    }
    const std::vector<std::string> block = projectBlock(input);
    if (input.edition == Edition::Jtg2018) {
        for (const FileLine& line : kEditionLines) {
            appendLine(line, input, unwritable, utf8);  // a year and a digit: always writable
            utf8.append(kLineEnd);
        }
    } else if (!block.empty()) {
        utf8.append(kLineEnd).append(kLineEnd);  // empty lines 48 and 49: the 2004 edition to every reader
    }
    for (const std::string& line : block) {
        if (!appendValue(line, unwritable, utf8)) {
            return failure(ErrorCode::UnwritableText, unwritableMessage(input));
        }
        utf8.append(kLineEnd);
    }
    std::optional<std::string> bytes = gbk::encode(utf8);
    if (!bytes) {
        return failure(ErrorCode::UnwritableText, unwritableMessage(input));
    }
    return std::move(*bytes);
}

std::vector<UnwritableValue> unwritableValues(const DesignInput& input) {
    std::vector<UnwritableValue> found;
    for (const FileLine& line : kLines) {
        std::string characters = unwritableCharacters(valueText(line, input));
        if (!characters.empty()) {
            found.push_back({line.text, std::move(characters)});
        }
    }
    for (const ProjectField& field : projectFields()) {
        std::string characters = unwritableCharacters(input.project.*field.member);
        if (!characters.empty()) {
            found.push_back({field.term, std::move(characters)});
        }
    }
    return found;
}

Values read(std::istream& in) {
    Values values;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) {
        return values;
    }
    LineReader reader(*buffer);
    while (values.linesRead < kLinesRead) {
        const auto lineStart = reader.next();
        if (!lineStart) {
            break;
        }
        values.lines[static_cast<std::size_t>(values.linesRead++)] = lineValue(*lineStart);
    }
    values.budgetSpent = reader.budgetSpent();  // of the design's lines; the project block cannot spend it
    while (values.linesRead == kLinesRead &&
           values.projectLines.size() < static_cast<std::size_t>(kMostProjectLines)) {
        const auto line = reader.next(kProjectLineBytes + 1);
        if (!line) {
            break;
        }
        values.projectLines.push_back({gbk::decode(*line), line->size() <= kProjectLineBytes});
    }
    return values;
}

Expected<Values> readFile(const std::string& path) {
    const std::filesystem::path filePath = fromUtf8(path);
    std::error_code error;
    if (std::filesystem::is_directory(filePath, error)) {
        return cannotOpen(path, "这是一个文件夹");
    }
    errno = 0;
    std::ifstream in(filePath, std::ios::binary);
    if (!in.is_open()) {
        return cannotOpen(path, openFailureReason(errno));
    }
    return read(in);
}

Expected<Values> readCompleteFile(const std::string& path) {
    Expected<Values> values = readFile(path);
    if (!values || values->complete()) {
        return values;
    }
    if (values->budgetSpent) {
        return failure(ErrorCode::FileTooLarge, "文件过大，不是盖板计算文件，未能读入：" + path);
    }
    return failure(ErrorCode::FileTooShort, "文件不完整（不足47行），未能读入：" + path);
}

std::vector<std::string> apply(const Values& values, InputTarget& target) {
    std::vector<std::string> messages;
    const Edition edition = applyEdition(values.lines[kEditionLine - 1], target, messages);
    applySafetyClass(edition, values.lines[kSafetyClassLine - 1], target, messages);
    for (std::size_t line = 1; line < kLines.size(); ++line) {
        applyLine(kLines[line], values.lines[line], edition, target);
    }
    const ProjectBlock block = readProjectBlock(values.projectLines);
    target.setProject(block.project, block.format);
    if (!block.ignoredLines.empty()) {
        messages.push_back(ignoredProjectLinesMessage(block.ignoredLines));
    }
    return messages;
}

std::vector<std::string> projectBlock(const DesignInput& input) {
    if (!hasProjectBlock(input)) {
        return {};
    }
    std::vector<std::string> lines = {std::string(kProjectHeading),
                                      valueLine(formatText(input.reportFormat), kFormatTerm)};
    for (const ProjectField& field : projectFields()) {
        lines.push_back(valueLine(input.project.*field.member, field.term));
    }
    return lines;
}

Expected<std::string> withProjectBlock(std::string_view fileBytes, const DesignInput& input) {
    std::string utf8;
    for (const std::string& line : projectBlock(input)) {
        if (!appendValue(line, Unwritable::Refuse, utf8)) {
            return failure(ErrorCode::UnwritableText, unwritableMessage(input));
        }
        utf8.append(kLineEnd);
    }
    const std::optional<std::string> block = gbk::encode(utf8);
    if (!block) {
        return failure(ErrorCode::UnwritableText, unwritableMessage(input));
    }
    std::istringstream in{std::string(fileBytes)};
    LineReader reader(*in.rdbuf());
    int lines = 0;
    while (lines < kLinesRead && reader.next()) {
        ++lines;
    }
    const auto designEnd = static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
    std::string bytes(fileBytes.substr(0, designEnd));
    if (!block->empty()) {
        if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
            bytes.append(kLineEnd);  // a last line without its line end
        }
        for (; lines < kLinesRead; ++lines) {
            bytes.append(kLineEnd);
        }
    }
    return bytes + *block;
}

ProjectBlock readProjectBlock(const std::vector<ProjectLine>& lines) {
    ProjectBlock block;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (!readProjectLine(lines[index], block)) {
            block.ignoredLines.push_back(kProjectHeadingLine + static_cast<int>(index));
        }
    }
    return block;
}

std::vector<ValueLine> valueLines() {
    std::vector<ValueLine> lines;
    for (std::size_t index = 0; index < kLines.size(); ++index) {
        const FileLine& line = kLines[index];
        if (line.kind != LineKind::Heading && line.kind != LineKind::Empty) {
            lines.push_back({static_cast<int>(index) + 1, controlOf(line), line.text});
        }
    }
    for (std::size_t index = 0; index < kEditionLines.size(); ++index) {
        lines.push_back({kLineCount + 1 + static_cast<int>(index), controlOf(kEditionLines[index]),
                         kEditionLines[index].text});
    }
    return lines;
}

}  // namespace tavrel::tvrl
