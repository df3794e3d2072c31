// Internet Explorer page (page 8): browser options in the first list and browser restrictions
// in the second. The options are four rows every version has, then a block of rows for
// Internet Explorer 7 or 8 only. Compiled with a Big5 execution character set: labels and
// texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckListRefill.h"
#include "model/CheckRowText.h"
#include "model/CheckRows.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
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
const DwordToggle kBrowserIe7[] = {
    {0, "移除工具列", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"Enabled", 1, 0},
    {1, "工具列使用大圖示", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"SmallIcons", 1, 0},
    {2, "移除搜尋列", REG_DWORD, kRootCurrentUser, QM_SEARCH_BOX, L"NoSearchBox", 0, 1},
    {3, "CHIKon能表的位置放到最上層", REG_DWORD, kRootCurrentUser, QM_MENU_BAR, L"ITBar7Position", 0, 1},
    {4, "啟用索引標籤式瀏覽", REG_DWORD, kRootCurrentUser, QM_TABS, L"Enabled", 0, 1},
    {5, "關閉多個索引標籤時，警告我", REG_DWORD, kRootCurrentUser, QM_TABS, L"WarnOnClose", 0, 1},
    {6, "建立索引標籤後，切換到新索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenInForeground", 0, 1},
    {7, "啟用快速索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"QuickTabsThreshold", 0, 2},
    {8, "IE 啟動時，只開啟第一個首頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenAllHomePages", 1, 0},
    {9, "新索引標籤頁開啟時顯示首頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"UseHomepageForNewTab", 0, 1},
    {10, "在現有索引標籤頁旁開啟新索引標籤", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenAdjacent", 0, 1},
};
// Internet Explorer 8 calls the command bar switch CommandBarEnabled.
const DwordToggle kBrowserIe8[] = {
    {0, "移除我的最愛列", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Internet Explorer\\LinksBar", L"Enabled", 1, 0},
    {1, "移除工具列", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"CommandBarEnabled", 1, 0},
    {2, "工具列使用大圖示", REG_DWORD, kRootCurrentUser, QM_COMMAND_BAR, L"SmallIcons", 1, 0},
    {3, "移除搜尋列", REG_DWORD, kRootCurrentUser, QM_SEARCH_BOX, L"NoSearchBox", 0, 1},
    {4, "CHIKon能表的位置放到最上層", REG_DWORD, kRootCurrentUser, QM_MENU_BAR, L"ITBar7Position", 0, 1},
    {5, "啟用索引標籤式瀏覽", REG_DWORD, kRootCurrentUser, QM_TABS, L"Enabled", 0, 1},
    {6, "關閉多個標籤頁時，警告我", REG_DWORD, kRootCurrentUser, QM_TABS, L"WarnOnClose", 0, 1},
    {7, "建立標籤頁後，切換到新標籤頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenInForeground", 0, 1},
    {8, "啟用快速標籤頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"QuickTabsThreshold", 0, 2},
    {9, "IE 啟動時，只開啟第一個首頁", REG_DWORD, kRootCurrentUser, QM_TABS, L"OpenAllHomePages", 1, 0},
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

// How a row reads and what clearing it does; record i of a group is row i of its block.
struct BrowserRow {
    CheckRowText text;
    bool missingShowsChecked;  // ReadDwordCheckDefaultOn rather than ReadDwordCheck
    WhenCleared cleared;
};
// text (950, 936 where it differs)  missing shows checked  when cleared
const BrowserRow kCommonRows[] = {
    {{{950, "自動檢查更新"}}, true, WhenCleared::WriteOff},
    {{{950, "鎖定工具列"}}, false, WhenCleared::WriteOff},
    {{{950, "顯示功能表"}, {950, "顯示菜單"}}, true, WhenCleared::WriteOff},
    {{{950, "移除狀態列"}}, false, WhenCleared::WriteOff},
};
const BrowserRow kIe7Rows[] = {
    {{{950, "移除工具列"}}, false, WhenCleared::WriteOff},
    {{{950, "工具列使用大圖示"}}, false, WhenCleared::WriteOff},
    {{{950, "移除搜尋列"}}, false, WhenCleared::WriteOff},
    {{{950, "功能表的位置放到最上層"}, {950, "菜單的位置放到最上層"}}, false, WhenCleared::Delete},
    {{{950, "啟用索引標籤式瀏覽"}}, false, WhenCleared::WriteOff},
    {{{950, "關閉多個索引標籤時，警告我"}}, false, WhenCleared::WriteOff},
    {{{950, "建立索引標籤後，切換到新索引標籤"}}, false, WhenCleared::WriteOff},
    {{{950, "啟用快速索引標籤"}}, false, WhenCleared::WriteOff},
    {{{950, "IE 啟動時，只開啟第一個首頁"}}, false, WhenCleared::WriteOff},
    {{{950, "新索引標籤頁開啟時顯示首頁"}}, false, WhenCleared::WriteOff},
    {{{950, "在現有索引標籤頁旁開啟新索引標籤"}}, false, WhenCleared::WriteOff},
};
const BrowserRow kIe8Rows[] = {
    {{{950, "移除我的最愛列"}}, false, WhenCleared::WriteOff},
    {{{950, "移除工具列"}}, false, WhenCleared::WriteOff},
    {{{950, "工具列使用大圖示"}}, false, WhenCleared::WriteOff},
    {{{950, "移除搜尋列"}}, false, WhenCleared::WriteOff},
    {{{950, "功能表的位置放到最上層"}, {950, "菜單的位置放到最上層"}}, false, WhenCleared::Delete},
    {{{950, "啟用索引標籤式瀏覽"}}, false, WhenCleared::WriteOff},
    {{{950, "關閉多個標籤頁時，警告我"}}, false, WhenCleared::WriteOff},
    {{{950, "建立標籤頁後，切換到新標籤頁"}}, false, WhenCleared::WriteOff},
    {{{950, "啟用快速標籤頁"}}, false, WhenCleared::WriteOff},
    {{{950, "IE 啟動時，只開啟第一個首頁"}}, false, WhenCleared::WriteOff},
};
const BrowserRow kRestrictionRows[] = {
    {{{950, "禁止修改 IE 首頁"}}, false, WhenCleared::WriteOff},
    {{{950, "禁止儲存密碼"}}, false, WhenCleared::Delete},
    {{{950, "禁用新視窗"}}, false, WhenCleared::WriteOff},
    {{{950, "禁止開啟舊檔"}}, false, WhenCleared::WriteOff},
    {{{950, "禁止另存新檔"}}, false, WhenCleared::WriteOff},
    {{{950, "禁止匯出和匯入"}}, false, WhenCleared::Delete},
    {{{950, "禁止使用說明"}}, false, WhenCleared::Delete},
    {{{950, "不要將加密的網頁存到磁碟"}}, false, WhenCleared::WriteOff},
};

// A run of rows in one list: a record group and its rows, for one Internet Explorer version
// or for all (version 0).
struct Block {
    int ieVersion;
    int listId;
    int image;
    const DwordToggle* records;
    const BrowserRow* rows;
    int count;
};
// version  list  picture  records  rows
const Block kBlocks[] = {
    {0, kIdListMain, 72, kBrowserCommon, kCommonRows, CountOf(kCommonRows)},
    {7, kIdListMain, 72, kBrowserIe7, kIe7Rows, CountOf(kIe7Rows)},
    {8, kIdListMain, 72, kBrowserIe8, kIe8Rows, CountOf(kIe8Rows)},
    {0, kIdListRight, 41, kBrowserRestrictions, kRestrictionRows, CountOf(kRestrictionRows)},
};
static_assert(CountOf(kBrowserCommon) == CountOf(kCommonRows), "a row for every record");
static_assert(CountOf(kBrowserIe7) == CountOf(kIe7Rows), "a row for every record");
static_assert(CountOf(kBrowserIe8) == CountOf(kIe8Rows), "a row for every record");
static_assert(CountOf(kBrowserRestrictions) == CountOf(kRestrictionRows), "a row for every record");

// Frame captions by major version; the last pair serves every other version.
struct Captions {
    int ieVersion;
    TextRecord options;
    TextRecord restrictions;
};
const Captions kCaptions[] = {
    {4, {950, "IE 4"}, {950, "IE 4 禁止"}},
    {5, {950, "IE 5"}, {950, "IE 5 禁止"}},
    {6, {950, "IE 6"}, {950, "IE 6 禁止"}},
    {7, {950, "IE 7"}, {950, "IE 7 禁止"}},
    {8, {950, "IE 8"}, {950, "IE 8 禁止"}},
    {0, {950, "IE"}, {950, "IE 禁止"}},
};

const Captions& CaptionsFor(int ieVersion)
{
    const int last = CountOf(kCaptions) - 1;
    for (int i = 0; i < last; ++i)
        if (kCaptions[i].ieVersion == ieVersion)
            return kCaptions[i];
    return kCaptions[last];
}

// One row as show, read, apply and backup see it. The list is named by its id, so a backup
// walks the rows without windows.
struct PageRow {
    int listId;
    int index;
    int image;
    const DwordToggle& record;
    const BrowserRow& rule;
};

// Calls `visit` for every row of the installed version in page order: the common rows, the
// version's own block, then the restrictions. Show, read, apply and backup all walk the page
// through here, so they always agree on its rows.
template <class Visit>
void ForEachRow(const QmThisApp& app, Visit&& visit)
{
    int listId = 0;
    int index = 0;
    for (const Block& block : kBlocks) {
        if (block.ieVersion != 0 && block.ieVersion != app.GetIeMajorVersion())
            continue;
        if (block.listId != listId) {
            listId = block.listId;
            index = 0;
        }
        for (int i = 0; i < block.count; ++i)
            visit(PageRow{listId, index++, block.image, block.records[i], block.rows[i]});
    }
}

bool HasControls(QmThisApp& app)
{
    return app.Button(kIdApplyButton) && app.Combo(kIdPageList) && app.Button(kIdGroupMain) &&
           app.ListView(kIdListMain) && app.Button(kIdGroupRight) && app.ListView(kIdListRight);
}

}  // namespace

int ShowInternetExplorerPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    const Captions& captions = CaptionsFor(app.GetIeMajorVersion());
    app.SetCaption(app.Button(kIdGroupMain), captions.options);
    app.SetCaption(app.Button(kIdGroupRight), captions.restrictions);
    const CheckListRefill options(*app.ListView(kIdListMain)), restrictions(*app.ListView(kIdListRight));
    ForEachRow(app, [&app](const PageRow& row) {
        app.InsertCheckRow(app.ListView(row.listId), row.index, row.rule.text.Pair(), row.image);
    });
    return 1;
}

int LayoutInternetExplorerPage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    PlaceTwoListColumns(app, width, height);
    return 0;
}

int ReadInternetExplorerPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    ForEachRow(app, [&app](const PageRow& row) {
        QmListview& list = *app.ListView(row.listId);
        if (row.rule.missingShowsChecked)
            ReadDwordCheckDefaultOn(list, row.index, row.record);
        else
            ReadDwordCheck(list, row.index, row.record);
    });
    RedrawCheckRows(*app.ListView(kIdListMain));
    RedrawCheckRows(*app.ListView(kIdListRight));
    return 1;
}

int ApplyInternetExplorerPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        ForEachRow(app, [&app, &reg](const PageRow& row) {
            ApplyDwordToggle(reg, row.record, app.ListView(row.listId)->GetItemCheck(row.index), row.rule.cleared);
        });
    });
}

void RecommendInternetExplorerPage(QmThisApp&) {}

void InternetExplorerBackupItems(const QmThisApp& app, BackupList& items)
{
    ForEachRow(app, [&items](const PageRow& row) { items.AddDword(row.record); });
}
