// libFuzzer target: any bytes read as an input file and applied to a record must leave a sound record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "model/design_input.h"
#include "model/tvrl.h"

namespace {

using namespace tavrel;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

int utf8Characters(std::string_view text) {
    int count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// Every value is at most ten characters, without surrounding spaces and without a line break.
void checkValues(const tvrl::Values& values) {
    require(values.linesRead >= 0 && values.linesRead <= tvrl::kLinesRead);
    for (const std::string& value : values.lines) {
        require(utf8Characters(value) <= static_cast<int>(tvrl::kValueWidth));
        require(value.empty() || (value.front() != ' ' && value.back() != ' '));
        require(value.find_first_of("\r\n") == std::string::npos);
    }
}

// Lists only ever hold one of their entries, whatever the file says.
void checkLists(const DesignInput& input) {
    for (const ListField field : {ListField::CboSJHZ, ListField::CboHNTDJ, ListField::CboZJDJ,
                                  ListField::CboZJZJ, ListField::CboHJLB}) {
        bool found = false;
        for (const std::string_view entry : listEntries(field, input.edition)) {
            found = found || entry == input.list(field);
        }
        require(found);
    }
}

bool holdsReplacement(const DesignInput& input) {
    for (int field = 0; field < kTextFieldCount; ++field) {
        if (input.text(static_cast<TextField>(field)).find(kReplacement) != std::string::npos) {
            return true;
        }
    }
    return false;
}

DesignInput readAndApply(const std::string& bytes) {
    std::istringstream in(bytes);
    const tvrl::Values values = tvrl::read(in);
    checkValues(values);
    DesignInput input;
    DesignInputTarget target(input);
    tvrl::apply(values, target);  // the messages about lines 48 and 49 are the open command's to show
    return input;
}

}  // namespace

// A record restored from any file can be saved unless it holds undecodable bytes, exactly when no value
// is named unwritable, and saving and opening it again changes nothing. The last-input writer, which
// replaces what the file cannot carry, always writes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DesignInput input = readAndApply(std::string(reinterpret_cast<const char*>(data), size));
    checkLists(input);
    const auto bytes = tvrl::write(input);
    require(bytes.has_value() || holdsReplacement(input));
    require(bytes.has_value() == tvrl::unwritableValues(input).empty());
    require(tvrl::write(input, tvrl::Unwritable::Replace).has_value());
    if (bytes) {
        require(readAndApply(*bytes) == input);
    }
    return 0;
}
