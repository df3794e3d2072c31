// Style bit holders from which windows and controls take their creation values: window
// styles (QmWS and one class per control), extended styles (QmWSEx), class styles (QmCS),
// and the flag sets of list views and combo-box-ex controls. Each setter ORs one bit and
// returns the holder, so a style reads as one line:
//     QmLVWS style;  style.Report().NoColumnHeader().ShareImageLists().Child().Visible();
// (control setters first: the common window setters return the base holder).
#pragma once

#include <windows.h>

#include <commctrl.h>

class QmStyleBits {
public:
    virtual ~QmStyleBits() = default;

    virtual DWORD Get() const { return bits_; }
    virtual void Add(DWORD bits) { bits_ |= bits; }
    virtual void Clear() { bits_ = 0; }
    // Clears `bits` only when every one of them is set. Returns the bits of `bits` that were
    // set before the call, so the result equals `bits` exactly when they were removed.
    virtual DWORD Remove(DWORD bits)
    {
        const DWORD found = bits_ & bits;
        if (found == bits)
            bits_ &= ~bits;
        return found;
    }

private:
    DWORD bits_ = 0;
};

// Window styles (WS_*).
class QmWS : public QmStyleBits {
public:
    QmWS& Border() { Add(WS_BORDER); return *this; }
    QmWS& Caption() { Add(WS_CAPTION); return *this; }
    QmWS& Child() { Add(WS_CHILD); return *this; }
    QmWS& ClipChildren() { Add(WS_CLIPCHILDREN); return *this; }
    QmWS& ClipSiblings() { Add(WS_CLIPSIBLINGS); return *this; }
    QmWS& Disabled() { Add(WS_DISABLED); return *this; }
    QmWS& DlgFrame() { Add(WS_DLGFRAME); return *this; }
    QmWS& Group() { Add(WS_GROUP); return *this; }
    QmWS& HScroll() { Add(WS_HSCROLL); return *this; }
    QmWS& VScroll() { Add(WS_VSCROLL); return *this; }
    QmWS& Maximize() { Add(WS_MAXIMIZE); return *this; }
    QmWS& MaximizeBox() { Add(WS_MAXIMIZEBOX); return *this; }
    QmWS& Minimize() { Add(WS_MINIMIZE); return *this; }
    QmWS& MinimizeBox() { Add(WS_MINIMIZEBOX); return *this; }
    QmWS& Overlapped() { Add(WS_OVERLAPPED); return *this; }
    QmWS& OverlappedWindow() { Add(WS_OVERLAPPEDWINDOW); return *this; }
    QmWS& Popup() { Add(WS_POPUP); return *this; }
    QmWS& PopupWindow() { Add(WS_POPUPWINDOW); return *this; }
    QmWS& SysMenu() { Add(WS_SYSMENU); return *this; }
    QmWS& TabStop() { Add(WS_TABSTOP); return *this; }
    QmWS& ThickFrame() { Add(WS_THICKFRAME); return *this; }
    QmWS& Visible() { Add(WS_VISIBLE); return *this; }
};

// Extended window styles (WS_EX_*).
class QmWSEx : public QmStyleBits {
public:
    QmWSEx& AcceptFiles() { Add(WS_EX_ACCEPTFILES); return *this; }
    QmWSEx& AppWindow() { Add(WS_EX_APPWINDOW); return *this; }
    QmWSEx& ClientEdge() { Add(WS_EX_CLIENTEDGE); return *this; }
    QmWSEx& Composited() { Add(WS_EX_COMPOSITED); return *this; }
    QmWSEx& ControlParent() { Add(WS_EX_CONTROLPARENT); return *this; }
    QmWSEx& DlgModalFrame() { Add(WS_EX_DLGMODALFRAME); return *this; }
    QmWSEx& Layered() { Add(WS_EX_LAYERED); return *this; }
    QmWSEx& NoParentNotify() { Add(WS_EX_NOPARENTNOTIFY); return *this; }
    QmWSEx& StaticEdge() { Add(WS_EX_STATICEDGE); return *this; }
    QmWSEx& ToolWindow() { Add(WS_EX_TOOLWINDOW); return *this; }
    QmWSEx& TopMost() { Add(WS_EX_TOPMOST); return *this; }
    QmWSEx& Transparent() { Add(WS_EX_TRANSPARENT); return *this; }
    QmWSEx& WindowEdge() { Add(WS_EX_WINDOWEDGE); return *this; }
};

