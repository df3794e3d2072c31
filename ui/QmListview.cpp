#include "ui/QmListview.h"

#include <vector>

HWND QmListview::Create(HWND parent)
{
    AddStyle(LVS_SHAREIMAGELISTS);
    return QmWndBase::Create(parent);
}

int QmListview::InsertColumn(int index, const wchar_t* text, int width, int format)
{
    QmSCLVColumn column;
    column.SetText(text).SetWidth(width).SetFormat(format).SetSubItem(index);
    return InsertColumn(index, column);
}

int QmListview::InsertItem(int index, const wchar_t* text, int image)
{
    QmSCLVItem item;
    item.SetIndex(index).SetText(text).SetImage(image);
    return InsertItem(item);
}

BOOL QmListview::SetItemText(int index, int subItem, const wchar_t* text)
{
    QmSCLVItem item;
    item.SetSubItem(subItem).SetText(text);
    return static_cast<BOOL>(Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.Get())));
}

QmWString QmListview::GetItemText(int index, int subItem) const
{
    // The message answers the length it copied; a full buffer may mean a longer text.
    for (size_t size = 256; size <= 65536; size *= 4) {
        std::vector<wchar_t> text(size, L'\0');
        LVITEMW item = {};
        item.iSubItem = subItem;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(size) - 1)
            return QmWString(text.data(), static_cast<int>(length));
    }
    return QmWString();
}

BOOL QmListview::SetItemState(int index, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

int QmListview::HandleNotify(const NMHDR* header, bool toggleOnDoubleClick)
{
    if (!header || !Handle() || header->hwndFrom != Handle())
        return -1;
    const UINT toggleCode = toggleOnDoubleClick ? static_cast<UINT>(NM_DBLCLK) : static_cast<UINT>(NM_CLICK);
    if (header->code != toggleCode)
        return -1;
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused < 0)
        return -1;
    switch (GetItemCheck(focused)) {
    case 0: CheckItem(focused); break;
    case 1: UncheckItem(focused); break;
    default: break;  // no check box: giving it one would make the item count as unchecked
    }
    return focused;
}

int QmListview::GetRowHeight() const
{
    RECT bounds = {};
    bounds.left = LVIR_BOUNDS;
    if (!Send(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds)))
        return 0;
    return bounds.bottom - bounds.top;
}
