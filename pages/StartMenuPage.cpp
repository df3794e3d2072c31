// Start menu page (page 1, "開始功能表" / "開始菜單"): a check list of what the start menu
// shows, eight check boxes each with a combo box of choices, and the icon size as two radio
// buttons. Windows XP and Windows Vista or 7 have their own lists. Compiled with a Big5
// execution character set: labels and texts are Big5.
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

#define ADVANCED L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced"
#define POLICIES L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"
#define MACHINE_POLICIES L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"

// Labels spell the Big5 character whose second byte is a backslash as "CHIKon".
// item  label  type  root  key  value  off  on
const DwordToggle kXpList[] = {
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
};
const DwordToggle kMostUsedPrograms[] = {
    {0, "不顯示常用程式", REG_DWORD, kRootCurrentUser, POLICIES, L"NoStartMenuMFUprogramsList", 0, 1},
    {1, "不顯示常用程式", REG_DWORD, kRootLocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoStartMenuMFUprogramsList", 0, 1},
};
const DwordToggle kVista7List[] = {
    {0, "搜尋", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowSearch", 0, 1},
    {1, "執行", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowRun", 0, 1},
    {2, "印表機", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowPrinters", 0, 1},
    {3, "說明及支援", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowHelp", 0, 1},
    {4, "啟動拖拉CHIKon能", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_EnableDragDrop", 0, 1},
    {5, "不顯示登出選項", REG_DWORD, kRootCurrentUser, POLICIES, L"StartMenuLogoff", 0, 1},
    {6, "我的最愛", REG_DWORD, kRootCurrentUser, ADVANCED, L"StartMenuFavorites", 0, 2},
    {7, "隱藏用戶名稱", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowUser", 1, 0},
    {8, "預設程式", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowSetProgramAccessAndDefaults", 0, 1},
    {9, "啟動開始CHIKon能表捲動程式", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ScrollPrograms", 0, 1},
    {10, "將最近安裝的程式反白顯示", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_NotifyNewApps", 0, 1},
    {11, "當滑鼠停止在子CHIKon能表時,開啟它們", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_AutoCascade", 0, 1},
    {12, "網路", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowNetPlaces", 0, 1},
    {13, "禁止修改開始CHIKon能表", REG_DWORD, kRootLocalMachine, MACHINE_POLICIES, L"NoChangeStartMenu", 0, 1},
    {14, "隱藏氣球提示", REG_DWORD, kRootLocalMachine, MACHINE_POLICIES, L"NoSMBalloonTip", 0, 1},
};
const DwordToggle kRecentItems[] = {
    {0, "儲存最近開啟的文件", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_TrackDocs", 0, 1},
    {1, "儲存最近開啟的程式", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_TrackProgs", 0, 1},
    {2, "列出最近開啟的文件", REG_DWORD, kRootCurrentUser, ADVANCED, L"Start_ShowRecentDocs", 0, 2},
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

// Row texts whose 936 wording differs.
const TextRecord kScrollPrograms936 = {950, "啟動開始菜單捲動程式"};
const TextRecord kAutoCascade936 = {950, "當滑鼠停止在子菜單時,開啟它們"};
const TextRecord kNoChangeStartMenu936 = {950, "禁止修改開始菜單"};

const WhenCleared kDelete = WhenCleared::Delete;
const RowRead kPlain = RowRead::AllOn;
const RowRead kDefaultOn = RowRead::DefaultOn;

// text  936 text  image  read  values (written in order, with what clearing does)
const CheckRow kXpRows[] = {
    {{950, "搜尋"}, nullptr, 12, kDefaultOn, {Dw(kXpList[0])}},
    {{950, "執行"}, nullptr, 14, kDefaultOn, {Dw(kXpList[1])}},
    {{950, "印表機"}, nullptr, 31, kDefaultOn, {Dw(kXpList[2])}},
    {{950, "說明及支援"}, nullptr, 13, kDefaultOn, {Dw(kXpList[3])}},
    {{950, "啟動拖拉功能"}, nullptr, 22, kDefaultOn, {Dw(kXpList[4])}},
    {{950, "不顯示登出按鈕"}, nullptr, 25, kPlain, {Dw(kXpList[5])}},
    {{950, "列出最近開啟的文件"}, nullptr, 11, kDefaultOn, {Dw(kXpList[6])}},
    {{950, "我的最愛"}, nullptr, 24, kDefaultOn, {Dw(kXpList[7])}},
    {{950, "設定程式存取及預設值"}, nullptr, 22, kDefaultOn, {Dw(kXpList[8])}},
    {{950, "啟動開始功能表捲動程式"}, &kScrollPrograms936, 22, kDefaultOn, {Dw(kXpList[9])}},
    {{950, "將最近安裝的程式反白顯示"}, nullptr, 22, kDefaultOn, {Dw(kXpList[10])}},
    {{950, "當滑鼠停止在子功能表時,開啟它們"}, &kAutoCascade936, 22, kDefaultOn, {Dw(kXpList[11])}},
    {{950, "禁止修改開始功能表"}, &kNoChangeStartMenu936, 22, kPlain, {Dw(kXpList[12], kDelete)}},
    {{950, "隱藏氣球提示"}, nullptr, 22, kPlain, {Dw(kXpList[13], kDelete)}},
    {{950, "隱藏用戶名稱"}, nullptr, 56, kPlain, {Dw(kXpList[14], kDelete)}},
    {{950, "不顯示常用程式"}, nullptr, 22, kPlain, {Dw(kMostUsedPrograms[0], kDelete), Dw(kMostUsedPrograms[1], kDelete)}},
};
const CheckRow kVista7Rows[] = {
    {{950, "搜尋"}, nullptr, 12, kDefaultOn, {Dw(kVista7List[0])}},
    {{950, "執行"}, nullptr, 14, kDefaultOn, {Dw(kVista7List[1])}},
    {{950, "印表機"}, nullptr, 31, kDefaultOn, {Dw(kVista7List[2])}},
    {{950, "說明及支援"}, nullptr, 13, kDefaultOn, {Dw(kVista7List[3])}},
    {{950, "啟動拖拉功能"}, nullptr, 22, kDefaultOn, {Dw(kVista7List[4])}},
    {{950, "不顯示登出選項"}, nullptr, 25, kPlain, {Dw(kVista7List[5])}},
    {{950, "我的最愛"}, nullptr, 24, kDefaultOn, {Dw(kVista7List[6])}},
    {{950, "隱藏用戶名稱"}, nullptr, 56, kDefaultOn, {Dw(kVista7List[7])}},
    {{950, "預設程式"}, nullptr, 22, kDefaultOn, {Dw(kVista7List[8])}},
    {{950, "啟動開始功能表捲動程式"}, &kScrollPrograms936, 22, kDefaultOn, {Dw(kVista7List[9])}},
    {{950, "將最近安裝的程式反白顯示"}, nullptr, 22, kDefaultOn, {Dw(kVista7List[10])}},
    {{950, "當滑鼠停止在子功能表時,開啟它們"}, &kAutoCascade936, 22, kDefaultOn, {Dw(kVista7List[11])}},
    {{950, "網路"}, nullptr, 37, kDefaultOn, {Dw(kVista7List[12])}},
    {{950, "禁止修改開始功能表"}, &kNoChangeStartMenu936, 22, kPlain, {Dw(kVista7List[13], kDelete)}},
    {{950, "隱藏氣球提示"}, nullptr, 22, kPlain, {Dw(kVista7List[14], kDelete)}},
    // Read from the first value alone; the list of recent documents follows it.
    {{950, "儲存最近開啟的文件"}, nullptr, 22, kDefaultOn, {Dw(kRecentItems[0]), Dw(kRecentItems[2])}},
    {{950, "儲存最近開啟的程式"}, nullptr, 22, kDefaultOn, {Dw(kRecentItems[1])}},
};

// Combo texts, three per combo in item order; the 936 wording says 菜單 for 功能表.
enum ChoiceTexts { kControlPanelTexts, kComputerTexts, kPicturesTexts, kMusicTexts, kNetConnTexts, kGamesTexts,
                   kDocumentsTexts, kAdminToolsTexts, kChoiceTextsCount };
const TextRecord kChoiceTexts950[kChoiceTextsCount][3] = {
    {{950, "控制台 [永不顯示]"}, {950, "控制台 [以連結顯示]"}, {950, "控制台 [以功能表顯示]"}},
    {{950, "我的電腦 [永不顯示]"}, {950, "我的電腦 [以連結顯示]"}, {950, "我的電腦 [以功能表顯示]"}},
    {{950, "我的圖片 [永不顯示]"}, {950, "我的圖片 [以連結顯示]"}, {950, "我的圖片 [以功能表顯示]"}},
    {{950, "我的音樂 [永不顯示]"}, {950, "我的音樂 [以連結顯示]"}, {950, "我的音樂 [以功能表顯示]"}},
    {{950, "網路連線 [永不顯示]"}, {950, "網路連線 [以連結顯示]"}, {950, "網路連線 [以功能表顯示]"}},
    {{950, "遊樂場 [永不顯示]"}, {950, "遊樂場 [以連結顯示]"}, {950, "遊樂場 [以功能表顯示]"}},
    {{950, "我的文件 [永不顯示]"}, {950, "我的文件 [以連結顯示]"}, {950, "我的文件 [以功能表顯示]"}},
    {{950, "系統管理工具 [永不顯示]"}, {950, "系統管理工具 [在所有程式集顯示]"}, {950, "系統管理工具 [在所有程式集和開始功能表顯示]"}},
};
const TextRecord kChoiceTexts936[kChoiceTextsCount][3] = {
    {{950, "控制台 [永不顯示]"}, {950, "控制台 [以連結顯示]"}, {950, "控制台 [以菜單顯示]"}},
    {{950, "我的電腦 [永不顯示]"}, {950, "我的電腦 [以連結顯示]"}, {950, "我的電腦 [以菜單顯示]"}},
    {{950, "我的圖片 [永不顯示]"}, {950, "我的圖片 [以連結顯示]"}, {950, "我的圖片 [以菜單顯示]"}},
    {{950, "我的音樂 [永不顯示]"}, {950, "我的音樂 [以連結顯示]"}, {950, "我的音樂 [以菜單顯示]"}},
    {{950, "網路連線 [永不顯示]"}, {950, "網路連線 [以連結顯示]"}, {950, "網路連線 [以菜單顯示]"}},
    {{950, "遊樂場 [永不顯示]"}, {950, "遊樂場 [以連結顯示]"}, {950, "遊樂場 [以菜單顯示]"}},
    {{950, "我的文件 [永不顯示]"}, {950, "我的文件 [以連結顯示]"}, {950, "我的文件 [以菜單顯示]"}},
    {{950, "系統管理工具 [永不顯示]"}, {950, "系統管理工具 [在所有程式集顯示]"}, {950, "系統管理工具 [在所有程式集和開始菜單顯示]"}},
};
const int kChoiceCount = 3;

// The six folder rows: check box, combo, and the value and texts on each system. A value
// that matches no choice shows the middle choice, checked.
struct FolderRow {
    int boxId;
    int comboId;
    const DwordChoice3* xp;
    const DwordChoice3* vista7;
    ChoiceTexts xpTexts;
    ChoiceTexts vista7Texts;
};
// box  combo  XP value  Vista/7 value  XP texts  Vista/7 texts
const FolderRow kFolderRows[] = {
    {2041, 2008, &kFolderChoices[0], &kFolderChoices[0], kControlPanelTexts, kControlPanelTexts},
    {2042, 2009, &kFolderChoices[1], &kFolderChoices[1], kComputerTexts, kComputerTexts},
    {2043, 2200, &kFolderChoices[2], &kFolderChoices[2], kPicturesTexts, kPicturesTexts},
    {2044, 2014, &kFolderChoices[3], &kFolderChoices[3], kMusicTexts, kMusicTexts},
    {2045, 2015, kNetworkConnections, kGames, kNetConnTexts, kGamesTexts},
    {2046, 2016, &kFolderChoices[4], &kFolderChoices[4], kDocumentsTexts, kDocumentsTexts},
};
const ChoiceFallback kFolderUnknown = {true, 1};

// Administrative tools: the combo index stands for a pair of values, written in this order.
const int kAdminBox = 2047;
const int kAdminCombo = 2017;
const uint32_t kAdminToolsRoot[kChoiceCount] = {0, 0, 2};     // Start_AdminToolsRoot
const uint32_t kStartMenuAdminTools[kChoiceCount] = {0, 1, 1};  // StartMenuAdminTools
const ChoiceFallback kAdminUnknown = {false, 0};

// Menu delay: the combo's texts are the values written, converted as record texts are.
const int kDelayBox = 2048;
const int kDelayCombo = 2018;
const TextRecord kDelayTexts[] = {{950, "-2"},  {950, "0"},   {950, "1"},   {950, "10"},  {950, "100"},
                                  {950, "200"}, {950, "300"}, {950, "400"}, {950, "500"}, {950, "600"},
                                  {950, "700"}, {950, "800"}, {950, "900"}, {950, "1000"}};

// Icon size: two radio buttons, and a third never placed that holds the check while the page
// has not been read.
const int kSmallIcons = 2056;
const int kLargeIcons = 2057;
const int kNoIconSize = 2060;
const TextRecord kIconSizeTitle950 = {950, "開始功能表圖示大小"};
const TextRecord kIconSizeTitle936 = {950, "開始菜單圖示大小"};
const TextRecord kSmallIconsText = {950, "小圖示"};
const TextRecord kLargeIconsText = {950, "大圖示"};

const int kRowHeight = 20;
const int kRowStep = 24;
const int kComboDropHeight = 100;

CheckRowTable RowsFor(const QmThisApp& app)
{
    return app.IsXp() ? RowsOf(kXpRows) : RowsOf(kVista7Rows);
}

RowSystem SystemOf(const QmThisApp& app)
{
    return RowSystem{app.GetOsCode(), app.GetIeMajorVersion()};
}

const DwordChoice3& FolderValue(const QmThisApp& app, const FolderRow& row)
{
    return app.IsXp() ? *row.xp : *row.vista7;
}

TextPair ChoiceText(ChoiceTexts texts, int item)
{
    return TextPair{&kChoiceTexts950[texts][item], &kChoiceTexts936[texts][item]};
}

bool HasControls(QmThisApp& app)
{
    if (!app.Button(kIdApplyButton) || !app.Combo(kIdPageList) || !app.Button(kIdGroupMain) ||
        !app.ListView(kIdListMain) || !app.Button(kIdGroupRight))
        return false;
    for (const FolderRow& row : kFolderRows)
        if (!app.Button(row.boxId) || !app.Combo(row.comboId))
            return false;
    const int others[] = {kAdminBox, kDelayBox, kSmallIcons, kLargeIcons, kNoIconSize};
    for (int id : others)
        if (!app.Button(id))
            return false;
    return app.Combo(kAdminCombo) && app.Combo(kDelayCombo);
}

void FillChoice(QmThisApp& app, int boxId, int comboId, const TextPair& caption, const TextPair* texts, int count)
{
    QmButton* box = app.Button(boxId);
    QmCombo* combo = app.Combo(comboId);
    ResetChoice(*box, *combo);
    app.SetCaption(box, caption);
    for (int i = 0; i < count; ++i)
        app.AddComboText(combo, texts[i]);
}

// The pair of administrative-tools values as a combo index; -1 when either is unreadable or
// the pair is none of the three.
int ReadAdminTools()
{
    DWORD root = 0, tools = 0;
    const DwordToggle& rootRecord = kAdministrativeTools[0];
    const DwordToggle& toolsRecord = kAdministrativeTools[1];
    if (ReadDwordValue(root, rootRecord.root, rootRecord.keyPath, rootRecord.valueName) != kValueRead ||
        ReadDwordValue(tools, toolsRecord.root, toolsRecord.keyPath, toolsRecord.valueName) != kValueRead)
        return -1;
    for (int i = 0; i < kChoiceCount; ++i)
        if (root == kAdminToolsRoot[i] && tools == kStartMenuAdminTools[i])
            return i;
    return -1;
}

// The menu-delay text as an index of the combo's texts; -1 when unreadable or not listed.
int ReadMenuDelay()
{
    QmWString value;
    const ValueSlot& record = kMenuDelay[0];
    if (ReadStringValue(value, record.root, record.keyPath, record.valueName) != kValueRead)
        return -1;
    for (int i = 0; i < CountOf(kDelayTexts); ++i) {
        QmOwnedWide text = AnsiToWide(kDelayTexts[i].text, CP_ACP);
        if (text && TextEquals(value.CStr(), text.Get()))
            return i;
    }
    return -1;
}

}  // namespace

int ShowStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    app.SetCaption(app.Button(kIdGroupMain), Title(kTitleStartMenu));
    QmListview* list = app.ListView(kIdListMain);
    FillCheckRows(*list, RowsFor(app), SystemOf(app), [&app, list](const CheckRow& row) {
        app.InsertCheckRow(list, list->GetItemCount(), RowText(row), row.image);
    });

    for (const FolderRow& row : kFolderRows) {
        const ChoiceTexts texts = app.IsXp() ? row.xpTexts : row.vista7Texts;
        const TextPair items[kChoiceCount] = {ChoiceText(texts, 0), ChoiceText(texts, 1), ChoiceText(texts, 2)};
        FillChoice(app, row.boxId, row.comboId, Title(kTitleSettings), items, kChoiceCount);
    }
    const TextPair adminItems[kChoiceCount] = {ChoiceText(kAdminToolsTexts, 0), ChoiceText(kAdminToolsTexts, 1),
                                               ChoiceText(kAdminToolsTexts, 2)};
    FillChoice(app, kAdminBox, kAdminCombo, Title(kTitleSettings), adminItems, kChoiceCount);
    TextPair delayItems[CountOf(kDelayTexts)];
    for (int i = 0; i < CountOf(kDelayTexts); ++i)
        delayItems[i] = TextPair{&kDelayTexts[i], &kDelayTexts[i]};
    FillChoice(app, kDelayBox, kDelayCombo, Title(kTitleStartMenuSpeed), delayItems, CountOf(kDelayTexts));

    app.SetCaption(app.Button(kIdGroupRight), TextPair{&kIconSizeTitle950, &kIconSizeTitle936});
    app.Button(kNoIconSize)->SetChecked();
    app.Button(kSmallIcons)->SetUnchecked();
    app.Button(kLargeIcons)->SetUnchecked();
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

    // Right column: eight rows of a check box and its combo, then the icon-size group.
    const int x = RightColumnX(width);
    const int columnWidth = RightColumnWidth(width);
    struct Pair {
        int box;
        int combo;
    };
    const Pair rows[] = {{2041, 2008}, {2042, 2009}, {2043, 2200}, {2044, 2014},
                         {2045, 2015}, {2046, 2016}, {2047, 2017}, {kDelayBox, kDelayCombo}};
    int y = kPageTop;
    for (const Pair& row : rows) {
        const int boxWidth = row.box == kDelayBox ? width / 3 : width / 14;
        Place(app, row.box, x, y, boxWidth, kRowHeight);
        Place(app, row.combo, x + boxWidth, y, columnWidth - boxWidth, kComboDropHeight);
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

int ReadStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    QmListview& list = *app.ListView(kIdListMain);
    ReadCheckRows(list, 0, RowsFor(app), SystemOf(app));

    for (const FolderRow& row : kFolderRows)
        ShowChoice(*app.Button(row.boxId), *app.Combo(row.comboId), ReadDwordChoice(FolderValue(app, row)),
                   kFolderUnknown);
    ShowChoice(*app.Button(kAdminBox), *app.Combo(kAdminCombo), ReadAdminTools(), kAdminUnknown);
    ShowChoice(*app.Button(kDelayBox), *app.Combo(kDelayCombo), ReadMenuDelay());

    const DwordToggle& icons = kIconSize[0];
    const bool small = ReadDwordState(icons.root, icons.keyPath, icons.valueName, icons.onValue) == kStateOff;
    app.Button(kSmallIcons)->SetCheck(small ? BST_CHECKED : BST_UNCHECKED);
    app.Button(kLargeIcons)->SetCheck(small ? BST_UNCHECKED : BST_CHECKED);

    RedrawCheckRows(list);
    return 0;
}

int ApplyStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        ApplyCheckRows(reg, *app.ListView(kIdListMain), 0, RowsFor(app), SystemOf(app));

        for (const FolderRow& row : kFolderRows) {
            const DwordChoice3& value = FolderValue(app, row);
            const RegPlace place = PlaceOf(value);
            ApplyDwordChoice(reg, &place, 1, BoxCheck(*app.Button(row.boxId)), app.Combo(row.comboId)->GetCurSel(),
                             value.choice, kChoiceCount, WhenCleared::Leave);
        }

        const int adminCheck = BoxCheck(*app.Button(kAdminBox));
        const int adminChoice = app.Combo(kAdminCombo)->GetCurSel();
        const RegPlace rootPlace = PlaceOf(kAdministrativeTools[0]);
        const RegPlace toolsPlace = PlaceOf(kAdministrativeTools[1]);
        ApplyDwordChoice(reg, &rootPlace, 1, adminCheck, adminChoice, kAdminToolsRoot, kChoiceCount, WhenCleared::Leave);
        ApplyDwordChoice(reg, &toolsPlace, 1, adminCheck, adminChoice, kStartMenuAdminTools, kChoiceCount,
                         WhenCleared::Leave);

        const int delay = app.Combo(kDelayCombo)->GetCurSel();
        if (BoxCheck(*app.Button(kDelayBox)) && delay >= 0 && delay < CountOf(kDelayTexts)) {
            QmOwnedWide text = AnsiToWide(kDelayTexts[delay].text, CP_ACP);
            const ValueSlot& record = kMenuDelay[0];
            if (text)
                reg.WriteString(RootKey(record.root), record.keyPath, record.valueName, text.Get());
        }

        const DwordToggle& icons = kIconSize[0];
        if (BoxCheck(*app.Button(kSmallIcons)))
            reg.WriteDword(RootKey(icons.root), icons.keyPath, icons.valueName, icons.offValue);
        else if (BoxCheck(*app.Button(kLargeIcons)))
            reg.WriteDword(RootKey(icons.root), icons.keyPath, icons.valueName, icons.onValue);
    });
}

void RecommendStartMenuPage(QmThisApp& app)
{
    if (!HasControls(app))
        return;
    for (int id = 2041; id <= kDelayBox; ++id)
        app.Button(id)->SetChecked();
    // combo  choice
    const int choices[][2] = {{2008, 1}, {2009, 1}, {2200, 1}, {2014, 1}, {2015, app.IsXp() ? 1 : 2},
                              {2016, 1}, {kAdminCombo, 2}, {kDelayCombo, 4}};
    for (const auto& choice : choices)
        app.Combo(choice[0])->SetCurSel(choice[1]);
    app.Button(kLargeIcons)->SetUnchecked();
    app.Button(kSmallIcons)->SetChecked();
}

void StartMenuBackupItems(const QmThisApp& app, BackupList& items)
{
    AddCheckRowBackups(items, RowsFor(app), SystemOf(app));
    for (const FolderRow& row : kFolderRows)
        items.AddDword(FolderValue(app, row));
    for (const DwordToggle& record : kAdministrativeTools)
        items.AddDword(record);
    items.AddText(kMenuDelay[0]);
    items.AddDword(kIconSize[0]);
}
