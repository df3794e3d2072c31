// The registry classes against the real registry of a sandbox, and, in the WoW64 prefix, a
// 32-bit program on 64-bit Windows for real.
#include "model/TweakRead.h"
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

using RegistryRead = RegistryTest;
// What another program does right before a data read; an answer stands in for the registry's.
using Change = std::function<std::optional<LONG>()>;

// Texts are taken whole however the registry stores them, by the program's registry class and
// by the shell's per-user one alike, also when another program changes the value between the
// read's size query and its data read. A failed read keeps nothing of an earlier one, and a
// value that has grown again at every read is given up after a bounded number of reads. A
// number comes only from a REG_DWORD of four bytes.
TEST_F(RegistryRead, ValuesAreTakenWholeOrNotAtAll)
{
    const std::wstring longText = std::wstring(3000, L'x') + L"end";
    // RegSetValueExW adds a terminator when the character after the data is null; "Z" is not.
    const wchar_t unterminated[] = L"abcdZ";
    const Change* change = nullptr;
    int dataReads = 0;
    RegistryInterceptor registry;
    registry.SetRule([&](const RegistryInterceptor::Call& call) {
        dataReads += call.readsData;
        return call.readsData && change && *change ? (*change)() : std::nullopt;
    });
    const Change grow = [&] { testreg::SetString(kCu, kKey, L"Text", longText); return std::optional<LONG>(); };
    const struct { const char* what; const void* data; DWORD size; Change change; int result, dataReads; std::wstring text; } cases[] = {
        {"terminated", L"Text", 10, nullptr, 0, 1, L"Text"},
        {"no bytes at all", L"", 0, nullptr, 0, 1, L""},
        {"no terminator", unterminated, 8, nullptr, 0, 1, L"abcd"},
        {"odd byte count", unterminated, 7, nullptr, 0, 1, L"abc"},
        {"null inside", L"ab\0cd", 12, nullptr, 0, 1, L"ab"},
        {"longer than 1024 characters", longText.c_str(), DWORD((longText.size() + 1) * 2), nullptr, 0, 1, longText},
        {"grown before the data read", L"old", 8, grow, 0, 2, longText},
        {"deleted before the data read", L"old", 8, [] { testreg::RemoveValue(kCu, kKey, L"Text"); return std::optional<LONG>(); },
         ERROR_FILE_NOT_FOUND, 1, L""},
        {"grown again at every read", L"old", 8, [] { return std::optional<LONG>(ERROR_MORE_DATA); }, ERROR_MORE_DATA,
         qmreg::kMaxReadAttempts, L""},
    };
    for (const auto& c : cases)
        for (bool viaShell : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (viaShell ? ", through the shell's class" : ""));
            QmCReg reg;
            QmShReg shell;
            QmCRegBase& read = viaShell ? static_cast<QmCRegBase&>(shell) : reg;
            const auto readText = [&] { return viaShell ? shell.ReadStringUser(kKey, L"Text") : reg.ReadString(kCu, kKey, L"Text"); };
            change = nullptr;
            testreg::SetString(kCu, kKey, L"Text", L"an earlier text");
            ASSERT_EQ(0, readText());
            testreg::SetRaw(kCu, kKey, L"Text", REG_SZ, c.data, c.size);
            change = &c.change;
            dataReads = 0;
            EXPECT_EQ(c.result, readText());
            EXPECT_EQ(c.dataReads, dataReads);
            EXPECT_STREQ(c.text.c_str(), read.GetDataAsString().Get());
            wchar_t small[4];
            EXPECT_EQ(static_cast<int>(c.text.substr(0, 3).size()), read.CopyDataTo(small, 4));
            EXPECT_EQ(c.text.substr(0, 3), std::wstring(small));
        }
    // A text, a damaged REG_DWORD, a REG_QWORD, or a DWORD that grows or turns binary before its
    // data read is no number, nor a missing value (which a default-on row shows checked).
    const ULONGLONG bytes = 1;
    const DWORD others[][4] = {{REG_SZ, 4}, {REG_DWORD, 3}, {REG_DWORD, 5}, {REG_QWORD, 8}, {REG_DWORD, 4, REG_DWORD, 8},
                               {REG_DWORD, 4, REG_BINARY, 4}};  // type and size, and what they become before the data read
    for (const auto& other : others) {
        testreg::SetRaw(kCu, kKey, L"Flag", other[0], &bytes, other[1]);
        const Change becomes = [&] { testreg::SetRaw(kCu, kKey, L"Flag", other[2], &bytes, other[3]); return std::optional<LONG>(); };
        change = other[2] ? &becomes : nullptr;
        EXPECT_EQ(kStateFailed, ReadDwordState(kRootCurrentUser, kKey, L"Flag", 1)) << "case " << &other - others;
    }
}

using RegistryWrite = RegistryTest;

TEST_F(RegistryWrite, WritesCreateTheirKeyOnceAndStoreTheTerminator)
{
    const wchar_t deep[] = L"Software\\Zentrak\\Deep\\Below";
    RegistryInterceptor registry;
    QmCReg reg;
    EXPECT_TRUE(reg.WriteDword(kCu, deep, L"Flag", 1) == 0 && reg.WriteDword(kCu, deep, L"Flag", 0xFFFFFFFF) == 0);
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
    EXPECT_STREQ(L"native", reg.GetDataAsString().Get());
    QmShReg shell;  // no such value for the user: the machine's
    EXPECT_EQ(0, shell.ReadStringUser(key.c_str(), L"Text"));
    EXPECT_STREQ(L"native", shell.GetDataAsString().Get());
    EXPECT_EQ(0, reg.DeleteValue(kLm, child.c_str(), L"Flag"));
    EXPECT_EQ(0, reg.DeleteKeyIfEmpty(kLm, child.c_str()));
    EXPECT_FALSE(testreg::KeyExists(kLm, child));
    EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, key.c_str()));
    EXPECT_FALSE(testreg::KeyExists(kLm, key));
    EXPECT_TRUE(testreg::Get(kLm, redirected, L"Text").IsString(L"32-bit view"));
    testreg::DeleteKey(kLm, redirected);
}

}  // namespace
