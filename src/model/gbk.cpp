// Conversion between GBK (code page 936) and UTF-8: glibc iconv on Linux, the code-page API on Windows.
#include "model/gbk.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

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

// One GBK byte becomes at most three UTF-8 bytes, and one UTF-8 character at most two GBK bytes.
constexpr std::size_t kMaxGrowth = 3;

#ifdef _WIN32

constexpr UINT kGbkCodePage = 936;

bool toWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
    const int inLength = static_cast<int>(bytes.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, nullptr, 0);
    if (length <= 0) {
        return false;
    }
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, wide.data(), length) ==
           length;
}

bool fromWide(UINT codePage, DWORD flags, const std::wstring& wide, std::string& out) {
    const int inLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultPtr = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), inLength, nullptr, 0, nullptr, usedDefaultPtr);
    if (length <= 0 || usedDefault) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length));
    const int written = WideCharToMultiByte(codePage, flags, wide.data(), inLength, out.data() + start,
                                            length, nullptr, usedDefaultPtr);
    if (written != length || usedDefault) {
        out.resize(start);
        return false;
    }
    return true;
}

// Appends the UTF-8 form of GBK bytes to out; false (out unchanged) when any byte is not valid GBK.
bool appendFromGbk(std::string_view bytes, std::string& out) {
    std::wstring wide;
    return toWide(kGbkCodePage, bytes, wide) && fromWide(CP_UTF8, 0, wide, out);
}

// Appends the GBK form of UTF-8 text to out; false (out unchanged) when a character has no GBK form.
bool appendToGbk(std::string_view utf8, std::string& out) {
    std::wstring wide;
    return toWide(CP_UTF8, utf8, wide) && fromWide(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, out);
}

#else

// One iconv conversion, opened once per thread and kept: opening a converter costs far more than a line.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter() {
        if (usable()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Appends the converted bytes to out; false (out unchanged) on any invalid or incomplete input.
    bool append(std::string_view in, std::string& out) {
        if (!usable()) {
            return false;
        }
        const std::size_t start = out.size();
        out.resize(start + in.size() * kMaxGrowth);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = out.data() + start;
        std::size_t outLeft = out.size() - start;
        const std::size_t result = iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft);
        if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
            out.resize(start);
            return false;
        }
        out.resize(out.size() - outLeft);
        return true;
    }

  private:
    bool usable() const { return m_handle != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

    iconv_t m_handle;
};

bool appendFromGbk(std::string_view bytes, std::string& out) {
    thread_local Converter fromGbk("UTF-8", "CP936");
    return fromGbk.append(bytes, out);
}

bool appendToGbk(std::string_view utf8, std::string& out) {
    thread_local Converter toGbk("CP936", "UTF-8");
    return toGbk.append(utf8, out);
}

#endif

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
        if (appendFromGbk(bytes.substr(pos, length), out)) {
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
    } else if (!appendFromGbk(bytes, out)) {
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
    if (!appendToGbk(utf8, out)) {
        return std::nullopt;
    }
    return out;
}

}  // namespace tavrel::gbk
