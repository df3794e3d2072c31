#include "tests/pages/PageTest.h"
#include "tests/support/RegistryFacts.h"

namespace {

const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kDesktop[] = L"Control Panel\\Desktop";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;

// A row's value: checked at `on`, cleared at `off`; clearing writes `off`, or deletes.
RowValue Row(int row, HKEY root, const wchar_t* key, const wchar_t* name, DWORD off, DWORD on, bool deletes = false)
{
    return RowValue{kIdListMain, row, root, key, name, Dw(on), Dw(off), Dw(on), deletes ? kAbsent : Dw(off)};
}
const bool kDeletes = true;

const std::vector<RowValue> kXpRows = {
    Row(0, kUser, kAdvanced, L"Start_ShowSearch", 0, 1),
    Row(1, kUser, kAdvanced, L"Start_ShowRun", 0, 1),
    Row(2, kUser, kAdvanced, L"Start_ShowPrinters", 0, 1),
    Row(3, kUser, kAdvanced, L"Start_ShowHelp", 0, 1),
    Row(4, kUser, kAdvanced, L"Start_EnableDragDrop", 0, 1),
    Row(5, kUser, kPolicies, L"StartMenuLogoff", 0, 1),
    Row(6, kUser, kAdvanced, L"Start_ShowRecentDocs", 0, 2),
    Row(7, kUser, kAdvanced, L"StartMenuFavorites", 0, 2),
    Row(8, kUser, kAdvanced, L"Start_ShowSetProgramAccessAndDefaults", 0, 1),
    Row(9, kUser, kAdvanced, L"Start_ScrollPrograms", 0, 1),
    Row(10, kUser, kAdvanced, L"Start_NotifyNewApps", 0, 1),
    Row(11, kUser, kAdvanced, L"Start_AutoCascade", 0, 1),
    Row(12, kMachine, kPolicies, L"NoChangeStartMenu", 0, 1, kDeletes),
    Row(13, kMachine, kPolicies, L"NoSMBalloonTip", 0, 1, kDeletes),
    Row(14, kMachine, kPolicies, L"NoUserNameInStartMenu", 0, 1, kDeletes),
    // Checked only when both are on: the per-user value alone reads cleared.
    {kIdListMain, 15, kUser, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), Dw(1), Dw(1), kAbsent},
    {kIdListMain, 15, kMachine, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), kAbsent, Dw(1), kAbsent},
};
const std::vector<RowValue> kVista7Rows = {
    Row(0, kUser, kAdvanced, L"Start_ShowSearch", 0, 1),
    Row(1, kUser, kAdvanced, L"Start_ShowRun", 0, 1),
    Row(2, kUser, kAdvanced, L"Start_ShowPrinters", 0, 1),
    Row(3, kUser, kAdvanced, L"Start_ShowHelp", 0, 1),
    Row(4, kUser, kAdvanced, L"Start_EnableDragDrop", 0, 1),
    Row(5, kUser, kPolicies, L"StartMenuLogoff", 0, 1),
    Row(6, kUser, kAdvanced, L"StartMenuFavorites", 0, 2),
    Row(7, kUser, kAdvanced, L"Start_ShowUser", 1, 0),
    Row(8, kUser, kAdvanced, L"Start_ShowSetProgramAccessAndDefaults", 0, 1),
    Row(9, kUser, kAdvanced, L"Start_ScrollPrograms", 0, 1),
    Row(10, kUser, kAdvanced, L"Start_NotifyNewApps", 0, 1),
    Row(11, kUser, kAdvanced, L"Start_AutoCascade", 0, 1),
    Row(12, kUser, kAdvanced, L"Start_ShowNetPlaces", 0, 1),
    Row(13, kMachine, kPolicies, L"NoChangeStartMenu", 0, 1, kDeletes),
    Row(14, kMachine, kPolicies, L"NoSMBalloonTip", 0, 1, kDeletes),
    // The first value alone decides; the second follows it.
    Row(15, kUser, kAdvanced, L"Start_TrackDocs", 0, 1),
    {kIdListMain, 15, kUser, kAdvanced, L"Start_ShowRecentDocs", Dw(0), Dw(2), Dw(2), Dw(0)},
    Row(16, kUser, kAdvanced, L"Start_TrackProgs", 0, 1),
};

class StartMenuPage : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartMenuPage, EveryRowReadsAndWritesBothWaysAndMostReadCheckedWhenMissing)
{
    const bool xp = GetParam() == kXp;
    std::vector<std::pair<int, int>> defaultOn;
    for (int row = 0; row < (xp ? 12 : 17); ++row)
        if (row != 5 && (xp || (row != 13 && row != 14)))
            defaultOn.push_back({kIdListMain, row});
    Start(kPageStartMenu, GetParam());
    ExpectRowsBothWays(xp ? kXpRows : kVista7Rows, defaultOn);
}

