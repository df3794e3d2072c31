#include "pages/Pages.h"

#include "pages/PendingPage.h"

// show  layout  read  apply  recommend
const PageFunctions kTweakPages[kTweakPageCount] = {
    {ShowDesktopPage, LayoutDesktopPage, ReadDesktopPage, ApplyDesktopPage, RecommendDesktopPage},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
    {ShowPendingPage, LayoutPendingPage, ReadPendingPage, ApplyPendingPage, nullptr},
};
