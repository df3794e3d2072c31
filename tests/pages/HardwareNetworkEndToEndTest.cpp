// The hardware and network pages of the real Zentrak.exe, driven from this process through
// window messages only, in the end-to-end prefix (its registry is the program's own).
#include "app/ControlIds.h"
#include "tests/support/E2E.h"
#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

namespace {

const wchar_t kCdfs[] = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const wchar_t kTcpip[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const wchar_t kInterfaces[] = L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const wchar_t kInternet[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The DWORD, or -1 when there is none.
long long ReadDword(HKEY root, const wchar_t* key, const wchar_t* name)
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

bool ChineseLocale()
{
    return RunLocale() != L"en_US";
}

class PagesEndToEnd : public EndToEndTest {
protected:
    // Every control of `ids` on screen, and no two of them overlapping.
    std::string Misplaced(std::initializer_list<int> ids)
    {
        std::ostringstream found;
        for (int id : ids) {
            if (!app_.IsOnScreen(id))
                found << id << " is not on screen\n";
            for (int other : ids) {
                RECT a = app_.Placement(id), b = app_.Placement(other), both = {};
                if (id < other && IntersectRect(&both, &a, &b))
                    found << id << " overlaps " << other << "\n";
            }
        }
        return found.str();
    }
    void ApplyWithOk()
    {
        MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
        app_.Click(kIdApplyButton);
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000)) << "no confirmation";
        ASSERT_TRUE(AppDriver::WaitUntil([&] { return app_.IsOnScreen(kIdDoneMark); })) << "no done mark";
        ASSERT_TRUE(app_.WaitUntilEnabled(kIdPageList));
    }
    void CloseWithoutRestart()
    {
        MessageBoxAnswerer answerer({IDNO}, app_.ProcessId());
        app_.Close();
        ASSERT_TRUE(answerer.WaitForAnswers(1, 15000)) << "no restart question";
        EXPECT_TRUE(app_.WaitForExit(15000, nullptr));
    }
};

TEST_F(PagesEndToEnd, HardwarePage)
{
    if (!ChineseLocale())
        GTEST_SKIP() << "the program does not start in this locale";
    RemoveValue(HKEY_LOCAL_MACHINE, kCdfs, L"PrefetchTail");
    RemoveValue(HKEY_LOCAL_MACHINE, kCdfs, L"CacheSize");
    RemoveValue(HKEY_LOCAL_MACHINE, kCdfs, L"Prefetch");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageHardware));
    EXPECT_EQ(4, app_.ItemCount(kIdListMain));
    EXPECT_EQ(7, app_.ItemCount(kIdListRight));
    EXPECT_EQ(18, app_.ComboCount(2008));
    EXPECT_EQ(33, app_.ComboCount(2200));
    EXPECT_EQ(L"硬件", app_.Text(kIdGroupMain));  // one wording
    EXPECT_EQ("", Misplaced({kIdGroupMain, kIdGroupRight, kIdApplyButton, kIdRecommendButton}));
    EXPECT_EQ("", Misplaced({kIdListMain, 2041, 2042, 2043, 2044, 2008, 2009, 2200, 2014}));

    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    app_.SetButtonCheck(2042, true);
    app_.SelectCombo(2009, 1);  // 適中
    app_.SetButtonCheck(2041, true);  // checked without a choice: writes nothing
    ApplyWithOk();
    EXPECT_EQ(512, ReadDword(HKEY_LOCAL_MACHINE, kCdfs, L"PrefetchTail"));
    EXPECT_EQ(1238, ReadDword(HKEY_LOCAL_MACHINE, kCdfs, L"CacheSize"));
    EXPECT_EQ(-1, ReadDword(HKEY_LOCAL_MACHINE, kCdfs, L"Prefetch"));
    // The read after the apply shows what the registry holds.
    EXPECT_TRUE(AppDriver::WaitUntil([&] { return app_.ButtonCheck(2041) == BST_UNCHECKED; }));
    EXPECT_EQ(1, app_.ComboSelection(2009));
    SaveScreenshot(app_, L"page4-" + RunLocale());
    CloseWithoutRestart();
    RemoveValue(HKEY_LOCAL_MACHINE, kCdfs, L"PrefetchTail");
    RemoveValue(HKEY_LOCAL_MACHINE, kCdfs, L"CacheSize");
}

