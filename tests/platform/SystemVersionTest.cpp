// The real thing: the program under Wine set to each Windows version it knows (ZENTRAK_WINDOWS,
// one CTest entry per version) must name that version, and read its service pack and
// Internet Explorer version from the registry.
#include "platform/QmSystem.h"

#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace {

struct Expected {
    const wchar_t* setting;
    int code;
    const char* major;
    const char* minor;
    const char* servicePackText;  // as Wine 8 reports each version
};

const Expected kVersions[] = {
    {L"xp", 108, "5", "1", "(Build: Service Pack 3 2600 )"},
    {L"vista", 113, "6", "0", "(Build: Service Pack 2 6002 )"},
    {L"7", 116, "6", "1", "(Build: Service Pack 1 7601 )"},
    {L"server2008", 114, "6", "0", "(Build: Service Pack 2 6002 )"},
    {L"server2008r2", 115, "6", "1", "(Build: Service Pack 1 7601 )"},
};

const Expected* ThisVersion()
{
    wchar_t setting[32] = {};
    GetEnvironmentVariableW(L"ZENTRAK_WINDOWS", setting, 32);
    const std::wstring name = setting[0] ? setting : L"7";
    for (const Expected& version : kVersions)
        if (name == version.setting)
            return &version;
    return nullptr;
}

// "Service Pack 3" -> 3, read here without the program's own code.
int TrailingDigit(const std::wstring& text)
{
    if (text.size() != 14 || text.compare(0, 13, L"Service Pack ") != 0 || !iswdigit(text[13]))
        return 0;
    const int digit = text[13] - L'0';
    return digit >= 1 && digit <= 5 ? digit : 0;
}

TEST(SystemVersion, TheRunningWindowsIsNamed)
{
    const Expected* expected = ThisVersion();
    ASSERT_NE(nullptr, expected) << "unknown ZENTRAK_WINDOWS";
    QmSystem system;
    EXPECT_EQ(1, system.IdentifyOs());
    EXPECT_EQ(expected->code, system.GetOsCode()) << testreg::Narrow(system.ProductName());
    EXPECT_TRUE(system.IsOsCode(expected->code));
    EXPECT_EQ(expected->major, testreg::Narrow(system.MajorVersionText()));
    EXPECT_EQ(expected->minor, testreg::Narrow(system.MinorVersionText()));
    EXPECT_EQ(expected->servicePackText, testreg::Narrow(system.ServicePackText()));
    EXPECT_EQ(-1, system.IsHomeEdition()) << testreg::Narrow(system.EditionName());
}

TEST(SystemVersion, ServicePackAndBrowserAreThePrefixs)
{
    const testreg::Value csd = testreg::Get(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                            L"CSDVersion");
    const testreg::Value ie = testreg::Get(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Internet Explorer", L"Version");
    QmSystem system;
    EXPECT_EQ(TrailingDigit(csd.Text()), system.GetServicePackNumber()) << testreg::Narrow(csd.Text());
    const std::wstring version = ie.Text();
    const int major = !version.empty() && version[0] >= L'1' && version[0] <= L'9' ? version[0] - L'0' : 0;
    EXPECT_EQ(major, system.GetIeMajorVersion()) << testreg::Narrow(version);
    EXPECT_EQ(version.substr(0, 3), std::wstring(system.GetIeVersionText()));
}

}  // namespace
