#include "tests/pages/PageTest.h"
#include "tests/support/RegistryFacts.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kDesktop[] = L"Control Panel\\Desktop";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;

// Every value behind the check list. Rows with two values have two entries.
#define ROW(row, root, key, name, off, on, cleared) \
    {#row " " #name, kIdListMain, row, root, key, L## #name, Dw(on), Dw(off), Dw(on), cleared}
const RowValueCase kXpRows[] = {
    ROW(0, kUser, kAdvanced, Start_ShowSearch, 0, 1, Dw(0)),
    ROW(1, kUser, kAdvanced, Start_ShowRun, 0, 1, Dw(0)),
    ROW(2, kUser, kAdvanced, Start_ShowPrinters, 0, 1, Dw(0)),
    ROW(3, kUser, kAdvanced, Start_ShowHelp, 0, 1, Dw(0)),
    ROW(4, kUser, kAdvanced, Start_EnableDragDrop, 0, 1, Dw(0)),
    ROW(5, kUser, kPolicies, StartMenuLogoff, 0, 1, Dw(0)),
    ROW(6, kUser, kAdvanced, Start_ShowRecentDocs, 0, 2, Dw(0)),
    ROW(7, kUser, kAdvanced, StartMenuFavorites, 0, 2, Dw(0)),
    ROW(8, kUser, kAdvanced, Start_ShowSetProgramAccessAndDefaults, 0, 1, Dw(0)),
    ROW(9, kUser, kAdvanced, Start_ScrollPrograms, 0, 1, Dw(0)),
    ROW(10, kUser, kAdvanced, Start_NotifyNewApps, 0, 1, Dw(0)),
    ROW(11, kUser, kAdvanced, Start_AutoCascade, 0, 1, Dw(0)),
    ROW(12, kMachine, kPolicies, NoChangeStartMenu, 0, 1, kAbsent),
    ROW(13, kMachine, kPolicies, NoSMBalloonTip, 0, 1, kAbsent),
    ROW(14, kMachine, kPolicies, NoUserNameInStartMenu, 0, 1, kAbsent),
    ROW(15, kUser, kPolicies, NoStartMenuMFUprogramsList, 0, 1, kAbsent),
    ROW(15, kMachine, kPolicies, NoStartMenuMFUprogramsList, 0, 1, kAbsent),
};
const RowValueCase kVista7Rows[] = {
    ROW(0, kUser, kAdvanced, Start_ShowSearch, 0, 1, Dw(0)),
    ROW(1, kUser, kAdvanced, Start_ShowRun, 0, 1, Dw(0)),
    ROW(2, kUser, kAdvanced, Start_ShowPrinters, 0, 1, Dw(0)),
    ROW(3, kUser, kAdvanced, Start_ShowHelp, 0, 1, Dw(0)),
    ROW(4, kUser, kAdvanced, Start_EnableDragDrop, 0, 1, Dw(0)),
    ROW(5, kUser, kPolicies, StartMenuLogoff, 0, 1, Dw(0)),
    ROW(6, kUser, kAdvanced, StartMenuFavorites, 0, 2, Dw(0)),
    ROW(7, kUser, kAdvanced, Start_ShowUser, 1, 0, Dw(1)),
    ROW(8, kUser, kAdvanced, Start_ShowSetProgramAccessAndDefaults, 0, 1, Dw(0)),
    ROW(9, kUser, kAdvanced, Start_ScrollPrograms, 0, 1, Dw(0)),
    ROW(10, kUser, kAdvanced, Start_NotifyNewApps, 0, 1, Dw(0)),
    ROW(11, kUser, kAdvanced, Start_AutoCascade, 0, 1, Dw(0)),
    ROW(12, kUser, kAdvanced, Start_ShowNetPlaces, 0, 1, Dw(0)),
    ROW(13, kMachine, kPolicies, NoChangeStartMenu, 0, 1, kAbsent),
    ROW(14, kMachine, kPolicies, NoSMBalloonTip, 0, 1, kAbsent),
    ROW(15, kUser, kAdvanced, Start_TrackDocs, 0, 1, Dw(0)),
    ROW(15, kUser, kAdvanced, Start_ShowRecentDocs, 0, 2, Dw(0)),
    ROW(16, kUser, kAdvanced, Start_TrackProgs, 0, 1, Dw(0)),
};
#undef ROW
// The rows of each list, and those that read cleared when their value is missing or
// unreadable (all others read checked).
struct Table {
    const RowValueCase* cases;
    int count;
    int rows;
    std::vector<int> plain;
};
Table TableFor(int os)
{
    if (os == kXp)
        return Table{kXpRows, static_cast<int>(std::size(kXpRows)), 16, {5, 12, 13, 14, 15}};
    return Table{kVista7Rows, static_cast<int>(std::size(kVista7Rows)), 17, {5, 13, 14}};
}
bool IsDefaultOn(const Table& table, int row)
{
    return std::find(table.plain.begin(), table.plain.end(), row) == table.plain.end();
}

// The folder pairs: check box, combo, value (2045/2015 by version).
struct FolderPair {
    int box;
    int combo;
    const wchar_t* name;
};
std::vector<FolderPair> FolderPairs(int os)
{
    return {{2041, 2008, L"Start_ShowControlPanel"}, {2042, 2009, L"Start_ShowMyComputer"},
            {2043, 2200, L"Start_ShowMyPics"},       {2044, 2014, L"Start_ShowMyMusic"},
            {2045, 2015, os == kXp ? L"Start_ShowNetConn" : L"Start_ShowMyGames"},
            {2046, 2016, L"Start_ShowMyDocs"}};
}

class StartMenuPageTest : public PageTest, public ::testing::WithParamInterface<int> {
protected:
    void Start(int os, int language = 950)
    {
        StartApp(os, 8, 3, language);
        ShowPage(kPageStartMenu);
    }
};

TEST_P(StartMenuPageTest, EveryRowReadsAndWritesBothWays)
{
    Start(GetParam());
    const Table table = TableFor(GetParam());
    EXPECT_EQ(table.rows, ItemCount(kIdListMain));
    ExpectRowsBothWays(table.cases, table.count);
}

TEST_P(StartMenuPageTest, UnreadableAndMissingValuesFollowTheDefaultOnRule)
{
    const Table table = TableFor(GetParam());
    for (int i = 0; i < table.count; ++i)
        Put(table.cases[i].root, table.cases[i].key, table.cases[i].name, Sz(L"1"));  // the wrong type
    Start(GetParam());
    for (int i = 0; i < table.count; ++i)
        EXPECT_EQ(IsDefaultOn(table, table.cases[i].row) ? 1 : 0, Check(kIdListMain, table.cases[i].row))
            << table.cases[i].what << " of the wrong type";

    for (int i = 0; i < table.count; ++i)
        Put(table.cases[i].root, table.cases[i].key, table.cases[i].name, kAbsent);
    Reread();
    for (int i = 0; i < table.count; ++i)
        EXPECT_EQ(IsDefaultOn(table, table.cases[i].row) ? 1 : 0, Check(kIdListMain, table.cases[i].row))
            << table.cases[i].what << " missing";
    // Applying the page as read writes what the shown state stands for.
    ASSERT_EQ(0, Apply());
    for (int i = 0; i < table.count; ++i) {
        const RowValueCase& c = table.cases[i];
        EXPECT_TRUE(Holds(c.root, c.key, c.name, IsDefaultOn(table, c.row) ? c.checkedWrites : c.clearedWrites))
            << c.what;
    }
}

TEST_P(StartMenuPageTest, FolderChoicesShowTheMiddleChoiceWhenTheValueIsUnknown)
{
    const int os = GetParam();
    const std::vector<FolderPair> pairs = FolderPairs(os);
    for (size_t i = 0; i < pairs.size(); ++i)
        testreg::SetDword(kUser, kAdvanced, pairs[i].name, static_cast<DWORD>(i % 3));
    Start(os);
    for (size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_TRUE(BoxChecked(pairs[i].box)) << pairs[i].box;
        EXPECT_EQ(static_cast<int>(i % 3), Selection(pairs[i].combo)) << pairs[i].box;
    }
    // Missing, outside the list and of the wrong type: checked, the middle choice.
    Put(kUser, kAdvanced, pairs[0].name, kAbsent);
    Put(kUser, kAdvanced, pairs[1].name, Dw(7));
    Put(kUser, kAdvanced, pairs[2].name, Sz(L"2"));
    Reread();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(BoxChecked(pairs[i].box)) << pairs[i].box;
        EXPECT_EQ(1, Selection(pairs[i].combo)) << pairs[i].box;
    }
    ASSERT_EQ(0, Apply());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Holds(kUser, kAdvanced, pairs[i].name, Dw(1))) << pairs[i].box;

    // A cleared box leaves its value; a checked one writes its choice.
    SetBox(pairs[3].box, false);
    Select(pairs[3].combo, 2);
    Select(pairs[4].combo, 2);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, pairs[3].name, Dw(0)));
    EXPECT_TRUE(Holds(kUser, kAdvanced, pairs[4].name, Dw(2)));
    // The 2015 pair of the other versions is neither read nor written.
    EXPECT_TRUE(Holds(kUser, kAdvanced, os == kXp ? L"Start_ShowMyGames" : L"Start_ShowNetConn", kAbsent));
    const std::wstring first = App().Combo(2015)->GetItemText(0).CStr();
    EXPECT_EQ(0u, first.find(os == kXp ? L"\x7DB2\x8DEF\x9023\x7DDA" : L"\x904A\x6A02\x5834"));  // 網路連線 / 遊樂場
}

