// Pages 1 to 8 of the real Zentrak.exe, driven from this process through window messages only:
// each is reached with the page list under the system facts that decide its rows, changed by
// one row (or by recommended settings), applied with OK, checked in the registry of the
// end-to-end prefix, read back, and shot. What every row writes is the in-process tests' part.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"

namespace {

using testreg::Get;
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;
const wchar_t kCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t kInternetExplorer[] = L"SOFTWARE\\Microsoft\\Internet Explorer";

struct Visit {
    const char* name;
    int page;
    const wchar_t* windows;  // Wine's version name; empty: the prefix's Windows 7
    const wchar_t* ieVersion;
    const wchar_t* servicePack;  // null: the prefix's own
    const wchar_t* shot;
    bool larger;  // shot again in a larger window
    int listId, rows;  // the rows the system's facts give the list; no list: recommended settings
    int row;  // cleared while its value is missing; the user checks it
    HKEY root;
    const wchar_t* key;
    const wchar_t* value;  // null: the key itself
    DWORD written;
};

// name  page  Windows  IE  service pack  shot  larger  list  rows  row  what the apply writes
const Visit kVisits[] = {
    {"StartMenu", kPageStartMenu, L"", nullptr, nullptr, L"page1", true, kIdListMain, 17, 5, kUser,
     L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"StartMenuLogoff", 1},
    {"SystemOnXp", kPageSystem, L"winxp", nullptr, nullptr, L"page2-xp", true, kIdListRight, 3, 2, kUser,
     L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", L"WebView", 1},
    // Internet Explorer is not 6: no auto-complete row.
    {"RestrictionsOnXp", kPageRestrictions, L"winxp", nullptr, nullptr, L"page3-xp", true, kIdListMain, 17, 0, kUser,
     L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3", L"1803", 3},
    {"Hardware", kPageHardware, L"", nullptr, nullptr, L"page4", false, kIdListMain, 4, 0, kMachine,
     L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", L"PrefetchTail", 512},
    {"Network1", kPageNetwork1, L"", nullptr, nullptr, L"page5", false, kIdListMain, 15, 11, kMachine,
     L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces", L"RelerseLeaseOnShutdown", 1},
    {"Network2", kPageNetwork2, L"", nullptr, nullptr, L"page6", false, 0, 0, 0, kMachine,
     L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"MTU", 8000},
    // Service pack 3 brings the Internet Explorer row.
    {"IconsOnXp", kPageIcons, L"winxp", nullptr, L"Service Pack 3", L"page7-xp", false, kIdListMain, 20, 0, kUser,
     L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}",
     nullptr, 0},
    {"InternetExplorer8", kPageInternetExplorer, L"", L"8.0.6001.18702", nullptr, L"page8-ie8", false, kIdListMain, 14,
     5, kUser, L"Software\\Microsoft\\Internet Explorer\\CommandBar", L"CommandBarEnabled", 0},
};

class PagesEndToEnd : public EndToEndTest, public ::testing::WithParamInterface<Visit> {
protected:
    void Shoot(const Visit& visit)
    {
        SaveScreenshot(app_, visit.shot + std::wstring(L"-") + RunLocale());
        if (!visit.larger)
            return;
        RECT normal = {};
        GetWindowRect(app_.MainWindow(), &normal);
        SetWindowPos(app_.MainWindow(), nullptr, 0, 0, 960, 720, SWP_NOZORDER);
        SaveScreenshot(app_, visit.shot + std::wstring(L"-large-") + RunLocale());
        SetWindowPos(app_.MainWindow(), nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER);
    }
    bool Written(const Visit& v) { return v.value ? Get(v.root, v.key, v.value).IsDword(v.written) : testreg::KeyExists(v.root, v.key); }
};

TEST_P(PagesEndToEnd, OneChangeIsAppliedAndReadBack)
{
    if (RunLocale() == L"en_US")
        GTEST_SKIP() << "the program does not start in this locale";
    const Visit& v = GetParam();
    MachineText ie(kInternetExplorer, L"Version", v.ieVersion);
    MachineText servicePack(kCurrentVersion, L"CSDVersion", v.servicePack);
    if (v.value)
        RemoveValue(v.root, v.key, v.value);
    else
        testreg::DeleteKey(v.root, v.key);
    Launch(v.windows);
    ASSERT_TRUE(app_.SelectPage(v.page));
    if (v.listId) {
        EXPECT_EQ(v.rows, app_.ItemCount(v.listId));
        EXPECT_EQ(0, app_.ItemCheck(v.listId, v.row));
        ASSERT_TRUE(app_.SetItemCheck(v.listId, v.row, true));
    } else {
        app_.ClickAndWait(kIdRecommendButton);
    }
    Apply(app_);
    EXPECT_TRUE(Written(v));
    EXPECT_TRUE(!v.listId || app_.ItemCheck(v.listId, v.row) == 1) << "read again from the registry";
    // Shot last: the window manager may answer the shot's resizes late, and each layout they
    // cause parks the done mark that the apply waits for.
    Shoot(v);
    CloseDecliningRestart(app_);
}

INSTANTIATE_TEST_SUITE_P(Pages, PagesEndToEnd, ::testing::ValuesIn(kVisits),
                         [](const ::testing::TestParamInfo<Visit>& info) { return info.param.name; });

}  // namespace
