// System and appearance page (page 2, "系統、外觀"): two check lists of system and visual
// tweaks, six check boxes each with a combo box of choices, and on Windows XP the thumbnail
// size on a track bar. Several settings live in two or three places that are written alike
// and shown only when they agree. Compiled with a Big5 execution character set: labels and
// texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/PageState.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"
#include "platform/TextConvert.h"

namespace {

#define MEMORY_MANAGEMENT L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management"

// item  label  type  root  key  value  off  on
const DwordToggle kClearRecentUser[] = {
    {0, "登出後清理已使用的檔案記錄", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"ClearRecentDocsOnExit", 0, 1},
};
const DwordToggle kClearRecentMachine[] = {
    {0, "登出後清理已使用的檔案記錄", REG_DWORD, kRootLocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"ClearRecentDocsOnExit", 0, 1},
};
const DwordToggle kUpdate[] = {
    {0, "加快系統更新", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Update", L"UpdateMode", 1, 0},
    {1, "加快系統更新", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Update", L"Verbose", 0, 1},
    {2, "加快系統更新", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Update", L"LoadBalance", 0, 1},
};
const StringToggle kEndHungTasks[] = {
    {0, "將沒有回應的程式自動關閉", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop", L"AutoEndTasks", "0", "1"},
    {1, "將沒有回應的程式自動關閉", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Desktop", L"AutoEndTasks", "0", "1"},
};
const DwordToggle kMemory[] = {
    {0, "設定實際記憶體優先使用", REG_DWORD, kRootLocalMachine, MEMORY_MANAGEMENT, L"DisablePagingExecutive", 0, 1},
    {1, "加快硬碟的存取緩衝速度", REG_DWORD, kRootLocalMachine, L"System\\CurrentControlSet\\Control\\Class\\fdc\\0000", L"ForceFIFO", 0, 0},
    {2, "調整記憶體使用量效能", REG_DWORD, kRootLocalMachine, MEMORY_MANAGEMENT, L"LargeSystemCache", 0, 1},
};
const StringToggle kUnloadLibraries[] = {
    {0, "自動清理記憶體內已不再使用的連結庫", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL", L"", "", "1"},
};
const StringToggle kAppearanceStrings[] = {
    {0, "去除螢幕字型毛邊", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop", L"FontSmoothing", "0", "2"},
    {1, "視窗大小化時顯示成動畫", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop\\WindowMetrics", L"MinAnimate", "0", "1"},
};
const DwordToggle kFolderTasks[] = {
    {0, "在資料夾中使用一般工作", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"WebView", 0, 1},
};
// The page writes the track bar's position rather than the on value.
const DwordToggle kThumbnailSize[] = {
    {0, "改變縮圖檢視圖片的大小", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"ThumbnailSize", 0, 256},
};
// item  label  type  root  key  value
const ValueSlot kHungAppTimeout[] = {
    {0, "啟動和關閉電腦速度", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop", L"HungAppTimeout"},
    {1, "啟動和關閉電腦速度", REG_SZ, kRootLocalMachine, L"System\\CurrentControlSet\\Control", L"HungAppTimeout"},
    {2, "啟動和關閉電腦速度", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Desktop", L"HungAppTimeout"},
};
// item  label  type  root  key  value  stored texts (the page uses its own lists)
const StringChoice3 kKillTimeouts[] = {
    {0, "關機時結束服務等待時間", REG_SZ, kRootLocalMachine, L"System\\CurrentControlSet\\Control", L"WaitToKillServiceTimeout", {"20000", "4000", "1000"}},
    {1, "關機時結束服務等待時間", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Desktop", L"WaitToKillServiceTimeout", {"20000", "4000", "1000"}},
    {2, "關機時結束程式等待時間", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop", L"WaitToKillAppTimeout", {"20000", "4000", "1000"}},
    {3, "關機時結束程式等待時間", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Desktop", L"WaitToKillAppTimeout", {"20000", "4000", "1000"}},
};
// item  label  type  root  key  value  default  choices
const DwordChoice5 kPrefetchAndAllocation[] = {
    {0, "優化系統預讀速度", REG_DWORD, kRootLocalMachine, MEMORY_MANAGEMENT L"\\PrefetchParameters", L"EnablePrefetcher", 3, {1, 2, 3, 4, 5}},
    {1, "優化開啟檔案時配置記憶體大小", REG_DWORD, kRootLocalMachine, L"System\\CurrentControlSet\\Control\\FileSystem", L"ContigFileAllocSize", 256, {256, 512, 1024, 1536, 2048}},
};

#undef MEMORY_MANAGEMENT

// text  picture  kind  values (written in order, with what clearing does)  [shown on  recommended]
const CheckRow kSystemRows[] = {
    {{"登出後清理已使用的檔案記錄"}, 59, kPlain, {Dw(kClearRecentMachine[0]), Dw(kClearRecentUser[0])}, kAll, kClear},
    {{"加快系統更新"}, 59, kPlain, {Dw(kUpdate[0]), Dw(kUpdate[1], kDelete), Dw(kUpdate[2], kDelete)}},
    {{"將沒有回應的程式自動關閉"}, 59, kPlain, {Sz(kEndHungTasks[0]), Sz(kEndHungTasks[1])}},
    {{"設定實際記憶體優先使用"}, 59, kPlain, {Dw(kMemory[0])}},
    {{"加快硬碟的存取緩衝速度"}, 59, kPlain, {Dw(kMemory[1], kDelete)}},
    {{"自動清理記憶體內已不再使用的連結庫"}, 59, kPlain, {Sz(kUnloadLibraries[0])}},
};
const CheckRow kAppearanceRows[] = {
    {{"去除螢幕字型毛邊"}, 38, kPlain, {Sz(kAppearanceStrings[0])}, kAll, kCheck},
    {{"視窗大小化時顯示成動畫"}, 38, kPlain, {Sz(kAppearanceStrings[1])}, kAll, kClear},
    {{"在資料夾中使用一般工作"}, 38, kPlain, {Dw(kFolderTasks[0])}, kXp},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleSystem), {kSystemRows}},
    {kIdGroupRight, kIdListRight, Title(kTitleAppearance), {kAppearanceRows}},
};

// The combos' texts and the numbers they stand for; the timeouts are kept as decimal texts.
const ChoiceRun kPrefetchLevels[] = {Numbers(1, 5)};
const ChoiceRun kHungDelays[] = {
    Named("5 秒", 5000),   Named("3 秒", 3000),   Named("2 秒", 2000),   Named("1 秒", 1000),
    Named("0.8 秒", 800), Named("0.6 秒", 600), Named("0.4 秒", 400), Named("0.2 秒", 200),
};
const ChoiceRun kKillDelays[] = {
    Named("20 秒", 20000), Named("15 秒", 15000), Named("10 秒", 10000), Named("5 秒", 5000),
    Named("4 秒", 4000),   Named("3 秒", 3000),   Named("2 秒", 2000),   Named("1 秒", 1000),
};
// 256 KB, then 512 KB steps.
const ChoiceRun kAllocationSizes[] = {Number(256, " KB"), Number(512, " KB"), Numbers(1024, 10240, 512, " MB", 1024)};
const ChoiceRun kMemoryUses[] = {Named("程式", kMemory[2].offValue), Named("系統快取記憶體", kMemory[2].onValue)};

// A setting kept in several places shows only when all agree; on Vista and 7 the hang timeout
// is read as the user's (the machine's when the user has none).
// box  combo  caption  choices  places  when cleared  recommended: box  choice  [shown on  unknown  read]
const ChoiceRow kChoices[] = {
    {2042, 2009, {"優化系統預讀速度 (預設:3):"}, ListOf(kPrefetchLevels), {PlaceOf(kPrefetchAndAllocation[0])}, kLeave,
     kCheck, 2},
    {2043, 2200, {"啟動和關閉電腦速度 (0.2 秒快):"}, ListOf(kHungDelays),
     {PlaceOf(kHungAppTimeout[0]), PlaceOf(kHungAppTimeout[1]), PlaceOf(kHungAppTimeout[2])}, kLeave, kCheck, 7, kAll,
     {false, -1}, ChoiceRead::UserOnVista7},
    {2044, 2014, {"關機時結束服務等待時間 (1 秒快):"}, ListOf(kKillDelays),
     {PlaceOf(kKillTimeouts[0]), PlaceOf(kKillTimeouts[1])}, kLeave, kCheck, 7},
    {2045, 2015, {"關機時結束程式等待時間 (1 秒快):"}, ListOf(kKillDelays),
     {PlaceOf(kKillTimeouts[2]), PlaceOf(kKillTimeouts[3])}, kLeave, kCheck, 7},
    {2046, 2016, {"優化開啟檔案時配置記憶體大小"}, ListOf(kAllocationSizes), {PlaceOf(kPrefetchAndAllocation[1])}, kDelete,
     kClear},
    {2047, 2017, {"調整記憶體使用量效能"}, ListOf(kMemoryUses), {PlaceOf(kMemory[2])}, kLeave, kCheck, 0},
};

// The thumbnail size, Windows XP only: a check box, a track bar and the size as text.
const int kThumbnailBox = 2041;
const TextPair kThumbnailCaption = {"改變縮圖檢視圖片的大小"};
const int kThumbnailMin = 32;
const int kThumbnailMax = 256;

const int kRowHeight = 20;
const int kRowStep = 24;
const int kThumbnailRows = 48;  // the check box and the track bar under the appearance list

bool HasControls(const QmThisApp& app)
{
    return HasTableControls(app, kLists, kChoices) && app.Button(kThumbnailBox) &&
           app.Static(kIdStaticThumbnailSize) && app.Trackbar(kIdThumbnailTrackbar);
}

void ReadThumbnailSize(PageState& state)
{
    DWORD size = 0;
    const DwordToggle& record = kThumbnailSize[0];
    const bool inRange = ReadDwordValue(size, record.root, record.keyPath, record.valueName) == kValueRead &&
                         size >= kThumbnailMin && size <= kThumbnailMax;
    state.SetBox(kThumbnailBox, inRange);
    state.SetPosition(kIdThumbnailTrackbar, inRange ? static_cast<int>(size) : kThumbnailMin);
    state.SetText(kIdStaticThumbnailSize, inRange ? FormatUnsigned(size).Get() : L"");
}

void ApplyThumbnailSize(QmCReg& reg, QmThisApp& app)
{
    const DwordToggle& record = kThumbnailSize[0];
    const HKEY root = RootKey(record.root);
    if (app.Button(kThumbnailBox)->GetCheck() != BST_CHECKED) {
        reg.DeleteValue(root, record.keyPath, record.valueName);
        return;
    }
    const int size = app.Trackbar(kIdThumbnailTrackbar)->GetPos();
    if (size >= kThumbnailMin && size <= kThumbnailMax)
        reg.WriteDword(root, record.keyPath, record.valueName, static_cast<DWORD>(size));
}

}  // namespace

int ShowSystemPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    ShowRows(app, kLists);
    if (app.IsXp()) {
        app.Static(kIdStaticThumbnailSize)->SetText(L"");
        app.Button(kThumbnailBox)->SetUnchecked();
        app.SetCaption(app.Button(kThumbnailBox), kThumbnailCaption);
        app.Trackbar(kIdThumbnailTrackbar)->SetRange(kThumbnailMin, kThumbnailMax);
        app.Trackbar(kIdThumbnailTrackbar)->SetPos(kThumbnailMin);
    }
    ShowChoices(app, kChoices);
    return 1;
}

int LayoutSystemPage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    const int left = LeftColumnWidth(width);
    const int rowsHeight = CountOf(kChoices) * kRowStep;
    const Box system = PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, left, height - 56 - rowsHeight);

    // The choice rows under the system list; the last combo is wider for its longer texts.
    const int listWidth = ListInGroup(system).width;
    int y = system.y + system.height + 4;
    for (const ChoiceRow& choice : kChoices) {
        const bool last = &choice == &kChoices[CountOf(kChoices) - 1];
        const int comboX = left - 4 - listWidth / 4 - (last ? 25 : 0);
        Place(app, choice.boxId, 6, y, left / 2 + 48 - (last ? 24 : 0), kRowHeight);
        Place(app, choice.comboId, comboX, y, listWidth / 4 + 8 + (last ? 25 : 0), kChoiceDropHeight);
        y += kRowStep;
    }

    const Box appearance = PlaceListGroup(app, kIdGroupRight, kIdListRight, RightColumnX(width), kPageTop,
                                          RightColumnWidth(width), height - 52);
    // On Windows XP the group box grows by the thumbnail rows, which stand under its list.
    if (app.IsXp() && app.ListView(kIdListRight)->GetRowHeight() > 0) {
        const Box list = ListInGroup(appearance);
        const int under = list.y + list.height;
        const int sizeWidth = list.width / 4;
        Place(app, kIdGroupRight, appearance.x, appearance.y, appearance.width, appearance.height + kThumbnailRows);
        Place(app, kThumbnailBox, list.x, under, list.width - sizeWidth, 24);
        Place(app, kIdStaticThumbnailSize, list.x + list.width - sizeWidth, under + 1, sizeWidth, 22);
        Place(app, kIdThumbnailTrackbar, list.x, under + 24, list.width, 24);
    }
    PlaceApplyButtons(app, width, height);
    return 0;
}

void ReadSystemPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
    if (system.IsXp())
        ReadThumbnailSize(state);
    ReadChoices(kChoices, system, state);
}

int ApplySystemPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) {
        ApplyRows(reg, page, kLists);
        if (page.IsXp())
            ApplyThumbnailSize(reg, page);
        ApplyChoices(reg, page, kChoices);
    });
}

void RecommendSystemPage(QmThisApp& app)
{
    RecommendRows(app, kLists);
    if (app.IsXp() && app.Button(kThumbnailBox))
        app.Button(kThumbnailBox)->SetUnchecked();
    RecommendChoices(app, kChoices);
}

void SystemBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
    if (app.IsXp())
        items.AddDword(kThumbnailSize[0]);
    BackupChoices(kChoices, app.Facts(), items);
}
