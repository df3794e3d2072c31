#include "tests/pages/PageTest.h"

namespace {

const wchar_t kTelnet[] = L"SOFTWARE\\Microsoft\\TelnetServer\\1.0";
const wchar_t kDnsCache[] = L"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";

// A value checked at `on` and deleted when its row is cleared.
RowValue Switch(int row, const wchar_t* key, const wchar_t* name, DWORD on, const Data& readsCleared)
{
    return RowValue{M, row, kMachine, key, name, Dw(on), readsCleared, Dw(on), kAbsent};
}

// Row 14 is Vista's and 7's only; the Telnet row writes 63 and 2 when cleared.
std::vector<RowValue> Rows(int os)
{
    return {
        Switch(0, kTcpip, L"TcpMaxDupAcks", 2, Dw(1)),
        Switch(1, L"SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters", L"RandomAdapter", 1, Dw(0)),
        Switch(2, kTcpip, L"EnableDeadGWDetect", 1, Dw(0)),
        Switch(3, kTcpip, L"EnablePMTUBHDetect", 1, Sz(L"1")),
        Switch(4, kTcpip, L"EnablePMTUDiscovery", 1, Dw(2)),
        Switch(5, kTcpip, L"Tcp1323Opts", 3, Dw(1)),
        Switch(6, kTcpip, L"DisableTaskOffload", 1, Dw(0)),
        Switch(7, kTcpip, L"NoNameReleaseOnDemand", 1, Dw(0)),
        Switch(8, kTcpip, L"SackOpts", 1, Dw(0)),
        Switch(9, kTcpip, L"ArpUseEtherSNAP", 1, Dw(0)),
        Switch(10, kTcpip, L"TcpUseRFC1122UrgentPointer", 1, Dw(0)),
        Switch(11, L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces", L"RelerseLeaseOnShutdown", 1, Dw(0)),
        {M, 12, kMachine, kTelnet, L"MaxConnections", Dw(1), Dw(1), Dw(1), Dw(63)},
        {M, 12, kMachine, kTelnet + std::wstring(L"\\Performance"), L"NumThreadsPerProcessor", Dw(16), kAbsent, Dw(16), Dw(2)},
        {M, 13, kMachine, kDnsCache, L"MaxCacheTtl", Dw(1), Dw(1), Dw(1), kAbsent},
        {M, 13, kMachine, kDnsCache, L"MaxNegativeCacheTtl", Dw(1), Dw(0), Dw(1), kAbsent},
        Switch(os == kXp ? kNotShown : 14, kTcpip, L"EnableConnectionRateLimiting", 1, Dw(0)),
    };
}

PAGE_ROWS_BY_VERSION(Network1);

}  // namespace
