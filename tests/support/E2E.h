// Shared pieces of the end-to-end tests of the real Zentrak.exe: where the program is, where
// screenshots go, and a fresh working folder per run (the program writes its log there).
// End-to-end tests run in a Wine prefix of their own, so they may use its real registry.
#pragma once

#include "tests/support/AppDriver.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

using testreg::RemoveValue;

// The program under test (from ZENTRAK_EXE, a Unix path given by CTest).
inline std::wstring ZentrakProgram() { return EnvironmentPath(L"ZENTRAK_EXE"); }
// Saves the main window as <ZENTRAK_SHOTS>/<name>.bmp; the test command turns it into PNG.
void SaveScreenshot(const AppDriver& driver, const std::wstring& name);

// What a console program printed (read back in the ANSI code page) and returned.
struct ConsoleRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::wstring out;
    std::wstring err;
};
// Runs `commandLine` in `folder` with its output going to files there; fails the test when it
// does not end in a few seconds.
ConsoleRun RunConsole(const std::wstring& folder, const std::wstring& commandLine);

// Clicks the apply button and answers the confirmation with `answer`; for OK, waits for the
// done mark and the read that follows the writes.
void Apply(AppDriver& app, int answer = IDOK);
// Closes the program, declining the restart an apply offers (`applied`: one must be offered
// then, none otherwise), and expects it to end with exit code 0. Returns the restart
// question's caption ("" when none came).
std::wstring CloseDecliningRestart(AppDriver& app, bool applied = true);

// A text of the machine that a test changes (with `text`: set to it) for the life of the
// object; the prefix's own is put back afterwards.
class MachineText {
public:
    MachineText(const wchar_t* key, const wchar_t* name, const wchar_t* text = nullptr) : key_(key), name_(name)
    {
        if (text)
            testreg::SetString(root_, key, name, text);
    }
    ~MachineText() { old_.exists ? testreg::SetString(root_, key_, name_, old_.Text()) : RemoveValue(root_, key_, name_); }
    MachineText(const MachineText&) = delete;
    MachineText& operator=(const MachineText&) = delete;

private:
    const HKEY root_ = HKEY_LOCAL_MACHINE;
    const wchar_t* key_;
    const wchar_t* name_;
    testreg::Value old_ = testreg::Get(root_, key_, name_);
};

class EndToEndTest : public ::testing::Test {
protected:
    // Starts the program in a fresh folder under `windowsVersion` ("" = the prefix's own,
    // Windows 7) and waits for its main window (page 0 read).
    void Launch(const std::wstring& windowsVersion = L"");

    ScratchFolder folder_;
    AppDriver app_;
};
