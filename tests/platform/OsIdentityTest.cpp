#include "platform/OsIdentity.h"

#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

const BYTE kWs = VER_NT_WORKSTATION;
const BYTE kDc = VER_NT_DOMAIN_CONTROLLER;
const BYTE kSrv = VER_NT_SERVER;
const WORD kX86 = 0, kIa64 = 6, kAmd64 = 9;

struct Row {
    const char* what;
    // facts
    DWORD platform, major, minor, build;
    BYTE productType;
    WORD suite;
    WORD architecture;
    const wchar_t* servicePack;
    bool serverR2;
    bool hotfix;
    // identity
    const wchar_t* product;
    const wchar_t* edition;
    const wchar_t* servicePackText;
    int code;
};

const DWORD kNt = VER_PLATFORM_WIN32_NT, k9x = VER_PLATFORM_WIN32_WINDOWS, kW32s = VER_PLATFORM_WIN32s;

// clang-format off
const Row kRows[] = {
    // what                        platform maj min build type  suite  arch   csd              R2     hotfix  product                                              edition                            service-pack text                    code
    {"XP Professional",            kNt, 5, 1, 2600, kWs, 0x100, kX86, L"Service Pack 3", false, false, L"Microsoft Windows XP", L"Professional", L"(Build: Service Pack 3 2600 )", 108},
    {"XP Home Edition",            kNt, 5, 1, 2600, kWs, 0x300, kX86, L"Service Pack 2", false, false, L"Microsoft Windows XP", L"Home Edition", L"(Build: Service Pack 2 2600 )", 108},
    {"XP Professional x64",        kNt, 5, 2, 3790, kWs, 0x100, kAmd64, L"Service Pack 2", false, false, L"Microsoft Windows XP Professional x64 Edition", L"", L"(Build: Service Pack 2 3790 )", 109},
    {"Server 2003 Standard",       kNt, 5, 2, 3790, kSrv, 0x110, kX86, L"Service Pack 1", false, false, L"Microsoft Windows Server 2003", L"Standard Edition", L"(Build: Service Pack 1 3790 )", 110},
    {"Server 2003 Enterprise",     kNt, 5, 2, 3790, kSrv, 0x112, kX86, L"", false, false, L"Microsoft Windows Server 2003", L"Enterprise Edition", L"(Build:  3790 )", 110},
    {"Server 2003 Datacenter",     kNt, 5, 2, 3790, kDc, 0x192, kX86, L"", false, false, L"Microsoft Windows Server 2003", L"Datacenter Edition", L"(Build:  3790 )", 110},
    {"Server 2003 Web",            kNt, 5, 2, 3790, kSrv, 0x410, kX86, L"", false, false, L"Microsoft Windows Server 2003", L"Web Edition", L"(Build:  3790 )", 110},
    {"Server 2003 R2",             kNt, 5, 2, 3790, kSrv, 0x112, kX86, L"Service Pack 2", true, false, L"Microsoft Windows Server 2003 R2", L"Enterprise Edition", L"(Build: Service Pack 2 3790 )", 111},
    {"Server 2003 x64 Standard",   kNt, 5, 2, 3790, kSrv, 0x110, kAmd64, L"", false, false, L"Microsoft Windows Server 2003", L"Standard x64 Edition", L"(Build:  3790 )", 110},
    {"Server 2003 x64 Datacenter", kNt, 5, 2, 3790, kSrv, 0x192, kAmd64, L"", false, false, L"Microsoft Windows Server 2003", L"Datacenter x64 Edition", L"(Build:  3790 )", 110},
    {"Itanium Datacenter",         kNt, 5, 2, 3790, kSrv, 0x192, kIa64, L"", false, false, L"Datacenter Edition for Itanium-based Systems", L"", L"(Build:  3790 )", 101},
    {"Itanium Enterprise",         kNt, 5, 2, 3790, kSrv, 0x112, kIa64, L"", false, false, L"Enterprise Edition for Itanium-based Systems", L"", L"(Build:  3790 )", 100},
    {"Itanium, neither",           kNt, 5, 2, 3790, kSrv, 0x110, kIa64, L"", false, false, L"Microsoft Windows Server 2003", L"", L"(Build:  3790 )", 110},
    {"Vista Ultimate",             kNt, 6, 0, 6002, kWs, 0x100, kX86, L"Service Pack 2", false, false, L"Windows Vista", L"Professional", L"(Build: Service Pack 2 6002 )", 113},
    {"Vista Home Premium",         kNt, 6, 0, 6002, kWs, 0x300, kX86, L"Service Pack 2", false, false, L"Windows Vista", L"Home Edition", L"(Build: Service Pack 2 6002 )", 113},
    {"Vista x64",                  kNt, 6, 0, 6001, kWs, 0x300, kAmd64, L"Service Pack 1", false, false, L"Windows Vista", L"", L"(Build: Service Pack 1 6001 )", 113},
    {"Server 2008",                kNt, 6, 0, 6001, kSrv, 0x112, kX86, L"Service Pack 1", false, false, L"Windows Server 2008", L"Server 4.0, Enterprise Edition", L"(Build: Service Pack 1 6001 )", 114},
    {"Windows 7",                  kNt, 6, 1, 7601, kWs, 0x100, kX86, L"Service Pack 1", false, false, L"Windows 7", L"Professional", L"(Build: Service Pack 1 7601 )", 116},
    {"Windows 7 x64",              kNt, 6, 1, 7601, kWs, 0x300, kAmd64, L"Service Pack 1", false, false, L"Windows 7", L"", L"(Build: Service Pack 1 7601 )", 116},
    {"Server 2008 R2",             kNt, 6, 1, 7601, kSrv, 0x110, kAmd64, L"Service Pack 1", false, false, L"Windows Server 2008 R2", L"Server 4.0", L"(Build: Service Pack 1 7601 )", 115},
    {"Windows 8: unknown",         kNt, 6, 2, 9200, kWs, 0x100, kAmd64, L"", false, false, L"", L"", L"(Build:  9200 )", 0},
    {"2000 Professional",          kNt, 5, 0, 2195, kWs, 0x000, kX86, L"Service Pack 4", false, false, L"Microsoft Windows 2000", L"Professional", L"(Build: Service Pack 4 2195 )", 106},
    {"2000 Server",                kNt, 5, 0, 2195, kSrv, 0x000, kX86, L"", false, false, L"Microsoft Windows 2000", L"Server", L"(Build:  2195 )", 106},
    {"2000 Advanced Server",       kNt, 5, 0, 2195, kDc, 0x002, kX86, L"", false, false, L"Microsoft Windows 2000", L"Advanced Server", L"(Build:  2195 )", 106},
    {"2000 Datacenter Server",     kNt, 5, 0, 2195, kSrv, 0x082, kX86, L"", false, false, L"Microsoft Windows 2000", L"Datacenter Server", L"(Build:  2195 )", 106},
    {"NT 4 SP6a",                  kNt, 4, 0, 1381, kWs, 0x000, kX86, L"Service Pack 6", false, true, L"Microsoft Windows NT", L"Workstation 4.0", L"Service Pack 6a (Build: 1381 )", 107},
    {"NT 4 SP6, no hotfix",        kNt, 4, 0, 1381, kWs, 0x000, kX86, L"Service Pack 6", false, false, L"Microsoft Windows NT", L"Workstation 4.0", L"(Build: Service Pack 6 1381 )", 107},
    {"NT 4 SP5 with the hotfix",   kNt, 4, 0, 1381, kWs, 0x000, kX86, L"Service Pack 5", false, true, L"Microsoft Windows NT", L"Workstation 4.0", L"(Build: Service Pack 5 1381 )", 107},
    {"NT 4 Server",                kNt, 4, 0, 1381, kSrv, 0x000, kX86, L"Service Pack 6", false, false, L"Microsoft Windows NT", L"Server 4.0", L"(Build: Service Pack 6 1381 )", 107},
    {"NT 4 Server Enterprise",     kNt, 4, 0, 1381, kSrv, 0x002, kX86, L"Service Pack 6", false, true, L"Microsoft Windows NT", L"Server 4.0, Enterprise Edition", L"Service Pack 6a (Build: 1381 )", 107},
    {"Windows 95",                 k9x, 4, 0, 950, 0, 0, kX86, L" A", false, false, L"Microsoft Windows 95", L"", L"", 103},
    {"Windows 95 OSR2 (B)",        k9x, 4, 0, 1111, 0, 0, kX86, L" B", false, false, L"Microsoft Windows 95", L"OSR2", L"", 103},
    {"Windows 98",                 k9x, 4, 10, 1998, 0, 0, kX86, L" ", false, false, L"Microsoft Windows 98", L"", L"", 104},
    {"Windows 98 SE",              k9x, 4, 10, 2222, 0, 0, kX86, L" A", false, false, L"Microsoft Windows 98", L"SE", L"", 104},
    {"Windows Me",                 k9x, 4, 90, 3000, 0, 0, kX86, L" ", false, false, L"Microsoft Windows Millennium Edition", L"", L"", 105},
    {"Win32s",                     kW32s, 1, 30, 0, 0, 0, kX86, L"", false, false, L"Microsoft Win32s", L"", L"", 102},
};
// clang-format on

