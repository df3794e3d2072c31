#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/pages/TwoListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::wstring kDesktopNamespace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\";
const std::wstring kComputerNamespace = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\";
const std::wstring kClassic = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu";
const std::wstring kNewPanel = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel";

// The namespace items in the Windows XP order.
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
const wchar_t kMyDocuments[] = L"{450D8FBA-AD25-11D0-98A8-0800361B1103}";
const wchar_t kNetworkPlaces[] = L"{208D2C60-3AEA-1069-A2D7-08002B30309D}";
const wchar_t kInternetExplorer[] = L"{871C5380-42A0-1069-A2EA-08002B30309D}";

// One edition of the page: the system, and which desktop icons it lists.
struct Edition {
    const char* name;
    int os;
    int servicePack;
    int desktopRows;
    int computerRows;
    bool documentsAndNetwork;
    bool internetExplorer;
};
const Edition kEditions[] = {
    {"XpSp3", kXp, 3, 20, 16, true, true},
    {"XpSp2", kXp, 2, 19, 16, true, false},
    {"Vista", kVista, 2, 15, 13, false, true},
    {"Win7", kWin7, 1, 14, 13, false, false},
};

// A row as the test expects it: a namespace key, or a desktop icon's two values.
struct Row {
    int listId;
    int index;
    std::wstring key;    // namespace rows
    std::wstring clsid;  // desktop-icon rows
    bool clearingDeletes;
};

std::vector<Row> RowsOf(const Edition& edition)
{
    std::vector<Row> rows;
    const bool xp = edition.os == kXp;
    for (int list : {kIdListMain, kIdListRight}) {
        int index = 0;
        for (const Item& item : kItems)
            if (xp || !item.xpOnly)
                rows.push_back({list, index++, (list == kIdListMain ? kDesktopNamespace : kComputerNamespace) + item.clsid, L"", false});
        if (list != kIdListMain)
            continue;
        rows.push_back({list, index++, L"", kMyComputer, false});
        if (edition.documentsAndNetwork) {
            rows.push_back({list, index++, L"", kMyDocuments, false});
            rows.push_back({list, index++, L"", kNetworkPlaces, false});
        }
        if (edition.internetExplorer)
            rows.push_back({list, index++, L"", kInternetExplorer, true});
    }
    return rows;
}

::testing::AssertionResult IconHolds(const std::wstring& clsid, bool exists, DWORD value)
{
    for (const std::wstring& key : {kClassic, kNewPanel}) {
        const testreg::Value found = testreg::Get(HKEY_CURRENT_USER, key, clsid);
        if (found.exists != exists || (exists && !found.IsDword(value)))
            return ::testing::AssertionFailure() << testreg::Narrow(key + L"\\" + clsid) << " is not as expected";
    }
    return ::testing::AssertionSuccess();
}

void SetIcon(const std::wstring& clsid, DWORD value)
{
    testreg::SetDword(HKEY_CURRENT_USER, kClassic, clsid, value);
    testreg::SetDword(HKEY_CURRENT_USER, kNewPanel, clsid, value);
}

class IconsPageFixture : public AppTest {
protected:
    void Start(const Edition& edition, int language = 950)
    {
        StartApp(edition.os, 8, edition.servicePack, language);
        ShowPage(kPageIcons);
    }
};

class IconsPageTest : public IconsPageFixture, public ::testing::WithParamInterface<Edition> {};

