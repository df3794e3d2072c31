#include "pages/PendingPage.h"

#include "app/PageLayout.h"
#include "app/QmThisApp.h"

int ShowPendingPage(QmThisApp& app)
{
    QmCombo* pageList = app.Combo(kIdPageList);
    if (!pageList)
        return 0;
    pageList->Enable(false);  // the read's end enables it again
    return 1;
}

int LayoutPendingPage(QmThisApp& app, int width, int height)
{
    PlaceApplyButtons(app, width, height);
    return 0;
}

int ReadPendingPage(QmThisApp&)
{
    return 0;
}

int ApplyPendingPage(QmThisApp& app)
{
    return app.Combo(kIdPageList) && app.Button(kIdApplyButton) ? 0 : -1;
}
