// What Wine cannot produce by itself, injected through the registry seam: a user without
// administrator rights, values that change between two registry calls, and a 32-bit program
// on 64-bit Windows.
#include "platform/QmCReg.h"
#include "platform/QmShReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Zentrak\\Faults";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

using AccessDenied = RegistryTest;

TEST_F(AccessDenied, MachineWritesFailAndChangeNothingWhileReadsWork)
{
    testreg::SetDword(kLm, kKey, L"Flag", 5);
    testreg::SetString(kLm, kKey, L"Text", L"machine");
    testreg::CreateKey(kLm, L"SOFTWARE\\Zentrak\\EmptyKey");
    const testreg::Snapshot before = testreg::TakeSnapshot();
    MachineWritesDenied standardUser;
    QmCReg reg;
    QmShReg shell;
    EXPECT_EQ(ERROR_ACCESS_DENIED, reg.WriteDword(kLm, kKey, L"Flag", 0));
    EXPECT_EQ(ERROR_ACCESS_DENIED, reg.WriteString(kLm, L"SOFTWARE\\Zentrak\\NewKey", L"Text", L"x"));
    EXPECT_EQ(ERROR_ACCESS_DENIED, reg.DeleteValue(kLm, kKey, L"Flag"));
    EXPECT_EQ(-138, reg.DeleteKey(kLm, L"SOFTWARE\\Zentrak\\EmptyKey"));
    EXPECT_EQ(ERROR_ACCESS_DENIED, shell.WriteDwordMachine(kKey, L"Flag", 0));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    // Reads ask for no more than read access, so a standard user still sees the machine's values.
    EXPECT_EQ(0, reg.ReadDword(kLm, kKey, L"Flag"));
    EXPECT_EQ(5u, reg.GetDword());
    EXPECT_EQ(0, reg.ReadString(kLm, kKey, L"Text"));
    EXPECT_EQ(0, reg.QueryValueCount(kLm, kKey));
    EXPECT_EQ(0, shell.ReadDwordMachine(kKey, L"Flag"));
    EXPECT_EQ(0, reg.WriteDword(kCu, kKey, L"Flag", 6));
    EXPECT_EQ(0, shell.WriteDwordUser(kKey, L"Shell", 1));
}

// Runs `change` once, right after the size of the value was taken for the read itself (the
// existence and type tests before it query the size too) and before its data is read.
class ChangeBetweenSizeAndRead : public RegistryInterceptor {
public:
    explicit ChangeBetweenSizeAndRead(std::function<void()> change) : change_(std::move(change)) {}
    int dataReads = 0;

    LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) override
    {
        return After(RegistryInterceptor::QueryValue(key, name, type, data, size), data);
    }
    LONG ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                        BOOL ignoreUser) override
    {
        return After(RegistryInterceptor::ShQueryUsValue(key, name, type, data, size, ignoreUser), data);
    }

private:
    LONG After(LONG result, const void* data)
    {
        dataReads += data != nullptr;
        // ValueExists, QueryValueType, ValueExists again, then the read's own size query.
        if (!data && change_ && ++sizeQueries_ == 4) {
            change_();
            change_ = nullptr;
        }
        return result;
    }
    std::function<void()> change_;
    int sizeQueries_ = 0;
};

using ChangingValue = RegistryTest;

TEST_F(ChangingValue, AGrownTextIsReadWholeOnce)
{
    const std::wstring grown(5000, L'g');
    for (bool shell : {false, true}) {
        SCOPED_TRACE(shell ? "QmShReg" : "QmCReg");
        testreg::SetString(kCu, kKey, L"Text", L"short");
        ChangeBetweenSizeAndRead registry([&] { testreg::SetString(kCu, kKey, L"Text", grown); });
        QmShReg shellReg;
        QmCReg reg;
        QmCRegBase& read = shell ? static_cast<QmCRegBase&>(shellReg) : reg;
        EXPECT_EQ(0, shell ? shellReg.ReadStringUser(kKey, L"Text") : reg.ReadString(kCu, kKey, L"Text"));
        QmOwnedWide text = read.GetDataAsString();
        ASSERT_TRUE(text);
        EXPECT_EQ(grown, std::wstring(text.Get()));
        EXPECT_EQ(2, registry.dataReads) << "the grown value is read again, once";
    }
}

TEST_F(ChangingValue, ADeletedValueFailsAndLeavesNoData)
{
    testreg::SetString(kCu, kKey, L"Text", L"gone soon");
    ChangeBetweenSizeAndRead registry([&] {
        HKEY key = nullptr;
        ASSERT_EQ(0, RegOpenKeyExW(kCu, kKey, 0, KEY_SET_VALUE, &key));
        EXPECT_EQ(0, RegDeleteValueW(key, L"Text"));
        RegCloseKey(key);
    });
    QmCReg reg;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.ReadString(kCu, kKey, L"Text"));
    EXPECT_EQ(nullptr, reg.GetData());
    EXPECT_EQ(L"", std::wstring(reg.GetDataAsString().Get()));
}

