#include "model/TweakRead.h"
#include "tests/model/TweakModelFixture.h"
#include "tests/support/RegistryInterceptor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const wchar_t kKey[] = L"Software\\ZentrakTest";
const HKEY kCu = HKEY_CURRENT_USER;
const HKEY kLm = HKEY_LOCAL_MACHINE;

using ReadHelpers = TweakModelTest;

// A value as a case arranges it.
enum class Stored { Equal, Different, ValueMissing, KeyMissing, WrongType, Unreadable };

// Arranges the value the helpers read, a DWORD whose on value is 7 or a text whose on text is
// "Y", and returns its name. The value named "Locked" is seen, but its data cannot be read.
const wchar_t* Arrange(Stored stored, bool text)
{
    const wchar_t* name = stored == Stored::Unreadable ? L"Locked" : L"V";
    auto put = [&](bool asText, bool on) {
        if (asText)
            testreg::SetString(kCu, kKey, name, on ? L"Y" : L"other");
        else
            testreg::SetDword(kCu, kKey, name, on ? 7 : 8);
    };
    switch (stored) {
    case Stored::Equal: case Stored::Unreadable: put(text, true); break;
    case Stored::Different: put(text, false); break;
    case Stored::ValueMissing: testreg::SetDword(kCu, kKey, L"Other", 7); break;
    case Stored::KeyMissing: break;
    case Stored::WrongType: put(!text, true); break;
    }
    return name;
}

TEST_F(ReadHelpers, ChecksPlainAndDefaultOn)
{
    const struct {
        const char* what;
        Stored stored;
        int state;
        int plainCheck;      // what the plain form shows
        int defaultOnCheck;  // what the default-on form shows
    } cases[] = {
        {"equal", Stored::Equal, 1, 1, 1},
        {"different", Stored::Different, 0, 0, 0},
        {"value missing", Stored::ValueMissing, -2, 0, 1},
        {"key missing", Stored::KeyMissing, -2, 0, 1},
        {"wrong type", Stored::WrongType, -1, 0, 1},
        {"unreadable", Stored::Unreadable, -1, 0, 1},
    };
    RegistryInterceptor registry;
    registry.SetRule([](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
        if (call.function == "QueryValue" && call.name == L"Locked" && call.readsData)
            return ERROR_ACCESS_DENIED;
        return std::nullopt;
    });
    for (bool text : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(text ? "text, " : "DWORD, ") + c.what);
            const wchar_t* name = Arrange(c.stored, text);
            list_.CheckItem(0);
            list_.UncheckItem(1);
            EXPECT_EQ(c.state, text ? ReadStringCheck(list_, 0, kRootCurrentUser, kKey, name, "Y")
                                    : ReadDwordCheck(list_, 0, kRootCurrentUser, kKey, name, 7));
            EXPECT_EQ(c.state, text ? ReadStringCheckDefaultOn(list_, 1, kRootCurrentUser, kKey, name, "Y")
                                    : ReadDwordCheckDefaultOn(list_, 1, kRootCurrentUser, kKey, name, 7));
            EXPECT_EQ(c.plainCheck, list_.GetItemCheck(0));
            EXPECT_EQ(c.defaultOnCheck, list_.GetItemCheck(1));
            RegDeleteKeyW(kCu, kKey);
        }
    }
}

