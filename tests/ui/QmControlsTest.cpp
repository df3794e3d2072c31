#include "tests/ui/UiFixture.h"

#include "ui/QmButton.h"
#include "ui/QmCombo.h"
#include "ui/QmEdit.h"
#include "ui/QmImageList2.h"
#include "ui/QmListbox.h"
#include "ui/QmListview.h"
#include "ui/QmStatic.h"
#include "ui/QmTrackbar.h"

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

class CheckList : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(list_.CreateListview(Parent(), 2003, 10, 10, 300, 200, LVS_REPORT | LVS_SINGLESEL | WS_VISIBLE));
        list_.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        ASSERT_EQ(0, list_.InsertColumn(0, L"設定", 296));
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(i, list_.InsertItem(i, L"項目", i));
    }

    // 1 checked, 0 unchecked, -1 no check box.
    void SetCheck(int index, int state)
    {
        if (state == 1)
            list_.CheckItem(index);
        else if (state == 0)
            list_.UncheckItem(index);
        else
            list_.SetItemState(index, 0, LVIS_STATEIMAGEMASK);
    }

    QmListview list_;
};

TEST_F(CheckList, CheckStatesAreStateImagesOneAndTwo)
{
    EXPECT_EQ(1u, StateImageOf(list_.Handle(), 0)) << "a new item of a check list is unchecked";
    EXPECT_EQ(0, list_.GetItemCheck(0));
    list_.CheckItem(1);
    EXPECT_EQ(2u, StateImageOf(list_.Handle(), 1));
    EXPECT_EQ(1, list_.GetItemCheck(1));
    EXPECT_EQ(0, list_.GetItemCheck(2));
    list_.UncheckItem(1);
    EXPECT_EQ(1u, StateImageOf(list_.Handle(), 1));
    EXPECT_EQ(0, list_.GetItemCheck(1));
    // Other states of the item do not disturb the reading.
    list_.CheckItem(0);
    list_.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(1, list_.GetItemCheck(0));
    // No check box: state image cleared, no such item.
    list_.SetItemState(2, 0, LVIS_STATEIMAGEMASK);
    EXPECT_EQ(-1, list_.GetItemCheck(2));
    EXPECT_EQ(-1, list_.GetItemCheck(3));
}

TEST_F(CheckList, NotificationsToggleTheFocusedItem)
{
    struct Case {
        const char* what;
        bool toggleOnDoubleClick;
        UINT code;
        int before;
        int result;
        int after;
    };
    const Case cases[] = {
        {"double-click checks", true, static_cast<UINT>(NM_DBLCLK), 0, 1, 1},
        {"double-click unchecks", true, static_cast<UINT>(NM_DBLCLK), 1, 1, 0},
        {"click ignored when double-click toggles", true, static_cast<UINT>(NM_CLICK), 0, -1, 0},
        {"click checks", false, static_cast<UINT>(NM_CLICK), 0, 1, 1},
        {"click unchecks", false, static_cast<UINT>(NM_CLICK), 1, 1, 0},
        {"double-click ignored when click toggles", false, static_cast<UINT>(NM_DBLCLK), 1, -1, 1},
        {"right click ignored", true, static_cast<UINT>(NM_RCLICK), 0, -1, 0},
        {"item change ignored", true, static_cast<UINT>(LVN_ITEMCHANGED), 1, -1, 1},
        {"an item without a check box keeps none", true, static_cast<UINT>(NM_DBLCLK), -1, 1, -1},
    };
    list_.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetCheck(0, 1);
        SetCheck(1, c.before);
        SetCheck(2, 0);
        const NMHDR header = {list_.Handle(), 2003, c.code};
        EXPECT_EQ(c.result, list_.HandleNotify(&header, c.toggleOnDoubleClick));
        EXPECT_EQ(c.after, list_.GetItemCheck(1));
        EXPECT_EQ(1, list_.GetItemCheck(0));
        EXPECT_EQ(0, list_.GetItemCheck(2));
    }

    // A notification of another window is not this list's.
    SetCheck(1, 0);
    const NMHDR foreign = {Parent(), 2003, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(-1, list_.HandleNotify(&foreign, true));
    EXPECT_EQ(0, list_.GetItemCheck(1));

    // Without a focused item nothing changes.
    list_.SetItemState(1, 0, LVIS_FOCUSED);
    ASSERT_EQ(-1, ListView_GetNextItem(list_.Handle(), -1, LVNI_FOCUSED));
    const NMHDR header = {list_.Handle(), 2003, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(-1, list_.HandleNotify(&header, true));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i == 0 ? 1 : 0, list_.GetItemCheck(i));
}

TEST_F(CheckList, ADoubleClickOnAnItemReachesHandleNotify)
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
}

TEST_F(CheckList, RowHeightIsTheDistanceBetweenRows)
{
    const int height = list_.GetRowHeight();
    EXPECT_GT(height, 0);
    EXPECT_EQ(ItemBounds(list_.Handle(), 2).top - ItemBounds(list_.Handle(), 1).top, height);
    EXPECT_TRUE(list_.DeleteAllItems());
    EXPECT_EQ(0, list_.GetRowHeight()) << "no first item, no height";
}

