#include "platform/QmShReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kKey[] = L"Software\\Zentrak\\Shell";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

std::wstring TextOf(const QmShReg& reg)
{
    QmOwnedWide text = reg.GetDataAsString();
    return text ? std::wstring(text.Get()) : std::wstring(L"(null)");
}

using QmShRegTest = RegistryTest;

// The shell functions open HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE themselves; they must
// see the sandbox's stand-ins, not the prefix's own keys, or no other test here means much.
TEST_F(QmShRegTest, SeesTheSandboxNotTheRealRoots)
{
    const wchar_t ie[] = L"SOFTWARE\\Microsoft\\Internet Explorer";
    QmShReg reg;
    EXPECT_EQ(-104, reg.ReadStringMachine(ie, L"Version"));
    EXPECT_EQ(-104, reg.ReadStringUser(ie, L"Version"));
    EXPECT_EQ(0, reg.KeyExistsUser(L"Software\\Wine"));
    testreg::SetString(kLm, ie, L"Version", L"8.0.6001.18702");
    EXPECT_EQ(0, reg.ReadStringMachine(ie, L"Version"));
    EXPECT_EQ(L"8.0.6001.18702", TextOf(reg));
}

TEST_F(QmShRegTest, UserHiveFirstMachineHiveAlone)
{
    enum Where { kNowhere, kUser, kMachine, kBoth, kUserKeyOnly };
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring path = std::wstring(kKey) + std::to_wstring(&c - cases);
        if (c.where == kUser || c.where == kBoth)
            testreg::SetDword(kCu, path, L"Flag", 1);
        if (c.where == kMachine || c.where == kBoth || c.where == kUserKeyOnly)
            testreg::SetDword(kLm, path, L"Flag", 2);
        if (c.where == kUserKeyOnly)
            testreg::SetDword(kCu, path, L"Other", 1);
        QmShReg user;
        EXPECT_EQ(c.userResult, user.ReadDwordUser(path.c_str(), L"Flag"));
        if (c.userResult == 0) {
            EXPECT_EQ(c.userValue, user.GetDword());
        }
        QmShReg machine;
        EXPECT_EQ(c.machineResult, machine.ReadDwordMachine(path.c_str(), L"Flag"));
        if (c.machineResult == 0) {
            EXPECT_EQ(c.machineValue, machine.GetDword());
        }
    }
}

TEST_F(QmShRegTest, TheUserValueWinsEvenOfTheWrongType)
{
    testreg::SetString(kCu, kKey, L"Flag", L"1");
    testreg::SetDword(kLm, kKey, L"Flag", 1);
    QmShReg reg;
    EXPECT_EQ(1001, reg.ReadDwordUser(kKey, L"Flag"));
    EXPECT_EQ(0, reg.ReadDwordMachine(kKey, L"Flag"));
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Flag"));
    EXPECT_EQ(L"1", TextOf(reg));
    EXPECT_EQ(1004, reg.ReadStringMachine(kKey, L"Flag"));
}

TEST_F(QmShRegTest, UnsafeDataIsReadSafely)
{
    const BYTE threeBytes[] = {1, 2, 3};
    const unsigned long long qword = 1;
    std::wstring longText(2000, L'x');
    longText += L"end";
    testreg::SetRaw(kCu, kKey, L"Unterminated", REG_SZ, L"abcdZ", 8);
    testreg::SetString(kCu, kKey, L"Long", longText);
    testreg::SetRaw(kCu, kKey, L"Short", REG_DWORD, threeBytes, 3);
    testreg::SetRaw(kCu, kKey, L"Qword", REG_QWORD, &qword, 8);
    QmShReg reg;
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Unterminated"));
    EXPECT_EQ(L"abcd", TextOf(reg));
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Long"));
    EXPECT_EQ(longText, TextOf(reg));
    EXPECT_EQ(-1, reg.ReadDwordUser(kKey, L"Short"));
    EXPECT_EQ(0xFFFFFFFFu, reg.GetDword());
    EXPECT_EQ(-1, reg.ReadDwordUser(kKey, L"Qword"));
    EXPECT_EQ(-1, reg.ReadStringUser(kKey, L"Qword"));
}

