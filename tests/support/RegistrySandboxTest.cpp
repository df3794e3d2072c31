#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistrySandbox, EachRootIsAFreshKeyOfItsOwnThatNeverReachesTheRealOne)
{
    for (HKEY root : RegistrySandbox::kRoots) {
        {
            RegistrySandbox sandbox;
            ASSERT_TRUE(sandbox.IsReady());
            // The real HKLM always has SOFTWARE; the stand-in does not.
            EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE"));
            testreg::SetDword(root, L"SOFTWARE\\ZentrakSandboxProbe", L"Probe", 7);
            for (HKEY other : RegistrySandbox::kRoots)
                EXPECT_EQ(other == root, testreg::Get(other, L"SOFTWARE\\ZentrakSandboxProbe", L"Probe").IsDword(7));
        }
        EXPECT_FALSE(testreg::KeyExists(root, L"SOFTWARE\\ZentrakSandboxProbe")) << "a sandboxed write reached the real root";
    }
}

TEST(RegistrySandbox, SnapshotsShowWhatChanged)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.IsReady());
    testreg::SetDword(HKEY_CURRENT_USER, L"A", L"Kept", 1);
    testreg::SetDword(HKEY_CURRENT_USER, L"A", L"Changed", 1);
    testreg::SetString(HKEY_USERS, L"B", L"Removed", L"x");
    const testreg::Snapshot before = testreg::TakeSnapshot();
    testreg::SetDword(HKEY_CURRENT_USER, L"A", L"Changed", 2);
    RegDeleteKeyW(HKEY_USERS, L"B");
    testreg::SetString(HKEY_CLASSES_ROOT, L"C", L"", L"new");
    EXPECT_EQ("changed HKCU\\a\\:Changed: REG_DWORD 1 -> REG_DWORD 2\n"
              "removed HKU\\b (was type 0, 0 bytes)\n"
              "removed HKU\\b\\:Removed (was REG_SZ \"x\" (4 bytes))\n"
              "added HKCR\\c = type 0, 0 bytes\n"
              "added HKCR\\c\\: = REG_SZ \"new\" (8 bytes)\n",
              testreg::Differences(before, testreg::TakeSnapshot()));
}

}  // namespace
