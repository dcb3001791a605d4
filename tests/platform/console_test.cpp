// The console stream's cut of a buffer: a character split by the end of the buffer waits for its last bytes.
#include "platform/console.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel::platform {
namespace {

struct CutCase {
    const char* name;
    std::string bytes;
    std::size_t whole;
};

// "计" is E8 AE A1, "😀" F0 9F 98 80.
const CutCase kCutCases[] = {
    {"empty", "", 0},
    {"ASCII", "calc\n", 5},
    {"whole Chinese character", "a\xE8\xAE\xA1", 4},
    {"Chinese character without its last byte", "a\xE8\xAE", 1},
    {"Chinese character with its lead byte only", "ab\xE8", 2},
    {"four-byte character without its last byte", "\xF0\x9F\x98", 0},
    {"whole four-byte character", "\xF0\x9F\x98\x80", 4},
    {"a stray continuation byte passes as it is", "a\x80", 2},
};

TEST(CompleteUtf8Length, EndsBeforeACharacterCutByTheEndOfTheBuffer) {
    for (const CutCase& c : kCutCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(completeUtf8Length(c.bytes), c.whole);
    }
}

}  // namespace
}  // namespace tavrel::platform
