// Internet Explorer page (page 8): browser options in the first list and browser restrictions
// in the second. The options are four rows every version has, then rows for Internet
// Explorer 7 or 8 only. Compiled with a Big5 execution character set: labels and
// texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

#define QM_MAIN L"Software\\Microsoft\\Internet Explorer\\Main"
#define QM_COMMAND_BAR L"Software\\Microsoft\\Internet Explorer\\CommandBar"
#define QM_TABS L"Software\\Microsoft\\Internet Explorer\\TabbedBrowsing"
#define QM_SEARCH_BOX L"Software\\Policies\\Microsoft\\Internet Explorer\\InfoDelivery\\Restrictions"
#define QM_MENU_BAR L"Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser"
#define QM_RESTRICTIONS L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"
#define QM_INTERNET_SETTINGS L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"

// item  label  type  root  key  value  off  on   (off 0 where clearing deletes the value)
const DwordToggle kBrowserCommon[] = {
    {0, "自動檢查更新", REG_DWORD, kRootCurrentUser, QM_MAIN, L"NoUpdateCheck", 1, 0},
    {1, "鎖定工具列", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Internet Explorer\\Toolbar", L"Locked", 0, 1},
    {2, "顯示CHIKon能表", REG_DWORD, kRootCurrentUser, QM_MAIN, L"AlwaysShowMenus", 0, 1},
    {3, "移除狀態列", REG_DWORD, kRootCurrentUser, QM_MAIN, L"StatusBarWeb", 1, 0},
};
// Internet Explorer 7 and 8: one record for each value; 8 calls the command bar switch
// CommandBarEnabled.
const DwordToggle kBrowserIe7And8[] = {
    {0, "移除我的最愛列", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Internet Explorer\\LinksBar", L"Enabled", 1, 0},
    {1, "移除工具列", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"Enabled", 1, 0},
    {2, "移除工具列", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"CommandBarEnabled", 1, 0},
    {3, "工具列使用大圖示", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"SmallIcons", 1, 0},
    {4, "移除搜尋列", REG_DWORD, kRootCurrentUser, QM_SEARCH_BOX, L"NoSearchBox", 0, 1},
    {5, "CHIKon能表的位置放到最上層", REG_DWORD, kRootCurrentUser, QM_MENU_BAR, L"ITBar7Position", 0, 1},
    {6, "啟用索引標籤式瀏覽", REG_DWORD, kRootCurrentUser, QM_TABS, L"Enabled", 0, 1},
    {7, "關閉多個索引標籤時，警告我", REG_DWORD, kRootCurrentUser, QM_TABS, L"WarnOnClose", 0, 1},
    {8, "建立索引標籤後，切換到新索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenInForeground", 0, 1},
    {9, "啟用快速索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"QuickTabsThreshold", 0, 2},
    {10, "IE 啟動時，只開啟第一個首頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenAllHomePages", 1, 0},
    {11, "新索引標籤頁開啟時顯示首頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"UseHomepageForNewTab", 0, 1},
    {12, "在現有索引標籤頁旁開啟新索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenAdjacent", 0, 1},
};
const DwordToggle kBrowserRestrictions[] = {
    {0, "禁止修改 IE 首頁", REG_DWORD, kRootCurrentUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel", L"Homepage", 0, 1},
    {1, "禁止儲存密碼", REG_DWORD, kRootCurrentUser, QM_INTERNET_SETTINGS, L"DisablePasswordCaching", 0, 1},
    {2, "禁用新視窗", REG_DWORD, kRootCurrentUser, QM_RESTRICTIONS, L"NoFileNew", 0, 1},
    {3, "禁止開啟舊檔", REG_DWORD, kRootCurrentUser, QM_RESTRICTIONS, L"NoFileOpen", 0, 1},
    {4, "禁止另存新檔", REG_DWORD, kRootCurrentUser, QM_RESTRICTIONS, L"NoBrowserSaveAs", 0, 1},
    {5, "禁止匯出和匯入", REG_DWORD, kRootCurrentUser, L"Software\\Policies\\Microsoft\\Internet Explorer", L"DisableImportExportFavorites", 0, 1},
    {6, "禁止使用說明", REG_DWORD, kRootCurrentUser, QM_RESTRICTIONS, L"NoHelpMenu", 0, 1},
    {7, "不要將加密的網頁存到磁碟", REG_DWORD, kRootCurrentUser, QM_INTERNET_SETTINGS, L"DisableCachingOfSSLPages", 0, 1},
};

#undef QM_MAIN
#undef QM_COMMAND_BAR
#undef QM_TABS
#undef QM_SEARCH_BOX
#undef QM_MENU_BAR
#undef QM_RESTRICTIONS
#undef QM_INTERNET_SETTINGS

const ShownOn kIe7 = ShownOn::Ie7;
const ShownOn kIe8 = ShownOn::Ie8;
const ShownOn kIe7Or8 = ShownOn::Ie7Or8;

// Four rows every version has, then those of Internet Explorer 7 or 8, where 8 words some
// of the same settings its own way.
// text (950, 936 where it differs)  picture  kind  values (with what clearing does)  [shown on]
const CheckRow kOptionRows[] = {
    {{"自動檢查更新"}, 72, kDefaultOn, {Dw(kBrowserCommon[0])}},
    {{"鎖定工具列"}, 72, kPlain, {Dw(kBrowserCommon[1])}},
    {{"顯示功能表", "顯示菜單"}, 72, kDefaultOn, {Dw(kBrowserCommon[2])}},
    {{"移除狀態列"}, 72, kPlain, {Dw(kBrowserCommon[3])}},
    {{"移除我的最愛列"}, 72, kPlain, {Dw(kBrowserIe7And8[0])}, kIe8},
    {{"移除工具列"}, 72, kPlain, {Dw(kBrowserIe7And8[1])}, kIe7},
    {{"移除工具列"}, 72, kPlain, {Dw(kBrowserIe7And8[2])}, kIe8},
    {{"工具列使用大圖示"}, 72, kPlain, {Dw(kBrowserIe7And8[3])}, kIe7Or8},
    {{"移除搜尋列"}, 72, kPlain, {Dw(kBrowserIe7And8[4])}, kIe7Or8},
    {{"功能表的位置放到最上層", "菜單的位置放到最上層"}, 72, kPlain, {Dw(kBrowserIe7And8[5], kDelete)}, kIe7Or8},
    {{"啟用索引標籤式瀏覽"}, 72, kPlain, {Dw(kBrowserIe7And8[6])}, kIe7Or8},
    {{"關閉多個索引標籤時，警告我"}, 72, kPlain, {Dw(kBrowserIe7And8[7])}, kIe7},
    {{"關閉多個標籤頁時，警告我"}, 72, kPlain, {Dw(kBrowserIe7And8[7])}, kIe8},
    {{"建立索引標籤後，切換到新索引標籤"}, 72, kPlain, {Dw(kBrowserIe7And8[8])}, kIe7},
    {{"建立標籤頁後，切換到新標籤頁"}, 72, kPlain, {Dw(kBrowserIe7And8[8])}, kIe8},
    {{"啟用快速索引標籤"}, 72, kPlain, {Dw(kBrowserIe7And8[9])}, kIe7},
    {{"啟用快速標籤頁"}, 72, kPlain, {Dw(kBrowserIe7And8[9])}, kIe8},
    {{"IE 啟動時，只開啟第一個首頁"}, 72, kPlain, {Dw(kBrowserIe7And8[10])}, kIe7Or8},
    {{"新索引標籤頁開啟時顯示首頁"}, 72, kPlain, {Dw(kBrowserIe7And8[11])}, kIe7},
    {{"在現有索引標籤頁旁開啟新索引標籤"}, 72, kPlain, {Dw(kBrowserIe7And8[12])}, kIe7},
};
const CheckRow kRestrictionRows[] = {
    {{"禁止修改 IE 首頁"}, 41, kPlain, {Dw(kBrowserRestrictions[0])}},
    {{"禁止儲存密碼"}, 41, kPlain, {Dw(kBrowserRestrictions[1], kDelete)}},
    {{"禁用新視窗"}, 41, kPlain, {Dw(kBrowserRestrictions[2])}},
    {{"禁止開啟舊檔"}, 41, kPlain, {Dw(kBrowserRestrictions[3])}},
    {{"禁止另存新檔"}, 41, kPlain, {Dw(kBrowserRestrictions[4])}},
    {{"禁止匯出和匯入"}, 41, kPlain, {Dw(kBrowserRestrictions[5], kDelete)}},
    {{"禁止使用說明"}, 41, kPlain, {Dw(kBrowserRestrictions[6], kDelete)}},
    {{"不要將加密的網頁存到磁碟"}, 41, kPlain, {Dw(kBrowserRestrictions[7])}},
};

// The titles depend on the version (below).
// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, {nullptr}, {kOptionRows}},
    {kIdGroupRight, kIdListRight, {nullptr}, {kRestrictionRows}},
};

// Frame captions by major version; the last pair serves every other version.
struct Captions {
    int ieVersion;
    TextPair options;
    TextPair restrictions;
};
const Captions kCaptions[] = {
    {4, {"IE 4"}, {"IE 4 禁止"}},
    {5, {"IE 5"}, {"IE 5 禁止"}},
    {6, {"IE 6"}, {"IE 6 禁止"}},
    {7, {"IE 7"}, {"IE 7 禁止"}},
    {8, {"IE 8"}, {"IE 8 禁止"}},
    {0, {"IE"}, {"IE 禁止"}},
};

const Captions& CaptionsFor(int ieVersion)
{
    const int last = CountOf(kCaptions) - 1;
    for (int i = 0; i < last; ++i)
        if (kCaptions[i].ieVersion == ieVersion)
            return kCaptions[i];
    return kCaptions[last];
}

}  // namespace

int ShowInternetExplorerPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return 0;
    const Captions& captions = CaptionsFor(app.GetIeMajorVersion());
    app.SetCaption(app.Button(kIdGroupMain), captions.options);
    app.SetCaption(app.Button(kIdGroupRight), captions.restrictions);
    ShowRows(app, kLists);
    return 1;
}

int LayoutInternetExplorerPage(QmThisApp& app, int width, int height)
{
    if (!HasTableControls(app, kLists))
        return -1;
    PlaceTwoListColumns(app, width, height);
    return 0;
}

void ReadInternetExplorerPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
}

int ApplyInternetExplorerPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyRows(reg, page, kLists); });
}

void InternetExplorerBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
}