TEST_F(PagesEndToEnd, Network1Page)
{
    if (!ChineseLocale())
        GTEST_SKIP() << "the program does not start in this locale";
    RemoveValue(HKEY_LOCAL_MACHINE, kInterfaces, L"RelerseLeaseOnShutdown");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageNetwork1));
    EXPECT_EQ(15, app_.ItemCount(kIdListMain));  // Windows 7 has the half-open row
    EXPECT_EQ("", Misplaced({kIdGroupMain, kIdApplyButton, kIdRecommendButton}));

    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 11, true));
    ApplyWithOk();
    EXPECT_EQ(1, ReadDword(HKEY_LOCAL_MACHINE, kInterfaces, L"RelerseLeaseOnShutdown"));
    EXPECT_EQ(63, ReadDword(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\TelnetServer\\1.0", L"MaxConnections"));
    SaveScreenshot(app_, L"page5-" + RunLocale());
    CloseWithoutRestart();
    RemoveValue(HKEY_LOCAL_MACHINE, kInterfaces, L"RelerseLeaseOnShutdown");
}

TEST_F(PagesEndToEnd, Network2Page)
{
    if (!ChineseLocale())
        GTEST_SKIP() << "the program does not start in this locale";
    RemoveValue(HKEY_LOCAL_MACHINE, kTcpip, L"ForwardBufferMemory");
    RemoveValue(HKEY_CURRENT_USER, kInternet, L"KeepAliveTimeout");
    RemoveValue(HKEY_CURRENT_USER, kInternet, L"ServerInfoTimeout");
    Launch();
    ASSERT_TRUE(app_.SelectPage(kPageNetwork2));
    EXPECT_EQ(100, app_.ComboCount(2014));
    EXPECT_EQ(1000, app_.ComboCount(2022));
    EXPECT_EQ(L"2608640", app_.ComboText(2014, 99));
    EXPECT_EQ(RunLocale() == L"zh_CN" ? L"2 小时" : L"2 小時", app_.ComboText(2024, 32));
    EXPECT_EQ("", Misplaced({kIdApplyButton, kIdRecommendButton, 2041, 2042, 2043, 2044, 2045, 2046, 2047, 2048,
                             2049, 2050, 2065, 2066, 2067, 2068, 2069, 2072, 2073, 2074}));
    EXPECT_EQ("", Misplaced({kIdApplyButton, kIdRecommendButton, 2008, 2009, 2200, 2014, 2015, 2016, 2017, 2018,
                             2019, 2020, 2021, 2022, 2023, 2024, 2025, 2077, 2078, 2079}));

    app_.ClickAndWait(kIdRecommendButton);
    EXPECT_EQ(1, app_.ButtonCheck(2068));
    EXPECT_EQ(7, app_.ComboSelection(2024));
    app_.SetButtonCheck(2044, true);
    app_.SelectCombo(2014, 99);
    app_.SetButtonCheck(2068, true);
    app_.SelectCombo(2024, 32);
    // The longest texts of both columns, to be seen whole in the screenshot.
    app_.SelectCombo(2023, 9);   // 17520 (乙太網設定)
    app_.SelectCombo(2077, 4);   // 5 (建議)
    app_.SelectCombo(2078, 22);  // 1000
    SaveScreenshot(app_, L"page6-" + RunLocale());
    ApplyWithOk();
    EXPECT_EQ(2608640, ReadDword(HKEY_LOCAL_MACHINE, kTcpip, L"ForwardBufferMemory"));
    EXPECT_EQ(119537664, ReadDword(HKEY_CURRENT_USER, kInternet, L"KeepAliveTimeout"));
    EXPECT_EQ(119537664, ReadDword(HKEY_CURRENT_USER, kInternet, L"ServerInfoTimeout"));
    EXPECT_EQ(8000, ReadDword(HKEY_LOCAL_MACHINE, kTcpip, L"MTU"));  // recommended: "10 M"
    EXPECT_EQ(17520, ReadDword(HKEY_LOCAL_MACHINE, kTcpip, L"TcpWindowSize"));
    EXPECT_EQ(-1, ReadDword(HKEY_LOCAL_MACHINE, kTcpip, L"TcpMaxPortsExhausted"));  // its box is clear
    // The read after the apply clears the pair that wrote nothing.
    EXPECT_TRUE(AppDriver::WaitUntil([&] { return app_.ComboSelection(2077) == -1; }));
    CloseWithoutRestart();
    for (const wchar_t* name : {L"MTU", L"DefaultTTL", L"TcpTimedWaitDelay", L"ForwardBufferMemory", L"KeepAliveTime",
                                L"KeepAliveInterval", L"TcpMaxDataRetransmissions", L"TcpMaxConnectRetransmissions",
                                L"IGMPLevel", L"TcpNumConnections", L"TcpWindowSize"})
        RemoveValue(HKEY_LOCAL_MACHINE, kTcpip, name);
    for (const wchar_t* name : {L"MaxConnectionsPerServer", L"MaxConnectionsPer1_0Server", L"KeepAliveTimeout",
                                L"ServerInfoTimeout"})
        RemoveValue(HKEY_CURRENT_USER, kInternet, name);
}

}  // namespace
