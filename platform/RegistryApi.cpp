#include "platform/RegistryApi.h"

namespace {

// Functions that Windows XP (32-bit) lacks, so they are looked up by name.
template <class Function>
Function LookUp(const wchar_t* module, const char* name)
{
    HMODULE handle = GetModuleHandleW(module);
    if (!handle)
        return nullptr;
    // Through void(*)() so the compiler accepts the change of function type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
using RegDeleteKeyExWFunction = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);

// -1 not yet known, else 0 or 1; asked once, the answer cannot change.
LONG g_wow64 = -1;

Win32RegistryApi g_realRegistry;
RegistryApi* volatile g_currentRegistry = &g_realRegistry;

}  // namespace

bool IsWow64Process32()
{
    LONG known = g_wow64;
    if (known < 0) {
        BOOL wow64 = FALSE;
        auto isWow64 = LookUp<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process");
        if (!isWow64 || !isWow64(GetCurrentProcess(), &wow64))
            wow64 = FALSE;
        known = wow64 ? 1 : 0;
        InterlockedExchange(&g_wow64, known);
    }
    return known == 1;
}

RegistryApi& CurrentRegistryApi()
{
    return *g_currentRegistry;
}

RegistryApi* ReplaceRegistryApi(RegistryApi* api)
{
    RegistryApi* previous = g_currentRegistry;
    g_currentRegistry = api ? api : &g_realRegistry;
    return previous;
}

REGSAM Win32RegistryApi::ViewFlag()
{
    return IsWow64Process32() ? KEY_WOW64_64KEY : 0;
}

LONG Win32RegistryApi::OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key)
{
    return RegOpenKeyExW(root, path, 0, access, key);
}

LONG Win32RegistryApi::CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                                 DWORD* disposition)
{
    return RegCreateKeyExW(root, path, 0, nullptr, options, access, nullptr, key, disposition);
}

LONG Win32RegistryApi::QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size)
{
    return RegQueryValueExW(key, name, nullptr, type, data, size);
}

LONG Win32RegistryApi::SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size)
{
    return RegSetValueExW(key, name, 0, type, data, size);
}

LONG Win32RegistryApi::DeleteValue(HKEY key, const wchar_t* name)
{
    return RegDeleteValueW(key, name);
}

LONG Win32RegistryApi::DeleteKey(HKEY root, const wchar_t* path, REGSAM view)
{
    view &= KEY_WOW64_64KEY | KEY_WOW64_32KEY;
    if (view) {
        // Present on every 64-bit Windows, the only place where a view matters.
        auto deleteInView = LookUp<RegDeleteKeyExWFunction>(L"advapi32.dll", "RegDeleteKeyExW");
        if (deleteInView)
            return deleteInView(root, path, view, 0);
    }
    return RegDeleteKeyW(root, path);
}

LONG Win32RegistryApi::QueryInfoKey(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                                    DWORD* maxValueNameLength, DWORD* maxValueLength,
                                    DWORD* securityDescriptorSize)
{
    return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, subKeys, maxSubKeyLength, nullptr, values,
                            maxValueNameLength, maxValueLength, securityDescriptorSize, nullptr);
}

LONG Win32RegistryApi::EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength, DWORD* type, BYTE* data,
                                 DWORD* size)
{
    return RegEnumValueW(key, index, name, nameLength, nullptr, type, data, size);
}

LONG Win32RegistryApi::FlushKey(HKEY key)
{
    return RegFlushKey(key);
}

LONG Win32RegistryApi::CloseKey(HKEY key)
{
    return RegCloseKey(key);
}

LONG Win32RegistryApi::ShOpenUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key,
                                   BOOL ignoreUser)
{
    return SHRegOpenUSKeyW(path, access, relative, key, ignoreUser);
}

LONG Win32RegistryApi::ShCreateUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key, DWORD flags)
{
    return SHRegCreateUSKeyW(path, access, relative, key, flags);
}

LONG Win32RegistryApi::ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                                      BOOL ignoreUser)
{
    return SHRegQueryUSValueW(key, name, type, data, size, ignoreUser, nullptr, 0);
}

LONG Win32RegistryApi::ShQueryInfoUsKey(HUSKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                                        DWORD* maxValueNameLength, SHREGENUM_FLAGS flags)
{
    return SHRegQueryInfoUSKeyW(key, subKeys, maxSubKeyLength, values, maxValueNameLength, flags);
}

LONG Win32RegistryApi::ShWriteUsValue(HUSKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size,
                                      DWORD flags)
{
    return SHRegWriteUSValueW(key, name, type, data, size, flags);
}

LONG Win32RegistryApi::ShCloseUsKey(HUSKEY key)
{
    return SHRegCloseUSKey(key);
}

LONG QmRegKey::Reset()
{
    LONG result = ERROR_SUCCESS;
    if (key_)
        result = api_->CloseKey(key_);
    key_ = nullptr;
    return result;
}

LONG QmUsKey::Reset()
{
    LONG result = ERROR_SUCCESS;
    if (key_)
        result = api_->ShCloseUsKey(key_);
    key_ = nullptr;
    return result;
}
