// The base of every window of the program: the main window and each control class.
//
// The object keeps the creation values of one window (class name, title, styles, identifier,
// position, size), creates it with CreateWindowExW passing itself as the creation parameter,
// and wraps the everyday window calls. It owns its window (destroyed with the object) and its
// background brush. An object whose window was never created, or has been destroyed, makes
// every operation a harmless no-op that answers 0, an empty text or an empty rectangle.
//
// Colours for the WM_CTLCOLOR* answers: a control that wants its own colours is given them
// with SetColours; the parent's handler then answers ApplyColours(dc).
#pragma once

#include "platform/QmString.h"

#include <windows.h>

class QmWS;
class QmWSEx;

class QmWndBase {
public:
    QmWndBase();
    virtual ~QmWndBase();
    QmWndBase(const QmWndBase&) = delete;
    QmWndBase& operator=(const QmWndBase&) = delete;

    // Creation values.
    virtual void SetInstance(HINSTANCE instance) { instance_ = instance; }
    HINSTANCE Instance() const { return instance_; }
    virtual void SetId(int id) { id_ = id; }
    int Id() const { return id_; }
    virtual void SetClassName(const wchar_t* name) { className_ = QmWString(name); }
    virtual void SetClassName(const char* name) { className_ = QmWString(name); }  // ANSI code page
    const wchar_t* ClassName() const { return className_.CStr(); }
    // The title used at creation; SetText also changes the window's text.
    virtual void SetTitle(const wchar_t* title) { title_ = QmWString(title); }
    const wchar_t* Title() const { return title_.CStr(); }
    virtual void SetStyle(DWORD style) { style_ = style; }
    virtual void SetStyle(const QmWS& style);
    virtual void AddStyle(DWORD bits) { style_ |= bits; }
    DWORD Style() const { return style_; }
    virtual void SetExStyle(DWORD style) { exStyle_ = style; }
    virtual void SetExStyle(const QmWSEx& style);
    virtual void AddExStyle(DWORD bits) { exStyle_ |= bits; }
    DWORD ExStyle() const { return exStyle_; }
    virtual void SetPosition(int x, int y) { x_ = x, y_ = y; }
    virtual void SetSize(int width, int height) { width_ = width, height_ = height; }
    int StoredX() const { return x_; }
    int StoredY() const { return y_; }
    int StoredWidth() const { return width_; }
    int StoredHeight() const { return height_; }

    // Creates the window from the creation values as a child or owned window of `parent`
    // (null for a top-level window) and keeps its handle; null on failure (GetLastError
    // tells why). An object holds one window: while it has one, Create fails with
    // ERROR_ALREADY_EXISTS.
    virtual HWND Create(HWND parent);
    // Sets the creation values of a child control (WS_CHILD is added to `style`) and
    // creates it.
    virtual HWND CreateChild(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height,
                             DWORD style, DWORD exStyle = 0);
    HWND Handle() const { return hwnd_; }
    bool IsCreated() const { return hwnd_ != nullptr; }
    // Takes a handle created elsewhere, for example the one WM_CREATE brings before
    // CreateWindowExW has returned.
    virtual void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // DestroyWindow and forget the handle; safe to call again.
    virtual BOOL Destroy();
    // Destroys the window and the brush and clears the handles.
    virtual void Reset();
    // The object that created a window, from WM_NCCREATE's or WM_CREATE's lParam.
    static QmWndBase* FromCreateParam(LPARAM lParam);

    // Texts. SetText also becomes the stored title.
    virtual BOOL SetText(const wchar_t* text);
    virtual QmWString GetText() const;
    virtual int GetTextLength() const;

