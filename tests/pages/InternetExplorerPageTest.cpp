#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"
#include "tests/pages/TwoListLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";
const wchar_t kToolbar[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar";
const wchar_t kCommandBar[] = L"Software\\Microsoft\\Internet Explorer\\CommandBar";
const wchar_t kTabs[] = L"Software\\Microsoft\\Internet Explorer\\TabbedBrowsing";
const wchar_t kSearchBox[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\InfoDelivery\\Restrictions";
const wchar_t kMenuBar[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const wchar_t kLinksBar[] = L"Software\\Microsoft\\Internet Explorer\\LinksBar";
const wchar_t kControlPanel[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const wchar_t kRestrictions[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const wchar_t kPolicies[] = L"Software\\Policies\\Microsoft\\Internet Explorer";
const wchar_t kInternetSettings[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

const DWORD kDeleted = 0xFFFFFFFF;  // clearing deletes the value

// A row: the HKEY_CURRENT_USER value behind it, its on value, a value that reads cleared, and
// what clearing it writes.
struct Row {
    const wchar_t* key;
    const wchar_t* name;
    DWORD on;
    DWORD readsCleared;
    DWORD clearedWrites;
};
const std::vector<Row> kCommon = {
    {kMain, L"NoUpdateCheck", 0, 1, 1},
    {kToolbar, L"Locked", 1, 0, 0},
    {kMain, L"AlwaysShowMenus", 1, 0, 0},
    {kMain, L"StatusBarWeb", 0, 1, 1},
};
const std::vector<Row> kIe7 = {
    {kCommandBar, L"Enabled", 0, 1, 1},
    {kCommandBar, L"SmallIcons", 0, 1, 1},
    {kSearchBox, L"NoSearchBox", 1, 0, 0},
    {kMenuBar, L"ITBar7Position", 1, 0, kDeleted},
    {kTabs, L"Enabled", 1, 0, 0},
    {kTabs, L"WarnOnClose", 1, 0, 0},
    {kTabs, L"OpenInForeground", 1, 0, 0},
    {kTabs, L"QuickTabsThreshold", 2, 1, 0},
    {kTabs, L"OpenAllHomePages", 0, 1, 1},
    {kTabs, L"UseHomepageForNewTab", 1, 0, 0},
    {kTabs, L"OpenAdjacent", 1, 0, 0},
};
const std::vector<Row> kIe8 = {
    {kLinksBar, L"Enabled", 0, 1, 1},
    {kCommandBar, L"CommandBarEnabled", 0, 1, 1},
    {kCommandBar, L"SmallIcons", 0, 1, 1},
    {kSearchBox, L"NoSearchBox", 1, 0, 0},
    {kMenuBar, L"ITBar7Position", 1, 0, kDeleted},
    {kTabs, L"Enabled", 1, 0, 0},
    {kTabs, L"WarnOnClose", 1, 0, 0},
    {kTabs, L"OpenInForeground", 1, 0, 0},
    {kTabs, L"QuickTabsThreshold", 2, 1, 0},
    {kTabs, L"OpenAllHomePages", 0, 1, 1},
};
const std::vector<Row> kRestrictionRows = {
    {kControlPanel, L"Homepage", 1, 0, 0},
    {kInternetSettings, L"DisablePasswordCaching", 1, 0, kDeleted},
    {kRestrictions, L"NoFileNew", 1, 0, 0},
    {kRestrictions, L"NoFileOpen", 1, 0, 0},
    {kRestrictions, L"NoBrowserSaveAs", 1, 0, 0},
    {kPolicies, L"DisableImportExportFavorites", 1, 0, kDeleted},
    {kRestrictions, L"NoHelpMenu", 1, 0, kDeleted},
    {kInternetSettings, L"DisableCachingOfSSLPages", 1, 0, 0},
};

struct Placed {
    int listId;
    int index;
    Row row;
};

std::vector<Placed> RowsFor(int ieVersion)
{
    std::vector<Placed> rows;
    std::vector<Row> options = kCommon;
    if (ieVersion == 7)
        options.insert(options.end(), kIe7.begin(), kIe7.end());
    if (ieVersion == 8)
        options.insert(options.end(), kIe8.begin(), kIe8.end());
    for (size_t i = 0; i < options.size(); ++i)
        rows.push_back({kIdListMain, static_cast<int>(i), options[i]});
    for (size_t i = 0; i < kRestrictionRows.size(); ++i)
        rows.push_back({kIdListRight, static_cast<int>(i), kRestrictionRows[i]});
    return rows;
}

::testing::AssertionResult Holds(const Row& row, DWORD expected)
{
    const testreg::Value value = testreg::Get(HKEY_CURRENT_USER, row.key, row.name);
    if (expected == kDeleted ? !value.exists : value.IsDword(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << testreg::Narrow(row.key) << " " << testreg::Narrow(row.name)
                                         << " is not " << (expected == kDeleted ? "absent" : std::to_string(expected));
}

class InternetExplorerPageFixture : public AppTest {
protected:
    void Start(int ieVersion, int language = 950)
    {
        StartApp(kWin7, ieVersion, 1, language);
        ShowPage(kPageInternetExplorer);
    }
};

class InternetExplorerPageTest : public InternetExplorerPageFixture, public ::testing::WithParamInterface<int> {};

TEST_P(InternetExplorerPageTest, EveryRowReadsAndWritesBothWays)
{
    const std::vector<Placed> rows = RowsFor(GetParam());
    for (const Placed& p : rows)
        testreg::SetDword(HKEY_CURRENT_USER, p.row.key, p.row.name, p.row.on);
    Start(GetParam());
    ASSERT_EQ(static_cast<int>(rows.size()) - 8, ItemCount(kIdListMain));
    ASSERT_EQ(8, ItemCount(kIdListRight));
    for (const Placed& p : rows)
        EXPECT_EQ(1, Check(p.listId, p.index)) << testreg::Narrow(p.row.name);
    for (const Placed& p : rows)
        SetCheck(p.listId, p.index, false);
    ASSERT_EQ(0, Apply());
    for (const Placed& p : rows) {
        EXPECT_TRUE(Holds(p.row, p.row.clearedWrites));
        // Rows 0 and 2 read a missing value as checked; none of them deletes.
        EXPECT_EQ(0, Check(p.listId, p.index)) << testreg::Narrow(p.row.name) << " after the re-read";
    }

    for (const Placed& p : rows)
        testreg::SetDword(HKEY_CURRENT_USER, p.row.key, p.row.name, p.row.readsCleared);
    Reread();
    for (const Placed& p : rows)
        EXPECT_EQ(0, Check(p.listId, p.index)) << testreg::Narrow(p.row.name);
    for (const Placed& p : rows)
        SetCheck(p.listId, p.index, true);
    ASSERT_EQ(0, Apply());
    for (const Placed& p : rows) {
        EXPECT_TRUE(Holds(p.row, p.row.on));
        EXPECT_EQ(1, Check(p.listId, p.index)) << testreg::Narrow(p.row.name) << " after the re-read";
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, InternetExplorerPageTest, ::testing::Values(6, 7, 8),
                         [](const ::testing::TestParamInfo<int>& info) { return "Ie" + std::to_string(info.param); });

class InternetExplorerPageOnOneVersion : public InternetExplorerPageFixture {};

TEST_F(InternetExplorerPageOnOneVersion, Ie6ReadsEachRowByItsOwnRuleAndWritesOnlyTheRowsEveryVersionHas)
{
    // The version blocks' values hold neither on nor off data: any write to them would show.
    for (const std::vector<Row>* block : {&kIe7, &kIe8})
        for (const Row& row : *block)
            testreg::SetDword(HKEY_CURRENT_USER, row.key, row.name, 7);
    testreg::SetString(HKEY_CURRENT_USER, kMain, L"AlwaysShowMenus", L"0");  // unreadable as a DWORD
    testreg::SetString(HKEY_CURRENT_USER, kToolbar, L"Locked", L"1");
    const testreg::Snapshot before = testreg::TakeSnapshot();
    Start(6);
    ASSERT_EQ(4, ItemCount(kIdListMain));
    // Rows 0 and 2 show checked when their value is missing or unreadable, rows 1 and 3 cleared.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i == 0 || i == 2 ? 1 : 0, Check(kIdListMain, i)) << i;
    for (int i = 0; i < ItemCount(kIdListRight); ++i)
        EXPECT_EQ(0, Check(kIdListRight, i)) << i;
    ASSERT_EQ(0, Apply());
    const std::string changes = testreg::Differences(before, testreg::TakeSnapshot());
    for (const char* versionKey : {"tabbedbrowsing", "commandbar", "linksbar", "webbrowser", "infodelivery"})
        EXPECT_EQ(std::string::npos, changes.find(versionKey)) << changes;
    for (size_t i = 0; i < kCommon.size(); ++i)
        EXPECT_TRUE(Holds(kCommon[i], i == 0 || i == 2 ? kCommon[i].on : kCommon[i].clearedWrites));
    for (const Row& row : kRestrictionRows)
        EXPECT_TRUE(Holds(row, row.clearedWrites));
}

TEST_F(InternetExplorerPageOnOneVersion, CaptionsFollowTheMajorVersion)
{
    struct Case {
        int version;
        const wchar_t* options;
        const wchar_t* restrictions;
    };
    const Case cases[] = {{4, L"IE 4", L"IE 4 禁止"}, {6, L"IE 6", L"IE 6 禁止"}, {8, L"IE 8", L"IE 8 禁止"},
                          {9, L"IE", L"IE 禁止"},     {0, L"IE", L"IE 禁止"}};
    for (const Case& c : cases) {
        Start(c.version);
        EXPECT_STREQ(c.options, App().Button(kIdGroupMain)->GetText().CStr()) << c.version;
        EXPECT_STREQ(c.restrictions, App().Button(kIdGroupRight)->GetText().CStr()) << c.version;
        TearDown();
        SetUp();
    }
}

TEST_F(InternetExplorerPageOnOneVersion, TheLongestListsFitAt640By480AfterTheIconsPage)
{
    StartApp(kXp, 7, 3, 950);
    ShowPage(kPageIcons);
    ShowPage(kPageInternetExplorer);
    ExpectTwoListsLaidOut(App());
}

TEST_F(InternetExplorerPageOnOneVersion, RowTextsFollowTheLanguageVariant)
{
    Start(7, 936);
    EXPECT_STREQ(L"显示菜单", ItemText(kIdListMain, 2).CStr());
    EXPECT_STREQ(L"菜单的位置放到最上层", ItemText(kIdListMain, 7).CStr());
    EXPECT_STREQ(L"关闭多个索引标签时，警告我", ItemText(kIdListMain, 9).CStr());
}

}  // namespace
