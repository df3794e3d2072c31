#include "tests/pages/PageTest.h"

namespace {

const wchar_t kCdfs[] = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const wchar_t kMemory[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t kIeRestrictions[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const wchar_t kMoveTo[] = L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Move To";
const wchar_t kCopyTo[] = L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Copy To";
const wchar_t kMoveToHandler[] = L"{C2FBB631-2971-11D1-A18C-00C04FD75D13}";
const wchar_t kCopyToHandler[] = L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}";
const std::wstring kNotepad = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad";
const std::wstring kWordPad = L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad";
const std::wstring kWeb = L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb";

// The Windows folder's drive root ("C:\"), found independently of the program.
std::wstring DriveRoot()
{
    wchar_t folder[MAX_PATH] = {};
    return GetWindowsDirectoryW(folder, MAX_PATH) >= 3 ? std::wstring(folder, 3) : std::wstring();
}

struct System { const char* name; int os, servicePack, language; bool windowsFolderMissing; };

// The USB row needs Windows XP service pack 2, or Vista or 7. A shell row is checked while its
// key holds the menu text of the system's wording (and so not the other's); checking writes the
// text and the command, WordPad's and IE's on the Windows folder's drive, or without that
// folder on the C: drive (never a command without a drive); clearing removes both keys.
std::vector<RowValue> Rows(const System& system)
{
    const int usb = system.os == kXp && system.servicePack < 2 ? kNotShown : 3;
    const std::wstring root = system.windowsFolderMissing ? L"C:\\" : DriveRoot();
    const bool simplified = system.language == 936;
    const std::wstring notepad = simplified ? L"用记事本开启" : L"用記事本開啟";
    const std::wstring wordPad = simplified ? L"用 WordPad 开启" : L"用 WordPad 開啟", ie = simplified ? L"用 IE 开启" : L"用 IE 開啟";
    // list  row  root  key  value  reads checked  reads cleared  checking writes  clearing writes
    return {
        {M, 0, kMachine, kCdfs, L"PrefetchTail", Dw(512), Dw(511), Dw(512), kAbsent},
        {M, 1, kMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", L"PowerdownAfterShutdown", Sz(L"1"), Sz(L"0"), Sz(L"1"), Sz(L"0")},
        {M, 2, kUser, L"Software\\Microsoft\\MediaPlayer\\Player\\Settings", L"EnableDVDUI", Sz(L"YES"), Sz(L"no"), Sz(L"yes"), Sz(L"no")},
        {M, usb, kMachine, L"System\\CurrentControlSet\\Control\\StorageDevicePolicies", L"WriteProtect", Dw(1), Sz(L"1"), Dw(1), kAbsent},
        {R, 0, kUser, kIeRestrictions, L"NoBrowserContextMenu", Dw(1), Dw(1), Dw(1), kAbsent},
        {R, 0, kMachine, kIeRestrictions, L"NoBrowserContextMenu", Dw(1), kAbsent, Dw(1), kAbsent},
        {R, 1, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoTrayContextMenu", Dw(1), Dw(0), Dw(1), Dw(0)},
        {R, 1, kMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoTrayContextMenu", Dw(1), Dw(1), Dw(1), Dw(0)},
        {R, 2, kMachine, kMoveTo, L"", Sz(L"{c2fbb631-2971-11d1-a18c-00c04fd75d13}"), Sz(kCopyToHandler), Sz(kMoveToHandler), kNoKey},
        {R, 3, kMachine, kCopyTo, L"", Sz(kCopyToHandler), Sz(L""), Sz(kCopyToHandler), kNoKey},
        {R, 4, kMachine, kNotepad, L"", Sz(notepad), Sz(simplified ? L"用記事本開啟" : L"Notepad"), Sz(notepad), kNoKey, notepad},
        {R, 4, kMachine, kNotepad + L"\\command", L"", Sz(L"x"), Sz(L"x"), Sz(L"notepad.exe \"%1\""), kNoKey},
        {R, 5, kMachine, kWordPad, L"", Sz(wordPad), kNoKey, Sz(wordPad), kNoKey, wordPad},
        {R, 5, kMachine, kWordPad + L"\\command", L"", kNoKey, kNoKey, Sz(root + L"Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""), kNoKey},
        {R, 6, kMachine, kWeb, L"", Sz(ie), kNoKey, Sz(ie), kNoKey, ie},
        {R, 6, kMachine, kWeb + L"\\command", L"", Sz(L"x"), kNoKey, Sz(root + L"Program Files\\Internet Explorer\\iexplore.exe \"%1\""), kNoKey},
    };
}

class HardwarePage : public PageTest, public ::testing::WithParamInterface<System> {};

TEST_P(HardwarePage, EveryRowReadsAndWritesBothWays)
{
    ASSERT_EQ(3u, DriveRoot().size());
    Start(kPageHardware, GetParam().os, 8, GetParam().servicePack, GetParam().language);
    App().windowsFolderMissing = GetParam().windowsFolderMissing;  // asked for at the first apply
    ExpectRowsBothWays(Rows(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Systems, HardwarePage,
                         ::testing::Values(System{"XpSp1", kXp, 1, 950, false}, System{"XpSp2", kXp, 2, 950, false},
                                           System{"VistaSimplified", kVista, 2, 936, false},
                                           System{"Win7WithoutWindowsFolder", kWin7, 1, 950, true}),
                         [](const ::testing::TestParamInfo<System>& info) { return info.param.name; });

// A pair's choice: its text and the number it writes.
struct Choice {
    int box, combo;
    const wchar_t* key;
    const wchar_t* name;
    int position;
    const wchar_t* text;
    DWORD number;
};
const Choice kChoices[] = {
    {2041, 2008, kCdfs, L"Prefetch", 0, L"CD 4x", 228},       {2041, 2008, kCdfs, L"Prefetch", 17, L"DVD 16x", 8912},
    {2042, 2009, kCdfs, L"CacheSize", 1, L"適中", 1238},      {2042, 2009, kCdfs, L"CacheSize", 3, L"更大", 4952},
    {2043, 2200, kMemory, L"IoPageLockLimit", 1, L"128 MB", 16384}, {2043, 2200, kMemory, L"IoPageLockLimit", 32, L"4096 MB", 16777216},
    {2044, 2014, kMemory, L"SecondLevelDataCache", 0, L"64 KB", 64}, {2044, 2014, kMemory, L"SecondLevelDataCache", 5, L"2 MB", 2048},
};

TEST_F(HardwarePage, PairsWriteTheChosenNumberAndReadItBack)
{
    Start(kPageHardware, kVista);
    for (auto [combo, count] : {std::pair{2008, 18}, {2009, 4}, {2200, 33}, {2014, 6}})
        EXPECT_EQ(count, App().Combo(combo)->GetCount()) << combo;
    for (const Choice& c : kChoices) {
        Put(kMachine, c.key, c.name, Dw(1));  // no choice of any pair
        SetBox(c.box, true);
        Select(c.combo, c.position);
        EXPECT_STREQ(c.text, App().Combo(c.combo)->GetItemText(c.position).CStr());
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(kMachine, c.key, c.name, Dw(c.number)));
        EXPECT_TRUE(BoxChecked(c.box) && Selection(c.combo) == c.position) << testreg::Narrow(c.text) << " read back";
    }
}

TEST_F(HardwarePage, PairValuesOutsideTheTablesAndTheClearedActions)
{
    Put(kMachine, kCdfs, L"Prefetch", Dw(1000));
    Put(kMachine, kCdfs, L"CacheSize", Sz(L"619"));  // a number of another type
    Put(kMachine, kMemory, L"IoPageLockLimit", Dw(262145));
    Put(kMachine, kMemory, L"SecondLevelDataCache", Dw(512));
    Start(kPageHardware, kWin7);
    for (auto [box, combo] : {std::pair{2041, 2008}, {2042, 2009}, {2043, 2200}})
        EXPECT_TRUE(!BoxChecked(box) && Selection(combo) == -1) << box;
    EXPECT_TRUE(BoxChecked(2044) && Selection(2014) == 3);
    // Checked without a choice writes nothing; cleared, pair 4 writes 0 and the others delete.
    SetBox(2041, true);
    SetBox(2044, false);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kMachine, kCdfs, L"Prefetch", Dw(1000)));
    EXPECT_TRUE(Holds(kMachine, kCdfs, L"CacheSize", kAbsent));
    EXPECT_TRUE(Holds(kMachine, kMemory, L"IoPageLockLimit", kAbsent));
    EXPECT_TRUE(Holds(kMachine, kMemory, L"SecondLevelDataCache", Dw(0)));
    ASSERT_EQ(0, Apply());  // as read again: the unknown Prefetch value goes too
    EXPECT_TRUE(Holds(kMachine, kCdfs, L"Prefetch", kAbsent));
}

TEST_F(HardwarePage, ClearingKeepsAKeyThatHoldsSomethingElse)
{
    Put(kMachine, kMoveTo, L"", Sz(kMoveToHandler));
    Put(kMachine, kMoveTo, L"Note", Sz(L"kept"));
    Put(kMachine, kNotepad, L"", Sz(L"用記事本開啟"));
    Put(kMachine, kNotepad + L"\\command", L"", Sz(L"notepad.exe"));
    Put(kMachine, kNotepad + L"\\command", L"DelegateExecute", Sz(L"x"));  // someone else's
    Put(kMachine, kWordPad, L"", Sz(L"WordPad"));  // changed by hand: reads cleared, goes all the same
    Put(kMachine, kWordPad + L"\\command", L"", Sz(L"wordpad.exe"));
    Put(kMachine, kWeb, L"", Sz(L"用 IE 開啟"));  // an empty command key goes, then the shell key
    Put(kMachine, kWeb + L"\\command", nullptr, kKey);
    Start(kPageHardware, kXp);
    EXPECT_TRUE(Check(R, 2) == 1 && Check(R, 4) == 1 && Check(R, 5) == 0 && Check(R, 6) == 1);
    for (int row : {2, 4, 6})
        SetCheck(R, row, false);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kMachine, kMoveTo, L"", Sz(kMoveToHandler)));
    EXPECT_TRUE(Holds(kMachine, kMoveTo, L"Note", Sz(L"kept")));
    EXPECT_TRUE(Holds(kMachine, kNotepad, L"", Sz(L"用記事本開啟")));
    EXPECT_TRUE(Holds(kMachine, kNotepad + L"\\command", L"DelegateExecute", Sz(L"x")));
    EXPECT_TRUE(Holds(kMachine, kWordPad, nullptr, kNoKey));
    EXPECT_TRUE(Holds(kMachine, kWeb, nullptr, kNoKey));
}

}  // namespace
