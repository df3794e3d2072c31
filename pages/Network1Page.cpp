// Network 1 page (page 5, "網路 1"): one check list of TCP/IP, NetBIOS, Telnet-server and
// DNS-cache switches, all under HKEY_LOCAL_MACHINE. Compiled with a Big5 execution character
// set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/CheckListRefill.h"
#include "model/CheckRows.h"
#include "model/GroupRows.h"
#include "model/ShellTexts.h"
#include "model/TweakRead.h"
#include "model/TweakWrite.h"
#include "platform/QmCReg.h"

namespace {

// Rows 0 to 11, in row order. The value name of row 11 is spelled as the system's own
// records spell it, under the Interfaces key itself.
// item  label  type  root  key  value  off  on
const DwordToggle kSwitches[] = {
    {0, "快速重新傳輸", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxDupAcks", 0, 2},
    {1, "使用兩個介面平衡負載", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters", L"RandomAdapter", 0, 1},
    {2, "啟用無效閘道偵測", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"EnableDeadGWDetect", 0, 1},
    {3, "啟用黑洞偵測", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"EnablePMTUBHDetect", 0, 1},
    {4, "搜索 MTU 傳輸單元最大值", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"EnablePMTUDiscovery", 0, 1},
    {5, "啟用 RFC 1323 時間戳記", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"Tcp1323Opts", 0, 3},
    {6, "改善間歇性的通信失敗", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"DisableTaskOffload", 0, 1},
    {7, "避免遭受惡意的名稱釋放攻擊", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"NoNameReleaseOnDemand", 0, 1},
    {8, "加快 SackOpts", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"SackOpts", 0, 1},
    {9, "使用 802.3 SNAP 編碼傳輸乙太網封包", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"ArpUseEtherSNAP", 0, 1},
    {10, "使用 RFC 1122 規格模式", REG_DWORD, kRootLocalMachine, L"System\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpUseRFC1122UrgentPointer", 0, 1},
    {11, "關機時自動釋放 IP", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces", L"RelerseLeaseOnShutdown", 0, 1},
};
// Rows 12 and 13, two values each. Telnet's cleared row writes the service's own defaults.
const DwordToggle kValuePairs[] = {
    {0, "加快 Telnet", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\TelnetServer\\1.0", L"MaxConnections", 63, 1},
    {1, "加快 Telnet", REG_DWORD, kRootLocalMachine, L"SOFTWARE\\Microsoft\\TelnetServer\\1.0\\Performance", L"NumThreadsPerProcessor", 2, 16},
    {2, "加快預讀網頁瀏覽速度", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters", L"MaxCacheTtl", 0, 1},
    {3, "加快預讀網頁瀏覽速度", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters", L"MaxNegativeCacheTtl", 0, 1},
};
// Row 14, Windows Vista and 7 only.
const DwordToggle kHalfOpenLimit[] = {
    {0, "啟用半開放的 TCP 連線限制", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"EnableConnectionRateLimiting", 0, 1},
};

const TextRecord kRowTexts[] = {
    {950, "快速重新傳輸"},
    {950, "使用兩個介面平衡負載"},
    {950, "啟用無效閘道偵測"},
    {950, "啟用黑洞偵測"},
    {950, "搜索 MTU 傳輸單元最大值"},
    {950, "啟用 RFC 1323 時間戳記"},
    {950, "改善間歇性的通信失敗"},
    {950, "避免遭受惡意的名稱釋放攻擊"},
    {950, "加快 SackOpts"},
    {950, "使用 802.3 SNAP 編碼傳輸乙太網封包"},
    {950, "使用 RFC 1122 規格模式"},
    {950, "關機時自動釋放 IP"},
    {950, "加快 Telnet"},
    {950, "加快預讀網頁瀏覽速度"},
    {950, "啟用半開放的 TCP 連線限制"},
};
const int kRowImage = 37;

// A row of one value, or of two values that must both hold their on values.
struct TweakRow {
    int row;
    const DwordToggle* values;  // consecutive records
    int valueCount;
    WhenCleared cleared;
    bool vista7Only;
};
// row  values  count  when cleared  Vista and 7 only
const TweakRow kRows[] = {
    {0, &kSwitches[0], 1, WhenCleared::Delete, false},
    {1, &kSwitches[1], 1, WhenCleared::Delete, false},
    {2, &kSwitches[2], 1, WhenCleared::Delete, false},
    {3, &kSwitches[3], 1, WhenCleared::Delete, false},
    {4, &kSwitches[4], 1, WhenCleared::Delete, false},
    {5, &kSwitches[5], 1, WhenCleared::Delete, false},
    {6, &kSwitches[6], 1, WhenCleared::Delete, false},
    {7, &kSwitches[7], 1, WhenCleared::Delete, false},
    {8, &kSwitches[8], 1, WhenCleared::Delete, false},
    {9, &kSwitches[9], 1, WhenCleared::Delete, false},
    {10, &kSwitches[10], 1, WhenCleared::Delete, false},
    {11, &kSwitches[11], 1, WhenCleared::Delete, false},
    {12, &kValuePairs[0], 2, WhenCleared::WriteOff, false},
    {13, &kValuePairs[2], 2, WhenCleared::Delete, false},
    {14, kHalfOpenLimit, 1, WhenCleared::Delete, true},
};

bool HasControls(QmThisApp& app)
{
    return app.Combo(kIdPageList) && app.Button(kIdApplyButton) && app.Button(kIdGroupMain) &&
           app.ListView(kIdListMain);
}

bool RowShown(const QmThisApp& app, const TweakRow& row)
{
    return !row.vista7Only || app.IsVista() || app.IsWin7();
}

}  // namespace

int ShowNetwork1Page(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.Combo(kIdPageList)->Enable(false);
    app.SetCaption(app.Button(kIdGroupMain), Title(kTitleNetwork1));
    QmListview* list = app.ListView(kIdListMain);
    CheckListRefill refill(*list);
    for (const TweakRow& row : kRows)
        if (RowShown(app, row))
            app.InsertCheckRow(list, list->GetItemCount(), kRowTexts[row.row], kRowImage);
    return 1;
}

int LayoutNetwork1Page(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, LeftColumnWidth(width), height - 52);
    PlaceApplyButtons(app, width, height);
    return 0;
}

int ReadNetwork1Page(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    QmListview& list = *app.ListView(kIdListMain);
    for (const TweakRow& row : kRows) {
        if (RowShown(app, row))
            ReadDwordRow(list, row.row, row.values, row.valueCount);
    }
    RedrawCheckRows(list);
    return 1;
}

int ApplyNetwork1Page(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app.Combo(kIdPageList), app.Button(kIdApplyButton), [&app] {
        QmCReg reg;
        QmListview& list = *app.ListView(kIdListMain);
        for (const TweakRow& row : kRows) {
            if (RowShown(app, row))
                ApplyDwordRow(reg, row.values, row.valueCount, list.GetItemCheck(row.row), row.cleared);
        }
    });
}

void RecommendNetwork1Page(QmThisApp& app)
{
    QmListview* list = app.ListView(kIdListMain);
    if (!list)
        return;
    if (app.IsVista() || app.IsWin7())
        list->CheckItem(14);
    for (int row : {0, 2, 4, 5, 6, 7, 8, 11, 12, 13})
        list->CheckItem(row);
    for (int row : {1, 3, 9, 10})
        list->UncheckItem(row);
}

void Network1BackupItems(const QmThisApp& app, BackupList& items)
{
    for (const TweakRow& row : kRows)
        if (RowShown(app, row))
            for (int i = 0; i < row.valueCount; ++i)
                items.AddDword(row.values[i]);
}
