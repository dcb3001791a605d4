// Where a program finds its own data: beside the executable, else where the package installs it.
#include "platform/program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "platform/files.h"
#include "temporary_folder.h"

namespace tavrel::platform {
namespace {

struct DataFolderCase {
    const char* name;
    bool besideExists;
    bool installedExists;
    const char* found;  // relative to the temporary root
};

// clang-format off
const DataFolderCase kDataFolderCases[] = {
    {"build tree or copied folder",     true,  false, "bin/计算书图例"},
    {"beside wins over the installed",  true,  true,  "bin/计算书图例"},
    {"installed program",               false, true,  "share/tavrel/计算书图例"},
    {"neither: looked for beside",      false, false, "bin/计算书图例"},
};
// clang-format on

TEST(DataFolder, IsBesideTheExecutableThenInTheSharedFolderOfTheInstall) {
    for (const DataFolderCase& c : kDataFolderCases) {
        SCOPED_TRACE(c.name);
        test::TemporaryFolder root;
        const std::filesystem::path top = pathFromUtf8(root.path());
        std::filesystem::create_directories(top / "bin");
        if (c.besideExists) {
            std::filesystem::create_directories(top / pathFromUtf8("bin/计算书图例"));
        }
        if (c.installedExists) {
            std::filesystem::create_directories(top / pathFromUtf8("share/tavrel/计算书图例"));
        }
        EXPECT_EQ(test::withForwardSlashes(dataFolder(utf8FromPath(top / "bin"), "计算书图例")),
                  test::withForwardSlashes(utf8FromPath(top / pathFromUtf8(c.found))));
        EXPECT_EQ(readsInstalledData(utf8FromPath(top / "bin"), "计算书图例"),
                  std::string_view(c.found).starts_with("share/"));
    }
}

TEST(DataFolder, AFileOfTheNameBesideIsNoFolder) {
    test::TemporaryFolder root;
    const std::filesystem::path top = pathFromUtf8(root.path());
    std::filesystem::create_directories(top / "bin");
    std::filesystem::create_directories(top / "share/tavrel/figures");
    test::writeFile(utf8FromPath(top / "bin/figures"), "not a folder");
    EXPECT_EQ(test::withForwardSlashes(dataFolder(utf8FromPath(top / "bin"), "figures")),
              test::withForwardSlashes(utf8FromPath(top / "share/tavrel/figures")));
}

struct InstalledCase {
    const char* name;
    const char* figures;     // relative to the temporary root
    const char* besideFile;  // a file beside the executable, or null
    bool installed;
};

// clang-format off
const InstalledCase kInstalledCases[] = {
    {"build tree or copied folder",        "bin/计算书图例",          nullptr,          false},
    {"Debian package",                     "share/tavrel/计算书图例", nullptr,          true},
    {"Windows installer",                  "bin/计算书图例",          "uninstall.exe",  true},
    {"another file beside",                "bin/计算书图例",          "uninstall.txt",  false},
};
// clang-format on

TEST(InstalledProgram, IsAPackageOrAFolderWithTheInstallersUninstaller) {
    for (const InstalledCase& c : kInstalledCases) {
        SCOPED_TRACE(c.name);
        test::TemporaryFolder root;
        const std::filesystem::path top = pathFromUtf8(root.path());
        std::filesystem::create_directories(top / "bin");
        std::filesystem::create_directories(top / pathFromUtf8(c.figures));
        if (c.besideFile != nullptr) {
            test::writeFile(utf8FromPath(top / "bin" / c.besideFile), "MZ");
        }
        EXPECT_EQ(installedProgram(utf8FromPath(top / "bin"), "计算书图例"), c.installed);
    }
}

}  // namespace
}  // namespace tavrel::platform
