#include "tests/pages/PageChecks.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const wchar_t kCdfs[] = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const wchar_t kMemory[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t kStorage[] = L"System\\CurrentControlSet\\Control\\StorageDevicePolicies";
const wchar_t kIeRestrictions[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const wchar_t kUserExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kMachineExplorer[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kMoveTo[] = L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Move To";
const wchar_t kCopyTo[] = L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Copy To";
const wchar_t kMoveToHandler[] = L"{C2FBB631-2971-11D1-A18C-00C04FD75D13}";
const wchar_t kCopyToHandler[] = L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}";
const wchar_t kNotepad[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad";
const wchar_t kNotepadCommand[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad\\command";
const wchar_t kWordPad[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad";
const wchar_t kWordPadCommand[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad\\command";
const wchar_t kWeb[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb";
const wchar_t kWebCommand[] = L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb\\command";

// One value behind a row: what reads as checked and as cleared, what checking and clearing
// write.
struct Value {
    HKEY root;
    const wchar_t* key;
    const wchar_t* name;
    Data readsChecked;
    Data readsCleared;
    Data checkedWrites;
    Data clearedWrites;
};
struct Row {
    const char* what;
    int listId;
    int row;
    std::vector<Value> values;
};

const Row kRows[] = {
    {"smoother DVD", kIdListMain, 0, {{HKEY_LOCAL_MACHINE, kCdfs, L"PrefetchTail", Dw(512), Dw(511), Dw(512), kAbsent}}},
    {"power off", kIdListMain, 1,
     {{HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", L"PowerdownAfterShutdown", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")}}},
    {"DVD in Media Player", kIdListMain, 2,
     {{HKEY_CURRENT_USER, L"Software\\Microsoft\\MediaPlayer\\Player\\Settings", L"EnableDVDUI", Sz(L"YES"), Sz(L"no"), Sz(L"yes"), Sz(L"no")}}},
    {"USB write protect", kIdListMain, 3, {{HKEY_LOCAL_MACHINE, kStorage, L"WriteProtect", Dw(1), Sz(L"1"), Dw(1), kAbsent}}},
    {"no browser menu", kIdListRight, 0,
     {{HKEY_CURRENT_USER, kIeRestrictions, L"NoBrowserContextMenu", Dw(1), Dw(1), Dw(1), kAbsent},
      {HKEY_LOCAL_MACHINE, kIeRestrictions, L"NoBrowserContextMenu", Dw(1), kAbsent, Dw(1), kAbsent}}},
    {"no taskbar menu", kIdListRight, 1,
     {{HKEY_CURRENT_USER, kUserExplorer, L"NoTrayContextMenu", Dw(1), Dw(0), Dw(1), Dw(0)},
      {HKEY_LOCAL_MACHINE, kMachineExplorer, L"NoTrayContextMenu", Dw(1), Dw(1), Dw(1), Dw(0)}}},
    {"move to", kIdListRight, 2,
     {{HKEY_LOCAL_MACHINE, kMoveTo, L"", Sz(L"{c2fbb631-2971-11d1-a18c-00c04fd75d13}"), Sz(kCopyToHandler), Sz(kMoveToHandler), kAbsent}}},
    {"copy to", kIdListRight, 3,
     {{HKEY_LOCAL_MACHINE, kCopyTo, L"", Sz(kCopyToHandler), Sz(L""), Sz(kCopyToHandler), kAbsent}}},
};

class HardwarePage : public AppTest {
protected:
    void Start(int os, int servicePack = 3, int language = 950)
    {
        StartApp(os, 8, servicePack, language);
        ShowPage(kPageHardware);
    }
};

class HardwarePageTest : public HardwarePage, public ::testing::WithParamInterface<int> {};

TEST_P(HardwarePageTest, EveryRowReadsAndWritesBothWays)
{
    for (const Row& row : kRows)
        for (const Value& v : row.values)
            Put(v.root, v.key, v.name, v.readsChecked);
    Start(GetParam());
    ASSERT_EQ(4, ItemCount(kIdListMain));
    ASSERT_EQ(7, ItemCount(kIdListRight));
    for (const Row& row : kRows)
        EXPECT_EQ(1, Check(row.listId, row.row)) << row.what;
    for (const Row& row : kRows)
        SetCheck(row.listId, row.row, false);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        for (const Value& v : row.values)
            EXPECT_TRUE(Holds(v.root, v.key, v.name, v.clearedWrites)) << row.what << " cleared";
        EXPECT_EQ(0, Check(row.listId, row.row)) << row.what << " after the re-read";
    }
    for (const Row& row : kRows)
        for (const Value& v : row.values)
            Put(v.root, v.key, v.name, v.readsCleared);
    Reread();
    for (const Row& row : kRows)
        EXPECT_EQ(0, Check(row.listId, row.row)) << row.what;
    for (const Row& row : kRows)
        SetCheck(row.listId, row.row, true);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        for (const Value& v : row.values)
            EXPECT_TRUE(Holds(v.root, v.key, v.name, v.checkedWrites)) << row.what << " checked";
        EXPECT_EQ(1, Check(row.listId, row.row)) << row.what << " after the re-read";
    }
}

// A pair's choice and the number it stands for.
struct PairCase {
    int checkId;
    int comboId;
    const wchar_t* key;
    const wchar_t* name;
    int position;
    const wchar_t* text;
    DWORD number;
};
const PairCase kPairCases[] = {
    {2041, 2008, kCdfs, L"Prefetch", 0, L"CD 4x", 228},
    {2041, 2008, kCdfs, L"Prefetch", 10, L"CD 8x 或 DVD 1x", 448},
    {2041, 2008, kCdfs, L"Prefetch", 14, L"DVD 8x", 4096},
    {2041, 2008, kCdfs, L"Prefetch", 17, L"DVD 16x", 8912},
    {2042, 2009, kCdfs, L"CacheSize", 0, L"預設", 619},
    {2042, 2009, kCdfs, L"CacheSize", 3, L"更大", 4952},
    {2043, 2200, kMemory, L"IoPageLockLimit", 0, L"64 MB", 4096},
    {2043, 2200, kMemory, L"IoPageLockLimit", 1, L"128 MB", 16384},
    {2043, 2200, kMemory, L"IoPageLockLimit", 4, L"512 MB", 262144},
    {2043, 2200, kMemory, L"IoPageLockLimit", 32, L"4096 MB", 16777216},
    {2044, 2014, kMemory, L"SecondLevelDataCache", 0, L"64 KB", 64},
    {2044, 2014, kMemory, L"SecondLevelDataCache", 5, L"2 MB", 2048},
};

TEST_F(HardwarePage, PairsWriteTheChosenNumberAndReadItBack)
{
    Start(kVista);
    const int counts[][2] = {{2008, 18}, {2009, 4}, {2200, 33}, {2014, 6}};
    for (const auto& count : counts)
        EXPECT_EQ(count[1], App().Combo(count[0])->GetCount()) << count[0];
    // Round r takes the r-th case of every pair.
    for (int round = 0; round < 4; ++round) {
        std::vector<const PairCase*> cases;
        std::map<int, int> seen;
        for (const PairCase& c : kPairCases)
            if (seen[c.checkId]++ == round)
                cases.push_back(&c);
        for (const PairCase* c : cases) {
            Put(HKEY_LOCAL_MACHINE, c->key, c->name, Dw(1));  // no choice of any pair
            App().Button(c->checkId)->SetChecked();
            App().Combo(c->comboId)->SetCurSel(c->position);
            EXPECT_EQ(c->text, std::wstring(App().Combo(c->comboId)->GetItemText(c->position).CStr()));
        }
        ASSERT_EQ(0, Apply());
        for (const PairCase* c : cases) {
            EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, c->key, c->name, Dw(c->number))) << testreg::Narrow(c->text);
            EXPECT_EQ(BST_CHECKED, App().Button(c->checkId)->GetCheck()) << testreg::Narrow(c->text);
            EXPECT_EQ(c->position, App().Combo(c->comboId)->GetCurSel()) << testreg::Narrow(c->text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, HardwarePageTest, ::testing::Values(kXp, kVista, kWin7),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
                         });

TEST_F(HardwarePage, TheUsbRowNeedsServicePack2OnXp)
{
    Put(HKEY_LOCAL_MACHINE, kStorage, L"WriteProtect", Dw(1));
    Start(kXp, 1);
    EXPECT_EQ(3, ItemCount(kIdListMain));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kStorage, L"WriteProtect", Dw(1)));  // neither read nor written
    TearDown();
    SetUp();
    Put(HKEY_LOCAL_MACHINE, kStorage, L"WriteProtect", Dw(1));
    Start(kXp, 2);
    EXPECT_EQ(4, ItemCount(kIdListMain));
    EXPECT_EQ(1, Check(kIdListMain, 3));
}

TEST_F(HardwarePage, PairValuesOutsideTheTablesAndTheClearedActions)
{
    Put(HKEY_LOCAL_MACHINE, kCdfs, L"Prefetch", Dw(1000));
    Put(HKEY_LOCAL_MACHINE, kCdfs, L"CacheSize", Sz(L"619"));  // a number of another type
    Put(HKEY_LOCAL_MACHINE, kMemory, L"IoPageLockLimit", Dw(262145));
    Put(HKEY_LOCAL_MACHINE, kMemory, L"SecondLevelDataCache", Dw(512));
    Start(kWin7);
    for (int id : {2041, 2042, 2043})
        EXPECT_EQ(BST_UNCHECKED, App().Button(id)->GetCheck()) << id;
    for (int id : {2008, 2009, 2200})
        EXPECT_EQ(-1, App().Combo(id)->GetCurSel()) << id;
    EXPECT_EQ(BST_CHECKED, App().Button(2044)->GetCheck());
    EXPECT_EQ(3, App().Combo(2014)->GetCurSel());

    // Checked without a choice writes nothing; the others are cleared: pair 4 writes 0, the
    // rest delete.
    App().Button(2041)->SetChecked();
    App().Button(2044)->SetUnchecked();
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kCdfs, L"Prefetch", Dw(1000)));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kCdfs, L"CacheSize", kAbsent));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kMemory, L"IoPageLockLimit", kAbsent));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kMemory, L"SecondLevelDataCache", Dw(0)));

    // Applying the page as read again deletes the unknown Prefetch value.
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kCdfs, L"Prefetch", kAbsent));
}

