// The project information of a calculation: its fields, their limits and the checks of a typed value.
#include "model/project_info.h"

#include <algorithm>
#include <array>

#include "model/gbk.h"

namespace tavrel {

namespace {

// The most characters of each value: what one or two lines of the cover page's tables hold at 12 pt
// beside the field's name (a name fits one line of the signature table).
constexpr std::size_t kLongTextCharacters = 50;  // 项目名称
constexpr std::size_t kNameCharacters = 40;      // 构造物名称及中心桩号, 设计单位
constexpr std::size_t kNumberCharacters = 30;    // 计算书编号
constexpr std::size_t kShortCharacters = 12;     // 设计阶段, the three person names
constexpr std::size_t kRevisionCharacters = 8;   // 版本
constexpr std::size_t kDateCharacters = 10;      // YYYY-MM-DD

constexpr std::array<ProjectField, 10> kFields = {{
    {&ProjectInfo::project, "project", "项目名称", kLongTextCharacters},
    {&ProjectInfo::structure, "structure", "构造物名称及中心桩号", kNameCharacters},
    {&ProjectInfo::stage, "stage", "设计阶段", kShortCharacters},
    {&ProjectInfo::reportNumber, "reportNumber", "计算书编号", kNumberCharacters},
    {&ProjectInfo::revision, "revision", "版本", kRevisionCharacters},
    {&ProjectInfo::company, "company", "设计单位", kNameCharacters},
    {&ProjectInfo::calculatedBy, "calculatedBy", "计算人", kShortCharacters},
    {&ProjectInfo::checkedBy, "checkedBy", "复核人", kShortCharacters},
    {&ProjectInfo::approvedBy, "approvedBy", "审核人", kShortCharacters},
    {&ProjectInfo::issueDate, "issueDate", "出具日期", kDateCharacters},
}};

// The characters of `value` that the GBK file cannot hold, each once, in order of first appearance.
std::string charactersWithoutGbkForm(std::string_view value) {
    std::string found;
    for (std::size_t start = 0; start < value.size();) {
        std::size_t end = start + 1;
        while (end < value.size() && gbk::isUtf8Continuation(value[end])) {
            ++end;
        }
        const std::string_view character = value.substr(start, end - start);
        if (!gbk::encode(character) && found.find(character) == std::string::npos) {
            found.append(character);
        }
        start = end;
    }
    return found;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// The number of the digits text[first, first + count); -1 when one is not a digit.
int digitsAt(std::string_view text, std::size_t first, std::size_t count) {
    int number = 0;
    for (std::size_t index = first; index < first + count; ++index) {
        if (text[index] < '0' || text[index] > '9') {
            return -1;
        }
        number = number * 10 + (text[index] - '0');
    }
    return number;
}

constexpr int kFirstYear = 1900;

}  // namespace

bool ProjectInfo::empty() const {
    return std::all_of(kFields.begin(), kFields.end(),
                       [this](const ProjectField& field) { return (this->*field.member).empty(); });
}

std::span<const ProjectField> projectFields() {
    return kFields;
}

const ProjectField* findProjectField(std::string_view key) {
    const auto found = std::find_if(kFields.begin(), kFields.end(),
                                    [key](const ProjectField& field) { return field.key == key; });
    return found == kFields.end() ? nullptr : &*found;
}

std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char byte) { return !gbk::isUtf8Continuation(byte); }));
}

bool isIssueDate(std::string_view text) {
    if (text.size() != kDateCharacters || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    return year >= kFirstYear && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

std::optional<std::string> projectValueProblem(const ProjectField& field, std::string_view value) {
    const std::string name(field.term);
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        return name + "不能含有换行符，请写在一行内。";
    }
    if (const std::string characters = charactersWithoutGbkForm(value); !characters.empty()) {
        return name + "含有不能以GBK编码保存的字符“" + characters + "”，请修改。";
    }
    const std::size_t count = characterCount(value);
    if (count > field.maxCharacters) {
        return name + "最多" + std::to_string(field.maxCharacters) + "个字符（封面能容纳的长度），现有" +
               std::to_string(count) + "个。";
    }
    if (field.member == &ProjectInfo::issueDate && !value.empty() && !isIssueDate(value)) {
        return name + "应为YYYY-MM-DD形式的日期（如2024-05-06），或留空表示出具计算书当天的日期。";
    }
    return std::nullopt;
}

std::optional<std::string> projectInfoProblem(const ProjectInfo& info) {
    for (const ProjectField& field : kFields) {
        if (auto problem = projectValueProblem(field, info.*field.member)) {
            return problem;
        }
    }
    return std::nullopt;
}

}  // namespace tavrel
