// Running the command-line tool as a separate program, on the bundled example and on edited copies.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "temporary_folder.h"
#include "test_support.h"

namespace tavrel::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;  // only where the caller keeps standard error apart
};

// Runs a shell command line; `out` holds what it wrote to standard output.
inline CliRun runCommand(const std::string& command) {
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    while (const size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs tavrel-cli with the arguments; `out` holds its standard output, and its standard error too when
// `withErrors` is set.
inline CliRun runCli(const std::string& arguments, bool withErrors = false) {
    return runCommand(std::string(TAVREL_CLI) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

inline std::string exampleFile() {
    return tavrel::test::sourcePath("examples/default.tvrl");
}

struct LineEdit {
    int line;
    std::string value;
};

// A copy of the example with some values replaced (each value's 20 spaces and term kept).
inline std::string editedExample(const std::vector<LineEdit>& edits, const std::string& name) {
    std::string content = readFile(exampleFile());
    for (const LineEdit& edit : edits) {
        size_t start = 0;
        for (int line = 1; line < edit.line; ++line) {
            start = content.find("\r\n", start) + 2;
        }
        content.replace(start, content.find("                    ", start) - start, edit.value);
    }
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

// A copy of the example with lines 48 and 49 (the reader takes a value line's first ten characters, so
// the values alone will do).
inline std::string exampleOfEdition(const std::vector<LineEdit>& edits, const std::string& edition,
                                    const std::string& safetyClass, const std::string& name) {
    const std::string path = editedExample(edits, name);
    std::ofstream(path, std::ios::binary | std::ios::app) << edition << "\r\n" << safetyClass << "\r\n";
    return path;
}

}  // namespace tavrel::test
