// Failures Wine cannot produce, injected through the registry seam: a user without
// administrator rights applies every page, values vanish while a page reads them. And a
// Windows folder that cannot be had.
#include "tests/hardening/ControlStates.h"
#include "tests/hardening/HardeningFixture.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <atomic>

namespace {

// Only the entries below one root ("HKLM"), or only those elsewhere.
testreg::Snapshot Below(const testreg::Snapshot& snapshot, const std::wstring& rootName, bool keep = true)
{
    testreg::Snapshot out;
    for (const auto& entry : snapshot)
        if ((entry.first.compare(0, rootName.size() + 1, rootName + L"\\") == 0 || entry.first == rootName) == keep)
            out.insert(entry);
    return out;
}

class Faults : public HardeningTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        HardeningTest::SetUp();
        StartSystem(kTestSystems[GetParam()]);
    }
    // The registry holding what the page writes with every control set (or cleared), the
    // controls read from it.
    void HoldEverything(int page, bool set)
    {
        ShowAndRead(page);
        ClearRegistry();
        SetAll(set);
        ASSERT_EQ(0, Apply());
    }
    // What the controls show is what a read of the registry as it is now shows.
    void ExpectShowsTheRegistry(const char* when, int page)
    {
        const ControlStates shown = StatesOnScreen(Window());
        Reread();
        EXPECT_EQ("", StateDifferences(StatesOnScreen(Window()), shown)) << "page " << page << " " << when;
    }
};

std::string SystemName(const ::testing::TestParamInfo<int>& info)
{
    return kTestSystems[info.param].name;
}

using StandardUser = Faults;

// With every HKEY_LOCAL_MACHINE write refused, an apply that sets or clears everything still
// writes everything else as an administrator's would, leaves the machine's values as they
// were, and the controls show those values afterwards rather than what was asked.
TEST_P(StandardUser, EveryPageAppliesTheRestAndShowsTheMachineValuesItCouldNotChange)
{
    for (int step = 0; step < 2 * kTweakPageCount; ++step) {
        const int page = step / 2;
        const bool set = step % 2 == 1;
        SCOPED_TRACE(set ? "everything set" : "everything cleared");
        HoldEverything(page, !set);
        const testreg::Snapshot start = testreg::TakeSnapshot();
        SetAll(set);
        {
            MachineWritesDenied standardUser;
            ASSERT_EQ(0, Apply());
        }
        const testreg::Snapshot user = testreg::TakeSnapshot();
        const ControlStates userShown = StatesOnScreen(Window());
        EXPECT_EQ("", testreg::Differences(Below(start, L"HKLM"), Below(user, L"HKLM"))) << "page " << page;
        ExpectShowsTheRegistry("after the refused writes", page);

        // The administrator's apply of the same settings changes the machine's values only.
        SetAll(set);
        ASSERT_EQ(0, Apply());
        const testreg::Snapshot administrator = testreg::TakeSnapshot();
        EXPECT_EQ("", testreg::Differences(Below(user, L"HKLM", false), Below(administrator, L"HKLM", false)))
            << "page " << page << ": the refused writes kept others from being made";
        if (testreg::Differences(Below(start, L"HKLM"), Below(administrator, L"HKLM")) != "") {
            EXPECT_NE("", StateDifferences(StatesOnScreen(Window()), userShown))
                << "page " << page << " shows the machine settings as if they were written";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, StandardUser, ::testing::Range(0, kTestSystemCount), SystemName);

// Deletes each value the moment its data is about to be read, after its existence was seen.
class ValuesVanishWhileRead : public RegistryInterceptor {
public:
    ValuesVanishWhileRead()
    {
        SetRule([this](const Call& call) -> std::optional<LONG> {
            if (!call.readsData || (call.function != "QueryValue" && call.function != "ShQueryUsValue"))
                return std::nullopt;
            // The shell reads the user's value when there is one, else the machine's.
            for (HKEY root : {call.root, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
                if (root && (call.function != "QueryValue" || root == call.root) &&
                    testreg::ValueExists(root, call.path, call.name)) {
                    testreg::RemoveValue(root, call.path, call.name);
                    ++deleted;
                    break;
                }
            return std::nullopt;
        });
    }
    std::atomic<int> deleted{0};
};

using VanishingValues = Faults;

TEST_P(VanishingValues, EveryPageShowsThemMissing)
{
    for (int page = 0; page < kTweakPageCount; ++page) {
        HoldEverything(page, true);
        {
            ValuesVanishWhileRead registry;
            Reread();
            EXPECT_GT(registry.deleted, 0) << "page " << page;
        }
        EXPECT_EQ("", ImpossibleStates(Window())) << "page " << page;
        ExpectShowsTheRegistry("after its values vanished", page);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, VanishingValues, ::testing::Range(0, kTestSystemCount), SystemName);

// The commands of the WordPad and IE entries start with the Windows folder's drive. Without
// that folder they must still name a whole path: a command without a drive would be looked
// for relative to whatever folder the shell runs it in.
TEST_F(HardeningTest, WithoutTheWindowsFolderTheShellEntriesStillNameAWholePath)
{
    StartApp(kWin7);
    App().windowsFolderMissing = true;
    ShowPage(kPageHardware);
    for (int row : {4, 5, 6})
        SetCheck(kIdListRight, row, true);
    ASSERT_EQ(0, Apply());
    const struct {
        const wchar_t* entry;
        const wchar_t* program;
    } kEntries[] = {
        {L"OpenInWordPad", L":\\Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""},
        {L"OpenInWeb", L":\\Program Files\\Internet Explorer\\iexplore.exe \"%1\""},
    };
    for (const auto& entry : kEntries) {
        const std::wstring key = std::wstring(L"SOFTWARE\\Classes\\*\\shell\\") + entry.entry + L"\\command";
        const std::wstring command = testreg::Get(HKEY_LOCAL_MACHINE, key, L"").Text();
        EXPECT_TRUE(!command.empty() && iswalpha(command[0]) && command.substr(1) == entry.program)
            << testreg::Narrow(command);
    }
    for (int row : {4, 5, 6})
        EXPECT_EQ(1, Check(kIdListRight, row)) << row;
}

}  // namespace
