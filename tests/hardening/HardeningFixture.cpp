#include "tests/hardening/HardeningFixture.h"

#include "tests/hardening/ControlStates.h"
#include "model/TweakRecord.h"

#include <functional>
#include <map>
#include <memory>

// name  Windows  IE  service pack  wording
const TestSystem kTestSystems[3] = {
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
        for (int s = 0; s < CountOf(kTestSystems); ++s) {
            StartSystem(kTestSystems[s]);
            for (int page = 0; page < kTweakPageCount; ++page) {
                ClearRegistry();
                PagePlaces& places = learnt[s][page];
                auto record = [&places](const std::function<void()>& step) {
                    RegistryInterceptor registry;
                    step();
                    places.AddCalls(registry.Calls());
                };
                ShowAndRead(page);
                record([this] { Reread(); });
                // Written data read back takes the reads down every branch: a second value
                // is only read when the first one matched.
                for (bool on : {true, false}) {
                    SetAll(on);
                    record([this] { Apply(); });
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
    for (int s = 0; s < CountOf(kTestSystems); ++s) {
        const PagePlaces& places = PlacesOn(s)[page];
        records.readKeys.insert(places.readKeys.begin(), places.readKeys.end());
        records.readValues.insert(places.readValues.begin(), places.readValues.end());
    }
    AddKnownWrites(page, records);
    return records;
}

void AddKnownWrites(int page, PagePlaces& records)
{
    (void)page;
    (void)records;
}
