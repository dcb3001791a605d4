// A fresh folder under the system's temporary folder, removed with everything in it at the end of a test,
// and whole-file reads and writes; every path is UTF-8 text, converted by the platform as the program does.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "platform/files.h"

namespace tavrel::test {

class TemporaryFolder {
  public:
    TemporaryFolder() {
        constexpr int kMostAttempts = 100;
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < kMostAttempts && m_path.empty(); ++attempt) {
            const std::filesystem::path candidate = base / ("tavrel-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                m_path = candidate;
            }
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string path() const { return platform::utf8FromPath(m_path); }
    std::string file(const std::string& name) const {
        return platform::utf8FromPath(m_path / platform::pathFromUtf8(name));
    }

    // Names of the entries in the folder.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            names.push_back(platform::utf8FromPath(entry.path().filename()));
        }
        return names;
    }

  private:
    std::filesystem::path m_path;
};

inline std::string readFile(const std::string& path) {
    std::ifstream file(platform::pathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(platform::pathFromUtf8(path), std::ios::binary);
    file << bytes;
}

// The path with every separator written as '/', so that paths the program prints compare alike on
// Windows (which writes '\').
inline std::string withForwardSlashes(std::string path) {
    for (char& ch : path) {
        ch = ch == '\\' ? '/' : ch;
    }
    return path;
}

}  // namespace tavrel::test
