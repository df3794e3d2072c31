// What start-up learns about the system, and what decides which rows, records and texts a
// page uses on it.
#pragma once

// Windows product codes the program runs on.
const int kOsWindowsXp = 108;
const int kOsWindowsVista = 113;
const int kOsWindows7 = 116;

struct SystemFacts {
    int language = -1;        // 950, 936 or -1
    int osCode = 0;           // kOsWindowsXp, kOsWindowsVista or kOsWindows7
    int ieMajorVersion = 0;   // 1 to 9, 0 unknown
    int servicePack = 0;      // 1 to 5, 0 none
    int homeEdition = -1;     // 1 Home Edition, -1 otherwise

    bool IsXp() const { return osCode == kOsWindowsXp; }
    bool IsVista() const { return osCode == kOsWindowsVista; }
    bool IsWin7() const { return osCode == kOsWindows7; }
};
