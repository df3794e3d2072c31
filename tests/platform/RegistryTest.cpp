// The registry classes against the real registry of a sandbox, and, in the WoW64 prefix, a
// 32-bit program on 64-bit Windows for real.
#include "platform/QmCReg.h"
#include "platform/QmShReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <string>

namespace {

const wchar_t kKey[] = L"Software\\Zentrak\\Probe";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

std::wstring TextOf(const QmCRegBase& reg)
{
    QmOwnedWide text = reg.GetDataAsString();
    return text ? std::wstring(text.Get()) : std::wstring(L"(null)");
}

using RegistryRead = RegistryTest;

// Texts are taken whole however the registry stores them, by the program's registry class and
// by the shell's per-user one alike.
TEST_F(RegistryRead, TextsAreTakenWholeAndTerminated)
{
    const std::wstring longText = std::wstring(3000, L'x') + L"end";
    // RegSetValueExW adds a terminator when the character after the data is null; "Z" is not.
    const wchar_t unterminated[] = L"abcdZ";
    const struct {
        const char* what;
        const void* data;
        DWORD size;
        std::wstring text;
    } cases[] = {
        {"terminated", L"Text", 10, L"Text"},
        {"no bytes at all", L"", 0, L""},
        {"no terminator", unterminated, 8, L"abcd"},
        {"odd byte count", unterminated, 7, L"abc"},
        {"null inside", L"ab\0cd", 12, L"ab"},
        {"longer than 1024 characters", longText.c_str(), DWORD((longText.size() + 1) * 2), longText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testreg::SetRaw(kCu, kKey, L"Text", REG_SZ, c.data, c.size);
        ASSERT_EQ(c.size, testreg::Get(kCu, kKey, L"Text").data.size()) << "the registry changed the stored size";
        QmCReg reg;
        EXPECT_EQ(0, reg.ReadString(kCu, kKey, L"Text"));
        EXPECT_EQ(c.text, TextOf(reg));
        wchar_t small[4];
        EXPECT_EQ(static_cast<int>(c.text.substr(0, 3).size()), reg.CopyDataTo(small, 4));
        EXPECT_EQ(c.text.substr(0, 3), std::wstring(small));
        QmShReg shell;
        EXPECT_EQ(0, shell.ReadStringUser(kKey, L"Text"));
        EXPECT_EQ(c.text, TextOf(shell));
    }
}

using RegistryWrite = RegistryTest;

TEST_F(RegistryWrite, WritesCreateTheirKeyOnceAndStoreTheTerminator)
{
    const wchar_t deep[] = L"Software\\Zentrak\\Deep\\Below";
    RegistryInterceptor registry;
    QmCReg reg;
    EXPECT_TRUE(reg.WriteDword(kCu, deep, L"Flag", 1) == 0 && reg.WriteDword(kCu, deep, L"Flag", 0xFFFFFFFF) == 0);
    EXPECT_TRUE(testreg::Get(kCu, deep, L"Flag").IsDword(0xFFFFFFFF));
    EXPECT_EQ(0, reg.WriteString(kCu, deep, L"Text", L"abc"));
    EXPECT_EQ(8u, testreg::Get(kCu, deep, L"Text").data.size()) << "three characters and the terminator";
    EXPECT_EQ(0, reg.WriteString(kCu, deep, L"", L""));
    EXPECT_EQ(std::vector<BYTE>(2, 0), testreg::Get(kCu, deep, L"").data) << "an empty text keeps its terminator";
    EXPECT_EQ(-1, reg.WriteString(kCu, deep, L"Null", nullptr));
    EXPECT_EQ(3, testreg::ValueCount(kCu, deep));
    std::vector<DWORD> creates;  // the options of each key created
    for (const auto& call : registry.Calls())
        if (call.function == "CreateKey")
            creates.push_back(call.flags);
    EXPECT_EQ(std::vector<DWORD>{REG_OPTION_NON_VOLATILE}, creates) << "created once, and not volatile: gone after a restart";
    const testreg::Snapshot before = testreg::TakeSnapshot();
    EXPECT_EQ(-140, reg.CreateKey(kCu, deep));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    // A deletion takes its value alone.
    EXPECT_EQ(0, reg.DeleteValue(kCu, deep, L"Flag"));
    EXPECT_EQ(2, testreg::ValueCount(kCu, deep));
}

// The 32-bit program on 64-bit Windows (the WoW64 prefix), with the real registry: every
// open, create, read and delete must reach the native view, or HKLM\SOFTWARE goes to
// Wow6432Node, where the system never looks. Elsewhere there is one view and nothing to prove.
TEST(RegistryView, EveryOperationReachesTheNativeView)
{
    if (!IsWow64Process32())
        GTEST_SKIP() << "not a 32-bit process on 64-bit Windows";
    const std::wstring key = L"SOFTWARE\\ZentrakView" + std::to_wstring(GetCurrentProcessId());
    const std::wstring redirected = L"SOFTWARE\\Wow6432Node" + key.substr(8);
    const std::wstring child = key + L"\\Child";
    QmCReg reg;
    ASSERT_EQ(0, reg.WriteDword(kLm, child.c_str(), L"Flag", 7));
    EXPECT_TRUE(testreg::Get(kLm, child, L"Flag").IsDword(7));
    EXPECT_FALSE(testreg::KeyExists(kLm, redirected));
    ASSERT_EQ(0, reg.WriteString(kLm, key.c_str(), L"Text", L"native"));
    testreg::SetString(kLm, redirected, L"Text", L"32-bit view");
    EXPECT_EQ(0, reg.ReadString(kLm, key.c_str(), L"Text"));
    EXPECT_EQ(L"native", TextOf(reg));
    QmShReg shell;  // no such value for the user: the machine's
    EXPECT_EQ(0, shell.ReadStringUser(key.c_str(), L"Text"));
    EXPECT_EQ(L"native", TextOf(shell));
    EXPECT_EQ(0, reg.DeleteValue(kLm, child.c_str(), L"Flag"));
    EXPECT_EQ(0, reg.DeleteKeyIfEmpty(kLm, child.c_str()));
    EXPECT_FALSE(testreg::KeyExists(kLm, child));
    EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, key.c_str()));
    EXPECT_FALSE(testreg::KeyExists(kLm, key));
    EXPECT_TRUE(testreg::Get(kLm, redirected, L"Text").IsString(L"32-bit view"));
    testreg::DeleteKey(kLm, redirected);
}

}  // namespace
