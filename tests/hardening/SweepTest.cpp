// Every page on every kind of system, with everything set and everything cleared: what its
// apply writes is what it backs up, a restore of that backup brings it back, a second apply
// changes nothing, and a user without administrator rights gets every write but those under
// HKEY_LOCAL_MACHINE, whose values the page then shows as they are. Recommended settings set
// the controls they name and nothing else. Data of another type or an odd size in every place
// shows as a possible state, and a restore finds it as the backup saved it.
#include "backup/Backup.h"
#include "backup/BackupRestore.h"
#include "tests/hardening/ControlStates.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"

#include <commctrl.h>

#include <set>
#include <sstream>

namespace {

using testreg::Snapshot;

// Together Windows XP, Vista and 7, Internet Explorer 6, 7 and 8, both wordings, and the
// service packs the pages look at.
const struct { const char* name; int osCode, ie, servicePack, language; } kSystems[] = {{"XpIe6", kXp, 6, 2, 950}, {"VistaIe7", kVista, 7, 2, 936}, {"Win7Ie8", kWin7, 8, 1, 950}};

// What recommended settings set on each page, named as ShownStates names them ("list:row",
// check box, radio button or combo box); x: on Windows XP only, v: on Vista and 7 only.
const char* const kRecommended[kTweakPageCount] = {
    "2003:0=1 2062:1=1",
    "2041=1 2042=1 2043=1 2044=1 2045=1 2046=1 2047=1 2048=1 2008=1 2009=1 2200=1 2014=1 2016=1 2017=2 2018=4 2056=1 "
    "2057=0 x2015=1 v2015=2",
    "2003:0=0 2061:0=1 2061:1=0 2042=1 2043=1 2044=1 2045=1 2047=1 2046=0 2009=2 2200=7 2014=7 2015=7 2017=0 x2041=0",
    "",
    "2003:0=1 2003:1=1 2003:2=1 2003:3=0",
    "2003:0=1 2003:1=0 2003:2=1 2003:3=0 2003:4=1 2003:5=1 2003:6=1 2003:7=1 2003:8=1 2003:9=0 2003:10=0 2003:11=1 "
    "2003:12=1 2003:13=1 v2003:14=1",
    "2041=1 2042=1 2043=1 2046=1 2047=1 2048=1 2049=1 2050=1 2065=1 2066=1 2067=1 2068=1 2008=8 2009=19 2200=90 2016=6 "
    "2017=0 2018=3 2019=3 2020=2 2021=40 2022=9 2023=30 2024=7",
    "",
    ""};

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
    // From controls set all one way (every named one differs from one of the two ways).
    void ExpectRecommended(int page, bool xp)
    {
        std::map<std::string, int> expected = ShownStates();
        std::istringstream named(kRecommended[page]);
        for (std::string item; named >> item;) {
            const size_t from = item[0] > '9', is = item.find('=');
            if (!from || (item[0] == 'x') == xp)
                expected[item.substr(from, is - from)] = std::stoi(item.substr(is + 1));
        }
        const Snapshot before = testreg::TakeSnapshot();
        App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
        EXPECT_EQ(expected, ShownStates()) << "recommended settings";
        EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot())) << "recommended settings wrote";
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
        RegistryTest::TearDown();  // a fresh, empty registry
        RegistryTest::SetUp();
        const Snapshot empty = testreg::TakeSnapshot();
        SetAll(!set);
        ASSERT_EQ(0, Apply());
        const Snapshot start = testreg::TakeSnapshot();
        EXPECT_EQ("", ChangesOutside(empty, start, places)) << "written but not backed up";

        SetAll(set);
        ExpectRecommended(page, system.osCode == kXp);
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

        // A backup of it, put back after the page was applied the other way; then one of odd
        // data, put back at once.
        for (bool odd : {false, true}) {
            if (odd) {
                const BYTE one[8] = {'1'};  // "1" as a text, or a number of three or eight bytes
                const DWORD types[] = {REG_SZ, REG_DWORD, REG_QWORD};
                for (size_t i = 0; i < items.Items().size(); ++i)
                    if (const BackupItem& item = items.Items()[i]; item.kind != BackupItem::Kind::Key)
                        testreg::SetRaw(RootKey(item.root), item.keyPath, item.valueName, types[i % 3], one, i % 3 == 2 ? 8 : 3);
                Reread();
                EXPECT_EQ("", ImpossibleStates(Window())) << "odd data";
            }
            const Snapshot saved = testreg::TakeSnapshot();
            QmWString text;
            BackupFile file;
            BackupFileError error;
            ASSERT_TRUE(BuildPageBackup(App(), page, QmWString(L"2009_2_26_14_5_9"), text));
            ASSERT_TRUE(ParseBackupText(text.CStr(), file, error)) << "line " << error.line;
            if (!odd) {
                SetAll(!set);
                ASSERT_EQ(0, Apply());
            }
            std::vector<RestoreStep> restore = PlanRestore(items, file);
            EXPECT_EQ(0, CarryOutRestore(restore));
            EXPECT_EQ("", testreg::Differences(Only(saved, L"", true), Only(testreg::TakeSnapshot(), L"", true)))
                << "the restore did not bring the page's values back" << (odd ? " (odd data)" : "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, Sweep, ::testing::Range(0, 3),
                         [](const ::testing::TestParamInfo<int>& info) { return kSystems[info.param].name; });

}  // namespace
