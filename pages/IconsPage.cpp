// 圖示 page (page 7): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowIconsPage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutIconsPage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadIconsPage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyIconsPage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendIconsPage(QmThisApp&) {}
