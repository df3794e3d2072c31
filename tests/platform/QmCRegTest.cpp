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

std::wstring TextOf(const QmCReg& reg)
{
    QmOwnedWide text = reg.GetDataAsString();
    return text ? std::wstring(text.Get()) : std::wstring(L"(null)");
}

using QmCRegTest = RegistryTest;

// Every kind of value read as a DWORD, as a text and for its type code. A read refused for the
// type leaves the number of the read before; one refused for the size gives 0xFFFFFFFF, never
// a stale byte.
TEST_F(QmCRegTest, ReadsByWhatTheRegistryHolds)
{
    const BYTE bytes[8] = {0xFE, 0xFF, 0xFF, 0xFF, 5};
    struct Case {
        const char* what;
        DWORD type;
        const void* data;  // null: the value is not created
        DWORD size;
        int typeCode, dwordResult;
        DWORD number;  // GetDword afterwards
        int stringResult;
    } cases[] = {
        {"missing", REG_NONE, nullptr, 0, -104, -104, 77, -104},
        {"REG_DWORD", REG_DWORD, bytes, 4, 1004, 0, 0xFFFFFFFE, 1004},
        {"REG_DWORD of 3 bytes", REG_DWORD, bytes, 3, 1004, -1, 0xFFFFFFFF, 1004},
        {"REG_DWORD of 5 bytes", REG_DWORD, bytes, 5, 1004, -1, 0xFFFFFFFF, 1004},
        {"REG_SZ", REG_SZ, L"1", 4, 1001, 1001, 77, 0},
        {"REG_EXPAND_SZ", REG_EXPAND_SZ, L"%PATH%", 14, 1003, 1003, 77, 1003},
        {"REG_BINARY", REG_BINARY, bytes, 4, 1007, 1007, 77, 1007},
        {"REG_RESOURCE_LIST", REG_RESOURCE_LIST, bytes, 4, 1009, 1009, 77, 1009},
        // A type without a code: the type query succeeds, and no read may report success.
        {"REG_QWORD", REG_QWORD, bytes, 8, 0, -1, 77, -1},
    };
    testreg::SetDword(kCu, kKey, L"Before", 77);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring name = L"Case" + std::to_wstring(&c - cases);
        if (c.data)
            testreg::SetRaw(kCu, kKey, name, c.type, c.data, c.size);
        QmCReg reg;
        ASSERT_EQ(0, reg.ReadDword(kCu, kKey, L"Before"));
        EXPECT_EQ(c.dwordResult, reg.ReadDword(kCu, kKey, name.c_str()));
        EXPECT_EQ(c.number, reg.GetDword());
        EXPECT_EQ(c.typeCode, reg.QueryValueType(kCu, kKey, name.c_str()));
        if (c.data) {
            EXPECT_EQ(c.type, reg.GetDataType());
        }
        EXPECT_EQ(c.stringResult, reg.ReadString(kCu, kKey, name.c_str()));
    }
    QmCReg reg;
    EXPECT_EQ(-104, reg.ReadDword(kCu, L"Software\\Nowhere", L"Flag")) << "a missing key is a missing value";
    EXPECT_EQ(-104, reg.ReadString(kCu, L"Software\\Nowhere", L"Text"));
    // Data read directly as another type is refused, and nothing is kept.
    testreg::SetRaw(kCu, kKey, L"Expand", REG_EXPAND_SZ, L"%PATH%", 14);
    EXPECT_EQ(-1, reg.QueryValueData(kCu, kKey, L"Expand", REG_SZ));
    EXPECT_EQ(nullptr, reg.GetData());
}

