// The nine tweak pages, in page-list order, and the one page operation the commands call on
// their own.
#pragma once

#include "app/PageFunctions.h"

class QmThisApp;

extern const PageFunctions kTweakPages[kTweakPageCount];

// Writes the desktop page's logon Num Lock row alone (command 2100); 1.
int ApplyLogonNumLock(QmThisApp& app);

// Each page's functions.
int ShowDesktopPage(QmThisApp& app);
int LayoutDesktopPage(QmThisApp& app, int width, int height);
int ReadDesktopPage(QmThisApp& app);
int ApplyDesktopPage(QmThisApp& app);
void RecommendDesktopPage(QmThisApp& app);
