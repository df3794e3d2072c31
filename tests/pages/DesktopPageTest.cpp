#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testreg::Get;

const wchar_t kPolicyExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kUserWallpaper[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop";
const wchar_t kMachineWallpaper[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop";
const wchar_t kUserList[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\SpecialAccounts\\UserList";
const wchar_t kKeyboard[] = L".DEFAULT\\Control Panel\\Keyboard";

// A registry value as a test sets and expects it: a DWORD, a text, or absent.
struct Data {
    enum Kind { Absent, Dword, Text } kind;
    DWORD number;
    const wchar_t* text;
};
Data Dw(DWORD number) { return Data{Data::Dword, number, nullptr}; }
Data Sz(const wchar_t* text) { return Data{Data::Text, 0, text}; }
const Data kAbsent = {Data::Absent, 0, nullptr};

void Put(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    if (data.kind == Data::Dword)
        testreg::SetDword(root, key, name, data.number);
    else if (data.kind == Data::Text)
        testreg::SetString(root, key, name, data.text);
}

::testing::AssertionResult Holds(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    const testreg::Value value = Get(root, key, name);
    const bool ok = data.kind == Data::Absent ? !value.exists
                    : data.kind == Data::Dword ? value.IsDword(data.number)
                                               : value.IsString(data.text);
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << testreg::Narrow(name) << " is not as expected";
}

// One row of the page: where it is, the value behind it, what reads as checked and as
// cleared, and what checking and clearing it write.
struct Row {
    const char* what;
    int listId;
    int row;
    HKEY root;
    const wchar_t* key;
    const wchar_t* name;
    Data readsChecked;
    Data readsCleared;
    Data checkedWrites;
    Data clearedWrites;
};

const Row kRows[] = {
    {"A0 keep desktop settings", kIdListMain, 0, HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", Dw(0), Dw(2), Dw(0), Dw(2)},
    {"A1 show version", kIdListMain, 1, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"A2 wallpaper (per user)", kIdListMain, 2, HKEY_CURRENT_USER, kUserWallpaper, L"NoChangingWallpaper", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"B0 lock taskbar", kIdListRight, 0, HKEY_CURRENT_USER, kAdvanced, L"TaskbarSizeMove", Dw(0), Dw(1), Dw(0), Dw(1)},
    {"B1 group buttons", kIdListRight, 1, HKEY_CURRENT_USER, kAdvanced, L"TaskbarGlomming", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"C0 administrator", kIdListLower, 0, HKEY_LOCAL_MACHINE, kUserList, L"Administrator", Dw(1), Dw(0), Dw(1), kAbsent},
    {"C1 boot defragment", kIdListLower, 1, HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", L"Enable", Sz(L"y"), Sz(L"N"), Sz(L"Y"), Sz(L"N")},
    {"C2 no logon screen saver", kIdListLower, 2, HKEY_USERS, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", Sz(L"0"), Sz(L"1"), Sz(L"0"), Sz(L"1")},
};

class DesktopPageTest : public AppTest, public ::testing::WithParamInterface<int> {};

TEST_P(DesktopPageTest, EveryRowReadsAndWritesBothWays)
{
    const int os = GetParam();
    // Checked state in the registry, read, then cleared by hand and applied.
    for (const Row& row : kRows)
        Put(row.root, row.key, row.name, row.readsChecked);
    StartApp(os);
    for (const Row& row : kRows)
        EXPECT_EQ(1, Check(row.listId, row.row)) << row.what;
    for (const Row& row : kRows)
        SetCheck(row.listId, row.row, false);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        EXPECT_TRUE(Holds(row.root, row.key, row.name, row.clearedWrites)) << row.what << " cleared";
        EXPECT_EQ(0, Check(row.listId, row.row)) << row.what << " after the re-read";
    }
    // Cleared state in the registry, read, then checked by hand and applied.
    for (const Row& row : kRows)
        Put(row.root, row.key, row.name, row.readsCleared);
    Reread();
    for (const Row& row : kRows)
        EXPECT_EQ(0, Check(row.listId, row.row)) << row.what;
    for (const Row& row : kRows)
        SetCheck(row.listId, row.row, true);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        EXPECT_TRUE(Holds(row.root, row.key, row.name, row.checkedWrites)) << row.what << " checked";
        EXPECT_EQ(1, Check(row.listId, row.row)) << row.what << " after the re-read";
    }
}

TEST_P(DesktopPageTest, MissingValuesReadCleared)
{
    StartApp(GetParam());
    for (const Row& row : kRows)
        EXPECT_EQ(0, Check(row.listId, row.row)) << row.what;
    EXPECT_EQ(0, Check(kIdListLower, 3));
    // Applying the untouched page writes every row's cleared data.
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", Dw(2)));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kUserList, L"Administrator", kAbsent));
    EXPECT_TRUE(Holds(HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", Sz(L"0")));
}

INSTANTIATE_TEST_SUITE_P(Versions, DesktopPageTest, ::testing::Values(kXp, kVista, kWin7),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
                         });

class DesktopPageOnOneVersion : public AppTest {};

TEST_F(DesktopPageOnOneVersion, TheMachineWallpaperPolicyWinsAndGoesAtTheNextApply)
{
    testreg::SetDword(HKEY_LOCAL_MACHINE, kMachineWallpaper, L"NoChangingWallpaper", 1);
    StartApp(kWin7);
    EXPECT_EQ(1, Check(kIdListMain, 2));  // per-user value absent: the machine value decides
    ASSERT_EQ(0, Apply());
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kMachineWallpaper, L"NoChangingWallpaper"));
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, kUserWallpaper, L"NoChangingWallpaper", Dw(1)));

    testreg::SetDword(HKEY_LOCAL_MACHINE, kMachineWallpaper, L"NoChangingWallpaper", 0);
    testreg::SetDword(HKEY_CURRENT_USER, kUserWallpaper, L"NoChangingWallpaper", 1);
    Reread();
    EXPECT_EQ(0, Check(kIdListMain, 2));  // the machine value 0 wins over the user's 1
}

TEST_F(DesktopPageOnOneVersion, AMachinePolicyOfAnotherTypeStays)
{
    testreg::SetString(HKEY_LOCAL_MACHINE, kMachineWallpaper, L"NoChangingWallpaper", L"1");
    testreg::SetDword(HKEY_CURRENT_USER, kUserWallpaper, L"NoChangingWallpaper", 1);
    StartApp(kXp);
    EXPECT_EQ(1, Check(kIdListMain, 2));  // unreadable machine value: the user's decides
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kMachineWallpaper, L"NoChangingWallpaper", Sz(L"1")));
}

