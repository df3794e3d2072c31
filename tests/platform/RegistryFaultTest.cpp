// What Wine cannot produce by itself, injected through the registry seam: a user without
// administrator rights, values that change between two registry calls, and a 32-bit program
// on 64-bit Windows.
#include "platform/QmCReg.h"
#include "platform/QmShReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Zentrak\\Faults";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

void DeleteValueDirectly(HKEY root, const wchar_t* path, const wchar_t* name)
{
    HKEY key = nullptr;
    ASSERT_EQ(0, RegOpenKeyExW(root, path, 0, KEY_SET_VALUE, &key));
    EXPECT_EQ(0, RegDeleteValueW(key, name));
    RegCloseKey(key);
}

using AccessDenied = RegistryTest;

TEST_F(AccessDenied, MachineWritesFailAndChangeNothing)
{
    testreg::SetDword(kLm, kKey, L"Flag", 1);
    testreg::CreateKey(kLm, L"SOFTWARE\\Zentrak\\EmptyKey");
    const testreg::Snapshot before = testreg::TakeSnapshot();
    {
        MachineWritesDenied standardUser;
        QmCReg reg;
        EXPECT_EQ(ERROR_ACCESS_DENIED, reg.WriteDword(kLm, kKey, L"Flag", 0));
        EXPECT_EQ(ERROR_ACCESS_DENIED, reg.WriteString(kLm, L"SOFTWARE\\Zentrak\\NewKey", L"Text", L"x"));
        EXPECT_EQ(ERROR_ACCESS_DENIED, reg.CreateKey(kLm, L"SOFTWARE\\Zentrak\\NewKey"));
        EXPECT_EQ(ERROR_ACCESS_DENIED, reg.DeleteValue(kLm, kKey, L"Flag"));
        EXPECT_EQ(-138, reg.DeleteKey(kLm, L"SOFTWARE\\Zentrak\\EmptyKey"));
        EXPECT_EQ(ERROR_ACCESS_DENIED, reg.OpenFullAccess(kLm, kKey));
        QmShReg shell;
        EXPECT_EQ(ERROR_ACCESS_DENIED, shell.WriteDwordMachine(kKey, L"Flag", 0));
    }
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

TEST_F(AccessDenied, ReadsAndUserWritesStillWork)
{
    testreg::SetDword(kLm, kKey, L"Flag", 5);
    testreg::SetString(kLm, kKey, L"Text", L"machine");
    MachineWritesDenied standardUser;
    QmCReg reg;
    EXPECT_EQ(0, reg.ReadDword(kLm, kKey, L"Flag"));
    EXPECT_EQ(5u, reg.GetDword());
    EXPECT_EQ(0, reg.ReadString(kLm, kKey, L"Text"));
    EXPECT_EQ(0, reg.QueryValueCount(kLm, kKey));
    EXPECT_EQ(1, reg.KeyExists(kLm, kKey));
    EXPECT_EQ(0, reg.WriteDword(kCu, kKey, L"Flag", 6));
    EXPECT_TRUE(testreg::Get(kCu, kKey, L"Flag").IsDword(6));
    QmShReg shell;
    EXPECT_EQ(0, shell.ReadDwordMachine(kKey, L"Flag"));
    EXPECT_EQ(0, shell.WriteDwordUser(kKey, L"Shell", 1));
}

// Changes the value once, right after its size was taken and before its data is read.
class ChangeBetweenSizeAndRead : public RegistryInterceptor {
public:
    std::function<void()> change;
    int dataReads = 0;

    LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) override
    {
        const LONG result = RegistryInterceptor::QueryValue(key, name, type, data, size);
        dataReads += data != nullptr;
        if (!data && change && sizeQueriesBeforeChange-- == 0) {
            change();
            change = nullptr;
        }
        return result;
    }
    LONG ShQueryUsValue(HUSKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size,
                        BOOL ignoreUser) override
    {
        const LONG result = RegistryInterceptor::ShQueryUsValue(key, name, type, data, size, ignoreUser);
        dataReads += data != nullptr;
        if (!data && change && sizeQueriesBeforeChange-- == 0) {
            change();
            change = nullptr;
        }
        return result;
    }

    // The existence and type tests query the size too; the read's own comes after them.
    int sizeQueriesBeforeChange = 0;
};

using ChangingValue = RegistryTest;

TEST_F(ChangingValue, AGrownTextIsReadWhole)
{
    const std::wstring grown(5000, L'g');
    testreg::SetString(kCu, kKey, L"Text", L"short");
    ChangeBetweenSizeAndRead registry;
    // ValueExists, QueryValueType, ValueExists again, then the read's own size query.
    registry.sizeQueriesBeforeChange = 3;
    registry.change = [&] { testreg::SetString(kCu, kKey, L"Text", grown); };
    QmCReg reg;
    EXPECT_EQ(0, reg.ReadString(kCu, kKey, L"Text"));
    QmOwnedWide text = reg.GetDataAsString();
    ASSERT_TRUE(text);
    EXPECT_EQ(grown, std::wstring(text.Get()));
    EXPECT_EQ(2, registry.dataReads) << "the grown value is read again, once";
}

