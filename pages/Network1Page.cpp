// Network 1 page (page 5, "網路 1"): one check list of TCP/IP, NetBIOS, Telnet-server and
// DNS-cache switches, all under HKEY_LOCAL_MACHINE. Compiled with a Big5 execution character
// set: labels and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
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

// text  picture  kind  values (written in order, with what clearing does)  shown on  recommended
const CheckRow kRows[] = {
    {{"快速重新傳輸"}, 37, kPlain, {Dw(kSwitches[0], kDelete)}, kAll, kCheck},
    {{"使用兩個介面平衡負載"}, 37, kPlain, {Dw(kSwitches[1], kDelete)}, kAll, kClear},
    {{"啟用無效閘道偵測"}, 37, kPlain, {Dw(kSwitches[2], kDelete)}, kAll, kCheck},
    {{"啟用黑洞偵測"}, 37, kPlain, {Dw(kSwitches[3], kDelete)}, kAll, kClear},
    {{"搜索 MTU 傳輸單元最大值"}, 37, kPlain, {Dw(kSwitches[4], kDelete)}, kAll, kCheck},
    {{"啟用 RFC 1323 時間戳記"}, 37, kPlain, {Dw(kSwitches[5], kDelete)}, kAll, kCheck},
    {{"改善間歇性的通信失敗"}, 37, kPlain, {Dw(kSwitches[6], kDelete)}, kAll, kCheck},
    {{"避免遭受惡意的名稱釋放攻擊"}, 37, kPlain, {Dw(kSwitches[7], kDelete)}, kAll, kCheck},
    {{"加快 SackOpts"}, 37, kPlain, {Dw(kSwitches[8], kDelete)}, kAll, kCheck},
    {{"使用 802.3 SNAP 編碼傳輸乙太網封包"}, 37, kPlain, {Dw(kSwitches[9], kDelete)}, kAll, kClear},
    {{"使用 RFC 1122 規格模式"}, 37, kPlain, {Dw(kSwitches[10], kDelete)}, kAll, kClear},
    {{"關機時自動釋放 IP"}, 37, kPlain, {Dw(kSwitches[11], kDelete)}, kAll, kCheck},
    {{"加快 Telnet"}, 37, kPlain, {Dw(kValuePairs[0]), Dw(kValuePairs[1])}, kAll, kCheck},
    {{"加快預讀網頁瀏覽速度"}, 37, kPlain, {Dw(kValuePairs[2], kDelete), Dw(kValuePairs[3], kDelete)}, kAll, kCheck},
    {{"啟用半開放的 TCP 連線限制"}, 37, kPlain, {Dw(kHalfOpenLimit[0], kDelete)}, kVista7, kCheck},
};

// group  list  title  rows
const CheckList kLists[] = {
    {kIdGroupMain, kIdListMain, Title(kTitleNetwork1), {kRows}},
};

}  // namespace

int ShowNetwork1Page(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return 0;
    ShowRows(app, kLists);
    return 1;
}

int LayoutNetwork1Page(QmThisApp& app, int width, int height)
{
    if (!HasTableControls(app, kLists))
        return -1;
    PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, LeftColumnWidth(width), height - 52);
    PlaceApplyButtons(app, width, height);
    return 0;
}

void ReadNetwork1Page(const SystemFacts& system, PageState& state)
{
    ReadRows(kLists, system, state);
}

int ApplyNetwork1Page(QmThisApp& app)
{
    if (!HasTableControls(app, kLists))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyRows(reg, page, kLists); });
}

void RecommendNetwork1Page(QmThisApp& app)
{
    RecommendRows(app, kLists);
}

void Network1BackupItems(const QmThisApp& app, BackupList& items)
{
    BackupRows(kLists, app.Facts(), items);
}
