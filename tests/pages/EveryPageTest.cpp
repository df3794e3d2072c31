// A Simplified Chinese system sees the second wording of every page, converted. (What
// recommended settings do on each page: tests/hardening/SweepTest.cpp.)
#include "tests/pages/PageTest.h"

namespace {

using EveryPage = PageTest;

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
