// System and appearance page (page 2, "系統、外觀"): two check lists of system and visual
// tweaks, six check boxes each with a combo box of choices, and on Windows XP the thumbnail
// size on a track bar. Several settings live in two or three places that are written alike
// and shown only when they agree. Compiled with a Big5 execution character set: labels and
// texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckRows.h"
#include "model/ChoiceRows.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
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

// text  936 text  image  read  values (written in order, with what clearing does)  [on]
const CheckRow kSystemRows[] = {
    {{950, "登出後清理已使用的檔案記錄"}, nullptr, 59, RowRead::AllOn, {Dw(kClearRecentMachine[0]), Dw(kClearRecentUser[0])}},
    {{950, "加快系統更新"}, nullptr, 59, RowRead::AllOn, {Dw(kUpdate[0]), Dw(kUpdate[1], WhenCleared::Delete), Dw(kUpdate[2], WhenCleared::Delete)}},
    {{950, "將沒有回應的程式自動關閉"}, nullptr, 59, RowRead::AllOn, {Sz(kEndHungTasks[0]), Sz(kEndHungTasks[1])}},
    {{950, "設定實際記憶體優先使用"}, nullptr, 59, RowRead::AllOn, {Dw(kMemory[0])}},
    {{950, "加快硬碟的存取緩衝速度"}, nullptr, 59, RowRead::AllOn, {Dw(kMemory[1], WhenCleared::Delete)}},
    {{950, "自動清理記憶體內已不再使用的連結庫"}, nullptr, 59, RowRead::AllOn, {Sz(kUnloadLibraries[0])}},
};
const CheckRow kAppearanceRows[] = {
    {{950, "去除螢幕字型毛邊"}, nullptr, 38, RowRead::AllOn, {Sz(kAppearanceStrings[0])}},
    {{950, "視窗大小化時顯示成動畫"}, nullptr, 38, RowRead::AllOn, {Sz(kAppearanceStrings[1])}},
    {{950, "在資料夾中使用一般工作"}, nullptr, 38, RowRead::AllOn, {Dw(kFolderTasks[0])}, RowOn::Xp},
};

// The combos' texts, and the data each index stands for.
const TextRecord kPrefetchTexts[] = {{950, "1"}, {950, "2"}, {950, "3"}, {950, "4"}, {950, "5"}};
const TextRecord kHungTexts[] = {{950, "5 秒"}, {950, "3 秒"}, {950, "2 秒"}, {950, "1 秒"},
                                 {950, "0.8 秒"}, {950, "0.6 秒"}, {950, "0.4 秒"}, {950, "0.2 秒"}};
const wchar_t* const kHungData[] = {L"5000", L"3000", L"2000", L"1000", L"800", L"600", L"400", L"200"};
const TextRecord kKillTexts[] = {{950, "20 秒"}, {950, "15 秒"}, {950, "10 秒"}, {950, "5 秒"},
                                 {950, "4 秒"},  {950, "3 秒"},  {950, "2 秒"},  {950, "1 秒"}};
const wchar_t* const kKillData[] = {L"20000", L"15000", L"10000", L"5000", L"4000", L"3000", L"2000", L"1000"};
const TextRecord kAllocationTexts[] = {
    {950, "256 KB"}, {950, "512 KB"}, {950, "1 MB"}, {950, "1.5 MB"}, {950, "2 MB"}, {950, "2.5 MB"},
    {950, "3 MB"},   {950, "3.5 MB"}, {950, "4 MB"}, {950, "4.5 MB"}, {950, "5 MB"}, {950, "5.5 MB"},
    {950, "6 MB"},   {950, "6.5 MB"}, {950, "7 MB"}, {950, "7.5 MB"}, {950, "8 MB"}, {950, "8.5 MB"},
    {950, "9 MB"},   {950, "9.5 MB"}, {950, "10 MB"}};
