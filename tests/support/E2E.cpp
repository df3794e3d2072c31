#include "tests/support/E2E.h"

namespace {

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[1024] = {};
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

// A Unix path as the Windows program sees it: drive Z: is the root of the Unix file system.
std::wstring WindowsPath(std::wstring path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return L"Z:" + path;
}

}  // namespace

std::wstring ZentrakProgram()
{
    return WindowsPath(Environment(L"ZENTRAK_EXE"));
}

std::wstring RunLocale()
{
    const std::wstring lang = Environment(L"ZENTRAK_LANG");
    return lang.empty() ? L"zh_TW" : lang.substr(0, 5);
}

void SaveScreenshot(const AppDriver& driver, const std::wstring& name)
{
    const std::wstring folder = WindowsPath(Environment(L"ZENTRAK_SHOTS"));
    if (folder.empty())
        return;
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(driver.SaveScreenshot(folder + L"\\" + name + L".bmp"));
}

void RemoveValue(HKEY root, const wchar_t* key, const wchar_t* name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
        RegDeleteValueW(opened, name);
        RegCloseKey(opened);
    }
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
