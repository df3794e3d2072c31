#include "tests/support/RegistryFacts.h"

#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <sstream>

namespace testreg {

namespace {

// What the system itself reads: for a 32-bit test on 64-bit Windows, the native view, not
// Wow6432Node. Not for HKEY_CLASSES_ROOT: Wine opens the real root for a view flag there, past
// a sandbox's override, and the program itself never uses that root.
REGSAM Access(HKEY root, REGSAM access)
{
    return root == HKEY_CLASSES_ROOT ? access : access | KEY_WOW64_64KEY;
}

// One open key, closed by its owner.
struct Key {
    HKEY handle = nullptr;
    Key(HKEY root, const std::wstring& path, REGSAM access, bool create = false)
    {
        const LONG result = create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                     Access(root, access), nullptr, &handle, nullptr)
                                   : RegOpenKeyExW(root, path.c_str(), 0, Access(root, access), &handle);
        if (result != ERROR_SUCCESS)
            handle = nullptr;
        if (create && !handle)
            ADD_FAILURE() << "cannot create " << Narrow(path) << ": error " << result;
    }
    ~Key() { handle && RegCloseKey(handle); }
};

void Walk(HKEY key, const std::wstring& prefix, Snapshot& out)
{
    out[prefix] = Value{true, REG_NONE, {}};
    wchar_t name[16384];
    for (DWORD i = 0, length = 16384, type = 0, bytes = 0;
         RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS; ++i, length = 16384) {
        Value value{true, type, std::vector<BYTE>(bytes + 1)};
        length = 16384;
        RegEnumValueW(key, i, name, &length, nullptr, &type, value.data.data(), &bytes);
        value.data.resize(bytes);
        out[prefix + L"\\:" + name] = value;
    }
    for (DWORD i = 0, length = 256; RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 256) {
        Key child(key, name, KEY_READ);
        if (child.handle)
            Walk(child.handle, prefix + L"\\" + Lower(name), out);
    }
}

}  // namespace

bool Value::IsDword(DWORD expected) const
{
    return exists && type == REG_DWORD && data.size() == 4 && memcmp(data.data(), &expected, 4) == 0;
}

std::wstring Value::Text() const
{
    if (!exists || type != REG_SZ)
        return std::wstring();
    std::wstring text(data.size() / 2, L'\0');
    if (!text.empty())
        memcpy(&text[0], data.data(), text.size() * 2);
    return text.substr(0, text.find(L'\0'));
}

void SetRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data, DWORD bytes)
{
    Key key(root, path, KEY_ALL_ACCESS, true);
    const LONG result = key.handle ? RegSetValueExW(key.handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes) : 0;
    if (result != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot set " << Narrow(path) << "\\" << Narrow(name) << ": error " << result;
}

void CreateKey(HKEY root, const std::wstring& path)
{
    Key key(root, path, KEY_ALL_ACCESS, true);
}

Value Get(HKEY root, const std::wstring& path, const std::wstring& name)
{
    Key key(root, path, KEY_READ);
    Value value;
    DWORD bytes = 0;
    if (!key.handle || RegQueryValueExW(key.handle, name.c_str(), nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS)
        return Value();
    value.data.resize(bytes + 1);
    if (RegQueryValueExW(key.handle, name.c_str(), nullptr, &value.type, value.data.data(), &bytes) != ERROR_SUCCESS)
        return Value();
    value.data.resize(bytes);
    value.exists = true;
    return value;
}

bool KeyExists(HKEY root, const std::wstring& path)
{
    return Key(root, path, KEY_READ).handle != nullptr;
}

void RemoveValue(HKEY root, const std::wstring& path, const std::wstring& name)
{
    Key key(root, path, KEY_SET_VALUE);
    if (key.handle)
        RegDeleteValueW(key.handle, name.c_str());
}

void DeleteKey(HKEY root, const std::wstring& path)
{
    // RegDeleteKeyW would delete in the process's own view; XP lacks RegDeleteKeyExW.
    using DeleteKeyEx = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
    auto deleteKeyEx = reinterpret_cast<DeleteKeyEx>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegDeleteKeyExW")));
    if (deleteKeyEx)
        deleteKeyEx(root, path.c_str(), Access(root, 0), 0);
    else
        RegDeleteKeyW(root, path.c_str());
}

int ValueCount(HKEY root, const std::wstring& path)
{
    Key key(root, path, KEY_READ);
    DWORD count = 0;
    if (!key.handle || RegQueryInfoKeyW(key.handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                                        nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(count);
}

Snapshot TakeSnapshot()
{
    Snapshot out;
    for (int i = 0; i < RegistrySandbox::kRootCount; ++i)
        Walk(RegistrySandbox::kRoots[i], RegistrySandbox::kRootNames[i], out);
    return out;
}

std::string Differences(const Snapshot& before, const Snapshot& after)
{
    std::ostringstream text;
    for (const auto& [name, value] : before) {
        auto found = after.find(name);
        if (found == after.end())
            text << "removed " << Narrow(name) << " (was " << Describe(value) << ")\n";
        else if (found->second.type != value.type || found->second.data != value.data)
            text << "changed " << Narrow(name) << ": " << Describe(value) << " -> " << Describe(found->second) << "\n";
    }
    for (const auto& [name, value] : after)
        if (!before.count(name))
            text << "added " << Narrow(name) << " = " << Describe(value) << "\n";
    return text.str();
}

std::string Describe(const Value& value)
{
    DWORD number = 0;
    if (!value.exists)
        return "(absent)";
    if (value.type == REG_DWORD && value.data.size() == 4) {
        memcpy(&number, value.data.data(), 4);
        return "REG_DWORD " + std::to_string(number);
    }
    if (value.type == REG_SZ)
        return "REG_SZ \"" + Narrow(value.Text()) + "\" (" + std::to_string(value.data.size()) + " bytes)";
    return "type " + std::to_string(value.type) + ", " + std::to_string(value.data.size()) + " bytes";
}

std::string Narrow(const std::wstring& text)
{
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], bytes, nullptr, nullptr);
    return out;
}

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return text;
}

}  // namespace testreg
