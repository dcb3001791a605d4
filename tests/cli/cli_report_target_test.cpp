// tavrel-cli report -o TARGET: what it may replace and what it leaves alone, a stirrup spacing the dialog
// refuses, and a report written without its figure; the tool runs as a separate program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "platform/files.h"
#include "platform/process.h"
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

using tavrel::platform::kWindows;
using tavrel::platform::pathFromUtf8;
using tavrel::test::withForwardSlashes;

// Runs `program` with the arguments; stdout and stderr kept apart.
CliRun runProgram(const std::string& program, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), program);
    return runCommand(arguments);
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
    return fs::status(pathFromUtf8(path)).permissions();
}

// Which system a case exists on: Windows has no FIFOs, device nodes or permission bits, Linux no
// read-only attribute, device names or sharing modes.
enum class OnlyOn { Both, Linux, Windows };

bool runsHere(OnlyOn system) {
    return system == OnlyOn::Both || (system == OnlyOn::Windows) == kWindows;
}

constexpr const char* kWindowsHasNoPermissionBits =
    "Windows keeps no permission bits; its read-only attribute is refused (AReadOnlyReportIsRefusedAndKept)";
constexpr const char* kOnlyWindowsHoldsFiles = "only Windows lets a program hold a file against replacing";

// The input, a report target and the bytes of an earlier report, in a folder of their own.
struct ReportFixture {
    TemporaryFolder folder;
    std::string input = folder.file("a.tvrl");
    std::string target = folder.file("report.docx");
    std::string earlier = "an earlier report";

    ReportFixture() { writeFile(input, exampleBytes()); }

    CliRun report(const std::string& output) const { return runCli({"report", input, "-o", output}); }
};

// Spelled by each system's own means: Windows compares names without case, knows 8.3 short names and takes
// '/' for '\\'; symbolic links need a privilege there.
TEST(CliReportTarget, AnOutputThatIsTheInputIsRefusedWhateverItsSpellingAndTheInputIsKept) {
    struct Case {
        const char* name;
        std::string output;
        OnlyOn system;
    };
    ReportFixture f;
    fs::create_directory(pathFromUtf8(f.folder.file("sub")));
    fs::create_hard_link(pathFromUtf8(f.input), pathFromUtf8(f.folder.file("hard.tvrl")));
    if (!kWindows) {
        fs::create_symlink(pathFromUtf8(f.input), pathFromUtf8(f.folder.file("soft.tvrl")));
    }
    const Case cases[] = {
        {"the same path", f.input, OnlyOn::Both},
        {"through another folder", f.folder.file("sub/../a.tvrl"), OnlyOn::Both},
        {"a hard link", f.folder.file("hard.tvrl"), OnlyOn::Both},
        {"a symbolic link", f.folder.file("soft.tvrl"), OnlyOn::Linux},
        {"another case", f.folder.file("A.TVRL"), OnlyOn::Windows},
        {"the short name", tavrel::platform::shortSpelling(f.input), OnlyOn::Windows},
        {"forward slashes", withForwardSlashes(f.input), OnlyOn::Windows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!runsHere(c.system)) {
            std::cout << "[ SKIPPED  ] " << c.name << ": a spelling of the other system\n";
            continue;
        }
        const CliRun run = f.report(c.output);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "计算书文件不能替换输入文件：" + c.output + "\n");
        EXPECT_EQ(readFile(f.input), exampleBytes());
    }
}

// What has the target's name before the report is written; each is left as it is.
enum class Node { Folder, Pipe, SymbolicLink, CharacterDevice, DeviceName };

struct NodeCase {
    Node node;
    const char* name;
    const char* reason;
    OnlyOn system;
    const char* deviceName = "";  // a name Windows gives a device in every folder
};

class CliReportNode : public ::testing::TestWithParam<NodeCase> {};

// Makes the node at `path`; false when this user may not make one.
bool makeNode(Node node, const std::string& path, const std::string& linkTarget) {
    switch (node) {
        case Node::Folder:
            return fs::create_directory(path);
        case Node::Pipe:
            return tavrel::test::runCommand({"/usr/bin/mkfifo", path}).exitCode == 0;
        case Node::SymbolicLink:
            fs::create_symlink(pathFromUtf8(linkTarget), pathFromUtf8(path));
            return true;
        case Node::CharacterDevice:  // the node of /dev/null, in a folder where replacing it harms nothing
            return tavrel::test::runCommand({"/usr/bin/mknod", path, "c", "1", "3"}).exitCode == 0;
        case Node::DeviceName:  // the device is there already
            return true;
    }
    return false;
}