TEST_F(QmCRegTest, StringsAreTakenWholeAndTerminated)
{
    const std::wstring longText = std::wstring(3000, L'x') + L"end";
    // RegSetValueExW adds a terminator when the character after the data is null; "Z" is not.
    const wchar_t unterminated[] = L"abcdZ";
    struct Case {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testreg::SetRaw(kCu, kKey, L"Text", REG_SZ, c.data, c.size);
        ASSERT_EQ(c.size, testreg::Get(kCu, kKey, L"Text").data.size()) << "the registry changed the stored size";
        QmCReg reg;
        EXPECT_EQ(0, reg.ReadString(kCu, kKey, L"Text"));
        EXPECT_EQ(c.text, TextOf(reg));
        wchar_t small[4];
        EXPECT_EQ(static_cast<int>(c.text.substr(0, 3).size()), reg.CopyDataTo(small, 4));
        EXPECT_EQ(c.text.substr(0, 3), std::wstring(small));
        ASSERT_NE(nullptr, reg.GetData());
        // Read as a C string, the raw data ends within the value, whatever the registry stored.
        EXPECT_LE(wcslen(reinterpret_cast<const wchar_t*>(reg.GetData())), (c.size + 1) / 2);
    }
}

TEST_F(QmCRegTest, WritesCreateTheirKeyOnceAndStoreTheTerminator)
{
    const wchar_t deep[] = L"Software\\Zentrak\\Deep\\Below";
    RegistryInterceptor registry;
    QmCReg reg;
    EXPECT_EQ(0, reg.WriteDword(kCu, deep, L"Flag", 1));
    EXPECT_EQ(0, reg.WriteDword(kCu, deep, L"Flag", 0xFFFFFFFF));
    EXPECT_TRUE(testreg::Get(kCu, deep, L"Flag").IsDword(0xFFFFFFFF));
    EXPECT_EQ(0, reg.WriteString(kCu, deep, L"Text", L"abc"));
    const testreg::Value text = testreg::Get(kCu, deep, L"Text");
    EXPECT_TRUE(text.IsString(L"abc"));
    EXPECT_EQ(8u, text.data.size()) << "three characters and the terminator";
    EXPECT_EQ(0, reg.WriteString(kCu, deep, L"", L""));
    EXPECT_EQ(std::vector<BYTE>(2, 0), testreg::Get(kCu, deep, L"").data) << "an empty text keeps its terminator";
    EXPECT_EQ(-1, reg.WriteString(kCu, deep, L"Null", nullptr));
    EXPECT_EQ(3, testreg::ValueCount(kCu, deep));
    int creates = 0;
    for (const auto& call : registry.Calls())
        if (call.function == "CreateKey") {
            ++creates;
            EXPECT_EQ(DWORD(REG_OPTION_NON_VOLATILE), call.flags) << "a volatile key is gone after a restart";
        }
    EXPECT_EQ(1, creates);

    const testreg::Snapshot before = testreg::TakeSnapshot();
    EXPECT_EQ(-140, reg.CreateKey(kCu, deep));
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
}

TEST_F(QmCRegTest, DeleteValueReportsAMissingKeyFirst)
{
    QmCReg reg;
    EXPECT_EQ(-103, reg.DeleteValue(kCu, L"Software\\Nowhere", L"Flag"));
    testreg::SetDword(kCu, kKey, L"Other", 1);
    EXPECT_EQ(-104, reg.DeleteValue(kCu, kKey, L"Flag"));
    testreg::SetDword(kCu, kKey, L"Flag", 1);
    EXPECT_EQ(0, reg.DeleteValue(kCu, kKey, L"Flag"));
    EXPECT_FALSE(testreg::ValueExists(kCu, kKey, L"Flag"));
    EXPECT_TRUE(testreg::ValueExists(kCu, kKey, L"Other"));
}

