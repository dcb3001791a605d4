// The platform facade of the program's files: UTF-8 paths with Chinese names, creation that never
// overwrites, and atomic replacement that leaves alone what it must not replace.
#include "report/platform_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
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

namespace fs = std::filesystem;

TEST(WriteFileAtomically, NodesThatAreNoWritableRegularFileAreRefusedAndKept) {
    test::TemporaryFolder folder;
    const std::string readOnly = folder.file("read-only.tvrl");
    test::writeFile(readOnly, "kept");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(folder.file("folder"));
    fs::create_symlink(readOnly, folder.file("link"));
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const struct {
        const char* name;
        ReplaceStep step;
    } cases[] = {
        {"read-only.tvrl", ReplaceStep::TargetReadOnly},
        {"folder", ReplaceStep::TargetIsFolder},
        {"link", ReplaceStep::TargetNotAFile},
        {"pipe", ReplaceStep::TargetNotAFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::file_type before = fs::symlink_status(folder.file(c.name)).type();
        EXPECT_EQ(writeFileAtomically(folder.file(c.name), "new").step, c.step);
        EXPECT_EQ(fs::symlink_status(folder.file(c.name)).type(), before);
        EXPECT_FALSE(refusalReason(c.step).empty());
    }
    EXPECT_EQ(test::readFile(readOnly), "kept");
    EXPECT_EQ(folder.entries().size(), 4u);
}

TEST(WriteFileAtomically, AReplacedFileKeepsItsPermissionBitsAndNoTemporaryFileRemains) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("a.tvrl");
    test::writeFile(path, "old and longer");
    const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path, ownerOnly);
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    EXPECT_EQ(test::readFile(path), "new");
    EXPECT_EQ(fs::status(path).permissions(), ownerOnly);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.tvrl"});
}

// The temporary name does not grow with the target's: a name of the longest length most file systems
// allow still gets its temporary file.
TEST(WriteFileAtomically, ATargetNameOf255BytesIsWritten) {
    test::TemporaryFolder folder;
    const std::string path = folder.file(std::string(250, 'x') + ".tvrl");
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    EXPECT_EQ(test::readFile(path), "new");
}

TEST(WriteFileAtomically, AMissingFolderFailsAtCreatingTheTemporaryFile) {
    test::TemporaryFolder folder;
    const ReplaceResult result = writeFileAtomically(folder.file("missing/a.tvrl"), "new");
    EXPECT_EQ(result.step, ReplaceStep::CreateTemporary);
    EXPECT_EQ(result.error, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(SameFile, OtherSpellingsAndLinksOfOneFileAreTheSameAndAMissingFileIsNot) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("a.tvrl");
    test::writeFile(path, "x");
    test::writeFile(folder.file("b.tvrl"), "x");
    fs::create_directory(folder.file("sub"));
    fs::create_hard_link(path, folder.file("hard"));
    fs::create_symlink(path, folder.file("soft"));
    for (const char* other : {"a.tvrl", "sub/../a.tvrl", "hard", "soft"}) {
        EXPECT_TRUE(sameFile(path, folder.file(other))) << other;
    }
    EXPECT_FALSE(sameFile(path, folder.file("b.tvrl")));
    EXPECT_FALSE(sameFile(path, folder.file("missing")));
}

}  // namespace
}  // namespace tavrel::platform