TEST_P(StartMenuPage, FolderChoicesReadAnUnknownValueAsTheMiddleChoice)
{
    const bool xp = GetParam() == kXp;
    const int boxes[] = {2041, 2042, 2043, 2044, 2045, 2046};
    const int combos[] = {2008, 2009, 2200, 2014, 2015, 2016};
    const wchar_t* names[] = {L"Start_ShowControlPanel", L"Start_ShowMyComputer", L"Start_ShowMyPics",
                              L"Start_ShowMyMusic", xp ? L"Start_ShowNetConn" : L"Start_ShowMyGames", L"Start_ShowMyDocs"};
    // Missing, outside the list and of the wrong type, then the three choices.
    const Data stored[] = {kAbsent, Dw(7), Sz(L"2"), Dw(0), Dw(1), Dw(2)};
    const int shown[] = {1, 1, 1, 0, 1, 2};
    for (int i = 0; i < 6; ++i)
        Put(kUser, kAdvanced, names[i], stored[i]);
    Start(kPageStartMenu, GetParam());
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(BoxChecked(boxes[i])) << boxes[i];
        EXPECT_EQ(shown[i], Selection(combos[i])) << boxes[i];
    }
    // A cleared box leaves its value; a checked one writes its choice.
    SetBox(2046, false);
    Select(2016, 0);
    Select(2009, 2);
    ASSERT_EQ(0, Apply());
    const Data written[] = {Dw(1), Dw(2), Dw(1), Dw(0), Dw(1), Dw(2)};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Holds(kUser, kAdvanced, names[i], written[i])) << boxes[i];
    // The 2015 value of the other versions is neither read nor written.
    EXPECT_TRUE(Holds(kUser, kAdvanced, xp ? L"Start_ShowMyGames" : L"Start_ShowNetConn", kAbsent));
    EXPECT_EQ(0u, std::wstring(App().Combo(2015)->GetItemText(0).CStr()).find(xp ? L"\x7DB2\x8DEF\x9023\x7DDA" : L"\x904A\x6A02\x5834"));  // 網路連線 / 遊樂場
}

INSTANTIATE_TEST_SUITE_P(Versions, StartMenuPage, ::testing::Values(kXp, kVista, kWin7), VersionName);

TEST_F(StartMenuPage, AdministrativeToolsAreAPairOfValues)
{
    Start(kPageStartMenu, kWin7);
    struct Case {
        Data root, tools;
        int selection;  // -1: cleared
    };
    const Case cases[] = {{Dw(0), Dw(0), 0}, {Dw(0), Dw(1), 1}, {Dw(2), Dw(1), 2}, {Dw(2), Dw(0), -1}, {kAbsent, Dw(1), -1}};
    for (const Case& c : cases) {
        Put(kUser, kAdvanced, L"Start_AdminToolsRoot", c.root);
        Put(kUser, kAdvanced, L"StartMenuAdminTools", c.tools);
        Reread();
        EXPECT_EQ(c.selection >= 0, BoxChecked(2047)) << &c - cases;
        EXPECT_EQ(c.selection < 0 ? 0 : c.selection, Selection(2017)) << &c - cases;
    }
    ASSERT_EQ(0, Apply());  // cleared after no pair of the list: nothing is written
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_AdminToolsRoot", kAbsent));
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"StartMenuAdminTools", Dw(1)));
    SetBox(2047, true);
    Select(2017, 2);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_AdminToolsRoot", Dw(2)));
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"StartMenuAdminTools", Dw(1)));
    Select(2017, 1);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_AdminToolsRoot", Dw(0)));
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"StartMenuAdminTools", Dw(1)));
}

TEST_F(StartMenuPage, MenuDelayIsOneOfTheListedTexts)
{
    Start(kPageStartMenu, kWin7);
    struct Case {
        Data value;
        int selection;  // -1: cleared
    };
    for (const Case& c : {Case{Sz(L"400"), 7}, Case{Sz(L"-2"), 0}, Case{Dw(400), -1}, Case{kAbsent, -1}, Case{Sz(L"250"), -1}}) {
        Put(kUser, kDesktop, L"MenuShowDelay", c.value);
        Reread();
        EXPECT_EQ(c.selection >= 0, BoxChecked(2048)) << c.selection;
        EXPECT_EQ(c.selection, Selection(2018));
    }
    ASSERT_EQ(0, Apply());
    SetBox(2048, true);
    ASSERT_EQ(0, Apply());  // cleared, then checked without a selection: nothing is written
    EXPECT_TRUE(Holds(kUser, kDesktop, L"MenuShowDelay", Sz(L"250")));
    SetBox(2048, true);
    Select(2018, 13);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kDesktop, L"MenuShowDelay", Sz(L"1000")));
}

TEST_F(StartMenuPage, IconSizeRadios)
{
    Start(kPageStartMenu, kWin7);
    EXPECT_TRUE(BoxChecked(2057) && !BoxChecked(2056)) << "Start_LargeMFUIcons missing: large icons";
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(1)));
    Put(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(0));
    Reread();
    EXPECT_TRUE(BoxChecked(2056) && !BoxChecked(2057));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(0)));
    SetBox(2056, false);
    Put(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(9));
    ASSERT_EQ(0, Apply());  // neither radio checked: nothing is written
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(9)));
}

TEST_F(StartMenuPage, TheSimplifiedWordingSaysMenuDifferently)
{
    Start(kPageStartMenu, kWin7, 8, 3, 936);
    for (const QmWString& text : {ItemText(kIdListMain, 9), ItemText(kIdListMain, 11), ItemText(kIdListMain, 13),
                                  App().Combo(2008)->GetItemText(2), App().Combo(2017)->GetItemText(2),
                                  App().Button(kIdGroupRight)->GetText(), App().Button(2048)->GetText()})
        EXPECT_NE(std::wstring::npos, std::wstring(text.CStr()).find(L"\x83DC\x5355")) << testreg::Narrow(text.CStr());  // 菜单
}

}  // namespace
