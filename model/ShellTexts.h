// Texts of the main window shared by every page: page names and group-box titles, each in
// the 950 and the 936 variant (parallel arrays, same order and ids).
#pragma once

#include "model/TextRecord.h"

const int kPageNameCount = 11;  // the ten pages, then the program list's own name
extern const TextRecord kPageNames950[kPageNameCount];
extern const TextRecord kPageNames936[kPageNameCount];

// Group-box titles; the record's id is the title's id.
enum TitleId {
    kTitleChooseProgram = 0,
    kTitleSettings = 1,
    kTitleDesktop = 2,
    kTitleTaskbar = 3,
    kTitleStartMenu = 4,
    kTitleStartMenuSpeed = 5,
    kTitleSystem = 6,
    kTitleAppearance = 7,
    kTitleRestrictions = 8,
    kTitleNetworkRestrictions = 9,
    kTitleLogonStartup = 10,
    kTitleHardware = 11,
    kTitleMouse = 12,
    kTitleNetwork1 = 13,
    kTitleDesktopIcons = 14,
    kTitleMyComputerIcons = 15,
    kTitleNetwork2 = 16,
    kTitleCount = 17,
};
extern const TextRecord kTitles950[kTitleCount];
extern const TextRecord kTitles936[kTitleCount];

constexpr TextPair PageName(int page) { return TextPair{kPageNames950[page].text, kPageNames936[page].text}; }
constexpr TextPair Title(TitleId id) { return TextPair{kTitles950[id].text, kTitles936[id].text}; }
