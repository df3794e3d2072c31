// The control wrappers in a real top-level window, made through the window base: check items,
// their notifications, combo boxes, parking, the done mark and the colours a control asks for.
#include "ui/QmCombo.h"
#include "ui/QmImageList2.h"
#include "ui/QmListview.h"
#include "ui/QmStatic.h"
#include "ui/QmWndBase.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class TestWindow : public QmWndBase {
public:
    TestWindow()
    {
        SetClassName(L"ZentrakToolkitTest");
        SetStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetSize(640, 480);
        static const ATOM atom = RegisterOwnClass(Procedure, CS_DBLCLKS, nullptr, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                                                  static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        (void)atom;
    }
    ~TestWindow() override { Destroy(); }  // the procedure reaches this object

    std::function<void(const NMHDR*)> onNotify;  // WM_NOTIFY, as the application hands it on

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FromCreateParam(lParam)));
        auto* self = static_cast<TestWindow*>(reinterpret_cast<QmWndBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
        if (self && message == WM_CREATE)
            self->Attach(hwnd);
        if (self && message == WM_NOTIFY && self->onNotify)
            self->onNotify(reinterpret_cast<const NMHDR*>(lParam));
        if (message == WM_NCDESTROY)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A check-list view (id 2003) of four unchecked rows in the test window.
class CheckList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QmWndBase::InitCommonControlsFor(ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES));
        ASSERT_TRUE(window_.Create(nullptr));
        ASSERT_TRUE(list_.CreateListview(Parent(), 2003, 10, 10, 300, 200, LVS_REPORT | LVS_SINGLESEL | WS_VISIBLE));
        list_.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        list_.InsertColumn(0, L"設定", 296);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(i, list_.InsertItem(i, L"項目", 0));
        Pump();
    }
    HWND Parent() const { return window_.Handle(); }
    // The raw state image of an item, read without the code under test.
    UINT StateImageOf(int index) { return static_cast<UINT>(list_.Send(LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK)) >> 12; }
    RECT ItemBounds(int index)
    {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        list_.Send(LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    TestWindow window_;
    QmListview list_;
};

TEST_F(CheckList, CheckStatesAreStateImagesOneAndTwo)
{
    EXPECT_EQ(1u, StateImageOf(0)) << "a new item of a check list is unchecked";
    EXPECT_EQ(0, list_.GetItemCheck(0));
    list_.CheckItem(1);
    list_.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(2u, StateImageOf(1));
    EXPECT_EQ(1, list_.GetItemCheck(1)) << "other states do not disturb the reading";
    list_.UncheckItem(1);
    EXPECT_EQ(1u, StateImageOf(1));
    list_.SetItemState(2, 0, LVIS_STATEIMAGEMASK);
    EXPECT_EQ(-1, list_.GetItemCheck(2)) << "no check box";
    EXPECT_EQ(-1, list_.GetItemCheck(4)) << "no such item";
}

// A double-click toggles the focused item; nothing else does, and no other item changes.
TEST_F(CheckList, ADoubleClickTogglesTheFocusedItemAlone)
{
    const UINT dblclk = static_cast<UINT>(NM_DBLCLK);
    // what  notification  check before, result, check after (-1: no check box)
    const struct {
        const char* what;
        UINT code;
        int before, result, after;
    } cases[] = {
        {"double-click checks", dblclk, 0, 1, 1},
        {"double-click unchecks", dblclk, 1, 1, 0},
        {"click", static_cast<UINT>(NM_CLICK), 0, -1, 0},
        {"right click", static_cast<UINT>(NM_RCLICK), 0, -1, 0},
        {"an item without a check box keeps none", dblclk, -1, 1, -1},
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
        EXPECT_EQ(c.result, list_.HandleNotify(&header, true));
        EXPECT_EQ(c.after, list_.GetItemCheck(1));
        EXPECT_TRUE(list_.GetItemCheck(0) == 1 && list_.GetItemCheck(2) == 0);
    }
    // Not this list's notification, or no focused item: nothing changes.
    list_.UncheckItem(1);
    const NMHDR foreign = {Parent(), 2003, dblclk}, header = {list_.Handle(), 2003, dblclk};
    EXPECT_EQ(-1, list_.HandleNotify(&foreign, true));
    list_.SetItemState(1, 0, LVIS_FOCUSED);
    EXPECT_EQ(-1, list_.HandleNotify(&header, true));
    EXPECT_EQ(0, list_.GetItemCheck(1));

    // A real double-click on an item reaches the handler and toggles that item.
    std::vector<int> handled;
    window_.onNotify = [&](const NMHDR* notify) {
        if (notify->idFrom == 2003 && notify->code == dblclk)
            handled.push_back(list_.HandleNotify(notify, true));
    };
    const RECT item = ItemBounds(2);
    const LPARAM at = MAKELPARAM(item.left + 60, (item.top + item.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        list_.Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    Pump();
    window_.onNotify = nullptr;
    EXPECT_EQ(std::vector<int>{2}, handled);
    EXPECT_EQ(1, list_.GetItemCheck(2));
    // The layout spaces rows by this height.
    EXPECT_EQ(item.top - ItemBounds(1).top, list_.GetRowHeight());
    EXPECT_TRUE(list_.DeleteAllItems());
    EXPECT_EQ(0, list_.GetRowHeight()) << "no first item, no height";
}

// Parked controls keep their size and stay visible; a combo box keeps the drop height it took.
TEST_F(CheckList, CombosClearTheirSelectionAndKeepTheirDropHeightWhenParked)
{
    QmCombo plain, pageList;
    ASSERT_TRUE(plain.CreateComboBox(Parent(), 2009, 10, 60, 200, 100, QmCombo::kDefaultStyle | CBS_HASSTRINGS));
    ASSERT_TRUE(pageList.CreateComboBoxEx(Parent(), 2007, 4, 2, 320, 350, WS_VISIBLE | CBS_DROPDOWNLIST));
    for (int i = 0; i < 40; ++i) {
        plain.AddString(L"預設");
        pageList.InsertExItem(i, L"頁", 0, 0);
    }
    // The list is as tall as asked, less the box itself and rounding to whole items.
    auto dropHeight = [](const QmCombo& combo) { return combo.GetDroppedControlRect().bottom - combo.GetDroppedControlRect().top; };
    for (QmCombo* combo : {&plain, &pageList}) {
        SCOPED_TRACE(combo->Id());
        EXPECT_EQ(2, combo->SetCurSel(2));
        combo->SetCurSel(-1);
        EXPECT_EQ(-1, combo->GetCurSel());
        ASSERT_TRUE(combo->SetDropHeight(150));
        EXPECT_TRUE(dropHeight(*combo) <= 150 && dropHeight(*combo) > 150 - 60) << dropHeight(*combo);
        ASSERT_TRUE(combo->MoveTo(-2500, 0));
        EXPECT_GT(dropHeight(*combo), 150 - 60) << "parking keeps the drop height";
    }
    const SIZE before = list_.GetSize();
    ASSERT_TRUE(list_.MoveTo(-2500, 0));
    EXPECT_EQ(-2500, list_.GetPositionInParent().x);
    EXPECT_TRUE(list_.GetSize().cx == before.cx && list_.GetSize().cy == before.cy);
    EXPECT_TRUE(list_.IsVisible()) << "parked, not hidden";
}

TEST_F(CheckList, DoneMarkShowsAPictureOfTheSmallListAndReleasesTheLast)
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

TEST(WindowBase, OwnColoursAreAppliedToTheDeviceContextWithOneBrush)
{
    HDC dc = CreateCompatibleDC(nullptr);
    auto brushColour = [](HBRUSH brush) {
        LOGBRUSH info = {};
        GetObjectW(brush, sizeof(info), &info);
        return info.lbColor;
    };
    QmCombo pageList;
    EXPECT_EQ(RGB(255, 255, 255), brushColour(pageList.ApplyColours(dc)));
    pageList.SetColours(RGB(0, 0, 255), RGB(255, 250, 250));
    HBRUSH own = pageList.ApplyColours(dc);
    EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
    EXPECT_EQ(RGB(255, 250, 250), GetBkColor(dc));
    EXPECT_EQ(RGB(255, 250, 250), brushColour(own));
    EXPECT_EQ(own, pageList.ApplyColours(dc)) << "one brush, made once";
    DeleteDC(dc);
}

}  // namespace