TEST_F(UiTest, ComboSelectionCanBeCleared)
{
    QmCombo plain;
    QmCombo pageList;
    ASSERT_TRUE(plain.CreateComboBox(Parent(), 2009, 10, 10, 200, 100, QmCombo::kDefaultStyle | CBS_HASSTRINGS));
    ASSERT_TRUE(pageList.CreateComboBoxEx(Parent(), 2007, 4, 2, 320, 350, WS_VISIBLE | CBS_DROPDOWNLIST));
    const wchar_t* choices[] = {L"預設", L"隱藏", L"顯示"};
    for (int i = 0; i < 3; ++i) {
        plain.AddString(choices[i]);
        pageList.InsertExItem(i, choices[i], i, i);
    }
    for (QmCombo* combo : {&plain, &pageList}) {
        SCOPED_TRACE(combo->Id());
        ASSERT_EQ(3, combo->GetCount());
        EXPECT_EQ(2, combo->SetCurSel(2));
        EXPECT_EQ(2, combo->GetCurSel());
        combo->SetCurSel(-1);
        EXPECT_EQ(-1, combo->GetCurSel());
        combo->SetCurSel(0);
        combo->ResetContent();
        EXPECT_EQ(0, combo->GetCount());
        EXPECT_EQ(-1, combo->GetCurSel());
    }
    plain.AddString(choices[2]);
    plain.SetCurSel(0);
    EXPECT_EQ(std::wstring(L"顯示"), Text(plain.GetText()));
    plain.SetCurSel(-1);
    EXPECT_EQ(0, plain.GetText().Length()) << "no selection, no text shown";
}

TEST_F(UiTest, ComboBoxExShowsTheTextAndPictureGiven)
{
    QmImageList2 large;
    ASSERT_TRUE(large.Create(32, 32, ILC_COLOR32 | ILC_MASK, 100, 200));
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(i, large.AddIcon(LoadIconW(nullptr, IDI_APPLICATION)));
    QmCombo pageList;
    ASSERT_TRUE(pageList.CreateComboBoxEx(Parent(), 2007, 4, 2, 320, 350, WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST));
    pageList.SetImageList(large.Get());

    struct Page {
        const wchar_t* text;
        int picture;
    };
    const Page pages[] = {{L"桌面、登入", 2}, {L"開始功能表", 0}, {L"Internet Explorer", 1}};
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(i, pageList.InsertExItem(i, pages[i].text, pages[i].picture, pages[i].picture));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        wchar_t buffer[64] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = i;
        item.pszText = buffer;
        item.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(pageList.Handle(), CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(std::wstring(pages[i].text), item.pszText);
        EXPECT_EQ(pages[i].picture, item.iImage);
        EXPECT_EQ(pages[i].picture, item.iSelectedImage);
    }
    QmWString text;
    int image = -5;
    ASSERT_TRUE(pageList.GetExItem(0, &text, &image, nullptr));
    EXPECT_EQ(std::wstring(pages[0].text), Text(text));
    EXPECT_EQ(2, image);
    EXPECT_FALSE(pageList.GetExItem(3, nullptr, nullptr, nullptr));
}

TEST_F(UiTest, BothKindsOfComboTakeTheirDropHeight)
{
    QmCombo plain;
    QmCombo pageList;
    ASSERT_TRUE(plain.CreateComboBox(Parent(), 2008, 10, 60, 200, 100, QmCombo::kDefaultStyle | CBS_HASSTRINGS));
    ASSERT_TRUE(pageList.CreateComboBoxEx(Parent(), 2007, 4, 2, 320, 350, WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST));
    for (int i = 0; i < 40; ++i) {
        plain.AddString(L"選項");
        pageList.InsertExItem(i, L"頁", 0, 0);
    }
    // The list is as tall as asked, less the box itself and rounding to whole items.
    auto dropHeight = [](const QmCombo& combo) {
        const RECT rect = combo.GetDroppedControlRect();
        return static_cast<int>(rect.bottom - rect.top);
    };
    for (QmCombo* combo : {&plain, &pageList}) {
        SCOPED_TRACE(combo->Id());
        ASSERT_TRUE(combo->Move(4, 2, 300, 420));
        EXPECT_LE(dropHeight(*combo), 420);
        EXPECT_GT(dropHeight(*combo), 420 - 60);
        EXPECT_EQ(300, combo->GetSize().cx);
        ASSERT_TRUE(combo->SetDropHeight(150));
        EXPECT_LE(dropHeight(*combo), 150);
        EXPECT_GT(dropHeight(*combo), 150 - 60);
        EXPECT_EQ(300, combo->GetSize().cx);
        const int before = dropHeight(*combo);
        ASSERT_TRUE(combo->MoveTo(-2500, 0));
        EXPECT_EQ(before, dropHeight(*combo)) << "parking keeps the drop height";
    }
}