// Window-class styles (CS_*).
class QmCS : public QmStyleBits {
public:
    QmCS& ByteAlignClient() { Add(CS_BYTEALIGNCLIENT); return *this; }
    QmCS& ClassDC() { Add(CS_CLASSDC); return *this; }
    QmCS& DblClks() { Add(CS_DBLCLKS); return *this; }
    QmCS& DropShadow() { Add(CS_DROPSHADOW); return *this; }
    QmCS& GlobalClass() { Add(CS_GLOBALCLASS); return *this; }
    QmCS& HRedraw() { Add(CS_HREDRAW); return *this; }
    QmCS& NoClose() { Add(CS_NOCLOSE); return *this; }
    QmCS& OwnDC() { Add(CS_OWNDC); return *this; }
    QmCS& ParentDC() { Add(CS_PARENTDC); return *this; }
    QmCS& SaveBits() { Add(CS_SAVEBITS); return *this; }
    QmCS& VRedraw() { Add(CS_VREDRAW); return *this; }
};

// Button styles (BS_*). The kind of button is one of the first six.
class QmButtonWS : public QmWS {
public:
    QmButtonWS& PushButton() { Add(BS_PUSHBUTTON); return *this; }
    QmButtonWS& DefPushButton() { Add(BS_DEFPUSHBUTTON); return *this; }
    QmButtonWS& AutoCheckBox() { Add(BS_AUTOCHECKBOX); return *this; }
    QmButtonWS& CheckBox() { Add(BS_CHECKBOX); return *this; }
    QmButtonWS& AutoRadioButton() { Add(BS_AUTORADIOBUTTON); return *this; }
    QmButtonWS& RadioButton() { Add(BS_RADIOBUTTON); return *this; }
    QmButtonWS& Auto3State() { Add(BS_AUTO3STATE); return *this; }
    QmButtonWS& GroupBox() { Add(BS_GROUPBOX); return *this; }
    QmButtonWS& LeftText() { Add(BS_LEFTTEXT); return *this; }
    QmButtonWS& TextLeft() { Add(BS_LEFT); return *this; }
    QmButtonWS& TextRight() { Add(BS_RIGHT); return *this; }
    QmButtonWS& TextCenter() { Add(BS_CENTER); return *this; }
    QmButtonWS& TextTop() { Add(BS_TOP); return *this; }
    QmButtonWS& TextBottom() { Add(BS_BOTTOM); return *this; }
    QmButtonWS& TextVCenter() { Add(BS_VCENTER); return *this; }
    QmButtonWS& MultiLine() { Add(BS_MULTILINE); return *this; }
    QmButtonWS& Flat() { Add(BS_FLAT); return *this; }
    QmButtonWS& Notify() { Add(BS_NOTIFY); return *this; }
    QmButtonWS& PushLike() { Add(BS_PUSHLIKE); return *this; }
    QmButtonWS& Icon() { Add(BS_ICON); return *this; }
    QmButtonWS& Bitmap() { Add(BS_BITMAP); return *this; }
};

// Static control styles (SS_*).
class QmStaticWS : public QmWS {
public:
    QmStaticWS& TextLeft() { Add(SS_LEFT); return *this; }
    QmStaticWS& TextCenter() { Add(SS_CENTER); return *this; }
    QmStaticWS& TextRight() { Add(SS_RIGHT); return *this; }
    QmStaticWS& LeftNoWordWrap() { Add(SS_LEFTNOWORDWRAP); return *this; }
    QmStaticWS& Simple() { Add(SS_SIMPLE); return *this; }
    QmStaticWS& Icon() { Add(SS_ICON); return *this; }
    QmStaticWS& Bitmap() { Add(SS_BITMAP); return *this; }
    QmStaticWS& CenterImage() { Add(SS_CENTERIMAGE); return *this; }
    QmStaticWS& RealSizeImage() { Add(SS_REALSIZEIMAGE); return *this; }
    QmStaticWS& RightJust() { Add(SS_RIGHTJUST); return *this; }
    QmStaticWS& Notify() { Add(SS_NOTIFY); return *this; }
    QmStaticWS& NoPrefix() { Add(SS_NOPREFIX); return *this; }
    QmStaticWS& Sunken() { Add(SS_SUNKEN); return *this; }
    QmStaticWS& EtchedFrame() { Add(SS_ETCHEDFRAME); return *this; }
    QmStaticWS& EndEllipsis() { Add(SS_ENDELLIPSIS); return *this; }
};

