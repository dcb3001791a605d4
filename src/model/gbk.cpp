// Conversion between GBK (code page 936) and UTF-8: fast paths, invalid bytes, character limits; the
// conversion itself is the platform's code-page service.
#include "model/gbk.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/codepage.h"

namespace tavrel::gbk {

namespace {

// GBK double-byte range: lead byte 0x81..0xFE, trail byte 0x40..0xFE without 0x7F.
constexpr unsigned char kLeadFirst = 0x81;
constexpr unsigned char kLeadLast = 0xFE;
constexpr unsigned char kTrailFirst = 0x40;
constexpr unsigned char kTrailLast = 0xFE;
constexpr unsigned char kTrailGap = 0x7F;
constexpr unsigned char kAsciiEnd = 0x80;

// U+FFFD REPLACEMENT CHARACTER in UTF-8.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// One GBK byte becomes at most three UTF-8 bytes.
constexpr std::size_t kMaxGrowth = 3;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < kAsciiEnd; });
}

bool isLeadByte(unsigned char byte) {
    return byte >= kLeadFirst && byte <= kLeadLast;
}

bool isTrailByte(unsigned char byte) {
    return byte >= kTrailFirst && byte <= kTrailLast && byte != kTrailGap;
}

// Bytes of the GBK character starting at pos: two for a lead byte followed by a trail byte, else one.
std::size_t unitLength(std::string_view bytes, std::size_t pos) {
    const bool pair = isLeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() &&
                      isTrailByte(static_cast<unsigned char>(bytes[pos + 1]));
    return pair ? 2 : 1;
}

// Cuts UTF-8 text after its first maxChars characters (no limit when negative).
void keepFirstChars(std::string& utf8, int maxChars) {
    if (maxChars < 0) {
        return;
    }
    int chars = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        if (!isUtf8Continuation(utf8[pos]) && chars++ == maxChars) {
            utf8.resize(pos);
            return;
        }
    }
}

// Character by character, so that each invalid byte becomes one U+FFFD and decoding resumes after it.
std::string decodeEachCharacter(std::string_view bytes, int maxChars) {
    std::string out;
    out.reserve(bytes.size() * kMaxGrowth);
    std::size_t pos = 0;
    for (int chars = 0; pos < bytes.size() && (maxChars < 0 || chars < maxChars); ++chars) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < kAsciiEnd) {
            out.push_back(static_cast<char>(byte));
            ++pos;
            continue;
        }
        const std::size_t length = unitLength(bytes, pos);
        if (platform::appendGbkAsUtf8(bytes.substr(pos, length), out)) {
            pos += length;
        } else {
            out.append(kReplacement);
            ++pos;
        }
    }
    return out;
}

}  // namespace

std::string decode(std::string_view bytes, int maxChars) {
    std::string out;
    if (isAscii(bytes)) {
        out.assign(bytes);
    } else if (!platform::appendGbkAsUtf8(bytes, out)) {
        return decodeEachCharacter(bytes, maxChars);
    }
    keepFirstChars(out, maxChars);
    return out;
}

std::optional<std::string> encode(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    std::string out;
    if (!platform::appendUtf8AsGbk(utf8, out)) {
        return std::nullopt;
    }
    return out;
}

}  // namespace tavrel::gbk
