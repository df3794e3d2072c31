// Registry states for a page's places, and small helpers the companion program's tests share.
// Plain Win32 through the test registry helpers: inside a sandbox they touch scratch keys, in
// the end-to-end prefix its real registry.
#pragma once

#include "model/BackupList.h"
#include "tests/support/RegistryFacts.h"

#include <string>

inline size_t Count(const std::wstring& text, const std::wstring& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

inline void RemoveValue(HKEY root, const std::wstring& path, const std::wstring& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, name.c_str());
        RegCloseKey(key);
    }
}

// Two states of a page's places that differ in every place: state 0 has values, missing
// values (under existing keys), empty and multi-line texts and keys; state 1 changes each
// (other data, another type, values that were missing, keys the other way round).
inline void ArrangePlaces(const BackupList& places, int state)
{
    int i = 0;
    for (const BackupItem& place : places.Items()) {
        const HKEY root = RootKey(place.root);
        const std::wstring path = place.keyPath;
        const std::wstring name = place.valueName ? place.valueName : L"";
        const int pattern = i++ % 3;
        if (place.kind == BackupItem::Kind::Key) {
            testreg::CreateKey(root, path.substr(0, path.rfind(L'\\')));
            const bool exists = (pattern % 2 == 0) == (state == 0);
            if (exists) {
                testreg::CreateKey(root, path);
                if (state == 1)
                    testreg::SetString(root, path, L"", L"x");  // removable: one value
            } else {
                RegDeleteKeyW(root, path.c_str());
            }
            continue;
        }
        testreg::CreateKey(root, path);
        const bool dword = place.kind == BackupItem::Kind::Dword;
        if (state == 0) {
            if (pattern == 1)
                RemoveValue(root, path, name);
            else if (dword)
                testreg::SetDword(root, path, name, pattern == 0 ? 0x100u + i : 0xFFFFFFFFu - i);
            else
                testreg::SetString(root, path, name, pattern == 0 ? L"a\"\\<&>\n</Data>\nz" + std::to_wstring(i) : L"");
        } else if (pattern == 1) {
            if (dword)
                testreg::SetDword(root, path, name, 7);
            else
                testreg::SetString(root, path, name, L"new");
        } else if (pattern == 0) {
            if (dword)
                testreg::SetString(root, path, name, L"1");
            else
                testreg::SetString(root, path, name, L"changed");
        } else {
            if (dword)
                testreg::SetDword(root, path, name, 0);
            else
                testreg::SetDword(root, path, name, 1);
        }
    }
}

