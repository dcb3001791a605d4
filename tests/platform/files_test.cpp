// The platform facade of the report files: UTF-8 paths with Chinese names, and creation that never
// overwrites.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/process.h"
#include "temporary_folder.h"

namespace tavrel::platform {
namespace {

TEST(Utf8Path, NamesSurviveTheRoundTripThroughTheFileSystemPath) {
    const char* const names[] = {"计算书图例", "计算书-20240102-030405-1.docx", "盖板 涵（K12+300）.tvrl",
                                 "report.docx"};
    for (const std::string name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(utf8FromPath(pathFromUtf8(name)), name);
        const std::filesystem::path joined = pathFromUtf8("计算书图例") / pathFromUtf8(name);
        EXPECT_EQ(utf8FromPath(joined.filename()), name);
        EXPECT_EQ(utf8FromPath(joined.parent_path()), "计算书图例");
    }
}

TEST(CreateExclusive, TakenNameFailsAsExistingAndKeepsTheFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("计算书-1.docx");
    test::writeFile(path, "an earlier report");
    const NewFile file = createExclusive(path);
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error, std::errc::file_exists);
    EXPECT_FALSE(reason(file.error).empty());
    EXPECT_EQ(test::readFile(path), "an earlier report");
}

TEST(CreateExclusive, NewFileHoldsWhatIsWrittenAfterClosing) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("计算书-1.docx");
    const NewFile file = createExclusive(path);
    ASSERT_TRUE(file.open()) << reason(file.error);
    EXPECT_FALSE(writeAll(file.descriptor, "PK report bytes"));
    EXPECT_FALSE(flushToDisk(file.descriptor));
    EXPECT_FALSE(close(file.descriptor));
    EXPECT_EQ(test::readFile(path), "PK report bytes");
}

struct DeviceNameCase {
    const char* name;
    NodeKind kind;
};

// clang-format off
const DeviceNameCase kDeviceNameCases[] = {
    {"NUL", NodeKind::Other},       {"con.docx", NodeKind::Other},      {"Com1", NodeKind::Other},
    {"LPT9.xlsx", NodeKind::Other}, {"aux .tvrl", NodeKind::Other},     {"COM0", NodeKind::Missing},
    {"CONSOLE", NodeKind::Missing}, {"nul-report.docx", NodeKind::Missing},
};
// clang-format on

// Windows gives these names to devices in every folder; a report must never be written to one.
TEST(Inspect, WindowsDeviceNamesAreDevicesInEveryFolder) {
    if (!kWindows) {
        GTEST_SKIP() << "device names exist on Windows only";
    }
    test::TemporaryFolder folder;
    for (const DeviceNameCase& c : kDeviceNameCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inspect(folder.file(c.name)).kind, c.kind);
    }
}

}  // namespace
}  // namespace tavrel::platform
