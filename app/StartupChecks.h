// The decisions taken before the main window exists: may Zentrak run on this system, and in
// which wording.
#pragma once

#include "model/SystemFacts.h"

struct CodePages {
    int systemOem;
    int systemAnsi;
    int userOem;
    int userAnsi;
};

// Every one of the four code pages is 950 or 936, in any mix.
bool PassesLanguageGate(const CodePages& pages);
// 950 when the system OEM code page is 950; else 936 when the system ANSI code page is 936;
// else -1 (no texts are set).
int LanguageVariantOf(const CodePages& pages);
// Windows XP, Vista and 7 only; every other code, server editions included, is refused.
bool PassesVersionGate(int osCode);
