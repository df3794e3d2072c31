#include "tests/pages/PageTest.h"

#include <algorithm>

namespace {

const wchar_t kMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";
const wchar_t kCommandBar[] = L"Software\\Microsoft\\Internet Explorer\\CommandBar";
const wchar_t kTabs[] = L"Software\\Microsoft\\Internet Explorer\\TabbedBrowsing";
const wchar_t kSearchBox[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\InfoDelivery\\Restrictions";
const wchar_t kMenuBar[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const wchar_t kRestrictions[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const wchar_t kInternetSettings[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const DWORD kDeletes = 0xFFFFFFFF;

// A row: the HKEY_CURRENT_USER value behind it, its on value, a value that reads cleared, and
// what clearing writes.
struct Row {
    const wchar_t* key;
    const wchar_t* name;
    DWORD on, readsCleared, clearedWrites;
};
const std::vector<Row> kCommon = {
    {kMain, L"NoUpdateCheck", 0, 1, 1},
    {L"Software\\Microsoft\\Internet Explorer\\Toolbar", L"Locked", 1, 0, 0},
    {kMain, L"AlwaysShowMenus", 1, 0, 0},
    {kMain, L"StatusBarWeb", 0, 1, 1},
};
const std::vector<Row> kIe7 = {
    {kCommandBar, L"Enabled", 0, 1, 1},         {kCommandBar, L"SmallIcons", 0, 1, 1},
    {kSearchBox, L"NoSearchBox", 1, 0, 0},      {kMenuBar, L"ITBar7Position", 1, 0, kDeletes},
    {kTabs, L"Enabled", 1, 0, 0},               {kTabs, L"WarnOnClose", 1, 0, 0},
    {kTabs, L"OpenInForeground", 1, 0, 0},      {kTabs, L"QuickTabsThreshold", 2, 1, 0},
    {kTabs, L"OpenAllHomePages", 0, 1, 1},      {kTabs, L"UseHomepageForNewTab", 1, 0, 0},
    {kTabs, L"OpenAdjacent", 1, 0, 0},
};
const std::vector<Row> kIe8 = {
    {L"Software\\Microsoft\\Internet Explorer\\LinksBar", L"Enabled", 0, 1, 1},
    {kCommandBar, L"CommandBarEnabled", 0, 1, 1}, {kCommandBar, L"SmallIcons", 0, 1, 1},
    {kSearchBox, L"NoSearchBox", 1, 0, 0},        {kMenuBar, L"ITBar7Position", 1, 0, kDeletes},
    {kTabs, L"Enabled", 1, 0, 0},                 {kTabs, L"WarnOnClose", 1, 0, 0},
    {kTabs, L"OpenInForeground", 1, 0, 0},        {kTabs, L"QuickTabsThreshold", 2, 1, 0},
    {kTabs, L"OpenAllHomePages", 0, 1, 1},
};
const std::vector<Row> kRestrictionRows = {
    {L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel", L"Homepage", 1, 0, 0},
    {kInternetSettings, L"DisablePasswordCaching", 1, 0, kDeletes},
    {kRestrictions, L"NoFileNew", 1, 0, 0},
    {kRestrictions, L"NoFileOpen", 1, 0, 0},
    {kRestrictions, L"NoBrowserSaveAs", 1, 0, 0},
    {L"Software\\Policies\\Microsoft\\Internet Explorer", L"DisableImportExportFavorites", 1, 0, kDeletes},
    {kRestrictions, L"NoHelpMenu", 1, 0, kDeletes},
    {kInternetSettings, L"DisableCachingOfSSLPages", 1, 0, 0},
};

// The common rows, then the block of Internet Explorer 7 or 8; the values of a block not shown
// stay as they are.
std::vector<RowValue> Rows(int ieVersion)
{
    std::vector<RowValue> rows;
    auto add = [&rows](int list, int row, const Row& r) {
        rows.push_back({list, row, HKEY_CURRENT_USER, r.key, r.name, Dw(r.on), Dw(r.readsCleared), Dw(r.on),
                        r.clearedWrites == kDeletes ? kAbsent : Dw(r.clearedWrites)});
    };
    std::vector<Row> options = kCommon;
    const std::vector<Row>& shown = ieVersion == 7 ? kIe7 : kIe8;
    if (ieVersion == 7 || ieVersion == 8)
        options.insert(options.end(), shown.begin(), shown.end());
    for (size_t i = 0; i < options.size(); ++i)
        add(kIdListMain, static_cast<int>(i), options[i]);
    for (size_t i = 0; i < kRestrictionRows.size(); ++i)
        add(kIdListRight, static_cast<int>(i), kRestrictionRows[i]);
    for (const std::vector<Row>* block : {&kIe7, &kIe8})
        for (const Row& r : *block)
            if (std::none_of(options.begin(), options.end(), [&r](const Row& o) { return std::wstring(o.key) == r.key && std::wstring(o.name) == r.name; }))
                add(kIdListMain, kNotShown, r);
    return rows;
}

class InternetExplorerPage : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(InternetExplorerPage, EveryRowReadsAndWritesBothWays)
{
    Start(kPageInternetExplorer, kWin7, GetParam(), 1);
    ExpectRowsBothWays(Rows(GetParam()), {{kIdListMain, 0}, {kIdListMain, 2}});
}

INSTANTIATE_TEST_SUITE_P(Versions, InternetExplorerPage, ::testing::Values(6, 7, 8),
                         [](const ::testing::TestParamInfo<int>& info) { return "Ie" + std::to_string(info.param); });

TEST_F(InternetExplorerPage, CaptionsFollowTheMajorVersion)
{
    struct Case {
        int version;
        const wchar_t* options;
        const wchar_t* restrictions;
    };
    const Case cases[] = {{4, L"IE 4", L"IE 4 禁止"}, {6, L"IE 6", L"IE 6 禁止"}, {8, L"IE 8", L"IE 8 禁止"},
                          {9, L"IE", L"IE 禁止"},     {0, L"IE", L"IE 禁止"}};
    for (const Case& c : cases) {
        Start(kPageInternetExplorer, kWin7, c.version, 1);
        EXPECT_STREQ(c.options, App().Button(kIdGroupMain)->GetText().CStr()) << c.version;
        EXPECT_STREQ(c.restrictions, App().Button(kIdGroupRight)->GetText().CStr()) << c.version;
        TearDown();
        SetUp();
    }
}

TEST_F(InternetExplorerPage, RowTextsFollowTheLanguageVariant)
{
    Start(kPageInternetExplorer, kWin7, 7, 1, 936);
    EXPECT_STREQ(L"显示菜单", ItemText(kIdListMain, 2).CStr());
    EXPECT_STREQ(L"菜单的位置放到最上层", ItemText(kIdListMain, 7).CStr());
    EXPECT_STREQ(L"关闭多个索引标签时，警告我", ItemText(kIdListMain, 9).CStr());
}

}  // namespace
