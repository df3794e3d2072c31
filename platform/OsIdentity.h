// Naming the running Windows: from the facts the system reports about its version to the
// product name, edition and service-pack text, and from those to the small codes the
// program works with. Pure functions; QmSystem gathers the facts.
#pragma once

#include <windows.h>

// What the system reports, gathered before anything is named.
struct OsVersionFacts {
    DWORD platformId = 0;  // VER_PLATFORM_WIN32s, _WIN32_WINDOWS or _WIN32_NT
    DWORD majorVersion = 0;
    DWORD minorVersion = 0;
    DWORD buildNumber = 0;
    wchar_t servicePack[128] = {};  // szCSDVersion ("Service Pack 3"; " C" on Windows 95 OSR2)
    bool extended = false;          // OSVERSIONINFOEXW was accepted: suiteMask and productType are valid
    WORD suiteMask = 0;
    BYTE productType = 0;           // VER_NT_WORKSTATION, _DOMAIN_CONTROLLER or _SERVER
    WORD processorArchitecture = 0;  // of the machine, not of the (32-bit) process
    bool serverR2 = false;          // GetSystemMetrics(SM_SERVERR2)
    bool sp6aHotfix = false;        // NT 4: the key ...\Hotfix\Q246009 exists
    // NT without the extended fields: "ProductType" under ...\Control\ProductOptions.
    bool productOptionsRead = false;
    wchar_t productOptions[81] = {};
};

struct OsIdentity {
    static const int kTextCapacity = 128;  // characters, terminator included
    wchar_t productName[kTextCapacity] = {};      // "Windows 7"
    wchar_t editionName[kTextCapacity] = {};      // "Professional", "Home Edition"
    wchar_t servicePackText[kTextCapacity] = {};  // "(Build: Service Pack 3 2600 )"
    wchar_t majorVersionText[kTextCapacity] = {};
    wchar_t minorVersionText[kTextCapacity] = {};
};

// Fills `identity` (cleared first); 1, or 0 when an NT system without the extended fields has
// no readable product options.
int DescribeOs(const OsVersionFacts& facts, OsIdentity& identity);

// Windows product codes: 108 Windows XP, 113 Windows Vista, 116 Windows 7; 100 to 115 name
// other versions; 0 for anything unknown.
int OsCodeFromProductName(const wchar_t* productName);

// "Service Pack 1" to "Service Pack 5" give 1 to 5; anything else (empty, "Service Pack 6a") 0.
int ServicePackNumberFromText(const wchar_t* csdVersion);

// The first character of the Internet Explorer version: "8.0.6001.18702" 8; a text that does
// not begin with a digit from 1 to 9 gives 0 ("10.0" gives 1).
int IeMajorVersionFromText(const wchar_t* version);
