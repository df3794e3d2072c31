#include "platform/QmCReg.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kKey[] = L"Software\\Zentrak\\Probe";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

std::wstring TextOf(const QmCReg& reg)
{
    QmOwnedWide text = reg.GetDataAsString();
    return text ? std::wstring(text.Get()) : std::wstring(L"(null)");
}

using QmCRegRead = RegistryTest;

TEST_F(QmCRegRead, DwordByWhatTheRegistryHolds)
{
    const BYTE threeBytes[] = {1, 2, 3};
    const BYTE fiveBytes[] = {1, 2, 3, 4, 5};
    const unsigned long long qword = 5;
    const DWORD bigEndian = 0x01000000;
    struct Case {
        const char* what;
        DWORD type;  // REG_NONE with no data: the value is not created
        const void* data;
        DWORD size;
        int result;
        DWORD number;  // GetDword afterwards; the read starts from a value of 77
    } cases[] = {
        {"missing value", REG_NONE, nullptr, 0, -104, 77},
        {"REG_SZ \"1\"", REG_SZ, L"1", 4, 1001, 77},
        {"REG_BINARY", REG_BINARY, fiveBytes, 4, 1007, 77},
        {"REG_DWORD_BIG_ENDIAN", REG_DWORD_BIG_ENDIAN, &bigEndian, 4, 1006, 77},
        {"REG_QWORD: a type without a code", REG_QWORD, &qword, 8, -1, 77},
        {"REG_DWORD of 3 bytes", REG_DWORD, threeBytes, 3, -1, 0xFFFFFFFF},
        {"REG_DWORD of 5 bytes", REG_DWORD, fiveBytes, 5, -1, 0xFFFFFFFF},
        {"REG_DWORD of 0 bytes", REG_DWORD, fiveBytes, 0, -1, 0xFFFFFFFF},
    };
    testreg::SetDword(kCu, L"Software\\Zentrak\\Before", L"Seventy-seven", 77);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring name = L"Case" + std::to_wstring(&c - cases);
        testreg::CreateKey(kCu, kKey);
        if (c.data)
            testreg::SetRaw(kCu, kKey, name, c.type, c.data, c.size);
        QmCReg reg;
        ASSERT_EQ(0, reg.ReadDword(kCu, L"Software\\Zentrak\\Before", L"Seventy-seven"));
        EXPECT_EQ(c.result, reg.ReadDword(kCu, kKey, name.c_str()));
        EXPECT_EQ(c.number, reg.GetDword());
    }
}

TEST_F(QmCRegRead, DwordFound)
{
    testreg::SetDword(kCu, kKey, L"Flag", 0xFFFFFFFEu);
    testreg::SetDword(kCu, kKey, L"", 3);
    QmCReg reg;
    EXPECT_EQ(0, reg.ReadDword(kCu, kKey, L"Flag"));
    EXPECT_EQ(0xFFFFFFFEu, reg.GetDword());
    EXPECT_EQ(4u, reg.GetDataSize());
    EXPECT_EQ(0, reg.ReadDword(kCu, kKey, L""));  // the default value
    EXPECT_EQ(3u, reg.GetDword());
}

TEST_F(QmCRegRead, MissingKeyIsAMissingValue)
{
    QmCReg reg;
    EXPECT_EQ(-104, reg.ReadDword(kCu, L"Software\\Nowhere", L"Flag"));
    EXPECT_EQ(-104, reg.ReadString(kCu, L"Software\\Nowhere", L"Text"));
    EXPECT_EQ(-104, reg.ReadBinary(kCu, L"Software\\Nowhere", L"Bytes"));
}