TEST_F(HardwarePage, ShellEntriesCreateAndRemoveWholeKeys)
{
    Start(kWin7);
    const std::wstring root = WindowsDriveRootForTest();
    ASSERT_EQ(3u, root.size());
    for (int row : {4, 5, 6}) {
        EXPECT_EQ(0, Check(kIdListRight, row));
        SetCheck(kIdListRight, row, true);
    }
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kNotepad, L"", Sz(L"用記事本開啟")));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kNotepadCommand, L"", Sz(L"notepad.exe \"%1\"")));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kWordPad, L"", Sz(L"用 WordPad 開啟")));
    const std::wstring wordpad = root + L"Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\"";
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kWordPadCommand, L"", Sz(wordpad.c_str())));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kWeb, L"", Sz(L"用 IE 開啟")));
    const std::wstring iexplore = root + L"Program Files\\Internet Explorer\\iexplore.exe \"%1\"";
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kWebCommand, L"", Sz(iexplore.c_str())));
    for (int row : {4, 5, 6})
        EXPECT_EQ(1, Check(kIdListRight, row)) << row;

    // A menu text changed by hand reads cleared, and applying that removes both keys all the
    // same. A command key holding a value of someone else's keeps both keys.
    Put(HKEY_LOCAL_MACHINE, kWordPad, L"", Sz(L"WordPad"));
    Put(HKEY_LOCAL_MACHINE, kNotepadCommand, L"DelegateExecute", Sz(L"x"));
    Reread();
    EXPECT_EQ(0, Check(kIdListRight, 5));
    EXPECT_EQ(1, Check(kIdListRight, 4));
    SetCheck(kIdListRight, 4, false);
    ASSERT_EQ(0, Apply());
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, kWordPad));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kNotepad, L"", Sz(L"用記事本開啟")));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kNotepadCommand, L"DelegateExecute", Sz(L"x")));
    EXPECT_TRUE(testreg::KeyExists(HKEY_LOCAL_MACHINE, kWeb));

    // An empty command key goes, and then its shell key holding only the menu text.
    Put(HKEY_LOCAL_MACHINE, kWebCommand, L"", kAbsent);
    SetCheck(kIdListRight, 6, false);
    ASSERT_EQ(0, Apply());
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, kWeb));
}