TEST_F(QmCRegTest, KeysAreDeletedByWhatTheyHold)
{
    enum Content { kEmpty, kOneNamed, kTwoValues, kEmptyDefault, kTextDefault, kDwordDefault, kSubKey, kMissing, kRoot };
    struct Case {
        const char* what;
        Content content;
        int deleteKey, atMostOne, ifEmpty;  // results of the three deletions
    } cases[] = {
        {"no values", kEmpty, 0, 0, 0},
        {"one named value", kOneNamed, -139, 0, -139},
        {"two values", kTwoValues, -139, -139, -139},
        {"an empty default value", kEmptyDefault, -139, 0, 0},
        {"a default value with text", kTextDefault, -139, 0, -142},
        {"a DWORD default value", kDwordDefault, -139, 0, 1004},
        {"a sub-key", kSubKey, -138, -138, -138},
        {"missing", kMissing, -103, -103, -103},
        {"an empty path, which would name the root", kRoot, -1, -1, -1},
    };
    for (const Case& c : cases) {
        for (int operation = 0; operation < 3; ++operation) {
            SCOPED_TRACE(std::string(c.what) + ", deletion " + std::to_string(operation));
            const std::wstring path = c.content == kRoot ? L""
                                                         : L"Software\\Zentrak\\Del" + std::to_wstring(&c - cases) +
                                                               L"_" + std::to_wstring(operation);
            switch (c.content) {
            case kEmpty: testreg::CreateKey(kCu, path); break;
            case kOneNamed: testreg::SetDword(kCu, path, L"A", 1); break;
            case kTwoValues: testreg::SetDword(kCu, path, L"A", 1); testreg::SetDword(kCu, path, L"B", 1); break;
            case kEmptyDefault: testreg::SetString(kCu, path, L"", L""); break;
            case kTextDefault: testreg::SetString(kCu, path, L"", L"text"); break;
            case kDwordDefault: testreg::SetDword(kCu, path, L"", 0); break;
            case kSubKey: testreg::CreateKey(kCu, path + L"\\Child"); break;
            default: break;
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

TEST_F(QmCRegTest, KeyInformationAndExistence)
{
    testreg::SetString(kCu, kKey, L"LongerName", L"0123456789");
    testreg::CreateKey(kCu, std::wstring(kKey) + L"\\Sub");
    QmCReg reg;
    // Each query fills its own number.
    EXPECT_EQ(0, reg.QuerySubKeyCount(kCu, kKey) | reg.QueryMaxValueLength(kCu, kKey));
    EXPECT_EQ(1u, reg.GetSubKeyCount());
    EXPECT_EQ(22u, reg.GetMaxValueLength());
    EXPECT_EQ(0u, reg.GetValueCount());
    EXPECT_EQ(1, reg.KeyExists(kCu, kKey));
    EXPECT_EQ(0, reg.KeyExists(kCu, L"Software\\Nowhere"));
    EXPECT_EQ(1, reg.ValueExists(kCu, kKey, L"LongerName"));
    EXPECT_EQ(DWORD(REG_SZ), reg.GetDataType());
    EXPECT_EQ(0, reg.ValueExists(kCu, kKey, L"Absent"));
}

// Counts the keys the registry classes hold open.
class KeyLedger : public RegistryInterceptor {
public:
    int open = 0;
    LONG OpenKey(HKEY root, const wchar_t* path, REGSAM access, HKEY* key) override
    {
        return Count(RegistryInterceptor::OpenKey(root, path, access, key), 1);
    }
    LONG CreateKey(HKEY root, const wchar_t* path, DWORD options, REGSAM access, HKEY* key,
                   DWORD* disposition) override
    {
        return Count(RegistryInterceptor::CreateKey(root, path, options, access, key, disposition), 1);
    }
    LONG CloseKey(HKEY key) override { return Count(RegistryInterceptor::CloseKey(key), -1); }

private:
    LONG Count(LONG result, int change)
    {
        open += result == ERROR_SUCCESS ? change : 0;
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
        {"DeleteValue", [](QmCReg& r) { return r.DeleteValue(kCu, kKey, L"Dword"); }},
        {"DeleteKeyIfEmpty", [](QmCReg& r) { return r.DeleteKeyIfEmpty(kCu, L"Software\\Zentrak\\Default"); }},
        {"QueryMaxValueLength", [](QmCReg& r) { return r.QueryMaxValueLength(kCu, kKey); }},
        {"OpenRead twice", [](QmCReg& r) { return r.OpenRead(kCu, kKey) | r.OpenRead(kCu, kKey); }},
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
