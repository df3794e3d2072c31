// What the page tests share: registry values as a test sets and expects them (a DWORD, a
// text, or absent), and a check that the controls a page placed neither overlap nor leave the
// window.
#pragma once

#include "app/QmThisApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

struct Data {
    enum Kind { Absent, Dword, Text } kind;
    DWORD number;
    const wchar_t* text;
};
inline Data Dw(DWORD number) { return Data{Data::Dword, number, nullptr}; }
inline Data Sz(const wchar_t* text) { return Data{Data::Text, 0, text}; }
const Data kAbsent = {Data::Absent, 0, nullptr};

// Sets the value, or deletes it for kAbsent.
void Put(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data);
::testing::AssertionResult Holds(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data);

// Every pair of the controls `ids` that overlap, and every one that reaches outside the client
// area, as readable lines; empty when there is none.
std::string Overlaps(QmThisApp& app, std::initializer_list<int> ids);
std::string Overlaps(QmThisApp& app, const int* ids, int count);

// Every control of `ids` that does not lie inside control `outer`, as readable lines.
std::string NotInside(QmThisApp& app, int outer, std::initializer_list<int> ids);

// The rows of a list that do not show without scrolling, as readable lines.
std::string RowsOutOfSight(const QmListview& list);

// The Windows folder's drive root ("C:\"), found independently of the program.
std::wstring WindowsDriveRootForTest();
