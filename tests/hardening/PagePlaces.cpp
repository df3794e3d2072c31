#include "tests/hardening/PagePlaces.h"

#include "tests/support/RegistrySandbox.h"

#include <shlwapi.h>

namespace {

const wchar_t kValueMark[] = L"\\:";

bool HasWriteRights(REGSAM access)
{
    return (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE | GENERIC_WRITE | GENERIC_ALL)) != 0;
}

// The places a read or write call names; none for other calls.
std::vector<std::wstring> PlacesOf(const RegistryInterceptor::Call& call, bool& writes)
{
    const std::string& f = call.function;
    bool value = true;
    writes = f == "SetValue" || f == "DeleteValue" || f == "ShWriteUsValue" || f == "CreateKey" || f == "DeleteKey" ||
             f == "ShCreateUsKey";
    if (f == "CreateKey" || f == "DeleteKey" || f == "ShCreateUsKey" || f == "OpenKey" || f == "ShOpenUsKey")
        value = false;
    else if (!writes && f != "QueryValue" && f != "ShQueryUsValue")
        return {};
    if (!writes && !value && HasWriteRights(call.access))
        return {};  // opened to write
    // The shell works in the user's and the machine's hive, or the machine's alone.
    std::vector<HKEY> roots = {call.root};
    if (f.compare(0, 2, "Sh") == 0)
        roots = {call.machineKey ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
    std::vector<std::wstring> places;
    for (HKEY root : roots) {
        if (!root)
            continue;
        places.push_back(Place(root, call.path, value ? call.name.c_str() : nullptr));
        if (f == "QueryValue")
            places.push_back(Place(root, call.path));
    }
    return places;
}

}  // namespace

std::wstring Place(HKEY root, const std::wstring& path, const wchar_t* name)
{
    std::wstring place = L"?";
    for (int i = 0; i < RegistrySandbox::kRootCount; ++i)
        if (RegistrySandbox::kRoots[i] == root)
            place = RegistrySandbox::kRootNames[i];
    place += path.empty() ? L"" : L"\\" + path;
    return testreg::Lower(name ? place + kValueMark + name : place);
}

bool IsValuePlace(const std::wstring& place)
{
    return place.find(kValueMark) != std::wstring::npos;
}

std::wstring KeyOfPlace(const std::wstring& place)
{
    return place.substr(0, place.find(kValueMark));
}

bool SplitPlace(const std::wstring& place, HKEY& root, std::wstring& path, std::wstring& name)
{
    const std::wstring key = KeyOfPlace(place);
    const size_t slash = key.find(L'\\');
    name = IsValuePlace(place) ? place.substr(key.size() + 2) : std::wstring();
    path = slash == std::wstring::npos ? std::wstring() : key.substr(slash + 1);
    for (int i = 0; i < RegistrySandbox::kRootCount; ++i)
        if (testreg::Lower(key.substr(0, slash)) == testreg::Lower(RegistrySandbox::kRootNames[i])) {
            root = RegistrySandbox::kRoots[i];
            return true;
        }
    return false;
}

void PagePlaces::Learn(const std::vector<RegistryInterceptor::Call>& calls, bool apply)
{
    for (const RegistryInterceptor::Call& call : calls) {
        bool writes = false;
        for (const std::wstring& place : PlacesOf(call, writes)) {
            if (writes != apply)
                continue;
            (writes ? written : read).insert(place);
            if (call.function == "SetValue" || call.function == "ShWriteUsValue")
                writtenData[place].insert({call.flags, call.data});
        }
    }
}

void PagePlaces::Merge(const PagePlaces& other)
{
    read.insert(other.read.begin(), other.read.end());
    written.insert(other.written.begin(), other.written.end());
    for (const auto& entry : other.writtenData)
        writtenData[entry.first].insert(entry.second.begin(), entry.second.end());
}

std::string ChangesOutside(const testreg::Snapshot& before, const testreg::Snapshot& after,
                           const std::set<std::wstring>& allowed)
{
    std::string out;
    auto check = [&](const std::wstring& entry, const char* change) {
        const std::wstring place = testreg::Lower(entry), key = KeyOfPlace(place);
        bool inside = allowed.count(place) > 0;
        if (!after.count(KeyOfPlace(entry)))  // removed with its key, or with a key above that
            for (size_t end = key.size(); !inside && end != std::wstring::npos; end = key.rfind(L'\\', end - 1))
                inside = allowed.count(key.substr(0, end)) > 0;
        if (!IsValuePlace(place) && !before.count(entry))  // made on the way to a place
            for (const std::wstring& other : allowed)
                inside = inside || other.compare(0, place.size() + 1, place + L"\\") == 0;
        if (!inside)
            out += change + testreg::Narrow(entry) + "\n";
    };
    for (const auto& entry : before) {
        const auto found = after.find(entry.first);
        if (found == after.end())
            check(entry.first, "removed ");
        else if (found->second.type != entry.second.type || found->second.data != entry.second.data)
            check(entry.first, "changed ");
    }
    for (const auto& entry : after)
        if (!before.count(entry.first))
            check(entry.first, "added ");
    return out;
}

void ClearRegistry()
{
    for (HKEY root : RegistrySandbox::kRoots) {
        wchar_t name[16384];
        DWORD length = 256;
        while (RegEnumKeyExW(root, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               SHDeleteKeyW(root, name) == ERROR_SUCCESS)
            length = 256;
        length = 16384;
        while (RegEnumValueW(root, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               RegDeleteValueW(root, name) == ERROR_SUCCESS)
            length = 16384;
    }
}