TEST_P(StartMenuPageTest, RecommendedSettingsChangeOnlyTheControls)
{
    const int os = GetParam();
    Start(os);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    for (int id = 2041; id <= 2048; ++id)
        EXPECT_TRUE(BoxChecked(id)) << id;
    const int expected[][2] = {{2008, 1}, {2009, 1}, {2200, 1}, {2014, 1}, {2015, os == kXp ? 1 : 2},
                               {2016, 1}, {2017, 2}, {2018, 4}};
    for (const auto& e : expected)
        EXPECT_EQ(e[1], Selection(e[0])) << e[0];
    EXPECT_TRUE(BoxChecked(2056));
    EXPECT_FALSE(BoxChecked(2057));
}

INSTANTIATE_TEST_SUITE_P(Versions, StartMenuPageTest, ::testing::Values(kXp, kVista, kWin7), VersionName);

class StartMenuPageOnWindows7 : public StartMenuPageTest {};

TEST_F(StartMenuPageOnWindows7, AdministrativeToolsAreAPairOfValues)
{
    Start(kWin7);
    struct Case {
        Data root;
        Data tools;
        bool checked;
        int selection;
    };
    const Case cases[] = {
        {Dw(0), Dw(0), true, 0}, {Dw(0), Dw(1), true, 1}, {Dw(2), Dw(1), true, 2},
        {Dw(2), Dw(0), false, 0},  // no pair of the list
        {kAbsent, Dw(1), false, 0},
    };
    for (const Case& c : cases) {
        Put(kUser, kAdvanced, L"Start_AdminToolsRoot", c.root);
        Put(kUser, kAdvanced, L"StartMenuAdminTools", c.tools);
        Reread();
        EXPECT_EQ(c.checked, BoxChecked(2047)) << &c - cases;
        EXPECT_EQ(c.selection, Selection(2017)) << &c - cases;
    }
    // Unchanged after an unknown pair: nothing is written.
    Put(kUser, kAdvanced, L"Start_AdminToolsRoot", Dw(2));
    Put(kUser, kAdvanced, L"StartMenuAdminTools", Dw(0));
    Reread();
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_AdminToolsRoot", Dw(2)));
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"StartMenuAdminTools", Dw(0)));
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

