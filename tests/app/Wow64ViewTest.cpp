// The shipped 32-bit Zentrak.exe on 64-bit Windows (the WoW64 prefix): under a key the system
// redirects for 32-bit programs, what the program shows must be what stands in the native
// view, and what it writes must land there, where Windows reads it, not in Wow6432Node. The
// 64-bit reg.exe, which a 32-bit process reaches through sysnative, writes and reads the
// native view independently of the program and of this test's own registry helpers.
#include "app/ControlIds.h"
#include "platform/RegistryApi.h"
#include "tests/support/E2E.h"

namespace {

const wchar_t kWinlogon[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const wchar_t kWinlogon32[] = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const wchar_t kPowerdown[] = L"PowerdownAfterShutdown";
const int kPowerdownRow = 1;  // the hardware page's first list, on Windows 7

// The 64-bit reg.exe with `arguments` on the power-down value.
ConsoleRun NativeReg(const ScratchFolder& folder, const std::wstring& verb, const std::wstring& arguments = L"")
{
    return RunConsole(folder.Path(), L"C:\\windows\\sysnative\\reg.exe " + verb + L" \"HKLM\\" + kWinlogon +
                                         L"\" /v " + kPowerdown + L" " + arguments);
}

TEST_F(EndToEndTest, ThePageShowsAndWritesTheNativeViewOfARedirectedKey)
{
    if (!IsWow64Process32())
        GTEST_SKIP() << "not a 32-bit program on 64-bit Windows";
    MachineText kept(kWinlogon, kPowerdown);  // the prefix's value, put back at the end
    // A 64-bit writer turns the row on; the 32-bit view has nothing.
    ASSERT_EQ(0u, NativeReg(folder_, L"add", L"/t REG_SZ /d 1 /f").exitCode);
    RemoveValue(HKEY_LOCAL_MACHINE, kWinlogon32, kPowerdown);

    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageHardware));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, kPowerdownRow)) << "the page read the 32-bit view";
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, kPowerdownRow, false));
    Apply(app_);
    CloseDecliningRestart(app_);

    const ConsoleRun native = NativeReg(folder_, L"query");
    EXPECT_EQ(0u, native.exitCode) << "a 64-bit reader finds no value";
    EXPECT_NE(std::wstring::npos, native.out.find(L"REG_SZ    0")) << testreg::Narrow(native.out);
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kWinlogon32, kPowerdown)) << "written to Wow6432Node";
}

}  // namespace