TEST_P(IconsPageTest, EveryRowReadsAndWritesBothWaysAndNothingElse)
{
    const Edition& edition = GetParam();
    const std::vector<Row> rows = RowsOf(edition);
    // Items this edition does not list, in their checked state: no step may touch them.
    std::vector<std::wstring> foreignKeys, foreignIcons;
    for (const Item& item : kItems)
        if (item.xpOnly && edition.os != kXp)
            for (const std::wstring& folder : {kDesktopNamespace, kComputerNamespace})
                foreignKeys.push_back(folder + item.clsid);
    if (!edition.documentsAndNetwork)
        foreignIcons = {kMyDocuments, kNetworkPlaces};
    if (!edition.internetExplorer)
        foreignIcons.push_back(kInternetExplorer);
    for (const std::wstring& key : foreignKeys)
        testreg::CreateKey(HKEY_CURRENT_USER, key);
    for (const std::wstring& clsid : foreignIcons)
        SetIcon(clsid, 0);
    auto foreignUntouched = [&] {
        for (const std::wstring& key : foreignKeys)
            EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, key)) << testreg::Narrow(key);
        for (const std::wstring& clsid : foreignIcons)
            EXPECT_TRUE(IconHolds(clsid, true, 0));
    };

    for (const Row& row : rows)
        if (row.key.empty())
            SetIcon(row.clsid, 0);
        else
            testreg::CreateKey(HKEY_CURRENT_USER, row.key);
    Start(edition);
    ASSERT_EQ(edition.desktopRows, ItemCount(kIdListMain));
    ASSERT_EQ(edition.computerRows, ItemCount(kIdListRight));
    for (const Row& row : rows)
        EXPECT_EQ(1, Check(row.listId, row.index)) << row.listId << " row " << row.index;

    for (const Row& row : rows)
        SetCheck(row.listId, row.index, false);
    ASSERT_EQ(0, Apply());
    for (const Row& row : rows) {
        if (row.key.empty())
            EXPECT_TRUE(IconHolds(row.clsid, !row.clearingDeletes, 1)) << "row " << row.index;
        else
            EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, row.key)) << testreg::Narrow(row.key);
        EXPECT_EQ(0, Check(row.listId, row.index)) << row.listId << " row " << row.index << " after the re-read";
    }
    foreignUntouched();

    for (const Row& row : rows)
        SetCheck(row.listId, row.index, true);
    ASSERT_EQ(0, Apply());
    for (const Row& row : rows) {
        if (row.key.empty())
            EXPECT_TRUE(IconHolds(row.clsid, true, 0)) << "row " << row.index;
        else
            EXPECT_EQ(0, testreg::ValueCount(HKEY_CURRENT_USER, row.key)) << testreg::Narrow(row.key);
        EXPECT_EQ(1, Check(row.listId, row.index)) << row.listId << " row " << row.index << " after the re-read";
    }
    foreignUntouched();
}

INSTANTIATE_TEST_SUITE_P(Editions, IconsPageTest, ::testing::ValuesIn(kEditions),
                         [](const ::testing::TestParamInfo<Edition>& info) { return info.param.name; });

class IconsPageOnOneVersion : public IconsPageFixture {};

TEST_F(IconsPageOnOneVersion, AnIconHiddenInOneStyleOnlyReadsClearedAndClearingWritesBoth)
{
    testreg::SetDword(HKEY_CURRENT_USER, kClassic, kMyComputer, 0);  // NewStartPanel missing
    testreg::SetDword(HKEY_CURRENT_USER, kClassic, kInternetExplorer, 0);
    testreg::SetDword(HKEY_CURRENT_USER, kNewPanel, kInternetExplorer, 1);
    Start(kEditions[2]);  // Vista: My Computer row 13, IE row 14
    EXPECT_EQ(0, Check(kIdListMain, 13));
    EXPECT_EQ(0, Check(kIdListMain, 14));
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(IconHolds(kMyComputer, true, 1));
    EXPECT_TRUE(IconHolds(kInternetExplorer, false, 0));
}

TEST_F(IconsPageOnOneVersion, ANamespaceKeyHoldingAValueIsNeverRemovedOrChanged)
{
    const std::wstring search = kDesktopNamespace + kItems[0].clsid;
    const std::wstring run = kComputerNamespace + kItems[1].clsid;
    testreg::SetString(HKEY_CURRENT_USER, search, L"", L"Search");
    testreg::SetString(HKEY_CURRENT_USER, run, L"", L"Run");
    Start(kEditions[0]);
    ASSERT_EQ(1, Check(kIdListMain, 0));
    ASSERT_EQ(1, Check(kIdListRight, 1));
    SetCheck(kIdListMain, 0, false);  // DeleteKey refuses a key with values
    ASSERT_EQ(0, Apply());            // the other row stays checked: CreateKey finds the key
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, search, L"").IsString(L"Search"));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, run, L"").IsString(L"Run"));
    EXPECT_EQ(1, testreg::ValueCount(HKEY_CURRENT_USER, run));
    EXPECT_EQ(1, Check(kIdListMain, 0));
}

