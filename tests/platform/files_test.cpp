// The platform facade of the report files: UTF-8 paths with Chinese names, and creation that never
// overwrites.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace tavrel::platform