// List box styles (LBS_*).
class QmCListboxWS : public QmWS {
public:
    QmCListboxWS& Notify() { Add(LBS_NOTIFY); return *this; }
    QmCListboxWS& Sort() { Add(LBS_SORT); return *this; }
    QmCListboxWS& Standard() { Add(LBS_STANDARD); return *this; }
    QmCListboxWS& HasStrings() { Add(LBS_HASSTRINGS); return *this; }
    QmCListboxWS& MultipleSel() { Add(LBS_MULTIPLESEL); return *this; }
    QmCListboxWS& ExtendedSel() { Add(LBS_EXTENDEDSEL); return *this; }
    QmCListboxWS& NoIntegralHeight() { Add(LBS_NOINTEGRALHEIGHT); return *this; }
    QmCListboxWS& UseTabStops() { Add(LBS_USETABSTOPS); return *this; }
    QmCListboxWS& DisableNoScroll() { Add(LBS_DISABLENOSCROLL); return *this; }
    QmCListboxWS& NoSel() { Add(LBS_NOSEL); return *this; }
};

// Combo box styles (CBS_*).
class QmComboWS : public QmWS {
public:
    QmComboWS& Simple() { Add(CBS_SIMPLE); return *this; }
    QmComboWS& DropDown() { Add(CBS_DROPDOWN); return *this; }
    QmComboWS& DropDownList() { Add(CBS_DROPDOWNLIST); return *this; }
    QmComboWS& Sort() { Add(CBS_SORT); return *this; }
    QmComboWS& HasStrings() { Add(CBS_HASSTRINGS); return *this; }
    QmComboWS& AutoHScroll() { Add(CBS_AUTOHSCROLL); return *this; }
    QmComboWS& NoIntegralHeight() { Add(CBS_NOINTEGRALHEIGHT); return *this; }
    QmComboWS& DisableNoScroll() { Add(CBS_DISABLENOSCROLL); return *this; }
    QmComboWS& OwnerDrawFixed() { Add(CBS_OWNERDRAWFIXED); return *this; }
    QmComboWS& OwnerDrawVariable() { Add(CBS_OWNERDRAWVARIABLE); return *this; }
    QmComboWS& LowerCase() { Add(CBS_LOWERCASE); return *this; }
    QmComboWS& UpperCase() { Add(CBS_UPPERCASE); return *this; }
};

// List view styles (LVS_*).
class QmLVWS : public QmWS {
public:
    QmLVWS& IconView() { Add(LVS_ICON); return *this; }
    QmLVWS& Report() { Add(LVS_REPORT); return *this; }
    QmLVWS& SmallIcon() { Add(LVS_SMALLICON); return *this; }
    QmLVWS& List() { Add(LVS_LIST); return *this; }
    QmLVWS& SingleSel() { Add(LVS_SINGLESEL); return *this; }
    QmLVWS& ShowSelAlways() { Add(LVS_SHOWSELALWAYS); return *this; }
    QmLVWS& SortAscending() { Add(LVS_SORTASCENDING); return *this; }
    QmLVWS& SortDescending() { Add(LVS_SORTDESCENDING); return *this; }
    QmLVWS& ShareImageLists() { Add(LVS_SHAREIMAGELISTS); return *this; }
    QmLVWS& NoLabelWrap() { Add(LVS_NOLABELWRAP); return *this; }
    QmLVWS& AutoArrange() { Add(LVS_AUTOARRANGE); return *this; }
    QmLVWS& EditLabels() { Add(LVS_EDITLABELS); return *this; }
    QmLVWS& NoScroll() { Add(LVS_NOSCROLL); return *this; }
    QmLVWS& NoColumnHeader() { Add(LVS_NOCOLUMNHEADER); return *this; }
    QmLVWS& NoSortHeader() { Add(LVS_NOSORTHEADER); return *this; }
    QmLVWS& OwnerData() { Add(LVS_OWNERDATA); return *this; }
};