TEST_F(HardwarePage, AHandlerKeyWithAnotherValueSurvivesClearing)
{
    Put(HKEY_LOCAL_MACHINE, kMoveTo, L"", Sz(kMoveToHandler));
    Put(HKEY_LOCAL_MACHINE, kMoveTo, L"Note", Sz(L"kept"));
    Put(HKEY_LOCAL_MACHINE, kCopyTo, L"", Sz(kCopyToHandler));
    Start(kXp);
    EXPECT_EQ(1, Check(kIdListRight, 2));
    EXPECT_EQ(1, Check(kIdListRight, 3));
    SetCheck(kIdListRight, 2, false);
    SetCheck(kIdListRight, 3, false);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kMoveTo, L"", Sz(kMoveToHandler)));
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kMoveTo, L"Note", Sz(L"kept")));
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, kCopyTo));
}

TEST_F(HardwarePage, SimplifiedChineseTextsAreShownAndWritten)
{
    Start(kWin7, 1, 936);
    EXPECT_STREQ(L"使用浏览器时,滑鼠右键没有内容菜单", ItemText(kIdListRight, 0).CStr());
    EXPECT_STREQ(L"光碟机读取资料速度", App().Button(2041)->GetText().CStr());
    SetCheck(kIdListRight, 4, true);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, kNotepad, L"", Sz(L"用记事本开启")));
    EXPECT_EQ(1, Check(kIdListRight, 4));
    // The Traditional text does not match under this variant.
    Put(HKEY_LOCAL_MACHINE, kNotepad, L"", Sz(L"用記事本開啟"));
    Reread();
    EXPECT_EQ(0, Check(kIdListRight, 4));
}

TEST_F(HardwarePage, RecommendedSettingsChangeOnlyTheControls)
{
    Start(kVista);
    SetCheck(kIdListMain, 3, true);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
    for (int row : {0, 1, 2})
        EXPECT_EQ(1, Check(kIdListMain, row)) << row;
    EXPECT_EQ(0, Check(kIdListMain, 3));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

TEST_F(HardwarePage, NothingOverlapsAt640By480)
{
    Start(kWin7);
    EXPECT_EQ("", Overlaps(App(), {kIdGroupMain, kIdGroupRight, kIdApplyButton, kIdRecommendButton}));
    EXPECT_EQ("", Overlaps(App(), {kIdListMain, 2041, 2042, 2043, 2044, 2008, 2009, 2200, 2014}));
    EXPECT_EQ("", NotInside(App(), kIdGroupMain, {kIdListMain, 2041, 2042, 2043, 2044, 2008, 2009, 2200, 2014}));
    EXPECT_EQ("", NotInside(App(), kIdGroupRight, {kIdListRight}));
    EXPECT_EQ("", RowsOutOfSight(*App().ListView(kIdListMain)));
    EXPECT_EQ("", RowsOutOfSight(*App().ListView(kIdListRight)));
}

}  // namespace
