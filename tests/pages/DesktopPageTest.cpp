#include "tests/pages/PageTest.h"

namespace {

const wchar_t kKeyboard[] = L".DEFAULT\\Control Panel\\Keyboard";
const wchar_t kActiveDesktop[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop";

// The clock row is Windows XP's only; the Num Lock row's on text follows the version. In the
// policy pairs the machine's DWORD wins while it exists, and the next apply removes it. Texts
// compare ignoring case and width.
std::vector<RowValue> Rows(int os)
{
    const int clock = os == kXp ? 2 : kNotShown;
    const wchar_t* numLockOn = os == kXp ? L"2" : L"2147483648";
    // list  row  root  key  value  reads checked  reads cleared  checking writes  clearing writes
    return {
        {M, 0, kUser, kPolicies, L"NoSaveSettings", Dw(0), Dw(2), Dw(0), Dw(2)},
        {M, 1, kUser, kDesktop, L"PaintDesktopVersion", Dw(1), Dw(0), Dw(1), Dw(0)},
        {M, 2, kMachine, kActiveDesktop, L"NoChangingWallpaper", Dw(1), Dw(0), kAbsent, kAbsent},
        {M, 2, kUser, kActiveDesktop, L"NoChangingWallpaper", Dw(0), Dw(1), Dw(1), Dw(0)},
        {R, 0, kUser, kAdvanced, L"TaskbarSizeMove", Dw(0), Dw(1), Dw(0), Dw(1)},
        {R, 1, kUser, kAdvanced, L"TaskbarGlomming", Dw(1), Dw(0), Dw(1), Dw(0)},
        {R, kNotShown, kMachine, kPolicies, L"HideClock", Sz(L"1"), kAbsent, kAbsent, kAbsent},  // no DWORD: no policy, and it stays
        {R, clock, kUser, kPolicies, L"HideClock", Dw(1), Dw(0), Dw(1), kAbsent},
        {L, 0, kMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\SpecialAccounts\\UserList", L"Administrator", Dw(1), Dw(0), Dw(1), kAbsent},
        {L, 1, kMachine, L"SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", L"Enable", Sz(L"ｙ"), Sz(L"N"), Sz(L"Y"), Sz(L"N")},
        {L, 2, kUsers, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", Sz(L"0"), Sz(L"1"), Sz(L"0"), Sz(L"1")},
        {L, 3, kUsers, kKeyboard, L"InitialKeyboardIndicators", Sz(numLockOn), Sz(os == kXp ? L"0" : L"2"), Sz(numLockOn), Sz(L"0")},
    };
}

PAGE_ROWS_BY_VERSION(Desktop);

TEST_F(DesktopPage, TheNumLockCommandWritesThatRowAlone)
{
    Start(kPageDesktop, kVista);
    SetCheck(L, 3, true);
    App().OnCommand(Window(), kIdNumLockButton, nullptr, BN_CLICKED);
    EXPECT_TRUE(Holds(kUsers, kKeyboard, L"InitialKeyboardIndicators", Sz(L"2147483648")));
    EXPECT_FALSE(testreg::ValueExists(kUser, kPolicies, L"NoSaveSettings"));  // row 0 cleared: not written
}

}  // namespace
