// 禁止 page (page 3): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowRestrictionsPage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutRestrictionsPage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadRestrictionsPage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyRestrictionsPage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendRestrictionsPage(QmThisApp&) {}
