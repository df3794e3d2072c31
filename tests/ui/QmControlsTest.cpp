#include "tests/ui/UiFixture.h"

#include "ui/QmCombo.h"
#include "ui/QmImageList2.h"
#include "ui/QmListbox.h"
#include "ui/QmListview.h"
#include "ui/QmStatic.h"

#include <string>
#include <vector>

namespace {

// Chinese, a character outside the basic plane (a surrogate pair) and full-width letters.
const wchar_t kCjkText[] = L"開始功能表、網路 1 \xD842\xDFB7 \xFF21\xFF22";

std::wstring Text(const QmWString& text)
{
    return std::wstring(text.CStr());
}

// The raw state image of an item, read without the code under test.
UINT StateImageOf(HWND list, int index)
{
    return static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK)) >> 12;
}

RECT ItemBounds(HWND list, int index)
{
    RECT rect = {};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

using CheckList = CheckListTest;

TEST_F(CheckList, CheckStatesAreStateImagesOneAndTwo)
{
    EXPECT_EQ(1u, StateImageOf(list_.Handle(), 0)) << "a new item of a check list is unchecked";
    EXPECT_EQ(0, list_.GetItemCheck(0));
    list_.CheckItem(1);
    list_.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(2u, StateImageOf(list_.Handle(), 1));
    EXPECT_EQ(1, list_.GetItemCheck(1)) << "other states do not disturb the reading";
    list_.UncheckItem(1);
    EXPECT_EQ(1u, StateImageOf(list_.Handle(), 1));
    EXPECT_EQ(0, list_.GetItemCheck(1));
    list_.SetItemState(2, 0, LVIS_STATEIMAGEMASK);
    EXPECT_EQ(-1, list_.GetItemCheck(2)) << "no check box";
    EXPECT_EQ(-1, list_.GetItemCheck(4)) << "no such item";
}

TEST_F(CheckList, NotificationsToggleTheFocusedItem)
{
    const UINT dblclk = static_cast<UINT>(NM_DBLCLK), click = static_cast<UINT>(NM_CLICK);
    const struct {
        const char* what;
        bool toggleOnDoubleClick;
        UINT code;
        int before, result, after;  // check states: 1 checked, 0 unchecked, -1 no check box
    } cases[] = {
        {"double-click checks", true, dblclk, 0, 1, 1},
        {"double-click unchecks", true, dblclk, 1, 1, 0},
        {"click ignored when double-click toggles", true, click, 0, -1, 0},
        {"click checks", false, click, 0, 1, 1},
        {"double-click ignored when click toggles", false, dblclk, 1, -1, 1},
        {"right click ignored", true, static_cast<UINT>(NM_RCLICK), 0, -1, 0},
        {"an item without a check box keeps none", true, dblclk, -1, 1, -1},
    };
    list_.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        list_.CheckItem(0);
        if (c.before < 0)
            list_.SetItemState(1, 0, LVIS_STATEIMAGEMASK);
        else
            c.before ? list_.CheckItem(1) : list_.UncheckItem(1);
        list_.UncheckItem(2);
        const NMHDR header = {list_.Handle(), 2003, c.code};
        EXPECT_EQ(c.result, list_.HandleNotify(&header, c.toggleOnDoubleClick));
        EXPECT_EQ(c.after, list_.GetItemCheck(1));
        EXPECT_EQ(1, list_.GetItemCheck(0));
        EXPECT_EQ(0, list_.GetItemCheck(2));
    }
    // Not this list's notification, or no focused item: nothing changes.
    list_.UncheckItem(1);
    const NMHDR foreign = {Parent(), 2003, dblclk};
    EXPECT_EQ(-1, list_.HandleNotify(&foreign, true));
    list_.SetItemState(1, 0, LVIS_FOCUSED);
    const NMHDR header = {list_.Handle(), 2003, dblclk};
    EXPECT_EQ(-1, list_.HandleNotify(&header, true));
    EXPECT_EQ(0, list_.GetItemCheck(1));
}

