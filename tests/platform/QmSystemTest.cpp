#include "platform/QmSystem.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

const HKEY kLm = HKEY_LOCAL_MACHINE;
const wchar_t kIeKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer";
const wchar_t kNtKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

using QmSystemRegistry = RegistryTest;

TEST_F(QmSystemRegistry, ServicePackAndBrowserVersionComeFromTheRegistry)
{
    QmSystem system;
    EXPECT_EQ(0, system.GetServicePackNumber());  // no values
    EXPECT_EQ(0, system.GetIeMajorVersion());
    EXPECT_EQ(L"", std::wstring(system.GetIeVersionText()));
    testreg::SetString(kLm, kNtKey, L"CSDVersion", L"Service Pack 3");
    testreg::SetString(kLm, kIeKey, L"Version", L"8.0.6001.18702");
    EXPECT_EQ(3, system.GetServicePackNumber());
    EXPECT_EQ(8, system.GetIeMajorVersion());
    EXPECT_EQ(L"8.0", std::wstring(system.GetIeVersionText()));
    testreg::SetDword(kLm, kNtKey, L"CSDVersion", 3);
    testreg::SetString(kLm, kIeKey, L"Version", L"7");
    EXPECT_EQ(0, system.GetServicePackNumber()) << "a DWORD is no service pack text";
    EXPECT_EQ(L"", std::wstring(system.CsdVersion()));
    EXPECT_EQ(7, system.GetIeMajorVersion());
    EXPECT_EQ(L"7", std::wstring(system.GetIeVersionText()));
    // A value longer than the field is cut, never overrun.
    testreg::SetString(kLm, kIeKey, L"Version", L"9." + std::wstring(500, L'9'));
    ASSERT_NE(nullptr, system.ReadIeVersion());
    EXPECT_EQ(127u, wcslen(system.IeVersion()));
}

// A system whose version facts are given by the test; the registry facts come from the sandbox.
class GivenSystem : public QmSystem {
public:
    explicit GivenSystem(DWORD major, DWORD minor = 0, const wchar_t* servicePack = L"", bool extended = true)
    {
        given.platformId = VER_PLATFORM_WIN32_NT;
        given.majorVersion = major;
        given.minorVersion = minor;
        given.buildNumber = 1381;
        given.extended = extended;
        given.productType = VER_NT_WORKSTATION;
        wcscpy(given.servicePack, servicePack);
    }
    bool readable = true;
    OsVersionFacts given;

protected:
    bool ReadVersionFacts(OsVersionFacts& facts) override
    {
        facts = given;
        return readable;
    }
};

TEST_F(QmSystemRegistry, OldNtReadsItsProductOptionsAndHotfix)
{
    const wchar_t kOptions[] = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
    GivenSystem old(4, 0, L"Service Pack 5", false);
    EXPECT_EQ(0, old.IdentifyOs());
    EXPECT_EQ(0, old.GetOsCode());
    testreg::SetString(kLm, kOptions, L"ProductType", L"LanmanNT");  // LANMANNT in any case
    EXPECT_EQ(1, old.IdentifyOs());
    EXPECT_EQ(L"Server", std::wstring(old.EditionName()));
    EXPECT_EQ(107, old.GetOsCode());
    // More than 160 bytes is no product type.
    testreg::SetString(kLm, kOptions, L"ProductType", L"WINNT" + std::wstring(80, L' '));
    EXPECT_EQ(0, old.IdentifyOs());
    testreg::SetDword(kLm, kOptions, L"ProductType", 1);
    EXPECT_EQ(0, old.IdentifyOs());

    GivenSystem sp6(4, 0, L"Service Pack 6");
    EXPECT_EQ(1, sp6.IdentifyOs());
    EXPECT_EQ(L"(Build: Service Pack 6 1381 )", std::wstring(sp6.ServicePackText()));
    testreg::CreateKey(kLm, std::wstring(kNtKey) + L"\\Hotfix\\Q246009");
    EXPECT_EQ(1, sp6.IdentifyOs());
    EXPECT_EQ(L"Service Pack 6a (Build: 1381 )", std::wstring(sp6.ServicePackText()));
}

TEST(QmSystem, TheVersionFactsDecideCodeAndEdition)
{
    GivenSystem system(6, 1);
    system.given.suiteMask = 0x300;  // personal
    EXPECT_EQ(116, system.GetOsCode());
    EXPECT_EQ(1, system.IsHomeEdition());
    system.given.suiteMask = 0x100;
    EXPECT_EQ(-1, system.IsHomeEdition());
    // An unreadable version names nothing.
    system.readable = false;
    EXPECT_EQ(-2, system.IdentifyOs());
    EXPECT_EQ(L"", std::wstring(system.ProductName()));
    EXPECT_EQ(0, system.GetOsCode());
    EXPECT_FALSE(system.IsOsCode(116));
}

}  // namespace