// Index 0 is 256 KB and index i >= 1 is 512 KB times i.
const uint32_t kAllocationData[] = {256,  512,  1024, 1536, 2048, 2560, 3072, 3584, 4096, 4608, 5120,
                                    5632, 6144, 6656, 7168, 7680, 8192, 8704, 9216, 9728, 10240};
const TextRecord kMemoryTexts[] = {{950, "程式"}, {950, "系統快取記憶體"}};
const uint32_t kMemoryData[] = {kMemory[2].offValue, kMemory[2].onValue};

// Where each setting lives, in the order it is written.
const RegPlace kPrefetchPlaces[] = {PlaceOf(kPrefetchAndAllocation[0])};
const RegPlace kHungPlaces[] = {PlaceOf(kHungAppTimeout[0]), PlaceOf(kHungAppTimeout[1]), PlaceOf(kHungAppTimeout[2])};
const RegPlace kServiceKillPlaces[] = {PlaceOf(kKillTimeouts[0]), PlaceOf(kKillTimeouts[1])};
const RegPlace kAppKillPlaces[] = {PlaceOf(kKillTimeouts[2]), PlaceOf(kKillTimeouts[3])};
const RegPlace kAllocationPlaces[] = {PlaceOf(kPrefetchAndAllocation[1])};
const RegPlace kMemoryPlaces[] = {PlaceOf(kMemory[2])};

// A check box with its combo: the texts shown, the data each index writes (DWORDs or texts)
// to every place, and what a cleared box does. A setting whose data matches no index shows
// its box cleared and no selection. On Windows XP a setting kept in several places shows
// only when all agree; on Vista and 7 one kept for the user may instead be read through the
// shell's per-user registry (the user's value, else the machine's).
struct ChoiceSetting {
    int boxId;
    int comboId;
    TextRecord caption;
    const TextRecord* texts;
    int count;
    const uint32_t* numbers;
    const wchar_t* const* strings;
    const RegPlace* places;
    int placeCount;
    WhenCleared cleared;
    bool perUserOnVista7;
};
#define TEXTS(array) array, CountOf(array)
#define PLACES(array) array, CountOf(array)
// box  combo  caption  texts  DWORD data  text data  places  cleared  per user on Vista/7
const ChoiceSetting kChoices[] = {
    {2042, 2009, {950, "優化系統預讀速度 (預設:3):"}, TEXTS(kPrefetchTexts), kPrefetchAndAllocation[0].choice, nullptr, PLACES(kPrefetchPlaces), WhenCleared::Leave, false},
    {2043, 2200, {950, "啟動和關閉電腦速度 (0.2 秒快):"}, TEXTS(kHungTexts), nullptr, kHungData, PLACES(kHungPlaces), WhenCleared::Leave, true},
    {2044, 2014, {950, "關機時結束服務等待時間 (1 秒快):"}, TEXTS(kKillTexts), nullptr, kKillData, PLACES(kServiceKillPlaces), WhenCleared::Leave, false},
    {2045, 2015, {950, "關機時結束程式等待時間 (1 秒快):"}, TEXTS(kKillTexts), nullptr, kKillData, PLACES(kAppKillPlaces), WhenCleared::Leave, false},
    {2046, 2016, {950, "優化開啟檔案時配置記憶體大小"}, TEXTS(kAllocationTexts), kAllocationData, nullptr, PLACES(kAllocationPlaces), WhenCleared::Delete, false},
    {2047, 2017, {950, "調整記憶體使用量效能"}, TEXTS(kMemoryTexts), kMemoryData, nullptr, PLACES(kMemoryPlaces), WhenCleared::Leave, false},
};
#undef TEXTS
#undef PLACES

// The thumbnail size, Windows XP only.
const int kThumbnailBox = 2041;
const TextRecord kThumbnailCaption = {950, "改變縮圖檢視圖片的大小"};
const int kThumbnailMin = 32;
const int kThumbnailMax = 256;

