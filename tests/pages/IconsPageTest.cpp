#include "tests/pages/PageTest.h"
#include "tests/support/RegistryInterceptor.h"

#include <regex>

namespace {

const std::wstring kDesktopNamespace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\";
const std::wstring kComputerNamespace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\";
const std::wstring kClassic = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu";
const std::wstring kNewPanel = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel";

// The namespace items in the Windows XP order; three are Windows XP's only.
struct Item {
    const wchar_t* clsid;
    bool xpOnly;
};
const Item kItems[] = {
    {L"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", false}, {L"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", false},
    {L"{7A9D77BD-5403-11d2-8785-2E0420524153}", false}, {L"{7007ACC7-3202-11D1-AAD2-00805FC1270E}", false},
    {L"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}", false}, {L"{48e7caab-b918-4e58-a94d-505519c795dc}", false},
    {L"{D20EA4E1-3957-11d2-A40B-0C5020524153}", false}, {L"{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}", true},
    {L"{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}", false}, {L"{D20EA4E1-3957-11d2-A40B-0C5020524152}", false},
    {L"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", true},  {L"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", false},
    {L"{2227A280-3AEA-1069-A2DE-08002B30309D}", false}, {L"{AFDB1F70-2A4C-11d2-9039-00C04F8EEB3E}", false},
    {L"{E211B736-43FD-11D1-9EFB-0000F8757FCD}", true},  {L"{0DF44EAA-FF21-4412-828E-260A8728E7F1}", false},
};
const wchar_t kMyComputer[] = L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
const wchar_t kInternetExplorer[] = L"{871C5380-42A0-1069-A2EA-08002B30309D}";

// The desktop icons after the namespace rows: hidden in both styles reads checked; the values
// that read cleared differ in one style or the other.
struct Icon {
    const wchar_t* clsid;
    Data classicCleared, newPanelCleared;
};
const Icon kIcons[] = {
    {kMyComputer, Dw(0), kAbsent},
    {L"{450D8FBA-AD25-11D0-98A8-0800361B1103}", Dw(1), Dw(0)},  // My Documents
    {L"{208D2C60-3AEA-1069-A2D7-08002B30309D}", Dw(0), Dw(1)},  // My Network Places
    {kInternetExplorer, Dw(1), Dw(0)},
};

// One edition of the page: the system, and which of the icons after My Computer it lists.
struct Edition {
    const char* name;
    int os;
    int servicePack;
    bool documentsAndNetwork;
    bool internetExplorer;  // its row deletes instead of hiding
};
const Edition kEditions[] = {
    {"XpSp3", kXp, 3, true, true}, {"XpSp2", kXp, 2, true, false}, {"Vista", kVista, 2, false, true}, {"Win7", kWin7, 1, false, false}};

// Each list shows its own stored text for the start-menu folder: the Windows XP desktop list's
// lacks a character.
std::vector<RowValue> Rows(const Edition& edition)
{
    std::vector<RowValue> rows;
    int next[2] = {0, 0};
    for (int list : {0, 1})
        for (const Item& item : kItems) {
            const int row = edition.os == kXp || !item.xpOnly ? next[list]++ : kNotShown;
            const wchar_t* text = &item - kItems != 5 ? L"" : list || edition.os != kXp ? L"「開始功能表資料夾」" : L"「開始功表資料夾」";
            rows.push_back({list ? kIdListRight : kIdListMain, row, HKEY_CURRENT_USER,
                            (list ? kComputerNamespace : kDesktopNamespace) + item.clsid, nullptr, kKey, kNoKey, kKey, kNoKey, text});
        }
    for (const Icon& icon : kIcons) {
        const bool ie = icon.clsid == kInternetExplorer;
        const bool shown = ie ? edition.internetExplorer : icon.clsid == kMyComputer || edition.documentsAndNetwork;
        const int row = shown ? next[0]++ : kNotShown;
        rows.push_back({kIdListMain, row, HKEY_CURRENT_USER, kClassic, icon.clsid, Dw(0), icon.classicCleared, Dw(0), ie ? kAbsent : Dw(1)});
        rows.push_back({kIdListMain, row, HKEY_CURRENT_USER, kNewPanel, icon.clsid, Dw(0), icon.newPanelCleared, Dw(0), ie ? kAbsent : Dw(1)});
    }
    return rows;
}

class IconsPage : public PageTest, public ::testing::WithParamInterface<Edition> {};

// Each icon's value under ClassicStartMenu is written right before NewStartPanel's.
TEST_P(IconsPage, EveryRowReadsAndWritesBothWaysAndNothingElse)
{
    Start(kPageIcons, GetParam().os, 8, GetParam().servicePack);
    RegistryInterceptor registry;
    ExpectRowsBothWays(Rows(GetParam()));
    std::string order;
    std::wstring key;  // of the values written or deleted
    for (const RegistryInterceptor::Call& call : registry.Calls()) {
        key = call.function == "OpenKey" || call.function == "CreateKey" ? call.path : key;
        if (call.function == "SetValue" || call.function == "DeleteValue")
            order += key == kClassic ? "C" : key == kNewPanel ? "N" : "";
    }
    EXPECT_TRUE(std::regex_match(order, std::regex("(CN)+"))) << order;
}

INSTANTIATE_TEST_SUITE_P(Editions, IconsPage, ::testing::ValuesIn(kEditions),
                         [](const ::testing::TestParamInfo<Edition>& info) { return info.param.name; });

TEST_F(IconsPage, ANamespaceKeyHoldingAValueIsNeverRemovedOrChanged)
{
    const std::wstring search = kDesktopNamespace + kItems[0].clsid;
    const std::wstring run = kComputerNamespace + kItems[1].clsid;
    Put(HKEY_CURRENT_USER, search, L"", Sz(L"Search"));
    Put(HKEY_CURRENT_USER, run, L"", Sz(L"Run"));
    Start(kPageIcons, kXp);
    SetCheck(kIdListMain, 0, false);  // DeleteKey refuses a key with values
    ASSERT_EQ(0, Apply());            // the other row stays checked: CreateKey finds the key
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, search, L"", Sz(L"Search")));
    EXPECT_TRUE(Holds(HKEY_CURRENT_USER, run, L"", Sz(L"Run")));
    EXPECT_EQ(1, testreg::ValueCount(HKEY_CURRENT_USER, run));
    EXPECT_EQ(1, Check(kIdListMain, 0));
}

}  // namespace
