#include "tests/ui/UiFixture.h"

#include <commctrl.h>

TestWindow::TestWindow()
{
    SetClassName(L"ZentrakToolkitTest");
    SetTitle(L"toolkit test");
    SetStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN);
    SetPosition(40, 40);
    SetSize(640, 480);
    static const ATOM atom = RegisterOwnClass(Procedure, CS_DBLCLKS, nullptr, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                                              static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    (void)atom;
}

TestWindow::~TestWindow()
{
    // The procedure reaches this object: the window must go while the object is whole.
    Destroy();
}

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FromCreateParam(lParam)));
    TestWindow* self = static_cast<TestWindow*>(reinterpret_cast<QmWndBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    if (self) {
        switch (message) {
        case WM_CREATE:
            self->Attach(hwnd);
            return 0;
        case WM_NOTIFY:
            if (self->onNotify)
                self->onNotify(reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void UiTest::SetUp()
{
    ASSERT_TRUE(QmWndBase::InitCommonControlsFor(ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_STANDARD_CLASSES));
    ASSERT_TRUE(window_.Create(nullptr)) << GetLastError();
    Pump();
}

void CheckListTest::SetUp()
{
    UiTest::SetUp();
    ASSERT_TRUE(list_.CreateListview(Parent(), 2003, 10, 10, 300, 200, LVS_REPORT | LVS_SINGLESEL | WS_VISIBLE));
    list_.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    ASSERT_EQ(0, list_.InsertColumn(0, L"設定", 296));
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(i, list_.InsertItem(i, L"項目", 0));
}

void UiTest::Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
