// Push buttons, check boxes, radio buttons and group boxes ("Button" class).
#pragma once

#include "ui/QmWndBase.h"

class QmButton : public QmWndBase {
public:
    QmButton() { SetClassName(L"Button"); }

    // Creation as a child; `style` adds bits (WS_VISIBLE, WS_TABSTOP, BS_* alignment...).
    HWND CreatePushButton(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, text, x, y, width, height, BS_PUSHBUTTON | style);
    }
    HWND CreateCheckBox(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, text, x, y, width, height, BS_AUTOCHECKBOX | style);
    }
    HWND CreateRadioButton(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, text, x, y, width, height, BS_AUTORADIOBUTTON | style);
    }
    HWND CreateGroupBox(HWND parent, int id, const wchar_t* text, int x, int y, int width, int height, DWORD style = 0)
    {
        return CreateChild(parent, id, text, x, y, width, height, BS_GROUPBOX | style);
    }

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    virtual void SetCheck(int state) { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    virtual void SetChecked() { Send(BM_SETCHECK, BST_CHECKED); }
    virtual void SetUnchecked() { Send(BM_SETCHECK, BST_UNCHECKED); }
    virtual int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    // As if the user clicked: the parent receives BN_CLICKED.
    virtual void Click() { Send(BM_CLICK); }
    virtual UINT GetState() const { return static_cast<UINT>(Send(BM_GETSTATE)); }
    virtual void SetButtonStyle(DWORD style, bool redraw) { Send(BM_SETSTYLE, style, redraw ? TRUE : FALSE); }
    // IMAGE_ICON or IMAGE_BITMAP; the caller keeps owning the image. Returns the previous one.
    virtual HANDLE SetImage(UINT type, HANDLE image)
    {
        return reinterpret_cast<HANDLE>(Send(BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    }
};
