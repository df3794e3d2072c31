// The real Zentrak.exe under load, driven through window messages only: a few hundred page
// switches by keyboard, many of them while the page before is still being read, and by the
// page list, with applies in between; afterwards the page on screen shows what a fresh run
// reads for it, and the process holds no more handles, GDI or USER objects than after its
// warm-up.
#include "app/ControlIds.h"
#include "tests/hardening/ControlStates.h"
#include "tests/hardening/ProcessResources.h"
#include "tests/support/E2E.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace {

const int kSwitches = 300;
const int kSwitchesBetweenApplies = 50;
// A page of each kind: choice rows with a track bar's row, pairs only, lists only.
const int kFinalPages[] = {2, 6, 8};
// Growth of each of kResourceNames allowed after the warm-up: a thread's handles may outlive
// it for a moment.
const long kSlack[] = {8, 8, 0};

UINT KeyOf(int page, bool numberPad = false)
{
    return page == 9 ? 'H' : static_cast<UINT>((numberPad ? VK_NUMPAD1 : '1') + page);
}

class Stress : public EndToEndTest {
protected:
    // Keys posted in a row, each switch arriving while the read of the one before may still
    // run; returns once the last page is shown and read. The last page is one the burst
    // reaches only at its end, so seeing it shown means every key was handled.
    void KeyBurst(std::vector<int> pages)
    {
        int last = pages.back();
        if (app_.CurrentPage() == last)
            pages.push_back(last = (last + 1) % 10);
        pages.erase(std::remove(pages.begin(), pages.end() - 1, last), pages.end() - 1);
        for (size_t i = 0; i < pages.size(); ++i)
            app_.PressKey(KeyOf(pages[i], i % 2 == 1));
        ASSERT_TRUE(WaitFor("the last page of a burst of keys", [&] { return app_.CurrentPage() == last; }));
        // Answered once the key's handler has returned, when the page list is off until
        // the read is done.
        SendMessageW(app_.MainWindow(), WM_NULL, 0, 0);
        ASSERT_TRUE(app_.WaitUntilRead());
    }
};

TEST_F(Stress, HundredsOfSwitchesAndAppliesLeaveTheTruthOnScreenAndNothingLeaked)
{
    if (RunLocale() != L"zh_TW")
        GTEST_SKIP() << "one locale is enough";
    // Windows XP: its pages have every kind of control, the track bar too.
    Launch(L"winxp");
    // Warm-up: every page once by the list, an apply, a burst of keys.
    for (int page = 0; page <= 9; ++page)
        ASSERT_TRUE(app_.SelectPage(page)) << page;
    ASSERT_TRUE(app_.SelectPage(0));
    Apply(app_);
    KeyBurst({3, 1, 7, 0});
    const std::array<long, 3> warm = MeasureProcess(app_.Process(), app_.ProcessId());

    std::mt19937 random(11);
    std::vector<int> burst;
    for (int i = 1; i <= kSwitches; ++i) {
        const int page = static_cast<int>(random() % 10);
        if (i % 3 == 0) {
            if (!burst.empty())
                KeyBurst(burst);
            burst.clear();
            ASSERT_TRUE(app_.SelectPage(page)) << page;
        } else if (burst.empty() || burst.back() != page) {
            burst.push_back(page);
        }
        if (i % kSwitchesBetweenApplies == 0) {
            if (!burst.empty())
                KeyBurst(burst);
            burst.clear();
            if (app_.CurrentPage() != 9)
                Apply(app_);
        }
        if (HasFatalFailure())
            return;
    }
    std::map<int, ControlStates> shown;
    for (int page : kFinalPages) {
        KeyBurst({(page + 3) % 9, (page + 5) % 9, page});
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ("", ImpossibleStates(app_.MainWindow())) << "page " << page;
        shown[page] = StatesOnScreen(app_.MainWindow());
    }
    const std::array<long, 3> after = MeasureProcess(app_.Process(), app_.ProcessId());
    SaveScreenshot(app_, L"stress-end");
    // Closed while the read of one more page runs.
    app_.PressKey(KeyOf(5));
    CloseDecliningRestart(app_);

    for (size_t i = 0; i < warm.size(); ++i) {
        EXPECT_GT(warm[i], 0) << kResourceNames[i] << ": nothing measured";
        EXPECT_LE(after[i], warm[i] + kSlack[i]) << kResourceNames[i] << ": " << warm[i] << " after the warm-up, "
                                                 << after[i] << " at the end";
    }

    // A second run reads the same registry afresh: its first read of each page is the truth.
    AppDriver fresh;
    ASSERT_TRUE(fresh.Start(ZentrakProgram(), folder_.Path(), L"winxp"));
    ASSERT_NE(nullptr, fresh.WaitForMainWindow());
    for (int page : kFinalPages) {
        ASSERT_TRUE(fresh.SelectPage(page));
        EXPECT_EQ("", StateDifferences(StatesOnScreen(fresh.MainWindow()), shown[page]))
            << "page " << page;
    }
    CloseDecliningRestart(fresh, false);
}

}  // namespace
