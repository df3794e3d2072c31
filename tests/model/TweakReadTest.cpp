#include "model/TweakRead.h"
#include "tests/model/TweakModelFixture.h"
#include "tests/support/RegistryInterceptor.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const wchar_t kKey[] = L"Software\\ZentrakTest";

// A value as a case arranges it.
enum class Stored { Equal, Different, ValueMissing, KeyMissing, WrongType, Unreadable };
const char* Name(Stored s)
{
    const char* names[] = {"equal", "different", "value missing", "key missing", "wrong type", "unreadable"};
    return names[static_cast<int>(s)];
}

// The value named "Locked" is seen but its data cannot be read, as for a user without rights.
std::optional<LONG> DenyLocked(const RegistryInterceptor::Call& call)
{
    if (call.function == "QueryValue" && call.name == L"Locked" && call.readsData)
        return ERROR_ACCESS_DENIED;
    return std::nullopt;
}

class ReadHelpers : public TweakModelTest {
protected:
    // Arranges the DWORD value and returns the value name to read.
    const wchar_t* ArrangeDword(Stored stored, DWORD on)
    {
        switch (stored) {
        case Stored::Equal: testreg::SetDword(HKEY_CURRENT_USER, kKey, L"V", on); return L"V";
        case Stored::Different: testreg::SetDword(HKEY_CURRENT_USER, kKey, L"V", on + 1); return L"V";
        case Stored::ValueMissing: testreg::SetDword(HKEY_CURRENT_USER, kKey, L"Other", on); return L"V";
        case Stored::KeyMissing: return L"V";
        case Stored::WrongType: testreg::SetString(HKEY_CURRENT_USER, kKey, L"V", L"1"); return L"V";
        case Stored::Unreadable: testreg::SetDword(HKEY_CURRENT_USER, kKey, L"Locked", on); return L"Locked";
        }
        return L"V";
    }
    const wchar_t* ArrangeText(Stored stored, const wchar_t* on)
    {
        switch (stored) {
        case Stored::Equal: testreg::SetString(HKEY_CURRENT_USER, kKey, L"V", on); return L"V";
        case Stored::Different: testreg::SetString(HKEY_CURRENT_USER, kKey, L"V", L"other"); return L"V";
        case Stored::ValueMissing: testreg::SetString(HKEY_CURRENT_USER, kKey, L"Other", on); return L"V";
        case Stored::KeyMissing: return L"V";
        case Stored::WrongType: testreg::SetDword(HKEY_CURRENT_USER, kKey, L"V", 1); return L"V";
        case Stored::Unreadable: testreg::SetString(HKEY_CURRENT_USER, kKey, L"Locked", on); return L"Locked";
        }
        return L"V";
    }
};

struct CheckCase {
    Stored stored;
    int state;
    int plainCheck;      // what the plain form shows
    int defaultOnCheck;  // what the default-on form shows
};
const CheckCase kCheckCases[] = {
    {Stored::Equal, 1, 1, 1},        {Stored::Different, 0, 0, 0},   {Stored::ValueMissing, -2, 0, 1},
    {Stored::KeyMissing, -2, 0, 1},  {Stored::WrongType, -1, 0, 1},  {Stored::Unreadable, -1, 0, 1},
};

TEST_F(ReadHelpers, DwordChecksPlainAndDefaultOn)
{
    RegistryInterceptor registry;
    registry.SetRule(DenyLocked);
    for (const CheckCase& c : kCheckCases) {
        const wchar_t* name = ArrangeDword(c.stored, 7);
        list_.CheckItem(0);
        EXPECT_EQ(c.state, ReadDwordCheck(list_, 0, kRootCurrentUser, kKey, name, 7)) << Name(c.stored);
        EXPECT_EQ(c.plainCheck, list_.GetItemCheck(0)) << Name(c.stored);
        list_.UncheckItem(1);
        EXPECT_EQ(c.state, ReadDwordCheckDefaultOn(list_, 1, kRootCurrentUser, kKey, name, 7)) << Name(c.stored);
        EXPECT_EQ(c.defaultOnCheck, list_.GetItemCheck(1)) << Name(c.stored);
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    }
}

