// For the life of one object, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS and
// HKEY_CLASSES_ROOT of this process stand for fresh, empty scratch keys
// (RegOverridePredefKey), so a test reads and writes the registry through the real API
// without touching the prefix's own keys. The scratch keys are deleted afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    bool IsReady() const { return ready_; }

    static const int kRootCount = 4;
    static const HKEY kRoots[kRootCount];
    static const wchar_t* const kRootNames[kRootCount];  // "HKCU", "HKLM", "HKU", "HKCR"

private:
    std::wstring base_;  // below the real HKEY_CURRENT_USER
    HKEY scratch_[kRootCount] = {};
    bool overridden_[kRootCount] = {};
    bool ready_ = false;
};

// A test that runs inside a registry sandbox.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox_ = std::make_unique<RegistrySandbox>();
        ASSERT_TRUE(sandbox_->IsReady()) << "registry sandbox could not be set up";
    }
    void TearDown() override { sandbox_.reset(); }

    std::unique_ptr<RegistrySandbox> sandbox_;
};
