#include "tests/support/E2E.h"

#include "app/ControlIds.h"

void SaveScreenshot(const AppDriver& driver, const std::wstring& name)
{
    const std::wstring folder = EnvironmentPath(L"ZENTRAK_SHOTS");
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(folder.empty() || driver.SaveScreenshot(folder + L"\\" + name + L".bmp"));
}

void EndToEndTest::Launch(const std::wstring& windowsVersion)
{
    ASSERT_TRUE(app_.Start(ZentrakProgram(), folder_.Path(), windowsVersion)) << "cannot start Zentrak.exe";
    ASSERT_NE(nullptr, app_.WaitForMainWindow());
}

void Apply(AppDriver& app, int answer)
{
    MessageBoxAnswerer confirmation({answer}, app.ProcessId());
    app.Click(kIdApplyButton);
    ASSERT_TRUE(confirmation.WaitForAnswers(1, "the confirmation of an apply"));
    ASSERT_TRUE(WaitFor("the confirmation to close", [&] { return !MessageBoxAnswerer::FindBox(app.ProcessId()); }));
    // Handled once the apply button's handler has returned: whatever it writes is written.
    SendMessageW(app.MainWindow(), WM_NULL, 0, 0);
    if (answer == IDOK) {
        ASSERT_TRUE(WaitFor("the done mark", [&] { return app.IsOnScreen(kIdDoneMark); }));
    }
    ASSERT_TRUE(app.WaitUntilRead());
}

std::wstring CloseDecliningRestart(AppDriver& app, bool applied)
{
    MessageBoxAnswerer restart({IDNO}, app.ProcessId());
    app.Close();
    DWORD exitCode = 1;
    EXPECT_TRUE(WaitFor("the program to end", [&] { return app.WaitForExit(0, &exitCode); }));
    EXPECT_EQ(applied ? 1u : 0u, restart.Seen().size()) << "a restart question after an apply, none without";
    EXPECT_EQ(0u, exitCode);
    return restart.Seen().empty() ? L"" : restart.Seen()[0].caption;
}

static std::wstring FromAnsi(const std::string& bytes)
{
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], static_cast<int>(text.size())));
    return text;
}

ConsoleRun RunConsole(const std::wstring& folder, const std::wstring& commandLine)
{
    ConsoleRun result;
    const std::wstring outPath = folder + L"\\stdout.txt", errPath = folder + L"\\stderr.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &info);
    const DWORD startError = GetLastError();
    CloseHandle(out);
    CloseHandle(err);
    if (!started) {
        ADD_FAILURE() << "cannot start " << testreg::Narrow(commandLine) << ": error " << startError;
        return result;
    }
    CloseHandle(info.hThread);
    if (WaitForSingleObject(info.hProcess, 4 * kStateWait) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 99);
        ADD_FAILURE() << testreg::Narrow(commandLine) << " did not end";
    }
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(info.hProcess);
    result.out = FromAnsi(ReadFileBytes(outPath));
    result.err = FromAnsi(ReadFileBytes(errPath));
    return result;
}
