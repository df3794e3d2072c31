// Network 2 page (page 6, "網路 2"): eighteen check box plus combo box pairs of numeric TCP/IP
// and Internet-connection values. The check box says whether the program manages the value at
// all; the combo box chooses the number. Compiled with a Big5 execution character set: labels
// and texts are Big5.
#include "pages/Pages.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"
#include "model/ShellTexts.h"
#include "pages/PageWalks.h"
#include "platform/QmCReg.h"

namespace {

// item  label  type  root  key  value
const ValueSlot kValues[] = {
    {0, "傳輸最大封包大小", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"MTU"},
    {1, "傳出 IP 封包的存留時間", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"DefaultTTL"},
    {2, "關閉連線維持等待時間", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpTimedWaitDelay"},
    {3, "配置多少記憶體存放封包資料", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"ForwardBufferMemory"},
    {4, "路由器封包的 IP 封包數目", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"NumForwardPackets"},
    {5, "持續作用封包時間", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"KeepAliveTime"},
    {6, "收到回應前持續作用時間間隔", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"KeepAliveInterval"},
    {7, "重新傳輸獨立資料次數", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxDataRetransmissions"},
    {8, "重新傳輸連線要求 SYN 次數", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxConnectRetransmissions"},
    {9, "IP 多點傳送封包範圍", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"IGMPLevel"},
    {10, "TCP 可同時開啟最大連線數目", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpNumConnections"},
    {11, "設定 IE 下載數量", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"MaxConnectionsPerServer"},
    {12, "設定 IE 下載數量", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"MaxConnectionsPer1_0Server"},
    {13, "TCP 接收最大視窗大小", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpWindowSize"},
    {14, "增加 IE 預設逾時值的持續性", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"KeepAliveTimeout"},
    {15, "增加 IE 預設逾時值的持續性", REG_DWORD, kRootCurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"ServerInfoTimeout"},
    {16, "拒絕 SYN 服務攻擊", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"SynAttackProtect"},
    {17, "觸發 SYN 防護的閾值", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxPortsExhausted"},
    {18, "觸發 SYN 防護半連接值", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxHalfOpen"},
    {19, "觸發 SYN 防護半連接重新傳輸值", REG_DWORD, kRootLocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"TcpMaxHalfOpenRetried"},
};

// --- Choice lists, in combo order ------------------------------------------------------------

const ChoiceRun kMtu[] = {
    Named("68 KB (最小)", 68), Named("552 KB", 552), Named("576 KB", 576), Named("1005 KB", 1005),
    Named("1400 KB", 1400),    Named("1.5 M", 1500), Named("3 M", 2000),   Named("6 M", 4000),
    Named("10 M", 8000),       Named("20 M", 16000), Named("25 M", 20000), Named("50 M", 40000),
    Named("100 M", 80000),     Named("更高", 150000), Named("預設值", 0xFFFFFFFFu),
};
const ChoiceRun kTimeToLive[] = {
    Number(1),         Numbers(4, 8, 4),  Numbers(16, 32, 8),          Numbers(48, 64, 16), Number(72),
    Numbers(96, 112, 16), Number(128, " (XP 預設)"), Numbers(144, 240, 16), Number(255, " (建議)"),
};
// Seconds.
const ChoiceRun kTimedWaitDelay[] = {
    Numbers(30, 119), Number(120, " (IPv4 建議)"), Numbers(121, 239), Number(240, " (IPv6 建議)"), Numbers(241, 300),
};
const ChoiceRun kForwardBuffer[] = {
    {0, 0, 1, ChoiceNumber::ForwardBuffer, ChoiceShows::Number, 1, {""}, " (預設)"},
    {1, 99, 1, ChoiceNumber::ForwardBuffer, ChoiceShows::Number, 1, {""}, ""},
};
// Five of their own, then a packet for every 256 bytes of each forward buffer.
const ChoiceRun kForwardPackets[] = {
    Number(50, " (預設)"),
    Numbers(100, 250, 50),
    {0, 0, 1, ChoiceNumber::ForwardPackets, ChoiceShows::Number, 1, {""}, " *"},
    {1, 99, 1, ChoiceNumber::ForwardPackets, ChoiceShows::Number, 1, {""}, ""},
};
// Milliseconds.
const ChoiceRun kKeepAliveTime[] = {
    Named("2.5 分鐘", 150000), Named("5 分鐘 (建議)", 300000), Named("10 分鐘", 600000), Named("20 分鐘", 1200000),
    Named("40 分鐘", 2400000), Named("1 小時", 3600000),       Named("2 小時 (預設)", 7200000),
};
const ChoiceRun kKeepAliveInterval[] = {
    Numbers(1000, 1000, 1, " 秒 (預設)", 1000),
    Numbers(2000, 10000, 1000, " 秒", 1000),
};
const ChoiceRun kDataRetransmissions[] = {
    Numbers(0, 2, 1, "次"), Number(3, "次 (建議)"), Number(4, "次"), Number(5, "次 (預設)"), Numbers(6, 30, 1, "次"),
};
const ChoiceRun kConnectRetransmissions[] = {
    Numbers(0, 1, 1, "次"), Number(2, "次 (預設)"), Number(3, "次 (建議)"), Numbers(4, 30, 1, "次"),
};
const ChoiceRun kMulticastLevels[] = {
    Named("不提供多點傳送", 0), Named("只可多點傳送", 1), Named("完全多點傳送 (預設)", 2),
};
const ChoiceRun kConnectionCounts[] = {
    Number(0),
    Numbers(100, 900, 100),
    Numbers(1000, 9000, 1000),
    Numbers(10000, 90000, 10000),
    Numbers(100000, 900000, 100000),
    Number(1000000),
    Numbers(5000000, 10000000, 5000000),
    Named("最大 (預設)", 0xFFFFFE),
};
const ChoiceRun kDownloadsPerServer[] = {Numbers(1, 1000)};
const ChoiceRun kWindowSizes[] = {
    Number(1680),  Number(2144),  Number(3216),  Number(4824),  Number(5896),  Number(6243),
    Number(8192),  Number(8760),  Number(11680), Number(17520, " (乙太網設定)"), Number(35040), Number(37230),
    Number(37376), Number(45000), Number(64240), Number(65044),
    {0, 14, 1, ChoiceNumber::WindowScale, ChoiceShows::Counter, 1, {"縮放比例 "}, ""},
};
// Counted in seconds, stored as the seconds' decimal digits read as hexadecimal, times 0x1000.
const ChoiceRun kInternetTimeouts[] = {
    {15, 45, 15, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 1, {""}, " 秒"},
    {60, 240, 60, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 60, {""}, " 分鐘"},
    {300, 300, 1, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 60, {""}, " 分鐘(建議)"},
    {360, 1200, 60, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 60, {""}, " 分鐘"},
    {1500, 3300, 300, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 60, {""}, " 分鐘"},
    {3600, 7200, 1800, ChoiceNumber::SecondsAsHex, ChoiceShows::Counter, 3600, {""}, " 小時"},
};
const ChoiceRun kSynProtection[] = {Named("一般保護", 0), Named("更好保護", 1), Named("最好保護", 2)};
const ChoiceRun kPortsExhausted[] = {
    Numbers(1, 4), Number(5, " (建議)"), Numbers(6, 10), Numbers(15, 100, 5), Numbers(200, 1000, 100),
};
const ChoiceRun kHalfOpen[] = {Numbers(20, 100, 20), Numbers(150, 1000, 50)};

// --- The pairs -------------------------------------------------------------------------------

// KeepAliveTimeout holds the timeouts from 15 seconds to 2 minutes alone; longer ones need
// ServerInfoTimeout too.
const int kShortTimeouts = 5;

// A cleared box deletes its values, but the download counts', which keep both values alike.
// check  combo  caption  choices  places  when cleared  recommended: box  choice  [shown on  unknown  read  second from]
const ChoiceRow kPairs[] = {
    {2041, 2008, {"傳輸最大封包大小"}, ListOf(kMtu), {PlaceOf(kValues[0])}, kDelete, kCheck, 8},
    {2042, 2009, {"傳出 IP 封包的存留時間"}, ListOf(kTimeToLive), {PlaceOf(kValues[1])}, kDelete, kCheck, 19},
    {2043, 2200, {"關閉連線維持等待時間"}, ListOf(kTimedWaitDelay), {PlaceOf(kValues[2])}, kDelete, kCheck, 90},
    {2044, 2014, {"配置多少記憶體存放封包資料"}, ListOf(kForwardBuffer), {PlaceOf(kValues[3])}, kDelete},
    {2045, 2015, {"路由器封包的 IP 封包數目"}, ListOf(kForwardPackets), {PlaceOf(kValues[4])}, kDelete},
    {2046, 2016, {"持續作用封包時間"}, ListOf(kKeepAliveTime), {PlaceOf(kValues[5])}, kDelete, kCheck, 6},
    {2047, 2017, {"收到回應前持續作用時間間隔"}, ListOf(kKeepAliveInterval), {PlaceOf(kValues[6])}, kDelete, kCheck, 0},
    {2048, 2018, {"重新傳輸獨立資料次數"}, ListOf(kDataRetransmissions), {PlaceOf(kValues[7])}, kDelete, kCheck, 3},
    {2049, 2019, {"重新傳輸連線要求 SYN 次數"}, ListOf(kConnectRetransmissions), {PlaceOf(kValues[8])}, kDelete, kCheck, 3},
    {2050, 2020, {"IP 多點傳送封包範圍"}, ListOf(kMulticastLevels), {PlaceOf(kValues[9])}, kDelete, kCheck, 2},
    {2065, 2021, {"TCP 可同時開啟最大連線數目"}, ListOf(kConnectionCounts), {PlaceOf(kValues[10])}, kDelete, kCheck, 40},
    {2066, 2022, {"設定 IE 下載數量"}, ListOf(kDownloadsPerServer), {PlaceOf(kValues[11]), PlaceOf(kValues[12])},
     kLeave, kCheck, 9},
    {2067, 2023, {"TCP 接收最大視窗大小"}, ListOf(kWindowSizes), {PlaceOf(kValues[13])}, kDelete, kCheck, 30},
    {2068, 2024, {"增加 IE 預設逾時值的持續性"}, ListOf(kInternetTimeouts), {PlaceOf(kValues[14]), PlaceOf(kValues[15])},
     kDelete, kCheck, 7, kAll, {false, -1}, ChoiceRead::SecondFrom, kShortTimeouts},
    {2069, 2025, {"拒絕 SYN 服務攻擊"}, ListOf(kSynProtection), {PlaceOf(kValues[16])}, kDelete},
    {2072, 2077, {"觸發 SYN 防護的閾值"}, ListOf(kPortsExhausted), {PlaceOf(kValues[17])}, kDelete},
    {2073, 2078, {"觸發 SYN 防護半連接值"}, ListOf(kHalfOpen), {PlaceOf(kValues[18])}, kDelete},
    {2074, 2079, {"觸發 SYN 防護半連接重新傳輸值"}, ListOf(kHalfOpen), {PlaceOf(kValues[19])}, kDelete},
};
const int kLeftColumnRows = 15;  // the rest stand at the top of the right column
const int kWiderLeftColumn = 20;

bool HasControls(const QmThisApp& app)
{
    return HasTableControls(app, ListTable(), kPairs) && app.Button(kIdGroupMain);
}

}  // namespace

int ShowNetwork2Page(QmThisApp& app)
{
    if (!HasControls(app))
        return 0;
    app.SetCaption(app.Button(kIdGroupMain), Title(kTitleNetwork2));
    ShowChoices(app, kPairs);
    return 1;
}

int LayoutNetwork2Page(QmThisApp& app, int width, int height)
{
    if (!HasControls(app))
        return -1;
    const Box group{4, kPageTop, width - 10, height - 50};
    Place(app, kIdGroupMain, group.x, group.y, group.width, group.height);
    // Two columns of rows, each check box as wide as half the box less 124, its combo box
    // filling the rest of the column. The left column's longest choices ("完全多點傳送 (預設)",
    // "17520 (乙太網設定)") need more than half the box leaves them, and the right column's
    // lists are short numbers: so the left column takes a little of the right one's width.
    const int half = group.width / 2;
    const int checkWidth = half - 124;
    const int leftX = group.x + 8;
    const int rightX = leftX + half + kWiderLeftColumn + 8;
    const Box columns[] = {{leftX, 0, half + kWiderLeftColumn, 0}, {rightX, 0, group.x + group.width - 8 - rightX, 0}};
    const int rowTop = group.y + 16;
    for (int i = 0; i < CountOf(kPairs); ++i) {
        const Box& column = columns[i < kLeftColumnRows ? 0 : 1];
        const int y = rowTop + (i < kLeftColumnRows ? i : i - kLeftColumnRows) * 24;
        Place(app, kPairs[i].boxId, column.x, y, checkWidth, 20);
        Place(app, kPairs[i].comboId, column.x + checkWidth, y, column.width - checkWidth, kChoiceDropHeight);
    }
    PlaceApplyButtons(app, width, height);
    return 0;
}

void ReadNetwork2Page(const SystemFacts& system, PageState& state)
{
    ReadChoices(kPairs, system, state);
}

int ApplyNetwork2Page(QmThisApp& app)
{
    if (!HasControls(app))
        return -1;
    return RunApplyFrame(app, [](QmCReg& reg, QmThisApp& page) { ApplyChoices(reg, page, kPairs); });
}

void RecommendNetwork2Page(QmThisApp& app)
{
    RecommendChoices(app, kPairs);
}

void Network2BackupItems(const QmThisApp& app, BackupList& items)
{
    BackupChoices(kPairs, app.Facts(), items);
}
