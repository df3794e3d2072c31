#include "ui/QmWndBase.h"

#include "ui/QmStyles.h"

#include <commctrl.h>

#include <vector>

QmWndBase::QmWndBase()
    : instance_(GetModuleHandleW(nullptr)), hwnd_(nullptr), style_(0), exStyle_(0), id_(0), x_(0), y_(0),
      width_(0), height_(0), brush_(nullptr), backgroundColour_(RGB(255, 255, 255)), textColour_(RGB(0, 0, 0)),
      ownColours_(false), transparentBackground_(false)
{
}

QmWndBase::~QmWndBase()
{
    Reset();
}

void QmWndBase::SetStyle(const QmWS& style)
{
    style_ = style.Get();
}

void QmWndBase::SetExStyle(const QmWSEx& style)
{
    exStyle_ = style.Get();
}

#ifdef ZENTRAK_WINDOW_THREAD_CHECK
namespace {
volatile LONG g_offThreadCalls = 0;
}  // namespace

long QmWndBase::OffThreadCalls()
{
    return g_offThreadCalls;
}

void QmWndBase::CheckThread() const
{
    // A window already destroyed has no owner left to compare with.
    const DWORD owner = hwnd_ ? GetWindowThreadProcessId(hwnd_, nullptr) : 0;
    if (owner && owner != GetCurrentThreadId())
        InterlockedIncrement(&g_offThreadCalls);
}
#endif

HWND QmWndBase::Create(HWND parent)
{
    if (hwnd_) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return nullptr;
    }
    // For a child the menu argument carries the control identifier.
    HMENU menuOrId = (style_ & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)) : nullptr;
    HWND created = CreateWindowExW(exStyle_, className_.CStr(), title_.CStr(), style_, x_, y_, width_, height_, parent,
                                   menuOrId, instance_, this);
    // A top-level window may have taken its handle already during WM_CREATE (Attach); when
    // creation failed after that, the handle is gone again.
    hwnd_ = created;
    return created;
}

HWND QmWndBase::CreateChild(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height,
                            DWORD style, DWORD exStyle)
{
    SetId(id);
    SetTitle(text);
    SetPosition(x, y);
    SetSize(width, height);
    SetStyle(style | WS_CHILD);
    SetExStyle(exStyle);
    return Create(parent);
}

BOOL QmWndBase::Destroy()
{
    CheckThread();
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    // A child dies with its parent without telling this object; its handle is then stale.
    return hwnd && IsWindow(hwnd) ? DestroyWindow(hwnd) : FALSE;
}

void QmWndBase::Reset()
{
    Destroy();
    if (brush_)
        DeleteObject(brush_);
    brush_ = nullptr;
}

QmWndBase* QmWndBase::FromCreateParam(LPARAM lParam)
{
    const CREATESTRUCTW* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    return create ? static_cast<QmWndBase*>(create->lpCreateParams) : nullptr;
}

BOOL QmWndBase::SetText(const wchar_t* text)
{
    CheckThread();
    SetTitle(text);
    return hwnd_ ? static_cast<BOOL>(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title_.CStr()))) : FALSE;
}

QmWString QmWndBase::GetText() const
{
    const int length = GetTextLength();
    if (length <= 0)
        return QmWString();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return QmWString(text.data(), static_cast<int>(copied));
}

int QmWndBase::GetTextLength() const
{
    return static_cast<int>(Send(WM_GETTEXTLENGTH));
}

LRESULT QmWndBase::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    CheckThread();
    return hwnd_ ? SendMessageW(hwnd_, message, wParam, lParam) : 0;
}

BOOL QmWndBase::Show(int command)
{
    CheckThread();
    return hwnd_ ? ShowWindow(hwnd_, command) : FALSE;
}

HWND QmWndBase::SetFocus()
{
    CheckThread();
    // SetFocus(NULL) would take the focus away from every window.
    return hwnd_ ? ::SetFocus(hwnd_) : nullptr;
}

void QmWndBase::KillFocus()
{
    Send(WM_KILLFOCUS);
}

RECT QmWndBase::GetClientRect() const
{
    CheckThread();
    RECT rect = {0, 0, 0, 0};
    if (hwnd_ && !::GetClientRect(hwnd_, &rect))
        SetRectEmpty(&rect);
    return rect;
}

RECT QmWndBase::GetWindowRect() const
{
    CheckThread();
    RECT rect = {0, 0, 0, 0};
    if (hwnd_ && !::GetWindowRect(hwnd_, &rect))
        SetRectEmpty(&rect);
    return rect;
}

