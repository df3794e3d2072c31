// What the tests of the start menu, system and restrictions pages share: registry data as a
// test sets and expects it, a table of check rows tried both ways, and a check that a page's
// placed controls neither overlap nor leave the window.
#pragma once

#include "tests/support/AppFixture.h"

#include <gtest/gtest.h>

#include <string>

// A registry value as a test sets and expects it: a DWORD, a text, or absent.
struct Data {
    enum Kind { Absent, Dword, Text } kind;
    DWORD number;
    const wchar_t* text;
};
inline Data Dw(DWORD number) { return Data{Data::Dword, number, nullptr}; }
inline Data Sz(const wchar_t* text) { return Data{Data::Text, 0, text}; }
const Data kAbsent = {Data::Absent, 0, nullptr};

// Sets the value; Absent deletes it.
void Put(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data);
::testing::AssertionResult Holds(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data);

// One value behind a check row: the data that reads as checked and as cleared, and what
// checking and clearing the row write. A row of several values has one entry per value.
struct RowValueCase {
    const char* what;
    int listId;
    int row;
    HKEY root;
    const wchar_t* key;
    const wchar_t* name;
    Data readsChecked;
    Data readsCleared;
    Data checkedWrites;
    Data clearedWrites;
};

class PageTest : public AppTest {
protected:
    // Shows `page` on a started application; then, for every entry: the registry holding the
    // checked data reads checked, clearing by hand and applying writes the cleared data; the
    // cleared data reads cleared, checking and applying writes the checked data.
    void ExpectRowsBothWays(const RowValueCase* cases, int count);
    // At 640 x 480 and again at 1000 x 700: every control the current page placed lies
    // inside the client area, two of them overlap only where a group box holds the other,
    // and every check list shows all its rows without scrolling.
    void ExpectLayoutFits(const char* what);

    bool BoxChecked(int id) { return App().Button(id)->GetCheck() == BST_CHECKED; }
    int Selection(int comboId) { return App().Combo(comboId)->GetCurSel(); }
    void SetBox(int id, bool checked) { App().Button(id)->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED); }
    void Select(int comboId, int index) { App().Combo(comboId)->SetCurSel(index); }
};

// Names the three Windows versions in parameterised test names.
std::string VersionName(const ::testing::TestParamInfo<int>& info);
