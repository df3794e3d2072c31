#include "pages/Pages.h"

// show  layout  read  apply  recommend
const PageFunctions kTweakPages[kTweakPageCount] = {
    {ShowDesktopPage, LayoutDesktopPage, ReadDesktopPage, ApplyDesktopPage, RecommendDesktopPage},
    {ShowStartMenuPage, LayoutStartMenuPage, ReadStartMenuPage, ApplyStartMenuPage, RecommendStartMenuPage},
    {ShowSystemPage, LayoutSystemPage, ReadSystemPage, ApplySystemPage, RecommendSystemPage},
    {ShowRestrictionsPage, LayoutRestrictionsPage, ReadRestrictionsPage, ApplyRestrictionsPage, nullptr},
    {ShowHardwarePage, LayoutHardwarePage, ReadHardwarePage, ApplyHardwarePage, RecommendHardwarePage},
    {ShowNetwork1Page, LayoutNetwork1Page, ReadNetwork1Page, ApplyNetwork1Page, RecommendNetwork1Page},
    {ShowNetwork2Page, LayoutNetwork2Page, ReadNetwork2Page, ApplyNetwork2Page, RecommendNetwork2Page},
    {ShowIconsPage, LayoutIconsPage, ReadIconsPage, ApplyIconsPage, nullptr},
    {ShowInternetExplorerPage, LayoutInternetExplorerPage, ReadInternetExplorerPage, ApplyInternetExplorerPage, nullptr},
};

const BackupItemsFunction kTweakPageBackups[kTweakPageCount] = {
    DesktopBackupItems,
    StartMenuBackupItems,
    SystemBackupItems,
    RestrictionsBackupItems,
    HardwareBackupItems,
    Network1BackupItems,
    Network2BackupItems,
    IconsBackupItems,
    InternetExplorerBackupItems,
};
