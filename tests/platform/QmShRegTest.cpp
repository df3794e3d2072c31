#include "platform/QmShReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kKey[] = L"Software\\Zentrak\\Shell";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

using QmShRegTest = RegistryTest;

TEST_F(QmShRegTest, UserHiveFirstMachineHiveAlone)
{
    enum Where { kNowhere, kUser, kMachine, kBoth, kUserKeyOnly, kUserText };
    struct Case {
        const char* what;
        Where where;
        int userResult;
        DWORD userValue;
        int machineResult;
        DWORD machineValue;
    } cases[] = {
        {"nowhere", kNowhere, -104, 0, -104, 0},
        {"user only", kUser, 0, 1, -104, 0},
        {"machine only", kMachine, 0, 2, 0, 2},
        {"both", kBoth, 0, 1, 0, 2},
        {"user key without the value", kUserKeyOnly, 0, 2, 0, 2},
        {"the user's value wins even of the wrong type", kUserText, 1001, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring path = std::wstring(kKey) + std::to_wstring(&c - cases);
        if (c.where == kUser || c.where == kBoth)
            testreg::SetDword(kCu, path, L"Flag", 1);
        if (c.where != kNowhere && c.where != kUser)
            testreg::SetDword(kLm, path, L"Flag", 2);
        if (c.where == kUserKeyOnly)
            testreg::SetDword(kCu, path, L"Other", 1);
        if (c.where == kUserText)
            testreg::SetString(kCu, path, L"Flag", L"1");
        QmShReg user, machine;
        EXPECT_EQ(c.userResult, user.ReadDwordUser(path.c_str(), L"Flag"));
        EXPECT_EQ(c.machineResult, machine.ReadDwordMachine(path.c_str(), L"Flag"));
        if (c.userResult == 0) {
            EXPECT_EQ(c.userValue, user.GetDword());
        }
        if (c.machineResult == 0) {
            EXPECT_EQ(c.machineValue, machine.GetDword());
        }
    }
}

TEST_F(QmShRegTest, UnsafeDataIsReadSafely)
{
    const BYTE threeBytes[] = {1, 2, 3};
    const std::wstring longText = std::wstring(2000, L'x') + L"end";
    testreg::SetRaw(kCu, kKey, L"Unterminated", REG_SZ, L"abcdZ", 8);
    testreg::SetString(kCu, kKey, L"Long", longText);
    testreg::SetRaw(kCu, kKey, L"Short", REG_DWORD, threeBytes, 3);
    QmShReg reg;
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Unterminated"));
    EXPECT_EQ(L"abcd", std::wstring(reg.GetDataAsString().Get()));
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Long"));
    EXPECT_EQ(longText, std::wstring(reg.GetDataAsString().Get()));
    EXPECT_EQ(-1, reg.ReadDwordUser(kKey, L"Short"));
    EXPECT_EQ(0xFFFFFFFFu, reg.GetDword());
}

TEST_F(QmShRegTest, WritesLandInTheHiveTheyName)
{
    QmShReg reg;
    EXPECT_EQ(0, reg.WriteDwordUser(kKey, L"Flag", 7));
    EXPECT_TRUE(testreg::Get(kCu, kKey, L"Flag").IsDword(7));
    EXPECT_FALSE(testreg::KeyExists(kLm, kKey));
    EXPECT_EQ(-1, reg.WriteStringUser(kKey, L"Null", nullptr));
    // Wine's shell creates keys only in the user hive; whatever it does, success must mean
    // the value is there.
    const int result = reg.WriteStringMachine(L"Software\\Zentrak\\NewMachineKey", L"Text", L"x");
    EXPECT_EQ(result == 0, testreg::Get(kLm, L"Software\\Zentrak\\NewMachineKey", L"Text").IsString(L"x"))
        << "result " << result;
    EXPECT_FALSE(testreg::KeyExists(kCu, L"Software\\Zentrak\\NewMachineKey"));
    // Some shell versions answer success for a key they did not create: that is no success.
    RegistryInterceptor registry;
    registry.SetRule([](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
        return call.function == "ShCreateUsKey" ? std::optional<LONG>(ERROR_SUCCESS) : std::nullopt;
    });
    EXPECT_EQ(-1, reg.CreateKeyMachine(L"Software\\Zentrak\\NotMade"));
}

}  // namespace