TEST_F(ReadHelpers, TextChecksPlainAndDefaultOn)
{
    RegistryInterceptor registry;
    registry.SetRule(DenyLocked);
    for (const CheckCase& c : kCheckCases) {
        const wchar_t* name = ArrangeText(c.stored, L"Y");
        list_.CheckItem(0);
        EXPECT_EQ(c.state, ReadStringCheck(list_, 0, kRootCurrentUser, kKey, name, "Y")) << Name(c.stored);
        EXPECT_EQ(c.plainCheck, list_.GetItemCheck(0)) << Name(c.stored);
        list_.UncheckItem(1);
        EXPECT_EQ(c.state, ReadStringCheckDefaultOn(list_, 1, kRootCurrentUser, kKey, name, "Y")) << Name(c.stored);
        EXPECT_EQ(c.defaultOnCheck, list_.GetItemCheck(1)) << Name(c.stored);
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    }
}

TEST_F(ReadHelpers, TextsCompareIgnoringCaseButNotAsNumbers)
{
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"Case", L"y");
    EXPECT_EQ(1, ReadStringState(kRootCurrentUser, kKey, L"Case", "Y"));
    struct Case {
        const wchar_t* stored;
        int state;
    };
    for (const Case& c : {Case{L"2147483648", 1}, Case{L"0x80000000", 0}, Case{L"80000000", 0}, Case{L"2147483648 ", 0}}) {
        testreg::SetString(HKEY_USERS, kKey, L"Keys", c.stored);
        EXPECT_EQ(c.state, ReadStringCheck(list_, 0, kRootUsers, kKey, L"Keys", "2147483648"))
            << testreg::Narrow(c.stored);
    }
}

TEST_F(ReadHelpers, SeveralValuesCheckOnlyWhenAllAreOn)
{
    const DwordToggle a = {0, "a", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"A", 0, 1};
    const DwordToggle b = {1, "b", REG_DWORD, kRootLocalMachine, L"Software\\ZentrakTest", L"B", 0, 2};
    const DwordToggle* both[] = {&a, &b};
    struct Case {
        std::function<void()> arrange;
        int state;
        const char* what;
    };
    const Case cases[] = {
        {[] { testreg::SetDword(HKEY_CURRENT_USER, kKey, L"A", 1); testreg::SetDword(HKEY_LOCAL_MACHINE, kKey, L"B", 2); }, 1, "both on"},
        {[] { testreg::SetDword(HKEY_LOCAL_MACHINE, kKey, L"B", 0); }, 0, "one off"},
        {[] { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }, -2, "one missing"},
        {[] { testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"B", L"2"); }, -1, "one of another type"},
    };
    for (const Case& c : cases) {
        c.arrange();
        list_.CheckItem(2);
        EXPECT_EQ(c.state, ReadDwordsCheck(list_, 2, both, 2)) << c.what;
        EXPECT_EQ(c.state == 1 ? 1 : 0, list_.GetItemCheck(2)) << c.what;
    }
}

TEST_F(ReadHelpers, AMachinePolicyWinsWhenItReads)
{
    const DwordToggle user = {0, "u", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"P", 0, 1};
    const DwordToggle machine = {0, "m", REG_DWORD, kRootLocalMachine, L"Software\\ZentrakTest", L"P", 0, 1};
    auto arrange = [](int machineKind, DWORD machineValue, DWORD userValue) {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey);
        if (machineKind == 1)
            testreg::SetDword(HKEY_LOCAL_MACHINE, kKey, L"P", machineValue);
        if (machineKind == 2)
            testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"P", L"1");
        testreg::SetDword(HKEY_CURRENT_USER, kKey, L"P", userValue);
    };
    arrange(1, 1, 0);
    ReadPolicyPairCheck(list_, 0, machine, user);
    EXPECT_EQ(1, list_.GetItemCheck(0)) << "machine 1, user 0";
    arrange(1, 0, 1);
    ReadPolicyPairCheck(list_, 0, machine, user);
    EXPECT_EQ(0, list_.GetItemCheck(0)) << "machine 0, user 1";
    arrange(0, 0, 1);
    ReadPolicyPairCheck(list_, 0, machine, user);
    EXPECT_EQ(1, list_.GetItemCheck(0)) << "machine absent, user 1";
    arrange(2, 0, 1);
    ReadPolicyPairCheck(list_, 0, machine, user);
    EXPECT_EQ(1, list_.GetItemCheck(0)) << "machine REG_SZ, user 1";
    arrange(2, 0, 0);
    ReadPolicyPairCheck(list_, 0, machine, user);
    EXPECT_EQ(0, list_.GetItemCheck(0)) << "machine REG_SZ, user 0";
}

