// The real Zentrak.exe, driven from this process through window messages only.
#include "app/ControlIds.h"
#include "tests/support/E2E.h"

namespace {

const wchar_t kPolicyExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

TEST_F(EndToEndTest, StartsOnTheDesktopPageInTheSystemsWording)
{
    if (RunLocale() == L"en_US")
        GTEST_SKIP() << "the program does not start in this locale";
    WriteFileBytes(folder_.File(L"Qm.log"), "an earlier run's log\r\n");
    Launch();
    EXPECT_FALSE(FileExists(folder_.File(L"Qm.log"))) << "the earlier run's log is still there";
    EXPECT_EQ(L"Zentrak", app_.Title());
    EXPECT_EQ(0, app_.CurrentPage());
    EXPECT_EQ(10, app_.ComboCount(kIdPageList));
    EXPECT_EQ(3, app_.ItemCount(kIdListMain));
    EXPECT_EQ(2, app_.ItemCount(kIdListRight));  // Windows 7 has no clock row
    EXPECT_EQ(4, app_.ItemCount(kIdListLower));
    for (int id : {kIdPageList, kIdProgramList, kIdUpdateButton, kIdGroupMain, kIdListMain, kIdGroupRight,
                   kIdListRight, kIdGroupLower, kIdListLower, kIdApplyButton, kIdRecommendButton})
        EXPECT_TRUE(app_.IsOnScreen(id)) << id;
    EXPECT_FALSE(app_.IsOnScreen(kIdDoneMark));
    // 修改设定 / 修改設定
    EXPECT_EQ(RunLocale() == L"zh_CN" ? L"\x4FEE\x6539\x8BBE\x5B9A" : L"\x4FEE\x6539\x8A2D\x5B9A", app_.Text(kIdApplyButton));
    SaveScreenshot(app_, L"page0-" + RunLocale());
    CloseDecliningRestart(app_, false);
}

TEST_F(EndToEndTest, ApplyWritesOnlyAfterOkKeysWorkAndClosingOffersARestart)
{
    if (RunLocale() != L"zh_TW")
        GTEST_SKIP();
    RemoveValue(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings");
    // A folder that takes no log and no backup: neither the program nor its apply needs them.
    CreateDirectoryW(folder_.File(L"Qm.log").c_str(), nullptr);
    WriteFileBytes(folder_.File(L"QM_Backup"), "");
    Launch(L"winxp");
    ASSERT_TRUE(app_.SetItemCheck(kIdListMain, 0, true));
    Apply(app_, IDCANCEL);
    EXPECT_FALSE(testreg::ValueExists(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings")) << "Cancel wrote something";
    EXPECT_FALSE(app_.IsOnScreen(kIdDoneMark));
    {
        MessageBoxAnswerer answerer({IDOK}, app_.ProcessId());
        app_.PressKey(VK_RETURN);
        ASSERT_TRUE(answerer.WaitForAnswers(1, "the confirmation Enter asks for"));
        EXPECT_EQ(L"\x4FEE\x6539\x8A2D\x5B9A\x5EFA\x8B70", answerer.Seen()[0].caption);  // 修改設定建議
    }
    ASSERT_TRUE(WaitFor("the done mark", [&] { return app_.IsOnScreen(kIdDoneMark); }));
    ASSERT_TRUE(app_.WaitUntilRead());
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, kPolicyExplorer, L"NoSaveSettings").IsDword(0));
    EXPECT_EQ(1, app_.ItemCheck(kIdListMain, 0));  // read again from the registry

    app_.PressKey('H');
    ASSERT_TRUE(WaitFor("the about page", [&] { return app_.CurrentPage() == 9; }) && app_.WaitUntilRead());
    for (int id : {kIdHomePageButton, kIdDownloadPageButton, kIdNewsPageButton, kIdReportPageButton, kIdAboutButton})
        EXPECT_TRUE(app_.IsOnScreen(id)) << id;
    EXPECT_FALSE(app_.IsOnScreen(kIdApplyButton));
    {
        // Nothing to apply on the about page. A box Enter showed would be answered before the
        // sent key returns.
        MessageBoxAnswerer answerer({IDCANCEL}, app_.ProcessId());
        SendMessageW(app_.MainWindow(), WM_KEYDOWN, VK_RETURN, 1);
        EXPECT_TRUE(answerer.Seen().empty()) << "Enter on the about page asked to apply";
    }
    SaveScreenshot(app_, L"about-" + RunLocale());

    EXPECT_EQ(L"Zentrak \x91CD\x65B0\x555F\x52D5\x96FB\x8166\x8A0A\x606F", CloseDecliningRestart(app_));  // Zentrak 重新啟動電腦訊息
}

// Without a Chinese code page (en_US) and on a server (zh_TW) the program says why, logs it and
// ends normally.
TEST_F(EndToEndTest, AnUnsuitableSystemIsRefused)
{
    const bool english = RunLocale() == L"en_US";
    if (!english && RunLocale() != L"zh_TW")
        GTEST_SKIP();
    ASSERT_TRUE(app_.Start(ZentrakProgram(), folder_.Path(), english ? L"" : L"win2008"));
    MessageBoxAnswerer boxes({IDOK}, app_.ProcessId());
    ASSERT_TRUE(boxes.WaitForAnswers(1, "the refusal", 4 * kStateWait));
    // 作業系統語言不適合 / 作業系統版本不適合
    EXPECT_EQ(english ? L"\x4F5C\x696D\x7CFB\x7D71\x8A9E\x8A00\x4E0D\x9069\x5408" : L"\x4F5C\x696D\x7CFB\x7D71\x7248\x672C\x4E0D\x9069\x5408",
              boxes.Seen()[0].caption);
    DWORD exitCode = 1;
    ASSERT_TRUE(app_.WaitForExit(kStateWait, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_NE(std::string::npos, ReadFileBytes(folder_.File(L"Qm.log")).find(english ? "]I 1\r\n" : "]I 3\r\n"));
}

}  // namespace