TEST_F(CheckList, ADoubleClickOnAnItemReachesHandleNotifyAndRowsHaveAHeight)
{
    std::vector<int> handled;
    window_.onNotify = [&](const NMHDR* header) {
        if (header->idFrom == 2003 && header->code == static_cast<UINT>(NM_DBLCLK))
            handled.push_back(list_.HandleNotify(header, true));
    };
    const RECT item = ItemBounds(list_.Handle(), 2);
    const LPARAM at = MAKELPARAM(item.left + 60, (item.top + item.bottom) / 2);
    SendMessageW(list_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list_.Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(list_.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list_.Handle(), WM_LBUTTONUP, 0, at);
    Pump();
    window_.onNotify = nullptr;
    ASSERT_EQ(std::vector<int>{2}, handled);
    EXPECT_EQ(1, list_.GetItemCheck(2));
    EXPECT_EQ(0, list_.GetItemCheck(1));

    EXPECT_EQ(item.top - ItemBounds(list_.Handle(), 1).top, list_.GetRowHeight());
    EXPECT_TRUE(list_.DeleteAllItems());
    EXPECT_EQ(0, list_.GetRowHeight()) << "no first item, no height";
}

TEST_F(UiTest, CombosClearTheirSelectionAndTakeTheirDropHeight)
{
    QmCombo plain;
    QmCombo pageList;
    ASSERT_TRUE(plain.CreateComboBox(Parent(), 2009, 10, 60, 200, 100, QmCombo::kDefaultStyle | CBS_HASSTRINGS));
    ASSERT_TRUE(pageList.CreateComboBoxEx(Parent(), 2007, 4, 2, 320, 350, WS_VISIBLE | CBS_DROPDOWNLIST));
    for (int i = 0; i < 40; ++i) {
        plain.AddString(L"預設");
        pageList.InsertExItem(i, L"頁", 0, 0);
    }
    // The list is as tall as asked, less the box itself and rounding to whole items.
    auto dropHeight = [](const QmCombo& combo) {
        const RECT rect = combo.GetDroppedControlRect();
        return static_cast<int>(rect.bottom - rect.top);
    };
    for (QmCombo* combo : {&plain, &pageList}) {
        SCOPED_TRACE(combo->Id());
        EXPECT_EQ(2, combo->SetCurSel(2));
        combo->SetCurSel(-1);
        EXPECT_EQ(-1, combo->GetCurSel());
        ASSERT_TRUE(combo->Move(4, 2, 300, 420));
        EXPECT_LE(dropHeight(*combo), 420);
        EXPECT_GT(dropHeight(*combo), 420 - 60);
        ASSERT_TRUE(combo->SetDropHeight(150));
        EXPECT_LE(dropHeight(*combo), 150);
        EXPECT_GT(dropHeight(*combo), 150 - 60);
        EXPECT_EQ(300, combo->GetSize().cx);
        ASSERT_TRUE(combo->MoveTo(-2500, 0));
        EXPECT_GT(dropHeight(*combo), 150 - 60) << "parking keeps the drop height";
    }
}

TEST_F(UiTest, CjkAndLongTextsReadBackUnchanged)
{
    QmListview list;
    ASSERT_TRUE(list.CreateListview(Parent(), 2061, 200, 0, 200, 100, LVS_REPORT | WS_VISIBLE));
    list.InsertColumn(0, kCjkText, 150);
    ASSERT_EQ(0, list.InsertItem(0, kCjkText, 0));
    EXPECT_EQ(std::wstring(kCjkText), Text(list.GetItemText(0)));
    const std::wstring longText(3000, L'長');
    ASSERT_TRUE(list.SetItemText(0, 0, longText.c_str()));
    EXPECT_EQ(longText, Text(list.GetItemText(0))) << "a text longer than the first buffer";

    QmListbox box;
    ASSERT_TRUE(box.CreateListbox(Parent(), 2070, 200, 110, 200, 100, WS_VISIBLE));
    ASSERT_EQ(0, box.AddString(kCjkText));
    EXPECT_EQ(std::wstring(kCjkText), Text(box.GetItemText(0)));
}

TEST_F(UiTest, ImageListsOutliveTheListViewsTheyAreAttachedTo)
{
    QmImageList2 small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 100, 200));
    ASSERT_EQ(0, small.AddIcon(LoadIconW(nullptr, IDI_APPLICATION)));
    {
        QmListview first;
        QmListview second;
        ASSERT_TRUE(first.CreateListview(Parent(), 2003, 0, 0, 100, 100, LVS_REPORT));
        ASSERT_TRUE(second.CreateListview(Parent(), 2061, 0, 0, 100, 100, LVS_REPORT));
        first.SetImageList(small.Get(), LVSIL_SMALL);
        second.SetImageList(small.Get(), LVSIL_SMALL);
        EXPECT_EQ(small.Get(), second.GetImageList(LVSIL_SMALL));
    }
    EXPECT_EQ(1, small.Count()) << "both list views are gone; the list must still be whole";
}

TEST_F(UiTest, DoneMarkShowsAPictureOfTheSmallListAndReleasesTheLast)
{
    QmImageList2 small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    ASSERT_EQ(0, small.AddIcon(LoadIconW(nullptr, IDI_APPLICATION)));
    QmStatic mark;
    ASSERT_TRUE(mark.CreateStatic(Parent(), 2094, L"", -2500, 0, 16, 16, WS_VISIBLE | SS_ICON));
    EXPECT_FALSE(mark.ShowImageListIcon(small.Get(), 7)) << "no such picture";
    ASSERT_TRUE(mark.ShowImageListIcon(small.Get(), 0));
    HICON shown = mark.GetIcon();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(16, mark.GetSize().cx);
    ASSERT_TRUE(mark.ShowImageListIcon(small.Get(), 0));
    EXPECT_NE(shown, mark.GetIcon());
    EXPECT_FALSE(GetIconInfo(shown, &info)) << "the icon no longer shown was released";
}

}  // namespace
