// The layout check shared by the pages with two check lists side by side: at the window's
// size, the two group boxes and the two buttons lie inside the client area without touching
// each other, and every row of both lists shows without scrolling.
#pragma once

#include "app/QmThisApp.h"

#include <gtest/gtest.h>

inline RECT PlacementInClient(const QmThisApp& app, int id)
{
    RECT rect = {};
    GetWindowRect(app.Control(id)->Handle(), &rect);
    MapWindowPoints(nullptr, app.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline void ExpectTwoListsLaidOut(const QmThisApp& app)
{
    RECT client = {};
    GetClientRect(app.Handle(), &client);
    const int ids[] = {kIdGroupMain, kIdGroupRight, kIdRecommendButton, kIdApplyButton};
    for (int a : ids) {
        const RECT ra = PlacementInClient(app, a);
        EXPECT_TRUE(ra.left >= 0 && ra.top >= 0 && ra.right <= client.right && ra.bottom <= client.bottom) << a;
        for (int b : ids) {
            RECT overlap;
            const RECT rb = PlacementInClient(app, b);
            if (a < b) {
                EXPECT_FALSE(IntersectRect(&overlap, &ra, &rb)) << a << " overlaps " << b;
            }
        }
    }
    for (int id : {kIdListMain, kIdListRight}) {
        const QmListview* list = app.ListView(id);
        RECT last = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(list->Handle(), LVM_GETITEMRECT, list->GetItemCount() - 1, reinterpret_cast<LPARAM>(&last));
        EXPECT_LE(last.bottom, list->GetClientRect().bottom) << "list " << id << ": the last row is cut off";
        EXPECT_EQ(0, GetWindowLongW(list->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) << "list " << id;
    }
}
