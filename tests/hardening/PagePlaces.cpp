#include "tests/hardening/PagePlaces.h"

#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwctype>
#include <sstream>

namespace {

const wchar_t kValueMark[] = L"\\:";

struct RootName {
    HKEY root;
    const wchar_t* name;
};
const RootName kRootNames[] = {
    {HKEY_CURRENT_USER, L"hkcu"}, {HKEY_LOCAL_MACHINE, L"hklm"}, {HKEY_USERS, L"hku"}, {HKEY_CLASSES_ROOT, L"hkcr"}};

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return text;
}

const wchar_t* NameOf(HKEY root)
{
    for (const RootName& entry : kRootNames)
        if (entry.root == root)
            return entry.name;
    return L"?";
}

bool IsBelow(const std::wstring& key, const std::wstring& parent)
{
    return key.size() > parent.size() && key.compare(0, parent.size(), parent) == 0 && key[parent.size()] == L'\\';
}

bool HasWriteRights(REGSAM access)
{
    return (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE | GENERIC_WRITE | GENERIC_ALL)) != 0;
}

// The hives a shell call works in: the user's and the machine's, or the machine's alone.
std::vector<HKEY> ShellRoots(bool machineOnly)
{
    if (machineOnly)
        return {HKEY_LOCAL_MACHINE};
    return {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
}

// What a write call names, as places: values or keys.
struct Written {
    std::vector<std::wstring> values;
    std::vector<std::wstring> keys;
};

Written PlacesOf(const RegistryInterceptor::Call& call)
{
    Written out;
    const std::string& f = call.function;
    if (f == "SetValue" || f == "DeleteValue")
        out.values.push_back(ValuePlace(call.root, call.path, call.name));
    else if (f == "CreateKey" || f == "DeleteKey")
        out.keys.push_back(KeyPlace(call.root, call.path));
    else if (f == "ShWriteUsValue")
        for (HKEY root : ShellRoots(call.machineKey))
            out.values.push_back(ValuePlace(root, call.path, call.name));
    else if (f == "ShCreateUsKey")
        for (HKEY root : ShellRoots(call.machineKey))
            out.keys.push_back(KeyPlace(root, call.path));
    return out;
}

bool BelowReadKey(const std::wstring& key, const PagePlaces& records)
{
    for (const std::wstring& read : records.readKeys)
        if (IsBelow(key, read))
            return true;
    return false;
}

// Deletes every value and subkey of an open key.
void Empty(HKEY key)
{
    for (;;) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (SHDeleteKeyW(key, name) != ERROR_SUCCESS)
            break;
    }
    for (;;) {
        wchar_t name[16384];
        DWORD length = 16384;
        if (RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (RegDeleteValueW(key, name) != ERROR_SUCCESS)
            break;
    }
}

}  // namespace

std::wstring KeyPlace(HKEY root, const std::wstring& path)
{
    return Lower(std::wstring(NameOf(root)) + (path.empty() ? L"" : L"\\" + path));
}

std::wstring ValuePlace(HKEY root, const std::wstring& path, const std::wstring& name)
{
    return KeyPlace(root, path) + kValueMark + Lower(name);
}

std::wstring KeyOfPlace(const std::wstring& place)
{
    const size_t mark = place.find(kValueMark);
    return mark == std::wstring::npos ? place : place.substr(0, mark);
}

bool IsValuePlace(const std::wstring& place)
{
    return place.find(kValueMark) != std::wstring::npos;
}

bool SplitPlace(const std::wstring& place, HKEY& root, std::wstring& path, std::wstring& name)
{
    const std::wstring key = KeyOfPlace(place);
    name = IsValuePlace(place) ? place.substr(key.size() + 2) : std::wstring();
    const size_t slash = key.find(L'\\');
    const std::wstring rootName = Lower(key.substr(0, slash));
    path = slash == std::wstring::npos ? std::wstring() : key.substr(slash + 1);
    for (const RootName& entry : kRootNames)
        if (rootName == entry.name) {
            root = entry.root;
            return true;
        }
    return false;
}

void PagePlaces::AddReads(const std::vector<RegistryInterceptor::Call>& calls)
{
    for (const RegistryInterceptor::Call& call : calls) {
        const std::string& f = call.function;
        if (f == "OpenKey" && !HasWriteRights(call.access)) {
            readKeys.insert(KeyPlace(call.root, call.path));
        } else if (f == "QueryValue" && call.root) {
            readKeys.insert(KeyPlace(call.root, call.path));
            readValues.insert(ValuePlace(call.root, call.path, call.name));
        } else if (f == "ShOpenUsKey" && !HasWriteRights(call.access)) {
            for (HKEY root : ShellRoots(call.machineKey))
                readKeys.insert(KeyPlace(root, call.path));
        } else if (f == "ShQueryUsValue") {
            for (HKEY root : ShellRoots(call.machineKey))
                readValues.insert(ValuePlace(root, call.path, call.name));
        }
    }
}

