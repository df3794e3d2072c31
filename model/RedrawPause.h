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
