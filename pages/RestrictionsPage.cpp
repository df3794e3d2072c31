// Restrictions page (page 3, "禁止"): network and Internet-zone restrictions in one check
// list, Explorer restrictions in another. The auto-complete row exists only with Internet
// Explorer 6 and the Messenger row only on Windows XP; the rows after a missing one move up.
// Compiled with a Big5 execution character set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

#define IE_CONTROL_PANEL L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"
#define LANMAN_PARAMETERS L"SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters"
#define NETWORK_CONNECTIONS L"SOFTWARE\\Policies\\Microsoft\\Windows\\Network Connections"
#define USER_POLICIES L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"

// Network list rows 0 to 13.
// item  label  type  root  key  value  off  on
const DwordToggle kNetworkToggles[] = {
    {0, "停用網路下載", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3", L"1803", 0, 3},
    {1, "禁止網站加入到任何區域", REG_DWORD, kRootCurrentUser, IE_CONTROL_PANEL, L"SecAddSites", 0, 1},
    {2, "禁止使用存取設定", REG_DWORD, kRootCurrentUser, IE_CONTROL_PANEL, L"Accessibility", 0, 1},
    {3, "禁止更改 Temporary Internet Files", REG_DWORD, kRootCurrentUser, IE_CONTROL_PANEL, L"Settings", 0, 1},
    {4, "網上芳鄰隱藏 Active Directory 資料夾", REG_DWORD, kRootCurrentUser, L"Software\\Policies\\Microsoft\\Windows\\Directory UI", L"HideDirectoryFolder", 0, 1},
    {5, "禁止匿名連接", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Lsa", L"restrictanonymous", 0, 1},
    {6, "禁用網路列印", REG_DWORD, kRootCurrentUser, L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers", L"DisableWebPrinting", 0, 1},
    {7, "禁止自動共享工作站", REG_DWORD, kRootLocalMachine, LANMAN_PARAMETERS, L"AutoShareWks", 1, 0},
    {8, "禁止自動共享伺服器", REG_DWORD, kRootLocalMachine, LANMAN_PARAMETERS, L"AutoShareServer", 1, 0},
    {9, "禁止網上芳鄰共享最近開啟的檔案", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoRecentDocsNetHood", 0, 1},
    {10, "禁止下載檔案時選擇儲存路徑", REG_DWORD, kRootCurrentUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoSelectDownloadDir", 0, 1},
    {11, "禁止使用網路連接共享", REG_DWORD, kRootLocalMachine, NETWORK_CONNECTIONS, L"NC_ShowShardAccessUI", 0, 1},
    {12, "禁止修改進階 TCP/IP 設定", REG_DWORD, kRootLocalMachine, NETWORK_CONNECTIONS, L"NC_AllowAdvancedTCPIPConfig", 0, 1},
    {13, "禁止使用鄰近電腦選項", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer", L"NoComputersNearMe", 0, 1},
};
// Rows 14 to 16: one value under two roots, the per-user record first.
const DwordToggle kTwoRootToggles[] = {
    {0, "禁止網上芳鄰顯示整個網路", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", L"NoEntireNetwork", 0, 1},
    {1, "禁止網上芳鄰顯示整個網路", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Network", L"NoEntireNetwork", 0, 1},
    {2, "禁止檔案總管顯示 [網路上的芳鄰]", REG_DWORD, kRootCurrentUser, USER_POLICIES, L"NoNetHood", 0, 1},
    {3, "禁止檔案總管顯示 [網路上的芳鄰]", REG_DWORD, kRootLocalMachine, USER_POLICIES, L"NoNetHood", 0, 1},
    {4, "禁止使用自動完成表單", REG_DWORD, kRootCurrentUser, IE_CONTROL_PANEL, L"FormSuggest", 0, 1},
    {5, "禁止使用自動完成表單", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer", L"FormSuggest", 0, 1},
};
// Row 17. Hide Messenger is only ever deleted.
const DwordToggle kMessenger[] = {
    {0, "禁止使用 Windows Messenger", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client", L"PreventRun", 0, 1},
    {1, "禁止使用 Windows Messenger", REG_DWORD, kRootCurrentUser, L"SOFTWARE\\Microsoft\\Outlook Express", L"Hide Messenger", 0, 1},
};
// item  label  root  key
const KeyToggle kMessengerKeys[] = {
    {0, "禁止使用 Windows Messenger", kRootLocalMachine, L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client"},
    {1, "禁止使用 Windows Messenger", kRootLocalMachine, L"Software\\Policies\\Microsoft\\Messenger"},
};
// Explorer list rows 0 to 4, and row 5.
// item  label  type  root  key  value  off  on
const DwordToggle kExplorerToggles[] = {
    {0, "禁止放入光碟到光碟機後自動運行或播放", REG_DWORD, kRootCurrentUser, USER_POLICIES, L"NoDriveTypeAutoRun", 0x95, 0xB5},
    {1, "禁止更改「資料夾選項」的檔案類型", REG_DWORD, kRootCurrentUser, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoFileAssociate", 0, 1},
    {2, "完全徹底不顯示隱藏檔案", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder\\Hidden\\ShowAll", L"Checkedvalue", 1, 0},
    {3, "禁止記錄系統操作", REG_DWORD, kRootCurrentUser, USER_POLICIES, L"NoInstrumentation", 0, 1},
    {4, "禁止記錄最近使用過的文件", REG_DWORD, kRootCurrentUser, USER_POLICIES, L"NoRecentDocsHistory", 0, 1},
};
const StringToggle kMediaPlayerUpgrade[] = {
    {0, "禁止 Windows Media Player 自動更新", REG_SZ, kRootLocalMachine, L"Software\\Microsoft\\MediaPlayer\\PlayerUpgrade", L"EnableAutoUpgrade", "yes", "no"},
};

#undef IE_CONTROL_PANEL
#undef LANMAN_PARAMETERS
#undef NETWORK_CONNECTIONS
#undef USER_POLICIES

// Checking writes PreventRun alone. Clearing removes the Messenger settings one by one, and
// then the two policy keys, each only when nothing else is left in it; every step runs
// whatever the one before it did.
void WriteMessengerRow(QmCReg& reg, int check)
{
    const DwordToggle& preventRun = kMessenger[0];
    const DwordToggle& hideMessenger = kMessenger[1];
    if (check == 1) {
        reg.WriteDword(RootKey(preventRun.root), preventRun.keyPath, preventRun.valueName, preventRun.onValue);
        return;
    }
    reg.DeleteValue(RootKey(hideMessenger.root), hideMessenger.keyPath, hideMessenger.valueName);
    reg.DeleteValue(RootKey(preventRun.root), preventRun.keyPath, preventRun.valueName);
    for (const KeyToggle& key : kMessengerKeys)
        reg.DeleteKey(RootKey(key.root), key.keyPath);
}

// text  picture  kind  values (written in order, with what clearing does)  [shown on  recommended  shell  writer]
const CheckRow kNetworkRows[] = {
    {{"停用網路下載"}, 37, kPlain, {Dw(kNetworkToggles[0], kOff)}},
    {{"禁止網站加入到任何區域"}, 37, kPlain, {Dw(kNetworkToggles[1], kOff)}},
    {{"禁止使用存取設定"}, 37, kPlain, {Dw(kNetworkToggles[2], kOff)}},
    {{"禁止更改 Temporary Internet Files"}, 37, kPlain, {Dw(kNetworkToggles[3], kOff)}},
    {{"網上芳鄰隱藏 Active Directory 資料夾"}, 37, kPlain, {Dw(kNetworkToggles[4], kOff)}},
    {{"禁止匿名連接"}, 37, kPlain, {Dw(kNetworkToggles[5], kDelete)}},
    {{"禁用網路列印"}, 37, kPlain, {Dw(kNetworkToggles[6], kDelete)}},
    {{"禁止自動共享工作站"}, 37, kPlain, {Dw(kNetworkToggles[7], kDelete)}},
    {{"禁止自動共享伺服器"}, 37, kPlain, {Dw(kNetworkToggles[8], kDelete)}},
    {{"禁止網上芳鄰共享最近開啟的檔案"}, 37, kPlain, {Dw(kNetworkToggles[9], kDelete)}},
    {{"禁止下載檔案時選擇儲存路徑"}, 37, kPlain, {Dw(kNetworkToggles[10], kDelete)}},
    {{"禁止使用網路連接共享"}, 37, kPlain, {Dw(kNetworkToggles[11], kDelete)}},
    {{"禁止修改進階 TCP/IP 設定"}, 37, kPlain, {Dw(kNetworkToggles[12], kDelete)}},
    {{"禁止使用鄰近電腦選項"}, 37, kPlain, {Dw(kNetworkToggles[13], kDelete)}},
    {{"禁止網上芳鄰顯示整個網路"}, 37, kPlain, {Dw(kTwoRootToggles[0], kOff), Dw(kTwoRootToggles[1], kOff)}},
    {{"禁止檔案總管顯示 [網路上的芳鄰]"}, 37, kPlain, {Dw(kTwoRootToggles[2], kDelete), Dw(kTwoRootToggles[3], kDelete)}},
    {{"禁止使用自動完成表單"}, 37, kPlain, {Dw(kTwoRootToggles[4], kDelete), Dw(kTwoRootToggles[5], kDelete)}, ShownOn::Ie6},
    // Read by PreventRun alone; a backup keeps Hide Messenger too.
    {{"禁止使用 Windows Messenger"}, 37, RowKind::FirstValue, {Dw(kMessenger[0]), Dw(kMessenger[1])}, kXp,
     kNone, nullptr, WriteMessengerRow},
};
const CheckRow kExplorerRows[] = {
    {{"禁止放入光碟到光碟機後自動運行或播放"}, 41, kPlain, {Dw(kExplorerToggles[0], kOff)}},
    {{"禁止更改「資料夾選項」的檔案類型"}, 41, kPlain, {Dw(kExplorerToggles[1], kDelete)}},
    {{"完全徹底不顯示隱藏檔案"}, 41, kPlain, {Dw(kExplorerToggles[2], kDelete)}},
    {{"禁止記錄系統操作"}, 41, kPlain, {Dw(kExplorerToggles[3], kOff)}},
    {{"禁止記錄最近使用過的文件"}, 41, kPlain, {Dw(kExplorerToggles[4], kDelete)}},
    {{"禁止 Windows Media Player 自動更新"}, 41, kPlain, {Sz(kMediaPlayerUpgrade[0])}},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleNetworkRestrictions), {kNetworkRows}},
    {kIdGroupRight, kIdListRight, Title(kTitleRestrictions), {kExplorerRows}},
};

}  // namespace

int ShowRestrictionsPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return 0;
    ShowRows(app, kLists);
    return 1;
}

int LayoutRestrictionsPage(QmThisApp& app, int width, int height)
{
    if (!HasTableControls(app, kLists))
        return -1;
    PlaceTwoListColumns(app, width, height);
    return 0;
}

void ReadRestrictionsPage(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
}

int ApplyRestrictionsPage(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyRows(reg, page, kLists); });
}

void RestrictionsBackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
}
