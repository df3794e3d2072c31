// The start menu, system and restrictions pages in the real Zentrak.exe, driven from this
// process through window messages only: each is reached with the page list, changed, applied
// with OK, and checked in the registry; screenshots of each page at 640 x 480 and larger.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"
#include "tests/support/MessageBoxAnswerer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const wchar_t kZone3[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3";
const wchar_t kClient[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client";
const wchar_t kMessenger[] = L"SOFTWARE\\Policies\\Microsoft\\Messenger";

// The DWORD, or -1 when it is absent or of another type.
long long DwordOf(HKEY root, const wchar_t* key, const wchar_t* name)
{
    DWORD value = 0, size = sizeof(value), type = 0;
    HKEY opened = nullptr;
    long long result = -1;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
        if (RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
            type == REG_DWORD)
            result = value;
        RegCloseKey(opened);
    }
    return result;
}

bool KeyExists(HKEY root, const wchar_t* key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void SetDword(HKEY root, const wchar_t* key, const wchar_t* name, DWORD value)
{
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr));
    RegSetValueExW(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(opened);
}

bool Contains(const std::wstring& text, const wchar_t* part)
{
    return text.find(part) != std::wstring::npos;
}

class MenuPagesEndToEndTest : public EndToEndTest {
protected:
    void SetUp() override
    {
        if (RunLocale() == L"en_US")
            GTEST_SKIP() << "the program does not start in this locale";
    }
    bool Traditional() const { return RunLocale() == L"zh_TW"; }

    // The current page as it is, and again with the window larger, then back.
    void Screenshots(const std::wstring& name)
    {
        RECT normal = {};
        GetWindowRect(app_.MainWindow(), &normal);
        Shoot(name + L"-" + RunLocale());
        // The screen is 1024 x 768: the larger window starts at its corner.
        SetWindowPos(app_.MainWindow(), nullptr, 0, 0, 960, 720, SWP_NOZORDER);
        Shoot(name + L"-large-" + RunLocale());
        SetWindowPos(app_.MainWindow(), nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER);
        Settle();
    }

    void ApplyWithOk()
    {
        MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
        app_.Click(kIdApplyButton);
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000));
        ASSERT_TRUE(AppDriver::WaitUntil([&] { return app_.IsOnScreen(kIdDoneMark); })) << "no done mark";
        ASSERT_TRUE(app_.WaitUntilEnabled(kIdPageList));
    }

    // Closes the program after an apply: the restart question is answered No.
    void CloseAfterApply()
    {
        MessageBoxAnswerer answerer({IDNO}, app_.ProcessId());
        app_.Close();
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000));
        EXPECT_TRUE(app_.WaitForExit(15000, nullptr));
    }

private:
    // Returns when the program has handled everything sent to it before.
    void Settle()
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(app_.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    }

    void Shoot(const std::wstring& name)
    {
        Settle();
        RedrawWindow(app_.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(300);  // the program paints on its own thread
        Settle();
        SaveScreenshot(app_, name);
    }
};

TEST_F(MenuPagesEndToEndTest, StartMenuPage)
{
    RemoveValue(HKEY_CURRENT_USER, kAdvanced, L"Start_ShowSearch");
    RemoveValue(HKEY_CURRENT_USER, kAdvanced, L"Start_ShowMyComputer");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageStartMenu));
    EXPECT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 0));  // missing reads checked
    EXPECT_EQ(1, app_.ComboSelection(2009));       // missing: the middle choice
    EXPECT_EQ(14, app_.ComboCount(2018));
    EXPECT_TRUE(Contains(app_.Text(kIdGroupMain), Traditional() ? L"\x529F\x80FD\x8868" : L"\x83DC\x5355"));
    Screenshots(L"page1");
    if (!Traditional())
        return;

    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, false));
    app_.SelectCombo(2009, 2);
    app_.SetButtonCheck(kIdRadioFirst, true);  // small icons
    app_.SetButtonCheck(kIdRadioFirst + 1, false);
    ApplyWithOk();
    EXPECT_EQ(0, DwordOf(HKEY_CURRENT_USER, kAdvanced, L"Start_ShowSearch"));
    EXPECT_EQ(2, DwordOf(HKEY_CURRENT_USER, kAdvanced, L"Start_ShowMyComputer"));
    EXPECT_EQ(0, DwordOf(HKEY_CURRENT_USER, kAdvanced, L"Start_LargeMFUIcons"));
    EXPECT_EQ(0, app_.ItemCheck(kIdListMain, 0));  // re-read from the registry
    CloseAfterApply();
}

TEST_F(MenuPagesEndToEndTest, SystemPageOnWindowsXp)
{
    SetDword(HKEY_CURRENT_USER, kExplorer, L"ThumbnailSize", 96);
    Launch(L"winxp");
    ASSERT_TRUE(app_.SelectPage(kPageSystem));
    EXPECT_EQ(6, app_.ItemCount(kIdListMain));
    EXPECT_EQ(3, app_.ItemCount(kIdListRight));
    EXPECT_EQ(BST_CHECKED, app_.ButtonCheck(2041));
    EXPECT_EQ(L"96", app_.Text(kIdStaticThumbnailSize));
    EXPECT_TRUE(app_.IsOnScreen(kIdThumbnailTrackbar));
    EXPECT_EQ(21, app_.ComboCount(2016));
    Screenshots(L"page2-xp");
    if (!Traditional())
        return;

    // The user drags the track bar: the program hears of it and shows the size.
    HWND trackbar = app_.Control(kIdThumbnailTrackbar);
    SendMessageW(trackbar, TBM_SETPOS, TRUE, 160);
    SendMessageW(app_.MainWindow(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(trackbar));
    EXPECT_EQ(L"160", app_.Text(kIdStaticThumbnailSize));
    ApplyWithOk();
    EXPECT_EQ(160, DwordOf(HKEY_CURRENT_USER, kExplorer, L"ThumbnailSize"));
    EXPECT_EQ(L"160", app_.Text(kIdStaticThumbnailSize));
    CloseAfterApply();
    RemoveValue(HKEY_CURRENT_USER, kExplorer, L"ThumbnailSize");
}

TEST_F(MenuPagesEndToEndTest, SystemPageOnWindows7)
{
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageSystem));
    EXPECT_EQ(2, app_.ItemCount(kIdListRight));
    EXPECT_FALSE(app_.IsOnScreen(kIdThumbnailTrackbar));
    Screenshots(L"page2-win7");
}

TEST_F(MenuPagesEndToEndTest, RestrictionsPageOnWindowsXp)
{
    RemoveValue(HKEY_CURRENT_USER, kZone3, L"1803");
    SetDword(HKEY_LOCAL_MACHINE, kClient, L"PreventRun", 1);
    Launch(L"winxp");
    ASSERT_TRUE(app_.SelectPage(kPageRestrictions));
    // Internet Explorer is not 6 here: no auto-complete row, so Messenger is row 16.
    ASSERT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_TRUE(Contains(app_.ItemText(kIdListMain, 16), L"Messenger"));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 16));
    EXPECT_EQ(6, app_.ItemCount(kIdListRight));
    Screenshots(L"page3-xp");
    if (!Traditional()) {
        RemoveValue(HKEY_LOCAL_MACHINE, kClient, L"PreventRun");
        return;
    }

    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 16, false));
    ApplyWithOk();
    EXPECT_EQ(3, DwordOf(HKEY_CURRENT_USER, kZone3, L"1803"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kClient));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMessenger));
    CloseAfterApply();
    RemoveValue(HKEY_CURRENT_USER, kZone3, L"1803");
}

}  // namespace
