// The identity of a calculation: project, structure, report number, names and issue date, stored with the
// design in its input file and printed on the cover page of the full report (and read by any other
// document that names the calculation).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavrel {

// Every value is the text as typed (UTF-8), spaces included; empty when not given.
struct ProjectInfo {
    std::string project;       // 项目名称
    std::string structure;     // 构造物名称及中心桩号, e.g. "K12+345 1-3.0 m 盖板涵"
    std::string stage;         // 设计阶段; empty prints kDefaultStage
    std::string reportNumber;  // 计算书编号
    std::string revision;      // 版本; empty prints kDefaultRevision
    std::string company;       // 设计单位
    std::string calculatedBy;  // 计算
    std::string checkedBy;     // 复核
    std::string approvedBy;    // 审核
    std::string issueDate;     // 出具日期, YYYY-MM-DD; empty: the date the report is written

    // True when no value is given: the input file then carries no project lines at all.
    bool empty() const;
    bool operator==(const ProjectInfo&) const = default;
};

inline constexpr std::string_view kDefaultStage = "施工图设计";
inline constexpr std::string_view kDefaultRevision = "A";

// The report the report command writes: the original layout, or the full one with cover page, summaries
// and conclusion.
enum class ReportFormat { Original, Full };

// One value of the project information: its key on the command line and in JSON, its term in the input
// file and on the cover page, and the most characters a cover page holds of it.
struct ProjectField {
    std::string ProjectInfo::*member;
    std::string_view key;   // "project"
    std::string_view term;  // "项目名称"
    std::size_t maxCharacters;
};

// The ten fields in the order the file, the dialog and the JSON list them.
std::span<const ProjectField> projectFields();

// The field of a command-line / JSON key; none for an unknown key.
const ProjectField* findProjectField(std::string_view key);

// What is wrong with a value typed for a field, as a message that names the field, the limit and the
// offending characters: a character GBK cannot hold (the file is GBK), a line break, more characters than
// the cover page holds, an issue date that is no calendar date in the form YYYY-MM-DD. None when the
// value can be stored.
std::optional<std::string> projectValueProblem(const ProjectField& field, std::string_view value);

// The first problem of any field of `info`, in field order.
std::optional<std::string> projectInfoProblem(const ProjectInfo& info);

// True for a calendar date written YYYY-MM-DD (years 1900..9999).
bool isIssueDate(std::string_view text);

// Characters of UTF-8 text (a stray continuation byte counts as one).
std::size_t characterCount(std::string_view utf8);

}  // namespace tavrel
