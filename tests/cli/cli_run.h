// Running the command-line tool as a separate program, on the bundled example and on edited copies.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/process.h"
#include "temporary_folder.h"
#include "test_support.h"

namespace tavrel::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;  // only where the caller keeps standard error apart
};

// Runs the program `arguments[0]` with the other arguments, handed over as they are (no shell). `out`
// holds its standard output, and its standard error too when `withErrors` is set; else `err` holds it.
inline CliRun runCommand(const std::vector<std::string>& arguments, bool withErrors = false) {
    const TemporaryFolder scratch;
    const std::string outPath = scratch.file("stdout");
    const std::string errPath = withErrors ? outPath : scratch.file("stderr");
    CliRun run;
    run.exitCode = platform::runProgram(arguments, outPath, errPath);
    run.out = readFile(outPath);
    run.err = withErrors ? "" : readFile(errPath);
    return run;
}

// The words of a command line written with single spaces; the paths of the tests hold none.
inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> split;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        split.push_back(word);
    }
    return split;
}

// Runs tavrel-cli with the arguments; `out` holds its standard output, and its standard error too when
// `withErrors` is set.
inline CliRun runCli(const std::string& arguments, bool withErrors = false) {
    std::vector<std::string> command = words(arguments);
    command.insert(command.begin(), TAVREL_CLI);
    return runCommand(command, withErrors);
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
    const std::string path = platform::utf8FromPath(std::filesystem::temp_directory_path() / name);
    writeFile(path, content);
    return path;
}

// A copy of the example with lines 48 and 49 (the reader takes a value line's first ten characters, so
// the values alone will do).
inline std::string exampleOfEdition(const std::vector<LineEdit>& edits, const std::string& edition,
                                    const std::string& safetyClass, const std::string& name) {
    const std::string path = editedExample(edits, name);
    std::ofstream(platform::pathFromUtf8(path), std::ios::binary | std::ios::app) << edition << "\r\n"
                                                                                  << safetyClass << "\r\n";
    return path;
}

}  // namespace tavrel::test
