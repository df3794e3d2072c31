// Pages 1 to 8 of the real Zentrak.exe, driven from this process through window messages only:
// each is reached with the page list, shot, changed, applied with OK and checked in the
// registry of the end-to-end prefix.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistryFacts.h"

#include <commctrl.h>

namespace {

using testreg::Get;
const wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const wchar_t kCdfs[] = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const wchar_t kTcpip[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const wchar_t kInterfaces[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const wchar_t kInternet[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const wchar_t kClassic[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu";
const wchar_t kNewPanel[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel";
const wchar_t kMenuBar[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
const wchar_t kSearchBox[] = L"Software\\Policies\\Microsoft\\Internet Explorer\\InfoDelivery\\Restrictions";
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kMachine = HKEY_LOCAL_MACHINE;

// A text of the machine the program reads at start-up (the Internet Explorer version, the
// service pack), set for the life of the object; the prefix's own is put back afterwards.
struct MachineText {
    const wchar_t* key;
    const wchar_t* name;
    testreg::Value old = Get(kMachine, key, name);
    MachineText(const wchar_t* k, const wchar_t* n, const wchar_t* text) : key(k), name(n) { testreg::SetString(kMachine, k, n, text); }
    ~MachineText() { old.exists ? testreg::SetString(kMachine, key, name, old.Text()) : RemoveValue(kMachine, key, name); }
    MachineText(const MachineText&) = delete;
    MachineText& operator=(const MachineText&) = delete;
};

class PagesEndToEnd : public EndToEndTest {
protected:
    void SetUp() override
    {
        if (RunLocale() == L"en_US")
            GTEST_SKIP() << "the program does not start in this locale";
    }
    // Starts the program and opens `page`.
    void Open(int page, const std::wstring& windowsVersion = L"")
    {
        Launch(windowsVersion);
        ASSERT_TRUE(app_.SelectPage(page));
    }
    // The page as it is; with `larger`, again in a larger window.
    void Shoot(const std::wstring& name, bool larger = false)
    {
        SaveScreenshot(app_, name + L"-" + RunLocale());
        if (!larger)
            return;
        RECT normal = {};
        GetWindowRect(app_.MainWindow(), &normal);
        SetWindowPos(app_.MainWindow(), nullptr, 0, 0, 960, 720, SWP_NOZORDER);
        SaveScreenshot(app_, name + L"-large-" + RunLocale());
        SetWindowPos(app_.MainWindow(), nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER);
    }
    // Applies with OK and waits for the read that follows.
    void ApplyWithOk()
    {
        MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
        app_.Click(kIdApplyButton);
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000)) << "no confirmation";
        ASSERT_TRUE(AppDriver::WaitUntil([&] { return app_.IsOnScreen(kIdDoneMark); })) << "no done mark";
        ASSERT_TRUE(app_.WaitUntilEnabled(kIdPageList));
    }
    // Closes the program, declining the restart an apply offers.
    void Close(bool applied = true)
    {
        MessageBoxAnswerer answerer({IDNO}, app_.ProcessId());
        app_.Close();
        if (applied) {
            EXPECT_TRUE(answerer.WaitForAnswers(1, 15000)) << "no restart question";
        }
        EXPECT_TRUE(app_.WaitForExit(15000, nullptr));
    }
};

TEST_F(PagesEndToEnd, StartMenuPage)
{
    RemoveValue(kUser, kAdvanced, L"Start_ShowSearch");
    RemoveValue(kUser, kAdvanced, L"Start_ShowMyComputer");
    Open(kPageStartMenu);
    EXPECT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 0));  // missing reads checked
    Shoot(L"page1", true);
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, false));
    app_.SelectCombo(2009, 2);
    ApplyWithOk();
    EXPECT_TRUE(Get(kUser, kAdvanced, L"Start_ShowSearch").IsDword(0));
    EXPECT_TRUE(Get(kUser, kAdvanced, L"Start_ShowMyComputer").IsDword(2));
    EXPECT_EQ(0, app_.ItemCheck(kIdListMain, 0));  // read again from the registry
    Close();
}

TEST_F(PagesEndToEnd, SystemPageOnWindowsXp)
{
    const wchar_t explorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    testreg::SetDword(kUser, explorer, L"ThumbnailSize", 96);
    Open(kPageSystem, L"winxp");
    EXPECT_EQ(3, app_.ItemCount(kIdListRight));
    EXPECT_EQ(L"96", app_.Text(kIdStaticThumbnailSize));
    Shoot(L"page2-xp", true);
    // The user drags the track bar: the program hears of it and shows the size.
    HWND trackbar = app_.Control(kIdThumbnailTrackbar);
    SendMessageW(trackbar, TBM_SETPOS, TRUE, 160);
    SendMessageW(app_.MainWindow(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(trackbar));
    EXPECT_EQ(L"160", app_.Text(kIdStaticThumbnailSize));
    ApplyWithOk();
    EXPECT_TRUE(Get(kUser, explorer, L"ThumbnailSize").IsDword(160));
    Close();
}

TEST_F(PagesEndToEnd, RestrictionsPageOnWindowsXp)
{
    const wchar_t zone3[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3";
    RemoveValue(kUser, zone3, L"1803");
    testreg::SetDword(kMachine, L"SOFTWARE\\Policies\\Microsoft\\Messenger\\Client", L"PreventRun", 1);
    Open(kPageRestrictions, L"winxp");
    // Internet Explorer is not 6 here: no auto-complete row, so Messenger is row 16.
    ASSERT_EQ(17, app_.ItemCount(kIdListMain));
    EXPECT_NE(std::wstring::npos, app_.ItemText(kIdListMain, 16).find(L"Messenger"));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 16));
    Shoot(L"page3-xp", true);
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 16, false));
    ApplyWithOk();
    EXPECT_TRUE(Get(kUser, zone3, L"1803").IsDword(3));
    EXPECT_FALSE(testreg::KeyExists(kMachine, L"SOFTWARE\\Policies\\Microsoft\\Messenger"));
    Close();
}