TEST_F(ReadHelpers, TextsCompareIgnoringCaseButNotAsNumbers)
{
    testreg::SetString(kCu, kKey, L"Case", L"y");
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
    const struct {
        std::function<void()> arrange;
        int state;
        const char* what;
    } cases[] = {
        {[] { testreg::SetDword(kCu, kKey, L"A", 1); testreg::SetDword(kLm, kKey, L"B", 2); }, 1, "both on"},
        {[] { testreg::SetDword(kLm, kKey, L"B", 0); }, 0, "one off"},
        {[] { RegDeleteKeyW(kLm, kKey); }, -2, "one missing"},
        {[] { testreg::SetString(kLm, kKey, L"B", L"2"); }, -1, "one of another type"},
    };
    for (const auto& c : cases) {
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
    const struct {
        int machine;  // -1 absent, -2 a REG_SZ
        DWORD user;
        int check;
    } cases[] = {{1, 0, 1}, {0, 1, 0}, {-1, 1, 1}, {-2, 1, 1}, {-2, 0, 0}};
    for (const auto& c : cases) {
        RegDeleteKeyW(kLm, kKey);
        if (c.machine >= 0)
            testreg::SetDword(kLm, kKey, L"P", c.machine);
        if (c.machine == -2)
            testreg::SetString(kLm, kKey, L"P", L"1");
        testreg::SetDword(kCu, kKey, L"P", c.user);
        ReadPolicyPairCheck(list_, 0, machine, user);
        EXPECT_EQ(c.check, list_.GetItemCheck(0)) << "machine " << c.machine << ", user " << c.user;
    }
}

TEST_F(ReadHelpers, ChoicesOverOneToThreePlaces)
{
    const uint32_t choices[] = {10, 20, 30};
    testreg::SetDword(kCu, kKey, L"C", 20);
    EXPECT_EQ(1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));
    testreg::SetDword(kCu, kKey, L"C", 25);
    EXPECT_EQ(-1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));
    EXPECT_EQ(-2, ReadDwordChoice(kRootCurrentUser, kKey, L"Gone", choices, 3));
    testreg::SetString(kCu, kKey, L"C", L"20");
    EXPECT_EQ(-1, ReadDwordChoice(kRootCurrentUser, kKey, L"C", choices, 3));

    const wchar_t* const texts[] = {L"500", L"1000", L"2000"};
    const RegPlace places[] = {{kRootCurrentUser, kKey, L"T"}, {kRootUsers, kKey, L"T"}, {kRootLocalMachine, kKey, L"T"}};
    testreg::SetString(kCu, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadStringChoice(places, 1, texts, 3));
    EXPECT_EQ(-1, ReadStringChoice(places, 2, texts, 3)) << "the second place is missing";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"2000");
    EXPECT_EQ(-1, ReadStringChoice(places, 2, texts, 3)) << "the places disagree";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"1000");
    testreg::SetString(kLm, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadStringChoice(places, 3, texts, 3));
    testreg::SetString(kCu, kKey, L"T", L"750");
    EXPECT_EQ(-1, ReadStringChoice(places, 3, texts, 3)) << "no text equals the first place";

    EXPECT_EQ(3, CombineChoices(3, 3));
    EXPECT_EQ(-1, CombineChoices(8, 8));
    EXPECT_EQ(7, CombineChoices(7, 7, 7));
    EXPECT_EQ(-1, CombineChoices(7, 7, 6));
}

TEST_F(ReadHelpers, PerUserChoiceFallsBackToTheMachine)
{
    const wchar_t* const texts[] = {L"a", L"b"};
    EXPECT_EQ(-1, ReadStringChoiceUser(kKey, L"U", texts, 2));
    testreg::SetString(kLm, kKey, L"U", L"B");
    EXPECT_EQ(1, ReadStringChoiceUser(kKey, L"U", texts, 2));
    testreg::SetString(kCu, kKey, L"U", L"a");
    EXPECT_EQ(0, ReadStringChoiceUser(kKey, L"U", texts, 2));
}

TEST_F(ReadHelpers, PlainValueReadsResetTheirOutputs)
{
    DWORD number = 99;
    QmWString text(L"stale");
    EXPECT_EQ(kValueMissing, ReadDwordValue(number, kRootCurrentUser, kKey, L"N"));
    EXPECT_EQ(0u, number);
    testreg::SetString(kCu, kKey, L"N", L"5");
    testreg::SetDword(kCu, kKey, L"S", 0xFFFFFFFFu);
    number = 99;
    EXPECT_EQ(kValueFailed, ReadDwordValue(number, kRootCurrentUser, kKey, L"N"));
    EXPECT_EQ(0u, number);
    EXPECT_EQ(kValueFailed, ReadStringValue(text, kRootCurrentUser, kKey, L"S"));
    EXPECT_STREQ(L"", text.CStr());
    EXPECT_EQ(kValueRead, ReadDwordValue(number, kRootCurrentUser, kKey, L"S"));
    EXPECT_EQ(0xFFFFFFFFu, number);
    int exists = -5;
    EXPECT_EQ(-1, ReadKeyExists(exists, kRootClassesRoot, L"NoSuchKey"));
    EXPECT_EQ(0, exists);
}

}  // namespace