TEST_F(DesktopPageOnOneVersion, TheClockRowIsWindowsXpOnly)
{
    testreg::SetDword(HKEY_LOCAL_MACHINE, kPolicyExplorer, L"HideClock", 1);
    testreg::SetDword(HKEY_CURRENT_USER, kPolicyExplorer, L"HideClock", 1);
    StartApp(kVista);
    EXPECT_EQ(2, ItemCount(kIdListRight));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kPolicyExplorer, L"HideClock", Dw(1)));  // untouched
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, kPolicyExplorer, L"HideClock", Dw(1)));
}

TEST_F(DesktopPageOnOneVersion, ClearingTheXpClockRowDeletesBothValues)
{
    testreg::SetDword(HKEY_LOCAL_MACHINE, kPolicyExplorer, L"HideClock", 1);
    StartApp(kXp);
    EXPECT_EQ(3, ItemCount(kIdListRight));
    EXPECT_EQ(1, Check(kIdListRight, 2));
    SetCheck(kIdListRight, 2, false);
    ASSERT_EQ(0, Apply());
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kPolicyExplorer, L"HideClock"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kPolicyExplorer, L"HideClock"));
    SetCheck(kIdListRight, 2, true);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, kPolicyExplorer, L"HideClock", Dw(1)));
}

TEST_F(DesktopPageOnOneVersion, NumLockOnTextFollowsTheVersion)
{
    struct Case {
        int os;
        const wchar_t* onText;
    };
    for (const Case& c : {Case{kXp, L"2"}, Case{kVista, L"2147483648"}, Case{kWin7, L"2147483648"}}) {
        testreg::SetString(HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", L"2");
        StartApp(c.os);
        EXPECT_EQ(c.os == kXp ? 1 : 0, Check(kIdListLower, 3)) << c.os;
        SetCheck(kIdListLower, 3, true);
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", Sz(c.onText))) << c.os;
        // Command 2100 writes the row alone.
        SetCheck(kIdListLower, 3, false);
        App().OnCommand(Window(), kIdNumLockButton, nullptr, BN_CLICKED);
        EXPECT_TRUE(Holds(HKEY_USERS, kKeyboard, L"InitialKeyboardIndicators", Sz(L"0"))) << c.os;
        TearDown();
        SetUp();
    }
}

TEST_F(DesktopPageOnOneVersion, RecommendedSettingsChangeOnlyTheControls)
{
    StartApp(kWin7);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
    EXPECT_EQ(1, Check(kIdListMain, 0));
    EXPECT_EQ(1, Check(kIdListLower, 1));
    EXPECT_EQ(0, Check(kIdListMain, 1));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

TEST_F(DesktopPageOnOneVersion, RowTextsFollowTheLanguageVariant)
{
    StartApp(kWin7, 8, 1, 936);
    EXPECT_STREQ(L"\x4FDD\x6301\x4E0A\x6B21\x7684\x684C\x9762\x8BBE\x7F6E", ItemText(kIdListMain, 0).CStr());  // 保持上次的桌面设置
    TearDown();
    SetUp();
    StartApp(kWin7, 8, 1, -1);
    EXPECT_EQ(0, ItemCount(kIdListMain));  // no variant: no texts, no rows
}

}  // namespace
