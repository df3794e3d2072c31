// What every page owes the window: recommended settings change only the controls they name,
// never the registry, and a Simplified Chinese system sees the second wording, converted.
#include "tests/pages/PageTest.h"

#include <sstream>

namespace {

class EveryPage : public PageTest, public ::testing::WithParamInterface<int> {};

// What recommended settings set on each page: "list:row=check" for check rows, "id=state" for
// check boxes and radio buttons, "id=selection" for combo boxes.
std::map<std::string, int> Recommended(int page, bool xp)
{
    std::string settings;
    if (page == kPageDesktop)
        settings = "2003:0=1 2062:1=1";
    if (page == kPageStartMenu)
        settings = std::string("2041=1 2042=1 2043=1 2044=1 2045=1 2046=1 2047=1 2048=1 2008=1 2009=1 2200=1 2014=1 "
                               "2016=1 2017=2 2018=4 2056=1 2057=0 2015=") + (xp ? "1" : "2");
    if (page == kPageSystem)
        settings = std::string("2003:0=0 2061:0=1 2061:1=0 2042=1 2043=1 2044=1 2045=1 2047=1 2046=0 2009=2 2200=7 "
                               "2014=7 2015=7 2017=0") + (xp ? " 2041=0" : "");
    if (page == kPageHardware)
        settings = "2003:0=1 2003:1=1 2003:2=1 2003:3=0";
    if (page == kPageNetwork1)
        settings = std::string("2003:0=1 2003:1=0 2003:2=1 2003:3=0 2003:4=1 2003:5=1 2003:6=1 2003:7=1 2003:8=1 "
                               "2003:9=0 2003:10=0 2003:11=1 2003:12=1 2003:13=1") + (xp ? "" : " 2003:14=1");
    if (page == kPageNetwork2)
        settings = "2041=1 2042=1 2043=1 2046=1 2047=1 2048=1 2049=1 2050=1 2065=1 2066=1 2067=1 2068=1 2008=8 "
                   "2009=19 2200=90 2016=6 2017=0 2018=3 2019=3 2020=2 2021=40 2022=9 2023=30 2024=7";
    std::map<std::string, int> wanted;  // the restrictions, icons and browser pages: none
    std::istringstream items(settings);
    for (std::string item; items >> item;)
        wanted[item.substr(0, item.find('='))] = std::stoi(item.substr(item.find('=') + 1));
    return wanted;
}

TEST_P(EveryPage, RecommendedSettingsChangeOnlyTheControlsTheyName)
{
    StartApp(GetParam());
    for (int page = 0; page < kPageAbout; ++page) {
        ShowPage(page);
        // Each named control starts from another state, so each must be set.
        const std::map<std::string, int> wanted = Recommended(page, GetParam() == kXp);
        for (const auto& [name, value] : wanted) {
            const int other = value == 0 ? 1 : 0;
            const size_t colon = name.find(':');
            const int id = std::stoi(name.substr(0, colon));
            if (colon != std::string::npos)
                SetCheck(id, std::stoi(name.substr(colon + 1)), other == 1);
            else if (App().Combo(id))
                Select(id, other);
            else
                SetBox(id, other == 1);
        }
        std::map<std::string, int> expected = ShownStates();
        for (const auto& [name, value] : wanted)
            expected[name] = value;
        const testreg::Snapshot before = testreg::TakeSnapshot();
        App().OnCommand(Window(), kIdRecommendButton, nullptr, BN_CLICKED);
        EXPECT_EQ(expected, ShownStates()) << "page " << page;
        EXPECT_EQ("", testreg::Differences(before, testreg::TakeSnapshot())) << "page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, EveryPage, ::testing::Values(kXp, kWin7), VersionName);

TEST_F(EveryPage, TextsInTheSimplifiedWording)
{
    // page  Windows  IE  control  row or item (-1: the control's own text)  a text it shows
    const struct {
        int page, os, ie, id, index;
        const wchar_t* text;
    } cases[] = {
        {kPageDesktop, kWin7, 8, M, 0, L"保持上次的桌面设置"},
        {kPageStartMenu, kWin7, 8, M, 9, L"菜单"},  // the second wording, not only its characters
        {kPageStartMenu, kWin7, 8, 2017, 2, L"菜单"},
        {kPageStartMenu, kWin7, 8, kIdGroupRight, -1, L"菜单"},
        {kPageStartMenu, kWin7, 8, 2048, -1, L"菜单"},
        {kPageHardware, kWin7, 8, R, 0, L"使用浏览器时,滑鼠右键没有内容菜单"},
        {kPageNetwork1, kWin7, 8, kIdGroupMain, -1, L"网路 1"},
        {kPageNetwork2, kVista, 8, 2024, 32, L"2 小时"},
        {kPageIcons, kXp, 8, M, 5, L"显示「开始菜单资料夹」图示"},  // each list's own record
        {kPageIcons, kXp, 8, R, 5, L"显示「开始菜单资料夹」图示"},
        {kPageInternetExplorer, kWin7, 7, M, 7, L"菜单的位置放到最上层"},
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
