// Hardware page (page 4, "硬件"): optical-drive, disk-cache and power rows with four value
// pairs under them, and a second list of mouse and context-menu rows, three of which add
// whole shell keys. Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckRows.h"
#include "model/ChoiceLists.h"
#include "model/ChoiceRows.h"
#include "model/CheckListRefill.h"
#include "model/GroupRows.h"
#include "model/RedrawPause.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
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

const TextRecord kHardwareRowTexts[] = {
    {950, "更順暢播放 DVD"},
    {950, "關機後關閉電源"},
    {950, "讓 Windows Media Player 可播放 DVD"},
    {950, "不將資料從電腦寫入 USB 儲存裝置"},
};
const int kHardwareImage = 5;
const int kUsbRow = 3;  // Windows XP from service pack 2, Vista and 7 only

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
    {64, 64, 1, ChoiceNumber::Square, ChoiceShows::Counter, 1, "", " MB"},
    {128, 4096, 128, ChoiceNumber::Square, ChoiceShows::Counter, 1, "", " MB"},
};
const ChoiceRun kSecondLevelCacheSizes[] = {
    Named("64 KB", 64), Named("128 KB", 128), Named("256 KB", 256),
    Named("512 KB", 512), Named("1 MB", 1024), Named("2 MB", 2048),
};

