// The start menu, system and restrictions pages in the real Zentrak.exe, driven from this
// process through window messages only: each is reached with the page list, changed, applied
// with OK, and checked in the registry; screenshots of each page at 640 x 480 and larger.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistryFacts.h"

#include <commctrl.h>

namespace {

const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t kZone3[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3";
const wchar_t kClient[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client";
const HKEY kUser = HKEY_CURRENT_USER;

class MenuPagesEndToEndTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        if (RunLocale() == L"en_US")
            GTEST_SKIP() << "the program does not start in this locale";
    }
    bool Traditional() const { return RunLocale() == L"zh_TW"; }

    // The page as it is, and again in a larger window at the screen's corner.
    void Screenshots(const std::wstring& name)
    {
        RECT normal = {};
        GetWindowRect(app_.MainWindow(), &normal);
        Shoot(name + L"-" + RunLocale());
        SetWindowPos(app_.MainWindow(), nullptr, 0, 0, 960, 720, SWP_NOZORDER);
        Shoot(name + L"-large-" + RunLocale());
        SetWindowPos(app_.MainWindow(), nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER);
    }

    // Applies with OK; after the program's next read, closes it and answers No to the restart.
    void ApplyWithOk()
    {
        MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
        app_.Click(kIdApplyButton);
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000));
        ASSERT_TRUE(AppDriver::WaitUntil([&] { return app_.IsOnScreen(kIdDoneMark); })) << "no done mark";
        ASSERT_TRUE(app_.WaitUntilEnabled(kIdPageList));
    }
    void CloseAfterApply()
    {
        MessageBoxAnswerer answerer({IDNO}, app_.ProcessId());
        app_.Close();
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000));
        EXPECT_TRUE(app_.WaitForExit(15000, nullptr));
    }

private:
    // The shot is taken from the screen, where the windows of tests running beside this one
    // come and go: the program's window stays above them meanwhile.
    void Shoot(const std::wstring& name)
    {
        const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        SetWindowPos(app_.MainWindow(), HWND_TOPMOST, 0, 0, 0, 0, keep);
        RedrawWindow(app_.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(300);  // the program paints on its own thread
        DWORD_PTR result = 0;
        SendMessageTimeoutW(app_.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        SaveScreenshot(app_, name);
        SetWindowPos(app_.MainWindow(), HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    }
};

TEST_F(MenuPagesEndToEndTest, StartMenuPage)
{
    RemoveValue(kUser, kAdvanced, L"Start_ShowSearch");
    RemoveValue(kUser, kAdvanced, L"Start_ShowMyComputer");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageStartMenu));
    EXPECT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 0));  // missing reads checked
    EXPECT_EQ(1, app_.ComboSelection(2009));       // missing: the middle choice
    // 功能表, or 菜单 in the Simplified wording
    EXPECT_NE(std::wstring::npos, app_.Text(kIdGroupMain).find(Traditional() ? L"\x529F\x80FD\x8868" : L"\x83DC\x5355"));
    Screenshots(L"page1");
    if (!Traditional())
        return;
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, false));
    app_.SelectCombo(2009, 2);
    app_.SetButtonCheck(kIdRadioFirst, true);  // small icons
    app_.SetButtonCheck(kIdRadioFirst + 1, false);
    ApplyWithOk();
    EXPECT_TRUE(testreg::Get(kUser, kAdvanced, L"Start_ShowSearch").IsDword(0));
    EXPECT_TRUE(testreg::Get(kUser, kAdvanced, L"Start_ShowMyComputer").IsDword(2));
    EXPECT_TRUE(testreg::Get(kUser, kAdvanced, L"Start_LargeMFUIcons").IsDword(0));
    EXPECT_EQ(0, app_.ItemCheck(kIdListMain, 0));  // read again from the registry
    CloseAfterApply();
}

TEST_F(MenuPagesEndToEndTest, SystemPageOnWindowsXp)
{
    testreg::SetDword(kUser, kExplorer, L"ThumbnailSize", 96);
    Launch(L"winxp");
    ASSERT_TRUE(app_.SelectPage(kPageSystem));
    EXPECT_EQ(3, app_.ItemCount(kIdListRight));
    EXPECT_EQ(L"96", app_.Text(kIdStaticThumbnailSize));
    EXPECT_TRUE(app_.IsOnScreen(kIdThumbnailTrackbar));
    Screenshots(L"page2-xp");
    if (!Traditional())
        return;
    // The user drags the track bar: the program hears of it and shows the size.
    HWND trackbar = app_.Control(kIdThumbnailTrackbar);
    SendMessageW(trackbar, TBM_SETPOS, TRUE, 160);
    SendMessageW(app_.MainWindow(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(trackbar));
    EXPECT_EQ(L"160", app_.Text(kIdStaticThumbnailSize));
    ApplyWithOk();
    EXPECT_TRUE(testreg::Get(kUser, kExplorer, L"ThumbnailSize").IsDword(160));
    CloseAfterApply();
}

TEST_F(MenuPagesEndToEndTest, RestrictionsPageOnWindowsXp)
{
    RemoveValue(kUser, kZone3, L"1803");
    testreg::SetDword(HKEY_LOCAL_MACHINE, kClient, L"PreventRun", 1);
    Launch(L"winxp");
    ASSERT_TRUE(app_.SelectPage(kPageRestrictions));
    // Internet Explorer is not 6 here: no auto-complete row, so Messenger is row 16.
    ASSERT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_NE(std::wstring::npos, app_.ItemText(kIdListMain, 16).find(L"Messenger"));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 16));
    Screenshots(L"page3-xp");
    if (!Traditional())
        return;
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 16, false));
    ApplyWithOk();
    EXPECT_TRUE(testreg::Get(kUser, kZone3, L"1803").IsDword(3));
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Microsoft\\Messenger"));
    CloseAfterApply();
}

}  // namespace
