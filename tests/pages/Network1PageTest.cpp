#include "tests/pages/PageChecks.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t kTcpip[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const wchar_t kInterfaces[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const wchar_t kTelnet[] = L"SOFTWARE\\Microsoft\\TelnetServer\\1.0";
const wchar_t kTelnetPerformance[] = L"SOFTWARE\\Microsoft\\TelnetServer\\1.0\\Performance";
const wchar_t kDnsCache[] = L"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";

// One value behind a row: what reads as checked and as cleared, what checking and clearing
// write.
struct Value {
    const wchar_t* key;
    const wchar_t* name;
    Data readsChecked;
    Data readsCleared;
    Data checkedWrites;
    Data clearedWrites;
};
struct Row {
    int row;
    std::vector<Value> values;
};
Value Switch(const wchar_t* key, const wchar_t* name, DWORD on, Data readsCleared)
{
    return Value{key, name, Dw(on), readsCleared, Dw(on), kAbsent};
}

// Every row of every version (row 14 is added on Vista and 7).
const Row kRows[] = {
    {0, {Switch(kTcpip, L"TcpMaxDupAcks", 2, Dw(1))}},
    {1, {Switch(L"SYSTEM\\CurrentControlSet\\Services\\NetBT\\Parameters", L"RandomAdapter", 1, Dw(0))}},
    {2, {Switch(kTcpip, L"EnableDeadGWDetect", 1, Dw(0))}},
    {3, {Switch(kTcpip, L"EnablePMTUBHDetect", 1, Sz(L"1"))}},
    {4, {Switch(kTcpip, L"EnablePMTUDiscovery", 1, Dw(2))}},
    {5, {Switch(kTcpip, L"Tcp1323Opts", 3, Dw(1))}},
    {6, {Switch(kTcpip, L"DisableTaskOffload", 1, Dw(0))}},
    {7, {Switch(kTcpip, L"NoNameReleaseOnDemand", 1, Dw(0))}},
    {8, {Switch(kTcpip, L"SackOpts", 1, Dw(0))}},
    {9, {Switch(kTcpip, L"ArpUseEtherSNAP", 1, Dw(0))}},
    {10, {Switch(kTcpip, L"TcpUseRFC1122UrgentPointer", 1, Dw(0))}},
    {11, {Switch(kInterfaces, L"RelerseLeaseOnShutdown", 1, Dw(0))}},
    {12, {{kTelnet, L"MaxConnections", Dw(1), Dw(1), Dw(1), Dw(63)},
          {kTelnetPerformance, L"NumThreadsPerProcessor", Dw(16), kAbsent, Dw(16), Dw(2)}}},
    {13, {{kDnsCache, L"MaxCacheTtl", Dw(1), Dw(1), Dw(1), kAbsent},
          {kDnsCache, L"MaxNegativeCacheTtl", Dw(1), Dw(0), Dw(1), kAbsent}}},
    {14, {Switch(kTcpip, L"EnableConnectionRateLimiting", 1, Dw(0))}},
};
const int kVistaOnlyRow = 14;

class Network1Page : public AppTest {
protected:
    void Start(int os, int language = 950)
    {
        StartApp(os, 8, 3, language);
        ShowPage(kPageNetwork1);
    }
};

class Network1PageTest : public Network1Page, public ::testing::WithParamInterface<int> {
protected:
    bool Shown(const Row& row) const { return row.row != kVistaOnlyRow || GetParam() != kXp; }
};

TEST_P(Network1PageTest, EveryRowReadsAndWritesBothWays)
{
    for (const Row& row : kRows)
        for (const Value& v : row.values)
            Put(HKEY_LOCAL_MACHINE, v.key, v.name, v.readsChecked);
    Start(GetParam());
    ASSERT_EQ(GetParam() == kXp ? 14 : 15, ItemCount(kIdListMain));
    for (const Row& row : kRows)
        EXPECT_EQ(Shown(row) ? 1 : -1, Check(kIdListMain, row.row)) << row.row;
    for (const Row& row : kRows)
        SetCheck(kIdListMain, row.row, false);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        // A row that is not shown is neither read nor written: its value stays as it was.
        for (const Value& v : row.values)
            EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, v.key, v.name, Shown(row) ? v.clearedWrites : v.readsChecked))
                << row.row << " cleared";
        EXPECT_EQ(Shown(row) ? 0 : -1, Check(kIdListMain, row.row)) << row.row << " after the re-read";
    }
    for (const Row& row : kRows)
        for (const Value& v : row.values)
            Put(HKEY_LOCAL_MACHINE, v.key, v.name, v.readsCleared);
    Reread();
    for (const Row& row : kRows)
        EXPECT_EQ(Shown(row) ? 0 : -1, Check(kIdListMain, row.row)) << row.row;
    for (const Row& row : kRows)
        SetCheck(kIdListMain, row.row, true);
    ASSERT_EQ(0, Apply());
    for (const Row& row : kRows) {
        for (const Value& v : row.values)
            EXPECT_TRUE(Holds(HKEY_LOCAL_MACHINE, v.key, v.name, Shown(row) ? v.checkedWrites : v.readsCleared))
                << row.row << " checked";
        EXPECT_EQ(Shown(row) ? 1 : -1, Check(kIdListMain, row.row)) << row.row << " after the re-read";
    }
}

TEST_P(Network1PageTest, RecommendedSettingsChangeOnlyTheControls)
{
    Start(GetParam());
    for (int row = 0; row < ItemCount(kIdListMain); ++row)
        SetCheck(kIdListMain, row, row % 2 == 0);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
    for (int row : {0, 2, 4, 5, 6, 7, 8, 11, 12, 13})
        EXPECT_EQ(1, Check(kIdListMain, row)) << row;
    for (int row : {1, 3, 9, 10})
        EXPECT_EQ(0, Check(kIdListMain, row)) << row;
    EXPECT_EQ(GetParam() == kXp ? -1 : 1, Check(kIdListMain, kVistaOnlyRow));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

INSTANTIATE_TEST_SUITE_P(Versions, Network1PageTest, ::testing::Values(kXp, kVista, kWin7),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == kXp ? "Xp" : info.param == kVista ? "Vista" : "Win7";
                         });

TEST_F(Network1Page, ShowsItsRowsInTheLanguageVariantWithoutOverlapping)
{
    Start(kWin7, 936);
    EXPECT_STREQ(L"启用半开放的 TCP 连线限制", ItemText(kIdListMain, 14).CStr());
    EXPECT_STREQ(L"网路 1", App().Button(kIdGroupMain)->GetText().CStr());
    EXPECT_EQ("", Overlaps(App(), {kIdGroupMain, kIdApplyButton, kIdRecommendButton}));
    EXPECT_EQ("", NotInside(App(), kIdGroupMain, {kIdListMain}));
    EXPECT_EQ("", RowsOutOfSight(*App().ListView(kIdListMain)));
}

}  // namespace
