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

struct System {
    const char* name;
    int os;
    int ie;
};

// The auto-complete row is there with Internet Explorer 6 only, the Messenger row on Windows XP
// only; the rows after a missing one move up with their texts.
std::vector<RowValue> Rows(const System& system)
{
    const int autoComplete = system.ie == 6 ? 16 : kNotShown;
    const int messenger = system.os != kXp ? kNotShown : system.ie == 6 ? 17 : 16;
    return {
        Toggle(N, 0, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3", L"1803", 0, 3, kWritesOff),
        Toggle(N, 1, kUser, kIeControlPanel, L"SecAddSites", 0, 1, kWritesOff),
        Toggle(N, 2, kUser, kIeControlPanel, L"Accessibility", 0, 1, kWritesOff),
        Toggle(N, 3, kUser, kIeControlPanel, L"Settings", 0, 1, kWritesOff),
        Toggle(N, 4, kUser, L"Software\\Policies\\Microsoft\\Windows\\Directory UI", L"HideDirectoryFolder", 0, 1, kWritesOff),
        Toggle(N, 5, kMachine, L"SYSTEM\\CurrentControlSet\\Control\\Lsa", L"restrictanonymous", 0, 1, kDeletes),
        Toggle(N, 6, kUser, L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers", L"DisableWebPrinting", 0, 1, kDeletes),
        Toggle(N, 7, kMachine, kLanman, L"AutoShareWks", 1, 0, kDeletes),
        Toggle(N, 8, kMachine, kLanman, L"AutoShareServer", 1, 0, kDeletes),
        Toggle(N, 9, kMachine, kPolicies, L"NoRecentDocsNetHood", 0, 1, kDeletes),
        Toggle(N, 10, kUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoSelectDownloadDir", 0, 1, kDeletes),
        Toggle(N, 11, kMachine, kConnections, L"NC_ShowShardAccessUI", 0, 1, kDeletes),
        Toggle(N, 12, kMachine, kConnections, L"NC_AllowAdvancedTCPIPConfig", 0, 1, kDeletes),
        Toggle(N, 13, kMachine, kPolicies, L"NoComputersNearMe", 0, 1, kDeletes),
        Toggle(N, 14, kUser, kNetwork, L"NoEntireNetwork", 0, 1, kWritesOff),
        Toggle(N, 14, kMachine, kNetwork, L"NoEntireNetwork", 0, 1, kWritesOff),
        Toggle(N, 15, kUser, kPolicies, L"NoNetHood", 0, 1, kDeletes),
        Toggle(N, 15, kMachine, kPolicies, L"NoNetHood", 0, 1, kDeletes),
        Toggle(N, autoComplete, kUser, kIeControlPanel, L"FormSuggest", 0, 1, kDeletes, L"表單"),
        Toggle(N, autoComplete, kMachine, kPolicies, L"FormSuggest", 0, 1, kDeletes),
        Toggle(N, messenger, kMachine, kClient, L"PreventRun", 0, 1, kDeletes, L"Messenger"),
        Toggle(E, 0, kUser, kPolicies, L"NoDriveTypeAutoRun", 0x95, 0xB5, kWritesOff),
        Toggle(E, 1, kUser, kPolicies, L"NoFileAssociate", 0, 1, kDeletes),
        Toggle(E, 2, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder\\Hidden\\ShowAll", L"Checkedvalue", 1, 0, kDeletes),
        Toggle(E, 3, kUser, kPolicies, L"NoInstrumentation", 0, 1, kWritesOff),
        Toggle(E, 4, kUser, kPolicies, L"NoRecentDocsHistory", 0, 1, kDeletes),
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

// Clearing the Messenger row removes the Client key, then the Messenger key, while each holds
// nothing else; Hide Messenger goes whatever the row's state.
TEST_F(RestrictionsPage, ClearingMessengerKeepsKeysThatStillHoldSomething)
{
    const int messenger = 16;  // Windows XP with Internet Explorer 8
    for (int c = 0; c < 3; ++c) {  // nothing else, another client setting, a value in the Messenger key
        SCOPED_TRACE(c);
        const bool otherClientValue = c == 1, messengerValue = c == 2;
        Restart();
        Put(kMachine, kClient, L"PreventRun", Dw(1));
        Put(kMachine, kClient, L"Disabled", otherClientValue ? Dw(1) : kAbsent);
        Put(kMachine, kMessenger, L"Note", messengerValue ? Sz(L"kept") : kAbsent);
        Put(kUser, kOutlookExpress, L"Hide Messenger", Dw(2));
        Start(kPageRestrictions, kXp, 8);
        ASSERT_EQ(1, Check(N, messenger));
        SetCheck(N, messenger, false);
        ASSERT_EQ(0, Apply());
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger"));
        EXPECT_EQ(otherClientValue ? 1 : -1, testreg::ValueCount(kMachine, kClient)) << "Disabled alone";
        EXPECT_EQ(messengerValue ? 1 : otherClientValue ? 0 : -1, testreg::ValueCount(kMachine, kMessenger));
        // Checking writes PreventRun alone.
        SetCheck(N, messenger, true);
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(kMachine, kClient, L"PreventRun", Dw(1)));
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger"));
    }
}

}  // namespace