TEST_F(IconsPageOnOneVersion, ClassicStartMenuIsWrittenBeforeNewStartPanel)
{
    SetIcon(kInternetExplorer, 0);  // a deletion reaches the registry only when the value is there
    Start(kEditions[0]);
    RegistryInterceptor registry;
    SetCheck(kIdListMain, 19, false);  // IE: both values deleted
    ASSERT_EQ(0, Apply());
    // The key each value write or deletion went to is the one opened last before it.
    std::vector<std::wstring> order;
    std::wstring opened;
    for (const RegistryInterceptor::Call& call : registry.Calls()) {
        if (call.function == "OpenKey")
            opened = call.path;
        else if (call.function == "SetValue" || call.function == "DeleteValue")
            order.push_back(call.function == "SetValue" ? call.name + L" set in " + opened : call.name + L" deleted in " + opened);
    }
    auto at = [&order](const std::wstring& entry) { return std::find(order.begin(), order.end(), entry) - order.begin(); };
    const std::wstring computer = std::wstring(kMyComputer) + L" set in ";
    ASSERT_GT(static_cast<int>(order.size()) - 1, at(computer + kClassic));
    EXPECT_EQ(at(computer + kClassic) + 1, at(computer + kNewPanel));
    const std::wstring ie = std::wstring(kInternetExplorer) + L" deleted in ";
    EXPECT_EQ(at(ie + kClassic) + 1, at(ie + kNewPanel));
}

TEST_F(IconsPageOnOneVersion, AnotherWindowsVersionGetsEmptyListsAndNoWrites)
{
    testreg::CreateKey(HKEY_CURRENT_USER, kDesktopNamespace + kItems[0].clsid);
    SetIcon(kMyComputer, 0);
    StartApp(112, 8, 1, 950);
    ASSERT_LT(0, ItemCount(kIdListMain));  // the desktop page's rows
    ShowPage(kPageIcons);
    EXPECT_EQ(0, ItemCount(kIdListMain));
    EXPECT_EQ(0, ItemCount(kIdListRight));
    EXPECT_STREQ(L"\x684C\x9762\x5716\x793A", App().Button(kIdGroupMain)->GetText().CStr());  // 桌面圖示
    const testreg::Snapshot before = testreg::TakeSnapshot();
    ASSERT_EQ(0, Apply());
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

TEST_F(IconsPageOnOneVersion, TheLongestEditionFitsAt640By480AfterAnotherPage)
{
    Start(kEditions[0]);  // page 0's shorter lists were there first
    ExpectTwoListsLaidOut(App());
}

TEST_F(IconsPageOnOneVersion, EachListShowsItsOwnStoredText)
{
    Start(kEditions[0]);
    EXPECT_STREQ(L"顯示「開始功表資料夾」圖示", ItemText(kIdListMain, 5).CStr());
    EXPECT_STREQ(L"顯示「開始功能表資料夾」圖示", ItemText(kIdListRight, 5).CStr());
    TearDown();
    SetUp();
    Start(kEditions[0], 936);
    EXPECT_STREQ(L"显示「开始菜单资料夹」图示", ItemText(kIdListMain, 5).CStr());
    EXPECT_STREQ(L"显示「开始菜单资料夹」图示", ItemText(kIdListRight, 5).CStr());
    EXPECT_STREQ(L"显示「工作列和开始菜单」图示", ItemText(kIdListRight, 15).CStr());
    EXPECT_STREQ(L"我的电脑图示", App().Button(kIdGroupRight)->GetText().CStr());
}

}  // namespace