    // Everyday window calls.
    virtual LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    virtual BOOL Show(int command);
    BOOL Show() { return Show(SW_SHOW); }
    BOOL Hide() { return Show(SW_HIDE); }
    virtual HWND SetFocus();
    // Sends WM_KILLFOCUS, telling the window it lost the focus (the focus itself stays).
    virtual void KillFocus();
    virtual RECT GetClientRect() const;
    virtual RECT GetWindowRect() const;
    // The present outer size.
    virtual SIZE GetSize() const;
    // The present top-left corner in the parent's client coordinates (screen coordinates for
    // a top-level window).
    virtual POINT GetPositionInParent() const;
    virtual BOOL Move(int x, int y, int width, int height, bool repaint = true);
    // Moves without resizing: the size stays exactly what it is (for a combo box that
    // includes the height of its drop-down list). Repaints.
    virtual BOOL MoveTo(int x, int y);
    virtual BOOL MoveToStored() { return Move(x_, y_, width_, height_, true); }
    virtual BOOL SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    // The stock DEFAULT_GUI_FONT, without redrawing.
    virtual void SetDefaultFont();
    virtual void SetFont(HFONT font, bool redraw);
    virtual BOOL Invalidate(bool erase = true);
    virtual BOOL Update();
    // Invalidates the window, its frame and all its children, erasing backgrounds.
    virtual BOOL InvalidateWithChildren();
    virtual void Enable(bool enable = true);
    void Disable() { Enable(false); }
    virtual bool IsEnabled() const;
    virtual bool IsVisible() const;
    virtual BOOL BringToTop();
    virtual HWND SetParent(HWND parent);
    virtual HWND GetParent() const;
    virtual LONG_PTR GetLongPtr(int index) const;
    virtual LONG_PTR SetLongPtr(int index, LONG_PTR value);
    virtual bool IsZoomed() const;
    virtual bool IsIconic() const;

    // Own colours: text colour and a background drawn with a brush this object owns.
    virtual void SetColours(COLORREF text, COLORREF background, bool transparentBackground = false);
    bool HasOwnColours() const { return ownColours_; }
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackgroundColour() const { return backgroundColour_; }
    // The brush of the background colour, made on first use; null if it cannot be made.
    virtual HBRUSH BackgroundBrush();
    // Sets the text colour, background colour and mode on `dc` and returns the brush: the
    // answer to WM_CTLCOLOR* for this control.
    virtual HBRUSH ApplyColours(HDC dc);
    // Fills the client area with the background brush (WM_ERASEBKGND).
    virtual BOOL FillClient(HDC dc);

    // Miscellaneous.
    // The size of the screen's work area (SM_CXFULLSCREEN, SM_CYFULLSCREEN).
    static SIZE FullScreenSize();
    // Centres the window in the work area keeping its size, then moves it `down` pixels.
    virtual BOOL CenterOnScreen(int down = 0);
    // InitCommonControlsEx with the ICC_* classes given.
    static BOOL InitCommonControlsFor(DWORD classes);
    // LoadStringW from the stored instance; the length copied (0 when missing).
    virtual int LoadText(UINT id, wchar_t* buffer, int size) const;
    static HWND FocusWindow() { return ::GetFocus(); }

#ifdef ZENTRAK_WINDOW_THREAD_CHECK
    // How many operations ran on a window from another thread than the one that owns it. The
    // test build counts them; a window and its wrapper belong to the window's thread alone.
    static long OffThreadCalls();
#endif

protected:
    // SendMessageW, or `whenMissing` without a window: operations that answer an index use
    // -1, so a control that does not exist never seems to have item 0 selected.
    LRESULT SendOr(LRESULT whenMissing, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        CheckThread();
        return hwnd_ ? SendMessageW(hwnd_, message, wParam, lParam) : whenMissing;
    }
#ifdef ZENTRAK_WINDOW_THREAD_CHECK
    void CheckThread() const;
#else
    void CheckThread() const {}
#endif
    // Registers the stored class name with the stored instance, for a top-level window that
    // brings its own window procedure. A zero atom is failure.
    ATOM RegisterOwnClass(WNDPROC procedure, UINT classStyle, HICON icon, HICON smallIcon, HCURSOR cursor,
                          HBRUSH background);

private:
    HINSTANCE instance_;
    HWND hwnd_;
    QmWString className_;
    QmWString title_;
    DWORD style_;
    DWORD exStyle_;
    int id_;
    int x_;
    int y_;
    int width_;
    int height_;
    HBRUSH brush_;
    COLORREF backgroundColour_;
    COLORREF textColour_;
    bool ownColours_;
    bool transparentBackground_;
};
