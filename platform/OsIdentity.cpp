#include "platform/OsIdentity.h"

#include "platform/QmString.h"

namespace {

// Bounded text building: whatever does not fit is cut, and the text stays terminated.
template <size_t N>
void Append(wchar_t (&text)[N], const wchar_t* more)
{
    size_t length = 0;
    while (length < N - 1 && text[length])
        ++length;
    for (; more && *more && length < N - 1; ++more)
        text[length++] = *more;
    text[length] = 0;
}

template <size_t N>
void AppendNumber(wchar_t (&text)[N], unsigned long number)
{
    wchar_t digits[16];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + number % 10);
        number /= 10;
    } while (number);
    wchar_t reversed[16];
    for (int i = 0; i < count; ++i)
        reversed[i] = digits[count - 1 - i];
    reversed[count] = 0;
    Append(text, reversed);
}

template <size_t N>
void Set(wchar_t (&text)[N], const wchar_t* value)
{
    text[0] = 0;
    Append(text, value);
}

const WORD kArchitectureIa64 = 6;    // PROCESSOR_ARCHITECTURE_IA64
const WORD kArchitectureAmd64 = 9;   // PROCESSOR_ARCHITECTURE_AMD64
const WORD kSuiteEnterprise = 0x2;   // VER_SUITE_ENTERPRISE
const WORD kSuiteDatacenter = 0x80;  // VER_SUITE_DATACENTER
const WORD kSuitePersonal = 0x200;   // VER_SUITE_PERSONAL
const WORD kSuiteBlade = 0x400;      // VER_SUITE_BLADE

bool Is(const OsVersionFacts& facts, DWORD major, DWORD minor)
{
    return facts.majorVersion == major && facts.minorVersion == minor;
}

void NameNtProduct(const OsVersionFacts& facts, OsIdentity& out)
{
    const bool workstation = facts.productType == VER_NT_WORKSTATION;
    const wchar_t* name = L"";
    if (Is(facts, 6, 1))
        name = workstation ? L"Windows 7" : L"Windows Server 2008 R2";
    else if (Is(facts, 6, 0))
        name = workstation ? L"Windows Vista" : L"Windows Server 2008";
    else if (Is(facts, 5, 2)) {
        if (facts.serverR2)
            name = L"Microsoft Windows Server 2003 R2";
        else if (workstation && facts.processorArchitecture == kArchitectureAmd64)
            name = L"Microsoft Windows XP Professional x64 Edition";
        else
            name = L"Microsoft Windows Server 2003";
    } else if (Is(facts, 5, 1))
        name = L"Microsoft Windows XP";
    else if (Is(facts, 5, 0))
        name = L"Microsoft Windows 2000";
    else if (facts.majorVersion < 5)
        name = L"Microsoft Windows NT";
    Set(out.productName, name);
}

void NameNtEdition(const OsVersionFacts& facts, OsIdentity& out)
{
    const WORD suite = facts.suiteMask;
    const WORD architecture = facts.processorArchitecture;
    if (facts.productType == VER_NT_WORKSTATION) {
        if (architecture == kArchitectureAmd64)
            return;  // no edition text on x64 workstations
        if (facts.majorVersion == 4)
            Set(out.editionName, L"Workstation 4.0");
        else
            Set(out.editionName, (suite & kSuitePersonal) ? L"Home Edition" : L"Professional");
        return;
    }
    if (facts.productType != VER_NT_SERVER && facts.productType != VER_NT_DOMAIN_CONTROLLER)
        return;
    if (Is(facts, 5, 2) && architecture == kArchitectureIa64) {
        // On Itanium the edition is the product name.
        if (suite & kSuiteDatacenter)
            Set(out.productName, L"Datacenter Edition for Itanium-based Systems");
        else if (suite & kSuiteEnterprise)
            Set(out.productName, L"Enterprise Edition for Itanium-based Systems");
    } else if (Is(facts, 5, 2) && architecture == kArchitectureAmd64) {
        Set(out.editionName, (suite & kSuiteDatacenter)   ? L"Datacenter x64 Edition"
                             : (suite & kSuiteEnterprise) ? L"Enterprise x64 Edition"
                                                          : L"Standard x64 Edition");
    } else if (Is(facts, 5, 2)) {
        Set(out.editionName, (suite & kSuiteDatacenter)   ? L"Datacenter Edition"
                             : (suite & kSuiteEnterprise) ? L"Enterprise Edition"
                             : (suite & kSuiteBlade)      ? L"Web Edition"
                                                          : L"Standard Edition");
    } else if (Is(facts, 5, 0)) {
        Set(out.editionName, (suite & kSuiteDatacenter)   ? L"Datacenter Server"
                             : (suite & kSuiteEnterprise) ? L"Advanced Server"
                                                          : L"Server");
    } else {
        Set(out.editionName, (suite & kSuiteEnterprise) ? L"Server 4.0, Enterprise Edition" : L"Server 4.0");
    }
}

