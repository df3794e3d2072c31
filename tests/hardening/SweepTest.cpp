// Every page on every kind of system, with everything set and everything cleared: what its
// apply writes is what it backs up, a restore of that backup brings it back, a second apply
// changes nothing, and a user without administrator rights gets every write but those under
// HKEY_LOCAL_MACHINE, whose values the page then shows as they are.
#include "backup/Backup.h"
#include "backup/BackupRestore.h"
#include "tests/hardening/ControlStates.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <set>

namespace {

using testreg::Snapshot;

// Together Windows XP, Vista and 7, Internet Explorer 6, 7 and 8, both wordings, and the
// service packs the pages look at.
const struct { const char* name; int osCode, ie, servicePack, language; } kSystems[] = {{"XpIe6", kXp, 6, 2, 950}, {"VistaIe7", kVista, 7, 2, 936}, {"Win7Ie8", kWin7, 8, 1, 950}};

// The entries of a snapshot below one root ("HKLM"), or those elsewhere; or its values alone.
Snapshot Only(const Snapshot& snapshot, const std::wstring& rootName, bool below)
{
    Snapshot out;
    for (const auto& entry : snapshot)
        if (rootName.empty() ? entry.first.find(L"\\:") != std::wstring::npos
                             : (entry.first.compare(0, rootName.size() + 1, rootName + L"\\") == 0) == below)
            out.insert(entry);
    return out;
}

// A line for every change from `before` to `after` outside `places` ("hkcu\path\:name" for a
// value, "hkcu\path" for a key, in lower case): a key may change on the way to a place.
std::string ChangesOutside(const Snapshot& before, const Snapshot& after, const std::set<std::wstring>& places)
{
    std::set<std::wstring> changed;
    for (const Snapshot* from : {&before, &after})
        for (const auto& entry : *from) {
            const Snapshot& other = from == &before ? after : before;
            const auto found = other.find(entry.first);
            if (found == other.end() || found->second.type != entry.second.type || found->second.data != entry.second.data)
                changed.insert(testreg::Lower(entry.first));
        }
    std::string out;
    for (const std::wstring& place : changed) {
        const auto below = places.lower_bound(place + L"\\");
        const bool named = places.count(place) || (below != places.end() && below->compare(0, place.size() + 1, place + L"\\") == 0);
        if (!named)
            out += testreg::Narrow(place) + "\n";
    }
    return out;
}

class Sweep : public AppTest, public ::testing::WithParamInterface<int> {
protected:
    // Every check item, check box and radio button of the page on screen checked or cleared;
    // every combo box at its last choice or its first; every track bar at an end.
    void SetAll(bool on)
    {
        ForEachPageControl(Window(), [&](int id, HWND control, ControlKind kind) {
            if (kind == ControlKind::List)
                for (int item = 0; item < ItemCount(id); ++item)
                    SetCheck(id, item, on);
            else if (kind == ControlKind::CheckButton)
                SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (kind == ControlKind::Combo)
                SendMessageW(control, CB_SETCURSEL, on ? SendMessageW(control, CB_GETCOUNT, 0, 0) - 1 : 0, 0);
            else if (kind == ControlKind::Track)
                SendMessageW(control, TBM_SETPOS, TRUE, SendMessageW(control, on ? TBM_GETRANGEMAX : TBM_GETRANGEMIN, 0, 0));
        });
    }
    // The places the page backs up on this system, named as a snapshot names them.
    std::set<std::wstring> BackedUp(int page, BackupList& items)
    {
        EXPECT_TRUE(BackupItemsOf(App(), page, items));
        std::set<std::wstring> places;
        for (const BackupItem& item : items.Items())
            for (int i = 0; i < RegistrySandbox::kRootCount; ++i)
                if (RegistrySandbox::kRoots[i] == RootKey(item.root))
                    places.insert(testreg::Lower(std::wstring(RegistrySandbox::kRootNames[i]) + L"\\" + item.keyPath +
                                                 (item.kind == BackupItem::Kind::Key ? L"" : L"\\:" + std::wstring(item.valueName))));
        return places;
    }
    static void ClearRegistry()
    {
        for (HKEY root : RegistrySandbox::kRoots) {
            wchar_t name[256];
            for (DWORD length = 256; RegEnumKeyExW(root, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                                     SHDeleteKeyW(root, name) == ERROR_SUCCESS;)
                length = 256;
        }
    }
};

TEST_P(Sweep, EveryPageWritesWhatItBacksUpAndAStandardUserGetsAllButTheMachinesValues)
{
    const auto& system = kSystems[GetParam()];
    StartApp(system.osCode, system.ie, system.servicePack, system.language);
    for (int step = 0; step < 2 * kTweakPageCount; ++step) {
        const int page = step / 2;
        const bool set = step % 2 == 1;
        SCOPED_TRACE("page " + std::to_string(page) + (set ? ", everything set" : ", everything cleared"));
        if (App().CurrentPage() == page)
            Reread();
        else
            ShowPage(page);
        BackupList items;
        const std::set<std::wstring> places = BackedUp(page, items);
        // Everything the other way, from an empty registry: every write lands on a backed-up place.
        ClearRegistry();
        const Snapshot empty = testreg::TakeSnapshot();
        SetAll(!set);
        ASSERT_EQ(0, Apply());
        const Snapshot start = testreg::TakeSnapshot();
        EXPECT_EQ("", ChangesOutside(empty, start, places)) << "written but not backed up";

        SetAll(set);
        {
            RegistryInterceptor standardUser;
            standardUser.SetRule(DenyWritesUnder(HKEY_LOCAL_MACHINE));
            ASSERT_EQ(0, Apply());  // with the read that follows it
        }
        const Snapshot user = testreg::TakeSnapshot();
        const ControlStates userShown = StatesOnScreen(Window());
        EXPECT_EQ("", testreg::Differences(Only(start, L"HKLM", true), Only(user, L"HKLM", true)));
        Reread();
        EXPECT_EQ("", StateDifferences(StatesOnScreen(Window()), userShown)) << "the refused writes are not what is shown";

        // The administrator's apply of the same settings changes the machine's values only.
        SetAll(set);
        ASSERT_EQ(0, Apply());
        const Snapshot administrator = testreg::TakeSnapshot();
        EXPECT_EQ("", testreg::Differences(Only(user, L"HKLM", false), Only(administrator, L"HKLM", false)))
            << "the refused writes kept others from being made";
        EXPECT_EQ("", ChangesOutside(start, administrator, places)) << "written but not backed up";
        ASSERT_EQ(0, Apply());
        EXPECT_EQ("", testreg::Differences(administrator, testreg::TakeSnapshot())) << "a second apply changed something";

        // A backup of it, put back after the page was applied the other way.
        QmWString text;
        BackupFile file;
        BackupFileError error;
        ASSERT_TRUE(BuildPageBackup(App(), page, QmWString(L"2009_2_26_14_5_9"), text));
        ASSERT_TRUE(ParseBackupText(text.CStr(), file, error)) << "line " << error.line;
        SetAll(!set);
        ASSERT_EQ(0, Apply());
        std::vector<RestoreStep> restore = PlanRestore(items, file);
        EXPECT_EQ(0, CarryOutRestore(restore));
        EXPECT_EQ("", testreg::Differences(Only(administrator, L"", true), Only(testreg::TakeSnapshot(), L"", true)))
            << "the restore did not bring the page's values back";
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, Sweep, ::testing::Range(0, 3),
                         [](const ::testing::TestParamInfo<int>& info) { return kSystems[info.param].name; });

}  // namespace
