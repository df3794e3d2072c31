#include "tests/pages/PageTest.h"

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
// what clearing writes; for the options, the versions whose block shows it.
struct Row {
    const wchar_t* key;
    const wchar_t* name;
    DWORD on, readsCleared, clearedWrites;
    bool ie7 = false, ie8 = false;
};
const Row kOptions[] = {
    {kMain, L"NoUpdateCheck", 0, 1, 1, true, true},
    {L"Software\\Microsoft\\Internet Explorer\\Toolbar", L"Locked", 1, 0, 0, true, true},
    {kMain, L"AlwaysShowMenus", 1, 0, 0, true, true},
    {kMain, L"StatusBarWeb", 0, 1, 1, true, true},
    // The blocks of Internet Explorer 7 and 8.
    {kCommandBar, L"Enabled", 0, 1, 1, true, false},
    {L"Software\\Microsoft\\Internet Explorer\\LinksBar", L"Enabled", 0, 1, 1, false, true},
    {kCommandBar, L"CommandBarEnabled", 0, 1, 1, false, true},
    {kCommandBar, L"SmallIcons", 0, 1, 1, true, true},
    {kSearchBox, L"NoSearchBox", 1, 0, 0, true, true},
    {kMenuBar, L"ITBar7Position", 1, 0, kDeletes, true, true},
    {kTabs, L"Enabled", 1, 0, 0, true, true},
    {kTabs, L"WarnOnClose", 1, 0, 0, true, true},
    {kTabs, L"OpenInForeground", 1, 0, 0, true, true},
    {kTabs, L"QuickTabsThreshold", 2, 1, 0, true, true},
    {kTabs, L"OpenAllHomePages", 0, 1, 1, true, true},
    {kTabs, L"UseHomepageForNewTab", 1, 0, 0, true, false},
    {kTabs, L"OpenAdjacent", 1, 0, 0, true, false},
};
const int kCommonRows = 4;
const Row kRestrictionRows[] = {
    {L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel", L"Homepage", 1, 0, 0},
    {kInternetSettings, L"DisablePasswordCaching", 1, 0, kDeletes},
    {kRestrictions, L"NoFileNew", 1, 0, 0},
    {kRestrictions, L"NoFileOpen", 1, 0, 0},
    {kRestrictions, L"NoBrowserSaveAs", 1, 0, 0},
    {L"Software\\Policies\\Microsoft\\Internet Explorer", L"DisableImportExportFavorites", 1, 0, kDeletes},
    {kRestrictions, L"NoHelpMenu", 1, 0, kDeletes},
    {kInternetSettings, L"DisableCachingOfSSLPages", 1, 0, 0},
};

// The common rows, then the block of Internet Explorer 7 or 8 (9 has none); the values of rows
// not shown stay as they are.
std::vector<RowValue> Rows(int ieVersion)
{
    std::vector<RowValue> rows;
    auto add = [&rows](int list, int row, const Row& r) {
        rows.push_back({list, row, kUser, r.key, r.name, Dw(r.on), Dw(r.readsCleared), Dw(r.on),
                        r.clearedWrites == kDeletes ? kAbsent : Dw(r.clearedWrites)});
    };
    int next = 0;
    for (const Row& r : kOptions) {
        const bool shown = &r - kOptions < kCommonRows || (ieVersion == 7 ? r.ie7 : ieVersion == 8 && r.ie8);
        add(M, shown ? next++ : kNotShown, r);
    }
    for (const Row& r : kRestrictionRows)
        add(R, static_cast<int>(&r - kRestrictionRows), r);
    return rows;
}

class InternetExplorerPage : public PageTest, public ::testing::WithParamInterface<int> {};

// The group captions name the major version, but a version the page does not know.
TEST_P(InternetExplorerPage, EveryRowReadsAndWritesBothWays)
{
    Start(kPageInternetExplorer, kWin7, GetParam(), 1);
    const std::wstring ie = GetParam() < 9 ? L"IE " + std::to_wstring(GetParam()) : L"IE";
    EXPECT_EQ(ie + L"|" + ie + L" 禁止", std::wstring(App().Button(kIdGroupMain)->GetText().CStr()) + L"|" +
                                             App().Button(kIdGroupRight)->GetText().CStr());
    ExpectRowsBothWays(Rows(GetParam()), {{kIdListMain, 0}, {kIdListMain, 2}});
}

INSTANTIATE_TEST_SUITE_P(Versions, InternetExplorerPage, ::testing::Values(6, 7, 8, 9),
                         [](const ::testing::TestParamInfo<int>& info) { return "Ie" + std::to_string(info.param); });

}  // namespace
