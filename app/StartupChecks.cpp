#include "app/StartupChecks.h"

#include "model/ShowText.h"

namespace {
bool IsChineseCodePage(int codePage)
{
    return codePage == 950 || codePage == 936;
}
}  // namespace

bool PassesLanguageGate(const CodePages& pages)
{
    return IsChineseCodePage(pages.systemOem) && IsChineseCodePage(pages.systemAnsi) &&
           IsChineseCodePage(pages.userOem) && IsChineseCodePage(pages.userAnsi);
}

int LanguageVariantOf(const CodePages& pages)
{
    if (pages.systemOem == 950)
        return kLanguageTraditional;
    if (pages.systemAnsi == 936)
        return kLanguageSimplified;
    return kLanguageNone;
}

bool PassesVersionGate(int osCode)
{
    return osCode == kOsWindowsXp || osCode == kOsWindowsVista || osCode == kOsWindows7;
}