const int kRowHeight = 20;
const int kRowStep = 24;
const int kComboDropHeight = 100;
const int kThumbnailRows = 48;  // the check box and the track bar under the appearance list

RowSystem SystemOf(const QmThisApp& app)
{
    return RowSystem{app.GetOsCode(), app.GetIeMajorVersion()};
}

bool HasControls(QmThisApp& app)
{
    const int buttons[] = {kIdApplyButton, kIdGroupMain, kIdGroupRight, kThumbnailBox};
    for (int id : buttons)
        if (!app.Button(id))
            return false;
    for (const ChoiceSetting& choice : kChoices)
        if (!app.Button(choice.boxId) || !app.Combo(choice.comboId))
            return false;
    return app.Combo(kIdPageList) && app.ListView(kIdListMain) && app.ListView(kIdListRight) &&
           app.Static(kIdStaticThumbnailSize) && app.Trackbar(kIdThumbnailTrackbar);
}

int ReadChoice(const QmThisApp& app, const ChoiceSetting& choice)
{
    if (choice.numbers) {
        const RegPlace& place = choice.places[0];
        return ReadDwordChoice(place.root, place.keyPath, place.valueName, choice.numbers, choice.count);
    }
    if (choice.perUserOnVista7 && !app.IsXp())
        return ReadStringChoiceUser(choice.places[0].keyPath, choice.places[0].valueName, choice.strings,
                                    choice.count);
    return ReadStringChoice(choice.places, choice.placeCount, choice.strings, choice.count);
}

void ReadThumbnailSize(QmThisApp& app)
{
    DWORD size = 0;
    const DwordToggle& record = kThumbnailSize[0];
    const bool inRange = ReadDwordValue(size, record.root, record.keyPath, record.valueName) == kValueRead &&
                         size >= kThumbnailMin && size <= kThumbnailMax;
    app.Button(kThumbnailBox)->SetCheck(inRange ? BST_CHECKED : BST_UNCHECKED);
    app.Trackbar(kIdThumbnailTrackbar)->SetPos(inRange ? static_cast<int>(size) : kThumbnailMin);
    app.Static(kIdStaticThumbnailSize)->SetText(inRange ? FormatUnsigned(size).Get() : L"");
}

