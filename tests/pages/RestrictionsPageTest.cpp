#include "tests/pages/PageTest.h"

namespace {

const wchar_t kIeControlPanel[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const wchar_t kLanman[] = L"SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters";
const wchar_t kConnections[] = L"SOFTWARE\\Policies\\Microsoft\\Windows\\Network Connections";
const wchar_t kNetwork[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
const wchar_t kClient[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client";
const wchar_t kMessenger[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger";
const wchar_t kOutlookExpress[] = L"SOFTWARE\\Microsoft\\Outlook Express";
const int N = kIdListMain;
const int E = kIdListRight;

// A value written as `off` when its row is cleared, or deleted.
RowValue Off(int list, int row, HKEY root, const wchar_t* key, const wchar_t* name, DWORD off, DWORD on)
{
    return RowValue{list, row, root, key, name, Dw(on), Dw(off), Dw(on), Dw(off)};
}
RowValue Del(int list, int row, HKEY root, const wchar_t* key, const wchar_t* name, DWORD off, DWORD on)
{
    return RowValue{list, row, root, key, name, Dw(on), Dw(off), Dw(on), kAbsent};
}

struct System {
    const char* name;
    int os;
    int ie;
};

// The auto-complete row is there with Internet Explorer 6 only, the Messenger row on Windows XP
// only; the rows after a missing one move up.
std::vector<RowValue> Rows(const System& system)
{
    const int autoComplete = system.ie == 6 ? 16 : kNotShown;
    const int messenger = system.os != kXp ? kNotShown : system.ie == 6 ? 17 : 16;
    return {
        Off(N, 0, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3", L"1803", 0, 3),
        Off(N, 1, kUser, kIeControlPanel, L"SecAddSites", 0, 1),
        Off(N, 2, kUser, kIeControlPanel, L"Accessibility", 0, 1),
        Off(N, 3, kUser, kIeControlPanel, L"Settings", 0, 1),
        Off(N, 4, kUser, L"Software\\Policies\\Microsoft\\Windows\\Directory UI", L"HideDirectoryFolder", 0, 1),
        Del(N, 5, kMachine, L"SYSTEM\\CurrentControlSet\\Control\\Lsa", L"restrictanonymous", 0, 1),
        Del(N, 6, kUser, L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers", L"DisableWebPrinting", 0, 1),
        Del(N, 7, kMachine, kLanman, L"AutoShareWks", 1, 0),
        Del(N, 8, kMachine, kLanman, L"AutoShareServer", 1, 0),
        Del(N, 9, kMachine, kPolicies, L"NoRecentDocsNetHood", 0, 1),
        Del(N, 10, kUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoSelectDownloadDir", 0, 1),
        Del(N, 11, kMachine, kConnections, L"NC_ShowShardAccessUI", 0, 1),
        Del(N, 12, kMachine, kConnections, L"NC_AllowAdvancedTCPIPConfig", 0, 1),
        Del(N, 13, kMachine, kPolicies, L"NoComputersNearMe", 0, 1),
        Off(N, 14, kUser, kNetwork, L"NoEntireNetwork", 0, 1),
        Off(N, 14, kMachine, kNetwork, L"NoEntireNetwork", 0, 1),
        Del(N, 15, kUser, kPolicies, L"NoNetHood", 0, 1),
        Del(N, 15, kMachine, kPolicies, L"NoNetHood", 0, 1),
        Del(N, autoComplete, kUser, kIeControlPanel, L"FormSuggest", 0, 1),
        Del(N, autoComplete, kMachine, kPolicies, L"FormSuggest", 0, 1),
        Del(N, messenger, kMachine, kClient, L"PreventRun", 0, 1),
        Off(E, 0, kUser, kPolicies, L"NoDriveTypeAutoRun", 0x95, 0xB5),
        Del(E, 1, kUser, kPolicies, L"NoFileAssociate", 0, 1),
        Del(E, 2, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder\\Hidden\\ShowAll", L"Checkedvalue", 1, 0),
        Off(E, 3, kUser, kPolicies, L"NoInstrumentation", 0, 1),
        Del(E, 4, kUser, kPolicies, L"NoRecentDocsHistory", 0, 1),
        {E, 5, kMachine, L"Software\\Microsoft\\MediaPlayer\\PlayerUpgrade", L"EnableAutoUpgrade", Sz(L"no"), Sz(L"yes"), Sz(L"no"), Sz(L"yes")},
    };
}

class RestrictionsPage : public PageTest, public ::testing::WithParamInterface<System> {};

TEST_P(RestrictionsPage, EveryRowReadsAndWritesBothWays)
{
    Start(kPageRestrictions, GetParam().os, GetParam().ie);
    ExpectRowsBothWays(Rows(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Systems, RestrictionsPage,
                         ::testing::Values(System{"XpIe6", kXp, 6}, System{"XpIe8", kXp, 8}, System{"Win7Ie6", kWin7, 6},
                                           System{"VistaIe7", kVista, 7}),
                         [](const ::testing::TestParamInfo<System>& info) { return info.param.name; });

TEST_F(RestrictionsPage, ClearingMessengerKeepsKeysThatStillHoldSomething)
{
    const int messenger = 16;  // Windows XP with Internet Explorer 8
    struct Case {
        const char* what;
        bool otherClientValue, messengerValue;
        bool clientKept, messengerKept;
    };
    const Case cases[] = {{"nothing else", false, false, false, false},
                          {"another client setting", true, false, true, true},
                          {"a value in the Messenger key", false, true, false, true}};
    for (const Case& c : cases) {
        Restart();
        Put(kMachine, kClient, L"PreventRun", Dw(1));
        Put(kMachine, kClient, L"Disabled", c.otherClientValue ? Dw(1) : kAbsent);
        Put(kMachine, kMessenger, L"Note", c.messengerValue ? Sz(L"kept") : kAbsent);
        Put(kUser, kOutlookExpress, L"Hide Messenger", Dw(2));
        Start(kPageRestrictions, kXp, 8);
        ASSERT_EQ(1, Check(N, messenger)) << c.what;
        SetCheck(N, messenger, false);
        ASSERT_EQ(0, Apply());
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger")) << c.what;
        EXPECT_EQ(c.clientKept ? 1 : -1, testreg::ValueCount(kMachine, kClient)) << c.what << ": Disabled alone";
        EXPECT_EQ(c.messengerKept, testreg::KeyExists(kMachine, kMessenger)) << c.what;
        EXPECT_EQ(c.messengerValue ? 1 : c.messengerKept ? 0 : -1, testreg::ValueCount(kMachine, kMessenger)) << c.what;
        // Checking writes PreventRun alone.
        SetCheck(N, messenger, true);
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(kMachine, kClient, L"PreventRun", Dw(1))) << c.what;
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger")) << c.what;
    }
}

}  // namespace
