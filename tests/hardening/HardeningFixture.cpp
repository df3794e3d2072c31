#include "tests/hardening/HardeningFixture.h"

#include "model/BackupList.h"
#include "model/TweakRecord.h"
#include "pages/Pages.h"
#include "tests/hardening/ControlStates.h"

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
    const ControlStates states = StatesOnScreen(Window());
    for (const auto& list : states.listChecks)
        for (size_t item = 0; item < list.second.size(); ++item)
            SetCheck(list.first, static_cast<int>(item), on);
    for (const auto& button : states.buttonChecks)
        App().Button(button.first)->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    for (const auto& combo : states.comboCounts)
        App().Combo(combo.first)->SetCurSel(on ? combo.second - 1 : 0);
    for (const auto& track : states.trackPositions) {
        QmTrackbar* bar = App().Trackbar(track.first);
        bar->SetPos(on ? bar->GetRangeMax() : bar->GetRangeMin());
    }
}

const PagesPlaces& HardeningTest::PlacesOn(int system)
{
    auto& learnt = LearntPlaces();
    if (learnt.empty()) {
        for (int s = 0; s < kTestSystemCount; ++s) {
            StartSystem(kTestSystems[s]);
            for (int page = 0; page < kTweakPageCount; ++page) {
                ClearRegistry();
                PagePlaces& places = learnt[s][page];
                ShowAndRead(page);
                // Written data read back takes the reads down every branch: a second value
                // is only read when the first one matched.
                for (int step = 0; step < 3; ++step) {
                    if (step > 0) {
                        SetAll(step == 1);
                        RegistryInterceptor registry;
                        EXPECT_EQ(0, App().ApplyPage(Window()));
                        App().WaitForReadWorker();
                        places.AddWrites(registry.Calls());
                    }
                    RegistryInterceptor registry;
                    Reread();
                    places.AddReads(registry.Calls());
                }
            }
            ClearRegistry();
            TearDown();
            SetUp();
        }
    }
    return learnt[system];
}

PagePlaces HardeningTest::Records(int page)
{
    PagePlaces records;
    for (int s = 0; s < kTestSystemCount; ++s) {
        const PagePlaces& places = LearntPlaces()[s][page];
        records.readKeys.insert(places.readKeys.begin(), places.readKeys.end());
        records.readValues.insert(places.readValues.begin(), places.readValues.end());
    }
    // What the page backs up on this system is its own as well.
    BackupList items;
    kTweakPageBackups[page](App(), items);
    for (const BackupItem& item : items.Items()) {
        if (item.kind == BackupItem::Kind::Key)
            records.writtenKeys.insert(KeyPlace(RootKey(item.root), item.keyPath));
        else
            records.writtenValues.insert(ValuePlace(RootKey(item.root), item.keyPath, item.valueName));
    }
    AddKnownWrites(page, records);
    return records;
}

void AddKnownWrites(int page, PagePlaces& records)
{
    // Clearing the Messenger row deletes a value no read looks at (the backup keeps it) and
    // the policy key above the one it reads, when that is empty.
    if (page == kPageRestrictions) {
        records.writtenValues.insert(
            ValuePlace(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Outlook Express", L"Hide Messenger"));
        records.writtenKeys.insert(KeyPlace(HKEY_LOCAL_MACHINE, L"Software\\Policies\\Microsoft\\Messenger"));
    }
}
