// Edit controls ("Edit" class). The text itself is read and set with the base's SetText and
// GetText.
#pragma once

#include "ui/QmWndBase.h"

class QmEdit : public QmWndBase {
public:
    QmEdit() { SetClassName(L"Edit"); }

    // Creation as a child; `style` adds bits (WS_VISIBLE, ES_MULTILINE, ES_AUTOHSCROLL...).
    HWND CreateEdit(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0,
                    DWORD exStyle = WS_EX_CLIENTEDGE)
    {
        return CreateChild(parent, id, text, x, y, width, height, style, exStyle);
    }

    virtual void SetLimitText(int characters) { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    virtual BOOL SetReadOnly(bool readOnly) { return static_cast<BOOL>(Send(EM_SETREADONLY, readOnly ? TRUE : FALSE)); }
    // Characters from `start` up to `end`; (0, -1) selects everything.
    virtual void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end)); }
    virtual void ReplaceSel(const wchar_t* text, bool canUndo)
    {
        Send(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text));
    }
    virtual int GetLineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
    virtual bool GetModify() const { return Send(EM_GETMODIFY) != 0; }
    virtual void SetModify(bool modified) { Send(EM_SETMODIFY, modified ? TRUE : FALSE); }
};