TEST_F(UiTest, CjkTextsReadBackUnchanged)
{
    QmButton check, group;
    QmStatic label;
    QmEdit edit;
    ASSERT_TRUE(check.CreateCheckBox(Parent(), 2041, L"", 0, 40, 100, 20, WS_VISIBLE));
    ASSERT_TRUE(group.CreateGroupBox(Parent(), 2051, L"", 0, 80, 100, 60, WS_VISIBLE));
    ASSERT_TRUE(label.CreateStatic(Parent(), 2030, L"", 0, 150, 100, 20, WS_VISIBLE | SS_RIGHT));
    ASSERT_TRUE(edit.CreateEdit(Parent(), 2000, L"", 0, 170, 100, 20, WS_VISIBLE | ES_AUTOHSCROLL));
    QmWndBase* windows[] = {&check, &group, &label, &edit};
    for (QmWndBase* window : windows) {
        EXPECT_TRUE(window->SetText(kCjkText));
        EXPECT_EQ(std::wstring(kCjkText), Text(window->GetText())) << window->Id();
    }

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

    QmCombo combo;
    ASSERT_TRUE(combo.CreateComboBox(Parent(), 2014, 200, 220, 200, 100, QmCombo::kDefaultStyle | CBS_HASSTRINGS));
    ASSERT_EQ(0, combo.AddString(kCjkText));
    EXPECT_EQ(std::wstring(kCjkText), Text(combo.GetItemText(0)));
    combo.SetCurSel(0);
    EXPECT_EQ(std::wstring(kCjkText), Text(combo.GetText()));
}

TEST_F(UiTest, TrackbarTakesNegativePositions)
{
    QmTrackbar track;
    ASSERT_TRUE(track.CreateTrackbar(Parent(), 2064, 10, 10, 200, 24, WS_VISIBLE));
    track.SetRange(-2, 10);
    EXPECT_EQ(-2, track.GetRangeMin());
    EXPECT_EQ(10, track.GetRangeMax());
    track.SetPos(-2);
    EXPECT_EQ(-2, track.GetPos());
    track.SetPos(40);
    EXPECT_EQ(10, track.GetPos()) << "the control keeps the position in range";
}

TEST_F(UiTest, ImageListsOutliveTheListViewsTheyAreAttachedTo)
{
    QmImageList2 large;
    QmImageList2 small;
    ASSERT_TRUE(large.Create(32, 32, ILC_COLOR32 | ILC_MASK, 100, 200));
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 100, 200));
    HINSTANCE shell = LoadLibraryW(L"shell32.dll");
    ASSERT_TRUE(shell);
    for (QmImageList2* list : {&large, &small}) {
        EXPECT_EQ(0, list->AddIconResource(shell, 4));
        EXPECT_EQ(1, list->AddIconResource(shell, 3));
        EXPECT_EQ(-1, list->AddIconResource(shell, 65000)) << "no such icon";
        EXPECT_EQ(2, list->Count());
    }

    {
        QmListview first;
        QmListview second;
        ASSERT_TRUE(first.CreateListview(Parent(), 2003, 0, 0, 100, 100, LVS_REPORT));
        ASSERT_TRUE(second.CreateListview(Parent(), 2061, 0, 0, 100, 100, LVS_REPORT));
        for (QmListview* view : {&first, &second}) {
            view->SetImageList(large.Get(), LVSIL_NORMAL);
            view->SetImageList(small.Get(), LVSIL_SMALL);
            EXPECT_EQ(small.Get(), view->GetImageList(LVSIL_SMALL));
        }
    }
    // Both list views are gone; the lists must still be there, whole.
    EXPECT_EQ(2, large.Count());
    EXPECT_EQ(2, small.Count());
    FreeLibrary(shell);
}

TEST_F(UiTest, DoneMarkShowsAPictureOfTheSmallList)
{
    QmImageList2 small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    ASSERT_EQ(0, small.AddIcon(LoadIconW(nullptr, IDI_APPLICATION)));
    ASSERT_EQ(1, small.AddIcon(LoadIconW(nullptr, IDI_WARNING)));

    QmStatic mark;
    ASSERT_TRUE(mark.CreateStatic(Parent(), 2094, L"", -2500, 0, 16, 16, WS_VISIBLE | SS_ICON));
    EXPECT_FALSE(mark.ShowImageListIcon(small.Get(), 7)) << "no such picture";
    ASSERT_TRUE(mark.ShowImageListIcon(small.Get(), 1));
    HICON shown = mark.GetIcon();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(16, mark.GetSize().cx);
    EXPECT_EQ(16, mark.GetSize().cy);

    ASSERT_TRUE(mark.ShowImageListIcon(small.Get(), 0));
    EXPECT_NE(shown, mark.GetIcon());
    EXPECT_FALSE(GetIconInfo(shown, &info)) << "the icon no longer shown was released";
}

}  // namespace
