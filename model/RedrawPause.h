// Holds a control's drawing off while a page fills it, as CheckListRefill does for check
// lists: under Wine every item that goes into a combo box on screen redraws it at once, which
// makes filling the long choice lists slower than the rest of a page switch. Drawing resumes,
// with the whole control repainted, when the pause ends.
#pragma once

#include "ui/QmWndBase.h"

class RedrawPause {
public:
    explicit RedrawPause(QmWndBase& control) : control_(control) { control_.Send(WM_SETREDRAW, FALSE); }
    ~RedrawPause()
    {
        control_.Send(WM_SETREDRAW, TRUE);
        control_.Invalidate(true);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    QmWndBase& control_;
};

// Holds the drawing of a window and all its children off while a page's texts change and its
// controls move, then repaints everything once: a child moved on screen otherwise recomputes
// and repaints what it uncovers, once for every move. Only a window on screen is held:
// WM_SETREDRAW works through the visible style, so resuming a hidden window would mark it
// visible. A pause inside another finds the window held already and does nothing.
class WindowRedrawPause {
public:
    explicit WindowRedrawPause(QmWndBase& window) : window_(window), held_(window.IsVisible())
    {
        if (held_)
            window_.Send(WM_SETREDRAW, FALSE);
    }
    ~WindowRedrawPause()
    {
        if (!held_)
            return;
        window_.Send(WM_SETREDRAW, TRUE);
        window_.InvalidateWithChildren();
    }
    WindowRedrawPause(const WindowRedrawPause&) = delete;
    WindowRedrawPause& operator=(const WindowRedrawPause&) = delete;

private:
    QmWndBase& window_;
    const bool held_;
};
