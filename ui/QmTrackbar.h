// Track bars (TRACKBAR_CLASSW).
#pragma once

#include "ui/QmWndBase.h"

#include <commctrl.h>

class QmTrackbar : public QmWndBase {
public:
    QmTrackbar() { SetClassName(TRACKBAR_CLASSW); }

    // Creation as a child; `style` adds bits (WS_VISIBLE, TBS_AUTOTICKS, TBS_HORZ...).
    HWND CreateTrackbar(HWND parent, int id, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, L"", x, y, width, height, style);
    }

    // The whole 32-bit range: TBM_SETRANGE packs both ends into 16 bits each.
    virtual void SetRange(int minimum, int maximum, bool redraw = true)
    {
        Send(TBM_SETRANGEMIN, FALSE, minimum);
        Send(TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
    }
    virtual int GetRangeMin() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    virtual int GetRangeMax() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
    virtual void SetPos(int position, bool redraw = true) { Send(TBM_SETPOS, redraw ? TRUE : FALSE, position); }
    virtual int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }
    virtual void SetTicFreq(int frequency) { Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
    virtual void ClearTics(bool redraw) { Send(TBM_CLEARTICS, redraw ? TRUE : FALSE); }
    virtual int SetPageSize(int size) { return static_cast<int>(Send(TBM_SETPAGESIZE, 0, size)); }
    virtual int SetLineSize(int size) { return static_cast<int>(Send(TBM_SETLINESIZE, 0, size)); }
};