SIZE QmWndBase::GetSize() const
{
    const RECT rect = GetWindowRect();
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

POINT QmWndBase::GetPositionInParent() const
{
    CheckThread();
    POINT corner = {0, 0};
    if (!hwnd_)
        return corner;
    const RECT rect = GetWindowRect();
    corner.x = rect.left;
    corner.y = rect.top;
    // GA_PARENT is the desktop for a top-level window: then these stay screen coordinates.
    MapWindowPoints(HWND_DESKTOP, GetAncestor(hwnd_, GA_PARENT), &corner, 1);
    return corner;
}

BOOL QmWndBase::Move(int x, int y, int width, int height, bool repaint)
{
    CheckThread();
    return hwnd_ ? MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE) : FALSE;
}

BOOL QmWndBase::MoveTo(int x, int y)
{
    return SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL QmWndBase::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    CheckThread();
    return hwnd_ ? ::SetWindowPos(hwnd_, insertAfter, x, y, width, height, flags) : FALSE;
}

void QmWndBase::SetDefaultFont()
{
    SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
}

void QmWndBase::SetFont(HFONT font, bool redraw)
{
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw ? TRUE : FALSE, 0));
}

BOOL QmWndBase::Invalidate(bool erase)
{
    CheckThread();
    // InvalidateRect(NULL, ...) would repaint every window on the screen.
    return hwnd_ ? InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE) : FALSE;
}

BOOL QmWndBase::Update()
{
    CheckThread();
    return hwnd_ ? UpdateWindow(hwnd_) : FALSE;
}

BOOL QmWndBase::InvalidateWithChildren()
{
    CheckThread();
    return hwnd_ ? RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN)
                 : FALSE;
}

void QmWndBase::Enable(bool enable)
{
    CheckThread();
    if (hwnd_)
        EnableWindow(hwnd_, enable ? TRUE : FALSE);
}

bool QmWndBase::IsEnabled() const
{
    CheckThread();
    return hwnd_ && IsWindowEnabled(hwnd_);
}

bool QmWndBase::IsVisible() const
{
    CheckThread();
    return hwnd_ && IsWindowVisible(hwnd_);
}

BOOL QmWndBase::BringToTop()
{
    CheckThread();
    return hwnd_ ? BringWindowToTop(hwnd_) : FALSE;
}

HWND QmWndBase::SetParent(HWND parent)
{
    CheckThread();
    return hwnd_ ? ::SetParent(hwnd_, parent) : nullptr;
}

HWND QmWndBase::GetParent() const
{
    CheckThread();
    return hwnd_ ? ::GetParent(hwnd_) : nullptr;
}

LONG_PTR QmWndBase::GetLongPtr(int index) const
{
    CheckThread();
    return hwnd_ ? GetWindowLongPtrW(hwnd_, index) : 0;
}

LONG_PTR QmWndBase::SetLongPtr(int index, LONG_PTR value)
{
    CheckThread();
    return hwnd_ ? SetWindowLongPtrW(hwnd_, index, value) : 0;
}

bool QmWndBase::IsZoomed() const
{
    CheckThread();
    return hwnd_ && ::IsZoomed(hwnd_);
}

bool QmWndBase::IsIconic() const
{
    CheckThread();
    return hwnd_ && ::IsIconic(hwnd_);
}

void QmWndBase::SetColours(COLORREF text, COLORREF background, bool transparentBackground)
{
    textColour_ = text;
    transparentBackground_ = transparentBackground;
    ownColours_ = true;
    if (background != backgroundColour_ && brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    backgroundColour_ = background;
}

HBRUSH QmWndBase::BackgroundBrush()
{
    if (!brush_)
        brush_ = CreateSolidBrush(backgroundColour_);
    return brush_;
}

HBRUSH QmWndBase::ApplyColours(HDC dc)
{
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backgroundColour_);
    SetBkMode(dc, transparentBackground_ ? TRANSPARENT : OPAQUE);
    return BackgroundBrush();
}

BOOL QmWndBase::FillClient(HDC dc)
{
    const RECT client = GetClientRect();
    HBRUSH brush = BackgroundBrush();
    return hwnd_ && brush ? FillRect(dc, &client, brush) != 0 : FALSE;
}

SIZE QmWndBase::FullScreenSize()
{
    const SIZE size = {GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
    return size;
}

BOOL QmWndBase::CenterOnScreen(int down)
{
    const SIZE screen = FullScreenSize();
    const SIZE size = GetSize();
    return MoveTo((screen.cx - size.cx) / 2, (screen.cy - size.cy) / 2 + down);
}

BOOL QmWndBase::InitCommonControlsFor(DWORD classes)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), classes};
    return InitCommonControlsEx(&init);
}

int QmWndBase::LoadText(UINT id, wchar_t* buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    return LoadStringW(instance_, id, buffer, size);
}

ATOM QmWndBase::RegisterOwnClass(WNDPROC procedure, UINT classStyle, HICON icon, HICON smallIcon, HCURSOR cursor,
                                 HBRUSH background)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className_.CStr();
    return RegisterClassExW(&windowClass);
}
