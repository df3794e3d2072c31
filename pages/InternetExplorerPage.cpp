// Internet Explorer page (page 8): not built yet; it places only the shared buttons.
#include "pages/Pages.h"

#include "pages/PendingPage.h"

int ShowInternetExplorerPage(QmThisApp& app) { return ShowPendingPage(app); }
int LayoutInternetExplorerPage(QmThisApp& app, int width, int height) { return LayoutPendingPage(app, width, height); }
int ReadInternetExplorerPage(QmThisApp& app) { return ReadPendingPage(app); }
int ApplyInternetExplorerPage(QmThisApp& app) { return ApplyPendingPage(app); }
void RecommendInternetExplorerPage(QmThisApp&) {}
