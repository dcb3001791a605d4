// Unique report names that never overwrite a file, and the one-step replacement of a file.
#include "report/report_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/files.h"
#include "report/report_builder.h"
#include "temporary_folder.h"
#include "worked_results.h"

namespace tavrel {
namespace {

// 2 January 2024, 03:04:05 local time.
std::chrono::system_clock::time_point sampleMoment() {
    std::tm parts{};
    parts.tm_year = 2024 - 1900;
    parts.tm_mon = 0;
    parts.tm_mday = 2;
    parts.tm_hour = 3;
    parts.tm_min = 4;
    parts.tm_sec = 5;
    parts.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&parts));
}

TEST(UniqueReportPath, NamesCarryDateTimeAndTheNextFreeNumber) {
    test::TemporaryFolder folder;
    const Expected<std::string> first = uniqueReportPath(folder.path(), sampleMoment());
    const Expected<std::string> second = uniqueReportPath(folder.path(), sampleMoment());
    ASSERT_TRUE(first) << first.error().message;
    ASSERT_TRUE(second) << second.error().message;
    EXPECT_EQ(*first, folder.file("计算书-20240102-030405-1.docx"));
    EXPECT_EQ(*second, folder.file("计算书-20240102-030405-2.docx"));
}

TEST(UniqueReportPath, ExistingFilesAreNeverTouched) {
    test::TemporaryFolder folder;
    test::writeFile(folder.file("计算书-20240102-030405-1.docx"), "an earlier report");
    const Expected<std::string> reserved = uniqueReportPath(folder.path(), sampleMoment());
    ASSERT_TRUE(reserved);
    EXPECT_EQ(*reserved, folder.file("计算书-20240102-030405-2.docx"));
    EXPECT_EQ(test::readFile(folder.file("计算书-20240102-030405-1.docx")), "an earlier report");
}

TEST(UniqueReportPath, MissingFolderIsReportedWithItsName) {
    test::TemporaryFolder folder;
    const Expected<std::string> reserved = uniqueReportPath(folder.file("missing"), sampleMoment());
    ASSERT_FALSE(reserved);
    EXPECT_NE(reserved.error().message.find(folder.file("missing")), std::string::npos)
        << reserved.error().message;
    EXPECT_TRUE(folder.entries().empty());
}

TEST(WriteReportInFolder, EachReportGetsItsOwnFile) {
    test::TemporaryFolder folder;
    const ReportDocument document = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "");
    const Expected<WrittenReport> first = writeReportInFolder(document, folder.path());
    const Expected<WrittenReport> second = writeReportInFolder(document, folder.path());
    ASSERT_TRUE(first) << first.error().message;
    ASSERT_TRUE(second) << second.error().message;
    EXPECT_NE(first->path, second->path);
    std::vector<std::string> names = folder.entries();
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names) {
        EXPECT_EQ(name.rfind("计算书-", 0), 0u) << name;
        EXPECT_EQ(test::readFile(folder.file(name)).substr(0, 2), "PK");
    }
}

TEST(WriteReportInFolder, FolderWithAChineseNameHoldsTheReportReadBackByItsPath) {
    test::TemporaryFolder folder;
    const std::string chineseFolder = folder.file("盖板涵 计算书");
    ASSERT_TRUE(std::filesystem::create_directory(platform::pathFromUtf8(chineseFolder)));
    const ReportDocument document = buildReport(test::buriedWorkedExample(), StirrupCheck::NotDone, "");
    const Expected<WrittenReport> written = writeReportInFolder(document, chineseFolder);
    ASSERT_TRUE(written) << written.error().message;
    const std::filesystem::path report = platform::pathFromUtf8(written->path);
    EXPECT_EQ(platform::utf8FromPath(report.parent_path()), chineseFolder);
    EXPECT_EQ(platform::utf8FromPath(report.filename()).rfind("计算书-", 0), 0u) << written->path;
    std::ifstream file(report, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.substr(0, 2), "PK");
    EXPECT_GT(bytes.size(), 1000u);
}

TEST(ReplaceFileAtomically, TargetHoldsExactlyTheNewBytesAndNoTemporaryFileRemains) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("target.docx");
    test::writeFile(path, "old and longer content");
    ASSERT_TRUE(replaceFileAtomically(path, "new"));
    EXPECT_EQ(test::readFile(path), "new");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"target.docx"});
}

}  // namespace
}  // namespace tavrel
