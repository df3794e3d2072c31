// 網路 2 page (page 6): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowNetwork2Page(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutNetwork2Page(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadNetwork2Page(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyNetwork2Page(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendNetwork2Page(QmThisApp&) {}
