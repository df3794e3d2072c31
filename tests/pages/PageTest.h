// What the page tests share: the application started on a page, registry data as a test sets
// and expects it, every check row of a table tried both ways, the states of a page's controls,
// and a check that the controls a page placed fit the window.
#pragma once

#include "app/ControlIds.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;
const HKEY kUsers = HKEY_USERS;
const int M = kIdListMain;
const int R = kIdListRight;
const int L = kIdListLower;
const wchar_t kPolicies[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kDesktop[] = L"Control Panel\\Desktop";
const wchar_t kTcpip[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

// A registry value as a test sets and expects it: a DWORD, a text or absent; or the key
// itself, present and empty (kKey) or missing with everything below it (kNoKey).
struct Data {
    enum Kind { Absent, Dword, Text, Key, NoKey } kind;
    DWORD number;
    std::wstring text;
};
inline Data Dw(DWORD number) { return Data{Data::Dword, number, L""}; }
inline Data Sz(const std::wstring& text) { return Data{Data::Text, 0, text}; }
const Data kAbsent = {Data::Absent, 0, L""};
const Data kKey = {Data::Key, 0, L""};
const Data kNoKey = {Data::NoKey, 0, L""};

void Put(HKEY root, const std::wstring& key, const wchar_t* name, const Data& data);
::testing::AssertionResult Holds(HKEY root, const std::wstring& key, const wchar_t* name, const Data& data);

// One value behind a check row (a row of several values has one entry per value): the data
// that reads as checked and as cleared, what checking and clearing write, and a text the row
// shows. A name of null stands for the key itself. Row kNotShown: a value nothing may touch,
// such as one of a row this system does not show.
const int kNotShown = -1;
struct RowValue {
    int listId;
    int row;
    HKEY root;
    std::wstring key;
    const wchar_t* name;
    Data readsChecked, readsCleared, checkedWrites, clearedWrites;
    std::wstring text = L"";
};

// A DWORD row value: checked at `on`, cleared at `off`; clearing writes `off`, or deletes it.
const bool kWritesOff = false, kDeletes = true;
inline RowValue Toggle(int list, int row, HKEY root, const wchar_t* key, const wchar_t* name, DWORD off, DWORD on,
                       bool deletes, const wchar_t* text = L"")
{
    return RowValue{list, row, root, key, name, Dw(on), Dw(off), Dw(on), deletes ? kAbsent : Dw(off), text};
}

// The check boxes of the pages' pairs of a check box and a combo box, in order, and their combo boxes.
const int kBoxes[] = {2041, 2042, 2043, 2044, 2045, 2046, 2047, 2048, 2049, 2050, 2065, 2066, 2067, 2068, 2069, 2072, 2073, 2074};
const int kCombos[] = {2008, 2009, 2200, 2014, 2015, 2016, 2017, 2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025, 2077, 2078, 2079};

class PageTest : public AppTest {
protected:
    void Start(int page, int os, int ie = 8, int servicePack = 3, int language = 950)
    {
        StartApp(os, ie, servicePack, language);
        ShowPage(page);
    }
    // A fresh sandbox and no window, for a test that starts the program again.
    void Restart()
    {
        TearDown();
        SetUp();
    }
    // Every list holds exactly the rows of `values`, with their texts. With every value missing
    // the rows read cleared, but those of `missingReadsChecked` (list, row), and applying that
    // writes what each row's state stands for; then from the checked data, and again from the
    // cleared data, each row reads as it should, the opposite state applied writes the opposite
    // data, and the page reads it back. Values of rows not shown keep their checked data throughout.
    void ExpectRowsBothWays(const std::vector<RowValue>& values,
                            const std::vector<std::pair<int, int>>& missingReadsChecked = {});

    bool BoxChecked(int id) { return App().Button(id)->GetCheck() == BST_CHECKED; }
    int Selection(int comboId) { return App().Combo(comboId)->GetCurSel(); }
    void SetBox(int id, bool checked) { App().Button(id)->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED); }
    void Select(int comboId, int index) { App().Combo(comboId)->SetCurSel(index); }
};

// Names the three Windows versions in parameterised test names.
std::string VersionName(const ::testing::TestParamInfo<int>& info);

// The row test of a page whose rows follow the Windows version alone, `Rows(os)` giving them:
// Versions/<Page>Page.EveryRowReadsAndWritesBothWays/Xp, Vista and Win7.
#define PAGE_ROWS_BY_VERSION(Name)                                                                    \
    class Name##Page : public PageTest, public ::testing::WithParamInterface<int> {};                 \
    TEST_P(Name##Page, EveryRowReadsAndWritesBothWays)                                                \
    {                                                                                                 \
        Start(kPage##Name, GetParam());                                                               \
        ExpectRowsBothWays(Rows(GetParam()));                                                         \
    }                                                                                                 \
    INSTANTIATE_TEST_SUITE_P(Versions, Name##Page, ::testing::Values(kXp, kVista, kWin7), VersionName)
