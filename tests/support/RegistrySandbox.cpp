#include "tests/support/RegistrySandbox.h"

#include <shlwapi.h>

const HKEY RegistrySandbox::kRoots[kRootCount] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                                                  HKEY_CLASSES_ROOT};
const wchar_t* const RegistrySandbox::kRootNames[kRootCount] = {L"HKCU", L"HKLM", L"HKU", L"HKCR"};

namespace {
const wchar_t kSandboxParent[] = L"Software\\ZentrakTestSandbox";
}  // namespace

RegistrySandbox::RegistrySandbox()
{
    static LONG counter = 0;
    base_ = std::wstring(kSandboxParent) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(InterlockedIncrement(&counter));
    // Every scratch key is opened through the real roots before the first override.
    for (int i = 0; i < kRootCount; ++i) {
        const std::wstring path = base_ + L"\\" + kRootNames[i];
        LONG result = ERROR_KEY_DELETED;
        // The registry creates a path one key at a time: another test process that ends its
        // sandbox may delete the shared parent, still empty, just before the next key is made.
        for (int attempt = 0; attempt < 10 && result == ERROR_KEY_DELETED; ++attempt)
            result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, &scratch_[i], nullptr);
        if (result != ERROR_SUCCESS)
            return;
    }
    for (int i = 0; i < kRootCount; ++i) {
        if (RegOverridePredefKey(kRoots[i], scratch_[i]) != ERROR_SUCCESS)
            return;
        overridden_[i] = true;
    }
    ready_ = true;
}

RegistrySandbox::~RegistrySandbox()
{
    for (int i = 0; i < kRootCount; ++i)
        if (overridden_[i])
            RegOverridePredefKey(kRoots[i], nullptr);
    for (int i = 0; i < kRootCount; ++i)
        if (scratch_[i])
            RegCloseKey(scratch_[i]);
    SHDeleteKeyW(HKEY_CURRENT_USER, base_.c_str());
    // Only succeeds when no other test process still has a sandbox there.
    RegDeleteKeyW(HKEY_CURRENT_USER, kSandboxParent);
}
