// Every page fits the window at two sizes, and a Simplified Chinese system sees the second
// wording of every page, converted. (What recommended settings do on each page:
// tests/hardening/SweepTest.cpp.)
#include "tests/pages/PageTest.h"

namespace {

using EveryPage = PageTest;

// At either size every placed control stays inside the client area and every list shows all
// its rows. Windows XP with Internet Explorer 6 has the longest lists.
TEST_F(EveryPage, FitsTheWindowAtTwoSizes)
{
    StartApp(kXp, 6, 3);
    for (int page = 0; page < kPageCount; ++page)
        for (const SIZE size : {SIZE{640, 480}, SIZE{1000, 700}}) {
            ShowPage(page);
            RECT client = {0, 0, size.cx, size.cy};
            AdjustWindowRectEx(&client, GetWindowLongW(Window(), GWL_STYLE), FALSE, GetWindowLongW(Window(), GWL_EXSTYLE));
            SetWindowPos(Window(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top, SWP_NOZORDER);
            Pump();
            GetClientRect(Window(), &client);
            for (int id = 2000; id <= 2200; ++id) {
                QmWndBase* control = App().Control(id);
                const POINT at = control ? control->GetPositionInParent() : POINT{-1, 0};
                if (at.x < 0)
                    continue;
                const SIZE extent = control->GetSize();
                EXPECT_TRUE(at.y >= 0 && at.x + extent.cx <= client.right && at.y + extent.cy <= client.bottom)
                    << "page " << page << " at width " << size.cx << ": control " << id << " leaves the window";
                QmListview* list = App().ListView(id);
                EXPECT_TRUE(!list || list->Send(LVM_GETCOUNTPERPAGE) >= list->GetItemCount()) << "page " << page << " list " << id;
            }
        }
}

TEST_F(EveryPage, TextsInTheSimplifiedWording)
{
    // page  Windows  IE  control  row or item (-1: the control's own text)  a text it shows
    const struct {
        int page, os, ie, id, index;
        const wchar_t* text;
    } cases[] = {
        {kPageStartMenu, kWin7, 8, M, 9, L"菜单"},  // the second wording, not only its characters
        {kPageStartMenu, kWin7, 8, 2017, 2, L"菜单"},
        {kPageStartMenu, kWin7, 8, kIdGroupRight, -1, L"菜单"},
        {kPageStartMenu, kWin7, 8, 2048, -1, L"菜单"},
        {kPageNetwork2, kVista, 8, 2024, 32, L"2 小时"},
        {kPageIcons, kXp, 8, M, 5, L"显示「开始菜单资料夹」图示"},  // each list's own record
        {kPageIcons, kXp, 8, R, 5, L"显示「开始菜单资料夹」图示"},
    };
    for (const auto& c : cases) {
        if (&c == cases || c.page != (&c - 1)->page) {
            Restart();
            StartApp(c.os, c.ie, 3, 936);
            ShowPage(c.page);
        }
        QmWString shown = c.index < 0      ? App().Control(c.id)->GetText()
                          : App().Combo(c.id) ? App().Combo(c.id)->GetItemText(c.index)
                                              : ItemText(c.id, c.index);
        EXPECT_NE(std::wstring::npos, std::wstring(shown.CStr()).find(c.text))
            << "page " << c.page << " control " << c.id << " " << c.index << ": " << testreg::Narrow(shown.CStr());
    }
    // A system with no wording of its own gets no texts, and so no rows.
    Restart();
    StartApp(kWin7, 8, 1, -1);
    EXPECT_EQ(0, ItemCount(M));
}

}  // namespace
