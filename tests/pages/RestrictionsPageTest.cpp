#include "tests/pages/PageTest.h"
#include "tests/support/RegistryFacts.h"

#include <iterator>
#include <string>

namespace {

const wchar_t kIeControlPanel[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const wchar_t kLanman[] = L"SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters";
const wchar_t kConnections[] = L"SOFTWARE\\Policies\\Microsoft\\Windows\\Network Connections";
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kClient[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client";
const wchar_t kMessenger[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger";
const wchar_t kOutlookExpress[] = L"SOFTWARE\\Microsoft\\Outlook Express";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;

// A value written as the off value when cleared, or deleted.
#define OFF(list, row, root, key, name, off, on) \
    {#list " " #row, list, row, root, key, name, Dw(on), Dw(off), Dw(on), Dw(off)}
#define DEL(list, row, root, key, name, off, on) \
    {#list " " #row, list, row, root, key, name, Dw(on), Dw(off), Dw(on), kAbsent}
const int N = kIdListMain;
const int E = kIdListRight;
// Every row, as numbered on Windows XP with Internet Explorer 6 (all rows shown).
const RowValueCase kRows[] = {
    OFF(N, 0, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3", L"1803", 0, 3),
    OFF(N, 1, kUser, kIeControlPanel, L"SecAddSites", 0, 1),
    OFF(N, 2, kUser, kIeControlPanel, L"Accessibility", 0, 1),
    OFF(N, 3, kUser, kIeControlPanel, L"Settings", 0, 1),
    OFF(N, 4, kUser, L"Software\\Policies\\Microsoft\\Windows\\Directory UI", L"HideDirectoryFolder", 0, 1),
    DEL(N, 5, kMachine, L"SYSTEM\\CurrentControlSet\\Control\\Lsa", L"restrictanonymous", 0, 1),
    DEL(N, 6, kUser, L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers", L"DisableWebPrinting", 0, 1),
    DEL(N, 7, kMachine, kLanman, L"AutoShareWks", 1, 0),
    DEL(N, 8, kMachine, kLanman, L"AutoShareServer", 1, 0),
    DEL(N, 9, kMachine, kPolicies, L"NoRecentDocsNetHood", 0, 1),
    DEL(N, 10, kUser, L"Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions", L"NoSelectDownloadDir", 0, 1),
    DEL(N, 11, kMachine, kConnections, L"NC_ShowShardAccessUI", 0, 1),
    DEL(N, 12, kMachine, kConnections, L"NC_AllowAdvancedTCPIPConfig", 0, 1),
    DEL(N, 13, kMachine, kPolicies, L"NoComputersNearMe", 0, 1),
    OFF(N, 14, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", L"NoEntireNetwork", 0, 1),
    OFF(N, 14, kMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", L"NoEntireNetwork", 0, 1),
    DEL(N, 15, kUser, kPolicies, L"NoNetHood", 0, 1),
    DEL(N, 15, kMachine, kPolicies, L"NoNetHood", 0, 1),
    DEL(N, 16, kUser, kIeControlPanel, L"FormSuggest", 0, 1),
    DEL(N, 16, kMachine, kPolicies, L"FormSuggest", 0, 1),
    DEL(N, 17, kMachine, kClient, L"PreventRun", 0, 1),
    OFF(E, 0, kUser, kPolicies, L"NoDriveTypeAutoRun", 0x95, 0xB5),
    DEL(E, 1, kUser, kPolicies, L"NoFileAssociate", 0, 1),
    DEL(E, 2, kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder\\Hidden\\ShowAll", L"Checkedvalue", 1, 0),
    OFF(E, 3, kUser, kPolicies, L"NoInstrumentation", 0, 1),
    DEL(E, 4, kUser, kPolicies, L"NoRecentDocsHistory", 0, 1),
    {"E 5", E, 5, kMachine, L"Software\\Microsoft\\MediaPlayer\\PlayerUpgrade", L"EnableAutoUpgrade", Sz(L"no"), Sz(L"yes"), Sz(L"no"), Sz(L"yes")},
};
#undef OFF
#undef DEL

class RestrictionsPageTest : public PageTest {
protected:
    void Start(int os, int ie)
    {
        StartApp(os, ie);
        ShowPage(kPageRestrictions);
    }
};

TEST_F(RestrictionsPageTest, EveryRowReadsAndWritesBothWays)
{
    Start(kXp, 6);
    EXPECT_EQ(18, ItemCount(N));
    EXPECT_EQ(6, ItemCount(E));
    ExpectRowsBothWays(kRows, static_cast<int>(std::size(kRows)));
}

TEST_F(RestrictionsPageTest, RowsAfterAMissingRowMoveUpInShowReadAndApply)
{
    struct Case {
        int os;
        int ie;
        int rows;
        int autoCompleteRow;  // -1: not shown
        int messengerRow;
    };
    const Case cases[] = {{kXp, 8, 17, -1, 16}, {kWin7, 6, 17, 16, -1}, {kVista, 7, 16, -1, -1}};
    for (const Case& c : cases) {
        testreg::SetDword(kUser, kIeControlPanel, L"FormSuggest", 1);
        testreg::SetDword(kMachine, kPolicies, L"FormSuggest", 1);
        testreg::SetDword(kMachine, kClient, L"PreventRun", 1);
        Start(c.os, c.ie);
        ASSERT_EQ(c.rows, ItemCount(N)) << c.os << " IE " << c.ie;
        EXPECT_EQ(0, Check(N, 15));
        if (c.autoCompleteRow >= 0) {
            EXPECT_EQ(1, Check(N, c.autoCompleteRow));
            EXPECT_NE(std::wstring::npos, std::wstring(ItemText(N, c.autoCompleteRow).CStr()).find(L"\x8868\x55AE"));  // 表單
        }
        if (c.messengerRow >= 0) {
            EXPECT_EQ(1, Check(N, c.messengerRow));
            EXPECT_NE(std::wstring::npos, std::wstring(ItemText(N, c.messengerRow).CStr()).find(L"Messenger"));
        }
        // Clearing every row deletes what the shown rows stand for and leaves the rest.
        for (int row = 0; row < c.rows; ++row)
            SetCheck(N, row, false);
        ASSERT_EQ(0, Apply());
        EXPECT_EQ(c.autoCompleteRow < 0, testreg::ValueExists(kUser, kIeControlPanel, L"FormSuggest")) << c.os;
        EXPECT_EQ(c.autoCompleteRow < 0, testreg::ValueExists(kMachine, kPolicies, L"FormSuggest")) << c.os;
        EXPECT_EQ(c.messengerRow < 0, testreg::ValueExists(kMachine, kClient, L"PreventRun")) << c.os;
        EXPECT_TRUE(Holds(kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", L"NoEntireNetwork", Dw(0)));
        TearDown();
        SetUp();
    }
}

TEST_F(RestrictionsPageTest, ClearingMessengerKeepsKeysThatStillHoldSomething)
{
    const int messenger = 16;  // Windows XP with Internet Explorer 8
    struct Case {
        const char* what;
        bool otherClientValue;
        bool messengerValue;
        bool clientKept;
        bool messengerKept;
    };
    const Case cases[] = {
        {"nothing else", false, false, false, false},
        {"another client setting", true, false, true, true},
        {"a value in the Messenger key", false, true, false, true},
    };
    for (const Case& c : cases) {
        testreg::SetDword(kMachine, kClient, L"PreventRun", 1);
        if (c.otherClientValue)
            testreg::SetDword(kMachine, kClient, L"Disabled", 1);
        if (c.messengerValue)
            testreg::SetString(kMachine, kMessenger, L"Note", L"kept");
        testreg::SetDword(kUser, kOutlookExpress, L"Hide Messenger", 2);
        Start(kXp, 8);
        ASSERT_EQ(1, Check(N, messenger)) << c.what;
        SetCheck(N, messenger, false);
        ASSERT_EQ(0, Apply());
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger")) << c.what;
        EXPECT_FALSE(testreg::ValueExists(kMachine, kClient, L"PreventRun")) << c.what;
        EXPECT_EQ(c.clientKept, testreg::KeyExists(kMachine, kClient)) << c.what;
        EXPECT_EQ(c.messengerKept, testreg::KeyExists(kMachine, kMessenger)) << c.what;
        // A kept key holds what it held, and nothing more.
        if (c.otherClientValue) {
            EXPECT_EQ(1, testreg::ValueCount(kMachine, kClient)) << c.what;
            EXPECT_TRUE(Holds(kMachine, kClient, L"Disabled", Dw(1))) << c.what;
        }
        if (c.messengerValue) {
            EXPECT_EQ(1, testreg::ValueCount(kMachine, kMessenger)) << c.what;
        }
        // Checking writes PreventRun alone.
        SetCheck(N, messenger, true);
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(kMachine, kClient, L"PreventRun", Dw(1))) << c.what;
        EXPECT_FALSE(testreg::ValueExists(kUser, kOutlookExpress, L"Hide Messenger")) << c.what;
        TearDown();
        SetUp();
    }
}

TEST_F(RestrictionsPageTest, ValuesThatAreNeitherOnNorOff)
{
    const wchar_t kUpgrade[] = L"Software\\Microsoft\\MediaPlayer\\PlayerUpgrade";
    testreg::SetDword(kUser, kPolicies, L"NoDriveTypeAutoRun", 0x91);
    testreg::SetString(kMachine, kUpgrade, L"EnableAutoUpgrade", L"No");
    testreg::SetString(kUser, kIeControlPanel, L"SecAddSites", L"1");
    Start(kWin7, 8);
    EXPECT_EQ(0, Check(E, 0));
    EXPECT_EQ(1, Check(E, 5));  // texts compare without case
    EXPECT_EQ(0, Check(N, 1));  // a text where a DWORD belongs
    testreg::SetDword(kMachine, kUpgrade, L"EnableAutoUpgrade", 0);
    Reread();
    EXPECT_EQ(0, Check(E, 5));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(Holds(kUser, kPolicies, L"NoDriveTypeAutoRun", Dw(0x95)));
    EXPECT_TRUE(Holds(kMachine, kUpgrade, L"EnableAutoUpgrade", Sz(L"yes")));
    EXPECT_TRUE(Holds(kUser, kIeControlPanel, L"SecAddSites", Dw(0)));
}

TEST_F(RestrictionsPageTest, LayoutFitsTheWindow)
{
    Start(kXp, 6);
    ExpectLayoutFits("XP with IE 6");
}

}  // namespace
