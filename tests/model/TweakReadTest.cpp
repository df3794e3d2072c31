#include "model/PageRows.h"
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

const DwordToggle kNumbers[] = {{0, "", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"V", 0, 7},
                                 {0, "", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"Locked", 0, 7}};
const StringToggle kTexts[] = {{0, "", REG_SZ, kRootCurrentUser, L"Software\\ZentrakTest", L"V", "", "Y"},
                               {0, "", REG_SZ, kRootCurrentUser, L"Software\\ZentrakTest", L"Locked", "", "Y"}};
const SystemFacts kWin7 = {950, kOsWindows7, 8, 1, -1};

bool RowReads(RowKind kind, bool text, bool locked)
{
    const RowValue value = text ? Sz(kTexts[locked]) : Dw(kNumbers[locked]);
    return ReadCheckRow(CheckRow{{""}, 0, kind, {value}}, nullptr, kWin7);
}

TEST_F(ReadHelpers, ChecksPlainAndDefaultOn)
{
    const struct {
        const char* what;
        Stored stored;
        int state;
        bool plainCheck;      // what a plain row shows
        bool defaultOnCheck;  // what a default-on row shows
    } cases[] = {
        {"equal", Stored::Equal, 1, true, true},
        {"different", Stored::Different, 0, false, false},
        {"value missing", Stored::ValueMissing, -2, false, true},
        {"key missing", Stored::KeyMissing, -2, false, true},
        {"wrong type", Stored::WrongType, -1, false, true},
        {"unreadable", Stored::Unreadable, -1, false, true},
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
            const bool locked = c.stored == Stored::Unreadable;
            EXPECT_EQ(c.state, text ? ReadStringState(kRootCurrentUser, kKey, name, "Y")
                                    : ReadDwordState(kRootCurrentUser, kKey, name, 7));
            EXPECT_EQ(c.plainCheck, RowReads(RowKind::Values, text, locked));
            EXPECT_EQ(c.plainCheck, RowReads(RowKind::FirstValue, text, locked));
            EXPECT_EQ(c.defaultOnCheck, RowReads(RowKind::DefaultOn, text, locked));
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
        EXPECT_EQ(c.state, ReadStringState(kRootUsers, kKey, L"Keys", "2147483648"))
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
        EXPECT_EQ(c.state, ReadDwordsState(both, 2)) << c.what;
        EXPECT_EQ(c.state == 1, ReadCheckRow(CheckRow{{""}, 0, RowKind::Values, {Dw(a), Dw(b)}}, nullptr, kWin7))
            << c.what;
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
        EXPECT_EQ(c.check == 1, ReadCheckRow(CheckRow{{""}, 0, RowKind::PolicyPair, {Dw(machine), Dw(user)}}, nullptr, kWin7))
            << "machine " << c.machine << ", user " << c.user;
    }
}

// A choice row over one to three places, its numbers kept as DWORDs or as decimal texts.
ChoiceRow Choices(const ChoiceList& list, uint32_t type, int placeCount, ChoiceRead read = ChoiceRead::EveryPlace)
{
    ChoiceRow row = {0, 0, {""}, list, {}, WhenCleared::Leave};
    const uint32_t roots[] = {kRootCurrentUser, kRootUsers, kRootLocalMachine};
    for (int p = 0; p < placeCount; ++p)
        row.places[p] = RegPlace{roots[p], kKey, type == REG_SZ ? L"T" : L"C", type};
    row.read = read;
    return row;
}

TEST_F(ReadHelpers, ChoicesOverOneToThreePlaces)
{
    const ChoiceRun numbers[] = {Named("", 10), Named("", 20), Named("", 30)};
    const ChoiceRow dword = Choices(ListOf(numbers), REG_DWORD, 1);
    testreg::SetDword(kCu, kKey, L"C", 20);
    EXPECT_EQ(1, ReadChoiceRow(dword, kWin7));
    testreg::SetDword(kCu, kKey, L"C", 25);
    EXPECT_EQ(-1, ReadChoiceRow(dword, kWin7));
    testreg::SetString(kCu, kKey, L"C", L"20");
    EXPECT_EQ(-1, ReadChoiceRow(dword, kWin7)) << "a text is no DWORD";
    RegDeleteKeyW(kCu, kKey);
    EXPECT_EQ(-1, ReadChoiceRow(dword, kWin7));

    const ChoiceRun texts[] = {Named("", 500), Named("", 1000), Named("", 2000)};
    testreg::SetString(kCu, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadChoiceRow(Choices(ListOf(texts), REG_SZ, 1), kWin7));
    EXPECT_EQ(-1, ReadChoiceRow(Choices(ListOf(texts), REG_SZ, 2), kWin7)) << "the second place is missing";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"2000");
    EXPECT_EQ(-1, ReadChoiceRow(Choices(ListOf(texts), REG_SZ, 2), kWin7)) << "the places disagree";
    testreg::SetString(HKEY_USERS, kKey, L"T", L"1000");
    testreg::SetString(kLm, kKey, L"T", L"1000");
    EXPECT_EQ(1, ReadChoiceRow(Choices(ListOf(texts), REG_SZ, 3), kWin7));
    testreg::SetString(kCu, kKey, L"T", L"750");
    EXPECT_EQ(-1, ReadChoiceRow(Choices(ListOf(texts), REG_SZ, 3), kWin7)) << "no text equals the first place";
}

TEST_F(ReadHelpers, PerUserChoiceFallsBackToTheMachine)
{
    const ChoiceRun texts[] = {Named("", 1), Named("", 2)};
    const ChoiceRow row = Choices(ListOf(texts), REG_SZ, 1, ChoiceRead::UserOnVista7);
    EXPECT_EQ(-1, ReadChoiceRow(row, kWin7));
    testreg::SetString(kLm, kKey, L"T", L"2");
    EXPECT_EQ(1, ReadChoiceRow(row, kWin7));
    testreg::SetString(kCu, kKey, L"T", L"1");
    EXPECT_EQ(0, ReadChoiceRow(row, kWin7));
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
