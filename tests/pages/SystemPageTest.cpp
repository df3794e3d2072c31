#include "tests/pages/PageTest.h"

namespace {

const wchar_t kUpdate[] = L"SYSTEM\\CurrentControlSet\\Control\\Update";
const wchar_t kDefaultDesktop[] = L".DEFAULT\\Control Panel\\Desktop";
const wchar_t kMemory[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t kPrefetch[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters";
const wchar_t kControl[] = L"System\\CurrentControlSet\\Control";
const wchar_t kFileSystem[] = L"System\\CurrentControlSet\\Control\\FileSystem";

// Values kept in two places read checked only when both agree.
std::vector<RowValue> Rows(int os)
{
    // list  row  root  key  value  reads checked  reads cleared  checking writes  clearing writes
    return {
        {M, 0, kMachine, kPolicies, L"ClearRecentDocsOnExit", Dw(1), Dw(0), Dw(1), Dw(0)},
        {M, 0, kUser, kPolicies, L"ClearRecentDocsOnExit", Dw(1), Dw(1), Dw(1), Dw(0)},
        {M, 1, kMachine, kUpdate, L"UpdateMode", Dw(0), Dw(1), Dw(0), Dw(1)},
        {M, 1, kMachine, kUpdate, L"Verbose", Dw(1), kAbsent, Dw(1), kAbsent},
        {M, 1, kMachine, kUpdate, L"LoadBalance", Dw(1), kAbsent, Dw(1), kAbsent},
        {M, 2, kUser, kDesktop, L"AutoEndTasks", Sz(L"1"), Sz(L"1"), Sz(L"1"), Sz(L"0")},
        {M, 2, kUsers, kDefaultDesktop, L"AutoEndTasks", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
        {M, 3, kMachine, kMemory, L"DisablePagingExecutive", Dw(1), Dw(0), Dw(1), Dw(0)},
        {M, 4, kMachine, L"System\\CurrentControlSet\\Control\\Class\\fdc\\0000", L"ForceFIFO", Dw(0), Dw(1), Dw(0), kAbsent},
        {M, 5, kMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL", L"", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"")},
        {R, 0, kUser, kDesktop, L"FontSmoothing", Sz(L"2"), Sz(L"1"), Sz(L"2"), Sz(L"0")},
        {R, 1, kUser, L"Control Panel\\Desktop\\WindowMetrics", L"MinAnimate", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
        {R, os == kXp ? 2 : kNotShown, kUser, kAdvanced, L"WebView", Dw(1), Dw(0), Dw(1), Dw(0)},
    };
}

PAGE_ROWS_BY_VERSION(System);

// A choice shows only when every place agrees (Vista and 7 read the hang timeout as the user's),
// and data outside the list shows cleared. A cleared box leaves its places, but the allocation
// size's; a choice goes to every place, a REG_SZ place as decimal text.
TEST_P(SystemPage, ChoicesReadFromEveryPlaceAndWriteToEveryPlace)
{
    const bool xp = GetParam() == kXp;
    // The places of the second to the seventh pair: root  key  value  stored  after an apply as read  after the choices below
    const struct { HKEY root; const wchar_t* key; const wchar_t* name; Data stored, asRead, chosen; } places[] = {
        {kMachine, kPrefetch, L"EnablePrefetcher", Dw(9), Dw(9), Dw(5)},
        {kUser, kDesktop, L"HungAppTimeout", Sz(L"1000"), Sz(L"1000"), Sz(L"200")},
        {kMachine, kControl, L"HungAppTimeout", kAbsent, xp ? kAbsent : Sz(L"1000"), Sz(L"200")},
        {kUsers, kDefaultDesktop, L"HungAppTimeout", kAbsent, xp ? kAbsent : Sz(L"1000"), Sz(L"200")},
        {kMachine, kControl, L"WaitToKillServiceTimeout", Sz(L"20000"), Sz(L"20000"), Sz(L"2000")},
        {kUsers, kDefaultDesktop, L"WaitToKillServiceTimeout", Sz(L"20000"), Sz(L"20000"), Sz(L"2000")},
        {kUser, kDesktop, L"WaitToKillAppTimeout", Sz(L"1000"), Sz(L"1000"), Sz(L"15000")},
        {kUsers, kDefaultDesktop, L"WaitToKillAppTimeout", Sz(L"2000"), Sz(L"2000"), Sz(L"15000")},
        {kMachine, kFileSystem, L"ContigFileAllocSize", Dw(768), kAbsent, Dw(10240)},
        {kMachine, kMemory, L"LargeSystemCache", Dw(1), Dw(1), Dw(0)},
    };
    const int read[] = {-1, xp ? -1 : 3, 0, -1, -1, 1};  // -1: cleared
    const int chosen[] = {4, 7, 6, 1, 20, 0};
    for (const auto& p : places)
        Put(p.root, p.key, p.name, p.stored);
    Start(kPageSystem, GetParam());
    const int* boxes = kBoxes + 1;
    const int* combos = kCombos + 1;
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(BoxChecked(boxes[i]) == (read[i] >= 0) && Selection(combos[i]) == read[i]) << boxes[i];
    ASSERT_EQ(0, Apply());
    for (const auto& p : places)
        EXPECT_TRUE(Holds(p.root, p.key, p.name, p.asRead)) << "applied as read";
    for (int i = 0; i < 6; ++i) {
        SetBox(boxes[i], true);
        Select(combos[i], chosen[i]);
    }
    ASSERT_EQ(0, Apply());
    for (const auto& p : places)
        EXPECT_TRUE(Holds(p.root, p.key, p.name, p.chosen)) << "chosen";
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(BoxChecked(boxes[i]) && Selection(combos[i]) == chosen[i]) << boxes[i] << " read back";
}

TEST_F(SystemPage, TheThumbnailSizeIsWindowsXpsOnly)
{
    Put(kUser, kExplorer, L"ThumbnailSize", Dw(96));
    Start(kPageSystem, kXp);
    QmTrackbar* trackbar = App().Trackbar(kIdThumbnailTrackbar);
    QmStatic* sizeText = App().Static(kIdStaticThumbnailSize);
    EXPECT_TRUE(BoxChecked(2041) && trackbar->GetPos() == 96);
    EXPECT_STREQ(L"96", sizeText->GetText().CStr());
    trackbar->SetPos(200);
    SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 200), reinterpret_cast<LPARAM>(trackbar->Handle()));
    EXPECT_STREQ(L"200", sizeText->GetText().CStr());
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", Dw(200)));
    // Outside 32 to 256: cleared, and applying that deletes the value.
    Put(kUser, kExplorer, L"ThumbnailSize", Dw(300));
    Reread();
    EXPECT_TRUE(!BoxChecked(2041) && trackbar->GetPos() == 32);
    EXPECT_STREQ(L"", sizeText->GetText().CStr());
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", kAbsent));

    Restart();
    Put(kUser, kExplorer, L"ThumbnailSize", Dw(96));
    Start(kPageSystem, kWin7);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kExplorer, L"ThumbnailSize", Dw(96)));
    EXPECT_LT(App().Trackbar(kIdThumbnailTrackbar)->GetPositionInParent().x, 0);  // not placed
}

// The track bar moved by messages while reads of the page come one after another: no read
// touches a control or its wrapper off the window's thread (the test build counts every
// such call), and the last read shows what the registry holds.
TEST_F(SystemPage, ReadsLeaveTheControlsToTheWindowsThread)
{
    Put(kUser, kExplorer, L"ThumbnailSize", Dw(96));
    Start(kPageSystem, kXp);
    QmTrackbar* trackbar = App().Trackbar(kIdThumbnailTrackbar);
    const long offThreadBefore = QmWndBase::OffThreadCalls();
    for (int read = 0; read < 20; ++read) {
        App().StartReadWorker(Window());
        for (int position = 32; position <= 256; position += 32) {
            trackbar->SetPos(position);
            SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                         reinterpret_cast<LPARAM>(trackbar->Handle()));
        }
    }
    WaitForReads();
    EXPECT_EQ(offThreadBefore, QmWndBase::OffThreadCalls());
    EXPECT_EQ(96, trackbar->GetPos());
    EXPECT_STREQ(L"96", App().Static(kIdStaticThumbnailSize)->GetText().CStr());
    EXPECT_TRUE(App().Combo(kIdPageList)->IsEnabled());
}

}  // namespace
