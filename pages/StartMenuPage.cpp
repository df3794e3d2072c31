// Start menu page (page 1, "開始功能表" / "開始菜單"): a check list of what the start menu
// shows, eight check boxes each with a combo box of choices, and the icon size as two radio
// buttons. Windows XP and Windows Vista or 7 have their own lists. Compiled with a Big5
// execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/PageState.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

#define ADVANCED L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced"
#define POLICIES L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"
#define MACHINE_POLICIES L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"

// One record for each value: Windows XP and Windows Vista or 7 use their own rows of them.
// Labels spell the Big5 character whose second byte is a backslash as "CHIKon".
// item  label  type  root  key  value  off  on
const DwordToggle kStartMenuToggles[] = {
    {0, "搜尋", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowSearch", 0, 1},
    {1, "執行", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowRun", 0, 1},
    {2, "印表機", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowPrinters", 0, 1},
    {3, "說明及支援", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowHelp", 0, 1},
    {4, "啟動拖拉CHIKon能", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_EnableDragDrop", 0, 1},
    {5, "不顯示登出按鈕", REG_DWORD, kRootCurrentUser, POLICIES, L"StartMenuLogoff", 0, 1},
    {6, "列出最近開啟的文件", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowRecentDocs", 0, 2},
    {7, "我的最愛", REG_DWORD, kRootCurrentUser, ADVANCED, L"StartMenuFavorites", 0, 2},
    {8, "設定程式存取及預設值", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowSetProgramAccessAndDefaults", 0, 1},
    {9, "啟動開始CHIKon能表捲動程式", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ScrollPrograms", 0, 1},
    {10, "將最近安裝的程式反白顯示", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_NotifyNewApps", 0, 1},
    {11, "當滑鼠停止在子CHIKon能表時,開啟它們", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_AutoCascade", 0, 1},
    {12, "禁止修改開始CHIKon能表", REG_DWORD, kRootLocalMachine, MACHINE_POLICIES, L"NoChangeStartMenu", 0, 1},
    {13, "隱藏氣球提示", REG_DWORD, kRootLocalMachine, MACHINE_POLICIES, L"NoSMBalloonTip", 0, 1},
    {14, "隱藏用戶名稱", REG_DWORD, kRootLocalMachine, MACHINE_POLICIES, L"NoUserNameInStartMenu", 0, 1},
    {15, "隱藏用戶名稱", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowUser", 1, 0},
    {16, "網路", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowNetPlaces", 0, 1},
    {17, "儲存最近開啟的文件", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_TrackDocs", 0, 1},
    {18, "儲存最近開啟的程式", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_TrackProgs", 0, 1},
};
const DwordToggle kMostUsedPrograms[] = {
    {0, "不顯示常用程式", REG_DWORD, kRootCurrentUser, POLICIES, L"NoStartMenuMFUprogramsList", 0, 1},
    {1, "不顯示常用程式", REG_DWORD, kRootLocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoStartMenuMFUprogramsList", 0, 1},
};
// item  label  type  root  key  value  choices
const DwordChoice3 kFolderChoices[] = {
    {0, "控制台", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowControlPanel", {0, 1, 2}},
    {1, "我的電腦", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowMyComputer", {0, 1, 2}},
    {2, "我的圖片", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowMyPics", {0, 1, 2}},
    {3, "我的音樂", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowMyMusic", {0, 1, 2}},
    {4, "我的文件", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowMyDocs", {0, 1, 2}},
};
const DwordChoice3 kNetworkConnections[] = {
    {0, "網路連線", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowNetConn", {0, 1, 2}},
};
const DwordChoice3 kGames[] = {
    {0, "遊樂場", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowMyGames", {0, 1, 2}},
};
// item  label  type  root  key  value  off  on
const DwordToggle kAdministrativeTools[] = {
    {0, "系統管理工具", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_AdminToolsRoot", 0, 2},
    {1, "系統管理工具", REG_DWORD, kRootCurrentUser, ADVANCED, L"StartMenuAdminTools", 0, 1},
};
const ValueSlot kMenuDelay[] = {
    {0, "開始CHIKon能表顯示速度", REG_SZ, kRootCurrentUser, L"Control Panel\\Desktop", L"MenuShowDelay"},
};
const DwordToggle kIconSize[] = {
    {0, "開始CHIKon能表圖示大小", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_LargeMFUIcons", 0, 1},
};

#undef ADVANCED
#undef POLICIES
#undef MACHINE_POLICIES

// Windows XP and Windows Vista or 7 show their own rows; some are worded their own way.
// text (950, 936 where it differs)  picture  kind  values (written in order, with what clearing does)  [shown on]
const CheckRow kRows[] = {
    {{"搜尋"}, 12, kDefaultOn, {Dw(kStartMenuToggles[0])}},
    {{"執行"}, 14, kDefaultOn, {Dw(kStartMenuToggles[1])}},
    {{"印表機"}, 31, kDefaultOn, {Dw(kStartMenuToggles[2])}},
    {{"說明及支援"}, 13, kDefaultOn, {Dw(kStartMenuToggles[3])}},
    {{"啟動拖拉功能"}, 22, kDefaultOn, {Dw(kStartMenuToggles[4])}},
    {{"不顯示登出按鈕"}, 25, kPlain, {Dw(kStartMenuToggles[5])}, kXp},
    {{"不顯示登出選項"}, 25, kPlain, {Dw(kStartMenuToggles[5])}, kVista7},
    {{"列出最近開啟的文件"}, 11, kDefaultOn, {Dw(kStartMenuToggles[6])}, kXp},
    {{"我的最愛"}, 24, kDefaultOn, {Dw(kStartMenuToggles[7])}},
    {{"隱藏用戶名稱"}, 56, kDefaultOn, {Dw(kStartMenuToggles[15])}, kVista7},
    {{"設定程式存取及預設值"}, 22, kDefaultOn, {Dw(kStartMenuToggles[8])}, kXp},
    {{"預設程式"}, 22, kDefaultOn, {Dw(kStartMenuToggles[8])}, kVista7},
    {{"啟動開始功能表捲動程式", "啟動開始菜單捲動程式"}, 22, kDefaultOn, {Dw(kStartMenuToggles[9])}},
    {{"將最近安裝的程式反白顯示"}, 22, kDefaultOn, {Dw(kStartMenuToggles[10])}},
    {{"當滑鼠停止在子功能表時,開啟它們", "當滑鼠停止在子菜單時,開啟它們"}, 22, kDefaultOn, {Dw(kStartMenuToggles[11])}},
    {{"網路"}, 37, kDefaultOn, {Dw(kStartMenuToggles[16])}, kVista7},
    {{"禁止修改開始功能表", "禁止修改開始菜單"}, 22, kPlain, {Dw(kStartMenuToggles[12], kDelete)}},
    {{"隱藏氣球提示"}, 22, kPlain, {Dw(kStartMenuToggles[13], kDelete)}},
    {{"隱藏用戶名稱"}, 56, kPlain, {Dw(kStartMenuToggles[14], kDelete)}, kXp},
    {{"不顯示常用程式"}, 22, kPlain, {Dw(kMostUsedPrograms[0], kDelete), Dw(kMostUsedPrograms[1], kDelete)}, kXp},
    // Read from the first value alone; the list of recent documents follows it.
    {{"儲存最近開啟的文件"}, 22, kDefaultOn, {Dw(kStartMenuToggles[17]), Dw(kStartMenuToggles[6])}, kVista7},
    {{"儲存最近開啟的程式"}, 22, kDefaultOn, {Dw(kStartMenuToggles[18])}, kVista7},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleStartMenu), {kRows}},
};

// The folders' choices; the 936 wording says 菜單 for 功能表.
#define QM_FOLDER_CHOICES(name)                                                                                       \
    {Named(name " [永不顯示]", 0), Named(name " [以連結顯示]", 1), Named({name " [以功能表顯示]", name " [以菜單顯示]"}, 2)}
const ChoiceRun kControlPanelChoices[] = QM_FOLDER_CHOICES("控制台");
const ChoiceRun kComputerChoices[] = QM_FOLDER_CHOICES("我的電腦");
const ChoiceRun kPicturesChoices[] = QM_FOLDER_CHOICES("我的圖片");
const ChoiceRun kMusicChoices[] = QM_FOLDER_CHOICES("我的音樂");
const ChoiceRun kNetConnChoices[] = QM_FOLDER_CHOICES("網路連線");
const ChoiceRun kGamesChoices[] = QM_FOLDER_CHOICES("遊樂場");
const ChoiceRun kDocumentsChoices[] = QM_FOLDER_CHOICES("我的文件");
#undef QM_FOLDER_CHOICES
// Administrative tools: a position stands for a pair of values, Start_AdminToolsRoot (these)
// and StartMenuAdminTools (kAdminToolsInMenu).
const ChoiceRun kAdminToolsChoices[] = {
    Named("系統管理工具 [永不顯示]", 0),
    Named("系統管理工具 [在所有程式集顯示]", 0),
    Named({"系統管理工具 [在所有程式集和開始功能表顯示]", "系統管理工具 [在所有程式集和開始菜單顯示]"}, 2),
};
const ChoiceRun kAdminToolsInMenuNumbers[] = {Number(0), Number(1), Number(1)};
const ChoiceList kAdminToolsInMenu = ListOf(kAdminToolsInMenuNumbers);
// The menu delay's texts are the values written.
const ChoiceRun kMenuDelays[] = {Named("-2", static_cast<uint32_t>(-2)), Number(0), Number(1), Number(10),
                                 Numbers(100, 1000, 100)};

// A folder whose value matches no choice shows the middle choice, checked.
const ChoiceFallback kFolderUnknown = {true, 1};
const ChoiceFallback kAdminUnknown = {false, 0};
const ChoiceFallback kCleared = {false, -1};

// box  combo  caption  choices  places  when cleared  recommended: box  choice  shown on  unknown  [read  second from  second place's numbers]
const ChoiceRow kChoices[] = {
    {2041, 2008, Title(kTitleSettings), ListOf(kControlPanelChoices), {PlaceOf(kFolderChoices[0])}, kLeave, kCheck, 1, kAll, kFolderUnknown},
    {2042, 2009, Title(kTitleSettings), ListOf(kComputerChoices), {PlaceOf(kFolderChoices[1])}, kLeave, kCheck, 1, kAll, kFolderUnknown},
    {2043, 2200, Title(kTitleSettings), ListOf(kPicturesChoices), {PlaceOf(kFolderChoices[2])}, kLeave, kCheck, 1, kAll, kFolderUnknown},
    {2044, 2014, Title(kTitleSettings), ListOf(kMusicChoices), {PlaceOf(kFolderChoices[3])}, kLeave, kCheck, 1, kAll, kFolderUnknown},
    {2045, 2015, Title(kTitleSettings), ListOf(kNetConnChoices), {PlaceOf(kNetworkConnections[0])}, kLeave, kCheck, 1, kXp, kFolderUnknown},
    {2045, 2015, Title(kTitleSettings), ListOf(kGamesChoices), {PlaceOf(kGames[0])}, kLeave, kCheck, 2, kVista7, kFolderUnknown},
    {2046, 2016, Title(kTitleSettings), ListOf(kDocumentsChoices), {PlaceOf(kFolderChoices[4])}, kLeave, kCheck, 1, kAll, kFolderUnknown},
    {2047, 2017, Title(kTitleSettings), ListOf(kAdminToolsChoices), {PlaceOf(kAdministrativeTools[0]), PlaceOf(kAdministrativeTools[1])},
     kLeave, kCheck, 2, kAll, kAdminUnknown, ChoiceRead::EveryPlace, 0, &kAdminToolsInMenu},
    {2048, 2018, Title(kTitleStartMenuSpeed), ListOf(kMenuDelays), {PlaceOf(kMenuDelay[0])}, kLeave, kCheck, 4, kAll, kCleared},
};
const int kDelayBox = 2048;

// Icon size: two radio buttons. Show leaves them as they are and the read sets them: checking
// an auto radio button makes Wine look at every control of the window to clear the others,
// some 7 ms each time, so a page shown again with the same icon size checks none.
const int kSmallIcons = 2056;
const int kLargeIcons = 2057;
const TextPair kIconSizeTitle = {"開始功能表圖示大小", "開始菜單圖示大小"};
const TextPair kSmallIconsText = {"小圖示"};
const TextPair kLargeIconsText = {"大圖示"};

const int kRowHeight = 20;
const int kRowStep = 24;

bool HasControls(const QmThisApp& app)
{
    return HasTableControls(app, kLists, kChoices) && app.Button(kIdGroupRight) && app.Button(kSmallIcons) &&
           app.Button(kLargeIcons);
}

}  // namespace

int ShowStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    ShowRows(app, kLists);
    ShowChoices(app, kChoices);
    app.SetCaption(app.Button(kIdGroupRight), kIconSizeTitle);
    app.SetCaption(app.Button(kSmallIcons), kSmallIconsText);
    app.SetCaption(app.Button(kLargeIcons), kLargeIconsText);
    return 1;
}

int LayoutStartMenuPage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    const int left = LeftColumnWidth(width);
    PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, left, height - 52);

    // Right column: a row for each check box and its combo, then the icon-size group.
    const int x = RightColumnX(width);
    const int columnWidth = RightColumnWidth(width);
    int y = kPageTop;
    for (const ChoiceRow& row : kChoices) {
        if (!IsShown(row.on, app.Facts()))
            continue;
        const int boxWidth = row.boxId == kDelayBox ? width / 3 : width / 14;
        Place(app, row.boxId, x, y, boxWidth, kRowHeight);
        Place(app, row.comboId, x + boxWidth, y, columnWidth - boxWidth, kChoiceDropHeight);
        y += kRowStep;
    }
    Place(app, kIdGroupRight, x, y, columnWidth, 50);
    const int radioWidth = (width - left - 36) / 2;
    Place(app, kSmallIcons, x + 10, y + 24, radioWidth, 24);
    // Two such widths and their gaps are a few pixels wider than the column: the second radio
    // ends inside the group box rather than painting over its frame.
    const int largeX = x + 10 + radioWidth + 14;
    const int largeWidth = x + columnWidth - 8 - largeX;
    Place(app, kLargeIcons, largeX, y + 24, radioWidth < largeWidth ? radioWidth : largeWidth, 24);
    PlaceApplyButtons(app, width, height);
    return 0;
}

void ReadStartMenuPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
    ReadChoices(kChoices, system, state);
    const DwordToggle& icons = kIconSize[0];
    const bool small = ReadDwordState(icons.root, icons.keyPath, icons.valueName, icons.onValue) == kStateOff;
    state.SetBox(kSmallIcons, small);
    state.SetBox(kLargeIcons, !small);
}

int ApplyStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) {
        ApplyRows(reg, page, kLists);
        ApplyChoices(reg, page, kChoices);
        const DwordToggle& icons = kIconSize[0];
        if (page.Button(kSmallIcons)->GetCheck() == BST_CHECKED)
            reg.WriteDword(RootKey(icons.root), icons.keyPath, icons.valueName, icons.offValue);
        else if (page.Button(kLargeIcons)->GetCheck() == BST_CHECKED)
            reg.WriteDword(RootKey(icons.root), icons.keyPath, icons.valueName, icons.onValue);
    });
}

void RecommendStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return;
    RecommendChoices(app, kChoices);
    app.Button(kLargeIcons)->SetUnchecked();
    app.Button(kSmallIcons)->SetChecked();
}

void StartMenuBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
    BackupChoices(kChoices, app.Facts(), items);
    items.AddDword(kIconSize[0]);
}