OsVersionFacts FactsOf(const Row& row)
{
    OsVersionFacts facts;
    facts.platformId = row.platform;
    facts.majorVersion = row.major;
    facts.minorVersion = row.minor;
    facts.buildNumber = row.build;
    facts.extended = true;
    facts.productType = row.productType;
    facts.suiteMask = row.suite;
    facts.processorArchitecture = row.architecture;
    wcsncpy(facts.servicePack, row.servicePack, 127);
    facts.serverR2 = row.serverR2;
    facts.sp6aHotfix = row.hotfix;
    return facts;
}

std::string N(const wchar_t* text)
{
    return testreg::Narrow(text);
}

TEST(OsIdentity, EveryKnownWindowsIsNamedAndCoded)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        OsIdentity identity;  // what an earlier description left must not show through
        wcscpy(identity.productName, L"left over");
        wcscpy(identity.editionName, L"left over");
        EXPECT_EQ(1, DescribeOs(FactsOf(row), identity));
        EXPECT_EQ(N(row.product), N(identity.productName));
        EXPECT_EQ(N(row.edition), N(identity.editionName));
        EXPECT_EQ(N(row.servicePackText), N(identity.servicePackText));
        EXPECT_EQ(std::to_string(row.major), N(identity.majorVersionText));
        EXPECT_EQ(std::to_string(row.minor), N(identity.minorVersionText));
        EXPECT_EQ(row.code, OsCodeFromProductName(identity.productName));
    }
}

