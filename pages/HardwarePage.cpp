// 硬件 page (page 4): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowHardwarePage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutHardwarePage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadHardwarePage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyHardwarePage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendHardwarePage(QmThisApp&) {}
