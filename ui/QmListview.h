// List views ("SysListView32"), as the program uses them: check lists whose items carry the
// state images 1 (unchecked) and 2 (checked) of LVS_EX_CHECKBOXES.
//
// Image lists attached to a list view stay owned by their QmImageList2 (the same lists serve
// several controls), so every list view is created with LVS_SHAREIMAGELISTS and never
// destroys them.
#pragma once

#include "ui/QmSCRecords.h"
#include "ui/QmWndBase.h"

#include <commctrl.h>

class QmListview : public QmWndBase {
public:
    QmListview() { SetClassName(WC_LISTVIEWW); }

    // Creation as a child; `style` holds the LVS_* and further WS_* bits.
    HWND CreateListview(HWND parent, int id, int x, int y, int width, int height, DWORD style,
                        DWORD exStyle = WS_EX_CLIENTEDGE)
    {
        return CreateChild(parent, id, L"", x, y, width, height, style, exStyle);
    }
    HWND Create(HWND parent) override;

    // LVS_EX_* bits of `mask` set to `bits` (mask 0: all bits); the previous bits.
    virtual DWORD SetExtendedStyle(DWORD mask, DWORD bits)
    {
        return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, bits));
    }
    virtual DWORD GetExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // LVSIL_NORMAL (large pictures) or LVSIL_SMALL; the previous list.
    virtual HIMAGELIST SetImageList(HIMAGELIST list, int which)
    {
        return reinterpret_cast<HIMAGELIST>(Send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list)));
    }
    virtual HIMAGELIST GetImageList(int which) const
    {
        return reinterpret_cast<HIMAGELIST>(Send(LVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }

    // Columns. The index of the new column, or -1.
    virtual int InsertColumn(int index, const wchar_t* text, int width, int format = LVCFMT_LEFT);
    virtual int InsertColumn(int index, const QmSCLVColumn& column)
    {
        return static_cast<int>(SendOr(-1, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(column.Get())));
    }
    virtual BOOL SetColumnWidth(int column, int width)
    {
        return static_cast<BOOL>(Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
    }
    virtual int GetColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column))); }

    // Items. The index of the new item, or -1.
    virtual int InsertItem(int index, const wchar_t* text, int image);
    virtual int InsertItem(const QmSCLVItem& item)
    {
        return static_cast<int>(SendOr(-1, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(item.Get())));
    }
    virtual BOOL SetItem(const QmSCLVItem& item)
    {
        return static_cast<BOOL>(Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(item.Get())));
    }
    virtual BOOL SetItemText(int index, int subItem, const wchar_t* text);
    // Empty for an item that does not exist.
    virtual QmWString GetItemText(int index, int subItem = 0) const;
    virtual BOOL DeleteItem(int index) { return static_cast<BOOL>(Send(LVM_DELETEITEM, static_cast<WPARAM>(index))); }
    virtual BOOL DeleteAllItems() { return static_cast<BOOL>(Send(LVM_DELETEALLITEMS)); }
    virtual int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

    // Item states (LVIS_*): the bits of `mask` set to `state`.
    virtual BOOL SetItemState(int index, UINT state, UINT mask);
    virtual UINT GetItemState(int index, UINT mask) const
    {
        return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
    }
    // The next item after `start` (-1: from the first) with the LVNI_* flags, or -1.
    virtual int GetNextItem(int start, UINT flags) const
    {
        return static_cast<int>(SendOr(-1, LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }

    // Check boxes: state image 2 is checked, 1 unchecked.
    virtual void CheckItem(int index) { SetItemState(index, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK); }
    virtual void UncheckItem(int index) { SetItemState(index, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK); }
    // 1 checked, 0 unchecked, -1 when the item has no check box (no state image, or no item).
    virtual int GetItemCheck(int index) const
    {
        return static_cast<int>(GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1;
    }

    // A click (NM_CLICK, when `toggleOnDoubleClick` is false) or a double-click (NM_DBLCLK,
    // when it is true) from this list view toggles the check box of the focused item. Other
    // notifications, and items without a check box, are left alone. Returns the focused
    // item's index, or -1 when the notification was not handled or no item has the focus.
    virtual int HandleNotify(const NMHDR* header, bool toggleOnDoubleClick);

    // The height of one row: the height of the first item's bounds; 0 when there is none.
    virtual int GetRowHeight() const;
    virtual BOOL RedrawItems(int first, int last)
    {
        return static_cast<BOOL>(Send(LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last)));
    }
    virtual BOOL UpdateItem(int index) { return static_cast<BOOL>(Send(LVM_UPDATE, static_cast<WPARAM>(index))); }
    virtual BOOL EnsureVisible(int index, bool partialOk)
    {
        return static_cast<BOOL>(Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOk ? TRUE : FALSE));
    }

    // The list view's own colours.
    virtual BOOL SetTextColor(COLORREF colour) { return static_cast<BOOL>(Send(LVM_SETTEXTCOLOR, 0, colour)); }
    virtual BOOL SetTextBkColor(COLORREF colour) { return static_cast<BOOL>(Send(LVM_SETTEXTBKCOLOR, 0, colour)); }
    virtual BOOL SetBkColor(COLORREF colour) { return static_cast<BOOL>(Send(LVM_SETBKCOLOR, 0, colour)); }
};
