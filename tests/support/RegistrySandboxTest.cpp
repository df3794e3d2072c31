#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kProbePath[] = L"SOFTWARE\\ZentrakSandboxProbe";

TEST(RegistrySandbox, WritesInsideNeverReachTheRealRoots)
{
    for (HKEY root : RegistrySandbox::kRoots) {
        {
            RegistrySandbox sandbox;
            ASSERT_TRUE(sandbox.IsReady());
            testreg::SetDword(root, kProbePath, L"Probe", 7);
            EXPECT_TRUE(testreg::Get(root, kProbePath, L"Probe").IsDword(7));
            // The value sits in the scratch key standing in for the root.
            EXPECT_TRUE(testreg::KeyExists(root, kProbePath));
        }
        EXPECT_FALSE(testreg::KeyExists(root, kProbePath)) << "a sandboxed write reached the real root";
    }
}

TEST(RegistrySandbox, EachRootIsAFreshEmptyKeyOfItsOwn)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.IsReady());
    // The real HKLM always has SOFTWARE; the stand-in does not.
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE"));
    testreg::SetDword(HKEY_LOCAL_MACHINE, L"Shared", L"Where", 1);
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, L"Shared"));
    EXPECT_FALSE(testreg::KeyExists(HKEY_USERS, L"Shared"));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CLASSES_ROOT, L"Shared"));
    const testreg::Snapshot snapshot = testreg::TakeSnapshot();
    EXPECT_EQ(1u, snapshot.count(L"HKLM\\shared\\:Where"));
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
    const std::string differences = testreg::Differences(before, testreg::TakeSnapshot());
    EXPECT_NE(std::string::npos, differences.find("changed HKCU\\a\\:Changed: REG_DWORD 1 -> REG_DWORD 2"));
    EXPECT_NE(std::string::npos, differences.find("removed HKU\\b\\:Removed"));
    EXPECT_NE(std::string::npos, differences.find("added HKCR\\c\\:"));
    EXPECT_EQ(std::string::npos, differences.find("Kept"));
}

}  // namespace