TEST_F(ChangingValue, ADwordThatGrowsOrChangesTypeIsRefused)
{
    const unsigned long long wide = 2;
    for (DWORD type : {DWORD(REG_DWORD), DWORD(REG_BINARY)}) {
        testreg::SetDword(kCu, kKey, L"Flag", 1);
        ChangeBetweenSizeAndRead registry([&] { testreg::SetRaw(kCu, kKey, L"Flag", type, &wide, type == REG_DWORD ? 8 : 4); });
        QmCReg reg;
        EXPECT_EQ(-1, reg.ReadDword(kCu, kKey, L"Flag")) << "type " << type;
        EXPECT_EQ(0xFFFFFFFFu, reg.GetDword());
    }
}

// A value that is larger at every read than its size a moment before.
class EverGrowing : public RegistryInterceptor {
public:
    int dataReads = 0;
    LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) override
    {
        const LONG result = RegistryInterceptor::QueryValue(key, name, type, data, size);
        if (!data)
            return result;
        ++dataReads;
        *size += 2;
        return ERROR_MORE_DATA;
    }
};

TEST_F(ChangingValue, RereadingIsBounded)
{
    testreg::SetString(kCu, kKey, L"Text", L"abc");
    EverGrowing registry;
    QmCReg reg;
    EXPECT_EQ(ERROR_MORE_DATA, reg.ReadString(kCu, kKey, L"Text"));
    EXPECT_EQ(qmreg::kMaxReadAttempts, registry.dataReads);
    EXPECT_EQ(nullptr, reg.GetData());
}

using RegistryView = RegistryTest;

// The 32-bit program on 64-bit Windows: every open, create and delete must carry
// KEY_WOW64_64KEY, or HKLM\SOFTWARE goes to Wow6432Node where Windows never looks.
TEST_F(RegistryView, TheNativeViewReachesEveryOpenCreateAndDelete)
{
    RegistryInterceptor registry;
    registry.ForceViewFlag(KEY_WOW64_64KEY);
    testreg::SetDword(kCu, kKey, L"User", 1);
    testreg::SetString(kLm, L"SOFTWARE\\Zentrak\\Default", L"", L"");
    {
        QmCReg reg;
        EXPECT_EQ(0, reg.WriteDword(kLm, L"SOFTWARE\\Zentrak\\Created", L"Flag", 1));
        EXPECT_EQ(0, reg.ReadDword(kLm, L"SOFTWARE\\Zentrak\\Created", L"Flag"));
        EXPECT_EQ(0, reg.DeleteValue(kLm, L"SOFTWARE\\Zentrak\\Created", L"Flag"));
        EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, L"SOFTWARE\\Zentrak\\Created"));
        EXPECT_EQ(0, reg.DeleteKeyIfEmpty(kLm, L"SOFTWARE\\Zentrak\\Default"));
        EXPECT_EQ(0, reg.OpenRead(kLm, L"SOFTWARE\\Zentrak"));
        QmShReg shell;
        EXPECT_EQ(0, shell.ReadDwordUser(kKey, L"User"));
        EXPECT_EQ(0, shell.WriteDwordUser(L"SOFTWARE\\Zentrak\\ShellMade", L"Flag", 1));
        EXPECT_EQ(0, shell.OpenReadMachine(L"SOFTWARE\\Zentrak"));
    }
    EXPECT_FALSE(testreg::KeyExists(kLm, L"SOFTWARE\\Zentrak\\Created"));
    EXPECT_FALSE(testreg::KeyExists(kLm, L"SOFTWARE\\Zentrak\\Default"));

    std::set<std::string> seen;
    for (const auto& call : registry.Calls()) {
        const std::string& f = call.function;
        if (f == "OpenKey" || f == "CreateKey" || f == "ShOpenUsKey" || f == "ShCreateUsKey") {
            EXPECT_TRUE(call.access & KEY_WOW64_64KEY) << f << " " << testreg::Narrow(call.path);
            seen.insert(f);
        } else if (f == "DeleteKey") {
            EXPECT_EQ(REGSAM(KEY_WOW64_64KEY), call.access) << testreg::Narrow(call.path);
            seen.insert(f);
        }
    }
    EXPECT_EQ((std::set<std::string>{"OpenKey", "CreateKey", "DeleteKey", "ShOpenUsKey", "ShCreateUsKey"}), seen);
}

TEST_F(RegistryView, ANativeProcessAsksForNoView)
{
    // This test program is 64-bit: never under WOW64, so no view bit anywhere.
    EXPECT_FALSE(IsWow64Process32());
    RegistryInterceptor registry;
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteDword(kLm, kKey, L"Flag", 1));
    EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, kKey));
    for (const auto& call : registry.Calls())
        EXPECT_EQ(0u, call.access & (KEY_WOW64_64KEY | KEY_WOW64_32KEY)) << call.function;
}

}  // namespace