struct ChoicePair {
    int checkId;
    int comboId;
    TextRecord caption;
    const ValueSlot* value;
    ChoiceList choices;
    WhenCleared cleared;  // WriteOff writes 0
};
// check  combo  caption  value  choices  when cleared
const ChoicePair kPairs[] = {
    {2041, 2008, {950, "光碟機讀取資料速度"}, &kPairValues[0], ListOf(kDriveSpeeds), WhenCleared::Delete},
    {2042, 2009, {950, "光碟機記憶體緩衝大小"}, &kPairValues[1], ListOf(kDriveCacheSizes), WhenCleared::Delete},
    {2043, 2200, {950, "硬碟緩衝大小"}, &kPairValues[2], ListOf(kDiskCacheSizes), WhenCleared::Delete},
    {2044, 2014, {950, "CPU 二級快取緩衝"}, &kPairValues[3], ListOf(kSecondLevelCacheSizes), WhenCleared::WriteOff},
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
// its command subkey. The command texts of WordPad and IE name a fixed drive; apply writes
// the Windows folder's drive instead.
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
const TextRecord kMenuTexts[] = {{950, "用記事本開啟"}, {950, "用 WordPad 開啟"}, {950, "用 IE 開啟"}};

// Rows 0 and 1 have a second wording; the others read the same in both.
const TextRecord kMouseRowTexts950[] = {
    {950, "使用瀏覽器時,滑鼠右鍵沒有內容功能表"},
    {950, "工作列按滑鼠右鍵不顯示內容功能表"},
    {950, "滑鼠右鍵增加 (移到資料夾)"},
    {950, "滑鼠右鍵增加 (複製到資料夾)"},
    {950, "滑鼠右鍵增加 (用記事本開啟)"},
    {950, "滑鼠右鍵增加 (用 WordPad 開啟)"},
    {950, "滑鼠右鍵增加 (用 IE 開啟)"},
};
const TextRecord kMouseRowTexts936[] = {
    {950, "使用瀏覽器時,滑鼠右鍵沒有內容菜單"},
    {950, "工作列按滑鼠右鍵不顯示內容菜單"},
};
const int kMouseImage = 49;

TextPair MouseRowText(int row)
{
    const TextRecord* second = row < CountOf(kMouseRowTexts936) ? &kMouseRowTexts936[row] : &kMouseRowTexts950[row];
    return TextPair{&kMouseRowTexts950[row], second};
}

// --- Rows and their rules ------------------------------------------------------------------

// A row of one or more DWORD values written together, or of one text value.
struct ToggleRow {
    int row;
    const DwordToggle* values;  // consecutive records of one group
    int valueCount;
    const StringToggle* text;
    WhenCleared cleared;
    bool usbStorage;  // shown on Windows XP from service pack 2, Vista and 7
};
// row  values  count  text  when cleared  USB storage
const ToggleRow kHardwareRows[] = {
    {0, kDvdPrefetchTail, 1, nullptr, WhenCleared::Delete, false},
    {1, nullptr, 0, &kPowerAndDvdTexts[0], WhenCleared::WriteOff, false},
    {2, nullptr, 0, &kPowerAndDvdTexts[1], WhenCleared::WriteOff, false},
    {kUsbRow, kUsbWriteProtect, 1, nullptr, WhenCleared::Delete, true},
};
const ToggleRow kMouseToggleRows[] = {
    {0, kNoBrowserContextMenu, 2, nullptr, WhenCleared::Delete, false},
    {1, kNoTrayContextMenu, 2, nullptr, WhenCleared::WriteOff, false},
};

// A handler row is checked while its key names the handler.
struct HandlerRow {
    int row;
    const StringToggle* handler;
};
const HandlerRow kHandlerRows[] = {{2, &kMenuHandlers[0]}, {3, &kMenuHandlers[1]}};

// A shell row is checked while the shell key's default value is the menu text as the user's
// language shows it; the command is not compared.
struct ShellRow {
    int row;
    const KeyToggle* key;
    const StringToggle* command;
    const TextRecord* menuText;
    const wchar_t* programOnWindowsDrive;  // null: the record's command as it is
};
// row  key  command  menu text  program below the Windows drive's root
const ShellRow kShellRows[] = {
    {4, &kShellKeys[0], &kShellCommands[0], &kMenuTexts[0], nullptr},
    {5, &kShellKeys[1], &kShellCommands[1], &kMenuTexts[1], L"Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""},
    {6, &kShellKeys[2], &kShellCommands[2], &kMenuTexts[2], L"Program Files\\Internet Explorer\\iexplore.exe \"%1\""},
};

const int kChecked = 1;
const int kCleared = 0;

bool HasControls(QmThisApp& app)
{
    if (!app.Combo(kIdPageList) || !app.Button(kIdApplyButton))
        return false;
    if (!app.Button(kIdGroupMain) || !app.ListView(kIdListMain) || !app.Button(kIdGroupRight) ||
        !app.ListView(kIdListRight))
        return false;
    for (const ChoicePair& pair : kPairs)
        if (!app.Button(pair.checkId) || !app.Combo(pair.comboId))
            return false;
    return true;
}

bool RowShown(const QmThisApp& app, const ToggleRow& row)
{
    if (!row.usbStorage)
        return true;
    return (app.IsXp() && app.ServicePack() > 1) || app.IsVista() || app.IsWin7();
}

void ReadToggles(QmThisApp& app, QmListview& list, const ToggleRow* rows, int count)
{
    for (int i = 0; i < count; ++i) {
        const ToggleRow& row = rows[i];
        if (!RowShown(app, row))
            continue;
        if (row.text)
            ReadStringCheck(list, row.row, *row.text);
        else
            ReadDwordRow(list, row.row, row.values, row.valueCount);
    }
}

void ApplyToggles(QmThisApp& app, QmCReg& reg, QmListview& list, const ToggleRow* rows, int count)
{
    for (int i = 0; i < count; ++i) {
        const ToggleRow& row = rows[i];
        if (!RowShown(app, row))
            continue;
        const int check = list.GetItemCheck(row.row);
        if (row.text)
            ApplyStringToggle(reg, *row.text, check);
        else
            ApplyDwordRow(reg, row.values, row.valueCount, check, row.cleared);
    }
}

void AddToggleBackups(const QmThisApp& app, BackupList& items, const ToggleRow* rows, int count)
{
    for (int i = 0; i < count; ++i) {
        const ToggleRow& row = rows[i];
        if (!RowShown(app, row))
            continue;
        if (row.text)
            items.AddText(*row.text);
        for (int value = 0; value < row.valueCount; ++value)
            items.AddDword(row.values[value]);
    }
}

void ApplyPair(QmThisApp& app, QmCReg& reg, const ChoicePair& pair)
{
    const ValueSlot& value = *pair.value;
    if (app.Button(pair.checkId)->GetCheck() != BST_UNCHECKED)
        WriteChoice(reg, value, pair.choices, app.Combo(pair.comboId)->GetCurSel());
    else if (pair.cleared == WhenCleared::WriteOff)
        reg.WriteDword(RootKey(value.root), value.keyPath, value.valueName, 0);
    else if (pair.cleared == WhenCleared::Delete)
        reg.DeleteValue(RootKey(value.root), value.keyPath, value.valueName);
}

// A key that still holds other values than the one the row gave it stays.
void ApplyHandler(QmCReg& reg, const StringToggle& handler, int check)
{
    const HKEY root = RootKey(handler.root);
    if (check == kChecked)
        ApplyStringToggle(reg, handler, check);
    else if (check == kCleared && !reg.IsSuccess(reg.DeleteKey(root, handler.keyPath)))
        reg.DeleteKeyIfAtMostOneValue(root, handler.keyPath);
}

QmWString CommandLine(QmThisApp& app, const ShellRow& row)
{
    // Without the Windows folder's drive the record's command, on its fixed drive, is the
    // best guess: a command without a drive would be looked for wherever the shell runs it.
    const wchar_t* drive = row.programOnWindowsDrive ? app.WindowsDriveRoot() : L"";
    if (drive[0])
        return QmWString(drive) + QmWString(row.programOnWindowsDrive);
    return QmWString(row.command->onText);
}

void ApplyShellEntry(QmThisApp& app, QmCReg& reg, const ShellRow& row, int check)
{
    const HKEY root = RootKey(row.key->root);
    const wchar_t* shellKey = row.key->keyPath;
    const wchar_t* commandKey = row.command->keyPath;
    if (check == kChecked) {
        const QmWString menuText = app.BuildText(TextPair{row.menuText, row.menuText});
        reg.WriteString(root, commandKey, L"", CommandLine(app, row).CStr());
        reg.WriteString(root, shellKey, L"", menuText.CStr());
    } else if (check == kCleared) {
        int last = reg.DeleteKey(root, commandKey);
        if (reg.IsSuccess(last))
            last = reg.DeleteKey(root, shellKey);
        // Keys that hold their default value alone go too; anything more keeps them.
        if (!reg.IsSuccess(last)) {
            reg.DeleteKeyIfAtMostOneValue(root, commandKey);
            reg.DeleteKeyIfAtMostOneValue(root, shellKey);
        }
    }
}

void ReadShellEntry(QmThisApp& app, QmListview& list, const ShellRow& row)
{
    QmWString stored;
    const QmWString menuText = app.BuildText(TextPair{row.menuText, row.menuText});
    const bool on = ReadStringValue(stored, row.key->root, row.key->keyPath, L"") == kValueRead &&
                    !menuText.IsEmpty() && TextEquals(stored.CStr(), menuText.CStr());
    if (on)
        list.CheckItem(row.row);
    else
        list.UncheckItem(row.row);
}

}  // namespace

int ShowHardwarePage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    app.SetCaption(app.Button(kIdGroupMain), Title(kTitleHardware));
    QmListview* hardware = app.ListView(kIdListMain);
    CheckListRefill hardwareRefill(*hardware);
    for (const ToggleRow& row : kHardwareRows)
        if (RowShown(app, row))
            app.InsertCheckRow(hardware, hardware->GetItemCount(), kHardwareRowTexts[row.row], kHardwareImage);
    for (const ChoicePair& pair : kPairs) {
        QmButton* check = app.Button(pair.checkId);
        QmCombo* combo = app.Combo(pair.comboId);
        RedrawPause pause(*combo);
        ResetChoice(*check, *combo);
        app.SetCaption(check, pair.caption);
        ForEachChoice(pair.choices, [&](const TextRecord& text, uint32_t) { app.AddComboText(combo, text); });
    }
    app.SetCaption(app.Button(kIdGroupRight), Title(kTitleMouse));
    QmListview* mouse = app.ListView(kIdListRight);
    CheckListRefill mouseRefill(*mouse);
    for (int row = 0; row < CountOf(kMouseRowTexts950); ++row)
        app.InsertCheckRow(mouse, mouse->GetItemCount(), MouseRowText(row), kMouseImage);
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
        app.Button(kIdGroupMain)->Move(group.x, group.y, group.width, group.height);
    }
    const Box list = ListInGroup(group);
    int y = list.y + list.height - kPairRowsHeight + 4;
    for (const ChoicePair& pair : kPairs) {
        Place(app, pair.checkId, list.x, y, list.width / 2 + 10, kPairRowHeight);
        // Right-aligned with the list: x = left width - 54 - list width / 4.
        const int comboWidth = list.width / 4 + 50;
        PlaceChoiceCombo(*app.Combo(pair.comboId), list.x + list.width - comboWidth, y, comboWidth);
        y += kPairRowStep;
    }
    PlaceListGroup(app, kIdGroupRight, kIdListRight, RightColumnX(width), kPageTop, RightColumnWidth(width),
                   height - 52);
    PlaceApplyButtons(app, width, height);
    return 0;
}