TEST_F(QmCRegRead, StringsAreTakenWholeAndTerminated)
{
    const std::wstring longText = [] {
        std::wstring text;
        for (int i = 0; i < 3000; ++i)
            text += static_cast<wchar_t>(L'a' + i % 26);
        return text;
    }();
    // RegSetValueExW adds a terminator when the character after the data is null; "Z" is not.
    const wchar_t unterminated[] = L"abcdZ";
    const wchar_t embeddedNull[] = L"ab\0cd";
    struct Case {
        const char* what;
        const void* data;
        DWORD size;
        std::wstring text;
    } cases[] = {
        {"terminated", L"Text", 10, L"Text"},
        {"empty with its terminator", L"", 2, L""},
        {"no bytes at all", L"", 0, L""},
        {"no terminator", unterminated, 8, L"abcd"},
        {"odd byte count", unterminated, 7, L"abc"},
        {"odd byte count after a null", embeddedNull, 7, L"ab"},
        {"null inside", embeddedNull, 12, L"ab"},
        {"longer than 1024 characters", longText.c_str(), DWORD((longText.size() + 1) * 2), longText},
        {"Chinese", L"\x958B\x59CB\x529F\x80FD\x8868", 12, L"\x958B\x59CB\x529F\x80FD\x8868"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testreg::SetRaw(kCu, kKey, L"Text", REG_SZ, c.data, c.size);
        ASSERT_EQ(c.size, testreg::Get(kCu, kKey, L"Text").data.size()) << "the registry changed the stored size";
        QmCReg reg;
        EXPECT_EQ(0, reg.ReadString(kCu, kKey, L"Text"));
        EXPECT_EQ(c.text, TextOf(reg));
        wchar_t small[4];
        const int copied = reg.CopyDataTo(small, 4);
        EXPECT_EQ(c.text.substr(0, 3), std::wstring(small));
        EXPECT_EQ(static_cast<int>(c.text.substr(0, 3).size()), copied);
        ASSERT_NE(nullptr, reg.GetData());
        // Read as a C string, the raw data ends within the value, whatever the registry stored.
        EXPECT_LE(wcslen(reinterpret_cast<const wchar_t*>(reg.GetData())), (c.size + 1) / 2);
    }
}

TEST_F(QmCRegRead, StringOfAnotherTypeIsRefused)
{
    const unsigned long long qword = 1;
    testreg::SetDword(kCu, kKey, L"Dword", 1);
    testreg::SetRaw(kCu, kKey, L"Expand", REG_EXPAND_SZ, L"%PATH%", 14);
    testreg::SetRaw(kCu, kKey, L"Multi", REG_MULTI_SZ, L"a\0b\0", 10);
    testreg::SetRaw(kCu, kKey, L"Qword", REG_QWORD, &qword, 8);
    QmCReg reg;
    EXPECT_EQ(1004, reg.ReadString(kCu, kKey, L"Dword"));
    EXPECT_EQ(1003, reg.ReadString(kCu, kKey, L"Expand"));
    EXPECT_EQ(1002, reg.ReadString(kCu, kKey, L"Multi"));
    EXPECT_EQ(-1, reg.ReadString(kCu, kKey, L"Qword"));
    EXPECT_EQ(L"", TextOf(reg));
    // Read directly as another type, the data is refused and nothing is kept.
    EXPECT_EQ(-1, reg.QueryValueData(kCu, kKey, L"Expand", REG_SZ));
    EXPECT_EQ(nullptr, reg.GetData());
    EXPECT_EQ(-1, reg.QueryValueData(kCu, kKey, L"Dword", REG_DWORD));
    EXPECT_EQ(-1, reg.QueryDwordData(kCu, kKey, L"Dword", REG_SZ));
}

TEST_F(QmCRegRead, NoDataIsAnEmptyText)
{
    QmCReg reg;
    EXPECT_EQ(nullptr, reg.GetData());
    EXPECT_EQ(L"", TextOf(reg));
    wchar_t buffer[4] = {L'x', L'x', L'x', 0};
    EXPECT_EQ(0, reg.CopyDataTo(buffer, 4));
    EXPECT_EQ(L"", std::wstring(buffer));
    EXPECT_EQ(0, reg.CopyDataTo(nullptr, 4));
}

TEST_F(QmCRegRead, BinaryRoundTrip)
{
    const BYTE bytes[] = {0, 1, 2, 0xFF, 0};
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteBinary(kCu, kKey, L"Bytes", bytes, 5));
    EXPECT_EQ(0, reg.ReadBinary(kCu, kKey, L"Bytes"));
    ASSERT_EQ(5u, reg.GetDataSize());
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 5), std::vector<BYTE>(reg.GetData(), reg.GetData() + 5));
    EXPECT_EQ(REG_BINARY, reg.GetDataType());
    testreg::SetString(kCu, kKey, L"Text", L"x");
    EXPECT_EQ(1001, reg.ReadBinary(kCu, kKey, L"Text"));
}

