#include "tests/hardening/HardeningFixture.h"

#include "pages/Pages.h"
#include "tests/hardening/ControlStates.h"

#include <commctrl.h>

#include <map>

// name  Windows  IE  service pack  wording
const TestSystem kTestSystems[kTestSystemCount] = {
    {"XpIe6", kXp, 6, 2, 950},
    {"VistaIe7", kVista, 7, 2, 936},
    {"Win7Ie8", kWin7, 8, 1, 950},
};

namespace {

std::map<int, PagesPlaces>& LearntPlaces()
{
    static std::map<int, PagesPlaces> places;
    return places;
}

}  // namespace

void HardeningTest::ShowAndRead(int page)
{
    if (App().CurrentPage() == page)
        Reread();
    else
        ShowPage(page);
}

void HardeningTest::SetAll(bool on)
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

const PagesPlaces& HardeningTest::PlacesOn(int system)
{
    // Learnt once, by the first test of the program that asks.
    auto& learnt = LearntPlaces();
    for (int s = learnt.empty() ? 0 : kTestSystemCount; s < kTestSystemCount; ++s) {
        StartSystem(kTestSystems[s]);
        for (int page = 0; page < kTweakPageCount; ++page) {
            ClearRegistry();
            PagePlaces& places = learnt[s][page];
            ShowAndRead(page);
            // Written data read back takes the reads down every branch: a second value is
            // only read when the first one matched.
            for (int step = 0; step < 3; ++step) {
                if (step > 0) {
                    SetAll(step == 1);
                    RegistryInterceptor registry;
                    EXPECT_EQ(0, App().ApplyPage(Window()));
                    WaitForReads();
                    places.Learn(registry.Calls(), true);
                }
                RegistryInterceptor registry;
                Reread();
                places.Learn(registry.Calls(), false);
            }
        }
        ClearRegistry();
        TearDown();
        SetUp();
    }
    return learnt[system];
}

std::set<std::wstring> HardeningTest::PlacesNamedBy(int page)
{
    std::set<std::wstring> named;
    for (const auto& system : LearntPlaces())
        named.insert(system.second[page].read.begin(), system.second[page].read.end());
    BackupList items;
    kTweakPageBackups[page](App(), items);
    for (const BackupItem& item : items.Items()) {
        const bool key = item.kind == BackupItem::Kind::Key;
        named.insert(Place(RootKey(item.root), item.keyPath, key ? nullptr : item.valueName));
    }
    for (const std::wstring& place : KnownWrites(page))
        named.insert(place);
    return named;
}

std::vector<std::wstring> KnownWrites(int page)
{
    // Clearing the Messenger row deletes a value no read looks at (the backup keeps it) and
    // the policy key above the one it reads, when that is empty.
    if (page != kPageRestrictions)
        return {};
    return {Place(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Outlook Express", L"Hide Messenger"),
            Place(HKEY_LOCAL_MACHINE, L"Software\\Policies\\Microsoft\\Messenger")};
}