int ReadHardwarePage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    QmListview& hardware = *app.ListView(kIdListMain);
    QmListview& mouse = *app.ListView(kIdListRight);
    ReadToggles(app, hardware, kHardwareRows, CountOf(kHardwareRows));
    for (const ChoicePair& pair : kPairs)
        ShowChoice(*app.Button(pair.checkId), *app.Combo(pair.comboId), ReadChoice(*pair.value, pair.choices));
    ReadToggles(app, mouse, kMouseToggleRows, CountOf(kMouseToggleRows));
    for (const HandlerRow& row : kHandlerRows)
        ReadStringCheck(mouse, row.row, *row.handler);
    for (const ShellRow& row : kShellRows)
        ReadShellEntry(app, mouse, row);
    RedrawCheckRows(hardware);
    RedrawCheckRows(mouse);
    return 1;
}

int ApplyHardwarePage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        QmListview& hardware = *app.ListView(kIdListMain);
        QmListview& mouse = *app.ListView(kIdListRight);
        ApplyToggles(app, reg, hardware, kHardwareRows, CountOf(kHardwareRows));
        for (const ChoicePair& pair : kPairs)
            ApplyPair(app, reg, pair);
        ApplyToggles(app, reg, mouse, kMouseToggleRows, CountOf(kMouseToggleRows));
        for (const HandlerRow& row : kHandlerRows)
            ApplyHandler(reg, *row.handler, mouse.GetItemCheck(row.row));
        for (const ShellRow& row : kShellRows)
            ApplyShellEntry(app, reg, row, mouse.GetItemCheck(row.row));
    });
}

void RecommendHardwarePage(QmThisApp& app)
{
    QmListview* hardware = app.ListView(kIdListMain);
    if (!hardware)
        return;
    for (int row : {0, 1, 2})
        hardware->CheckItem(row);
    hardware->UncheckItem(kUsbRow);
}

void HardwareBackupItems(const QmThisApp& app, BackupList& items)
{
    AddToggleBackups(app, items, kHardwareRows, CountOf(kHardwareRows));
    for (const ChoicePair& pair : kPairs)
        items.AddDword(*pair.value);
    AddToggleBackups(app, items, kMouseToggleRows, CountOf(kMouseToggleRows));
    for (const HandlerRow& row : kHandlerRows)
        items.AddClassId(*row.handler);
    // Each shell entry's command, then the menu text the row is read by.
    for (const ShellRow& row : kShellRows) {
        items.AddCommand(*row.command);
        items.AddText(row.key->root, row.key->keyPath, L"");
    }
}
