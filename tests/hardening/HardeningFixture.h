// What the in-process hardening tests share: the systems they run the program as, page
// switches that always end in a finished read, every control of a page set one way, and the
// registry places each page reads and writes on every system, learnt once from the pages
// themselves.
#pragma once

#include "tests/hardening/PagePlaces.h"
#include "tests/support/AppFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// A system the program runs on: together the list covers Windows XP, Vista and 7 and
// Internet Explorer 6, 7 and 8, both wordings, and the service packs the pages look at.
struct TestSystem {
    const char* name;
    int osCode;
    int ieMajorVersion;
    int servicePack;
    int language;
};
const int kTestSystemCount = 3;
extern const TestSystem kTestSystems[kTestSystemCount];

using PagesPlaces = std::array<PagePlaces, kTweakPageCount>;

class HardeningTest : public AppTest {
protected:
    void StartSystem(const TestSystem& system)
    {
        StartApp(system.osCode, system.ieMajorVersion, system.servicePack, system.language);
    }
    // Shows `page` and waits for its read; the page shown already is read again.
    void ShowAndRead(int page);
    // Every check item, check box and radio button of the page on screen checked or cleared;
    // every combo box at its last choice or its first; every track bar at an end.
    void SetAll(bool on);

    // What each page reads and writes on the system `system` of kTestSystems, from an empty
    // registry and after applies with everything set and everything cleared. Learnt by
    // running the program: call it before StartApp (it leaves a fresh sandbox behind).
    const PagesPlaces& PlacesOn(int system);
    // The places a page names, where its apply may write: its reads on every system (learnt
    // by PlacesOn), what it backs up on the system running, and its known writes.
    std::set<std::wstring> PlacesNamedBy(int page);
};

// The places a page's apply writes where no read of the page looks, known and meant.
std::vector<std::wstring> KnownWrites(int page);
