// List boxes ("LISTBOX" class).
#pragma once

#include "ui/QmWndBase.h"

class QmListbox : public QmWndBase {
public:
    QmListbox() { SetClassName(L"LISTBOX"); }

    // Creation as a child; `style` adds bits (WS_VISIBLE, LBS_NOTIFY, WS_VSCROLL...).
    HWND CreateListbox(HWND parent, int id, int x, int y, int width, int height, DWORD style = 0,
                       DWORD exStyle = WS_EX_CLIENTEDGE)
    {
        return CreateChild(parent, id, L"", x, y, width, height, style, exStyle);
    }

    // The index of the new item, or LB_ERR / LB_ERRSPACE.
    virtual int AddString(const wchar_t* text) { return static_cast<int>(SendOr(-1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    virtual int InsertString(int index, const wchar_t* text)
    {
        return static_cast<int>(SendOr(-1, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    virtual int DeleteString(int index) { return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    virtual void ResetContent() { Send(LB_RESETCONTENT); }
    virtual int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    // -1 clears the selection.
    virtual int SetCurSel(int index) { return static_cast<int>(SendOr(-1, LB_SETCURSEL, static_cast<WPARAM>(index))); }
    virtual int GetCurSel() const { return static_cast<int>(SendOr(-1, LB_GETCURSEL)); }
    // The item's text; empty for an index that does not exist.
    virtual QmWString GetItemText(int index) const;
};
