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
// Wow6432Node (one view only elsewhere, where the flag is ignored). Not for
// HKEY_CLASSES_ROOT: Wine opens the real root for a view flag there, past a sandbox's
// override, and the program itself never uses that root.
REGSAM Access(HKEY root, REGSAM access)
{
    return root == HKEY_CLASSES_ROOT ? access : access | KEY_WOW64_64KEY;
}

// Owns one open key.
class Key {
public:
    Key() = default;
    ~Key()
    {
        if (hkey_)
            RegCloseKey(hkey_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &hkey_; }
    HKEY Get() const { return hkey_; }

private:
    HKEY hkey_ = nullptr;
};

void Walk(HKEY key, const std::wstring& prefix, Snapshot& out)
{
    out[prefix] = Value{true, REG_NONE, {}};
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0, bytes = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
            break;
        Value value{true, type, std::vector<BYTE>(bytes)};
        nameLength = 16384;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, value.data.empty() ? nullptr : value.data.data(), &bytes);
        value.data.resize(bytes);
        out[prefix + L"\\:" + name] = value;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        Key child;
        if (RegOpenKeyExW(key, name, 0, Access(key, KEY_READ), child.Out()) == ERROR_SUCCESS)
            Walk(child.Get(), prefix + L"\\" + Lower(name), out);
    }
}

}  // namespace

std::string Describe(const Value& value)
{
    std::ostringstream text;
    if (!value.exists)
        return "(absent)";
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number;
        memcpy(&number, value.data.data(), 4);
        text << "REG_DWORD " << number;
    } else if (value.type == REG_SZ) {
        text << "REG_SZ \"" << Narrow(value.Text()) << "\" (" << value.data.size() << " bytes)";
    } else {
        text << "type " << value.type << ", " << value.data.size() << " bytes";
    }
    return text.str();
}

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return text;
}

std::string Narrow(const std::wstring& text)
{
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], bytes, nullptr, nullptr);
    return out;
}

bool Value::IsDword(DWORD expected) const
{
    DWORD number = 0;
    if (!exists || type != REG_DWORD || data.size() != 4)
        return false;
    memcpy(&number, data.data(), 4);
    return number == expected;
}

std::wstring Value::Text() const
{
    if (!exists || type != REG_SZ)
        return std::wstring();
    std::wstring text(data.size() / 2, L'\0');
    if (!text.empty())
        memcpy(&text[0], data.data(), text.size() * 2);
    const size_t end = text.find(L'\0');
    return end == std::wstring::npos ? text : text.substr(0, end);
}

bool Value::IsString(const std::wstring& expected) const
{
    return exists && type == REG_SZ && Text() == expected;
}

void SetRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data, DWORD bytes)
{
    Key key;
    LONG result = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, Access(root, KEY_ALL_ACCESS), nullptr,
                                  key.Out(), nullptr);
    if (result == ERROR_SUCCESS)
        result = RegSetValueExW(key.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
    if (result != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot set " << Narrow(path) << "\\" << Narrow(name) << ": error " << result;
}

void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value)
{
    SetRaw(root, path, name, REG_DWORD, &value, sizeof(value));
}

void SetString(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text)
{
    SetRaw(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void CreateKey(HKEY root, const std::wstring& path)
{
    Key key;
    const LONG result = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, Access(root, KEY_ALL_ACCESS),
                                        nullptr, key.Out(), nullptr);
    if (result != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create " << Narrow(path) << ": error " << result;
}

Value Get(HKEY root, const std::wstring& path, const std::wstring& name)
{
    Key key;
    Value value;
    if (RegOpenKeyExW(root, path.c_str(), 0, Access(root, KEY_READ), key.Out()) != ERROR_SUCCESS)
        return value;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS)
        return value;
    value.data.resize(bytes);
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &value.type, value.data.empty() ? nullptr : value.data.data(),
                         &bytes) != ERROR_SUCCESS)
        return Value();
    value.data.resize(bytes);
    value.exists = true;
    return value;
}

bool KeyExists(HKEY root, const std::wstring& path)
{
    Key key;
    return RegOpenKeyExW(root, path.c_str(), 0, Access(root, KEY_READ), key.Out()) == ERROR_SUCCESS;
}

void RemoveValue(HKEY root, const std::wstring& path, const std::wstring& name)
{
    Key key;
    if (RegOpenKeyExW(root, path.c_str(), 0, Access(root, KEY_SET_VALUE), key.Out()) == ERROR_SUCCESS)
        RegDeleteValueW(key.Get(), name.c_str());
}

void DeleteKey(HKEY root, const std::wstring& path)
{
    // RegDeleteKeyW would delete in the process's own view.
    using DeleteKeyEx = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
    auto deleteKeyEx = reinterpret_cast<DeleteKeyEx>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegDeleteKeyExW")));
    if (deleteKeyEx)
        deleteKeyEx(root, path.c_str(), Access(root, 0), 0);
    else
        RegDeleteKeyW(root, path.c_str());
}

bool ValueExists(HKEY root, const std::wstring& path, const std::wstring& name)
{
    return Get(root, path, name).exists;
}

int ValueCount(HKEY root, const std::wstring& path)
{
    Key key;
    DWORD count = 0;
    if (RegOpenKeyExW(root, path.c_str(), 0, Access(root, KEY_READ), key.Out()) != ERROR_SUCCESS ||
        RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
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
    for (const auto& entry : before) {
        auto found = after.find(entry.first);
        if (found == after.end())
            text << "removed " << Narrow(entry.first) << " (was " << Describe(entry.second) << ")\n";
        else if (found->second.type != entry.second.type || found->second.data != entry.second.data)
            text << "changed " << Narrow(entry.first) << ": " << Describe(entry.second) << " -> "
                 << Describe(found->second) << "\n";
    }
    for (const auto& entry : after)
        if (before.find(entry.first) == before.end())
            text << "added " << Narrow(entry.first) << " = " << Describe(entry.second) << "\n";
    return text.str();
}

}  // namespace testreg
