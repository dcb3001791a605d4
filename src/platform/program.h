// What the operating system tells a program about itself: where its executable lies, and its arguments.
#pragma once

#include <string>
#include <vector>

namespace tavrel::platform {

// The folder of the running executable, in UTF-8; the current folder when the system does not say.
std::string programFolder();

// The command-line arguments after the program name, in UTF-8 (on Windows `argv` is in the ANSI code page
// and would lose Chinese file names, so the wide command line is read instead).
std::vector<std::string> utf8Arguments(int argc, char** argv);

}  // namespace tavrel::platform
