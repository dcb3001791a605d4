// Running a program and waiting for it: posix_spawn on Linux, CreateProcessW on Windows.
#include "platform/process.h"

#ifdef _WIN32
#include "platform/windows_api.h"
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

#include "platform/files.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace tavrel::platform {

#ifdef _WIN32

namespace {

// One argument as the C runtime of the started program splits it again: quoted when it holds a space,
// a tab or a quote, backslashes doubled where a quote follows them.
std::wstring quotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t ch : argument) {
        if (ch == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(ch == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted.push_back(ch);
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring commandLine(const std::vector<std::string>& arguments) {
    std::wstring line;
    for (const std::string& argument : arguments) {
        line += (line.empty() ? L"" : L" ") + quotedArgument(pathFromUtf8(argument).wstring());
    }
    return line;
}

// A handle the started program inherits as one of its standard streams.
HANDLE inheritableOutput(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(pathFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int waitForExit(const PROCESS_INFORMATION& process) {
    DWORD code = 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    const bool known = GetExitCodeProcess(process.hProcess, &code) != 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return known ? static_cast<int>(code) : -1;
}

}  // namespace

int runProgram(const std::vector<std::string>& arguments, const std::string& outputPath,
               const std::string& errorPath) {
    const HANDLE output = inheritableOutput(outputPath);
    const HANDLE error = errorPath == outputPath ? output : inheritableOutput(errorPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = error;
    std::wstring line = commandLine(arguments);
    PROCESS_INFORMATION process{};
    const bool started = output != INVALID_HANDLE_VALUE && error != INVALID_HANDLE_VALUE &&
                         CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process) != 0;
    const int code = started ? waitForExit(process) : -1;
    CloseHandle(output);
    if (error != output) {
        CloseHandle(error);
    }
    return code;
}

#else

int runProgram(const std::vector<std::string>& arguments, const std::string& outputPath,
               const std::string& errorPath) {
    constexpr int kOutputFlags = O_WRONLY | O_CREAT | O_TRUNC;
    constexpr mode_t kOutputMode = 0644;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), kOutputFlags, kOutputMode);
    if (errorPath == outputPath) {
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    } else {
        posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), kOutputFlags, kOutputMode);
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace tavrel::platform
