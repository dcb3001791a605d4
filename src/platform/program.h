// What the operating system tells a program about itself: where its executable lies, and its arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel::platform {

// The folder of the running executable, in UTF-8; the current folder when the system does not say.
std::string programFolder();

// The folder of the program's own data called `name`, for an executable in `programFolder` (UTF-8): beside
// the executable when it is there (the build tree, a program folder copied whole), else in ../share/tavrel/
// where the package installs it (/usr/bin/tavrel reads /usr/share/tavrel/NAME). Where neither exists, the
// one beside the executable, so that what is missing is looked for, and reported, there as before.
std::string dataFolder(const std::string& programFolder, std::string_view name);

// True when the program reads its data `name` from ../share/tavrel/ (none beside the executable): a
// packaged program in a system folder such as /usr/bin, which is no place for a user's own files.
bool readsInstalledData(const std::string& programFolder, std::string_view name);

// The uninstaller the Windows installer puts beside the executable: its presence marks an installed copy.
inline constexpr std::string_view kUninstallerName = "uninstall.exe";

// True for a program placed by a package or an installer, which keeps its users' files in their own
// folders: one that reads its data `name` from ../share/tavrel/ (the Debian package), or one with the
// installer's uninstaller beside it (under Program Files, which its users cannot write and an
// administrator's run must not fill). A folder copied whole, without the uninstaller, is a portable
// program that keeps its files beside itself.
bool installedProgram(const std::string& programFolder, std::string_view name);

// The command-line arguments after the program name, in UTF-8 (on Windows `argv` is in the ANSI code page
// and would lose Chinese file names, so the wide command line is read instead).
std::vector<std::string> utf8Arguments(int argc, char** argv);

}  // namespace tavrel::platform