void ApplyThumbnailSize(QmCReg& reg, QmThisApp& app)
{
    const DwordToggle& record = kThumbnailSize[0];
    const HKEY root = RootKey(record.root);
    if (!BoxCheck(*app.Button(kThumbnailBox))) {
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
        return -1;
    app.Combo(kIdPageList)->Enable(false);
    const RowSystem system = SystemOf(app);
    const struct {
        int groupId;
        int listId;
        TitleId title;
        CheckRowTable rows;
    } lists[] = {{kIdGroupMain, kIdListMain, kTitleSystem, RowsOf(kSystemRows)},
                 {kIdGroupRight, kIdListRight, kTitleAppearance, RowsOf(kAppearanceRows)}};
    for (const auto& page : lists) {
        app.SetCaption(app.Button(page.groupId), Title(page.title));
        QmListview* list = app.ListView(page.listId);
        FillCheckRows(*list, page.rows, system, [&app, list](const CheckRow& row) {
            app.InsertCheckRow(list, list->GetItemCount(), RowText(row), row.image);
        });
    }
    if (app.IsXp()) {
        app.Static(kIdStaticThumbnailSize)->SetText(L"");
        app.Button(kThumbnailBox)->SetUnchecked();
        app.SetCaption(app.Button(kThumbnailBox), kThumbnailCaption);
        app.Trackbar(kIdThumbnailTrackbar)->SetRange(kThumbnailMin, kThumbnailMax);
        app.Trackbar(kIdThumbnailTrackbar)->SetPos(kThumbnailMin);
    }
    for (const ChoiceSetting& choice : kChoices) {
        QmCombo* combo = app.Combo(choice.comboId);
        ResetChoice(*app.Button(choice.boxId), *combo);
        app.SetCaption(app.Button(choice.boxId), choice.caption);
        for (int i = 0; i < choice.count; ++i)
            app.AddComboText(combo, choice.texts[i]);
    }
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
    for (const ChoiceSetting& choice : kChoices) {
        const bool last = &choice == &kChoices[CountOf(kChoices) - 1];
        const int comboX = left - 4 - listWidth / 4 - (last ? 25 : 0);
        Place(app, choice.boxId, 6, y, left / 2 + 48 - (last ? 24 : 0), kRowHeight);
        Place(app, choice.comboId, comboX, y, listWidth / 4 + 8 + (last ? 25 : 0), kComboDropHeight);
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

int ReadSystemPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    const RowSystem system = SystemOf(app);
    QmListview& systemList = *app.ListView(kIdListMain);
    QmListview& appearanceList = *app.ListView(kIdListRight);
    ReadCheckRows(systemList, 0, RowsOf(kSystemRows), system);
    ReadCheckRows(appearanceList, 0, RowsOf(kAppearanceRows), system);
    if (app.IsXp())
        ReadThumbnailSize(app);
    for (const ChoiceSetting& choice : kChoices)
        ShowChoice(*app.Button(choice.boxId), *app.Combo(choice.comboId), ReadChoice(app, choice));
    RedrawCheckRows(systemList);
    RedrawCheckRows(appearanceList);
    return 0;
}

int ApplySystemPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        const RowSystem system = SystemOf(app);
        ApplyCheckRows(reg, *app.ListView(kIdListMain), 0, RowsOf(kSystemRows), system);
        ApplyCheckRows(reg, *app.ListView(kIdListRight), 0, RowsOf(kAppearanceRows), system);
        if (app.IsXp())
            ApplyThumbnailSize(reg, app);
        for (const ChoiceSetting& choice : kChoices) {
            const int check = BoxCheck(*app.Button(choice.boxId));
            const int selection = app.Combo(choice.comboId)->GetCurSel();
            if (choice.numbers)
                ApplyDwordChoice(reg, choice.places, choice.placeCount, check, selection, choice.numbers, choice.count,
                                 choice.cleared);
            else
                ApplyStringChoice(reg, choice.places, choice.placeCount, check, selection, choice.strings,
                                  choice.count, choice.cleared);
        }
    });
}

void RecommendSystemPage(QmThisApp& app)
{
    if (!HasControls(app))
        return;
    app.ListView(kIdListMain)->UncheckItem(0);
    app.ListView(kIdListRight)->CheckItem(0);
    app.ListView(kIdListRight)->UncheckItem(1);
    if (app.IsXp())
        app.Button(kThumbnailBox)->SetUnchecked();
    // box  checked  combo  choice (-1: left as it is)
    const int settings[][4] = {{2042, 1, 2009, 2}, {2043, 1, 2200, 7}, {2044, 1, 2014, 7},
                               {2045, 1, 2015, 7}, {2046, 0, 2016, -1}, {2047, 1, 2017, 0}};
    for (const auto& setting : settings) {
        app.Button(setting[0])->SetCheck(setting[1] ? BST_CHECKED : BST_UNCHECKED);
        if (setting[3] >= 0)
            app.Combo(setting[2])->SetCurSel(setting[3]);
    }
}

void SystemBackupItems(const QmThisApp& app, BackupList& items)
{
    const RowSystem system = SystemOf(app);
    AddCheckRowBackups(items, RowsOf(kSystemRows), system);
    AddCheckRowBackups(items, RowsOf(kAppearanceRows), system);
    if (app.IsXp())
        items.AddDword(kThumbnailSize[0]);
    for (const ChoiceSetting& choice : kChoices)
        for (int i = 0; i < choice.placeCount; ++i) {
            if (choice.numbers)
                items.AddDword(choice.places[i]);
            else
                items.AddText(choice.places[i]);
        }
}