TEST_F(StartMenuPageOnWindows7, MenuDelayIsOneOfTheListedTexts)
{
    Start(kWin7);
    struct Case {
        Data value;
        bool checked;
        int selection;
    };
    const Case cases[] = {{Sz(L"400"), true, 7}, {Sz(L"-2"), true, 0}, {Sz(L"250"), false, -1},
                          {Dw(400), false, -1},  {kAbsent, false, -1}};
    for (const Case& c : cases) {
        Put(kUser, kDesktop, L"MenuShowDelay", c.value);
        Reread();
        EXPECT_EQ(c.checked, BoxChecked(2048)) << &c - cases;
        EXPECT_EQ(c.selection, Selection(2018)) << &c - cases;
    }
    Put(kUser, kDesktop, L"MenuShowDelay", Sz(L"250"));
    Reread();
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kDesktop, L"MenuShowDelay", Sz(L"250")));
    SetBox(2048, true);
    ASSERT_EQ(0, Apply());  // checked without a selection: still nothing
    EXPECT_TRUE(Holds(kUser, kDesktop, L"MenuShowDelay", Sz(L"250")));
    SetBox(2048, true);
    Select(2018, 13);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kDesktop, L"MenuShowDelay", Sz(L"1000")));
}

TEST_F(StartMenuPageOnWindows7, IconSizeRadios)
{
    Start(kWin7);
    EXPECT_TRUE(BoxChecked(2057));  // Start_LargeMFUIcons absent: large icons
    EXPECT_FALSE(BoxChecked(2056));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(1)));
    Put(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(0));
    Reread();
    EXPECT_TRUE(BoxChecked(2056));
    EXPECT_FALSE(BoxChecked(2057));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(0)));
    // Neither radio checked writes nothing.
    SetBox(2056, false);
    Put(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(9));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kAdvanced, L"Start_LargeMFUIcons", Dw(9)));
}