TEST_F(QmShRegTest, MultiStringAsLines)
{
    testreg::SetRaw(kCu, kKey, L"Multi", REG_MULTI_SZ, L"one\0two\0\0", 20);
    testreg::SetRaw(kCu, kKey, L"Unterminated", REG_MULTI_SZ, L"one\0twoZ", 14);
    QmShReg reg;
    EXPECT_EQ(nullptr, reg.GetDataAsLines().Get());
    EXPECT_EQ(0, reg.QueryValueData(kKey, L"Multi", REG_MULTI_SZ, FALSE, nullptr));
    QmOwnedWide lines = reg.GetDataAsLines();
    ASSERT_TRUE(lines);
    EXPECT_EQ(L"one\r\ntwo", std::wstring(lines.Get()));
    EXPECT_EQ(0, reg.QueryValueData(kKey, L"Unterminated", REG_MULTI_SZ, FALSE, nullptr));
    lines = reg.GetDataAsLines();
    ASSERT_TRUE(lines);
    EXPECT_EQ(L"one\r\ntwo", std::wstring(lines.Get()));
}

TEST_F(QmShRegTest, TypesSizesAndKeyInformation)
{
    testreg::SetString(kCu, kKey, L"Text", L"abc");
    testreg::SetDword(kLm, kKey, L"A", 1);
    testreg::SetDword(kLm, kKey, L"B", 1);
    testreg::CreateKey(kLm, std::wstring(kKey) + L"\\Sub");
    QmShReg reg;
    EXPECT_EQ(1001, reg.QueryValueTypeUser(kKey, L"Text"));
    EXPECT_EQ(-104, reg.QueryValueTypeMachine(kKey, L"Text"));
    EXPECT_EQ(0, reg.QueryValueSize(kKey, L"Text", FALSE, nullptr));
    EXPECT_EQ(8u, reg.GetDataSize());
    EXPECT_EQ(0, reg.QueryValueCountUser(kKey));  // the user's key comes first
    EXPECT_EQ(1u, reg.GetValueCount());
    EXPECT_EQ(0, reg.QueryValueCountMachine(kKey));
    EXPECT_EQ(2u, reg.GetValueCount());
    EXPECT_EQ(0, reg.QuerySubKeyCount(kKey, TRUE, nullptr));
    EXPECT_EQ(1u, reg.GetSubKeyCount());
    EXPECT_EQ(-103, reg.QueryValueCountUser(L"Software\\Nowhere"));
    EXPECT_EQ(1, reg.ValueExistsMachine(kKey, L"A"));
    EXPECT_EQ(0, reg.ValueExistsMachine(kKey, L"Text"));
    EXPECT_EQ(1, reg.ValueExistsUser(kKey, L"A"));
}

TEST_F(QmShRegTest, UserWritesCreateTheKey)
{
    QmShReg reg;
    EXPECT_EQ(0, reg.WriteDwordUser(kKey, L"Flag", 7));
    EXPECT_TRUE(testreg::Get(kCu, kKey, L"Flag").IsDword(7));
    EXPECT_EQ(0, reg.WriteStringUser(kKey, L"Text", L"abc"));
    EXPECT_EQ(8u, testreg::Get(kCu, kKey, L"Text").data.size());
    EXPECT_FALSE(testreg::KeyExists(kLm, kKey));
    EXPECT_EQ(-140, reg.CreateKeyUser(kKey));
    EXPECT_EQ(-1, reg.WriteStringUser(kKey, L"Null", nullptr));
}

TEST_F(QmShRegTest, MachineWritesLandInTheMachineHive)
{
    testreg::CreateKey(kLm, kKey);
    QmShReg reg;
    EXPECT_EQ(0, reg.WriteDwordMachine(kKey, L"Flag", 3));
    EXPECT_TRUE(testreg::Get(kLm, kKey, L"Flag").IsDword(3));
    EXPECT_FALSE(testreg::KeyExists(kCu, kKey));
    // Wine's shell creates keys only in the user hive; whatever it does, success must mean
    // the value is there.
    const int result = reg.WriteStringMachine(L"Software\\Zentrak\\NewMachineKey", L"Text", L"x");
    EXPECT_EQ(result == 0, testreg::Get(kLm, L"Software\\Zentrak\\NewMachineKey", L"Text").IsString(L"x"))
        << "result " << result;
    EXPECT_FALSE(testreg::KeyExists(kCu, L"Software\\Zentrak\\NewMachineKey"));
}

}  // namespace
