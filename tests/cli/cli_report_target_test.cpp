// tavrel-cli report -o TARGET: what it may replace and what it leaves alone, a stirrup spacing the dialog
// refuses, and a report written without its figure; the tool runs as a separate program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temporary_folder.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using tavrel::test::CliRun;
using tavrel::test::PrintTo;
using tavrel::test::readFile;
using tavrel::test::runCommand;
using tavrel::test::TemporaryFolder;
using tavrel::test::writeFile;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// Runs `program` with the arguments, each quoted for the shell; stdout and stderr kept apart.
CliRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    TemporaryFolder scratch;
    const std::string errPath = scratch.file("stderr");
    std::string command = quoted(program);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    CliRun run = runCommand(command + " 2>" + quoted(errPath));
    run.err = readFile(errPath);
    return run;
}

CliRun runCli(const std::vector<std::string>& arguments) {
    return runProgram(TAVREL_CLI, arguments);
}

std::string exampleBytes() {
    return readFile(tavrel::test::exampleFile());
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

fs::perms permissions(const std::string& path) {
    return fs::status(path).permissions();
}

// The input, a report target and the bytes of an earlier report, in a folder of their own.
struct ReportFixture {
    TemporaryFolder folder;
    std::string input = folder.file("a.tvrl");
    std::string target = folder.file("report.docx");
    std::string earlier = "an earlier report";

    ReportFixture() { writeFile(input, exampleBytes()); }

    CliRun report(const std::string& output) const { return runCli({"report", input, "-o", output}); }
};

TEST(CliReportTarget, AnOutputThatIsTheInputIsRefusedWhateverItsSpellingAndTheInputIsKept) {
    struct Case {
        const char* name;
        std::string output;
    };
    ReportFixture f;
    fs::create_directory(f.folder.file("sub"));
    fs::create_hard_link(f.input, f.folder.file("hard.tvrl"));
    fs::create_symlink(f.input, f.folder.file("soft.tvrl"));
    const Case cases[] = {
        {"the same path", f.input},
        {"through another folder", f.folder.file("sub/../a.tvrl")},
        {"a hard link", f.folder.file("hard.tvrl")},
        {"a symbolic link", f.folder.file("soft.tvrl")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = f.report(c.output);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "计算书文件不能替换输入文件：" + c.output + "\n");
        EXPECT_EQ(readFile(f.input), exampleBytes());
    }
}

// What has the target's name before the report is written; each is left as it is.
enum class Node { Folder, Pipe, SymbolicLink, CharacterDevice };

struct NodeCase {
    Node node;
    const char* name;
    const char* reason;
};

class CliReportNode : public ::testing::TestWithParam<NodeCase> {};

// Makes the node at `path`; false when this user may not make one.
bool makeNode(Node node, const std::string& path, const std::string& linkTarget) {
    switch (node) {
        case Node::Folder:
            return fs::create_directory(path);
        case Node::Pipe:
            return ::mkfifo(path.c_str(), 0600) == 0;
        case Node::SymbolicLink:
            fs::create_symlink(linkTarget, path);
            return true;
        case Node::CharacterDevice:  // the node of /dev/null, in a folder where replacing it harms nothing
            return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    }
    return false;
}

TEST_P(CliReportNode, IsRefusedAndLeftAsItIs) {
    const NodeCase& c = GetParam();
    ReportFixture f;
    const std::string linkTarget = f.folder.file("linked.docx");
    writeFile(linkTarget, f.earlier);
    if (!makeNode(c.node, f.target, linkTarget)) {
        GTEST_SKIP() << "this user may not make a " << c.name;
    }
    const fs::file_type before = fs::symlink_status(f.target).type();

    const CliRun run = f.report(f.target);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "计算书文件无法保存为“" + f.target + "”：" + c.reason + "\n");
    EXPECT_EQ(fs::symlink_status(f.target).type(), before);
    EXPECT_EQ(readFile(linkTarget), f.earlier);
    EXPECT_EQ(f.folder.entries().size(), 3u);  // input, node, linked file: no temporary file left
}

constexpr const char* kNotAFile = "同名的不是普通文件（设备、管道或符号链接），不能替换。";

INSTANTIATE_TEST_SUITE_P(TargetsThatAreNoRegularFile, CliReportNode,
                         ::testing::Values(NodeCase{Node::Folder, "Folder", "已有同名的文件夹。"},
                                           NodeCase{Node::Pipe, "Pipe", kNotAFile},
                                           NodeCase{Node::SymbolicLink, "SymbolicLink", kNotAFile},
                                           NodeCase{Node::CharacterDevice, "CharacterDevice", kNotAFile}),
                         [](const ::testing::TestParamInfo<NodeCase>& info) { return info.param.name; });

