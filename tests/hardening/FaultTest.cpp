// Failures Wine cannot produce, injected through the registry seam, and a hostile
// environment: a user without administrator rights applies every page, values vanish while
// a page reads them, the current folder takes no files and the Windows folder cannot be had.
#include "backup/Backup.h"
#include "tests/hardening/BadEnvironment.h"
#include "tests/hardening/ControlStates.h"
#include "tests/hardening/HardeningFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <mutex>
#include <set>
#include <string>

namespace {

std::string SystemName(const ::testing::TestParamInfo<int>& info)
{
    return kTestSystems[info.param].name;
}

class Faults : public HardeningTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        HardeningTest::SetUp();
        StartSystem(kTestSystems[GetParam()]);
    }
    // The registry holding what the page writes with every control set, the controls read
    // from it.
    void HoldEverythingSet(int page)
    {
        ShowAndRead(page);
        ClearRegistry();
        SetAll(true);
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

using StandardUser = Faults;

// With every HKEY_LOCAL_MACHINE write refused, an apply still writes everything else exactly
// as an administrator's would, leaves the machine's values as they were, and the controls
// show those values afterwards rather than what was asked.
TEST_P(StandardUser, EveryPageAppliesTheRestAndShowsTheMachineValuesItCouldNotChange)
{
    for (int page = 0; page < kTweakPageCount; ++page) {
        HoldEverythingSet(page);
        SetAll(false);
        const testreg::Snapshot start = testreg::TakeSnapshot();
        ASSERT_EQ(0, Apply());
        const testreg::Snapshot administrator = testreg::TakeSnapshot();
        const ControlStates applied = StatesOnScreen(Window());

        RestoreRegistry(start);
        Reread();
        SetAll(false);
        {
            MachineWritesDenied standardUser;
            ASSERT_EQ(0, Apply());
        }
        const testreg::Snapshot user = testreg::TakeSnapshot();
        EXPECT_EQ("", testreg::Differences(Below(start, L"HKLM"), Below(user, L"HKLM"))) << "page " << page;
        EXPECT_EQ("", testreg::Differences(Below(administrator, L"HKLM", false), Below(user, L"HKLM", false)))
            << "page " << page;
        const bool machineRefused = testreg::Differences(Below(start, L"HKLM"), Below(administrator, L"HKLM")) != "";
        if (machineRefused) {
            EXPECT_NE("", StateDifferences(applied, StatesOnScreen(Window())))
                << "page " << page << " shows the machine settings as if they were written";
        }
        ExpectShowsTheRegistry("after the refused writes", page);
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
            for (HKEY root : {call.root, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
                if (!root || (call.function == "QueryValue" && root != call.root))
                    continue;
                if (Delete(root, call.path, call.name))
                    break;
            }
            return std::nullopt;
        });
    }
    size_t Deleted()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return deleted_.size();
    }

private:
    bool Delete(HKEY root, const std::wstring& path, const std::wstring& name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            return false;
        const bool gone = RegDeleteValueW(key, name.c_str()) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (gone) {
            std::lock_guard<std::mutex> lock(mutex_);
            deleted_.insert(ValuePlace(root, path, name));
        }
        return gone;
    }

    std::mutex mutex_;
    std::set<std::wstring> deleted_;
};

using VanishingValues = Faults;

TEST_P(VanishingValues, EveryPageShowsThemMissing)
{
    for (int page = 0; page < kTweakPageCount; ++page) {
        HoldEverythingSet(page);
        {
            ValuesVanishWhileRead registry;
            Reread();
            EXPECT_GT(registry.Deleted(), 0u) << "page " << page;
        }
        EXPECT_EQ("", ImpossibleStates(Window())) << "page " << page;
        ExpectShowsTheRegistry("after its values vanished", page);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, VanishingValues, ::testing::Range(0, kTestSystemCount), SystemName);

// ---- A hostile environment ----------------------------------------------------------------

class BadEnvironment : public AppTest {
protected:
    void TearDown() override
    {
        AppTest::TearDown();
        if (saved_[0])
            SetCurrentDirectoryW(saved_);
    }
    void EnterFolder(const std::wstring& folder)
    {
        GetCurrentDirectoryW(MAX_PATH, saved_);
        ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    }

    wchar_t saved_[MAX_PATH] = {};
};

TEST_F(BadEnvironment, ACurrentFolderThatTakesNoFilesLosesTheLogAndBackupsQuietly)
{
    const std::wstring folder = FolderThatTakesNoFiles();
    ASSERT_FALSE(folder.empty()) << "no folder here refuses new files";
    EnterFolder(folder);
    StartApp(kXp);
    App().ReportCreateError(L"E %u");
    // A backup that could not be written says so, and names no file.
    QmWString written;
    EXPECT_FALSE(BackUpPage(App(), kPageDesktop, &written));
    EXPECT_TRUE(written.IsEmpty());
    BackUpAllPages(App());

    SetCheck(kIdListMain, 0, true);
    ASSERT_EQ(0, Apply());
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                             L"NoSaveSettings").IsDword(0));
}

// The commands of the WordPad and IE entries start with the Windows folder's drive. Without
// that folder they must still name a whole path: a command without a drive would be looked
// for relative to whatever folder the shell runs it in.
TEST_F(BadEnvironment, WithoutTheWindowsFolderTheShellEntriesStillNameAWholePath)
{
    StartApp(kWin7);
    App().windowsFolderMissing = true;
    ShowPage(kPageHardware);
    for (int row : {4, 5, 6})
        SetCheck(kIdListRight, row, true);
    ASSERT_EQ(0, Apply());
    const struct {
        const wchar_t* key;
        const wchar_t* program;
    } entries[] = {
        {L"SOFTWARE\\Classes\\*\\shell\\OpenInWordPad\\command", L":\\Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\""},
        {L"SOFTWARE\\Classes\\*\\shell\\OpenInWeb\\command", L":\\Program Files\\Internet Explorer\\iexplore.exe \"%1\""},
    };
    for (const auto& entry : entries) {
        const std::wstring command = testreg::Get(HKEY_LOCAL_MACHINE, entry.key, L"").Text();
        EXPECT_TRUE(!command.empty() && iswalpha(command[0]) && command.substr(1) == entry.program)
            << testreg::Narrow(command);
    }
    for (int row : {4, 5, 6})
        EXPECT_EQ(1, Check(kIdListRight, row)) << row;
}

}  // namespace
