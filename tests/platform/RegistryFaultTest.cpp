// What Wine cannot produce by itself, injected through the registry seam: a user without
// administrator rights and values that change between two registry calls; and, for real in
// the WoW64 prefix, a 32-bit program on 64-bit Windows.
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

// The 32-bit program on 64-bit Windows (the WoW64 prefix), with the real registry: every
// open, create and delete must reach the native view, or HKLM\SOFTWARE goes to Wow6432Node,
// where the system never looks. Elsewhere there is only one view and nothing to prove.
TEST(RegistryView, EveryOperationReachesTheNativeView)
{
    if (!IsWow64Process32())
        GTEST_SKIP() << "not a 32-bit process on 64-bit Windows";
    const std::wstring key = L"SOFTWARE\\ZentrakView" + std::to_wstring(GetCurrentProcessId());
    const std::wstring redirected = L"SOFTWARE\\Wow6432Node" + key.substr(8);
    const std::wstring child = key + L"\\Child";
    // Where a 64-bit program looks, and where a 32-bit one without the flag would have gone.
    auto native = [](const std::wstring& path) { return testreg::KeyExists(kLm, path); };
    auto nativeValue = [](const std::wstring& path, const wchar_t* name) { return testreg::Get(kLm, path, name); };
    QmCReg reg;
    ASSERT_EQ(0, reg.WriteDword(kLm, child.c_str(), L"Flag", 7));
    EXPECT_TRUE(nativeValue(child, L"Flag").IsDword(7));
    EXPECT_FALSE(native(redirected));
    ASSERT_EQ(0, reg.WriteString(kLm, key.c_str(), L"Text", L"native"));
    testreg::SetString(kLm, redirected, L"Text", L"32-bit view");
    EXPECT_EQ(0, reg.ReadString(kLm, key.c_str(), L"Text"));
    EXPECT_EQ(std::wstring(L"native"), reinterpret_cast<const wchar_t*>(reg.GetData()));
    QmShReg shell;
    EXPECT_EQ(0, shell.OpenReadMachine(key.c_str()));
    EXPECT_EQ(0, reg.DeleteValue(kLm, child.c_str(), L"Flag"));
    EXPECT_EQ(0, reg.DeleteKeyIfEmpty(kLm, child.c_str()));
    EXPECT_FALSE(native(child));
    EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, key.c_str()));
    EXPECT_FALSE(native(key));
    EXPECT_TRUE(nativeValue(redirected, L"Text").IsString(L"32-bit view"));
    testreg::DeleteKey(kLm, redirected);
}

}  // namespace