TEST_F(PagesEndToEnd, HardwarePage)
{
    for (const wchar_t* name : {L"PrefetchTail", L"CacheSize", L"Prefetch"})
        RemoveValue(kMachine, kCdfs, name);
    Open(kPageHardware);
    EXPECT_EQ(4, app_.ItemCount(kIdListMain));  // Windows 7 has the USB row
    EXPECT_EQ(L"硬件", app_.Text(kIdGroupMain));  // one wording
    Shoot(L"page4");
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    app_.SetButtonCheck(2042, true);
    app_.SelectCombo(2009, 1);        // 適中
    app_.SetButtonCheck(2041, true);  // checked without a choice: writes nothing
    ApplyWithOk();
    EXPECT_TRUE(Get(kMachine, kCdfs, L"PrefetchTail").IsDword(512));
    EXPECT_TRUE(Get(kMachine, kCdfs, L"CacheSize").IsDword(1238));
    EXPECT_FALSE(testreg::ValueExists(kMachine, kCdfs, L"Prefetch"));
    // The read after the apply shows what the registry holds.
    EXPECT_TRUE(AppDriver::WaitUntil([&] { return app_.ButtonCheck(2041) == BST_UNCHECKED; }));
    EXPECT_EQ(1, app_.ComboSelection(2009));
    Close();
}

TEST_F(PagesEndToEnd, Network1Page)
{
    RemoveValue(kMachine, kInterfaces, L"RelerseLeaseOnShutdown");
    Open(kPageNetwork1);
    EXPECT_EQ(15, app_.ItemCount(kIdListMain));  // Windows 7 has the half-open row
    Shoot(L"page5");
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 11, true));
    ApplyWithOk();
    EXPECT_TRUE(Get(kMachine, kInterfaces, L"RelerseLeaseOnShutdown").IsDword(1));
    EXPECT_TRUE(Get(kMachine, L"SOFTWARE\\Microsoft\\TelnetServer\\1.0", L"MaxConnections").IsDword(63));
    Close();
}

TEST_F(PagesEndToEnd, Network2Page)
{
    RemoveValue(kMachine, kTcpip, L"ForwardBufferMemory");
    RemoveValue(kUser, kInternet, L"KeepAliveTimeout");
    RemoveValue(kUser, kInternet, L"ServerInfoTimeout");
    Open(kPageNetwork2);
    EXPECT_EQ(RunLocale() == L"zh_CN" ? L"2 小时" : L"2 小時", app_.ComboText(2024, 32));
    app_.ClickAndWait(kIdRecommendButton);
    EXPECT_EQ(7, app_.ComboSelection(2024));
    app_.SetButtonCheck(2044, true);
    app_.SelectCombo(2014, 99);
    app_.SelectCombo(2024, 32);
    // The longest texts of both columns, to be seen whole in the screenshot.
    app_.SelectCombo(2023, 9);   // 17520 (乙太網設定)
    app_.SelectCombo(2077, 4);   // 5 (建議)
    app_.SelectCombo(2078, 22);  // 1000
    Shoot(L"page6");
    ApplyWithOk();
    EXPECT_TRUE(Get(kMachine, kTcpip, L"ForwardBufferMemory").IsDword(2608640));
    EXPECT_TRUE(Get(kUser, kInternet, L"KeepAliveTimeout").IsDword(119537664));
    EXPECT_TRUE(Get(kUser, kInternet, L"ServerInfoTimeout").IsDword(119537664));
    EXPECT_TRUE(Get(kMachine, kTcpip, L"MTU").IsDword(8000));  // recommended: "10 M"
    EXPECT_FALSE(testreg::ValueExists(kMachine, kTcpip, L"TcpMaxPortsExhausted"));  // its box is clear
    // The read after the apply clears the pair that wrote nothing.
    EXPECT_TRUE(AppDriver::WaitUntil([&] { return app_.ComboSelection(2077) == -1; }));
    Close();
}

