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

TEST_F(QmSystemRegistry, ServicePackFromCsdVersion)
{
    QmSystem system;
    EXPECT_EQ(0, system.GetServicePackNumber());  // no value
    EXPECT_EQ(nullptr, system.ReadCsdVersion());
    testreg::SetString(kLm, kNtKey, L"CSDVersion", L"Service Pack 3");
    EXPECT_EQ(3, system.GetServicePackNumber());
    EXPECT_EQ(L"Service Pack 3", std::wstring(system.CsdVersion()));
    testreg::SetDword(kLm, kNtKey, L"CSDVersion", 3);
    EXPECT_EQ(0, system.GetServicePackNumber());
    EXPECT_EQ(L"", std::wstring(system.CsdVersion()));
}

TEST_F(QmSystemRegistry, InternetExplorerVersion)
{
    QmSystem system;
    EXPECT_EQ(nullptr, system.ReadIeVersion());
    EXPECT_EQ(0, system.GetIeMajorVersion());
    EXPECT_EQ(L"", std::wstring(system.GetIeVersionText()));

    testreg::SetString(kLm, kIeKey, L"Version", L"8.0.6001.18702");
    EXPECT_EQ(8, system.GetIeMajorVersion());
    EXPECT_EQ(L"8.0", std::wstring(system.GetIeVersionText()));
    EXPECT_EQ(L"8.0.6001.18702", std::wstring(system.IeVersion()));
    testreg::SetString(kLm, kIeKey, L"Version", L"7");
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
    bool readable = true;
    OsVersionFacts given;

protected:
    bool ReadVersionFacts(OsVersionFacts& facts) override
    {
        facts = given;
        return readable;
    }
};

OsVersionFacts Nt4(const wchar_t* servicePack, bool extended)
{
    OsVersionFacts facts;
    facts.platformId = VER_PLATFORM_WIN32_NT;
    facts.majorVersion = 4;
    facts.buildNumber = 1381;
    facts.extended = extended;
    facts.productType = VER_NT_WORKSTATION;
    wcscpy(facts.servicePack, servicePack);
    return facts;
}

TEST_F(QmSystemRegistry, OldNtReadsItsProductOptions)
{
    const wchar_t kOptions[] = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
    GivenSystem system;
    system.given = Nt4(L"Service Pack 5", false);
    EXPECT_EQ(0, system.IdentifyOs());
    EXPECT_EQ(0, system.GetOsCode());

    testreg::SetString(kLm, kOptions, L"ProductType", L"LanmanNT");
    EXPECT_EQ(1, system.IdentifyOs());
    EXPECT_EQ(L"Server", std::wstring(system.EditionName()));
    EXPECT_EQ(107, system.GetOsCode());

    // More than 160 bytes is no product type.
    testreg::SetString(kLm, kOptions, L"ProductType", L"WINNT" + std::wstring(80, L' '));
    EXPECT_EQ(0, system.IdentifyOs());
    testreg::SetDword(kLm, kOptions, L"ProductType", 1);
    EXPECT_EQ(0, system.IdentifyOs());
}

TEST_F(QmSystemRegistry, Nt4Sp6aNeedsItsHotfixKey)
{
    GivenSystem system;
    system.given = Nt4(L"Service Pack 6", true);
    EXPECT_EQ(1, system.IdentifyOs());
    EXPECT_EQ(L"(Build: Service Pack 6 1381 )", std::wstring(system.ServicePackText()));
    testreg::CreateKey(kLm, std::wstring(kNtKey) + L"\\Hotfix\\Q246009");
    EXPECT_EQ(1, system.IdentifyOs());
    EXPECT_EQ(L"Service Pack 6a (Build: 1381 )", std::wstring(system.ServicePackText()));
}

TEST(QmSystem, AnUnreadableVersionNamesNothing)
{
    GivenSystem system;
    system.given.platformId = VER_PLATFORM_WIN32_NT;
    system.given.majorVersion = 6;
    system.given.minorVersion = 1;
    system.given.extended = true;
    system.given.productType = VER_NT_WORKSTATION;
    EXPECT_EQ(116, system.GetOsCode());
    system.readable = false;
    EXPECT_EQ(-2, system.IdentifyOs());
    EXPECT_EQ(L"", std::wstring(system.ProductName()));
    EXPECT_EQ(0, system.GetOsCode());
    EXPECT_FALSE(system.IsOsCode(116));
}

TEST(QmSystem, HomeEditionOnlyOnAPersonalWorkstation)
{
    const struct {
        BYTE productType;
        WORD suite;
        WORD architecture;
        int home;
    } cases[] = {
        {VER_NT_WORKSTATION, 0x300, 0, 1},
        {VER_NT_WORKSTATION, 0x100, 0, -1},
        {VER_NT_WORKSTATION, 0x300, 9, -1},  // x64 workstations carry no edition
        {VER_NT_SERVER, 0x300, 0, -1},
        {VER_NT_DOMAIN_CONTROLLER, 0x200, 0, -1},
    };
    for (const auto& c : cases) {
        GivenSystem system;
        system.given.platformId = VER_PLATFORM_WIN32_NT;
        system.given.majorVersion = 5;
        system.given.minorVersion = 1;
        system.given.extended = true;
        system.given.productType = c.productType;
        system.given.suiteMask = c.suite;
        system.given.processorArchitecture = c.architecture;
        EXPECT_EQ(c.home, system.IsHomeEdition()) << "case " << (&c - cases);
    }
}

TEST(QmSystem, VolumeInformationIsClearedOnFailure)
{
    QmSystemBase system;
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 2u);
    const std::wstring drive(windows, 3);  // "C:\"
    EXPECT_NE(0xFFFFFFFFu, system.QueryVolumeInformation(drive.c_str()));
    EXPECT_GT(wcslen(system.FileSystemName()), 0u);
    EXPECT_EQ(0xFFFFFFFFu, system.QueryVolumeInformation(L"\\\\nowhere\\none\\"));
    EXPECT_EQ(L"", std::wstring(system.FileSystemName()));
    EXPECT_EQ(0u, system.VolumeSerial());
}

}  // namespace
