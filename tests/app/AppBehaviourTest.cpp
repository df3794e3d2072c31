#include "app/LayoutMath.h"
#include "pages/Pages.h"
#include "tests/support/AppFixture.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

const wchar_t kPolicyExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

// A page whose read is slow: it checks row 0 of list 2003 after a pause, so a read that
// outlives a page switch would leave its mark on the page shown after it.
std::atomic<int> g_slowReads{0};
int ShowSlowPage(QmThisApp& app)
{
    QmListview* list = app.ListView(kIdListMain);
    app.Combo(kIdPageList)->Enable(false);
    list->DeleteAllItems();
    list->InsertItem(0, L"slow", 0);
    return 1;
}
int ReadSlowPage(QmThisApp& app)
{
    Sleep(400);
    app.ListView(kIdListMain)->CheckItem(0);
    ++g_slowReads;
    return 0;
}
int LayoutSlowPage(QmThisApp& app, int width, int height) { return LayoutDesktopPage(app, width, height); }
int NoApply(QmThisApp&) { return 0; }

const PageFunctions kSlowPages[kTweakPageCount] = {
    {ShowDesktopPage, LayoutDesktopPage, ReadDesktopPage, ApplyDesktopPage, RecommendDesktopPage},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
    {ShowSlowPage, LayoutSlowPage, ReadSlowPage, NoApply, nullptr},
};

