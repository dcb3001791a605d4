// Starting another program and waiting for it, with its arguments handed over as they are (no shell in
// between, so Chinese paths and spaces need no quoting). The tests run the command-line tool this way.
#pragma once

#include <string>
#include <vector>

namespace tavrel::platform {

// True in the Windows build: what a test of one system's behaviour asks before it runs.
#ifdef _WIN32
inline constexpr bool kWindows = true;
#else
inline constexpr bool kWindows = false;
#endif

// Runs the program `arguments[0]` with the others as its arguments, standard output written to the file
// `outputPath` and standard error to `errorPath` (UTF-8 paths; the same path takes both, in order).
// Returns the exit code, or -1 when the program could not be started or did not end by exiting.
int runProgram(const std::vector<std::string>& arguments, const std::string& outputPath,
               const std::string& errorPath);

}  // namespace tavrel::platform
