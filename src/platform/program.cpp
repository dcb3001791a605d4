// The executable's folder and the command-line arguments: /proc on Linux, the wide-character API on Windows.
#include "platform/program.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "platform/windows_api.h"
// shellapi.h needs the declarations of windows.h first.
#include <shellapi.h>
#endif

#include "platform/files.h"

namespace tavrel::platform {

#ifdef _WIN32

std::string programFolder() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return utf8FromPath(std::filesystem::path(self).parent_path());
}

std::vector<std::string> utf8Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(utf8FromPath(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    return arguments;
}

#else

std::string programFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return utf8FromPath(error ? std::filesystem::current_path(error) : self.parent_path());
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

#endif

namespace {

// The data folder `name` beside the executable and where the package installs it.
struct DataFolderPlaces {
    std::filesystem::path beside;
    std::filesystem::path installed;
};

DataFolderPlaces dataFolderPlaces(const std::string& programFolder, std::string_view name) {
    const std::filesystem::path program = pathFromUtf8(programFolder);
    const std::filesystem::path folderName = pathFromUtf8(std::string(name));
    return {program / folderName, (program / ".." / "share" / "tavrel" / folderName).lexically_normal()};
}

bool readsInstalled(const DataFolderPlaces& places) {
    std::error_code error;
    return !std::filesystem::is_directory(places.beside, error) &&
           std::filesystem::is_directory(places.installed, error);
}

}  // namespace

std::string dataFolder(const std::string& programFolder, std::string_view name) {
    const DataFolderPlaces places = dataFolderPlaces(programFolder, name);
    return utf8FromPath(readsInstalled(places) ? places.installed : places.beside);
}

bool readsInstalledData(const std::string& programFolder, std::string_view name) {
    return readsInstalled(dataFolderPlaces(programFolder, name));
}

bool installedProgram(const std::string& programFolder, std::string_view name) {
    std::error_code error;
    const std::filesystem::path uninstaller =
        pathFromUtf8(programFolder) / pathFromUtf8(std::string(kUninstallerName));
    return readsInstalledData(programFolder, name) || std::filesystem::is_regular_file(uninstaller, error);
}

}  // namespace tavrel::platform
