#include "tests/pages/PageTest.h"
#include "tests/support/RegistryFacts.h"

#include <iterator>

namespace {

const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kUpdate[] = L"SYSTEM\\CurrentControlSet\\Control\\Update";
const wchar_t kDesktop[] = L"Control Panel\\Desktop";
const wchar_t kDefaultDesktop[] = L".DEFAULT\\Control Panel\\Desktop";
const wchar_t kMemory[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t kPrefetch[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters";
const wchar_t kControl[] = L"System\\CurrentControlSet\\Control";
const wchar_t kFileSystem[] = L"System\\CurrentControlSet\\Control\\FileSystem";
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;
const HKEY kUsers = HKEY_USERS;

// what  list  row  root  key  value  reads checked  reads cleared  checked writes  cleared writes
const RowValueCase kRows[] = {
    {"clear recent (machine)", kIdListMain, 0, kMachine, kPolicies, L"ClearRecentDocsOnExit", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"clear recent (user)", kIdListMain, 0, kUser, kPolicies, L"ClearRecentDocsOnExit", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"update mode", kIdListMain, 1, kMachine, kUpdate, L"UpdateMode", Dw(0), Dw(1), Dw(0), Dw(1)},
    {"update verbose", kIdListMain, 1, kMachine, kUpdate, L"Verbose", Dw(1), kAbsent, Dw(1), kAbsent},
    {"update load balance", kIdListMain, 1, kMachine, kUpdate, L"LoadBalance", Dw(1), kAbsent, Dw(1), kAbsent},
    {"end tasks (user)", kIdListMain, 2, kUser, kDesktop, L"AutoEndTasks", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
    {"end tasks (default user)", kIdListMain, 2, kUsers, kDefaultDesktop, L"AutoEndTasks", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
    {"paging executive", kIdListMain, 3, kMachine, kMemory, L"DisablePagingExecutive", Dw(1), Dw(0), Dw(1), Dw(0)},
    {"force FIFO", kIdListMain, 4, kMachine, L"System\\CurrentControlSet\\Control\\Class\\fdc\\0000", L"ForceFIFO", Dw(0), Dw(1), Dw(0), kAbsent},
    {"unload libraries", kIdListMain, 5, kMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL", L"", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"")},
    {"font smoothing", kIdListRight, 0, kUser, kDesktop, L"FontSmoothing", Sz(L"2"), Sz(L"1"), Sz(L"2"), Sz(L"0")},
    {"minimise animation", kIdListRight, 1, kUser, L"Control Panel\\Desktop\\WindowMetrics", L"MinAnimate", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
};
const RowValueCase kXpRows[] = {
    {"folder tasks", kIdListRight, 2, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"WebView", Dw(1), Dw(0), Dw(1), Dw(0)},
};

class SystemPageTest : public PageTest, public ::testing::WithParamInterface<int> {
protected:
    void Start(int os)
    {
        StartApp(os);
        ShowPage(kPageSystem);
    }
};

TEST_P(SystemPageTest, EveryRowReadsAndWritesBothWays)
{
    const bool xp = GetParam() == kXp;
    Start(GetParam());
    EXPECT_EQ(6, ItemCount(kIdListMain));
    EXPECT_EQ(xp ? 3 : 2, ItemCount(kIdListRight));
    ExpectRowsBothWays(kRows, static_cast<int>(std::size(kRows)));
    if (xp)
        ExpectRowsBothWays(kXpRows, 1);
    else
        EXPECT_TRUE(Holds(kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"WebView", kAbsent));
}

TEST_P(SystemPageTest, ChoicesReadFromEveryPlaceAndWriteToEveryPlace)
{
    const bool xp = GetParam() == kXp;
    testreg::SetDword(kMachine, kPrefetch, L"EnablePrefetcher", 1);
    testreg::SetString(kUser, kDesktop, L"HungAppTimeout", L"1000");  // the machine's is absent
    testreg::SetString(kMachine, kControl, L"WaitToKillServiceTimeout", L"20000");
    testreg::SetString(kUsers, kDefaultDesktop, L"WaitToKillServiceTimeout", L"20000");
    testreg::SetString(kUser, kDesktop, L"WaitToKillAppTimeout", L"1000");
    testreg::SetString(kUsers, kDefaultDesktop, L"WaitToKillAppTimeout", L"2000");
    testreg::SetDword(kMachine, kFileSystem, L"ContigFileAllocSize", 1536);
    testreg::SetDword(kMachine, kMemory, L"LargeSystemCache", 1);
    Start(GetParam());
    struct Expected {
        int box;
        int combo;
        bool checked;
        int selection;
    };
    const Expected shown[] = {
        {2042, 2009, true, 0},
        {2043, 2200, !xp, xp ? -1 : 3},  // XP wants all three places; Vista and 7 the user's
        {2044, 2014, true, 0},
        {2045, 2015, false, -1},  // the two places disagree
        {2046, 2016, true, 3},
        {2047, 2017, true, 1},
    };
    for (const Expected& e : shown) {
        EXPECT_EQ(e.checked, BoxChecked(e.box)) << e.box;
        EXPECT_EQ(e.selection, Selection(e.combo)) << e.box;
    }
    // Unchanged: the prefetch value is written back; a cleared box leaves its places alone.
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kMachine, kPrefetch, L"EnablePrefetcher", Dw(1)));
    EXPECT_TRUE(Holds(kUsers, kDefaultDesktop, L"WaitToKillAppTimeout", Sz(L"2000")));
    if (xp) {
        EXPECT_TRUE(Holds(kMachine, kControl, L"HungAppTimeout", kAbsent));
    }

    const Expected chosen[] = {{2042, 2009, true, 4}, {2043, 2200, true, 7}, {2044, 2014, true, 6},
                               {2045, 2015, true, 1}, {2046, 2016, true, 20}, {2047, 2017, true, 0}};
    for (const Expected& e : chosen) {
        SetBox(e.box, e.checked);
        Select(e.combo, e.selection);
    }
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kMachine, kPrefetch, L"EnablePrefetcher", Dw(5)));
    EXPECT_TRUE(Holds(kUser, kDesktop, L"HungAppTimeout", Sz(L"200")));
    EXPECT_TRUE(Holds(kMachine, kControl, L"HungAppTimeout", Sz(L"200")));
    EXPECT_TRUE(Holds(kUsers, kDefaultDesktop, L"HungAppTimeout", Sz(L"200")));
    EXPECT_TRUE(Holds(kMachine, kControl, L"WaitToKillServiceTimeout", Sz(L"2000")));
    EXPECT_TRUE(Holds(kUsers, kDefaultDesktop, L"WaitToKillServiceTimeout", Sz(L"2000")));
    EXPECT_TRUE(Holds(kUser, kDesktop, L"WaitToKillAppTimeout", Sz(L"15000")));
    EXPECT_TRUE(Holds(kUsers, kDefaultDesktop, L"WaitToKillAppTimeout", Sz(L"15000")));
    EXPECT_TRUE(Holds(kMachine, kFileSystem, L"ContigFileAllocSize", Dw(10240)));
    EXPECT_TRUE(Holds(kMachine, kMemory, L"LargeSystemCache", Dw(0)));
    for (const Expected& e : chosen)
        EXPECT_TRUE(BoxChecked(e.box) && Selection(e.combo) == e.selection) << e.box << " after the re-read";
}

TEST_P(SystemPageTest, DisagreeingPlacesAndDataOutsideTheListsShowCleared)
{
    testreg::SetDword(kMachine, kPolicies, L"ClearRecentDocsOnExit", 0);
    testreg::SetDword(kUser, kPolicies, L"ClearRecentDocsOnExit", 1);
    testreg::SetString(kUser, kDesktop, L"AutoEndTasks", L"1");
    testreg::SetString(kUsers, kDefaultDesktop, L"AutoEndTasks", L"0");
    testreg::SetDword(kMachine, kPrefetch, L"EnablePrefetcher", 9);
    testreg::SetString(kMachine, kControl, L"WaitToKillServiceTimeout", L"12000");
    testreg::SetString(kUsers, kDefaultDesktop, L"WaitToKillServiceTimeout", L"12000");
    testreg::SetDword(kMachine, kFileSystem, L"ContigFileAllocSize", 768);
    testreg::SetDword(kMachine, kMemory, L"LargeSystemCache", 5);
    Start(GetParam());
    EXPECT_EQ(0, Check(kIdListMain, 0));
    EXPECT_EQ(0, Check(kIdListMain, 2));
    for (int box = 2042; box <= 2047; ++box)
        EXPECT_FALSE(BoxChecked(box)) << box;
    for (int combo : {2009, 2200, 2014, 2015, 2016, 2017})
        EXPECT_EQ(-1, Selection(combo)) << combo;
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kMachine, kPrefetch, L"EnablePrefetcher", Dw(9)));
    EXPECT_TRUE(Holds(kMachine, kControl, L"WaitToKillServiceTimeout", Sz(L"12000")));
    EXPECT_TRUE(Holds(kMachine, kMemory, L"LargeSystemCache", Dw(5)));
    EXPECT_TRUE(Holds(kMachine, kFileSystem, L"ContigFileAllocSize", kAbsent));  // a cleared box deletes it
    EXPECT_TRUE(Holds(kUser, kPolicies, L"ClearRecentDocsOnExit", Dw(0)));
    EXPECT_TRUE(Holds(kUser, kDesktop, L"AutoEndTasks", Sz(L"0")));
}

TEST_P(SystemPageTest, RecommendedSettingsChangeOnlyTheControls)
{
    const bool xp = GetParam() == kXp;
    testreg::SetDword(kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"ThumbnailSize", 96);
    testreg::SetDword(kMachine, kPolicies, L"ClearRecentDocsOnExit", 1);
    testreg::SetDword(kUser, kPolicies, L"ClearRecentDocsOnExit", 1);
    testreg::SetDword(kMachine, kFileSystem, L"ContigFileAllocSize", 512);
    Start(GetParam());
    const testreg::Snapshot before = testreg::TakeSnapshot();
    App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    EXPECT_EQ(0, Check(kIdListMain, 0));
    EXPECT_EQ(1, Check(kIdListRight, 0));
    EXPECT_EQ(0, Check(kIdListRight, 1));
    if (xp) {
        EXPECT_FALSE(BoxChecked(2041));
    }
    // box  checked  combo  selection (2016 keeps the one read)
    const int expected[][4] = {{2042, 1, 2009, 2}, {2043, 1, 2200, 7}, {2044, 1, 2014, 7},
                               {2045, 1, 2015, 7}, {2046, 0, 2016, 1}, {2047, 1, 2017, 0}};
    for (const auto& e : expected) {
        EXPECT_EQ(e[1] == 1, BoxChecked(e[0])) << e[0];
        EXPECT_EQ(e[3], Selection(e[2])) << e[2];
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, SystemPageTest, ::testing::Values(kXp, kVista, kWin7), VersionName);

class SystemPageOnOneVersion : public SystemPageTest {};

TEST_F(SystemPageOnOneVersion, ThumbnailSizeOnWindowsXp)
{
    testreg::SetDword(kUser, kExplorer, L"ThumbnailSize", 96);
    Start(kXp);
    QmTrackbar* trackbar = App().Trackbar(kIdThumbnailTrackbar);
    QmStatic* sizeText = App().Static(kIdStaticThumbnailSize);
    EXPECT_TRUE(BoxChecked(2041));
    EXPECT_EQ(96, trackbar->GetPos());
    EXPECT_STREQ(L"96", sizeText->GetText().CStr());
    // Moving the track bar shows its position; checked, the position is written.
    trackbar->SetPos(200);
    SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 200), reinterpret_cast<LPARAM>(trackbar->Handle()));
    EXPECT_STREQ(L"200", sizeText->GetText().CStr());
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", Dw(200)));

    testreg::SetDword(kUser, kExplorer, L"ThumbnailSize", 300);
    Reread();
    EXPECT_FALSE(BoxChecked(2041));
    EXPECT_EQ(32, trackbar->GetPos());
    EXPECT_STREQ(L"", sizeText->GetText().CStr());
    ASSERT_EQ(0, Apply());  // cleared: the value goes
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", kAbsent));
}

TEST_F(SystemPageOnOneVersion, NoThumbnailSizeOnWindows7)
{
    testreg::SetDword(kUser, kExplorer, L"ThumbnailSize", 96);
    Start(kWin7);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", Dw(96)));
    EXPECT_LT(App().Trackbar(kIdThumbnailTrackbar)->GetPositionInParent().x, 0);  // not placed
}

TEST_F(SystemPageOnOneVersion, LayoutFitsTheWindow)
{
    Start(kXp);  // the thumbnail rows under the appearance list
    ExpectLayoutFits("XP");
}

}  // namespace
