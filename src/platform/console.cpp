// Standard output and standard error: std::cout and std::cerr on Linux; on Windows a stream buffer that
// writes UTF-16 to a console (WriteConsoleW) and the bytes themselves to a file or a pipe (WriteFile).
#include "platform/console.h"

#include <iostream>

#ifdef _WIN32
#include <string>

#include "platform/windows_api.h"
#endif

namespace tavrel::platform {

std::size_t completeUtf8Length(std::string_view utf8) {
    constexpr std::size_t kLongestSequence = 4;
    for (std::size_t back = 1; back <= kLongestSequence && back <= utf8.size(); ++back) {
        const auto byte = static_cast<unsigned char>(utf8[utf8.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: its lead byte lies further back
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? utf8.size() - back : utf8.size();
    }
    return utf8.size();
}

#ifdef _WIN32

namespace {

constexpr std::size_t kBufferedBytes = 4096;

class StandardStreamBuffer : public std::streambuf {
  public:
    explicit StandardStreamBuffer(DWORD which) : m_handle(GetStdHandle(which)) {
        DWORD mode = 0;
        m_console = GetConsoleMode(m_handle, &mode) != 0;
    }
    ~StandardStreamBuffer() override { writePending(); }

  protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            m_pending.push_back(traits_type::to_char_type(ch));
            writeWhenFull();
        }
        return traits_type::not_eof(ch);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        m_pending.append(text, static_cast<std::size_t>(count));
        writeWhenFull();
        return count;
    }

    int sync() override { return writePending() ? 0 : -1; }

  private:
    void writeWhenFull() {
        if (m_pending.size() >= kBufferedBytes) {
            writePending();
        }
    }

    bool writePending() {
        const std::size_t whole = m_console ? completeUtf8Length(m_pending) : m_pending.size();
        const bool written =
            m_console ? writeConsole(std::string_view(m_pending).substr(0, whole)) : writeBytes(m_pending);
        m_pending.erase(0, whole);
        return written;
    }

    bool writeBytes(std::string_view bytes) const {
        DWORD written = 0;
        return bytes.empty() ||
               (WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
                written == bytes.size());
    }

    bool writeConsole(std::string_view utf8) const {
        if (utf8.empty()) {
            return true;
        }
        const int size = static_cast<int>(utf8.size());
        std::wstring wide(
            static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
        DWORD written = 0;
        return WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }

    HANDLE m_handle;
    bool m_console = false;
    std::string m_pending;
};

}  // namespace

std::ostream& standardOutput() {
    static StandardStreamBuffer buffer(STD_OUTPUT_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

std::ostream& standardError() {
    static StandardStreamBuffer buffer(STD_ERROR_HANDLE);
    static std::ostream stream(&buffer);
    stream.setf(std::ios::unitbuf);
    return stream;
}

#else

std::ostream& standardOutput() {
    return std::cout;
}

std::ostream& standardError() {
    return std::cerr;
}

#endif

}  // namespace tavrel::platform
