// How the read helpers turn registry data into a row's state, the cases no page's rows reach
// (unreadable data, a text policy, stale outputs); and a text record without its terminator.
#include "model/PageRows.h"
#include "model/ShowText.h"
#include "model/TweakRead.h"
#include "platform/QmCReg.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/RegistrySandbox.h"

#include <cstring>
#include <string>

namespace {

const wchar_t kKey[] = L"Software\\ZentrakTest";
const HKEY kCu = HKEY_CURRENT_USER;
const SystemFacts kWin7 = {950, kOsWindows7, 8, 1, -1};

using ReadHelpers = RegistryTest;

// A DWORD whose on value is 7 and a text whose on text is "Y", as a plain and a default-on row.
// The value named "Locked" is seen, but its data cannot be read.
TEST_F(ReadHelpers, RowsArePlainOrDefaultOn)
{
    enum class Stored { Equal, Different, ValueMissing, KeyMissing, WrongType, Unreadable };
    // what  registry  state  plain row  default-on row
    const struct {
        const char* what;
        Stored stored;
        int state;
        bool plainCheck, defaultOnCheck;
    } cases[] = {
        {"equal", Stored::Equal, 1, true, true},
        {"different", Stored::Different, 0, false, false},
        {"value missing", Stored::ValueMissing, -2, false, true},
        {"key missing", Stored::KeyMissing, -2, false, true},
        {"wrong type", Stored::WrongType, -1, false, true},
        {"unreadable", Stored::Unreadable, -1, false, true},
    };
    const DwordToggle numbers[] = {{0, "", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"V", 0, 7},
                                   {0, "", REG_DWORD, kRootCurrentUser, L"Software\\ZentrakTest", L"Locked", 0, 7}};
    const StringToggle texts[] = {{0, "", REG_SZ, kRootCurrentUser, L"Software\\ZentrakTest", L"V", "", "Y"},
                                  {0, "", REG_SZ, kRootCurrentUser, L"Software\\ZentrakTest", L"Locked", "", "Y"}};
    RegistryInterceptor registry;
    registry.SetRule([](const RegistryInterceptor::Call& call) -> std::optional<LONG> {
        if (call.function == "QueryValue" && call.name == L"Locked" && call.readsData)
            return ERROR_ACCESS_DENIED;
        return std::nullopt;
    });
    for (bool text : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(text ? "text, " : "DWORD, ") + c.what);
            const bool locked = c.stored == Stored::Unreadable;
            const wchar_t* name = locked ? L"Locked" : L"V";
            const bool asText = text != (c.stored == Stored::WrongType);
            if (c.stored == Stored::ValueMissing)
                testreg::SetDword(kCu, kKey, L"Other", 7);
            else if (c.stored != Stored::KeyMissing && asText)
                testreg::SetString(kCu, kKey, name, c.stored == Stored::Different ? L"other" : L"y");  // any case
            else if (c.stored != Stored::KeyMissing)
                testreg::SetDword(kCu, kKey, name, c.stored == Stored::Different ? 8 : 7);
            EXPECT_EQ(c.state, text ? ReadStringState(kRootCurrentUser, kKey, name, "Y")
                                    : ReadDwordState(kRootCurrentUser, kKey, name, 7));
            const RowValue value = text ? Sz(texts[locked]) : Dw(numbers[locked]);
            EXPECT_EQ(c.plainCheck, ReadCheckRow(CheckRow{{""}, 0, RowKind::Values, {value}}, nullptr, kWin7));
            EXPECT_EQ(c.defaultOnCheck, ReadCheckRow(CheckRow{{""}, 0, RowKind::DefaultOn, {value}}, nullptr, kWin7));
            RegDeleteKeyW(kCu, kKey);
        }
    }
}

TEST_F(ReadHelpers, APerUserChoiceFallsBackToTheMachine)
{
    const ChoiceRun texts[] = {Named("", 1), Named("", 2)};
    ChoiceRow row = {0, 0, {""}, ListOf(texts), {RegPlace{kRootCurrentUser, kKey, L"T", REG_SZ}}, WhenCleared::Leave};
    row.read = ChoiceRead::UserOnVista7;
    EXPECT_EQ(-1, ReadChoiceRow(row, kWin7));
    testreg::SetString(HKEY_LOCAL_MACHINE, kKey, L"T", L"2");
    EXPECT_EQ(1, ReadChoiceRow(row, kWin7));
    testreg::SetString(kCu, kKey, L"T", L"1");
    EXPECT_EQ(0, ReadChoiceRow(row, kWin7));
}

}  // namespace