void PagePlaces::AddWrites(const std::vector<RegistryInterceptor::Call>& calls)
{
    for (const RegistryInterceptor::Call& call : calls) {
        const std::string& f = call.function;
        const Written written = PlacesOf(call);
        writtenKeys.insert(written.keys.begin(), written.keys.end());
        for (const std::wstring& value : written.values) {
            writtenValues.insert(value);
            if (f == "SetValue" || f == "ShWriteUsValue") {
                auto& seen = writtenData[value];
                const std::pair<DWORD, std::vector<BYTE>> data(call.flags, call.data);
                if (std::find(seen.begin(), seen.end(), data) == seen.end())
                    seen.push_back(data);
            }
        }
    }
}

void PagePlaces::Merge(const PagePlaces& other)
{
    readKeys.insert(other.readKeys.begin(), other.readKeys.end());
    readValues.insert(other.readValues.begin(), other.readValues.end());
    writtenKeys.insert(other.writtenKeys.begin(), other.writtenKeys.end());
    writtenValues.insert(other.writtenValues.begin(), other.writtenValues.end());
    for (const auto& entry : other.writtenData) {
        auto& seen = writtenData[entry.first];
        for (const auto& data : entry.second)
            if (std::find(seen.begin(), seen.end(), data) == seen.end())
                seen.push_back(data);
    }
}

std::string WritesOutside(const std::vector<RegistryInterceptor::Call>& calls, const PagePlaces& records)
{
    std::ostringstream out;
    for (const RegistryInterceptor::Call& call : calls) {
        const Written written = PlacesOf(call);
        for (const std::wstring& value : written.values)
            if (!records.readValues.count(value) && !records.writtenValues.count(value) &&
                !BelowReadKey(KeyOfPlace(value), records))
                out << call.function << " " << testreg::Narrow(value) << "\n";
        for (const std::wstring& key : written.keys)
            if (!records.readKeys.count(key) && !records.writtenKeys.count(key) && !BelowReadKey(key, records))
                out << call.function << " " << testreg::Narrow(key) << "\n";
    }
    return out.str();
}

std::string ChangesOutside(const testreg::Snapshot& before, const testreg::Snapshot& after,
                           const PagePlaces& allowed)
{
    std::set<std::wstring> changed;
    for (const auto& entry : before) {
        auto found = after.find(entry.first);
        if (found == after.end() || found->second.type != entry.second.type || found->second.data != entry.second.data)
            changed.insert(entry.first);
    }
    for (const auto& entry : after)
        if (!before.count(entry.first))
            changed.insert(entry.first);

    auto parentOfAllowed = [&](const std::wstring& key) {
        for (const auto* places : {&allowed.readKeys, &allowed.writtenKeys, &allowed.readValues, &allowed.writtenValues})
            for (const std::wstring& place : *places)
                if (IsBelow(KeyOfPlace(place), key) || KeyOfPlace(place) == key)
                    return true;
        return false;
    };
    std::ostringstream out;
    for (const std::wstring& entry : changed) {
        const std::wstring place = Lower(entry);
        bool inside;
        const bool keyRemoved = !after.count(KeyOfPlace(entry));
        if (IsValuePlace(place) && keyRemoved)
            inside = allowed.readKeys.count(KeyOfPlace(place)) || allowed.writtenKeys.count(KeyOfPlace(place));
        else if (IsValuePlace(place))
            inside = allowed.readValues.count(place) || allowed.writtenValues.count(place);
        else if (after.count(entry) && !before.count(entry))
            inside = parentOfAllowed(place);  // a key made on the way to a value
        else
            inside = allowed.readKeys.count(place) || allowed.writtenKeys.count(place);
        if (!inside)
            out << (after.count(entry) ? (before.count(entry) ? "changed " : "added ") : "removed ")
                << testreg::Narrow(entry) << "\n";
    }
    return out.str();
}

void ClearRegistry()
{
    for (HKEY root : RegistrySandbox::kRoots) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, nullptr, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            Empty(key);
            RegCloseKey(key);
        }
    }
}

void RestoreRegistry(const testreg::Snapshot& snapshot)
{
    ClearRegistry();
    for (const auto& entry : snapshot) {
        HKEY root = nullptr;
        std::wstring path, name;
        if (!SplitPlace(entry.first, root, path, name)) {
            ADD_FAILURE() << "no root in " << testreg::Narrow(entry.first);
            continue;
        }
        if (IsValuePlace(entry.first))
            testreg::SetRaw(root, path, name, entry.second.type, entry.second.data.data(),
                            static_cast<DWORD>(entry.second.data.size()));
        else if (!path.empty())
            testreg::CreateKey(root, path);
    }
}

testreg::Snapshot Below(const testreg::Snapshot& snapshot, const std::wstring& rootName, bool keep)
{
    testreg::Snapshot out;
    for (const auto& entry : snapshot) {
        const std::wstring root = Lower(entry.first.substr(0, entry.first.find(L'\\')));
        if ((root == Lower(rootName)) == keep)
            out.insert(entry);
    }
    return out;
}
