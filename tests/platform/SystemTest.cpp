// Which Windows the program runs on, from the version facts a test gives: the servers and
// 64-bit XP that the real runs under Wine cannot show must not pass the version gate.
#include "platform/OsIdentity.h"

#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

const BYTE kWs = VER_NT_WORKSTATION, kSrv = VER_NT_SERVER;
const WORD kX86 = 0, kAmd64 = 9;

OsVersionFacts Facts(DWORD major, DWORD minor, BYTE productType, WORD suite = 0x100, WORD architecture = kX86,
                     bool serverR2 = false, const wchar_t* servicePack = L"")
{
    OsVersionFacts facts;
    facts.platformId = VER_PLATFORM_WIN32_NT;
    facts.majorVersion = major;
    facts.minorVersion = minor;
    facts.buildNumber = 2600;
    facts.extended = true;
    facts.productType = productType;
    facts.suiteMask = suite;
    facts.processorArchitecture = architecture;
    facts.serverR2 = serverR2;
    wcsncpy(facts.servicePack, servicePack, 127);
    return facts;
}

int CodeOf(const OsVersionFacts& facts)
{
    OsIdentity identity;
    EXPECT_EQ(1, DescribeOs(facts, identity));
    return OsCodeFromProductName(identity.productName);
}

// Only XP (108), Vista (113) and 7 (116) pass the version gate; their neighbours must not.
TEST(OsIdentity, EachWindowsGetsItsCode)
{
    // what  facts  code
    const struct {
        const char* what;
        OsVersionFacts facts;
        int code;
    } cases[] = {
        {"XP Professional x64", Facts(5, 2, kWs, 0x100, kAmd64), 109},
        {"Server 2003 R2", Facts(5, 2, kSrv, 0x112, kX86, true), 111},
        {"Vista x64", Facts(6, 0, kWs, 0x300, kAmd64), 113},
        {"Server 2008 R2", Facts(6, 1, kSrv, 0x110, kAmd64), 115},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, CodeOf(c.facts)) << c.what;
    // Names compare ignoring case and width, never by a prefix.
    EXPECT_EQ(108, OsCodeFromProductName(L"MICROSOFT WINDOWS XP"));
    EXPECT_EQ(0, OsCodeFromProductName(L"Windows 7 "));
}

TEST(OsIdentity, ALongServicePackTextIsCut)
{
    OsIdentity identity;
    EXPECT_EQ(1, DescribeOs(Facts(5, 1, kWs, 0x100, kX86, false, std::wstring(127, L'x').c_str()), identity));
    EXPECT_EQ(L"(Build: " + std::wstring(119, L'x'), identity.servicePackText);
}

}  // namespace
