#include "tests/support/E2E.h"

std::wstring ZentrakProgram()
{
    return EnvironmentPath(L"ZENTRAK_EXE");
}

void SaveScreenshot(const AppDriver& driver, const std::wstring& name)
{
    const std::wstring folder = EnvironmentPath(L"ZENTRAK_SHOTS");
    if (folder.empty())
        return;
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(driver.SaveScreenshot(folder + L"\\" + name + L".bmp"));
}

void EndToEndTest::Launch(const std::wstring& windowsVersion)
{
    ASSERT_TRUE(app_.Start(ZentrakProgram(), folder_.Path(), windowsVersion)) << "cannot start Zentrak.exe";
    ASSERT_NE(nullptr, app_.WaitForMainWindow()) << "no main window";
}

std::wstring EndToEndTest::LogText() const
{
    const std::string bytes = ReadFileBytes(folder_.File(L"Qm.log"));
    return std::wstring(bytes.begin(), bytes.end());  // the log is ASCII
}