TEST(OsIdentity, ALongServicePackTextIsCut)
{
    Row xp = kRows[0];
    const std::wstring longText(127, L'x');
    xp.servicePack = longText.c_str();
    OsIdentity identity;
    EXPECT_EQ(1, DescribeOs(FactsOf(xp), identity));
    EXPECT_EQ("(Build: " + std::string(119, 'x'), N(identity.servicePackText));
}

TEST(OsIdentity, ProductNamesCompareIgnoringCaseAndWidth)
{
    EXPECT_EQ(108, OsCodeFromProductName(L"MICROSOFT WINDOWS XP"));
    EXPECT_EQ(116, OsCodeFromProductName(L"\xFF37\xFF49\xFF4E\xFF44\xFF4F\xFF57\xFF53 7"));  // full-width "Windows"
    EXPECT_EQ(0, OsCodeFromProductName(L"Windows 7 "));
    EXPECT_EQ(0, OsCodeFromProductName(L""));
    EXPECT_EQ(0, OsCodeFromProductName(nullptr));
}

TEST(OsIdentity, ServicePackNumbers)
{
    const struct {
        const wchar_t* text;
        int number;
    } cases[] = {
        {L"Service Pack 1", 1}, {L"service pack 3", 3}, {L"Service Pack 5", 5}, {L"Service Pack 6", 0},
        {L"Service Pack 6a", 0}, {L"Service Pack 3, v.3311", 0}, {L"SP3", 0}, {L"", 0}, {nullptr, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.number, ServicePackNumberFromText(c.text)) << (c.text ? N(c.text) : "null");
}

TEST(OsIdentity, InternetExplorerMajorVersions)
{
    const struct {
        const wchar_t* text;
        int major;
    } cases[] = {
        {L"8.0.6001.18702", 8}, {L"9.11.9600.18376", 9}, {L"6.0.2900.5512", 6}, {L"10.0", 1},
        {L"1", 1}, {L"0.1", 0}, {L"x.1", 0}, {L"", 0}, {nullptr, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.major, IeMajorVersionFromText(c.text)) << (c.text ? N(c.text) : "null");
}

}  // namespace