TEST_F(QmCRegRead, ValueTypesAndTheirCodes)
{
    const BYTE data[8] = {};
    const struct {
        DWORD type;
        int code;
    } cases[] = {
        {REG_NONE, 1000}, {REG_SZ, 1001},     {REG_MULTI_SZ, 1002}, {REG_EXPAND_SZ, 1003},
        {REG_DWORD, 1004}, {REG_DWORD_BIG_ENDIAN, 1006}, {REG_BINARY, 1007}, {REG_LINK, 1008},
        {REG_RESOURCE_LIST, 1009}, {REG_FULL_RESOURCE_DESCRIPTOR, 0}, {REG_QWORD, 0},
    };
    QmCReg reg;
    for (const auto& c : cases) {
        testreg::SetRaw(kCu, kKey, L"Typed", c.type, data, 4);
        EXPECT_EQ(c.code, reg.QueryValueType(kCu, kKey, L"Typed")) << "type " << c.type;
        EXPECT_EQ(c.type, reg.GetDataType());
    }
    testreg::SetString(kCu, kKey, L"", L"default");
    EXPECT_EQ(1001, reg.QueryDefaultValueType(kCu, kKey));
    EXPECT_EQ(-104, reg.QueryValueType(kCu, kKey, L"Absent"));
    EXPECT_EQ(0, reg.QueryValueSize(kCu, kKey, L""));
    EXPECT_EQ(16u, reg.GetDataSize());
}

TEST(QmCRegResult, TypeCodesAreTheClosedRange1000To1009)
{
    QmCReg reg;
    EXPECT_FALSE(reg.IsTypeCode(999));
    EXPECT_TRUE(reg.IsTypeCode(1000));
    EXPECT_TRUE(reg.IsTypeCode(1009));
    EXPECT_FALSE(reg.IsTypeCode(1010));
    EXPECT_TRUE(reg.IsAccessDenied(-138));
    EXPECT_FALSE(reg.IsAccessDenied(ERROR_ACCESS_DENIED));  // only a refused key deletion
}

using QmCRegWrite = RegistryTest;

TEST_F(QmCRegWrite, DwordCreatesTheKeyThenOverwrites)
{
    RegistryInterceptor registry;
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteDword(kLm, L"Software\\Zentrak\\Deep\\Below", L"Flag", 1));
    EXPECT_TRUE(testreg::Get(kLm, L"Software\\Zentrak\\Deep\\Below", L"Flag").IsDword(1));
    EXPECT_EQ(0, reg.WriteDword(kLm, L"Software\\Zentrak\\Deep\\Below", L"Flag", 0xFFFFFFFF));
    EXPECT_TRUE(testreg::Get(kLm, L"Software\\Zentrak\\Deep\\Below", L"Flag").IsDword(0xFFFFFFFF));
    EXPECT_EQ(1, testreg::ValueCount(kLm, L"Software\\Zentrak\\Deep\\Below"));
    int creates = 0;
    for (const auto& call : registry.Calls())
        if (call.function == "CreateKey") {
            ++creates;
            EXPECT_EQ(DWORD(REG_OPTION_NON_VOLATILE), call.flags);
        }
    EXPECT_EQ(1, creates);
}

TEST_F(QmCRegWrite, StringStoresItsTerminator)
{
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteString(kCu, kKey, L"Text", L"abc"));
    testreg::Value value = testreg::Get(kCu, kKey, L"Text");
    EXPECT_EQ(DWORD(REG_SZ), value.type);
    EXPECT_EQ(8u, value.data.size());
    EXPECT_TRUE(value.IsString(L"abc"));

    EXPECT_EQ(0, reg.WriteString(kCu, kKey, L"", L""));
    value = testreg::Get(kCu, kKey, L"");
    EXPECT_EQ(DWORD(REG_SZ), value.type);
    EXPECT_EQ(std::vector<BYTE>(2, 0), value.data);

    EXPECT_EQ(-1, reg.WriteString(kCu, kKey, L"Null", nullptr));
    EXPECT_FALSE(testreg::ValueExists(kCu, kKey, L"Null"));
}

