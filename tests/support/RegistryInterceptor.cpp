#include "tests/support/RegistryInterceptor.h"

#include <utility>

namespace {

std::wstring Text(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

bool HasMachineFlags(DWORD setFlags)
{
    return (setFlags & (SHREGSET_HKLM | SHREGSET_FORCE_HKLM)) != 0;
}

}  // namespace

RegistryInterceptor::RegistryInterceptor() : next_(ReplaceRegistryApi(this)) {}

RegistryInterceptor::~RegistryInterceptor()
{
    ReplaceRegistryApi(next_);
}

void RegistryInterceptor::SetRule(Rule rule)
{
    std::lock_guard<std::mutex> lock(mutex_);
    rule_ = std::move(rule);
}

std::vector<RegistryInterceptor::Call> RegistryInterceptor::Calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

LONG RegistryInterceptor::Intercept(Call call, const std::function<LONG()>& registry)
{
    Rule rule;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(call);
        rule = rule_;
    }
    const std::optional<LONG> answer = rule ? rule(call) : std::nullopt;
    return answer ? *answer : registry();
}

RegistryInterceptor::KeyPlace RegistryInterceptor::PlaceOf(HKEY key) const
{
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
        if (key == root)
            return KeyPlace{root, L"", root == HKEY_LOCAL_MACHINE};
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = openKeys_.find(key);
    return found != openKeys_.end() ? found->second : KeyPlace();
}

void RegistryInterceptor::Track(HKEY key, HKEY parent, const wchar_t* path)
{
    KeyPlace place = PlaceOf(parent);
    const std::wstring below = Text(path);
    place.path = place.path.empty() ? below : below.empty() ? place.path : place.path + L"\\" + below;
    std::lock_guard<std::mutex> lock(mutex_);
    openKeys_[key] = place;
}

void RegistryInterceptor::Forget(HKEY key)
{
    std::lock_guard<std::mutex> lock(mutex_);
    openKeys_.erase(key);
}

std::wstring RegistryInterceptor::PathOf(HUSKEY key) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = openUsKeys_.find(key);
    return found != openUsKeys_.end() ? found->second : std::wstring();
}

RegistryInterceptor::Call RegistryInterceptor::OnKey(const char* function, HKEY key, const wchar_t* name,
                                                     DWORD flags) const
{
    const KeyPlace place = PlaceOf(key);
    return Call{function, place.root, place.machine, place.path, Text(name), 0, flags};
}

REGSAM RegistryInterceptor::ViewFlag()
{
    return Next().ViewFlag();
}

LONG RegistryInterceptor::OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key)
{
    return Intercept({"OpenKey", root, IsMachineKey(root), Text(path), L"", access, 0}, [&] {
        const LONG result = Next().OpenKey(root, path, access, key);
        if (result == ERROR_SUCCESS)
            Track(*key, root, path);
        return result;
    });
}

LONG RegistryInterceptor::CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                                    DWORD* disposition)
{
    return Intercept({"CreateKey", root, IsMachineKey(root), Text(path), L"", access, options}, [&] {
        const LONG result = Next().CreateKey(root, path, options, access, key, disposition);
        if (result == ERROR_SUCCESS)
            Track(*key, root, path);
        return result;
    });
}

LONG RegistryInterceptor::QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size)
{
    Call call = OnKey("QueryValue", key, name, 0);
    call.readsData = data != nullptr;
    return Intercept(call, [&] { return Next().QueryValue(key, name, type, data, size); });
}

LONG RegistryInterceptor::SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size)
{
    Call call = OnKey("SetValue", key, name, type);
    if (data)
        call.data.assign(data, data + size);
    return Intercept(call, [&] { return Next().SetValue(key, name, type, data, size); });
}

LONG RegistryInterceptor::DeleteValue(HKEY key, const wchar_t* name)
{
    return Intercept(OnKey("DeleteValue", key, name, 0), [&] { return Next().DeleteValue(key, name); });
}

LONG RegistryInterceptor::DeleteKey(HKEY root, const wchar_t* path, REGSAM view)
{
    return Intercept({"DeleteKey", root, IsMachineKey(root), Text(path), L"", view, 0},
                     [&] { return Next().DeleteKey(root, path, view); });
}

