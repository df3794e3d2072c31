// Desktop and login page (page 0, "桌面、登入"): three check lists of desktop, taskbar and
// logon tweaks. Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckRows.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
#include "platform/QmCReg.h"

#include <iterator>

namespace {

// item  label  type  root  key  value  off  on
const DwordToggle kDesktopToggles[] = {
    {0, "保持上次的桌面設置", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoSaveSettings", 2, 0},
    {1, "桌面顯示系統版本", REG_DWORD, kRootCurrentUser, L"Control Panel\\Desktop", L"PaintDesktopVersion", 0, 1},
};
const DwordToggle kWallpaperUser[] = {
    {0, "禁止更改桌面背景", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop", L"NoChangingWallpaper", 0, 1},
};
const DwordToggle kWallpaperMachine[] = {
    {0, "禁止更改桌面背景", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop", L"NoChangingWallpaper", 0, 1},
};
const DwordToggle kTaskbarToggles[] = {
    {0, "鎖定工作列", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"TaskbarSizeMove", 1, 0},
    {1, "類似工具列按鈕分組", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"TaskbarGlomming", 0, 1},
};
const DwordToggle kClockUser[] = {
    {0, "不顯示時鐘", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"HideClock", 0, 1},
};
const DwordToggle kClockMachine[] = {
    {0, "不顯示時鐘", REG_DWORD, kRootLocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"HideClock", 0, 1},
};
const DwordToggle kAdministratorAtLogon[] = {
    {0, "登入時顯示電腦系統管理員帳戶", REG_DWORD, kRootLocalMachine, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\SpecialAccounts\\UserList", L"Administrator", 0, 1},
};
// item  label  type  root  key  value  off  on
const StringToggle kLogonStrings[] = {
    {0, "啟動時執行重新整理磁碟", REG_SZ, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", L"Enable", "N", "Y"},
    {1, "登入畫面禁止執行螢幕保護程式", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", "1", "0"},
};
const StringToggle kNumLockXp[] = {
    {0, "登入畫面開啟鍵盤的 Num Lock 鍵", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Keyboard", L"InitialKeyboardIndicators", "0", "2"},
};
const StringToggle kNumLockVista7[] = {
    {0, "登入畫面開啟鍵盤的 Num Lock 鍵", REG_SZ, kRootUsers, L".DEFAULT\\Control Panel\\Keyboard", L"InitialKeyboardIndicators", "0", "2147483648"},
};

// The three check lists: group box, list, title, and the rows' texts (the same in both
// wordings) with their pictures.
struct RowText {
    TextRecord text;
    int image;
};
const RowText kDesktopRows[] = {{{950, "保持上次的桌面設置"}, 39}, {{950, "桌面顯示系統版本"}, 39}, {{950, "禁止更改桌面背景"}, 41}};
const RowText kTaskbarRows[] = {{{950, "鎖定工作列"}, 22}, {{950, "類似工具列按鈕分組"}, 22}, {{950, "不顯示時鐘"}, 41}};
const RowText kLogonRows[] = {{{950, "登入時顯示電腦系統管理員帳戶"}, 56},
                              {{950, "啟動時執行重新整理磁碟"}, 56},
                              {{950, "登入畫面禁止執行螢幕保護程式"}, 56},
                              {{950, "登入畫面開啟鍵盤的 Num Lock 鍵"}, 56}};
const int kClockRow = 2;  // taskbar list, Windows XP only

struct ListOfPage {
    int groupId;
    int listId;
    TitleId title;
    const RowText* rows;
    int rowCount;
};
// group  list  title  rows
const ListOfPage kLists[] = {
    {kIdGroupMain, kIdListMain, kTitleDesktop, kDesktopRows, CountOf(kDesktopRows)},
    {kIdGroupRight, kIdListRight, kTitleTaskbar, kTaskbarRows, CountOf(kTaskbarRows)},
    {kIdGroupLower, kIdListLower, kTitleLogonStartup, kLogonRows, CountOf(kLogonRows)},
};

// Every row but the Num Lock row, in the order the page reads and writes them. A row is a
// DWORD toggle, a policy pair (the machine-wide value wins while it exists) or a text toggle.
struct TweakRow {
    int listId;
    int row;
    const DwordToggle* value;    // the value, or a policy pair's per-user value
    const DwordToggle* machine;  // a policy pair's machine-wide value
    const StringToggle* text;
    WhenCleared cleared;
    bool xpOnly;
};
// list  row  value  machine  text  when cleared  XP only
const TweakRow kRows[] = {
    {kIdListMain, 0, &kDesktopToggles[0], nullptr, nullptr, WhenCleared::WriteOff, false},
    {kIdListMain, 1, &kDesktopToggles[1], nullptr, nullptr, WhenCleared::WriteOff, false},
    {kIdListMain, 2, kWallpaperUser, kWallpaperMachine, nullptr, WhenCleared::WriteOff, false},
    {kIdListRight, 0, &kTaskbarToggles[0], nullptr, nullptr, WhenCleared::WriteOff, false},
    {kIdListRight, 1, &kTaskbarToggles[1], nullptr, nullptr, WhenCleared::WriteOff, false},
    {kIdListRight, kClockRow, kClockUser, kClockMachine, nullptr, WhenCleared::Delete, true},
    {kIdListLower, 0, kAdministratorAtLogon, nullptr, nullptr, WhenCleared::Delete, false},
    {kIdListLower, 1, nullptr, nullptr, &kLogonStrings[0], WhenCleared::WriteOff, false},
    {kIdListLower, 2, nullptr, nullptr, &kLogonStrings[1], WhenCleared::WriteOff, false},
};
const int kNumLockRow = 3;  // logon list; its on text depends on the Windows version

const StringToggle& NumLockRecord(const QmThisApp& app)
{
    return app.IsXp() ? kNumLockXp[0] : kNumLockVista7[0];
}

bool HasControls(QmThisApp& app)
{
    if (!app.Button(kIdApplyButton) || !app.Combo(kIdPageList) || !app.Combo(kIdProgramList))
        return false;
    for (const ListOfPage& list : kLists)
        if (!app.Button(list.groupId) || !app.ListView(list.listId))
            return false;
    return true;
}

bool RowShown(const QmThisApp& app, const TweakRow& row)
{
    return !row.xpOnly || app.IsXp();
}

}  // namespace

int ShowDesktopPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    for (const ListOfPage& page : kLists) {
        QmButton* group = app.Button(page.groupId);
        group->SetText(L"");
        app.SetCaption(group, Title(page.title));
        QmListview* list = app.ListView(page.listId);
        list->DeleteAllItems();
        for (int i = 0; i < page.rowCount; ++i) {
            if (page.listId == kIdListRight && i == kClockRow && !app.IsXp())
                continue;
            app.InsertCheckRow(list, list->GetItemCount(), page.rows[i].text, page.rows[i].image);
        }
    }
    return 1;
}

int LayoutDesktopPage(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    const int halfLimit = (height - 40) / 2 - 12;
    const Box desktop = PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, LeftColumnWidth(width), halfLimit);
    PlaceListGroup(app, kIdGroupRight, kIdListRight, RightColumnX(width), kPageTop, RightColumnWidth(width),
                   height - 52);
    PlaceListGroup(app, kIdGroupLower, kIdListLower, desktop.x, desktop.y + desktop.height + 4, desktop.width,
                   halfLimit);
    PlaceApplyButtons(app, width, height);
    return 0;
}

int ReadDesktopPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    for (const TweakRow& row : kRows) {
        if (!RowShown(app, row))
            continue;
        QmListview& list = *app.ListView(row.listId);
        if (row.text)
            ReadStringCheck(list, row.row, *row.text);
        else if (row.machine)
            ReadPolicyPairCheck(list, row.row, *row.machine, *row.value);
        else
            ReadDwordCheck(list, row.row, *row.value);
    }
    ReadStringCheck(*app.ListView(kIdListLower), kNumLockRow, NumLockRecord(app));
    for (const ListOfPage& page : kLists)
        RedrawCheckRows(*app.ListView(page.listId));
    return 0;
}

int ApplyDesktopPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        for (const TweakRow& row : kRows) {
            if (!RowShown(app, row))
                continue;
            const int check = app.ListView(row.listId)->GetItemCheck(row.row);
            if (row.text)
                ApplyStringToggle(reg, *row.text, check);
            else if (row.machine)
                ApplyPolicyPair(reg, *row.machine, *row.value, check, row.cleared);
            else
                ApplyDwordToggle(reg, *row.value, check, row.cleared);
        }
        ApplyLogonNumLock(app);
    });
}

int ApplyLogonNumLock(QmThisApp& app)
{
    QmListview* list = app.ListView(kIdListLower);
    if (!list)
        return 1;
    QmCReg reg;
    ApplyStringToggle(reg, NumLockRecord(app), list->GetItemCheck(kNumLockRow));
    return 1;
}

void RecommendDesktopPage(QmThisApp& app)
{
    if (QmListview* desktop = app.ListView(kIdListMain))
        desktop->CheckItem(0);
    if (QmListview* logon = app.ListView(kIdListLower))
        logon->CheckItem(1);
}

void DesktopBackupItems(const QmThisApp& app, BackupList& items)
{
    for (const DwordToggle& record : kDesktopToggles)
        items.AddDword(record);
    items.AddDword(kWallpaperMachine[0]);
    items.AddDword(kWallpaperUser[0]);
    for (const DwordToggle& record : kTaskbarToggles)
        items.AddDword(record);
    if (app.IsXp()) {
        items.AddDword(kClockMachine[0]);
        items.AddDword(kClockUser[0]);
    }
    items.AddDword(kAdministratorAtLogon[0]);
    for (const StringToggle& record : kLogonStrings)
        items.AddText(record);
    items.AddText(NumLockRecord(app));
}