// Systems too old for the extended fields name their product type in the registry.
bool NameEditionFromProductOptions(const OsVersionFacts& facts, OsIdentity& out)
{
    if (!facts.productOptionsRead)
        return false;
    // product type   edition
    static const struct {
        const wchar_t* productType;
        const wchar_t* edition;
    } kEditions[] = {
        {L"WINNT", L"Workstation"},
        {L"LANMANNT", L"Server"},
        {L"SERVERNT", L"Advanced Server"},
    };
    for (const auto& entry : kEditions)
        if (TextEquals(facts.productOptions, entry.productType))
            Set(out.editionName, entry.edition);
    return true;
}

void DescribeNtServicePack(const OsVersionFacts& facts, OsIdentity& out)
{
    if (facts.majorVersion == 4 && TextEquals(facts.servicePack, L"Service Pack 6") && facts.sp6aHotfix) {
        Set(out.servicePackText, L"Service Pack 6a (Build: ");
        AppendNumber(out.servicePackText, facts.buildNumber);
        Append(out.servicePackText, L" )");
        return;
    }
    Set(out.servicePackText, L"(Build: ");
    Append(out.servicePackText, facts.servicePack);
    Append(out.servicePackText, L" ");
    AppendNumber(out.servicePackText, facts.buildNumber & 0xFFFF);
    Append(out.servicePackText, L" )");
}

void DescribeWindows9x(const OsVersionFacts& facts, OsIdentity& out)
{
    // The second character of the service-pack string marks the later releases.
    const wchar_t release = facts.servicePack[0] ? facts.servicePack[1] : 0;
    if (Is(facts, 4, 0)) {
        Set(out.productName, L"Microsoft Windows 95");
        if (release == L'C' || release == L'B')
            Set(out.editionName, L"OSR2");
    } else if (Is(facts, 4, 10)) {
        Set(out.productName, L"Microsoft Windows 98");
        if (release == L'A' || release == L'B')
            Set(out.editionName, L"SE");
    } else if (Is(facts, 4, 90)) {
        Set(out.productName, L"Microsoft Windows Millennium Edition");
    }
}

}  // namespace

int DescribeOs(const OsVersionFacts& facts, OsIdentity& out)
{
    out = OsIdentity();
    if (facts.platformId != VER_PLATFORM_WIN32s && facts.platformId != VER_PLATFORM_WIN32_WINDOWS &&
        facts.platformId != VER_PLATFORM_WIN32_NT)
        return 1;
    AppendNumber(out.majorVersionText, facts.majorVersion);
    AppendNumber(out.minorVersionText, facts.minorVersion);
    if (facts.platformId == VER_PLATFORM_WIN32s) {
        Set(out.productName, L"Microsoft Win32s");
        return 1;
    }
    if (facts.platformId == VER_PLATFORM_WIN32_WINDOWS) {
        DescribeWindows9x(facts, out);
        return 1;
    }
    NameNtProduct(facts, out);
    if (facts.extended)
        NameNtEdition(facts, out);
    else if (!NameEditionFromProductOptions(facts, out))
        return 0;
    DescribeNtServicePack(facts, out);
    return 1;
}

int OsCodeFromProductName(const wchar_t* productName)
{
    // product name, compared in this order                code
    static const struct {
        const wchar_t* name;
        int code;
    } kCodes[] = {
        {L"Enterprise Edition for Itanium-based Systems", 100},
        {L"Datacenter Edition for Itanium-based Systems", 101},
        {L"Microsoft Win32s", 102},
        {L"Microsoft Windows 95", 103},
        {L"Microsoft Windows 98", 104},
        {L"Microsoft Windows Millennium Edition", 105},
        {L"Microsoft Windows 2000", 106},
        {L"Microsoft Windows NT", 107},
        {L"Microsoft Windows XP", 108},
        {L"Microsoft Windows XP Professional x64 Edition", 109},
        {L"Microsoft Windows Server 2003", 110},
        {L"Microsoft Windows Server 2003 R2", 111},
        {L"Windows Server 2008", 114},
        {L"Windows Vista", 113},
        {L"Windows Server 2008 R2", 115},
        {L"Windows 7", 116},
    };
    if (!productName || !*productName)
        return 0;
    for (const auto& entry : kCodes)
        if (TextEquals(productName, entry.name))
            return entry.code;
    return 0;
}

int ServicePackNumberFromText(const wchar_t* csdVersion)
{
    static const wchar_t* const kServicePacks[] = {
        L"Service Pack 1", L"Service Pack 2", L"Service Pack 3", L"Service Pack 4", L"Service Pack 5",
    };
    if (!csdVersion || !*csdVersion)
        return 0;
    for (int i = 0; i < 5; ++i)
        if (TextEquals(csdVersion, kServicePacks[i]))
            return i + 1;
    return 0;
}

int IeMajorVersionFromText(const wchar_t* version)
{
    if (!version || version[0] < L'1' || version[0] > L'9')
        return 0;
    return version[0] - L'0';
}
