#include "model/PageState.h"
#include "pages/Pages.h"
#include "tests/support/AppFixture.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/ScratchFolder.h"

#include "ZentrakVersion.h"

#include <atomic>

namespace {

const wchar_t kPolicyExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

// Pages whose read is slow: it checks row 0 of list 2003 after a pause, so a read that
// outlives a page switch would leave its mark on the page shown after it.
std::atomic<int> g_slowReads{0};
const PageFunctions kSlowPage = {
    [](QmThisApp& app) {
        app.Combo(kIdPageList)->Enable(false);
        app.ListView(kIdListMain)->DeleteAllItems();
        app.ListView(kIdListMain)->InsertItem(0, L"slow", 0);
        return 1;
    },
    LayoutDesktopPage, [](const SystemFacts&, PageState& state) { Sleep(400); state.SetRow(kIdListMain, 0, true); ++g_slowReads; },
    [](QmThisApp&) { return 0; }, nullptr};
const PageFunctions kSlowPages[kTweakPageCount] = {
    {ShowDesktopPage, LayoutDesktopPage, ReadDesktopPage, ApplyDesktopPage, RecommendDesktopPage},
    kSlowPage, kSlowPage, kSlowPage, kSlowPage, kSlowPage, kSlowPage, kSlowPage, kSlowPage,
};

class AppBehaviour : public AppTest {
protected:
    void Click(int id) { App().OnCommand(Window(), id, nullptr, BN_CLICKED); }
    void Key(UINT key) { App().OnKeyDown(Window(), key); }
    bool OnScreen(int id)
    {
        RECT rect = App().Control(id)->GetWindowRect();
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.left >= 0;
    }
    bool Applied() { return testreg::Get(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings").IsDword(0); }
};

TEST_F(AppBehaviour, ALateReadNeverChangesThePageShownAfterIt)
{
    testreg::SetDword(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", 2);  // row 0 of page 0 cleared
    StartApp(kWin7, 8, 1, 950, kSlowPages);
    // Page 1's slow read starts; page 0 is chosen before it has finished, and its own read
    // reaches the window first.
    const int readsBefore = g_slowReads;
    App().SelectPage(1);
    Key('1');
    WaitFor("page 1's read", [&] { return Pump(), g_slowReads != readsBefore; });
    ASSERT_EQ(0, Check(kIdListMain, 0)) << "page 0's read";
    // Then page 1's result arrives: it changes nothing.
    const std::map<std::string, int> shown = ShownStates();
    WaitForReads();
    EXPECT_EQ(readsBefore + 1, g_slowReads);
    EXPECT_EQ(shown, ShownStates()) << "page 1's late read changed page 0";
    EXPECT_TRUE(App().CurrentPage() == 0 && ItemCount(kIdListMain) == 3 && App().Combo(kIdPageList)->IsEnabled());

    // Keys and an apply while reads run neither crash nor mix the pages.
    testreg::SetDword(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", 0);
    for (UINT key : {UINT('2'), UINT('H'), UINT('3'), UINT('1'), UINT('4'), UINT('1')})
        Key(key);
    EXPECT_EQ(0, App().ApplyPage(Window()));
    WaitForReads();
    EXPECT_TRUE(App().CurrentPage() == 0 && Check(kIdListMain, 0) == 1 && Applied());
}

TEST_F(AppBehaviour, ChoosingThePageShownReadsNothing)
{
    StartApp(kXp);
    RegistryInterceptor registry;
    ShowPage(0);
    EXPECT_TRUE(registry.Calls().empty()) << registry.Calls().size() << " registry calls";
    EXPECT_EQ(0, App().SelectPage(0)) << "\"1\" on page 0 does nothing";
    EXPECT_EQ(1, App().SelectPage(1));
}

// Drawing is held while a page is put together or laid out; what came on screen must still be
// painted afterwards, a hidden window stays hidden, and no size breaks the page.
TEST_F(AppBehaviour, SwitchesAndResizesRepaintThePageAndKeepItsStates)
{
    StartApp(kXp);
    const HWND box = App().Control(2041)->Handle();  // start menu page only
    App().SelectPage(1);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(GetUpdateRect(box, nullptr, FALSE)) << "a control that came on screen waits to be painted";
    WaitForReads();
    SendMessageW(Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(700, 500));
    EXPECT_TRUE(IsWindowVisible(Window()) && GetUpdateRect(box, nullptr, FALSE)) << "a resize repaints the page";
    App().SelectPage(0);
    WaitForReads();

    SetCheck(kIdListLower, 2, true);
    for (LPARAM size : {MAKELPARAM(0, 0), MAKELPARAM(1, 1), MAKELPARAM(30000, 30000), LPARAM(0)})
        SendMessageW(Window(), WM_SIZE, size ? SIZE_RESTORED : SIZE_MINIMIZED, size);
    SendMessageW(Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
    EXPECT_TRUE(App().ClientWidth() == 800 && Check(kIdListLower, 2) == 1 && ItemCount(kIdListLower) == 4 && OnScreen(kIdApplyButton));
    ShowWindow(Window(), SW_HIDE);
    App().SelectPage(2);
    WaitForReads();
    SendMessageW(Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_FALSE(GetWindowLongPtrW(Window(), GWL_STYLE) & WS_VISIBLE) << "resumed drawing made a hidden window visible";
}

TEST_F(AppBehaviour, AConfirmedApplyShowsTheDoneMarkAndClosingThenOffersARestart)
{
    StartApp(kWin7);
    App().restartAnswer = 1;
    SetCheck(kIdListMain, 0, true);
    {
        MessageBoxAnswerer answerer({IDOK});
        Click(kIdApplyButton);
        ASSERT_EQ(1u, answerer.Seen().size());
    }
    WaitForReads();
    EXPECT_TRUE(Applied() && App().SettingsChanged() == 1 && App().LastAppliedPage() == 0 && OnScreen(kIdDoneMark));
    Click(kIdRecommendButton);
    EXPECT_FALSE(OnScreen(kIdDoneMark)) << "recommended settings park the mark";
    MessageBoxAnswerer answerer({IDYES});
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(answerer.Seen().size() == 1 && App().restartsRequested == 1 && !App().Handle());
}

TEST_F(AppBehaviour, AnAnswerGivenAfterTheWindowWentDoesNoHarm)
{
    StartApp(kWin7);
    // The window is asked to close while the confirmation is still open.
    MessageBoxAnswerer answerer({IDOK});
    PostMessageW(Window(), WM_CLOSE, 0, 0);
    Click(kIdApplyButton);
    Pump();
    EXPECT_TRUE(!App().Handle() && !App().Combo(kIdPageList));
}

// Buttons without an action write nothing and start nothing; the links and 'U' open their pages;
// the about box names the build's version. The program list runs what the entry names (on XP
// the help centre's msconfig before the one in system32), says when a launch fails, and goes
// back to its caption entry.
TEST_F(AppBehaviour, ButtonsAndTheProgramListStartWhatTheyName)
{
    StartApp(kXp);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    for (int id : std::initializer_list<int>{kIdRestoreButton, kIdBlankButton, kIdRunProgramButton, kIdHelpButton,
                                             kIdCheckBoxFirst, kIdRadioFirst, kIdListMain, 1999, 2300, kIdUpdateButton,
                                             kIdHomePageButton, kIdDownloadPageButton, kIdNewsPageButton, kIdReportPageButton})
        Click(id);
    Key('U');
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    EXPECT_EQ("201232", App().urlsOpened) << "news, home, download, news, report, news";
    MessageBoxAnswerer about({IDOK});
    Click(kIdAboutButton);
    ASSERT_EQ(1u, about.Seen().size());
    EXPECT_TRUE(about.Seen()[0].caption == L"Zentrak" && about.Seen()[0].text.find(L"Version " ZENTRAK_VERSION_TEXT) != std::wstring::npos);
    ASSERT_EQ(19, App().Combo(kIdProgramList)->GetCount());
    wchar_t windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH), GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring w = windows, s = system, sysdm = L"rundll32.exe shell32.dll Control_RunDLL sysdm.cpl @1";
    // Windows  entry  launches that fail  what is run, in order (none started: an error box)
    const struct { int os, entry; size_t failing; std::vector<std::wstring> run; } cases[] = {
        {kXp, 0, 0, {}},  // the caption entry; nor did the buttons above start anything
        {kXp, 4, 0, {sysdm}},
        {kXp, 4, 1, {sysdm}},
        {kXp, 16, 1, {w + L"\\pchealth\\helpctr\\binaries\\msconfig.exe", w + L"\\system32\\msconfig.exe"}},
        {kXp, 16, 2, {w + L"\\pchealth\\helpctr\\binaries\\msconfig.exe", w + L"\\system32\\msconfig.exe"}},
        {kWin7, 6, 0, {s + L"\\msconfig.exe"}},
    };
    for (const auto& c : cases) {
        if (c.os != App().GetOsCode())
            StartApp(c.os);
        const std::string what = "case " + std::to_string(&c - cases);
        App().launchesThatFail = c.failing;
        const bool fails = !c.run.empty() && c.failing >= c.run.size();
        MessageBoxAnswerer answerer(std::vector<int>(fails ? 1 : 0, IDOK));
        QmCombo* programs = App().Combo(kIdProgramList);
        programs->SetCurSel(c.entry);
        App().OnCommand(Window(), kIdProgramList, programs->Handle(), CBN_SELENDOK);
        EXPECT_TRUE(c.run == App().launched) << what;
        EXPECT_EQ(0, programs->GetCurSel()) << what << ": back to the caption entry";
        ASSERT_EQ(fails ? 1u : 0u, answerer.Seen().size()) << what;
        EXPECT_TRUE(!fails || answerer.Seen()[0].caption == L"Zentrak \x932F\x8AA4\x8A0A\x606F") << what;  // Zentrak 錯誤訊息
        App().launched.clear();
    }
}

// A double-click on a check item, as the mouse makes it through the window, toggles that
// item alone; another control's notification toggles nothing.
TEST_F(AppBehaviour, ADoubleClickTogglesTheItemAlone)
{
    StartApp(kVista);
    QmListview* list = App().ListView(kIdListLower);  // four rows
    auto bounds = [list](int item) {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        list->Send(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rect));
        return rect;
    };
    const LPARAM at = MAKELPARAM(bounds(2).left + 60, (bounds(2).top + bounds(2).bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        list->Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    Pump();
    EXPECT_TRUE(list->GetItemCheck(2) == 1 && list->GetItemCheck(1) == 0 && list->GetItemCheck(3) == 0) << "the mouse's double-click";
    const NMHDR foreign = {Window(), kIdListLower, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(-1, list->HandleNotify(&foreign, true));
    EXPECT_EQ(bounds(2).top - bounds(1).top, list->GetRowHeight()) << "the layout spaces rows by it";
}

// The four code pages decide the language gate and the wording (its message follows it); the
// version gate lets Windows XP, Vista and 7 through. A refusal says why, logs it and opens the
// news page.
TEST_F(AppBehaviour, StartUpGatesTheLanguageThenTheVersion)
{
    ScratchFolder folder;  // for the log
    wchar_t saved[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(folder.Path().c_str());
    const wchar_t* language = L"\x4F5C\x696D\x7CFB\x7D71\x8A9E\x8A00\x4E0D\x9069\x5408";  // 作業系統語言不適合
    const wchar_t* version = L"\x4F5C\x696D\x7CFB\x7D71\x7248\x672C\x4E0D\x9069\x5408";   // 作業系統版本不適合
    // code pages (system OEM, system ANSI, user OEM, user ANSI)  Windows  wording  refusal (null: starts)
    const struct {
        CodePages pages;
        int osCode, variant;
        const wchar_t* refusal;
    } cases[] = {
        {{950, 950, 950, 950}, 108, 950, nullptr},
        {{936, 936, 936, 936}, 113, 936, nullptr},
        {{936, 950, 950, 936}, 116, -1, nullptr},  // OEM 936 with ANSI 950: runs, but shows no texts
        {{950, 936, 936, 936}, 116, 950, nullptr},  // the system OEM code page comes first
        {{950, 950, 1252, 950}, 116, 950, language},  // the user's code pages count too
        {{437, 1252, 437, 1252}, 116, -1, language},
        {{-1, 950, 950, 950}, 116, -1, language},  // a code page that was no number
        {{950, 950, 950, -1}, 116, 950, language},
        {{936, 936, 936, 936}, 114, 936, L"\x4F5C\x4E1A\x7CFB\x7EDF\x7248\x672C\x4E0D\x9002\x5408"},  // a server: 作业系统版本不适合
        {{950, 950, 950, 950}, 0, 950, version},
    };
    for (const auto& c : cases) {
        const std::string what = "case " + std::to_string(&c - cases);
        TestApp app;
        app.codePages = c.pages;
        app.system = SystemFacts{0, c.osCode, 8, 2, -1};
        const size_t logged = ReadFileBytes(folder.File(L"Qm.log")).size();
        MessageBoxAnswerer answerer({IDOK});
        EXPECT_EQ(c.refusal ? 0 : 1, app.CheckStartup()) << what;
        ASSERT_EQ(c.refusal ? 1u : 0u, answerer.Seen().size()) << what;
        EXPECT_TRUE(!c.refusal || answerer.Seen()[0].caption == c.refusal) << what;
        EXPECT_EQ(c.refusal ? "2" : "", app.urlsOpened) << what << ": the news page";
        const std::string log = ReadFileBytes(folder.File(L"Qm.log")).substr(logged);
        const char* line = !c.refusal ? "" : c.refusal == language ? "]I 1\r\n" : "]I 3\r\n";
        EXPECT_TRUE(c.refusal ? log.find(line) != std::string::npos : log.empty()) << what << ": " << log;
        EXPECT_EQ(c.variant, app.Language()) << what;
        EXPECT_TRUE(c.refusal || (app.IsXp() == (c.osCode == 108) && app.GetIeMajorVersion() == 8 && app.ServicePack() == 2)) << what;
    }
    SetCurrentDirectoryW(saved);
    char stamp[32];
    FormatLogStamp(SYSTEMTIME{2009, 2, 5, 6, 1, 2, 3, 0}, stamp);
    EXPECT_STREQ("[2009/02/06 01:02:03]", stamp) << "the log's stamp pads all but the year";
}

}  // namespace
