// The icons page and the Internet Explorer page of the real Zentrak.exe, driven from this
// process through window messages only.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kDesktopSearch[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}";
const wchar_t kClassic[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu";
const wchar_t kNewPanel[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel";
const wchar_t* const kDesktopIcons[] = {L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"{450D8FBA-AD25-11D0-98A8-0800361B1103}",
                                        L"{208D2C60-3AEA-1069-A2D7-08002B30309D}", L"{871C5380-42A0-1069-A2EA-08002B30309D}"};
const wchar_t kMenuBar[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const wchar_t kSearchBox[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\InfoDelivery\\Restrictions";
const wchar_t kCommandBar[] = L"Software\\Microsoft\\Internet Explorer\\CommandBar";
const wchar_t kIeKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer";
const wchar_t kNtVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// A text of the machine that the program reads at start-up (the Internet Explorer version,
// the service pack), set for the life of the object; the prefix's own is put back afterwards.
class MachineText {
public:
    MachineText(const wchar_t* key, const wchar_t* name, const wchar_t* text)
        : key_(key), name_(name), old_(testreg::Get(HKEY_LOCAL_MACHINE, key, name))
    {
        testreg::SetString(HKEY_LOCAL_MACHINE, key_, name_, text);
    }
    ~MachineText()
    {
        if (old_.exists)
            testreg::SetString(HKEY_LOCAL_MACHINE, key_, name_, old_.Text());
        else
            RemoveValue(HKEY_LOCAL_MACHINE, key_, name_);
    }
    MachineText(const MachineText&) = delete;
    MachineText& operator=(const MachineText&) = delete;

private:
    const wchar_t* key_;
    const wchar_t* name_;
    testreg::Value old_;
};

class PagesEndToEndTest : public EndToEndTest {
protected:
    // Clicks the apply button, confirms, and waits until the page has been read again.
    void ApplyConfirmed()
    {
        {
            MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
            app_.Click(kIdApplyButton);
            ASSERT_TRUE(answerer.WaitForAnswers(1, 15000));
        }
        ASSERT_TRUE(AppDriver::WaitUntil([&] { return app_.IsOnScreen(kIdDoneMark); })) << "no done mark";
        ASSERT_TRUE(app_.WaitUntilEnabled(kIdPageList));
    }
    // Closes the program, declining the restart an apply offers.
    void CloseDecliningRestart(bool applied)
    {
        MessageBoxAnswerer answerer({IDNO}, app_.ProcessId());
        app_.Close();
        if (applied) {
            EXPECT_TRUE(answerer.WaitForAnswers(1, 15000));
        }
        EXPECT_TRUE(app_.WaitForExit(15000, nullptr));
    }
};

TEST_F(PagesEndToEndTest, IconsPageOnWindowsXp)
{
    if (RunLocale() == L"en_US")
        GTEST_SKIP() << "the program does not start in this locale";
    RegDeleteKeyW(HKEY_CURRENT_USER, kDesktopSearch);
    for (const wchar_t* icon : kDesktopIcons) {
        RemoveValue(HKEY_CURRENT_USER, kClassic, icon);
        RemoveValue(HKEY_CURRENT_USER, kNewPanel, icon);
    }
    MachineText servicePack(kNtVersionKey, L"CSDVersion", L"Service Pack 3");  // the IE row is there
    Launch(L"winxp");
    ASSERT_TRUE(app_.SelectPage(kPageIcons));
    EXPECT_EQ(20, app_.ItemCount(kIdListMain));
    EXPECT_EQ(16, app_.ItemCount(kIdListRight));
    for (int id : {kIdGroupMain, kIdListMain, kIdGroupRight, kIdListRight, kIdApplyButton, kIdRecommendButton})
        EXPECT_TRUE(app_.IsOnScreen(id)) << id;
    if (RunLocale() == L"zh_CN") {
        EXPECT_EQ(L"\x684C\x9762\x56FE\x793A", app_.Text(kIdGroupMain));  // 桌面图示
    } else {
        EXPECT_EQ(L"\x684C\x9762\x5716\x793A", app_.Text(kIdGroupMain));  // 桌面圖示
        // 顯示「開始功表資料夾」圖示: the desktop list's own stored text
        EXPECT_EQ(L"\x986F\x793A\x300C\x958B\x59CB\x529F\x8868\x8CC7\x6599\x593E\x300D\x5716\x793A",
                  app_.ItemText(kIdListMain, 5));
    }
    SaveScreenshot(app_, L"page7-xp-" + RunLocale());
    const bool applies = RunLocale() == L"zh_TW";
    if (applies) {
        EXPECT_EQ(0, app_.ItemCheck(kIdListMain, 0));
        ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));   // Search namespace key
        ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 16, true));  // My Computer icon
        ApplyConfirmed();
        EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, kDesktopSearch));
        EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kClassic, kDesktopIcons[0]).IsDword(0));
        EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kNewPanel, kDesktopIcons[0]).IsDword(0));
        EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kNewPanel, kDesktopIcons[1]).IsDword(1));  // My Documents cleared
        EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kClassic, kDesktopIcons[3]));     // IE cleared: deleted
        EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 0));  // read again from the registry
        EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 16));
    }
    CloseDecliningRestart(applies);
    RegDeleteKeyW(HKEY_CURRENT_USER, kDesktopSearch);
}

TEST_F(PagesEndToEndTest, InternetExplorerPageForVersion8)
{
    if (RunLocale() == L"en_US")
        GTEST_SKIP() << "the program does not start in this locale";
    const bool applies = RunLocale() == L"zh_TW";
    MachineText version(kIeKey, L"Version", L"8.0.6001.18702");
    testreg::SetDword(HKEY_CURRENT_USER, kSearchBox, L"NoSearchBox", 1);
    testreg::SetDword(HKEY_CURRENT_USER, kMenuBar, L"ITBar7Position", 1);
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageInternetExplorer));
    EXPECT_EQ(14, app_.ItemCount(kIdListMain));
    EXPECT_EQ(8, app_.ItemCount(kIdListRight));
    EXPECT_EQ(L"IE 8", app_.Text(kIdGroupMain));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 7));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 8));
    SaveScreenshot(app_, L"page8-ie8-" + RunLocale());
    if (applies) {
        ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 5, true));   // CommandBarEnabled
        ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 7, false));  // NoSearchBox: written 0
        ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 8, false));  // ITBar7Position: deleted
        ApplyConfirmed();
        EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kSearchBox, L"NoSearchBox").IsDword(0));
        EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kMenuBar, L"ITBar7Position"));
        EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kCommandBar, L"CommandBarEnabled").IsDword(0));
        EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 5));  // read again from the registry
    }
    CloseDecliningRestart(applies);
}

TEST_F(PagesEndToEndTest, InternetExplorerPageForVersion7)
{
    if (RunLocale() == L"en_US")
        GTEST_SKIP() << "the program does not start in this locale";
    MachineText version(kIeKey, L"Version", L"7.0.5730.13");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageInternetExplorer));
    EXPECT_EQ(15, app_.ItemCount(kIdListMain));
    EXPECT_EQ(L"IE 7 \x7981\x6B62", app_.Text(kIdGroupRight));  // IE 7 禁止
    SaveScreenshot(app_, L"page8-ie7-" + RunLocale());
    CloseDecliningRestart(false);
}

}  // namespace
