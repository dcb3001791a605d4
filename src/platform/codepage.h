// The operating system's conversion between the GBK code page (936) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::platform {

// Appends the UTF-8 form of GBK bytes to out; false (out unchanged) when any byte is not valid GBK or a
// lead byte is cut off at the end.
bool appendGbkAsUtf8(std::string_view gbk, std::string& out);

// Appends the GBK form of UTF-8 text to out; false (out unchanged) when a character has no GBK form or the
// text is not valid UTF-8.
bool appendUtf8AsGbk(std::string_view utf8, std::string& out);

}  // namespace tavrel::platform
