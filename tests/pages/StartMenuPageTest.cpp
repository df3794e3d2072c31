#include "tests/pages/PageTest.h"

namespace {

// A row's value: checked at `on`, cleared at `off`; clearing writes `off`, or deletes.
RowValue Row(HKEY root, const wchar_t* key, const wchar_t* name, DWORD off, DWORD on, bool deletes = false)
{
    return RowValue{M, 0, root, key, name, Dw(on), Dw(off), Dw(on), deletes ? kAbsent : Dw(off)};
}
const bool kDeletes = true;

// The row on Windows XP and on Vista and 7 (kNotShown: not there), and the value behind it.
const struct {
    int xp, vista7;
    RowValue value;
} kRows[] = {
    {0, 0, Row(kUser, kAdvanced, L"Start_ShowSearch", 0, 1)},
    {1, 1, Row(kUser, kAdvanced, L"Start_ShowRun", 0, 1)},
    {2, 2, Row(kUser, kAdvanced, L"Start_ShowPrinters", 0, 1)},
    {3, 3, Row(kUser, kAdvanced, L"Start_ShowHelp", 0, 1)},
    {4, 4, Row(kUser, kAdvanced, L"Start_EnableDragDrop", 0, 1)},
    {5, 5, Row(kUser, kPolicies, L"StartMenuLogoff", 0, 1)},
    {6, kNotShown, Row(kUser, kAdvanced, L"Start_ShowRecentDocs", 0, 2)},
    {7, 6, Row(kUser, kAdvanced, L"StartMenuFavorites", 0, 2)},
    {kNotShown, 7, Row(kUser, kAdvanced, L"Start_ShowUser", 1, 0)},
    {8, 8, Row(kUser, kAdvanced, L"Start_ShowSetProgramAccessAndDefaults", 0, 1)},
    {9, 9, Row(kUser, kAdvanced, L"Start_ScrollPrograms", 0, 1)},
    {10, 10, Row(kUser, kAdvanced, L"Start_NotifyNewApps", 0, 1)},
    {11, 11, Row(kUser, kAdvanced, L"Start_AutoCascade", 0, 1)},
    {kNotShown, 12, Row(kUser, kAdvanced, L"Start_ShowNetPlaces", 0, 1)},
    {12, 13, Row(kMachine, kPolicies, L"NoChangeStartMenu", 0, 1, kDeletes)},
    {13, 14, Row(kMachine, kPolicies, L"NoSMBalloonTip", 0, 1, kDeletes)},
    {14, kNotShown, Row(kMachine, kPolicies, L"NoUserNameInStartMenu", 0, 1, kDeletes)},
    // Checked only when both are on: the per-user value alone reads cleared.
    {15, kNotShown, {M, 0, kUser, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), Dw(1), Dw(1), kAbsent}},
    {15, kNotShown, {M, 0, kMachine, kPolicies, L"NoStartMenuMFUprogramsList", Dw(1), kAbsent, Dw(1), kAbsent}},
    // The first value alone decides; the second follows it.
    {kNotShown, 15, Row(kUser, kAdvanced, L"Start_TrackDocs", 0, 1)},
    {kNotShown, 15, {M, 0, kUser, kAdvanced, L"Start_ShowRecentDocs", Dw(0), Dw(2), Dw(2), Dw(0)}},
    {kNotShown, 16, Row(kUser, kAdvanced, L"Start_TrackProgs", 0, 1)},
};

class StartMenuPage : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartMenuPage, EveryRowReadsAndWritesBothWaysAndMostReadCheckedWhenMissing)
{
    const bool xp = GetParam() == kXp;
    std::vector<RowValue> rows;
    for (const auto& entry : kRows)
        if ((xp ? entry.xp : entry.vista7) != kNotShown) {
            rows.push_back(entry.value);
            rows.back().row = xp ? entry.xp : entry.vista7;
        }
    std::vector<std::pair<int, int>> defaultOn;
    for (int row = 0; row < (xp ? 12 : 17); ++row)
        if (row != 5 && (xp || (row != 13 && row != 14)))
            defaultOn.push_back({M, row});
    Start(kPageStartMenu, GetParam());
    ExpectRowsBothWays(rows, defaultOn);
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
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(BoxChecked(boxes[i]) && Selection(combos[i]) == shown[i]) << boxes[i];
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

}  // namespace
