// 開始功能表 page (page 1): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowStartMenuPage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutStartMenuPage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadStartMenuPage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyStartMenuPage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendStartMenuPage(QmThisApp&) {}
