// Runs the small framework program as a process of its own and checks how it ended.
#include <gtest/gtest.h>

#include <windows.h>
#include <string>

namespace
{

TEST(WindowProgram, RunsItsLoopUntilItsFrameClosesItself)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path);
    exe = exe.substr(0, exe.find_last_of('\\') + 1) + "framework_window_program.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &si, &pi))
        << exe;
    DWORD wait = ::WaitForSingleObject(pi.hProcess, 60000);
    if (wait != WAIT_OBJECT_0) ::TerminateProcess(pi.hProcess, 99);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(pi.hProcess, &exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, wait);
    EXPECT_EQ(42u,
              exitCode);  // the program's code for: looped, updated at idle, closed its document
}

}  // namespace
