// 系統、外觀 page (page 2): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowSystemPage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutSystemPage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadSystemPage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplySystemPage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendSystemPage(QmThisApp&) {}
