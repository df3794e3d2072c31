// Combo boxes: plain ("COMBOBOX") and combo-box-ex controls with pictures ("ComboBoxEx32").
// One class for both; which one an object is follows from how it was created. The CB_*
// operations work on both kinds; the Ex operations only on a combo-box-ex, whose items are
// added with InsertExItem (a combo-box-ex ignores AddString).
//
// The height given at creation, to Move or to SetDropHeight is the height of the box with
// its drop-down list open, for both kinds. Park a combo box with MoveTo, which keeps that
// height; Move with the present (closed) height would leave no room for the list.
#pragma once

#include "ui/QmSCRecords.h"
#include "ui/QmWndBase.h"

#include <commctrl.h>

class QmCombo : public QmWndBase {
public:
    // The usual choice list: the user picks one of the items and cannot type.
    static constexpr DWORD kDefaultStyle = WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST;

    QmCombo() { SetClassName(L"COMBOBOX"); }

    // Creation as a child; `style` holds the CBS_* and further WS_* bits.
    HWND CreateComboBox(HWND parent, int id, int x, int y, int width, int dropHeight, DWORD style = kDefaultStyle);
    HWND CreateComboBoxEx(HWND parent, int id, int x, int y, int width, int dropHeight, DWORD style = kDefaultStyle);

    // The index of the new item, or CB_ERR / CB_ERRSPACE.
    virtual int AddString(const wchar_t* text) { return static_cast<int>(SendOr(-1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    virtual int InsertString(int index, const wchar_t* text)
    {
        return static_cast<int>(SendOr(-1, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    virtual int DeleteString(int index) { return static_cast<int>(Send(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    virtual void ResetContent() { Send(CB_RESETCONTENT); }
    virtual int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // -1 clears the selection (and the text shown).
    virtual int SetCurSel(int index) { return static_cast<int>(SendOr(-1, CB_SETCURSEL, static_cast<WPARAM>(index))); }
    virtual int GetCurSel() const { return static_cast<int>(SendOr(-1, CB_GETCURSEL)); }
    virtual int FindStringExact(int startAfter, const wchar_t* text) const
    {
        return static_cast<int>(SendOr(-1, CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(text)));
    }
    virtual int SetItemData(int index, LPARAM data)
    {
        return static_cast<int>(Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data));
    }
    virtual LPARAM GetItemData(int index) const { return static_cast<LPARAM>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
    // A plain combo box's item text; empty for an index that does not exist.
    virtual QmWString GetItemText(int index) const;

    // Moves and sizes the box; `height` is its height with the list open.
    BOOL Move(int x, int y, int width, int height, bool repaint = true) override;
    virtual BOOL SetDropHeight(int height);
    virtual int SetDroppedWidth(int width) { return static_cast<int>(Send(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width))); }
    virtual void ShowDropDown(bool show) { Send(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
    virtual bool GetDroppedState() const { return Send(CB_GETDROPPEDSTATE) != 0; }
    // The open drop-down list's rectangle in screen coordinates.
    virtual RECT GetDroppedControlRect() const;

    // Combo-box-ex items: text with a picture of the image list, another picture while the
    // item is selected. The index of the new item, or -1.
    virtual int InsertExItem(int index, const wchar_t* text, int image, int selectedImage);
    virtual int InsertExItem(const QmSCComboBoxExItem& item)
    {
        return static_cast<int>(SendOr(-1, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(item.Get())));
    }
    // Reads an item back; false when it does not exist. Any output may be null.
    virtual bool GetExItem(int index, QmWString* text, int* image, int* selectedImage) const;
    virtual int DeleteExItem(int index) { return static_cast<int>(Send(CBEM_DELETEITEM, static_cast<WPARAM>(index))); }
    // The combo keeps using the list; the caller keeps owning it. Returns the previous one.
    virtual HIMAGELIST SetImageList(HIMAGELIST list)
    {
        return reinterpret_cast<HIMAGELIST>(Send(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)));
    }
    // CBES_EX_* bits of `mask` set to `bits` (mask 0: all bits); the previous bits.
    virtual DWORD SetExtendedStyle(DWORD mask, DWORD bits)
    {
        return static_cast<DWORD>(Send(CBEM_SETEXTENDEDSTYLE, mask, bits));
    }

private:
    bool IsEx() const;
    BOOL SetInnerDropHeight(int height);
};
