#include "tests/pages/PageTest.h"
#include "tests/support/RegistryFacts.h"

namespace {

const wchar_t kPolicyExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kKeyboard[] = L".DEFAULT\\Control Panel\\Keyboard";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;
const int M = kIdListMain;
const int R = kIdListRight;
const int L = kIdListLower;

// The clock row is Windows XP's only; the Num Lock row's on text follows the version. In the
// policy pairs the machine's value wins while it exists, and the next apply removes it.
std::vector<RowValue> Rows(int os)
{
    const int clock = os == kXp ? 2 : kNotShown;
    const wchar_t* numLockOn = os == kXp ? L"2" : L"2147483648";
    // list  row  root  key  value  reads checked  reads cleared  checking writes  clearing writes
    return {
        {M, 0, kUser, kPolicyExplorer, L"NoSaveSettings", Dw(0), Dw(2), Dw(0), Dw(2)},
        {M, 1, kUser, L"Control Panel\\Desktop", L"PaintDesktopVersion", Dw(1), Dw(0), Dw(1), Dw(0)},
        {M, 2, kMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop", L"NoChangingWallpaper", Dw(1), Dw(0), kAbsent, kAbsent},
        {M, 2, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop", L"NoChangingWallpaper", Dw(0), Dw(1), Dw(1), Dw(0)},
        {R, 0, kUser, kAdvanced, L"TaskbarSizeMove", Dw(0), Dw(1), Dw(0), Dw(1)},
        {R, 1, kUser, kAdvanced, L"TaskbarGlomming", Dw(1), Dw(0), Dw(1), Dw(0)},
        {R, clock, kMachine, kPolicyExplorer, L"HideClock", Dw(1), Dw(0), kAbsent, kAbsent},
        {R, clock, kUser, kPolicyExplorer, L"HideClock", Dw(0), Dw(1), Dw(1), kAbsent},
        {L, 0, kMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\SpecialAccounts\\UserList", L"Administrator", Dw(1), Dw(0), Dw(1), kAbsent},
        {L, 1, kMachine, L"SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", L"Enable", Sz(L"y"), Sz(L"N"), Sz(L"Y"), Sz(L"N")},
        {L, 2, HKEY_USERS, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", Sz(L"0"), Sz(L"1"), Sz(L"0"), Sz(L"1")},
        {L, 3, HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", Sz(numLockOn), Sz(os == kXp ? L"0" : L"2"), Sz(numLockOn), Sz(L"0")},
    };
}

class DesktopPage : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(DesktopPage, EveryRowReadsAndWritesBothWays)
{
    Start(kPageDesktop, GetParam());
    ExpectRowsBothWays(Rows(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Versions, DesktopPage, ::testing::Values(kXp, kVista, kWin7), VersionName);

TEST_F(DesktopPage, TheNumLockCommandWritesThatRowAlone)
{
    Start(kPageDesktop, kVista);
    SetCheck(L, 3, true);
    App().OnCommand(Window(), kIdNumLockButton, nullptr, BN_CLICKED);
    EXPECT_TRUE(Holds(HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", Sz(L"2147483648")));
    EXPECT_FALSE(testreg::ValueExists(kUser, kPolicyExplorer, L"NoSaveSettings"));  // row 0 cleared: not written
}

TEST_F(DesktopPage, RowTextsFollowTheLanguageVariant)
{
    Start(kPageDesktop, kWin7, 8, 1, 936);
    EXPECT_STREQ(L"\x4FDD\x6301\x4E0A\x6B21\x7684\x684C\x9762\x8BBE\x7F6E", ItemText(M, 0).CStr());  // 保持上次的桌面设置
    TearDown();
    SetUp();
    Start(kPageDesktop, kWin7, 8, 1, -1);
    EXPECT_EQ(0, ItemCount(M));  // no variant: no texts, no rows
}

}  // namespace
