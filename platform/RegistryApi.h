// The one narrow road from the program's registry classes to the Windows registry: one
// virtual per Win32 function they use. The real implementation passes each call straight to
// advapi32 or shlwapi; a test installs its own instance to answer with failures the test
// machine cannot produce (access denied, a value that changes between two calls).
#pragma once

#include <windows.h>
#include <shlwapi.h>

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // Extra access bits for every open, create and delete: KEY_WOW64_64KEY when the 32-bit
    // program runs on 64-bit Windows, where a plain open of HKLM\SOFTWARE lands in
    // Wow6432Node and the system never sees the value; else 0.
    virtual REGSAM ViewFlag() = 0;

    virtual LONG OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key) = 0;
    virtual LONG CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                           DWORD* disposition) = 0;
    virtual LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) = 0;
    virtual LONG SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size) = 0;
    virtual LONG DeleteValue(HKEY key, const wchar_t* name) = 0;
    // RegDeleteKeyW; with a WOW64 bit in `view`, RegDeleteKeyExW in that view.
    virtual LONG DeleteKey(HKEY root, const wchar_t* path, REGSAM view) = 0;
    // RegQueryInfoKeyW; any of the out pointers may be null.
    virtual LONG QueryInfoKey(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                              DWORD* maxValueNameLength, DWORD* maxValueLength,
                              DWORD* securityDescriptorSize) = 0;
    virtual LONG EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength, DWORD* type, BYTE* data,
                           DWORD* size) = 0;
    virtual LONG FlushKey(HKEY key) = 0;
    virtual LONG CloseKey(HKEY key) = 0;

    // The shell's per-user registry (HKEY_CURRENT_USER first, then HKEY_LOCAL_MACHINE).
    virtual LONG ShOpenUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key,
                             BOOL ignoreUser) = 0;
    virtual LONG ShCreateUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key,
                               DWORD flags) = 0;
    virtual LONG ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                                BOOL ignoreUser) = 0;
    virtual LONG ShQueryInfoUsKey(HUSKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                                  DWORD* maxValueNameLength, SHREGENUM_FLAGS flags) = 0;
    virtual LONG ShWriteUsValue(HUSKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size,
                                DWORD flags) = 0;
    virtual LONG ShCloseUsKey(HUSKEY key) = 0;
};

// The Windows registry itself.
class Win32RegistryApi : public RegistryApi {
public:
    constexpr Win32RegistryApi() = default;

    REGSAM ViewFlag() override;
    LONG OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key) override;
    LONG CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                   DWORD* disposition) override;
    LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) override;
    LONG SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size) override;
    LONG DeleteValue(HKEY key, const wchar_t* name) override;
    LONG DeleteKey(HKEY root, const wchar_t* path, REGSAM view) override;
    LONG QueryInfoKey(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values, DWORD* maxValueNameLength,
                      DWORD* maxValueLength, DWORD* securityDescriptorSize) override;
    LONG EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength, DWORD* type, BYTE* data,
                   DWORD* size) override;
    LONG FlushKey(HKEY key) override;
    LONG CloseKey(HKEY key) override;
    LONG ShOpenUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key, BOOL ignoreUser) override;
    LONG ShCreateUsKey(const wchar_t* path, REGSAM access, HUSKEY relative, HUSKEY* key, DWORD flags) override;
    LONG ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                        BOOL ignoreUser) override;
    LONG ShQueryInfoUsKey(HUSKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values,
                          DWORD* maxValueNameLength, SHREGENUM_FLAGS flags) override;
    LONG ShWriteUsValue(HUSKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size,
                        DWORD flags) override;
    LONG ShCloseUsKey(HUSKEY key) override;
};

// True when this process is a 32-bit program on 64-bit Windows. IsWow64Process is looked up
// at run time: Windows XP before SP2 lacks it, and such a system is never 64-bit.
bool IsWow64Process32();

// The instance every registry object of the process uses; the real registry unless a test
// replaced it.
RegistryApi& CurrentRegistryApi();
// Installs `api` (null: the real registry again) and returns the instance it replaces. Only
// for tests, and only while no other thread uses the registry classes.
RegistryApi* ReplaceRegistryApi(RegistryApi* api);

// Owners of one open key: closed through the instance that opened it, on every path.
class QmRegKey {
public:
    QmRegKey() : api_(&CurrentRegistryApi()) {}
    ~QmRegKey() { Reset(); }
    QmRegKey(const QmRegKey&) = delete;
    QmRegKey& operator=(const QmRegKey&) = delete;

    HKEY Get() const { return key_; }
    HKEY* Out() { return &key_; }  // for an open call; the key must be empty
    RegistryApi& Api() const { return *api_; }
    LONG Reset();

private:
    RegistryApi* api_;
    HKEY key_ = nullptr;
};

class QmUsKey {
public:
    QmUsKey() : api_(&CurrentRegistryApi()) {}
    ~QmUsKey() { Reset(); }
    QmUsKey(const QmUsKey&) = delete;
    QmUsKey& operator=(const QmUsKey&) = delete;

    HUSKEY Get() const { return key_; }
    HUSKEY* Out() { return &key_; }
    RegistryApi& Api() const { return *api_; }
    LONG Reset();

private:
    RegistryApi* api_;
    HUSKEY key_ = nullptr;
};
