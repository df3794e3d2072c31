// Stands between the program's registry classes and the registry for the life of one object:
// every call through the registry seam is recorded, then answered by the instance that was
// installed before (the real registry) unless a rule answers it first. Lets a test produce
// what Wine cannot (it runs everything elevated): access denied, values that change between
// two calls, a 32-bit program on 64-bit Windows.
//
//   RegistryInterceptor registry;
//   registry.SetRule([](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
//       if (call.function == "SetValue") return ERROR_ACCESS_DENIED;
//       return std::nullopt;
//   });
//
// Safe to use from several threads at once (the program's read worker).
#pragma once

#include "platform/RegistryApi.h"

#include <functional>
#include <mutex>
#include <optional>
#include <map>
#include <string>
#include <vector>

class RegistryInterceptor : public RegistryApi {
public:
    struct Call {
        std::string function;  // the seam's name: "OpenKey", "CreateKey", "DeleteKey", "ShOpenUsKey"...
        // The key the call works on: for OpenKey, CreateKey and DeleteKey the arguments; for a
        // call on an open key (QueryValue, SetValue, DeleteValue, QueryInfoKey, EnumValue...)
        // the predefined root and the path it was opened with, as far as this interceptor saw
        // it open (null and empty otherwise). The shell's calls on an open per-user key carry
        // the path it was opened with and no root: the shell chooses the hive.
        HKEY root = nullptr;
        bool machineKey = false;  // the call works on a key under HKEY_LOCAL_MACHINE
        std::wstring path;     // as above; also the shell's open and create
        std::wstring name;     // value name, where there is one
        REGSAM access = 0;     // access asked for (DeleteKey: the view)
        DWORD flags = 0;       // SHREGSET_* of the shell's create and write; ignore-user of its opens
        bool readsData = false;  // a value query that fetches the data, not only type and size
        std::vector<BYTE> data = {};  // SetValue and ShWriteUsValue: the bytes written
    };
    // A rule sees each call before the registry does; an answer replaces the registry's, and the
    // call's out parameters stay untouched.
    using Rule = std::function<std::optional<LONG>(const Call&)>;

    RegistryInterceptor();            // installs itself
    ~RegistryInterceptor() override;  // puts the previous instance back

    RegistryInterceptor(const RegistryInterceptor&) = delete;
    RegistryInterceptor& operator=(const RegistryInterceptor&) = delete;

    void SetRule(Rule rule);
    std::vector<Call> Calls() const;

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

protected:
    // The instance that answers what no rule answers.
    RegistryApi& Next() { return *next_; }

private:
    // Records the call; returns the rule's answer, if any, else what `registry` returns.
    LONG Intercept(Call call, const std::function<LONG()>& registry);
    // Where an open key lies: its predefined root and path below it.
    struct KeyPlace {
        HKEY root = nullptr;
        std::wstring path;
        bool machine = false;
    };
    KeyPlace PlaceOf(HKEY key) const;
    bool IsMachineKey(HKEY key) const { return PlaceOf(key).machine; }
    void Track(HKEY key, HKEY parent, const wchar_t* path);
    void Forget(HKEY key);
    std::wstring PathOf(HUSKEY key) const;
    // A call on the open key `key`, with the key's place filled in.
    Call OnKey(const char* function, HKEY key, const wchar_t* name, DWORD flags) const;

    RegistryApi* next_;
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    Rule rule_;
    std::map<HKEY, KeyPlace> openKeys_;  // keys opened or created through this interceptor
    std::map<HUSKEY, std::wstring> openUsKeys_;  // the shell's keys likewise, by path
};

// The rule of a user without administrator rights: every write under HKEY_LOCAL_MACHINE is
// refused with ERROR_ACCESS_DENIED (opening or creating a key there with any write right,
// setting or deleting a value, deleting a key, the shell's create and write in the machine
// hive); reads go through.
std::optional<LONG> DenyMachineWrites(const RegistryInterceptor::Call& call);

// An interceptor with that rule installed.
class MachineWritesDenied : public RegistryInterceptor {
public:
    MachineWritesDenied() { SetRule(DenyMachineWrites); }
};