TEST_F(ReadHelpers, ChoicesOverOneToThreePlaces)
{
    const uint32_t choices[] = {10, 20, 30};
    testreg::SetDword(HKEY_CURRENT_USER, kKey, L"C", 20);
    EXPECT_EQ(1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));
    testreg::SetDword(HKEY_CURRENT_USER, kKey, L"C", 25);
    EXPECT_EQ(-1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));
    EXPECT_EQ(-2, ReadDwordChoice(kRootCurrentUser, kKey, L"Gone", choices, 3));
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"C", L"20");
    EXPECT_EQ(-1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));

    const wchar_t* const texts[] = {L"500", L"1000", L"2000"};
    const RegPlace places[] = {{kRootCurrentUser, kKey, L"T"}, {kRootUsers, kKey, L"T"}, {kRootLocalMachine, kKey, L"T"}};
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadStringChoice(places, 1, texts, 3));
    EXPECT_EQ(-1, ReadStringChoice(places, 2, texts, 3)) << "the second place is missing";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"2000");
    EXPECT_EQ(-1, ReadStringChoice(places, 2, texts, 3)) << "the places disagree";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"1000");
    testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadStringChoice(places, 3, texts, 3));
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"T", L"750");
    EXPECT_EQ(-1, ReadStringChoice(places, 3, texts, 3)) << "no text equals the first place";

    EXPECT_EQ(3, CombineChoices(3, 3));
    EXPECT_EQ(-1, CombineChoices(3, 4));
    EXPECT_EQ(-1, CombineChoices(8, 8));
    EXPECT_EQ(-1, CombineChoices(-1, -1));
    EXPECT_EQ(7, CombineChoices(7, 7, 7));
    EXPECT_EQ(-1, CombineChoices(7, 7, 6));
}

TEST_F(ReadHelpers, PerUserChoiceFallsBackToTheMachine)
{
    const wchar_t* const texts[] = {L"a", L"b"};
    EXPECT_EQ(-1, ReadStringChoiceUser(kKey, L"U", texts, 2));
    testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"U", L"B");
    EXPECT_EQ(1, ReadStringChoiceUser(kKey, L"U", texts, 2));
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"U", L"a");
    EXPECT_EQ(0, ReadStringChoiceUser(kKey, L"U", texts, 2));
}

TEST_F(ReadHelpers, PlainValueReadsResetTheirOutputs)
{
    DWORD number = 99;
    QmWString text(L"stale");
    EXPECT_EQ(kValueMissing, ReadDwordValue(number, kRootCurrentUser, kKey, L"N"));
    EXPECT_EQ(0u, number);
    EXPECT_EQ(kValueMissing, ReadStringValue(text, kRootCurrentUser, kKey, L"S"));
    EXPECT_STREQ(L"", text.CStr());
    testreg::SetString(HKEY_CURRENT_USER, kKey, L"N", L"5");
    testreg::SetDword(HKEY_CURRENT_USER, kKey, L"S", 5);
    number = 99;
    EXPECT_EQ(kValueFailed, ReadDwordValue(number, kRootCurrentUser, kKey, L"N"));
    EXPECT_EQ(0u, number);
    EXPECT_EQ(kValueFailed, ReadStringValue(text, kRootCurrentUser, kKey, L"S"));
    testreg::SetDword(HKEY_CURRENT_USER, kKey, L"N", 0xFFFFFFFFu);
    EXPECT_EQ(kValueRead, ReadDwordValue(number, kRootCurrentUser, kKey, L"N"));
    EXPECT_EQ(0xFFFFFFFFu, number);

    int exists = -5;
    EXPECT_EQ(1, ReadKeyExists(exists, kRootCurrentUser, kKey));
    EXPECT_EQ(1, exists);
    EXPECT_EQ(-1, ReadKeyExists(exists, kRootClassesRoot, L"NoSuchKey"));
    EXPECT_EQ(0, exists);
}

}  // namespace