// Extended list view styles (LVS_EX_*), given with QmListview::SetExtendedStyle.
class QmLVSEx : public QmStyleBits {
public:
    QmLVSEx& CheckBoxes() { Add(LVS_EX_CHECKBOXES); return *this; }
    QmLVSEx& FullRowSelect() { Add(LVS_EX_FULLROWSELECT); return *this; }
    QmLVSEx& GridLines() { Add(LVS_EX_GRIDLINES); return *this; }
    QmLVSEx& HeaderDragDrop() { Add(LVS_EX_HEADERDRAGDROP); return *this; }
    QmLVSEx& SubItemImages() { Add(LVS_EX_SUBITEMIMAGES); return *this; }
    QmLVSEx& TrackSelect() { Add(LVS_EX_TRACKSELECT); return *this; }
    QmLVSEx& OneClickActivate() { Add(LVS_EX_ONECLICKACTIVATE); return *this; }
    QmLVSEx& TwoClickActivate() { Add(LVS_EX_TWOCLICKACTIVATE); return *this; }
    QmLVSEx& FlatScrollBars() { Add(LVS_EX_FLATSB); return *this; }
    QmLVSEx& InfoTip() { Add(LVS_EX_INFOTIP); return *this; }
    QmLVSEx& LabelTip() { Add(LVS_EX_LABELTIP); return *this; }
    QmLVSEx& BorderSelect() { Add(LVS_EX_BORDERSELECT); return *this; }
    QmLVSEx& DoubleBuffer() { Add(LVS_EX_DOUBLEBUFFER); return *this; }
};

// List view item masks (LVIF_*).
class QmLVIF : public QmStyleBits {
public:
    QmLVIF& Text() { Add(LVIF_TEXT); return *this; }
    QmLVIF& Image() { Add(LVIF_IMAGE); return *this; }
    QmLVIF& Param() { Add(LVIF_PARAM); return *this; }
    QmLVIF& State() { Add(LVIF_STATE); return *this; }
    QmLVIF& Indent() { Add(LVIF_INDENT); return *this; }
    QmLVIF& NoRecompute() { Add(LVIF_NORECOMPUTE); return *this; }
};

// List view column masks (LVCF_*).
class QmLVCF : public QmStyleBits {
public:
    QmLVCF& Format() { Add(LVCF_FMT); return *this; }
    QmLVCF& Width() { Add(LVCF_WIDTH); return *this; }
    QmLVCF& Text() { Add(LVCF_TEXT); return *this; }
    QmLVCF& SubItem() { Add(LVCF_SUBITEM); return *this; }
    QmLVCF& Image() { Add(LVCF_IMAGE); return *this; }
    QmLVCF& Order() { Add(LVCF_ORDER); return *this; }
};

// Combo-box-ex item masks (CBEIF_*).
class QmCCBEIF : public QmStyleBits {
public:
    QmCCBEIF& Text() { Add(CBEIF_TEXT); return *this; }
    QmCCBEIF& Image() { Add(CBEIF_IMAGE); return *this; }
    QmCCBEIF& SelectedImage() { Add(CBEIF_SELECTEDIMAGE); return *this; }
    QmCCBEIF& OverlayImage() { Add(CBEIF_OVERLAY); return *this; }
    QmCCBEIF& Indent() { Add(CBEIF_INDENT); return *this; }
    QmCCBEIF& LParam() { Add(CBEIF_LPARAM); return *this; }
    QmCCBEIF& DiSetItem() { Add(CBEIF_DI_SETITEM); return *this; }
};

// Combo-box-ex extended styles (CBES_EX_*), given with QmCombo::SetExtendedStyle.
class QmCCboExS : public QmStyleBits {
public:
    QmCCboExS& NoEditImage() { Add(CBES_EX_NOEDITIMAGE); return *this; }
    QmCCboExS& NoEditImageIndent() { Add(CBES_EX_NOEDITIMAGEINDENT); return *this; }
    QmCCboExS& PathWordBreakProc() { Add(CBES_EX_PATHWORDBREAKPROC); return *this; }
    QmCCboExS& NoSizeLimit() { Add(CBES_EX_NOSIZELIMIT); return *this; }
    QmCCboExS& CaseSensitive() { Add(CBES_EX_CASESENSITIVE); return *this; }
};
