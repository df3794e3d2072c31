// Records over the list-view and combo-box-ex structures. Each setter also sets the mask bit
// of its field, so a record carries exactly the fields that were given. A text is pointed
// to, not copied: it must outlive the message the record goes with.
#pragma once

#include <windows.h>

#include <commctrl.h>

// LVITEMW.
class QmSCLVItem {
public:
    QmSCLVItem() : item_() {}

    QmSCLVItem& SetIndex(int index) { item_.iItem = index; return *this; }
    QmSCLVItem& SetSubItem(int subItem) { item_.iSubItem = subItem; return *this; }
    QmSCLVItem& SetText(const wchar_t* text)
    {
        item_.mask |= LVIF_TEXT;
        item_.pszText = const_cast<wchar_t*>(text);  // only read by the messages that set items
        return *this;
    }
    QmSCLVItem& SetImage(int image) { item_.mask |= LVIF_IMAGE; item_.iImage = image; return *this; }
    QmSCLVItem& SetState(UINT state, UINT mask)
    {
        item_.mask |= LVIF_STATE;
        item_.state = state;
        item_.stateMask = mask;
        return *this;
    }
    QmSCLVItem& SetParam(LPARAM param) { item_.mask |= LVIF_PARAM; item_.lParam = param; return *this; }
    QmSCLVItem& SetIndent(int indent) { item_.mask |= LVIF_INDENT; item_.iIndent = indent; return *this; }
    void Clear() { item_ = LVITEMW(); }

    UINT Mask() const { return item_.mask; }
    int Index() const { return item_.iItem; }
    int SubItem() const { return item_.iSubItem; }
    const wchar_t* Text() const { return item_.pszText; }
    int Image() const { return item_.iImage; }
    UINT State() const { return item_.state; }
    LPARAM Param() const { return item_.lParam; }
    const LVITEMW* Get() const { return &item_; }

private:
    LVITEMW item_;
};

// LVCOLUMNW.
class QmSCLVColumn {
public:
    QmSCLVColumn() : column_() {}

    QmSCLVColumn& SetText(const wchar_t* text)
    {
        column_.mask |= LVCF_TEXT;
        column_.pszText = const_cast<wchar_t*>(text);  // only read by LVM_INSERTCOLUMNW / SETCOLUMNW
        return *this;
    }
    QmSCLVColumn& SetWidth(int width) { column_.mask |= LVCF_WIDTH; column_.cx = width; return *this; }
    // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER.
    QmSCLVColumn& SetFormat(int format) { column_.mask |= LVCF_FMT; column_.fmt = format; return *this; }
    QmSCLVColumn& SetSubItem(int subItem) { column_.mask |= LVCF_SUBITEM; column_.iSubItem = subItem; return *this; }
    void Clear() { column_ = LVCOLUMNW(); }

    UINT Mask() const { return column_.mask; }
    const wchar_t* Text() const { return column_.pszText; }
    int Width() const { return column_.cx; }
    int Format() const { return column_.fmt; }
    const LVCOLUMNW* Get() const { return &column_; }

private:
    LVCOLUMNW column_;
};

// COMBOBOXEXITEMW.
class QmSCComboBoxExItem {
public:
    QmSCComboBoxExItem() : item_() {}

    QmSCComboBoxExItem& SetIndex(int index) { item_.iItem = index; return *this; }
    QmSCComboBoxExItem& SetText(const wchar_t* text)
    {
        item_.mask |= CBEIF_TEXT;
        item_.pszText = const_cast<wchar_t*>(text);  // only read by CBEM_INSERTITEMW / SETITEMW
        return *this;
    }
    QmSCComboBoxExItem& SetImage(int image) { item_.mask |= CBEIF_IMAGE; item_.iImage = image; return *this; }
    QmSCComboBoxExItem& SetSelectedImage(int image)
    {
        item_.mask |= CBEIF_SELECTEDIMAGE;
        item_.iSelectedImage = image;
        return *this;
    }
    QmSCComboBoxExItem& SetOverlay(int image) { item_.mask |= CBEIF_OVERLAY; item_.iOverlay = image; return *this; }
    QmSCComboBoxExItem& SetIndent(int indent) { item_.mask |= CBEIF_INDENT; item_.iIndent = indent; return *this; }
    QmSCComboBoxExItem& SetParam(LPARAM param) { item_.mask |= CBEIF_LPARAM; item_.lParam = param; return *this; }
    void Clear() { item_ = COMBOBOXEXITEMW(); }

    UINT Mask() const { return item_.mask; }
    INT_PTR Index() const { return item_.iItem; }
    const wchar_t* Text() const { return item_.pszText; }
    int Image() const { return item_.iImage; }
    int SelectedImage() const { return item_.iSelectedImage; }
    const COMBOBOXEXITEMW* Get() const { return &item_; }

private:
    COMBOBOXEXITEMW item_;
};