TEST_F(QmCRegWrite, BinaryCopyAndNullData)
{
    const BYTE bytes[] = {9, 8, 7};
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteBinaryCopy(kCu, kKey, L"Copy", 3, bytes));
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 3), testreg::Get(kCu, kKey, L"Copy").data);
    EXPECT_EQ(-1, reg.WriteBinaryCopy(kCu, kKey, L"Null", 3, nullptr));
    EXPECT_EQ(-1, reg.WriteBinary(kCu, kKey, L"Null", nullptr, 3));
    EXPECT_FALSE(testreg::ValueExists(kCu, kKey, L"Null"));
    EXPECT_EQ(0, reg.WriteBinary(kCu, kKey, L"Empty", nullptr, 0));
    EXPECT_TRUE(testreg::Get(kCu, kKey, L"Empty").data.empty());
}

TEST_F(QmCRegWrite, CreateKeyOnlyWhereThereIsNone)
{
    QmCReg reg;
    EXPECT_EQ(0, reg.CreateKey(kCu, L"Software\\Zentrak\\New\\Nested"));
    EXPECT_TRUE(testreg::KeyExists(kCu, L"Software\\Zentrak\\New\\Nested"));
    testreg::SetDword(kCu, kKey, L"Kept", 5);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    EXPECT_EQ(-140, reg.CreateKey(kCu, kKey));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

using QmCRegDelete = RegistryTest;

TEST_F(QmCRegDelete, ValueReportsAMissingKeyFirst)
{
    QmCReg reg;
    EXPECT_EQ(-103, reg.DeleteValue(kCu, L"Software\\Nowhere", L"Flag"));
    testreg::CreateKey(kCu, kKey);
    EXPECT_EQ(-104, reg.DeleteValue(kCu, kKey, L"Flag"));
    testreg::SetDword(kCu, kKey, L"Flag", 1);
    testreg::SetDword(kCu, kKey, L"Other", 1);
    EXPECT_EQ(0, reg.DeleteValue(kCu, kKey, L"Flag"));
    EXPECT_FALSE(testreg::ValueExists(kCu, kKey, L"Flag"));
    EXPECT_TRUE(testreg::ValueExists(kCu, kKey, L"Other"));
}

TEST_F(QmCRegDelete, KeysByWhatTheyHold)
{
    enum Content { kEmpty, kOneNamed, kTwoValues, kEmptyDefault, kDefaultWithText, kDwordDefault, kSubKey, kMissing };
    struct Case {
        const char* what;
        Content content;
        int deleteKey, atMostOne, ifEmpty;  // results of the three deletions
    } cases[] = {
        {"no values", kEmpty, 0, 0, 0},
        {"one named value", kOneNamed, -139, 0, -139},
        {"two values", kTwoValues, -139, -139, -139},
        {"an empty default value", kEmptyDefault, -139, 0, 0},
        {"a default value with text", kDefaultWithText, -139, 0, -142},
        {"a DWORD default value", kDwordDefault, -139, 0, 1004},
        {"a sub-key", kSubKey, -138, -138, -138},
        {"missing", kMissing, -103, -103, -103},
    };
    for (const Case& c : cases) {
        for (int operation = 0; operation < 3; ++operation) {
            SCOPED_TRACE(std::string(c.what) + ", deletion " + std::to_string(operation));
            const std::wstring path = L"Software\\Zentrak\\Del" + std::to_wstring(&c - cases) + L"_" +
                                      std::to_wstring(operation);
            switch (c.content) {
            case kEmpty: testreg::CreateKey(kCu, path); break;
            case kOneNamed: testreg::SetDword(kCu, path, L"A", 1); break;
            case kTwoValues: testreg::SetDword(kCu, path, L"A", 1); testreg::SetDword(kCu, path, L"B", 1); break;
            case kEmptyDefault: testreg::SetString(kCu, path, L"", L""); break;
            case kDefaultWithText: testreg::SetString(kCu, path, L"", L"text"); break;
            case kDwordDefault: testreg::SetDword(kCu, path, L"", 0); break;
            case kSubKey: testreg::CreateKey(kCu, path + L"\\Child"); break;
            case kMissing: break;
            }
            QmCReg reg;
            const int expected[] = {c.deleteKey, c.atMostOne, c.ifEmpty};
            const int result = operation == 0   ? reg.DeleteKey(kCu, path.c_str())
                               : operation == 1 ? reg.DeleteKeyIfAtMostOneValue(kCu, path.c_str())
                                                : reg.DeleteKeyIfEmpty(kCu, path.c_str());
            EXPECT_EQ(expected[operation], result);
            EXPECT_EQ(result != 0 && c.content != kMissing, testreg::KeyExists(kCu, path));
        }
    }
}

TEST_F(QmCRegDelete, AnEmptyPathNeverNamesTheRoot)
{
    testreg::CreateKey(kCu, kKey);
    QmCReg reg;
    EXPECT_EQ(-1, reg.DeleteKey(kCu, L""));
    EXPECT_EQ(-1, reg.DeleteKeyIfAtMostOneValue(kCu, nullptr));
    EXPECT_EQ(-1, reg.DeleteKeyIfEmpty(kCu, L""));
    EXPECT_TRUE(testreg::KeyExists(kCu, kKey));
}

using QmCRegKeys = RegistryTest;

TEST_F(QmCRegKeys, InformationAndExistence)
{
    testreg::SetDword(kCu, kKey, L"A", 1);
    testreg::SetString(kCu, kKey, L"LongerName", L"0123456789");
    testreg::CreateKey(kCu, std::wstring(kKey) + L"\\Sub");
    testreg::CreateKey(kCu, std::wstring(kKey) + L"\\LongerSub");
    QmCReg reg;
    EXPECT_EQ(0, reg.QueryValueCount(kCu, kKey));
    EXPECT_EQ(2u, reg.GetValueCount());
    EXPECT_EQ(0, reg.QuerySubKeyCount(kCu, kKey));
    EXPECT_EQ(2u, reg.GetSubKeyCount());
    EXPECT_EQ(0, reg.QueryMaxSubKeyLength(kCu, kKey));
    EXPECT_EQ(9u, reg.GetMaxSubKeyLength());
    EXPECT_EQ(0, reg.QueryMaxValueNameLength(kCu, kKey));
    EXPECT_EQ(10u, reg.GetMaxValueNameLength());
    EXPECT_EQ(0, reg.QueryMaxValueLength(kCu, kKey));
    EXPECT_EQ(22u, reg.GetMaxValueLength());
    EXPECT_EQ(0, reg.QuerySecurityDescriptorSize(kCu, kKey));
    EXPECT_EQ(-103, reg.QueryValueCount(kCu, L"Software\\Nowhere"));
    EXPECT_EQ(0u, reg.GetReservedCount());

    EXPECT_EQ(1, reg.KeyExists(kCu, kKey));
    EXPECT_EQ(0, reg.KeyExists(kCu, L"Software\\Nowhere"));
    EXPECT_EQ(1, reg.ValueExists(kCu, kKey, L"LongerName"));
    EXPECT_EQ(DWORD(REG_SZ), reg.GetDataType());
    EXPECT_EQ(0, reg.ValueExists(kCu, kKey, L"Absent"));
    EXPECT_EQ(0, reg.ValueExists(kCu, L"Software\\Nowhere", L"A"));
}

TEST_F(QmCRegKeys, ExplicitOpenAndClose)
{
    testreg::CreateKey(kCu, kKey);
    QmCReg reg;
    EXPECT_EQ(0, reg.Close());  // nothing open
    EXPECT_EQ(ERROR_INVALID_HANDLE, reg.Flush());
    EXPECT_EQ(0, reg.OpenRead(kCu, kKey));
    EXPECT_NE(nullptr, reg.GetOpenKey());
    EXPECT_EQ(0, reg.Flush());
    EXPECT_EQ(0, reg.OpenFullAccess(kCu, kKey));  // replaces the key it held
    EXPECT_EQ(0, RegSetValueExW(reg.GetOpenKey(), L"ByHand", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4));
    EXPECT_EQ(0, reg.Close());
    EXPECT_EQ(nullptr, reg.GetOpenKey());
    EXPECT_TRUE(testreg::Get(kCu, kKey, L"ByHand").IsString(L"x"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.OpenReadWrite(kCu, L"Software\\Nowhere"));
    EXPECT_EQ(nullptr, reg.GetOpenKey());
}

// Counts the keys the registry classes hold open, and fails the n-th registry call.
class KeyLedger : public RegistryInterceptor {
public:
    int open = 0;
    LONG OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key) override
    {
        const LONG result = RegistryInterceptor::OpenKey(root, path, access, key);
        open += result == ERROR_SUCCESS;
        return result;
    }
    LONG CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                   DWORD* disposition) override
    {
        const LONG result = RegistryInterceptor::CreateKey(root, path, options, access, key, disposition);
        open += result == ERROR_SUCCESS;
        return result;
    }
    LONG CloseKey(HKEY key) override
    {
        const LONG result = RegistryInterceptor::CloseKey(key);
        open -= result == ERROR_SUCCESS;
        return result;
    }
};

