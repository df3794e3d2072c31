// Hardware page (page 4, "硬件"): optical-drive, disk-cache and power rows with four value
// pairs under them, and a second list of mouse and context-menu rows, three of which add
// whole shell keys. Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

// --- First list ("硬件") ---------------------------------------------------------------------

// item  label  type  root  key  value  off  on
const DwordToggle kDvdPrefetchTail[] = {
    {0, "更順暢播放 DVD", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", L"PrefetchTail", 0, 512},
};
const StringToggle kPowerAndDvdTexts[] = {
    {0, "關機後關閉電源", REG_SZ, kRootLocalMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", L"PowerdownAfterShutdown", "0", "1"},
    {1, "讓 Windows Media Player 可播放 DVD", REG_SZ, kRootCurrentUser, L"Software\\Microsoft\\MediaPlayer\\Player\\Settings", L"EnableDVDUI", "no", "yes"},
};
const DwordToggle kUsbWriteProtect[] = {
    {0, "不將資料從電腦寫入 USB 儲存裝置", REG_DWORD, kRootLocalMachine, L"System\\CurrentControlSet\\Control\\StorageDevicePolicies", L"WriteProtect", 0, 1},
};

// --- Value pairs under the first list ------------------------------------------------------

// item  label  type  root  key  value
const ValueSlot kPairValues[] = {
    {0, "光碟機讀取資料速度", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", L"Prefetch"},
    {1, "光碟機記憶體緩衝大小", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", L"CacheSize"},
    {2, "硬碟緩衝大小", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", L"IoPageLockLimit"},
    {3, "CPU 二級快取緩衝", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", L"SecondLevelDataCache"},
};

// Drive speeds, in the list's own order (not by value).
const ChoiceRun kDriveSpeeds[] = {
    Named("CD 4x", 228),           Named("CD 12x", 672),           Named("CD 20x", 1120),
    Named("CD 24x", 1344),         Named("CD 40x", 2240),          Named("CD 44x", 2462),
    Named("CD 48x", 2688),         Named("CD 52x", 2912),          Named("CD 60x", 3372),
    Named("CD 72x", 4104),         Named("CD 8x 或 DVD 1x", 448),  Named("CD 16x 或 DVD 2x", 896),
    Named("CD 32x 或 DVD 4x", 1792), Named("DVD 6x", 3584),        Named("DVD 8x", 4096),
    Named("DVD 10x", 5376),        Named("DVD 12x", 6400),         Named("DVD 16x", 8912),
};
const ChoiceRun kDriveCacheSizes[] = {
    Named("預設", 619), Named("適中", 1238), Named("大", 2476), Named("更大", 4952),
};
// A lock limit of N MB is stored as N squared.
const ChoiceRun kDiskCacheSizes[] = {
    {64, 64, 1, ChoiceNumber::Square, ChoiceShows::Counter, 1, {""}, " MB"},
    {128, 4096, 128, ChoiceNumber::Square, ChoiceShows::Counter, 1, {""}, " MB"},
};
const ChoiceRun kSecondLevelCacheSizes[] = {
    Named("64 KB", 64), Named("128 KB", 128), Named("256 KB", 256),
    Named("512 KB", 512), Named("1 MB", 1024), Named("2 MB", 2048),
};

// check  combo  caption  choices  place  when cleared (WriteOff writes 0)
const ChoiceRow kPairs[] = {
    {2041, 2008, {"光碟機讀取資料速度"}, ListOf(kDriveSpeeds), {PlaceOf(kPairValues[0])}, kDelete},
    {2042, 2009, {"光碟機記憶體緩衝大小"}, ListOf(kDriveCacheSizes), {PlaceOf(kPairValues[1])}, kDelete},
    {2043, 2200, {"硬碟緩衝大小"}, ListOf(kDiskCacheSizes), {PlaceOf(kPairValues[2])}, kDelete},
    {2044, 2014, {"CPU 二級快取緩衝"}, ListOf(kSecondLevelCacheSizes), {PlaceOf(kPairValues[3])}, kOff},
};
const int kPairRowHeight = 20;
const int kPairRowStep = 24;  // each row 4 pixels below the check box above
const int kPairRowsHeight = kPairRowStep * CountOf(kPairs);

// --- Second list ("滑鼠") --------------------------------------------------------------------

// Each setting in both places, per user first.
// item  label  type  root  key  value  off  on
const DwordToggle kNoBrowserContextMenu[] = {
    {0, "使用瀏覽器時,滑鼠右鍵沒有內容CHIKon能表", REG_DWORD, kRootCurrentUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoBrowserContextMenu", 0, 1},
    {1, "使用瀏覽器時,滑鼠右鍵沒有內容CHIKon能表", REG_DWORD, kRootLocalMachine, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoBrowserContextMenu", 0, 1},
};
const DwordToggle kNoTrayContextMenu[] = {
    {0, "工作列按滑鼠右鍵不顯示內容CHIKon能表", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoTrayContextMenu", 0, 1},
    {1, "工作列按滑鼠右鍵不顯示內容CHIKon能表", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoTrayContextMenu", 0, 1},
};
// Context-menu handlers: the key's default value names the handler.
const StringToggle kMenuHandlers[] = {
    {0, "滑鼠右鍵增加 (移到資料夾)", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Move To", L"", "", "{C2FBB631-2971-11D1-A18C-00C04FD75D13}"},
    {1, "滑鼠右鍵增加 (複製到資料夾)", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\Copy To", L"", "", "{C2FBB630-2971-11D1-A18C-00C04FD75D13}"},
};
// Open-with entries for every file: the shell key (its default value is the menu text) and
// its command subkey.
// item  label  root  key
const KeyToggle kShellKeys[] = {
    {0, "滑鼠右鍵增加 (用記事本開啟)", kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad"},
    {1, "滑鼠右鍵增加 (用 WordPad 開啟)", kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad"},
    {2, "滑鼠右鍵增加 (用 IE 開啟)", kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb"},
};
// item  label  type  root  key  value  off  on
const StringToggle kShellCommands[] = {
    {0, "滑鼠右鍵增加 (用記事本開啟)", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad\\command", L"", "", "notepad.exe \"%1\""},
    {1, "滑鼠右鍵增加 (用 WordPad 開啟)", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad\\command", L"", "", "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""},
    {2, "滑鼠右鍵增加 (用 IE 開啟)", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb\\command", L"", "", "C:\\Program Files\\Internet Explorer\\iexplore.exe \"%1\""},
};
// The command texts of WordPad and IE name a fixed drive; apply writes the Windows folder's
// drive instead.
// key  command  menu text  program below the Windows drive's root
const ShellEntry kShellEntries[] = {
    {&kShellKeys[0], &kShellCommands[0], "用記事本開啟", nullptr},
    {&kShellKeys[1], &kShellCommands[1], "用 WordPad 開啟", L"Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""},
    {&kShellKeys[2], &kShellCommands[2], "用 IE 開啟", L"Program Files\\Internet Explorer\\iexplore.exe \"%1\""},
};

// --- Rows ----------------------------------------------------------------------------------

// text (950, 936 where it differs)  picture  kind  values (with what clearing does)  [shown on  recommended  shell entry]
const CheckRow kHardwareRows[] = {
    {{"更順暢播放 DVD"}, 5, kPlain, {Dw(kDvdPrefetchTail[0], kDelete)}, kAll, kCheck},
    {{"關機後關閉電源"}, 5, kPlain, {Sz(kPowerAndDvdTexts[0])}, kAll, kCheck},
    {{"讓 Windows Media Player 可播放 DVD"}, 5, kPlain, {Sz(kPowerAndDvdTexts[1])}, kAll, kCheck},
    {{"不將資料從電腦寫入 USB 儲存裝置"}, 5, kPlain, {Dw(kUsbWriteProtect[0], kDelete)}, ShownOn::XpSp2AndLater, kClear},
};
const CheckRow kMouseRows[] = {
    {{"使用瀏覽器時,滑鼠右鍵沒有內容功能表", "使用瀏覽器時,滑鼠右鍵沒有內容菜單"}, 49, kPlain,
     {Dw(kNoBrowserContextMenu[0], kDelete), Dw(kNoBrowserContextMenu[1], kDelete)}},
    {{"工作列按滑鼠右鍵不顯示內容功能表", "工作列按滑鼠右鍵不顯示內容菜單"}, 49, kPlain,
     {Dw(kNoTrayContextMenu[0]), Dw(kNoTrayContextMenu[1])}},
    {{"滑鼠右鍵增加 (移到資料夾)"}, 49, RowKind::HandlerKey, {Sz(kMenuHandlers[0])}},
    {{"滑鼠右鍵增加 (複製到資料夾)"}, 49, RowKind::HandlerKey, {Sz(kMenuHandlers[1])}},
    {{"滑鼠右鍵增加 (用記事本開啟)"}, 49, RowKind::ShellEntry, {}, kAll, kNone, &kShellEntries[0]},
    {{"滑鼠右鍵增加 (用 WordPad 開啟)"}, 49, RowKind::ShellEntry, {}, kAll, kNone, &kShellEntries[1]},
    {{"滑鼠右鍵增加 (用 IE 開啟)"}, 49, RowKind::ShellEntry, {}, kAll, kNone, &kShellEntries[2]},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleHardware), {kHardwareRows}},
    {kIdGroupRight, kIdListRight, Title(kTitleMouse), {kMouseRows}},
};
// A backup keeps the pairs between the two lists.
const ListTable kHardwareList(&kLists[0], 1);
const ListTable kMouseList(&kLists[1], 1);

bool HasControls(const QmThisApp& app)
{
    return HasTableControls(app, kLists, kPairs);
}

}  // namespace

int ShowHardwarePage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    ShowRows(app, kLists);
    ShowChoices(app, kPairs);
    return 1;
}

int LayoutHardwarePage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    const int left = LeftColumnWidth(width);
    // The group box holds the list and, under it, the four pair rows.
    Box group = PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, left, height - 52 - kPairRowsHeight);
    if (app.ListView(kIdListMain)->GetRowHeight() > 0) {
        group.height += kPairRowsHeight;
        Place(app, kIdGroupMain, group.x, group.y, group.width, group.height);
    }
    const Box list = ListInGroup(group);
    int y = list.y + list.height - kPairRowsHeight + 4;
    for (const ChoiceRow& pair : kPairs) {
        Place(app, pair.boxId, list.x, y, list.width / 2 + 10, kPairRowHeight);
        // Right-aligned with the list: x = left width - 54 - list width / 4.
        const int comboWidth = list.width / 4 + 50;
        Place(app, pair.comboId, list.x + list.width - comboWidth, y, comboWidth, kChoiceDropHeight);
        y += kPairRowStep;
    }
    PlaceListGroup(app, kIdGroupRight, kIdListRight, RightColumnX(width), kPageTop, RightColumnWidth(width),
                   height - 52);
    PlaceApplyButtons(app, width, height);
    return 0;
}

void ReadHardwarePage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
    ReadChoices(kPairs, system, state);
}

int ApplyHardwarePage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) {
        ApplyRows(reg, page, kLists);
        ApplyChoices(reg, page, kPairs);
    });
}

void RecommendHardwarePage(QmThisApp& app)
{
    RecommendRows(app, kLists);
}

void HardwareBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kHardwareList, app.Facts(), items);
    BackupChoices(kPairs, app.Facts(), items);
    BackupRows(kMouseList, app.Facts(), items);
}
