// Stands between the program's registry classes and the registry for the life of one object:
// records each call that names a key or a value, and lets a rule answer one in the registry's
// place. For what Wine cannot produce (it runs everything elevated): access denied, values
// that change between two calls. Safe to use from the program's read worker too; its mutex
// keeps it from being copied.
//
//   RegistryInterceptor registry;
//   registry.SetRule(DenyWritesUnder(HKEY_LOCAL_MACHINE));
#pragma once

#include "platform/RegistryApi.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class RegistryInterceptor : public Win32RegistryApi {
public:
    struct Call {
        std::string function;  // "OpenKey", "CreateKey", "DeleteKey", "QueryValue", "SetValue", ...
        HKEY root = nullptr;   // OpenKey, CreateKey and DeleteKey
        std::wstring path;     // the same
        std::wstring name;     // the value calls
        REGSAM access = 0;
        DWORD flags = 0;         // CreateKey's options
        bool readsData = false;  // a value query that fetches the data, not only type and size
    };
    // A rule sees each call before the registry does; an answer replaces the registry's.
    using Rule = std::function<std::optional<LONG>(const Call&)>;

    RegistryInterceptor() : previous_(ReplaceRegistryApi(this)) {}
    ~RegistryInterceptor() override { ReplaceRegistryApi(previous_); }

    void SetRule(Rule rule)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        rule_ = std::move(rule);
    }
    std::vector<Call> Calls() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }

    LONG OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key) override
    {
        return Intercept({"OpenKey", root, Text(path), L"", access}, [&] { return Win32RegistryApi::OpenKey(root, path, access, key); });
    }
    LONG CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key, DWORD* disposition) override
    {
        return Intercept({"CreateKey", root, Text(path), L"", access, options},
                         [&] { return Win32RegistryApi::CreateKey(root, path, options, access, key, disposition); });
    }
    LONG DeleteKey(HKEY root, const wchar_t* path, REGSAM view) override
    {
        return Intercept({"DeleteKey", root, Text(path), L"", view}, [&] { return Win32RegistryApi::DeleteKey(root, path, view); });
    }
    LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) override
    {
        return Intercept({"QueryValue", nullptr, L"", Text(name), 0, 0, data != nullptr},
                         [&] { return Win32RegistryApi::QueryValue(key, name, type, data, size); });
    }
    LONG SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size) override
    {
        return Intercept({"SetValue", nullptr, L"", Text(name)}, [&] { return Win32RegistryApi::SetValue(key, name, type, data, size); });
    }
    LONG DeleteValue(HKEY key, const wchar_t* name) override
    {
        return Intercept({"DeleteValue", nullptr, L"", Text(name)}, [&] { return Win32RegistryApi::DeleteValue(key, name); });
    }
    LONG ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size, BOOL ignoreUser) override
    {
        return Intercept({"ShQueryUsValue", nullptr, L"", Text(name), 0, 0, data != nullptr},
                         [&] { return Win32RegistryApi::ShQueryUsValue(key, name, type, data, size, ignoreUser); });
    }

private:
    static std::wstring Text(const wchar_t* text) { return text ? text : L""; }
    LONG Intercept(const Call& call, const std::function<LONG()>& registry)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        calls_.push_back(call);
        const Rule rule = rule_;
        lock.unlock();
        const std::optional<LONG> answer = rule ? rule(call) : std::nullopt;
        return answer ? *answer : registry();
    }

    RegistryApi* previous_;
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    Rule rule_;
};

// A user without administrator rights there: every key under `root` opened for writing,
// created or deleted is refused with ERROR_ACCESS_DENIED (the registry classes write a value
// only through a key opened for writing); reads go through.
inline RegistryInterceptor::Rule DenyWritesUnder(HKEY root)
{
    return [root](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
        const REGSAM writeRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE | GENERIC_WRITE | GENERIC_ALL;
        const bool writes = call.function == "CreateKey" || call.function == "DeleteKey" ||
                            (call.function == "OpenKey" && (call.access & writeRights));
        return call.root == root && writes ? std::optional<LONG>(ERROR_ACCESS_DENIED) : std::nullopt;
    };
}
