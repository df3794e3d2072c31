// Desktop and login page (page 0, "桌面、登入"): three check lists of desktop, taskbar and
// logon tweaks. Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

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

// text  picture  kind  values (written in order, with what clearing does)  [shown on  recommended]
const CheckRow kDesktopRows[] = {
    {{"保持上次的桌面設置"}, 39, kPlain, {Dw(kDesktopToggles[0])}, kAll, kCheck},
    {{"桌面顯示系統版本"}, 39, kPlain, {Dw(kDesktopToggles[1])}},
    {{"禁止更改桌面背景"}, 41, RowKind::PolicyPair, {Dw(kWallpaperMachine[0]), Dw(kWallpaperUser[0])}},
};
const CheckRow kTaskbarRows[] = {
    {{"鎖定工作列"}, 22, kPlain, {Dw(kTaskbarToggles[0])}},
    {{"類似工具列按鈕分組"}, 22, kPlain, {Dw(kTaskbarToggles[1])}},
    {{"不顯示時鐘"}, 41, RowKind::PolicyPair, {Dw(kClockMachine[0]), Dw(kClockUser[0], kDelete)}, kXp},
};
// The Num Lock row is one row whose on text depends on the Windows version.
const CheckRow kLogonRows[] = {
    {{"登入時顯示電腦系統管理員帳戶"}, 56, kPlain, {Dw(kAdministratorAtLogon[0], kDelete)}},
    {{"啟動時執行重新整理磁碟"}, 56, kPlain, {Sz(kLogonStrings[0])}, kAll, kCheck},
    {{"登入畫面禁止執行螢幕保護程式"}, 56, kPlain, {Sz(kLogonStrings[1])}},
    {{"登入畫面開啟鍵盤的 Num Lock 鍵"}, 56, kPlain, {Sz(kNumLockXp[0])}, kXp},
    {{"登入畫面開啟鍵盤的 Num Lock 鍵"}, 56, kPlain, {Sz(kNumLockVista7[0])}, kVista7},
};
const CheckRow& kNumLockRowXp = kLogonRows[3];
const CheckRow& kNumLockRowVista7 = kLogonRows[4];

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleDesktop), {kDesktopRows}},
    {kIdGroupRight, kIdListRight, Title(kTitleTaskbar), {kTaskbarRows}},
    {kIdGroupLower, kIdListLower, Title(kTitleLogonStartup), {kLogonRows}},
};
const CheckList& kLogonList = kLists[2];

bool HasControls(const QmThisApp& app)
{
    return HasTableControls(app, kLists) && app.Combo(kIdProgramList);
}

}  // namespace

int ShowDesktopPage(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    // Without a wording the titles stay empty rather than another page's.
    for (const CheckList& list : kLists)
        app.Button(list.groupId)->SetText(L"");
    ShowRows(app, kLists);
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

void ReadDesktopPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
}

int ApplyDesktopPage(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyRows(reg, page, kLists); });
}

int ApplyLogonNumLock(QmThisApp& app)
{
    QmCReg reg;
    ApplyRow(reg, app, kLogonList, app.IsXp() ? kNumLockRowXp : kNumLockRowVista7);
    return 1;
}

void RecommendDesktopPage(QmThisApp& app)
{
    RecommendRows(app, kLists);
}

void DesktopBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
}
