// Code-page conversion between GBK (code page 936) and UTF-8: glibc iconv on Linux, the code-page API on
// Windows.
#include "platform/codepage.h"

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include "platform/windows_api.h"
#else
#include <iconv.h>
#endif

namespace tavrel::platform {

#ifdef _WIN32

namespace {

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

}  // namespace

bool appendGbkAsUtf8(std::string_view bytes, std::string& out) {
    std::wstring wide;
    return toWide(kGbkCodePage, bytes, wide) && fromWide(CP_UTF8, 0, wide, out);
}

bool appendUtf8AsGbk(std::string_view utf8, std::string& out) {
    std::wstring wide;
    return toWide(CP_UTF8, utf8, wide) && fromWide(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, out);
}

#else

namespace {

// One GBK byte becomes at most three UTF-8 bytes, and one UTF-8 character at most two GBK bytes.
constexpr std::size_t kMaxGrowth = 3;

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

}  // namespace

bool appendGbkAsUtf8(std::string_view bytes, std::string& out) {
    thread_local Converter fromGbk("UTF-8", "CP936");
    return fromGbk.append(bytes, out);
}

bool appendUtf8AsGbk(std::string_view utf8, std::string& out) {
    thread_local Converter toGbk("CP936", "UTF-8");
    return toGbk.append(utf8, out);
}

#endif

}  // namespace tavrel::platform
