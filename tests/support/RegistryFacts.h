// Direct registry access for tests: arrange values and inspect results through the plain
// Win32 API, independent of the program's own registry classes, in the view the system reads
// (on 64-bit Windows the native one). Inside a RegistrySandbox these touch the scratch keys only.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace testreg {

struct Value {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    bool IsDword(DWORD expected) const;
    std::wstring Text() const;  // the REG_SZ text without its terminator; "" for anything else
    bool IsString(const std::wstring& expected) const { return exists && type == REG_SZ && Text() == expected; }
};

// Each setter reports a test failure when the registry refuses.
void SetRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data, DWORD bytes);
inline void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value)
{
    SetRaw(root, path, name, REG_DWORD, &value, sizeof(value));
}
inline void SetString(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text)
{
    SetRaw(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}
void CreateKey(HKEY root, const std::wstring& path);
void RemoveValue(HKEY root, const std::wstring& path, const std::wstring& name);  // absent is fine
void DeleteKey(HKEY root, const std::wstring& path);  // a key without subkeys; absent is fine

Value Get(HKEY root, const std::wstring& path, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& path);
inline bool ValueExists(HKEY root, const std::wstring& path, const std::wstring& name) { return Get(root, path, name).exists; }
int ValueCount(HKEY root, const std::wstring& path);  // -1 when the key is missing

// Every key and value below the four roots: "HKLM\path" for a key, "HKLM\path\:name" for
// a value (key paths in lower case, as the registry ignores their case).
using Snapshot = std::map<std::wstring, Value>;
Snapshot TakeSnapshot();
// Readable lines for each entry added, removed or changed from `before` to `after`.
std::string Differences(const Snapshot& before, const Snapshot& after);

std::string Describe(const Value& value);  // "REG_DWORD 5", "(absent)"...
std::string Narrow(const std::wstring& text);  // UTF-8, for test messages
std::wstring Lower(std::wstring text);

}  // namespace testreg
