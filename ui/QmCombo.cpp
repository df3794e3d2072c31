#include "ui/QmCombo.h"

#include <vector>

HWND QmCombo::CreateComboBox(HWND parent, int id, int x, int y, int width, int dropHeight, DWORD style)
{
    SetClassName(L"COMBOBOX");
    return CreateChild(parent, id, L"", x, y, width, dropHeight, style);
}

HWND QmCombo::CreateComboBoxEx(HWND parent, int id, int x, int y, int width, int dropHeight, DWORD style)
{
    SetClassName(WC_COMBOBOXEXW);
    return CreateChild(parent, id, L"", x, y, width, dropHeight, style);
}

QmWString QmCombo::GetItemText(int index) const
{
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0)
        return QmWString();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return copied > 0 ? QmWString(text.data(), static_cast<int>(copied)) : QmWString();
}

BOOL QmCombo::Move(int x, int y, int width, int height, bool repaint)
{
    const BOOL moved = QmWndBase::Move(x, y, width, height, repaint);
    return moved && IsEx() ? SetInnerDropHeight(height) : moved;
}

BOOL QmCombo::SetDropHeight(int height)
{
    const SIZE size = GetSize();
    const BOOL sized = SetWindowPos(nullptr, 0, 0, size.cx, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return sized && IsEx() ? SetInnerDropHeight(height) : sized;
}

bool QmCombo::IsEx() const
{
    return lstrcmpiW(ClassName(), WC_COMBOBOXEXW) == 0;
}

// A combo-box-ex does not always hand a new height on to its own combo box (Wine's keeps
// the drop height it was created with), so the combo box is given it directly.
BOOL QmCombo::SetInnerDropHeight(int height)
{
    HWND inner = reinterpret_cast<HWND>(Send(CBEM_GETCOMBOCONTROL));
    RECT rect = {0, 0, 0, 0};
    if (!inner || !::GetWindowRect(inner, &rect))
        return FALSE;
    return ::SetWindowPos(inner, nullptr, 0, 0, rect.right - rect.left, height,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT QmCombo::GetDroppedControlRect() const
{
    RECT rect = {0, 0, 0, 0};
    Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int QmCombo::InsertExItem(int index, const wchar_t* text, int image, int selectedImage)
{
    QmSCComboBoxExItem item;
    item.SetIndex(index).SetText(text).SetImage(image).SetSelectedImage(selectedImage);
    return InsertExItem(item);
}

bool QmCombo::GetExItem(int index, QmWString* text, int* image, int* selectedImage) const
{
    wchar_t buffer[1024] = {};
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = index;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof(buffer) / sizeof(buffer[0]));
    if (!Send(CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return false;
    if (text)
        *text = QmWString(item.pszText ? item.pszText : L"");
    if (image)
        *image = item.iImage;
    if (selectedImage)
        *selectedImage = item.iSelectedImage;
    return true;
}