TEST_F(StartMenuPageOnWindows7, RowsOfTwoValuesReadAsTheirTableSays)
{
    // Windows 7 row 15 reads Start_TrackDocs alone.
    testreg::SetDword(kUser, kAdvanced, L"Start_TrackDocs", 1);
    testreg::SetDword(kUser, kAdvanced, L"Start_ShowRecentDocs", 0);
    Start(kWin7);
    EXPECT_EQ(1, Check(kIdListMain, 15));
    TearDown();
    SetUp();
    // Windows XP row 15 needs both values: the per-user one alone shows cleared, and an
    // unchanged apply deletes it.
    testreg::SetDword(kUser, kPolicies, L"NoStartMenuMFUprogramsList", 1);
    Start(kXp);
    EXPECT_EQ(0, Check(kIdListMain, 15));
    ASSERT_EQ(0, Apply());
    EXPECT_FALSE(testreg::ValueExists(kUser, kPolicies, L"NoStartMenuMFUprogramsList"));
}

TEST_F(StartMenuPageOnWindows7, TheSimplifiedWordingSaysMenuDifferently)
{
    Start(kWin7, 936);
    for (const QmWString& text : {ItemText(kIdListMain, 9), ItemText(kIdListMain, 11), ItemText(kIdListMain, 13),
                                  App().Combo(2008)->GetItemText(2), App().Combo(2017)->GetItemText(2),
                                  App().Button(kIdGroupRight)->GetText(), App().Button(2048)->GetText()})
        EXPECT_NE(std::wstring::npos, std::wstring(text.CStr()).find(L"\x83DC\x5355")) << testreg::Narrow(text.CStr());  // 菜单
}

TEST_F(StartMenuPageOnWindows7, LayoutFitsTheWindow)
{
    Start(kWin7);
    ExpectLayoutFits("Windows 7");
}

}  // namespace