LONG RegistryInterceptor::QueryInfoKey(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                                       DWORD* maxValueNameLength, DWORD* maxValueLength,
                                       DWORD* securityDescriptorSize)
{
    return Intercept(OnKey("QueryInfoKey", key, nullptr, 0), [&] {
        return Next().QueryInfoKey(key, subKeys, maxSubKeyLength, values, maxValueNameLength, maxValueLength,
                                   securityDescriptorSize);
    });
}

LONG RegistryInterceptor::EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength, DWORD* type,
                                    BYTE* data, DWORD* size)
{
    return Intercept(OnKey("EnumValue", key, nullptr, index),
                     [&] { return Next().EnumValue(key, index, name, nameLength, type, data, size); });
}

LONG RegistryInterceptor::FlushKey(HKEY key)
{
    return Intercept(OnKey("FlushKey", key, nullptr, 0), [&] { return Next().FlushKey(key); });
}

LONG RegistryInterceptor::CloseKey(HKEY key)
{
    return Intercept(OnKey("CloseKey", key, nullptr, 0), [&] {
        const LONG result = Next().CloseKey(key);
        if (result == ERROR_SUCCESS)
            Forget(key);
        return result;
    });
}

LONG RegistryInterceptor::ShOpenUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key,
                                      BOOL ignoreUser)
{
    return Intercept({"ShOpenUsKey", nullptr, ignoreUser != FALSE, Text(path), L"", access, DWORD(ignoreUser)}, [&] {
        const LONG result = Next().ShOpenUsKey(path, access, relative, key, ignoreUser);
        if (result == ERROR_SUCCESS && !relative) {
            std::lock_guard<std::mutex> lock(mutex_);
            openUsKeys_[*key] = Text(path);
        }
        return result;
    });
}

LONG RegistryInterceptor::ShCreateUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key,
                                        DWORD flags)
{
    return Intercept({"ShCreateUsKey", nullptr, HasMachineFlags(flags), Text(path), L"", access, flags}, [&] {
        const LONG result = Next().ShCreateUsKey(path, access, relative, key, flags);
        if (result == ERROR_SUCCESS && !relative && *key) {
            std::lock_guard<std::mutex> lock(mutex_);
            openUsKeys_[*key] = Text(path);
        }
        return result;
    });
}

LONG RegistryInterceptor::ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                                         BOOL ignoreUser)
{
    Call call{"ShQueryUsValue", nullptr, ignoreUser != FALSE, PathOf(key), Text(name), 0, DWORD(ignoreUser)};
    call.readsData = data != nullptr;
    return Intercept(call, [&] { return Next().ShQueryUsValue(key, name, type, data, size, ignoreUser); });
}

LONG RegistryInterceptor::ShQueryInfoUsKey(HUSKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                                           DWORD* maxValueNameLength, SHREGENUM_FLAGS flags)
{
    return Intercept({"ShQueryInfoUsKey", nullptr, flags == SHREGENUM_HKLM, PathOf(key), L"", 0, DWORD(flags)},
                     [&] { return Next().ShQueryInfoUsKey(key, subKeys, maxSubKeyLength, values, maxValueNameLength,
                                                          flags); });
}

LONG RegistryInterceptor::ShWriteUsValue(HUSKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size,
                                         DWORD flags)
{
    Call call{"ShWriteUsValue", nullptr, HasMachineFlags(flags), PathOf(key), Text(name), 0, flags};
    if (data)
        call.data.assign(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    return Intercept(call, [&] { return Next().ShWriteUsValue(key, name, type, data, size, flags); });
}

LONG RegistryInterceptor::ShCloseUsKey(HUSKEY key)
{
    return Intercept({"ShCloseUsKey", nullptr, false, PathOf(key), L"", 0, 0}, [&] {
        const LONG result = Next().ShCloseUsKey(key);
        if (result == ERROR_SUCCESS) {
            std::lock_guard<std::mutex> lock(mutex_);
            openUsKeys_.erase(key);
        }
        return result;
    });
}

std::optional<LONG> DenyMachineWrites(const RegistryInterceptor::Call& call)
{
    const REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC |
                                WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
    if (!call.machineKey)
        return std::nullopt;
    const std::string& f = call.function;
    if ((f == "OpenKey" || f == "ShOpenUsKey") && (call.access & kWriteRights))
        return ERROR_ACCESS_DENIED;
    if (f == "CreateKey" || f == "SetValue" || f == "DeleteValue" || f == "DeleteKey" || f == "ShCreateUsKey" ||
        f == "ShWriteUsValue")
        return ERROR_ACCESS_DENIED;
    return std::nullopt;
}
