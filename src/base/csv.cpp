// Comma-separated text as the program writes it.
#include "base/csv.h"

namespace tavrel::csv {

std::string field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char ch : text) {
        quoted += ch == '"' ? "\"\"" : std::string(1, ch);
    }
    return quoted + "\"";
}

void appendRow(std::string& csv, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        csv += (i == 0 ? "" : ",") + field(fields[i]);
    }
    csv += kLineEnd;
}

}  // namespace tavrel::csv
