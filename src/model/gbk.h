// The one place that converts between GBK (code page 936) and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::gbk {

// Decodes GBK bytes to UTF-8. Bytes that are not valid GBK (including a lead byte cut off at the end)
// become U+FFFD, one per byte. At most maxChars characters are decoded (no limit when negative).
std::string decode(std::string_view bytes, int maxChars = -1);

// Encodes UTF-8 text to GBK; empty when a character has no GBK form or the text is not valid UTF-8.
std::optional<std::string> encode(std::string_view utf8);

// True for a byte that continues a UTF-8 character (10xxxxxx) rather than starting one.
constexpr bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace tavrel::gbk
