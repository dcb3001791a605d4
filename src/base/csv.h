// Comma-separated text as the program writes it: UTF-8 with a byte-order mark (so that a spreadsheet reads
// the Chinese texts), CR LF line ends and RFC 4180 quoting.
#pragma once

#include <string>
#include <vector>

namespace tavrel::csv {

inline constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
inline constexpr const char* kLineEnd = "\r\n";

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
std::string field(const std::string& text);

// Appends one record: the fields joined by commas, then CR LF.
void appendRow(std::string& csv, const std::vector<std::string>& fields);

}  // namespace tavrel::csv
