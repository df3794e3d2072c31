// The nine tweak pages, in page-list order, and the one page operation the commands call on
// their own.
#pragma once

#include "app/PageFunctions.h"
#include "model/BackupList.h"

class PageState;
class QmThisApp;

extern const PageFunctions kTweakPages[kTweakPageCount];

// What each page backs up on the running system, in the page's order.
using BackupItemsFunction = void (*)(const QmThisApp& app, BackupList& items);
extern const BackupItemsFunction kTweakPageBackups[kTweakPageCount];
void DesktopBackupItems(const QmThisApp& app, BackupList& items);
void StartMenuBackupItems(const QmThisApp& app, BackupList& items);
void SystemBackupItems(const QmThisApp& app, BackupList& items);
void RestrictionsBackupItems(const QmThisApp& app, BackupList& items);
void HardwareBackupItems(const QmThisApp& app, BackupList& items);
void Network1BackupItems(const QmThisApp& app, BackupList& items);
void Network2BackupItems(const QmThisApp& app, BackupList& items);
void IconsBackupItems(const QmThisApp& app, BackupList& items);
void InternetExplorerBackupItems(const QmThisApp& app, BackupList& items);


// Writes the desktop page's logon Num Lock row alone (command 2100); 1.
int ApplyLogonNumLock(QmThisApp& app);

// Each page's functions.
int ShowDesktopPage(QmThisApp& app);
int LayoutDesktopPage(QmThisApp& app, int width, int height);
void ReadDesktopPage(const SystemFacts& system, PageState& state);
int ApplyDesktopPage(QmThisApp& app);
void RecommendDesktopPage(QmThisApp& app);

int ShowStartMenuPage(QmThisApp& app);
int LayoutStartMenuPage(QmThisApp& app, int width, int height);
void ReadStartMenuPage(const SystemFacts& system, PageState& state);
int ApplyStartMenuPage(QmThisApp& app);
void RecommendStartMenuPage(QmThisApp& app);

int ShowSystemPage(QmThisApp& app);
int LayoutSystemPage(QmThisApp& app, int width, int height);
void ReadSystemPage(const SystemFacts& system, PageState& state);
int ApplySystemPage(QmThisApp& app);
void RecommendSystemPage(QmThisApp& app);

int ShowRestrictionsPage(QmThisApp& app);
int LayoutRestrictionsPage(QmThisApp& app, int width, int height);
void ReadRestrictionsPage(const SystemFacts& system, PageState& state);
int ApplyRestrictionsPage(QmThisApp& app);

int ShowHardwarePage(QmThisApp& app);
int LayoutHardwarePage(QmThisApp& app, int width, int height);
void ReadHardwarePage(const SystemFacts& system, PageState& state);
int ApplyHardwarePage(QmThisApp& app);
void RecommendHardwarePage(QmThisApp& app);

int ShowNetwork1Page(QmThisApp& app);
int LayoutNetwork1Page(QmThisApp& app, int width, int height);
void ReadNetwork1Page(const SystemFacts& system, PageState& state);
int ApplyNetwork1Page(QmThisApp& app);
void RecommendNetwork1Page(QmThisApp& app);

int ShowNetwork2Page(QmThisApp& app);
int LayoutNetwork2Page(QmThisApp& app, int width, int height);
void ReadNetwork2Page(const SystemFacts& system, PageState& state);
int ApplyNetwork2Page(QmThisApp& app);
void RecommendNetwork2Page(QmThisApp& app);

int ShowIconsPage(QmThisApp& app);
int LayoutIconsPage(QmThisApp& app, int width, int height);
void ReadIconsPage(const SystemFacts& system, PageState& state);
int ApplyIconsPage(QmThisApp& app);

int ShowInternetExplorerPage(QmThisApp& app);
int LayoutInternetExplorerPage(QmThisApp& app, int width, int height);
void ReadInternetExplorerPage(const SystemFacts& system, PageState& state);
int ApplyInternetExplorerPage(QmThisApp& app);
