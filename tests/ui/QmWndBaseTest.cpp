#include "tests/ui/UiFixture.h"

#include "ui/QmButton.h"
#include "ui/QmCombo.h"
#include "ui/QmEdit.h"
#include "ui/QmListview.h"
#include "ui/QmStatic.h"

#include <initializer_list>
#include <string>

namespace {

using WindowBase = UiTest;

TEST_F(WindowBase, OneWindowPerObject)
{
    EXPECT_EQ(std::wstring(L"toolkit test"), window_.GetText().CStr());
    SetLastError(0);
    EXPECT_EQ(nullptr, window_.Create(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
    EXPECT_TRUE(IsWindow(Parent()));
}

TEST_F(WindowBase, ChildrenArePlacedAndParkedInParentCoordinates)
{
    QmButton apply;
    QmListview list;
    ASSERT_TRUE(apply.CreatePushButton(Parent(), 2004, L"修改設定", 37, 45, 90, 28, WS_VISIBLE));
    ASSERT_TRUE(list.CreateListview(Parent(), 2003, 10, 100, 300, 200, LVS_REPORT | WS_VISIBLE));
    // The parent has a caption and a frame: places are in its client coordinates.
    EXPECT_EQ(37, apply.GetPositionInParent().x);
    EXPECT_EQ(45, apply.GetPositionInParent().y);
    EXPECT_EQ(90, apply.GetSize().cx);
    for (QmWndBase* control : std::initializer_list<QmWndBase*>{&apply, &list}) {
        const SIZE before = control->GetSize();
        ASSERT_TRUE(control->MoveTo(-2500, 0));
        EXPECT_EQ(before.cx, control->GetSize().cx);
        EXPECT_EQ(before.cy, control->GetSize().cy);
        EXPECT_TRUE(control->IsVisible()) << "parked, not hidden";
        EXPECT_EQ(-2500, control->GetPositionInParent().x);
    }
}

TEST_F(WindowBase, DestroyForgetsTheWindowAndIsSafeTwice)
{
    QmListview list;
    HWND first = list.CreateListview(Parent(), 2061, 0, 0, 100, 100, LVS_REPORT);
    ASSERT_TRUE(first);
    EXPECT_TRUE(list.Destroy());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(list.Destroy());
    EXPECT_TRUE(list.CreateListview(Parent(), 2061, 0, 0, 100, 100, LVS_REPORT)) << "the object can be used again";

    // A control whose parent went first: its handle is stale, and nothing else is destroyed.
    TestWindow other;
    ASSERT_TRUE(other.Create(nullptr));
    QmButton orphan;
    ASSERT_TRUE(orphan.CreatePushButton(other.Handle(), 1, L"", 0, 0, 10, 10));
    other.Destroy();
    EXPECT_FALSE(orphan.Destroy());
    EXPECT_TRUE(IsWindow(Parent()));
}

TEST_F(WindowBase, ControlsNeverCreatedDoNothing)
{
    QmEdit focused;
    ASSERT_TRUE(focused.CreateEdit(Parent(), 2000, L"keeps the focus", 0, 0, 100, 20, WS_VISIBLE));
    focused.SetFocus();
    ASSERT_EQ(focused.Handle(), GetFocus());

    QmButton button;
    QmCombo combo;
    QmListview list;
    QmStatic label;
    for (QmWndBase* control : std::initializer_list<QmWndBase*>{&button, &combo, &list, &label}) {
        EXPECT_FALSE(control->SetText(L"文字"));
        EXPECT_EQ(nullptr, control->SetFocus());
        control->KillFocus();
        EXPECT_FALSE(control->MoveTo(-2500, 0));
    }
    // Operations that answer an index answer "none", never item 0.
    EXPECT_EQ(-1, combo.AddString(L"a"));
    EXPECT_EQ(-1, combo.GetCurSel());
    EXPECT_EQ(-1, list.InsertItem(0, L"a", 0));
    list.CheckItem(0);
    EXPECT_EQ(-1, list.GetItemCheck(0));
    const NMHDR header = {nullptr, 2003, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(-1, list.HandleNotify(&header, true));
    EXPECT_EQ(-1, list.HandleNotify(nullptr, true));
    EXPECT_EQ(focused.Handle(), GetFocus()) << "the focus was not taken away";
}

TEST_F(WindowBase, OwnColoursAreAppliedToTheDeviceContext)
{
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(dc);
    auto brushColour = [](HBRUSH brush) {
        LOGBRUSH info = {};
        EXPECT_EQ(static_cast<int>(sizeof(info)), GetObjectW(brush, sizeof(info), &info));
        return info.lbColor;
    };
    QmCombo pageList;
    EXPECT_EQ(RGB(255, 255, 255), brushColour(pageList.ApplyColours(dc)));
    pageList.SetColours(RGB(0, 0, 255), RGB(255, 250, 250));
    HBRUSH own = pageList.ApplyColours(dc);
    EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
    EXPECT_EQ(RGB(255, 250, 250), GetBkColor(dc));
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    EXPECT_EQ(RGB(255, 250, 250), brushColour(own));
    EXPECT_EQ(own, pageList.ApplyColours(dc)) << "one brush, made once";
    DeleteDC(dc);
}

}  // namespace