class AppBehaviour : public AppTest {
protected:
    void Click(int id) { App().OnCommand(Window(), id, nullptr, BN_CLICKED); }
    void Key(UINT key) { App().OnKeyDown(Window(), key); }
    RECT Placement(int id)
    {
        RECT rect = App().Control(id)->GetWindowRect();
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    bool OnScreen(int id) { return Placement(id).left >= 0; }
};

TEST_F(AppBehaviour, ALateReadNeverChangesThePageShownAfterIt)
{
    testreg::SetDword(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", 2);  // row 0 of page 0 cleared
    StartApp(kWin7, 8, 1, 950, kSlowPages);
    const QmCombo* pageList = App().Combo(kIdPageList);
    // Page 1's slow read starts; page 0 is chosen before it has finished.
    App().SelectPage(1);
    const int readsBefore = g_slowReads;
    Key('1');
    EXPECT_EQ(readsBefore + 1, g_slowReads) << "the switch waited for the read it followed";
    App().WaitForReadWorker();
    Pump();
    EXPECT_EQ(0, pageList->GetCurSel());
    EXPECT_EQ(3, ItemCount(kIdListMain));
    EXPECT_EQ(0, Check(kIdListMain, 0)) << "page 1's late read checked page 0's row";
    EXPECT_TRUE(pageList->IsEnabled());
}

TEST_F(AppBehaviour, KeysAndAppliesWhileReadsRunNeitherCrashNorMixPages)
{
    testreg::SetDword(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings", 0);  // row 0 checked
    StartApp(kWin7, 8, 1, 950, kSlowPages);
    for (UINT key : {UINT('2'), UINT('H'), UINT('3'), UINT('1'), UINT('4'), UINT('1')})
        Key(key);
    EXPECT_EQ(0, App().ApplyPage(Window()));
    App().WaitForReadWorker();
    Pump();
    EXPECT_EQ(0, App().CurrentPage());
    EXPECT_EQ(1, Check(kIdListMain, 0));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings").IsDword(0));
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

TEST_F(AppBehaviour, WindowSizesDownToNothingAndBack)
{
    StartApp(kVista);
    SetCheck(kIdListLower, 2, true);
    for (LPARAM size : {MAKELPARAM(0, 0), MAKELPARAM(1, 1), MAKELPARAM(30000, 30000), MAKELPARAM(640, 480)})
        SendMessageW(Window(), WM_SIZE, SIZE_RESTORED, size);
    SendMessageW(Window(), WM_SIZE, SIZE_MINIMIZED, 0);
    SendMessageW(Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
    EXPECT_EQ(800, App().ClientWidth());
    EXPECT_EQ(1, Check(kIdListLower, 2)) << "a resize keeps the states";
    EXPECT_EQ(4, ItemCount(kIdListLower));
    const RECT apply = Placement(kIdApplyButton);
    const Box expected = ApplyButtonBox(800, 600);
    EXPECT_EQ(expected.x, apply.left);
    EXPECT_EQ(expected.y, apply.top);
}

TEST_F(AppBehaviour, TheLayoutKeepsThingsApartAt640By480)
{
    StartApp(kXp);
    const int ids[] = {kIdPageList, kIdProgramList, kIdUpdateButton, kIdGroupMain, kIdGroupRight, kIdGroupLower,
                       kIdRecommendButton, kIdApplyButton};
    RECT client;
    GetClientRect(Window(), &client);
    for (int a : ids) {
        const RECT ra = Placement(a);
        EXPECT_TRUE(ra.left >= 0 && ra.top >= 0 && ra.right <= client.right && ra.bottom <= client.bottom) << a;
        // The two picture combo boxes' rectangles include their drop-down lists.
        const bool dropsDown = a == kIdPageList || a == kIdProgramList;
        for (int b : ids) {
            RECT overlap;
            const RECT rb = Placement(b);
            if (a < b && !dropsDown && b != kIdPageList && b != kIdProgramList) {
                EXPECT_FALSE(IntersectRect(&overlap, &ra, &rb)) << a << " overlaps " << b;
            }
        }
    }
    // Every row of every list is visible without scrolling.
    for (int list : {kIdListMain, kIdListRight, kIdListLower}) {
        QmListview* view = App().ListView(list);
        RECT last = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(view->Handle(), LVM_GETITEMRECT, view->GetItemCount() - 1, reinterpret_cast<LPARAM>(&last));
        EXPECT_LE(last.bottom, view->GetClientRect().bottom) << list;
    }
}

TEST_F(AppBehaviour, ApplyAsksFirstAndTheRestartQuestionFollowsAConfirmedApply)
{
    StartApp(kWin7);
    SetCheck(kIdListMain, 0, true);
    {
        MessageBoxAnswerer answerer({IDCANCEL});
        Click(kIdApplyButton);
        ASSERT_EQ(1u, answerer.Seen().size());
    }
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings"));
    EXPECT_EQ(0, App().SettingsChanged());
    EXPECT_FALSE(OnScreen(kIdDoneMark));
    {
        MessageBoxAnswerer answerer({IDOK});
        Click(kIdApplyButton);
        ASSERT_EQ(1u, answerer.Seen().size());
    }
    App().WaitForReadWorker();
    Pump();
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings").IsDword(0));
    EXPECT_EQ(1, App().SettingsChanged());
    EXPECT_EQ(0, App().LastAppliedPage());
    const RECT mark = Placement(kIdDoneMark), recommend = Placement(kIdRecommendButton);
    EXPECT_EQ(recommend.left - 24, mark.left);
    EXPECT_EQ(recommend.top, mark.top);
    Click(kIdRecommendButton);
    EXPECT_FALSE(OnScreen(kIdDoneMark)) << "recommended settings park the mark";

    {
        MessageBoxAnswerer answerer({IDNO});
        SendMessageW(Window(), WM_CLOSE, 0, 0);
        ASSERT_EQ(1u, answerer.Seen().size());
    }
    EXPECT_EQ(0, App().restartsRequested);
    EXPECT_EQ(nullptr, App().Handle()) << "No closes the program";
}

TEST_F(AppBehaviour, YesRequestsTheRestartAndClosingWithoutAnApplyAsksNothing)
{
    StartApp(kWin7);
    {
        MessageBoxAnswerer answerer({});
        SendMessageW(Window(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(answerer.Seen().empty());
    }
    EXPECT_EQ(nullptr, App().Handle());
    TearDown();
    SetUp();

    StartApp(kWin7);
    App().restartAnswer = 1;
    {
        MessageBoxAnswerer answerer({IDOK});
        Click(kIdApplyButton);
    }
    App().WaitForReadWorker();
    MessageBoxAnswerer answerer({IDYES});
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(1, App().restartsRequested);
    EXPECT_EQ(nullptr, App().Handle());
}

TEST_F(AppBehaviour, AnAnswerGivenLateOrAfterTheWindowWentDoesNoHarm)
{
    StartApp(kWin7);
    // The window is asked to close while the confirmation is still open.
    MessageBoxAnswerer answerer({IDOK});
    PostMessageW(Window(), WM_CLOSE, 0, 0);
    Click(kIdApplyButton);
    Pump();
    EXPECT_EQ(nullptr, App().Handle());
    EXPECT_EQ(nullptr, App().Combo(kIdPageList));
}

TEST_F(AppBehaviour, ButtonsWithoutActionsAndThoseThatOpenPages)
{
    StartApp(kXp);
    const testreg::Snapshot before = testreg::TakeSnapshot();
    for (int id : {2101, 2001, 2071, 2082, 2041, 2056, 2003, 1999, 2300})
        Click(id);
    EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot()));
    EXPECT_EQ(0, App().urlsOpened);
    for (int id : {kIdUpdateButton, kIdHomePageButton, kIdDownloadPageButton, kIdNewsPageButton, kIdReportPageButton})
        Click(id);
    EXPECT_EQ(5, App().urlsOpened);
    Key('U');
    EXPECT_EQ(6, App().urlsOpened);

    MessageBoxAnswerer answerer({IDOK});
    Click(kIdAboutButton);
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(L"Zentrak", answerer.Seen()[0].caption);
    EXPECT_NE(std::wstring::npos, answerer.Seen()[0].text.find(L"Version 1.3.2.0"));
}

TEST_F(AppBehaviour, TheProgramListRunsWhatTheEntryNames)
{
    StartApp(kXp);
    QmCombo* programs = App().Combo(kIdProgramList);
    ASSERT_EQ(19, programs->GetCount());
    auto choose = [&](int entry) {
        programs->SetCurSel(entry);
        App().OnCommand(Window(), kIdProgramList, programs->Handle(), CBN_SELENDOK);
        EXPECT_EQ(0, programs->GetCurSel()) << "the list goes back to its first entry";
    };
    choose(0);
    EXPECT_TRUE(App().filesRun.empty() && App().commandsRun.empty()) << "the caption entry runs nothing";
    choose(3);
    ASSERT_EQ(1u, App().filesRun.size());
    EXPECT_NE(std::wstring::npos, App().filesRun[0].find(L"\\calc.exe"));
    choose(4);
    ASSERT_EQ(1u, App().commandsRun.size());
    EXPECT_EQ("rundll32.exe shell32.dll Control_RunDLL sysdm.cpl @1", App().commandsRun[0]);

    // The help-centre copy of msconfig first, then the one in system32, both under Windows.
    App().filesRun.clear();
    App().launchesThatFail = 1;
    choose(16);
    ASSERT_EQ(2u, App().filesRun.size());
    EXPECT_NE(std::wstring::npos, App().filesRun[0].find(L"\\pchealth\\helpctr\\binaries\\msconfig.exe"));
    EXPECT_NE(std::wstring::npos, App().filesRun[1].find(L"\\system32\\msconfig.exe"));

    // A launch that fails says so.
    App().filesRun.clear();
    App().launchesThatFail = 5;
    MessageBoxAnswerer answerer({IDOK});
    choose(1);
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(L"Zentrak \x932F\x8AA4\x8A0A\x606F", answerer.Seen()[0].caption);  // Zentrak 錯誤訊息
}

TEST_F(AppBehaviour, VistaAndSevenRunMsconfigFromTheSystemFolder)
{
    StartApp(kWin7);
    QmCombo* programs = App().Combo(kIdProgramList);
    programs->SetCurSel(6);
    App().OnCommand(Window(), kIdProgramList, programs->Handle(), CBN_SELENDOK);
    ASSERT_EQ(1u, App().filesRun.size());
    EXPECT_NE(std::wstring::npos, App().filesRun[0].find(L"\\msconfig.exe"));
    EXPECT_EQ(std::wstring::npos, App().filesRun[0].find(L"pchealth"));
}

TEST_F(AppBehaviour, PageListPicturesAndTheThumbnailText)
{
    StartApp(kXp);
    const int pictures[] = {39, 22, 8, 41, 5, 37, 37, 51, 72, 13};
    QmCombo* pageList = App().Combo(kIdPageList);
    for (int page = 0; page < kPageCount; ++page) {
        int image = -1;
        ASSERT_TRUE(pageList->GetExItem(page, nullptr, &image, nullptr));
        EXPECT_EQ(pictures[page], image) << page;
    }
    EXPECT_EQ(76, App().SmallImages().Count());
    EXPECT_EQ(76, App().LargeImages().Count());

    ShowPage(2);
    QmTrackbar* thumbnails = App().Trackbar(kIdThumbnailTrackbar);
    thumbnails->SetRange(32, 256);
    thumbnails->SetPos(96);
    SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 96), reinterpret_cast<LPARAM>(thumbnails->Handle()));
    EXPECT_STREQ(L"96", App().Static(kIdStaticThumbnailSize)->GetText().CStr());
}

}  // namespace

namespace {

class StartupGates : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        GetCurrentDirectoryW(MAX_PATH, saved_);
        SetCurrentDirectoryW(folder_.Path().c_str());
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(saved_);
        RegistryTest::TearDown();
    }
    std::string Log() { return ReadFileBytes(folder_.File(L"Qm.log")); }

    ScratchFolder folder_;
    wchar_t saved_[MAX_PATH] = {};
    TestApp app_;
};

SystemFacts Windows(int osCode)
{
    SystemFacts facts;
    facts.osCode = osCode;
    facts.ieMajorVersion = 8;
    facts.servicePack = 2;
    facts.homeEdition = -1;
    return facts;
}

TEST_F(StartupGates, ACodePageThatIsNoNumberRefusesToStart)
{
    app_.codePages = CodePages{950, 950, 950, -1};
    app_.system = Windows(116);
    MessageBoxAnswerer answerer({IDOK});
    EXPECT_EQ(0, app_.CheckStartup());
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(L"\x4F5C\x696D\x7CFB\x7D71\x8A9E\x8A00\x4E0D\x9069\x5408", answerer.Seen()[0].caption);  // 作業系統語言不適合
    EXPECT_EQ(1, app_.urlsOpened) << "the news page";
    EXPECT_NE(std::string::npos, Log().find("]I 1\r\n"));
    EXPECT_EQ(950, app_.Language()) << "the wording is chosen before the refusal";
}

TEST_F(StartupGates, AServerIsRefusedAfterTheLanguagePasses)
{
    app_.codePages = CodePages{936, 936, 936, 936};
    app_.system = Windows(114);
    MessageBoxAnswerer answerer({IDOK});
    EXPECT_EQ(0, app_.CheckStartup());
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(L"\x4F5C\x4E1A\x7CFB\x7EDF\x7248\x672C\x4E0D\x9002\x5408", answerer.Seen()[0].caption);  // 作业系统版本不适合
    EXPECT_NE(std::string::npos, Log().find("]I 3\r\n"));
}

TEST_F(StartupGates, ASuitableSystemKeepsWhatStartUpFound)
{
    app_.codePages = CodePages{950, 950, 936, 936};
    app_.system = Windows(108);
    MessageBoxAnswerer answerer({});
    EXPECT_EQ(1, app_.CheckStartup());
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(950, app_.Language());
    EXPECT_EQ(1, app_.IsXp());
    EXPECT_EQ(8, app_.GetIeMajorVersion());
    EXPECT_EQ(2, app_.ServicePack());
    EXPECT_EQ("", Log());
}

TEST_F(StartupGates, AWindowsFolderThatCannotBeReadLeavesNoDriveRoot)
{
    app_.windowsFolderMissing = true;
    EXPECT_STREQ(L"", app_.WindowsDriveRoot());
    TestApp other;
    const std::wstring root = other.WindowsDriveRoot();
    EXPECT_EQ(3u, root.size());
    EXPECT_EQ(L":\\", root.substr(1));
}

}  // namespace