// Each case runs in a sandbox of its own.
TEST(QmCRegClosing, EveryPathClosesWhatItOpened)
{
    struct Operation {
        const char* name;
        int (*run)(QmCReg&);
    } operations[] = {
        {"ReadDword", [](QmCReg& r) { return r.ReadDword(kCu, kKey, L"Dword"); }},
        {"ReadString", [](QmCReg& r) { return r.ReadString(kCu, kKey, L"Text"); }},
        {"ReadBinary", [](QmCReg& r) { return r.ReadBinary(kCu, kKey, L"Bytes"); }},
        {"WriteDword", [](QmCReg& r) { return r.WriteDword(kCu, L"Software\\Zentrak\\Fresh", L"D", 1); }},
        {"WriteString", [](QmCReg& r) { return r.WriteString(kCu, kKey, L"Text", L"new"); }},
        {"CreateKey", [](QmCReg& r) { return r.CreateKey(kCu, L"Software\\Zentrak\\Made"); }},
        {"DeleteValue", [](QmCReg& r) { return r.DeleteValue(kCu, kKey, L"Dword"); }},
        {"DeleteKeyIfEmpty", [](QmCReg& r) { return r.DeleteKeyIfEmpty(kCu, L"Software\\Zentrak\\Default"); }},
        {"DeleteKey", [](QmCReg& r) { return r.DeleteKey(kCu, L"Software\\Zentrak\\Empty"); }},
        {"QueryMaxValueLength", [](QmCReg& r) { return r.QueryMaxValueLength(kCu, kKey); }},
        {"OpenRead", [](QmCReg& r) { return r.OpenRead(kCu, kKey); }},
    };
    const BYTE bytes[] = {1, 2};
    for (const Operation& operation : operations) {
        // A clean run counts the registry calls, then each of them fails once in turn.
        for (size_t failAt = 0;; ++failAt) {
            SCOPED_TRACE(std::string(operation.name) + ", call " + std::to_string(failAt) + " fails");
            RegistrySandbox sandbox;
            ASSERT_TRUE(sandbox.IsReady());
            testreg::SetDword(kCu, kKey, L"Dword", 1);
            testreg::SetString(kCu, kKey, L"Text", L"old");
            testreg::SetRaw(kCu, kKey, L"Bytes", REG_BINARY, bytes, 2);
            testreg::SetString(kCu, L"Software\\Zentrak\\Default", L"", L"");
            testreg::CreateKey(kCu, L"Software\\Zentrak\\Empty");
            KeyLedger ledger;
            size_t calls = 0;
            ledger.SetRule([&](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
                if (call.function != "CloseKey" && calls++ == failAt)
                    return ERROR_KEY_DELETED;
                return std::nullopt;
            });
            {
                QmCReg reg;
                operation.run(reg);
            }
            EXPECT_EQ(0, ledger.open) << "keys left open";
            if (calls <= failAt)
                break;  // every call has failed once
        }
    }
}

}  // namespace