TEST_F(ChangingValue, AGrownTextIsReadWholeThroughTheShell)
{
    const std::wstring grown(3000, L'h');
    testreg::SetString(kCu, kKey, L"Text", L"short");
    ChangeBetweenSizeAndRead registry;
    registry.sizeQueriesBeforeChange = 3;
    registry.change = [&] { testreg::SetString(kCu, kKey, L"Text", grown); };
    QmShReg reg;
    EXPECT_EQ(0, reg.ReadStringUser(kKey, L"Text"));
    QmOwnedWide text = reg.GetDataAsString();
    ASSERT_TRUE(text);
    EXPECT_EQ(grown, std::wstring(text.Get()));
}

TEST_F(ChangingValue, ADeletedValueFailsAndLeavesNoData)
{
    testreg::SetString(kCu, kKey, L"Text", L"gone soon");
    ChangeBetweenSizeAndRead registry;
    registry.sizeQueriesBeforeChange = 3;
    registry.change = [&] { DeleteValueDirectly(kCu, kKey, L"Text"); };
    QmCReg reg;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.ReadString(kCu, kKey, L"Text"));
    EXPECT_EQ(nullptr, reg.GetData());
    QmOwnedWide text = reg.GetDataAsString();
    ASSERT_TRUE(text);
    EXPECT_EQ(L"", std::wstring(text.Get()));
}

TEST_F(ChangingValue, ADwordThatGrowsOrChangesTypeIsRefused)
{
    testreg::SetDword(kCu, kKey, L"Flag", 1);
    {
        ChangeBetweenSizeAndRead registry;
        registry.sizeQueriesBeforeChange = 3;
        const unsigned long long wide = 2;
        registry.change = [&] { testreg::SetRaw(kCu, kKey, L"Flag", REG_DWORD, &wide, 8); };
        QmCReg reg;
        EXPECT_EQ(-1, reg.ReadDword(kCu, kKey, L"Flag"));
        EXPECT_EQ(0xFFFFFFFFu, reg.GetDword());
    }
    testreg::SetDword(kCu, kKey, L"Flag", 1);
    {
        ChangeBetweenSizeAndRead registry;
        registry.sizeQueriesBeforeChange = 3;
        registry.change = [&] { testreg::SetRaw(kCu, kKey, L"Flag", REG_BINARY, "abcd", 4); };
        QmCReg reg;
        EXPECT_EQ(-1, reg.ReadDword(kCu, kKey, L"Flag"));
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
    testreg::SetDword(kLm, kKey, L"Existing", 1);
    testreg::SetDword(kCu, kKey, L"User", 1);
    testreg::SetString(kLm, L"SOFTWARE\\Zentrak\\Default", L"", L"");
    {
        QmCReg reg;
        EXPECT_EQ(0, reg.WriteDword(kLm, L"SOFTWARE\\Zentrak\\Created", L"Flag", 1));
        EXPECT_EQ(0, reg.WriteString(kLm, kKey, L"Text", L"x"));
        EXPECT_EQ(0, reg.WriteBinary(kLm, kKey, L"Bytes", reinterpret_cast<const BYTE*>("ab"), 2));
        EXPECT_EQ(0, reg.ReadDword(kLm, kKey, L"Existing"));
        EXPECT_EQ(0, reg.ReadString(kLm, kKey, L"Text"));
        EXPECT_EQ(0, reg.ReadBinary(kLm, kKey, L"Bytes"));
        EXPECT_EQ(0, reg.CreateKey(kLm, L"SOFTWARE\\Zentrak\\Made"));
        EXPECT_EQ(0, reg.DeleteKey(kLm, L"SOFTWARE\\Zentrak\\Made"));
        EXPECT_EQ(0, reg.DeleteValue(kLm, L"SOFTWARE\\Zentrak\\Created", L"Flag"));
        EXPECT_EQ(0, reg.DeleteKeyIfAtMostOneValue(kLm, L"SOFTWARE\\Zentrak\\Created"));
        EXPECT_EQ(0, reg.DeleteKeyIfEmpty(kLm, L"SOFTWARE\\Zentrak\\Default"));
        EXPECT_EQ(0, reg.QuerySubKeyCount(kLm, L"SOFTWARE\\Zentrak"));
        EXPECT_EQ(0, reg.OpenRead(kLm, kKey));
        EXPECT_EQ(0, reg.OpenFullAccess(kLm, kKey));
        EXPECT_EQ(0, reg.OpenReadWrite(kLm, kKey));
        QmShReg shell;
        EXPECT_EQ(0, shell.ReadDwordUser(kKey, L"User"));
        EXPECT_EQ(0, shell.ReadStringMachine(kKey, L"Text"));
        EXPECT_EQ(0, shell.WriteDwordUser(L"SOFTWARE\\Zentrak\\ShellMade", L"Flag", 1));
        EXPECT_EQ(0, shell.QueryValueCountMachine(kKey));
        EXPECT_EQ(0, shell.OpenReadMachine(kKey));
    }
    EXPECT_FALSE(testreg::KeyExists(kLm, L"SOFTWARE\\Zentrak\\Made"));
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