TEST(CliReportTarget, AnEarlierReportIsReplacedAndKeepsItsPermissionBits) {
    ReportFixture f;
    writeFile(f.target, f.earlier);
    const fs::perms ownerReadWriteGroupRead =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(f.target, ownerReadWriteGroupRead);
    const CliRun run = f.report(f.target);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(f.target).substr(0, 2), "PK");
    EXPECT_EQ(permissions(f.target), ownerReadWriteGroupRead);
    EXPECT_EQ(f.folder.entries().size(), 2u);
}

// Read-only by its permission bits, which the superuser's own access rights do not override.
TEST(CliReportTarget, AReadOnlyReportIsRefusedAndKept) {
    ReportFixture f;
    writeFile(f.target, f.earlier);
    fs::permissions(f.target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const CliRun run = f.report(f.target);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "计算书文件无法保存为“" + f.target + "”：文件是只读的，不能替换。\n");
    EXPECT_EQ(readFile(f.target), f.earlier);
}

// The longest name most file systems allow is 255 bytes; the temporary name must not grow it.
TEST(CliReportTarget, AReportNameOfTwoHundredFiftyBytesIsWritten) {
    ReportFixture f;
    const std::string target = f.folder.file(std::string(245, 'r') + ".docx");
    const CliRun run = f.report(target);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(target).substr(0, 2), "PK");
    EXPECT_EQ(f.folder.entries().size(), 2u);
}

// Thirty bars of 32 mm in a 40 cm slab under 10 m of fill: the section needs stirrups.
std::string shearFailingInput(const TemporaryFolder& folder) {
    struct Edit {
        int line;
        const char* value;
    };
    std::string bytes = exampleBytes();
    for (const Edit& edit :
         {Edit{23, "10"}, Edit{14, "32"}, Edit{15, "30"}, Edit{39, "40"}, Edit{40, "40"}}) {
        std::size_t start = 0;
        for (int line = 1; line < edit.line; ++line) {
            start = bytes.find("\r\n", start) + 2;
        }
        bytes.replace(start, bytes.find("                    ", start) - start, edit.value);
    }
    const std::string path = folder.file("shear.tvrl");
    writeFile(path, bytes);
    return path;
}

TEST(CliReportTarget, AStirrupSpacingTheDialogRefusesIsAnInputRefusedAndWritesNoReport) {
    struct Case {
        const char* stirrup;
        const char* message;
    };
    const Case cases[] = {
        {"R235,10,abc", "箍筋间距应大于0,请重新输入"},        {"R235,10,0", "箍筋间距应大于0,请重新输入"},
        {"R235,10,-5", "箍筋间距应大于0,请重新输入"},         {"HRB335,10,", "箍筋间距应大于0,请重新输入"},
        {"R235,10,40000", "箍筋间距超出允许范围,请重新输入"},
    };
    TemporaryFolder folder;
    const std::string input = shearFailingInput(folder);
    const std::string target = folder.file("report.docx");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stirrup);
        const CliRun run = runCli({"report", input, "-o", target, "--stirrup", c.stirrup});
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
        EXPECT_FALSE(fs::exists(target));
    }
    EXPECT_EQ(runCli({"report", input, "-o", target, "--stirrup", "R235,10,10"}).exitCode, 0);
}

// An empty spacing is the dialog's to answer, as any other text; grade and diameter come from its lists.
TEST(CliReportTarget, EachPartOfStirrupIsTakenAsTypedEmptyIncluded) {
    TemporaryFolder folder;
    const std::string input = shearFailingInput(folder);
    const CliRun emptySpacing = runCli({"calc", "--json", "--stirrup", "HRB335,10,", input});
    EXPECT_EQ(emptySpacing.exitCode, 0);
    EXPECT_TRUE(contains(emptySpacing.out, "\"message\": \"箍筋间距应大于0,请重新输入\""));
    for (const char* usage : {",10,10", "R235,,10", "R235,10", "R235,10,10,"}) {
        SCOPED_TRACE(usage);
        EXPECT_EQ(runCli({"calc", "--stirrup", usage, input}).exitCode, 2);
    }
}

// A copy of the tool in a folder without the figure folder beside it.
TEST(CliReportTarget, AReportWithoutItsFigureIsWrittenAndSaysSoOnStderr) {
    ReportFixture f;
    const std::string tool = f.folder.file("tavrel-cli");
    fs::copy_file(TAVREL_CLI, tool);
    const CliRun run = runProgram(tool, {"report", f.input, "-o", f.target});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "计算书中没有示意图：" + f.folder.path() + "/计算书图例/暗涵盖板.JPG（文件不存在）\n");
    EXPECT_EQ(readFile(f.target).substr(0, 2), "PK");
}

}  // namespace