TEST_P(CliReportNode, IsRefusedAndLeftAsItIs) {
    const NodeCase& c = GetParam();
    if (!runsHere(c.system)) {
        GTEST_SKIP() << c.name << " exists on " << (kWindows ? "Linux" : "Windows") << " only";
    }
    ReportFixture f;
    const std::string linkTarget = f.folder.file("linked.docx");
    writeFile(linkTarget, f.earlier);
    const std::string target = c.node == Node::DeviceName ? f.folder.file(c.deviceName) : f.target;
    if (!makeNode(c.node, target, linkTarget)) {
        GTEST_SKIP() << "this user may not make a " << c.name;
    }
    const fs::file_type before = fs::symlink_status(pathFromUtf8(target)).type();

    const CliRun run = f.report(target);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "计算书文件无法保存为“" + target + "”：" + c.reason + "\n");
    EXPECT_EQ(fs::symlink_status(pathFromUtf8(target)).type(), before);
    EXPECT_EQ(readFile(linkTarget), f.earlier);
    const std::size_t nodesInFolder = c.node == Node::DeviceName ? 0 : 1;
    EXPECT_EQ(f.folder.entries().size(), 2 + nodesInFolder);  // input, linked file: no temporary file left
}

constexpr const char* kNotAFile = "同名的不是普通文件（设备、管道或符号链接），不能替换。";

INSTANTIATE_TEST_SUITE_P(
    TargetsThatAreNoRegularFile, CliReportNode,
    ::testing::Values(NodeCase{Node::Folder, "Folder", "已有同名的文件夹。", OnlyOn::Both},
                      NodeCase{Node::Pipe, "Pipe", kNotAFile, OnlyOn::Linux},
                      NodeCase{Node::SymbolicLink, "SymbolicLink", kNotAFile, OnlyOn::Linux},
                      NodeCase{Node::CharacterDevice, "CharacterDevice", kNotAFile, OnlyOn::Linux},
                      NodeCase{Node::DeviceName, "Nul", kNotAFile, OnlyOn::Windows, "NUL"},
                      NodeCase{Node::DeviceName, "Con", kNotAFile, OnlyOn::Windows, "con.docx"},
                      NodeCase{Node::DeviceName, "Com1", kNotAFile, OnlyOn::Windows, "COM1"}),
    [](const ::testing::TestParamInfo<NodeCase>& info) { return info.param.name; });

TEST(CliReportTarget, AnEarlierReportIsReplacedAndKeepsItsPermissionBits) {
    if (kWindows) {
        GTEST_SKIP() << kWindowsHasNoPermissionBits;
    }
    ReportFixture f;
    writeFile(f.target, f.earlier);
    const fs::perms ownerReadWriteGroupRead =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(pathFromUtf8(f.target), ownerReadWriteGroupRead);
    const CliRun run = f.report(f.target);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(f.target).substr(0, 2), "PK");
    EXPECT_EQ(permissions(f.target), ownerReadWriteGroupRead);
    EXPECT_EQ(f.folder.entries().size(), 2u);
}

// Read-only by its permission bits, which the superuser's own access rights do not override; on Windows by
// its read-only attribute, which stays set.
TEST(CliReportTarget, AReadOnlyReportIsRefusedAndKept) {
    ReportFixture f;
    writeFile(f.target, f.earlier);
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(pathFromUtf8(f.target), readOnly);
    const CliRun run = f.report(f.target);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "计算书文件无法保存为“" + f.target + "”：文件是只读的，不能替换。\n");
    EXPECT_EQ(readFile(f.target), f.earlier);
    EXPECT_EQ(permissions(f.target) & fs::perms::owner_write, fs::perms::none);
    fs::permissions(pathFromUtf8(f.target), fs::perms::owner_write, fs::perm_options::add);  // to clean up
}

// A report open in Word: the old file stays, the user is told to close it, and no temporary file is left.
TEST(CliReportTarget, AReportHeldOpenByAnotherProgramIsKeptAndTheUserToldToCloseIt) {
    if (!kWindows) {
        GTEST_SKIP() << kOnlyWindowsHoldsFiles;
    }
    ReportFixture f;
    writeFile(f.target, f.earlier);
    CliRun run;
    {
        const tavrel::platform::HeldFile word(f.target);
        ASSERT_TRUE(word.held());
        run = f.report(f.target);
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "计算书文件无法保存为“" + f.target + "”：文件正被其他程序打开，请关闭后重试。\n");
    EXPECT_EQ(readFile(f.target), f.earlier);
    EXPECT_EQ(f.folder.entries().size(), 2u);
}

// The longest name most file systems allow is 255 bytes; the temporary name must not grow it. With its
// folder the path is longer than the 260 characters Windows allows a plain path.
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
    const std::string tool = f.folder.file(fs::path(TAVREL_CLI).filename().string());
    fs::copy_file(TAVREL_CLI, pathFromUtf8(tool));
    const CliRun run = runProgram(tool, {"report", f.input, "-o", f.target});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(withForwardSlashes(run.err), withForwardSlashes("计算书中没有示意图：" + f.folder.path() +
                                                              "/计算书图例/暗涵盖板.JPG（文件不存在）\n"));
    EXPECT_EQ(readFile(f.target).substr(0, 2), "PK");
}

}  // namespace