TEST_F(PagesEndToEnd, IconsPageOnWindowsXp)
{
    const wchar_t search[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}";
    const wchar_t* const icons[] = {L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"{450D8FBA-AD25-11D0-98A8-0800361B1103}",
                                    L"{871C5380-42A0-1069-A2EA-08002B30309D}"};  // My Computer, My Documents, IE
    RegDeleteKeyW(kUser, search);
    for (const wchar_t* icon : icons)
        for (const wchar_t* style : {kClassic, kNewPanel})
            RemoveValue(kUser, style, icon);
    MachineText servicePack(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"CSDVersion", L"Service Pack 3");  // the IE row is there
    Open(kPageIcons, L"winxp");
    EXPECT_EQ(20, app_.ItemCount(kIdListMain));
    EXPECT_EQ(16, app_.ItemCount(kIdListRight));
    EXPECT_EQ(RunLocale() == L"zh_CN" ? L"\x684C\x9762\x56FE\x793A" : L"\x684C\x9762\x5716\x793A", app_.Text(kIdGroupMain));  // 桌面图示 / 桌面圖示
    Shoot(L"page7-xp");
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));   // the Search namespace key
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 16, true));  // My Computer
    ApplyWithOk();
    EXPECT_TRUE(testreg::KeyExists(kUser, search));
    EXPECT_TRUE(Get(kUser, kClassic, icons[0]).IsDword(0) && Get(kUser, kNewPanel, icons[0]).IsDword(0));
    EXPECT_TRUE(Get(kUser, kNewPanel, icons[1]).IsDword(1));         // cleared: shown
    EXPECT_FALSE(testreg::ValueExists(kUser, kClassic, icons[2]));  // cleared: deleted
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 16));                  // read again from the registry
    Close();
}

TEST_F(PagesEndToEnd, InternetExplorerPageForVersion8)
{
    MachineText version(L"SOFTWARE\\Microsoft\\Internet Explorer", L"Version", L"8.0.6001.18702");
    testreg::SetDword(kUser, kSearchBox, L"NoSearchBox", 1);
    testreg::SetDword(kUser, kMenuBar, L"ITBar7Position", 1);
    Open(kPageInternetExplorer);
    EXPECT_EQ(14, app_.ItemCount(kIdListMain));
    EXPECT_EQ(L"IE 8", app_.Text(kIdGroupMain));
    EXPECT_TRUE(app_.ItemCheck(kIdListMain, 7) == 1 && app_.ItemCheck(kIdListMain, 8) == 1);
    Shoot(L"page8-ie8");
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 5, true));   // CommandBarEnabled
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 7, false));  // NoSearchBox: written 0
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 8, false));  // ITBar7Position: deleted
    ApplyWithOk();
    EXPECT_TRUE(Get(kUser, kSearchBox, L"NoSearchBox").IsDword(0));
    EXPECT_FALSE(testreg::ValueExists(kUser, kMenuBar, L"ITBar7Position"));
    EXPECT_TRUE(Get(kUser, L"Software\\Microsoft\\Internet Explorer\\CommandBar", L"CommandBarEnabled").IsDword(0));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 5));
    Close();
}

TEST_F(PagesEndToEnd, InternetExplorerPageForVersion7)
{
    MachineText version(L"SOFTWARE\\Microsoft\\Internet Explorer", L"Version", L"7.0.5730.13");
    Open(kPageInternetExplorer);
    EXPECT_EQ(15, app_.ItemCount(kIdListMain));
    EXPECT_EQ(L"IE 7 \x7981\x6B62", app_.Text(kIdGroupRight));  // IE 7 禁止
    Shoot(L"page8-ie7");
    Close(false);
}

}  // namespace
