#include "tests/pages/PageTest.h"

namespace {

// The row on Windows XP and on Vista and 7 (kNotShown: not there), and the value behind it.
const struct {
    int xp, vista7;
    RowValue value;
} kRows[] = {
    {0, 0, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowSearch", 0, 1, kWritesOff)},
    {1, 1, {M, 0, kUser, kAdvanced, L"Start_ShowRun", Sz(L"0"), Dw(0), Dw(1), Dw(0)}},  // another type reads as missing
    {2, 2, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowPrinters", 0, 1, kWritesOff)},
    {3, 3, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowHelp", 0, 1, kWritesOff)},
    {4, 4, Toggle(M, 0, kUser, kAdvanced, L"Start_EnableDragDrop", 0, 1, kWritesOff)},
    {5, 5, Toggle(M, 0, kUser, kPolicies, L"StartMenuLogoff", 0, 1, kWritesOff)},
    {6, kNotShown, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowRecentDocs", 0, 2, kWritesOff)},
    {7, 6, Toggle(M, 0, kUser, kAdvanced, L"StartMenuFavorites", 0, 2, kWritesOff)},
    {kNotShown, 7, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowUser", 1, 0, kWritesOff)},
    {8, 8, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowSetProgramAccessAndDefaults", 0, 1, kWritesOff)},
    {9, 9, Toggle(M, 0, kUser, kAdvanced, L"Start_ScrollPrograms", 0, 1, kWritesOff)},
    {10, 10, Toggle(M, 0, kUser, kAdvanced, L"Start_NotifyNewApps", 0, 1, kWritesOff)},
    {11, 11, Toggle(M, 0, kUser, kAdvanced, L"Start_AutoCascade", 0, 1, kWritesOff)},
    {kNotShown, 12, Toggle(M, 0, kUser, kAdvanced, L"Start_ShowNetPlaces", 0, 1, kWritesOff)},
    {12, 13, Toggle(M, 0, kMachine, kPolicies, L"NoChangeStartMenu", 0, 1, kDeletes)},
    {13, 14, Toggle(M, 0, kMachine, kPolicies, L"NoSMBalloonTip", 0, 1, kDeletes)},
    {14, kNotShown, Toggle(M, 0, kMachine, kPolicies, L"NoUserNameInStartMenu", 0, 1, kDeletes)},
    // Checked only when both are on: the per-user value alone reads cleared.
    {15, kNotShown, {M, 0, kUser, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), Dw(1), Dw(1), kAbsent}},
    {15, kNotShown, {M, 0, kMachine, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), kAbsent, Dw(1), kAbsent}},
    // The first value alone decides; the second follows it.
    {kNotShown, 15, Toggle(M, 0, kUser, kAdvanced, L"Start_TrackDocs", 0, 1, kWritesOff)},
    {kNotShown, 15, {M, 0, kUser, kAdvanced, L"Start_ShowRecentDocs", Dw(0), Dw(2), Dw(2), Dw(0)}},
    {kNotShown, 16, Toggle(M, 0, kUser, kAdvanced, L"Start_TrackProgs", 0, 1, kWritesOff)},
};

class StartMenuPage : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartMenuPage, EveryRowReadsAndWritesBothWaysAndMostReadCheckedWhenMissing)
{
    const bool xp = GetParam() == kXp;
    std::vector<RowValue> rows;
    std::vector<std::pair<int, int>> defaultOn;  // the rows of Explorer\Advanced values
    for (const auto& entry : kRows)
        if ((xp ? entry.xp : entry.vista7) != kNotShown) {
            rows.push_back(entry.value);
            rows.back().row = xp ? entry.xp : entry.vista7;
            if (entry.value.key == kAdvanced)
                defaultOn.push_back({M, rows.back().row});
        }
    Start(kPageStartMenu, GetParam());
    ExpectRowsBothWays(rows, defaultOn);
}

// A folder's value that matches no choice shows the middle one. Administrative tools are a pair
// of values, read when both match a choice; the menu delay is one of its listed texts; the
// icon size is the large icons' radio button when missing. A cleared box leaves its value.
TEST_P(StartMenuPage, ChoicesAndIconSizeReadAndWriteTheirValues)
{
    const bool xp = GetParam() == kXp;
    const bool vista = GetParam() == kVista;
    // box  combo (0: a radio button)  key  value  stored  shown (-1: cleared)  then chosen (-1: cleared)  written
    const struct { int box, combo; const wchar_t* key; const wchar_t* name; Data stored; int shown, chosen; Data written; } places[] = {
        {2041, 2008, kAdvanced, L"Start_ShowControlPanel", kAbsent, 1, 1, Dw(1)},
        {2042, 2009, kAdvanced, L"Start_ShowMyComputer", Dw(7), 1, 2, Dw(2)},
        {2043, 2200, kAdvanced, L"Start_ShowMyPics", Sz(L"2"), 1, 1, Dw(1)},
        {2044, 2014, kAdvanced, L"Start_ShowMyMusic", Dw(0), 0, 0, Dw(0)},
        {2045, 2015, kAdvanced, xp ? L"Start_ShowNetConn" : L"Start_ShowMyGames", Dw(1), 1, 1, Dw(1)},
        {2046, 2016, kAdvanced, L"Start_ShowMyDocs", Dw(2), 2, -1, Dw(2)},
        {2047, 2017, kAdvanced, L"Start_AdminToolsRoot", Dw(xp ? 0 : 2), xp ? 1 : vista ? -1 : 2, xp ? 0 : 1, Dw(0)},
        {2047, 2017, kAdvanced, L"StartMenuAdminTools", Dw(vista ? 0 : 1), xp ? 1 : vista ? -1 : 2, xp ? 0 : 1, Dw(xp ? 0 : 1)},
        {2048, 2018, kDesktop, L"MenuShowDelay", xp ? Sz(L"400") : vista ? Dw(400) : Sz(L"-2"), xp ? 7 : vista ? -1 : 0, 13, Sz(L"1000")},
        {2056, 0, kAdvanced, L"Start_LargeMFUIcons", xp ? Dw(0) : kAbsent, xp ? 0 : -1, -1, Dw(1)},
        {2057, 0, kAdvanced, L"Start_LargeMFUIcons", xp ? Dw(0) : kAbsent, xp ? -1 : 0, 0, Dw(1)},
    };
    for (const auto& p : places)
        Put(kUser, p.key, p.name, p.stored);
    Start(kPageStartMenu, GetParam());
    for (const auto& p : places)
        EXPECT_TRUE(BoxChecked(p.box) == (p.shown >= 0) && (p.shown < 0 || !p.combo || Selection(p.combo) == p.shown)) << p.box;
    for (const auto& p : places) {
        SetBox(p.box, p.chosen >= 0);
        if (p.combo && p.chosen >= 0)
            Select(p.combo, p.chosen);
    }
    ASSERT_EQ(0, Apply());
    for (const auto& p : places)
        EXPECT_TRUE(Holds(kUser, p.key, p.name, p.written)) << testreg::Narrow(p.name);
    // The 2015 value of the other versions is neither read nor written.
    EXPECT_TRUE(Holds(kUser, kAdvanced, xp ? L"Start_ShowMyGames" : L"Start_ShowNetConn", kAbsent));
    EXPECT_EQ(0u, std::wstring(App().Combo(2015)->GetItemText(0).CStr()).find(xp ? L"\x7DB2\x8DEF\x9023\x7DDA" : L"\x904A\x6A02\x5834"));  // 網路連線 / 遊樂場
}

INSTANTIATE_TEST_SUITE_P(Versions, StartMenuPage, ::testing::Values(kXp, kVista, kWin7), VersionName);

}  // namespace
