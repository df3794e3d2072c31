// 網路 1 page (page 5): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowNetwork1Page(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutNetwork1Page(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadNetwork1Page(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyNetwork1Page(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendNetwork1Page(QmThisApp&) {}
